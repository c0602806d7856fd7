// The serial port owner through a real QSerialPort on a pseudo-terminal, with
// the simulated radio on the other end.

#include "radio_thread.h"

#include "link/port_table.h"
#include "link/pty_radio.h"
#include "link/serial_link.h"

#include <QFile>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

using namespace q731;
using q731::testing::RadioThread;
using Outcome = LinkProtocol::Outcome;

Q_DECLARE_METATYPE(q731::LinkProtocol::Outcome)

namespace {

RadioImage EncodedImage()
{
    RadioImage image{};
    for (std::size_t i = 0; i < kRadioMemorySize; ++i)
        image[i] = static_cast<std::uint8_t>(i * 31 + 7);
    return image;
}

void FillMemory(RadioSimulator &radio)
{
    for (std::size_t i = 0; i < kRadioMemorySize; ++i)
        radio.memory()[i] = static_cast<std::uint8_t>(i ^ (i >> 8) ^ 0x5A);
}

// Waits for the transfer's end and returns how it ended.
Outcome WaitForEnd(SerialLink &link, int timeoutMs = 10000)
{
    QSignalSpy finished(&link, &SerialLink::finished);
    if (!finished.wait(timeoutMs))
        return Outcome::None;
    return finished.front().front().value<Outcome>();
}

} // namespace

class SerialLinkTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void readGivesTheRadioMemoryByteForByte_data();
    void readGivesTheRadioMemoryByteForByte();
    void writeLeavesTheEncodedImage_data();
    void writeLeavesTheEncodedImage();
    void bandMismatch_data();
    void bandMismatch();
    void silentRadioEndsAfterTheWatchdog();
    void pulledCableEndsAtOnce_data();
    void pulledCableEndsAtOnce();
    void pulledCableInEveryPhase_data();
    void pulledCableInEveryPhase();
    void pulledCableHalfwayThroughABlock();
    void ackFloodIsNoAnswer_data();
    void ackFloodIsNoAnswer();
    void blockForAnotherAddressEndsTheRead();
    void inputWaitingBeforeAFrameAnswersNothing();
    void openErrors();
    void portTableOrder();
};

void SerialLinkTest::initTestCase()
{
    qRegisterMetaType<Outcome>();
}

void SerialLinkTest::readGivesTheRadioMemoryByteForByte_data()
{
    QTest::addColumn<bool>("split");
    QTest::newRow("whole replies") << false;
    QTest::newRow("single bytes") << true;
}

void SerialLinkTest::readGivesTheRadioMemoryByteForByte()
{
    QFETCH(bool, split);
    PtyRadio radio;
    QVERIFY2(radio.open(), qPrintable(radio.errorString()));
    radio.simulator().setBand(5);
    FillMemory(radio.simulator());
    radio.faults().splitReplies = split;

    SerialLink link;
    QSignalSpy progress(&link, &SerialLink::progress);
    QSignalSpy ended(&radio, &PtyRadio::endReceived);
    QCOMPARE(link.open(radio.devicePath()), SerialLink::OpenError::None);
    RadioImage before{};
    before.fill(0xEE);
    QVERIFY(link.startRead(before));
    QCOMPARE(link.state(), SerialLink::State::Running);
    QVERIFY(link.watchdog().isActive());

    QCOMPARE(WaitForEnd(link), Outcome::ReadCompleted);
    QCOMPARE(link.state(), SerialLink::State::Closed);
    QVERIFY(!link.isOpen());
    QVERIFY(!link.watchdog().isActive());
    const RadioImage &image = link.protocol().image();
    QVERIFY(std::equal(radio.simulator().memory().begin(), radio.simulator().memory().end(),
                       image.begin()));
    QCOMPARE(image[3072], std::uint8_t{0xEE}); // past the memory: left as it was
    QCOMPARE(radio.simulator().blocksServed(), 192);
    // The end byte was on the line before the port closed.
    QVERIFY(ended.count() == 1 || ended.wait(2000));
    QCOMPARE(progress.last().front().toInt(), 195);
    if (split) {
        // The pieces really came one by one: many more receive events than
        // the read has replies.
        QVERIFY2(progress.count() > 2 * 2 * 192, qPrintable(QString::number(progress.count())));
    }
}

void SerialLinkTest::writeLeavesTheEncodedImage_data()
{
    QTest::addColumn<bool>("calibration");
    QTest::addColumn<bool>("split");
    QTest::newRow("plain") << false << false;
    QTest::newRow("calibration") << true << false;
    QTest::newRow("calibration, single bytes") << true << true;
}

void SerialLinkTest::writeLeavesTheEncodedImage()
{
    QFETCH(bool, calibration);
    QFETCH(bool, split);
    PtyRadio radio;
    QVERIFY(radio.open());
    radio.simulator().setBand(3);
    radio.simulator().memory().fill(0xA5);
    radio.faults().splitReplies = split;
    QSignalSpy ended(&radio, &PtyRadio::endReceived);

    SerialLink link;
    QCOMPARE(link.open(radio.devicePath()), SerialLink::OpenError::None);
    const RadioImage image = EncodedImage();
    QVERIFY(link.startWrite(image, 3, false, calibration));
    QVERIFY(!link.startRead(image)); // one transfer at a time
    QCOMPARE(WaitForEnd(link), Outcome::WriteCompleted);
    QVERIFY(!link.isOpen());
    QVERIFY(ended.count() == 1 || ended.wait(2000));

    const auto &memory = radio.simulator().memory();
    for (int i = 0; i < 3072; ++i) {
        const bool spared = (i >= 1984 && i < 2032) || (i >= 2032 && i < 2048 && !calibration);
        QVERIFY2(memory[i] == (spared ? 0xA5 : image[i]), qPrintable(QString::number(i)));
    }
    const auto &written = radio.simulator().writtenAddresses();
    QCOMPARE(written.size(), calibration ? 192u : 191u);
    QCOMPARE(written.back(), 0x0C20);
}

void SerialLinkTest::bandMismatch_data()
{
    QTest::addColumn<bool>("overrideMode");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<Outcome>("outcome");
    QTest::newRow("refused") << false << false << Outcome::BandRefused;
    QTest::newRow("override cancelled") << true << false << Outcome::BandOverrideCancelled;
    QTest::newRow("override ok") << true << true << Outcome::WriteCompleted;
}

void SerialLinkTest::bandMismatch()
{
    QFETCH(bool, overrideMode);
    QFETCH(bool, answer);
    QFETCH(Outcome, outcome);
    PtyRadio radio;
    QVERIFY(radio.open());
    radio.simulator().setBand(6);
    radio.simulator().memory().fill(0xA5);
    QSignalSpy ended(&radio, &PtyRadio::endReceived);

    SerialLink link;
    QSignalSpy finished(&link, &SerialLink::finished);
    QSignalSpy question(&link, &SerialLink::bandOverrideQuestion);
    QCOMPARE(link.open(radio.devicePath()), SerialLink::OpenError::None);
    QVERIFY(link.startWrite(EncodedImage(), 1, overrideMode, false));
    if (overrideMode) {
        QVERIFY(question.wait(5000));
        QCOMPARE(link.state(), SerialLink::State::AskingBand);
        QVERIFY(!link.watchdog().isActive()); // the user's time is not silence
        QVERIFY(link.isOpen());
        link.answerBandOverride(answer);
        if (answer)
            QVERIFY(link.watchdog().isActive());
    }
    QVERIFY(finished.count() == 1 || finished.wait(10000));
    QCOMPARE(finished.front().front().value<Outcome>(), outcome);
    QCOMPARE(question.count(), overrideMode ? 1 : 0);
    QVERIFY(!link.isOpen());
    QVERIFY(!link.watchdog().isActive());
    QVERIFY(ended.count() == 1 || ended.wait(2000));
    const bool written = outcome == Outcome::WriteCompleted;
    QCOMPARE(radio.simulator().writtenAddresses().empty(), !written);
    QCOMPARE(radio.simulator().memory()[0], written ? EncodedImage()[0] : std::uint8_t{0xA5});
}

void SerialLinkTest::silentRadioEndsAfterTheWatchdog()
{
    PtyRadio radio;
    QVERIFY(radio.open());
    radio.faults().silent = true;
    SerialLink link;
    QCOMPARE(link.open(radio.devicePath()), SerialLink::OpenError::None);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(link.startRead(RadioImage{}));
    QCOMPARE(WaitForEnd(link, 8000), Outcome::Timeout);
    // 62 ticks of 50 ms.
    QVERIFY2(clock.elapsed() >= 3000 && clock.elapsed() < 5000,
             qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!link.isOpen());
    QCOMPARE(link.state(), SerialLink::State::Closed);
    // The line is free again for the next transfer.
    QCOMPARE(link.open(radio.devicePath()), SerialLink::OpenError::None);
    link.close();
}

void SerialLinkTest::pulledCableEndsAtOnce_data()
{
    QTest::addColumn<bool>("write");
    QTest::newRow("read") << false;
    QTest::newRow("write") << true;
}

void SerialLinkTest::pulledCableEndsAtOnce()
{
    QFETCH(bool, write);
    PtyRadio radio;
    QVERIFY(radio.open());
    FillMemory(radio.simulator());
    radio.faults().stopAfterBlocks = write ? 150 : 40;
    QSignalSpy pulled(&radio, &PtyRadio::cablePulled);
    SerialLink link;
    QCOMPARE(link.open(radio.devicePath()), SerialLink::OpenError::None);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(write ? link.startWrite(EncodedImage(), 0, false, false)
                  : link.startRead(RadioImage{}));
    QCOMPARE(WaitForEnd(link), Outcome::PortLost);
    QCOMPARE(pulled.count(), 1);
    QVERIFY2(clock.elapsed() < 2500, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!link.isOpen());
    QVERIFY(!link.watchdog().isActive());
    QCOMPARE(link.state(), SerialLink::State::Closed);
    if (!write) {
        // What arrived is kept (the last reply may be lost with the line);
        // the rest of the image was not touched.
        QVERIFY(radio.simulator().memory()[38 * 16] != 0);
        QCOMPARE(link.protocol().image()[38 * 16], radio.simulator().memory()[38 * 16]);
        QCOMPARE(link.protocol().image()[41 * 16], std::uint8_t{0});
    }
}

void SerialLinkTest::pulledCableInEveryPhase_data()
{
    // The cable goes as the radio receives message n of the program, before
    // it answers; the program then waits at the step given.
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("message");
    QTest::addColumn<int>("step");
    QTest::newRow("read, handshake") << false << 0 << 1;
    QTest::newRow("read, identification") << false << 1 << 2;
    QTest::newRow("read, identification's ACK") << false << 2 << 2;
    QTest::newRow("read, request of block 60") << false << 3 + 2 * 60 << 63;
    QTest::newRow("read, ACK of block 60") << false << 4 + 2 * 60 << 63;
    QTest::newRow("read, end") << false << 4 + 2 * 191 << 195;
    QTest::newRow("write, handshake") << true << 0 << 1;
    QTest::newRow("write, identification") << true << 1 << 2;
    QTest::newRow("write, identification's ACK") << true << 2 << 3;
    QTest::newRow("write, block 50") << true << 3 + 50 << 54;
    QTest::newRow("write, calibration place") << true << 127 << 128;
    QTest::newRow("write, end") << true << 194 << 195;
}

void SerialLinkTest::pulledCableInEveryPhase()
{
    QFETCH(bool, write);
    QFETCH(int, message);
    QFETCH(int, step);
    RadioThread radio;
    QVERIFY(radio.isOpen());
    radio.run([message](PtyRadio &r) {
        FillMemory(r.simulator());
        r.faults().pullAtMessage = message;
    });
    SerialLink link;
    QCOMPARE(link.open(radio.devicePath()), SerialLink::OpenError::None);
    QVERIFY(write ? link.startWrite(EncodedImage(), 0, false, false)
                  : link.startRead(RadioImage{}));

    QCOMPARE(WaitForEnd(link), Outcome::PortLost);
    // Ended by the hang-up, with the watchdog still far from its limit, not
    // by the watchdog after reading a dead line over and over.
    QVERIFY2(link.protocol().silenceCount() < LinkProtocol::kSilenceLimit / 2,
             qPrintable(QString::number(link.protocol().silenceCount())));
    QCOMPARE(write ? link.protocol().writeStep() : link.protocol().readStep(), step);
    QVERIFY(!link.isOpen());
    QVERIFY(!link.watchdog().isActive());
    QCOMPARE(link.state(), SerialLink::State::Closed);
    bool pulled = false;
    radio.run([&pulled](PtyRadio &r) { pulled = r.simulator().pulled() && !r.isOpen(); });
    QVERIFY(pulled);
}

void SerialLinkTest::pulledCableHalfwayThroughABlock()
{
    RadioThread radio;
    QVERIFY(radio.isOpen());
    // The request for block 10 is answered with the first nine bytes of the
    // block, then the cable goes.
    radio.run([](PtyRadio &r) {
        FillMemory(r.simulator());
        QObject::connect(&r, &PtyRadio::traffic, &r, [&r](bool fromProgram, const QByteArray &b) {
            if (!fromProgram || b != QByteArray::fromHex("5200a010"))
                return;
            QByteArray half = QByteArray::fromHex("5700a010");
            for (int i = 0; i < 5; ++i)
                half += char(r.simulator().memory()[0xA0 + i]);
            r.putOnLine(half);
            r.pullCable();
        });
    });
    SerialLink link;
    QCOMPARE(link.open(radio.devicePath()), SerialLink::OpenError::None);
    RadioImage before;
    before.fill(0xEE);
    QVERIFY(link.startRead(before));

    QCOMPARE(WaitForEnd(link), Outcome::PortLost);
    QVERIFY2(link.protocol().silenceCount() < LinkProtocol::kSilenceLimit / 2,
             qPrintable(QString::number(link.protocol().silenceCount())));
    QCOMPARE(link.protocol().readStep(), 3 + 10);
    QVERIFY(!link.isOpen());
    const RadioImage &image = link.protocol().image();
    QCOMPARE(image[0x9F], static_cast<std::uint8_t>(0x9F ^ 0x5A));
    QVERIFY(
        std::all_of(image.begin() + 0xA0, image.end(), [](std::uint8_t b) { return b == 0xEE; }));
}

void SerialLinkTest::ackFloodIsNoAnswer_data()
{
    // A read of a flood ends by the watchdog and keeps the image: the
    // protocol's own test holds that; the line adds nothing to it.
    QTest::addColumn<bool>("paced");
    QTest::newRow("write") << false;
    QTest::newRow("write, paced") << true;
}

void SerialLinkTest::ackFloodIsNoAnswer()
{
    QFETCH(bool, paced);
    // Answers the handshake and the identification, then streams ACKs.
    PtyRadio radio;
    QVERIFY(radio.open());
    radio.setPaced(paced);
    radio.simulator().memory().fill(0xA5);
    radio.faults().ackFlood = true;
    QSignalSpy ended(&radio, &PtyRadio::endReceived);
    SerialLink link;
    QCOMPARE(link.open(radio.devicePath()), SerialLink::OpenError::None);
    QVERIFY(link.startWrite(EncodedImage(), 0, false, true));

    // At once: the first reply holds many ACKs.
    QCOMPARE(WaitForEnd(link), Outcome::BadReply);
    QVERIFY2(link.protocol().silenceCount() < LinkProtocol::kSilenceLimit / 2,
             qPrintable(QString::number(link.protocol().silenceCount())));
    // The flood may follow the radio's answer to the identification's ACK so
    // closely that both arrive as one reply: block 0 at most went.
    QVERIFY(link.protocol().writeStep() <= 4);
    QVERIFY(!link.isOpen());
    QCOMPARE(link.state(), SerialLink::State::Closed);
    // The end byte stopped the flood.
    QVERIFY(ended.count() == 1 || ended.wait(2000));
    QVERIFY(!radio.simulator().isFlooding());
    QVERIFY(radio.simulator().writtenAddresses().empty());
    const auto &memory = radio.simulator().memory();
    QVERIFY(std::all_of(memory.begin(), memory.end(), [](std::uint8_t b) { return b == 0xA5; }));
}

void SerialLinkTest::blockForAnotherAddressEndsTheRead()
{
    PtyRadio radio;
    QVERIFY(radio.open());
    FillMemory(radio.simulator());
    radio.faults().otherAddressAtRequest = 50;
    radio.faults().splitReplies = true;
    QSignalSpy ended(&radio, &PtyRadio::endReceived);
    SerialLink link;
    QCOMPARE(link.open(radio.devicePath()), SerialLink::OpenError::None);
    RadioImage before;
    before.fill(0xEE);
    QVERIFY(link.startRead(before));

    QCOMPARE(WaitForEnd(link), Outcome::BadReply);
    QVERIFY2(link.protocol().silenceCount() < LinkProtocol::kSilenceLimit / 2,
             qPrintable(QString::number(link.protocol().silenceCount())));
    QCOMPARE(link.protocol().readStep(), 3 + 50);
    QVERIFY(!link.isOpen());
    QVERIFY(ended.count() == 1 || ended.wait(2000));
    const RadioImage &image = link.protocol().image();
    const auto &memory = radio.simulator().memory();
    QVERIFY(std::equal(memory.begin(), memory.begin() + 50 * 16, image.begin()));
    QVERIFY(std::all_of(image.begin() + 50 * 16, image.end(),
                        [](std::uint8_t b) { return b == 0xEE; }));
}

void SerialLinkTest::inputWaitingBeforeAFrameAnswersNothing()
{
    PtyRadio radio;
    QVERIFY(radio.open());
    SerialLink link;
    // As the first block frame goes out, an ACK is already waiting on the
    // line, and the radio falls silent: nothing answers the frame.
    bool injected = false;
    connect(&link, &SerialLink::traffic, &link, [&](bool sent, const QByteArray &bytes) {
        if (!sent || bytes.size() != 20 || injected)
            return;
        injected = true;
        radio.faults().silent = true;
        radio.putOnLine(QByteArray(1, char(0x06)));
    });
    QCOMPARE(link.open(radio.devicePath()), SerialLink::OpenError::None);
    QVERIFY(link.startWrite(EncodedImage(), 0, false, false));

    QCOMPARE(WaitForEnd(link, 8000), Outcome::Timeout);
    QVERIFY(injected);
    // Block 0 went out and nothing after it: handshake, identification
    // request, its ACK, one frame and the end byte at most.
    QCOMPARE(link.protocol().writeStep(), 4);
    QVERIFY2(radio.bytesFromProgram() <= 7 + 1 + 1 + 20 + 1,
             qPrintable(QString::number(radio.bytesFromProgram())));
}

void SerialLinkTest::openErrors()
{
    QCOMPARE(SerialLink::probe(QString()), SerialLink::OpenError::Missing);
    QCOMPARE(SerialLink::probe(QStringLiteral("/dev/q731-no-such-port")),
             SerialLink::OpenError::Missing);

    PtyRadio radio;
    QVERIFY(radio.open());
    QCOMPARE(SerialLink::probe(radio.devicePath()), SerialLink::OpenError::None);
    SerialLink holder;
    QCOMPARE(holder.open(radio.devicePath()), SerialLink::OpenError::None);
    QCOMPARE(SerialLink::probe(radio.devicePath()), SerialLink::OpenError::Unusable);
    holder.close();
    QVERIFY(!holder.isOpen());
    QCOMPARE(SerialLink::probe(radio.devicePath()), SerialLink::OpenError::None);

    // A device the user may not open. Root may open anything: nothing to see.
    if (::geteuid() == 0)
        return;
    QFile::setPermissions(radio.devicePath(), QFile::ReadOwner);
    QCOMPARE(SerialLink::probe(radio.devicePath()), SerialLink::OpenError::PermissionDenied);
}

void SerialLinkTest::portTableOrder()
{
    QCOMPARE(PortTable::orderSystemDevices({"/dev/ttyS10", "/dev/ttyS2", "/dev/ttyACM0",
                                            "/dev/ttyUSB1", "/dev/ttyUSB0", "/dev/rfcomm0"}),
             QStringList({"/dev/ttyACM0", "/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/rfcomm0",
                          "/dev/ttyS2", "/dev/ttyS10"}));
    // Numbers of any length keep their order.
    QCOMPARE(PortTable::orderSystemDevices({"/dev/ttyS100000000000000000000", "/dev/ttyS3",
                                            "/dev/ttyS99999999999999999999", "/dev/ttyS03"}),
             QStringList({"/dev/ttyS03", "/dev/ttyS3", "/dev/ttyS99999999999999999999",
                          "/dev/ttyS100000000000000000000"}));

    qputenv("Q731_PORTS", "/dev/a::/dev/c");
    const PortTable table = PortTable::current();
    QCOMPARE(table.deviceOf(1), QStringLiteral("/dev/a"));
    QCOMPARE(table.deviceOf(2), QString());
    QCOMPARE(table.deviceOf(3), QStringLiteral("/dev/c"));
    QCOMPARE(table.deviceOf(4), QString());
    QCOMPARE(table.deviceOf(0), QString());
    QCOMPARE(table.deviceOf(17), QString());
    qputenv("Q731_PORTS", "");
    QCOMPARE(PortTable::current().deviceOf(1), QString());
}

QTEST_GUILESS_MAIN(SerialLinkTest)
#include "test_serial_link.moc"
