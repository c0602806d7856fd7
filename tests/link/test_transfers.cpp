// The port list and the Read and Write commands of the window program, driven
// with the mouse, against the simulated radio on a pseudo-terminal.

#include "../support/program_fixture.h"
#include "radio_thread.h"

#include "app/band_box.h"
#include "editors/channel_window.h"
#include "image/codec.h"
#include "link/port_chooser.h"
#include "link/port_table.h"
#include "link/progress_window.h"
#include "link/pty_radio.h"
#include "link/serial_link.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolTip>

#include <memory>

using namespace q731;
using q731::testing::ProgramFixture;
using q731::testing::RadioThread;
using q731::testing::ShownBox;
using Outcome = LinkProtocol::Outcome;

Q_DECLARE_METATYPE(q731::LinkProtocol::Outcome)

namespace {

// Q731_PORTS while the program starts.
struct PortsSetting
{
    explicit PortsSetting(const QByteArray &ports) { qputenv("Q731_PORTS", ports); }
};

// The whole program with every message box answered OK unless `answers` says
// otherwise; `ports` is Q731_PORTS while it starts.
struct Program
    : PortsSetting
    , ProgramFixture
{
    explicit Program(const QByteArray &ports, Language language = Language::Chinese)
        : PortsSetting(ports)
        , ProgramFixture(language, IdOk)
    {
    }

    int chosenPortIndex() const { return window->findChild<PortChooser *>("ports")->chosenIndex(); }

    // Runs a Read or Write with the mouse and waits for its reported end.
    Outcome transfer(const char *key, int timeoutMs = 10000)
    {
        QSignalSpy ended(transfers(), &TransferController::transferEnded);
        clickToolButton(key);
        if (!ended.wait(timeoutMs))
            return Outcome::None;
        return ended.front().front().value<Outcome>();
    }

    // Opens the list through the menu command and clicks item `port`.
    void pickPort(int port)
    {
        action("MNCommPort")->trigger();
        QComboBox *list = portList();
        QTRY_VERIFY(list->view()->isVisible());
        QAbstractItemView *view = list->view();
        const QRect item = view->visualRect(list->model()->index(port - 1, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    }

    ProgressWindow *progress() const { return transfers()->progressWindow(); }

    // Opens the Programming menu with the mouse and clicks `item` in it.
    void clickProgramMenu(const char *item)
    {
        QMenuBar *bar = window->menuBar();
        auto *menu = window->findChild<QMenu *>("MNProgram");
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(menu->menuAction()).center());
        QTRY_VERIFY(menu->isVisible());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action(item)).center());
        QTRY_VERIFY(!menu->isVisible());
    }

    void clickVerifyAfterWrite() { clickProgramMenu("MNVerify"); }

    // The tooltip the open port list shows over item `port`, as the pointer
    // resting on it asks for it.
    QString portTip(int port)
    {
        QAbstractItemView *view = portList()->view();
        const QPoint at = view->visualRect(view->model()->index(port - 1, 0)).center();
        QHelpEvent help(QEvent::ToolTip, at, view->viewport()->mapToGlobal(at));
        QApplication::sendEvent(view->viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }

    bool portGreyed(int port) const
    {
        return portList()->itemData(port - 1, Qt::ForegroundRole).isValid();
    }
};

// A radio memory with something to decode: band 4 and channel 1 set.
RadioImage RadioMemory()
{
    RadioData data;
    data.options.resetToNew(400, 420);
    data.bandIndex = 4;
    data.channels.rx(1) = "410.12500";
    data.channels.tx(1) = "411.25000";
    RadioImage image{};
    EncodeImage(data, image);
    return image;
}

// Counts the paint events a widget gets.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

std::unique_ptr<PtyRadio> StartRadio(int band)
{
    auto radio = std::make_unique<PtyRadio>();
    if (!radio->open())
        return nullptr;
    radio->simulator().setBand(band);
    return radio;
}

} // namespace

class TransfersTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<Outcome>(); }
    void loadTestsPortOne();
    void choosingAPort_data();
    void choosingAPort();
    void listHidesWhenLeft();
    void readFillsTheEditors();
    void compareWithRadioLeavesTheEditorsAlone();
    void writeSendsTheEditorsValues_data();
    void writeSendsTheEditorsValues();
    void bandMismatch_data();
    void bandMismatch();
    void portThatDoesNotOpen();
    void silentRadio();
    void cablePulledMidRead();
    void cablePulledInEveryPhase_data();
    void cablePulledInEveryPhase();
    void writeToAnAckFlood();
    void readOfABlockForAnotherAddress();
    void oneTransferAtATime();
    void transferGoesOnWhileTheWindowIsHeld_data();
    void transferGoesOnWhileTheWindowIsHeld();
    void closingDuringATransfer();
    void transferRunsUntilItsEndIsReported();
    void progressBarPaintsAtMostTenTimesASecond();
    void verifyAfterWrite_data();
    void verifyAfterWrite();
    void verifyWhoseReadBackFails();
    void writeSeveralRadios();
    void portListShowsDevices_data();
    void portListShowsDevices();
    void deviceTips();
};

void TransfersTest::loadTestsPortOne()
{
    {
        Program program("");
        QCOMPARE(program.startupBoxes.size(), 1);
        QCOMPARE(program.startupBoxes.front().text,
                 QStringLiteral("串行端口1无效或已被其它程序使用，请选择其他串口或关闭其程序."));
        QCOMPARE(program.startupBoxes.front().icon, QMessageBox::Warning);
        QCOMPARE(program.portPanel()->text(), QStringLiteral("COM: "));
        QCOMPARE(program.portList()->currentIndex(), -1);
    }
    auto radio = StartRadio(0);
    QVERIFY(radio);
    Program program(radio->devicePath().toLocal8Bit());
    QVERIFY(program.startupBoxes.isEmpty());
    QCOMPARE(program.portPanel()->text(), QStringLiteral("COM: 1"));
    QCOMPARE(program.portPanel()->toolTip(), radio->devicePath());
    QVERIFY(!program.portList()->isVisible());
}

void TransfersTest::choosingAPort_data()
{
    QTest::addColumn<int>("language");
    QTest::newRow("Chinese") << int(Language::Chinese);
    QTest::newRow("English") << int(Language::English);
}

void TransfersTest::choosingAPort()
{
    QFETCH(int, language);
    auto radio = StartRadio(0);
    QVERIFY(radio);
    // Port 2 is free, port 3 has no device.
    Program program("/dev/q731-none:" + radio->devicePath().toLocal8Bit(),
                    static_cast<Language>(language));

    program.pickPort(2);
    QTRY_VERIFY(!program.portList()->isVisible());
    QVERIFY(program.boxes.isEmpty());
    QCOMPARE(program.chosenPortIndex(), 1);
    QCOMPARE(program.portPanel()->text(), QStringLiteral("COM: 2"));
    QVERIFY(!program.serialLink()->isOpen());
    // Only a test: nothing holds the device now.
    QCOMPARE(SerialLink::probe(radio->devicePath()), SerialLink::OpenError::None);

    program.pickPort(3);
    QTRY_COMPARE(program.boxes.size(), 1);
    const ShownBox &box = program.boxes.front();
    if (language == int(Language::English)) {
        QCOMPARE(box.text, QStringLiteral("Serial port3Invalid or has already been used by other "
                                          "procedures, please choose other bunches of mouths or "
                                          "close its procedure."));
        QCOMPARE(box.caption, QStringLiteral("Mistake"));
    } else {
        QCOMPARE(box.text,
                 QStringLiteral("串行端口3无效或已被其它程序使用，请选择其他串口或关闭其程序."));
        QCOMPARE(box.caption, QStringLiteral("错误"));
    }
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(program.portList()->currentIndex(), -1);
    QCOMPARE(program.chosenPortIndex(), 0);
    QCOMPARE(program.portPanel()->text(), QStringLiteral("COM: "));
    QVERIFY(!program.portList()->isVisible());

    // A port held by another program.
    SerialLink other;
    QCOMPARE(other.open(radio->devicePath()), SerialLink::OpenError::None);
    program.pickPort(2);
    QTRY_COMPARE(program.boxes.size(), 2);
    QVERIFY(program.boxes.last().text.contains(QLatin1Char('2')));
    QCOMPARE(program.portPanel()->text(), QStringLiteral("COM: "));
}

void TransfersTest::listHidesWhenLeft()
{
    auto radio = StartRadio(0);
    QVERIFY(radio);
    Program program(radio->devicePath().toLocal8Bit() + ":" + radio->devicePath().toLocal8Bit());
    QComboBox *list = program.portList();

    // The drop-down closed without a pick.
    program.action("MNCommPort")->trigger();
    QTRY_VERIFY(list->view()->isVisible());
    QTest::keyClick(list->view(), Qt::Key_Escape);
    QTRY_VERIFY(!list->isVisible());
    QCOMPARE(program.chosenPortIndex(), 0);
    QCOMPARE(program.portPanel()->text(), QStringLiteral("COM: 1"));

    // The list itself losing the focus to the channel window.
    program.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    list->show();
    list->setFocus();
    QTRY_VERIFY(list->hasFocus());
    QTest::keyClick(list, Qt::Key_Tab);
    QTRY_VERIFY(!list->isVisible());
    QVERIFY(program.boxes.isEmpty());
    QCOMPARE(program.chosenPortIndex(), 0);
}

void TransfersTest::readFillsTheEditors()
{
    auto radio = StartRadio(4);
    QVERIFY(radio);
    const RadioImage memory = RadioMemory();
    std::copy_n(memory.begin(), kRadioMemorySize, radio->simulator().memory().begin());
    Program program(radio->devicePath().toLocal8Bit());
    QCOMPARE(program.session.bandIndex(), 0);

    QSignalSpy ended(program.transfers(), &TransferController::transferEnded);
    program.clickToolButton("TRead");
    ProgressWindow *progress = program.progress();
    QVERIFY(progress->isVisible());
    QCOMPARE(progress->windowModality(), Qt::ApplicationModal);
    QCOMPARE(progress->windowTitle(), QStringLiteral("正在读取……"));
    QCOMPARE(progress->label()->text(), QStringLiteral("正在读频，请稍候。"));
    QCOMPARE(progress->bar()->minimum(), 1);
    QCOMPARE(progress->bar()->maximum(), 195);
    QVERIFY(program.transfers()->isReading());
    QVERIFY(program.serialLink()->isOpen());

    QVERIFY(ended.wait(10000));
    QCOMPARE(ended.front().front().value<Outcome>(), Outcome::ReadCompleted);
    QVERIFY(!progress->isVisible());
    QVERIFY(!program.transfers()->isReading());
    QVERIFY(!program.serialLink()->isOpen());
    QCOMPARE(program.boxes.size(), 1); // no band question
    QCOMPARE(program.boxes.front().text, QStringLiteral("读频成功！"));
    QCOMPARE(program.boxes.front().caption, QStringLiteral("提示"));
    QCOMPARE(program.boxes.front().icon, QMessageBox::Information);
    QVERIFY(std::equal(memory.begin(), memory.begin() + kRadioMemorySize,
                       program.session.image().begin()));
    QCOMPARE(program.session.bandIndex(), 4);
    QCOMPARE(program.bandBox()->currentIndex(), 4);
    QCOMPARE(program.session.data().channels.rx(1), std::string("410.12500"));
    QCOMPARE(program.session.data().channels.tx(1), std::string("411.25000"));
}

void TransfersTest::compareWithRadioLeavesTheEditorsAlone()
{
    auto radio = StartRadio(4);
    QVERIFY(radio);
    const RadioImage memory = RadioMemory();
    std::copy_n(memory.begin(), kRadioMemorySize, radio->simulator().memory().begin());
    Program program(radio->devicePath().toLocal8Bit(), Language::English);
    const RadioImage before = program.session.image();

    // The comparison is modal: it is read while it is up, then closed.
    QStringList rows;
    QString summary;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *dialog = program.window->findChild<QDialog *>(QStringLiteral("FrmCompare"));
        if (!dialog || !dialog->isVisible())
            return;
        poll.stop();
        auto *table = dialog->findChild<QTableWidget *>(QStringLiteral("Differences"));
        for (int r = 0; r < table->rowCount(); ++r)
            rows << table->item(r, 0)->text() + " | " + table->item(r, 1)->text() + " | " +
                        table->item(r, 2)->text();
        summary = dialog->findChild<QLabel *>(QStringLiteral("Summary"))->text();
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("Close")),
                          Qt::LeftButton);
    });
    poll.start(10);
    program.clickProgramMenu("MNCompareRadio");
    QTRY_VERIFY_WITH_TIMEOUT(!summary.isEmpty(), 10000);
    QVERIFY2(summary.startsWith("The radio differs from this program in "), qPrintable(summary));
    QVERIFY2(rows.contains("channel 1 receive frequency | 410.12500 | "),
             qPrintable(rows.join('\n')));
    QVERIFY2(rows.contains("frequency band | 400-420MHz | 136-174MHz"),
             qPrintable(rows.join("\n")));
    // No read: the editors, the image and the band stay; no box.
    QVERIFY(program.boxes.isEmpty());
    QVERIFY(program.session.image() == before);
    QCOMPARE(program.session.bandIndex(), 0);
    QVERIFY(program.session.data().channels.rx(1).empty());
    QVERIFY(!program.transfers()->isBusy());
}

void TransfersTest::writeSendsTheEditorsValues_data()
{
    QTest::addColumn<bool>("calibration");
    QTest::newRow("plain") << false;
    QTest::newRow("calibration mode") << true;
}

void TransfersTest::writeSendsTheEditorsValues()
{
    QFETCH(bool, calibration);
    auto radio = StartRadio(0);
    QVERIFY(radio);
    radio->simulator().memory().fill(0xA5);
    Program program(radio->devicePath().toLocal8Bit(), Language::English);
    program.session.setHiddenMode(HiddenMode::Calibration, calibration);
    program.putRecords([](RadioData &data) {
        data.channels.rx(2) = "150.50000";
        data.channels.tx(2) = "151.00000";
        data.calibration.values[4] = 99;
    });

    QSignalSpy ended(program.transfers(), &TransferController::transferEnded);
    program.clickToolButton("TWrite");
    ProgressWindow *progress = program.progress();
    QVERIFY(progress->isVisible());
    QCOMPARE(progress->windowModality(), Qt::NonModal);
    QCOMPARE(progress->windowTitle(), QStringLiteral("Writing……"));
    QCOMPARE(progress->label()->text(),
             QStringLiteral("Writing frequently, please wait a moment."));
    QVERIFY(program.transfers()->isWriting());
    QVERIFY(ended.wait(10000));
    QCOMPARE(ended.front().front().value<Outcome>(), Outcome::WriteCompleted);
    QVERIFY(!progress->isVisible());
    QVERIFY(!program.transfers()->isWriting());
    QVERIFY(!program.serialLink()->isOpen());
    QCOMPARE(program.boxes.size(), 1);
    QCOMPARE(program.boxes.front().text, QStringLiteral("Writing succeeds frequently!"));
    QCOMPARE(program.boxes.front().caption, QStringLiteral("Suggestion"));

    RadioImage expected{};
    EncodeImage(program.session.data(), expected);
    const auto &memory = radio->simulator().memory();
    for (int i = 0; i < 3072; ++i) {
        const bool spared = (i >= 1984 && i < 2032) || (i >= 2032 && i < 2048 && !calibration);
        QVERIFY2(memory[i] == (spared ? 0xA5 : expected[i]), qPrintable(QString::number(i)));
    }
}

void TransfersTest::bandMismatch_data()
{
    QTest::addColumn<bool>("overrideMode");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("refused") << false << int(IdOk) << QStringList{"频段不符，不能写入！"};
    QTest::newRow("override, Cancel")
        << true << int(IdCancel) << QStringList{"频段不符，是否强制写入？"};
    QTest::newRow("override, OK") << true << int(IdOk)
                                  << QStringList{"频段不符，是否强制写入？", "写频成功！"};
}

void TransfersTest::bandMismatch()
{
    QFETCH(bool, overrideMode);
    QFETCH(int, answer);
    QFETCH(QStringList, texts);
    auto radio = StartRadio(6);
    QVERIFY(radio);
    radio->simulator().memory().fill(0xA5);
    Program program(radio->devicePath().toLocal8Bit());
    program.session.setHiddenMode(HiddenMode::BandOverride, overrideMode);
    program.answers = {answer};

    QVERIFY(program.transfer("TWrite") != Outcome::None);
    QStringList shown;
    for (const ShownBox &box : program.boxes)
        shown << box.text;
    QCOMPARE(shown, texts);
    if (!overrideMode)
        QCOMPARE(program.boxes.front().icon, QMessageBox::Warning);
    QVERIFY(!program.progress()->isVisible());
    QVERIFY(!program.serialLink()->isOpen());
    QVERIFY(!program.transfers()->isWriting());
    QCOMPARE(radio->simulator().writtenAddresses().empty(), texts.size() == 1);
}

void TransfersTest::portThatDoesNotOpen()
{
    Program program("");
    const RadioImage before = program.session.image();
    for (const char *key : {"TRead", "TWrite"}) {
        program.clickToolButton(key);
        QCOMPARE(program.boxes.size(), 1);
        QCOMPARE(program.boxes.front().text, QStringLiteral("串行端口无效"));
        QCOMPARE(program.boxes.front().icon, QMessageBox::NoIcon);
        QVERIFY(!program.progress()->isVisible());
        QVERIFY(!program.transfers()->isReading() && !program.transfers()->isWriting());
        QVERIFY(!program.serialLink()->watchdog().isActive());
        program.boxes.clear();
    }
    QVERIFY(program.session.image() == before);
}

void TransfersTest::silentRadio()
{
    auto radio = StartRadio(0);
    QVERIFY(radio);
    radio->faults().silent = true;
    Program program(radio->devicePath().toLocal8Bit());
    program.putRecords([](RadioData &data) { data.channels.rx(1) = "145.00000"; });
    const RadioImage before = program.session.image();

    QElapsedTimer clock;
    clock.start();
    QCOMPARE(program.transfer("TRead"), Outcome::Timeout);
    QVERIFY2(clock.elapsed() >= 3000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(program.boxes.size(), 1);
    QCOMPARE(program.boxes.front().text,
             QStringLiteral("通信出错，请检查对讲机，连线及串口选择！"));
    QCOMPARE(program.boxes.front().icon, QMessageBox::Critical);
    QVERIFY(!program.progress()->isVisible());
    QVERIFY(!program.serialLink()->isOpen());
    QVERIFY(!program.transfers()->isReading());
    QVERIFY(program.session.image() == before);
    QCOMPARE(program.session.data().channels.rx(1), std::string("145.00000"));
}

void TransfersTest::cablePulledMidRead()
{
    auto radio = StartRadio(4);
    QVERIFY(radio);
    const RadioImage memory = RadioMemory();
    std::copy_n(memory.begin(), kRadioMemorySize, radio->simulator().memory().begin());
    radio->faults().stopAfterBlocks = 100;
    Program program(radio->devicePath().toLocal8Bit());
    program.putRecords([](RadioData &data) { data.channels.rx(1) = "145.00000"; });

    QElapsedTimer clock;
    clock.start();
    QCOMPARE(program.transfer("TRead"), Outcome::PortLost);
    QVERIFY2(clock.elapsed() < 2500, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(program.boxes.size(), 1);
    QCOMPARE(program.boxes.front().text,
             QStringLiteral("通信中断：连线或串口已断开，请检查连线后重试！"));
    QVERIFY(!program.serialLink()->isOpen());
    QVERIFY(!program.progress()->isVisible());
    // Nothing of the half read reaches the editors.
    QCOMPARE(program.session.bandIndex(), 0);
    QCOMPARE(program.session.data().channels.rx(1), std::string("145.00000"));
}

void TransfersTest::cablePulledInEveryPhase_data()
{
    // The cable goes as the radio receives message n of the program, before
    // it answers it.
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<int>("message");
    QTest::addColumn<int>("language");
    QTest::newRow("read, handshake") << QByteArray("TRead") << 0 << int(Language::Chinese);
    QTest::newRow("read, identification") << QByteArray("TRead") << 1 << int(Language::English);
    QTest::newRow("read, block 100")
        << QByteArray("TRead") << 3 + 2 * 100 << int(Language::Chinese);
    QTest::newRow("read, end") << QByteArray("TRead") << 4 + 2 * 191 << int(Language::English);
    QTest::newRow("write, handshake") << QByteArray("TWrite") << 0 << int(Language::English);
    QTest::newRow("write, identification") << QByteArray("TWrite") << 1 << int(Language::Chinese);
    QTest::newRow("write, block 20") << QByteArray("TWrite") << 3 + 20 << int(Language::English);
    QTest::newRow("write, end") << QByteArray("TWrite") << 194 << int(Language::Chinese);
}

void TransfersTest::cablePulledInEveryPhase()
{
    QFETCH(QByteArray, command);
    QFETCH(int, message);
    QFETCH(int, language);
    RadioThread radio;
    QVERIFY(radio.isOpen());
    const RadioImage memory = RadioMemory();
    radio.run([&](PtyRadio &r) {
        r.simulator().setBand(0);
        std::copy_n(memory.begin(), kRadioMemorySize, r.simulator().memory().begin());
        r.faults().pullAtMessage = message;
    });
    Program program(radio.devicePath().toLocal8Bit(), static_cast<Language>(language));
    program.putRecords([](RadioData &data) { data.channels.rx(1) = "145.00000"; });

    QCOMPARE(program.transfer(command.constData()), Outcome::PortLost);
    // The hang-up ended it, long before the watchdog would have.
    const SerialLink &link = *program.serialLink();
    QVERIFY2(link.protocol().silenceCount() < LinkProtocol::kSilenceLimit / 2,
             qPrintable(QString::number(link.protocol().silenceCount())));
    QCOMPARE(program.boxes.size(), 1);
    const ShownBox &box = program.boxes.front();
    if (language == int(Language::English)) {
        QCOMPARE(box.text, QStringLiteral("Connection lost: the cable or the serial port was "
                                          "disconnected. Check the cable and try again!"));
        QCOMPARE(box.caption, QStringLiteral("Mistake"));
    } else {
        QCOMPARE(box.text, QStringLiteral("通信中断：连线或串口已断开，请检查连线后重试！"));
        QCOMPARE(box.caption, QStringLiteral("错误"));
    }
    QCOMPARE(box.icon, QMessageBox::Critical);
    QVERIFY(!link.isOpen());
    QVERIFY(!link.watchdog().isActive());
    QVERIFY(!program.progress()->isVisible());
    QVERIFY(!program.transfers()->isReading() && !program.transfers()->isWriting());
    // Even a read that had every block keeps the editors as they were.
    QCOMPARE(program.session.bandIndex(), 0);
    QCOMPARE(program.session.data().channels.rx(1), std::string("145.00000"));
}

void TransfersTest::writeToAnAckFlood()
{
    auto radio = StartRadio(0);
    QVERIFY(radio);
    radio->simulator().memory().fill(0xA5);
    radio->faults().ackFlood = true;
    Program program(radio->devicePath().toLocal8Bit());
    program.putRecords([](RadioData &data) { data.channels.rx(1) = "145.00000"; });

    QCOMPARE(program.transfer("TWrite"), Outcome::BadReply);
    QCOMPARE(program.boxes.size(), 1);
    QCOMPARE(program.boxes.front().text,
             QStringLiteral("通信出错，请检查对讲机，连线及串口选择！"));
    QCOMPARE(program.boxes.front().icon, QMessageBox::Critical);
    QVERIFY(!program.progress()->isVisible());
    QVERIFY(!program.serialLink()->isOpen());
    QVERIFY(!program.transfers()->isWriting());
    // How soon the flood is refused and that the radio keeps its memory is
    // the serial link's test; here, what the user is told.
}

void TransfersTest::readOfABlockForAnotherAddress()
{
    auto radio = StartRadio(4);
    QVERIFY(radio);
    const RadioImage memory = RadioMemory();
    std::copy_n(memory.begin(), kRadioMemorySize, radio->simulator().memory().begin());
    // The answer to the request for block 0 is block 1.
    radio->faults().otherAddressAtRequest = 0;
    Program program(radio->devicePath().toLocal8Bit(), Language::English);
    program.putRecords([](RadioData &data) { data.channels.rx(1) = "145.00000"; });
    const RadioImage before = program.session.image();

    QCOMPARE(program.transfer("TRead"), Outcome::BadReply);
    QCOMPARE(program.boxes.size(), 1);
    QCOMPARE(program.boxes.front().text,
             QStringLiteral("Communication error, check the line and the serial connection "
                            "selection!"));
    QCOMPARE(program.boxes.front().icon, QMessageBox::Critical);
    QVERIFY(!program.progress()->isVisible());
    QVERIFY(!program.serialLink()->isOpen());
    QVERIFY(!program.transfers()->isReading());
    QVERIFY(program.session.image() == before);
    QCOMPARE(program.session.bandIndex(), 0);
    QCOMPARE(program.session.data().channels.rx(1), std::string("145.00000"));
}

void TransfersTest::oneTransferAtATime()
{
    auto radio = StartRadio(0);
    QVERIFY(radio);
    Program program(radio->devicePath().toLocal8Bit());
    QSignalSpy ended(program.transfers(), &TransferController::transferEnded);
    program.clickToolButton("TWrite");
    QVERIFY(program.transfers()->isWriting());
    // The write's window is modeless: Read and Write can be clicked.
    program.clickToolButton("TRead");
    program.clickToolButton("TWrite");
    QCOMPARE(program.boxes.size(), 2);
    QCOMPARE(program.boxes.front().text, QStringLiteral("正在与对讲机通信，请等它结束后再试。"));
    QVERIFY(!program.transfers()->isReading());
    // A port choice meanwhile does not disturb the write.
    program.pickPort(1);
    QTRY_VERIFY(!program.portList()->isVisible());
    QCOMPARE(program.portPanel()->text(), QStringLiteral("COM: 1"));
    QVERIFY(ended.wait(10000));
    QCOMPARE(ended.front().front().value<Outcome>(), Outcome::WriteCompleted);
    QCOMPARE(program.boxes.size(), 3);
    QCOMPARE(program.boxes.last().text, QStringLiteral("写频成功！"));
    QCOMPARE(radio->simulator().endsReceived(), 1);
}

void TransfersTest::transferGoesOnWhileTheWindowIsHeld_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::newRow("read") << QByteArray("TRead");
    QTest::newRow("write") << QByteArray("TWrite");
}

void TransfersTest::transferGoesOnWhileTheWindowIsHeld()
{
    // The window's thread is held, as by a long paint, a slow window
    // manager or a handler that blocks, until the radio has the transfer's
    // end byte. No paint, timer or receive event of that thread runs
    // meanwhile: the whole conversation with the radio has to run elsewhere.
    QFETCH(QByteArray, command);
    const bool write = command == "TWrite";
    QSemaphore radioHasTheEnd;
    RadioThread radio;
    QVERIFY(radio.isOpen());
    const RadioImage memory = RadioMemory();
    radio.run([&](PtyRadio &r) {
        r.simulator().setBand(write ? 0 : 4);
        std::copy_n(memory.begin(), kRadioMemorySize, r.simulator().memory().begin());
        connect(&r, &PtyRadio::endReceived, &r, [&radioHasTheEnd] { radioHasTheEnd.release(); });
    });
    Program program(radio.devicePath().toLocal8Bit());
    program.putRecords([](RadioData &data) { data.channels.rx(3) = "150.50000"; });
    QSignalSpy ended(program.transfers(), &TransferController::transferEnded);

    program.clickToolButton(command.constData());
    QVERIFY(program.transfers()->isReading() || program.transfers()->isWriting());
    QVERIFY(radioHasTheEnd.tryAcquire(1, 10000));

    // Released, the window reports the end it was sent.
    QVERIFY(ended.wait(10000));
    QCOMPARE(ended.front().front().value<Outcome>(),
             write ? Outcome::WriteCompleted : Outcome::ReadCompleted);
    QCOMPARE(program.boxes.size(), 1);
    QCOMPARE(program.boxes.front().text,
             write ? QStringLiteral("写频成功！") : QStringLiteral("读频成功！"));
    QVERIFY(!program.progress()->isVisible());
    QVERIFY(!program.transfers()->isReading() && !program.transfers()->isWriting());
    if (write) {
        RadioImage expected{};
        EncodeImage(program.session.data(), expected);
        RadioSimulator::Memory stored{};
        radio.run([&](PtyRadio &r) { stored = r.simulator().memory(); });
        QVERIFY(std::equal(stored.begin(), stored.begin() + 1984, expected.begin()));
    } else {
        QCOMPARE(program.session.bandIndex(), 4);
        QCOMPARE(program.session.data().channels.rx(1), std::string("410.12500"));
    }
}

void TransfersTest::closingDuringATransfer()
{
    // A write waits for a radio that does not answer; the program ends.
    RadioThread radio;
    QVERIFY(radio.isOpen());
    radio.run([](PtyRadio &r) { r.faults().silent = true; });
    Program program(radio.devicePath().toLocal8Bit());
    program.clickToolButton("TWrite");
    QVERIFY(program.transfers()->isWriting());
    QVERIFY(program.serialLink()->isOpen());
    program.window.reset();
    // The port is free again for the next program.
    QCOMPARE(SerialLink::probe(radio.devicePath()), SerialLink::OpenError::None);
}

void TransfersTest::transferRunsUntilItsEndIsReported()
{
    auto radio = StartRadio(0);
    QVERIFY(radio);
    Program program(radio->devicePath().toLocal8Bit());
    // A Read clicked while the write's success message is up is refused: the
    // write has not ended before it has been reported.
    program.whileBoxIsUp = [&program] { program.clickToolButton("TRead"); };
    QCOMPARE(program.transfer("TWrite"), Outcome::WriteCompleted);
    QCOMPARE(program.boxes.size(), 2);
    QCOMPARE(program.boxes[0].text, QStringLiteral("写频成功！"));
    QVERIFY(program.boxes[0].writing);
    QCOMPARE(program.boxes[1].text, QStringLiteral("正在与对讲机通信，请等它结束后再试。"));
    QVERIFY(program.boxes[1].writing && !program.boxes[1].reading);
    QVERIFY(!program.transfers()->isWriting() && !program.transfers()->isReading());
    QCOMPARE(radio->simulator().endsReceived(), 1);

    // Once reported, the next transfer runs; the read too is active through
    // its message.
    program.boxes.clear();
    QCOMPARE(program.transfer("TRead"), Outcome::ReadCompleted);
    QCOMPARE(program.boxes.size(), 1);
    QCOMPARE(program.boxes[0].text, QStringLiteral("读频成功！"));
    QVERIFY(program.boxes[0].reading && !program.boxes[0].writing);
    QVERIFY(!program.transfers()->isReading());
}

void TransfersTest::progressBarPaintsAtMostTenTimesASecond()
{
    Program program("");
    ProgressWindow *progress = program.progress();
    progress->prepare(ProgressWindow::Kind::Read, Language::Chinese);
    progress->show();
    QVERIFY(QTest::qWaitForWindowExposed(progress));
    QTRY_VERIFY(!progress->bar()->visibleRegion().isEmpty());
    PaintCounter paints(progress->bar());
    // Every receive event of a read reports its step, a few at a time.
    for (int step = 2; step <= LinkProtocol::kLastStep; ++step)
        progress->setStep(step);
    // The first step is painted at once, the rest waits for the interval.
    QCOMPARE(progress->bar()->value(), 2);
    QVERIFY2(paints.count <= 1, qPrintable(QString::number(paints.count)));
    QTRY_COMPARE(progress->bar()->value(), LinkProtocol::kLastStep);
    QVERIFY2(paints.count <= 2, qPrintable(QString::number(paints.count)));
    // A new transfer starts from the first step at once.
    progress->prepare(ProgressWindow::Kind::Write, Language::Chinese);
    QCOMPARE(progress->bar()->value(), 1);
    progress->setStep(7);
    QCOMPARE(progress->bar()->value(), 7);
    progress->hide();
}

void TransfersTest::verifyAfterWrite_data()
{
    QTest::addColumn<bool>("verify");
    QTest::addColumn<int>("corrupt"); // the byte the radio stores wrongly, -1: none
    QTest::addColumn<bool>("calibration");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("text");
    const QString clean = "写频成功！已读回校验，数据一致。";
    const QString cleanEnglish =
        "Writing succeeds frequently! Read back and verified: the radio holds everything written.";
    const QString differs = "写频已完成，但校验不符。对讲机中以下内容与写入的不同：\r\n%1\r\n\r\n"
                            "请检查对讲机后重新写频。";
    const QString differsEnglish = "Writing is done, but the verify failed. The radio holds other "
                                   "values than were written for:\r\n%1\r\n\r\nCheck the radio "
                                   "and write again.";
    const int channel12 = ImageMap::recordBase(12) + 2;
    QTest::newRow("off") << false << channel12 << false << int(Language::Chinese)
                         << QString("写频成功！");
    QTest::newRow("clean") << true << -1 << false << int(Language::Chinese) << clean;
    QTest::newRow("clean, English")
        << true << -1 << false << int(Language::English) << cleanEnglish;
    QTest::newRow("channel 12") << true << channel12 << false << int(Language::Chinese)
                                << differs.arg("信道 12 的接收频率");
    QTest::newRow("channel 12, English") << true << channel12 << false << int(Language::English)
                                         << differsEnglish.arg("channel 12 receive frequency");
    QTest::newRow("squelch") << true << 1796 << false << int(Language::Chinese)
                             << differs.arg("可选功能：静噪等级");
    QTest::newRow("name of channel 128")
        << true << ImageMap::nameBase(128) + 3 << false << int(Language::English)
        << differsEnglish.arg("channel 128 name");
    // The levels go out only in calibration mode; otherwise the radio keeps its own.
    QTest::newRow("calibration byte, not sent")
        << true << ImageMap::kCalibration + 1 << false << int(Language::Chinese) << clean;
    QTest::newRow("calibration byte, sent")
        << true << ImageMap::kCalibration + 1 << true << int(Language::English)
        << differsEnglish.arg("calibration: middle power, middle section");
}

void TransfersTest::verifyAfterWrite()
{
    QFETCH(bool, verify);
    QFETCH(int, corrupt);
    QFETCH(bool, calibration);
    QFETCH(int, language);
    QFETCH(QString, text);
    auto radio = StartRadio(0);
    QVERIFY(radio);
    radio->simulator().memory().fill(0xA5);
    radio->faults().corruptByte = corrupt;
    Program program(radio->devicePath().toLocal8Bit(), static_cast<Language>(language));
    program.session.setHiddenMode(HiddenMode::Calibration, calibration);
    program.putRecords([](RadioData &data) {
        data.channels.rx(12) = "150.50000";
        data.channels.name(128) = "LAST";
    });
    // An edit the write carries; without verify also one only a file keeps.
    program.session.editSettings("beep", [](RadioData &data) { data.options.beep ^= 1; });
    if (!verify)
        program.session.editSettings("dtmf", [](RadioData &data) { data.dtmf.ownCode = "12"; });
    QVERIFY(program.window->isWindowModified());

    QAction *item = program.action("MNVerify");
    QVERIFY(item->isCheckable());
    QVERIFY(!item->isChecked()); // off at every start
    QCOMPARE(item->text(), language == int(Language::English) ? QString("Verify after write")
                                                              : QString("写后校验"));
    if (verify) {
        program.clickVerifyAfterWrite();
        QVERIFY(item->isChecked());
        QVERIFY(program.transfers()->verifyAfterWrite());
    }

    // The window's titles in turn, as the progress reaches it.
    QStringList titles;
    connect(program.serialLink(), &SerialLink::progress, this, [&] {
        if (titles.isEmpty() || titles.last() != program.progress()->windowTitle())
            titles << program.progress()->windowTitle();
    });
    const RadioData before = program.session.data();
    QCOMPARE(program.transfer("TWrite", 20000), Outcome::WriteCompleted);
    QCOMPARE(program.boxes.size(), 1);
    const ShownBox &box = program.boxes.front();
    QCOMPARE(box.text, text);
    QVERIFY(box.writing && !box.reading);
    QVERIFY(!program.progress()->isVisible());
    QVERIFY(!program.transfers()->isWriting() && !program.transfers()->isReading());
    QVERIFY(!program.serialLink()->isOpen());
    QCOMPARE(radio->simulator().endsReceived(), verify ? 2 : 1);
    const TransferController *transfers = program.transfers();
    if (!verify) {
        QVERIFY(program.window->isWindowModified());
        QCOMPARE(transfers->verifyResult(), TransferController::VerifyResult::NotRun);
        QCOMPARE(titles, QStringList{"正在写入……"});
        return;
    }
    QCOMPARE(titles, language == int(Language::English)
                         ? (QStringList{"Writing……", "Verifying……"})
                         : (QStringList{"正在写入……", "正在校验……"}));
    const bool differed = box.text.contains(QStringLiteral("\r\n"));
    // A write the radio holds is kept data; one it does not hold is not.
    QCOMPARE(program.window->isWindowModified(), differed);
    QCOMPARE(box.icon, differed ? QMessageBox::Critical : QMessageBox::Information);
    QCOMPARE(box.caption, differed ? (language == int(Language::English) ? "Mistake" : "错误")
                                   : (language == int(Language::English) ? "Suggestion" : "提示"));
    QCOMPARE(transfers->verifyResult(), differed ? TransferController::VerifyResult::Differed
                                                 : TransferController::VerifyResult::Matched);
    if (differed) {
        QCOMPARE(transfers->verifyDifferences().size(), std::size_t{1});
        QCOMPARE(transfers->verifyDifferences().front().address, corrupt);
    }
    // The read back reaches no editor: they and the image hold what was written.
    QCOMPARE(program.session.data().channels.rx(12), before.channels.rx(12));
    QCOMPARE(program.session.data().channels.name(128), before.channels.name(128));
    RadioImage written{};
    EncodeImage(program.session.data(), written);
    QVERIFY(std::equal(written.begin(), written.begin() + kRadioMemorySize,
                       program.session.image().begin()));
}

void TransfersTest::verifyWhoseReadBackFails()
{
    // The write's messages: handshake, identification request, its ACK, 191
    // blocks and the lone ACK in place of the calibration block, the end byte.
    constexpr int kWriteMessages = 3 + 192 + 1;
    RadioThread radio;
    QVERIFY(radio.isOpen());
    radio.run([](PtyRadio &r) { r.faults().pullAtMessage = kWriteMessages + 40; });
    Program program(radio.devicePath().toLocal8Bit(), Language::English);
    program.clickVerifyAfterWrite();

    QCOMPARE(program.transfer("TWrite", 20000), Outcome::PortLost);
    QCOMPARE(program.boxes.size(), 1);
    QCOMPARE(program.boxes.front().text,
             QString("Writing is done, but reading back to verify failed: Connection lost: the "
                     "cable or the serial port was disconnected. Check the cable and try again!"));
    QCOMPARE(program.boxes.front().icon, QMessageBox::Critical);
    QCOMPARE(program.transfers()->verifyResult(), TransferController::VerifyResult::ReadFailed);
    QVERIFY(!program.progress()->isVisible());
    QVERIFY(!program.transfers()->isWriting() && !program.transfers()->isReading());
    QVERIFY(!program.serialLink()->isOpen());
}

void TransfersTest::writeSeveralRadios()
{
    // Ports 1 and 4 answer, port 2 never does, the cable of port 3 goes after
    // 50 blocks; port 5 reaches the same device as port 1.
    std::unique_ptr<PtyRadio> radios[4];
    for (auto &radio : radios) {
        radio = StartRadio(0);
        QVERIFY(radio);
        radio->simulator().memory().fill(0xA5);
    }
    radios[1]->faults().silent = true;
    radios[2]->faults().stopAfterBlocks = 50;
    QByteArray ports;
    for (const auto &radio : radios)
        ports += radio->devicePath().toLocal8Bit() + ':';
    Program program(ports + radios[0]->devicePath().toLocal8Bit(), Language::English);
    program.putRecords([](RadioData &data) { data.channels.rx(7) = "150.50000"; });
    program.session.editSettings("beep", [](RadioData &data) { data.options.beep ^= 1; });
    QVERIFY(program.window->isWindowModified());

    // The dialog is modal: it is driven from a timer while it is up.
    enum class Step { Opening, Writing, Ended } step = Step::Opening;
    bool othersWentOn = false, escapeKeptIt = false;
    QStringList outcomes;
    QString summary;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *dialog = program.window->findChild<QDialog *>(QStringLiteral("FrmWriteSeveral"));
        if (!dialog || !dialog->isVisible() || QApplication::activeModalWidget() != dialog)
            return;
        auto *table = ProgramFixture::child<QTableWidget>(dialog, "Ports");
        auto outcome = [table](int port) { return table->item(port - 1, 3)->text(); };
        if (step == Step::Opening) {
            // Port 1, the main window's, is ticked already; the others by
            // keyboard, Verify after write and Write by mouse.
            QCOMPARE(table->item(0, 0)->checkState(), Qt::Checked);
            for (int row : {1, 2, 3, 4}) {
                QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                                  table->visualItemRect(table->item(row, 1)).center());
                QTest::keyClick(table, Qt::Key_Left);
                QTest::keyClick(table, Qt::Key_Space);
            }
            auto *verify = ProgramFixture::child<QCheckBox>(dialog, "Verify");
            QTest::mouseClick(verify, Qt::LeftButton, {}, QPoint(8, verify->height() / 2));
            QTest::mouseClick(ProgramFixture::child<QPushButton>(dialog, "Write"), Qt::LeftButton);
            step = Step::Writing;
            return;
        }
        const QString silent = outcome(2);
        if (step == Step::Writing && !outcome(1).endsWith("……") && !outcome(4).endsWith("……")) {
            // Both radios that answer are written and read back while the
            // silent one is still waited for; Escape does not end that wait.
            othersWentOn = silent == QStringLiteral("Writing……");
            QTest::keyClick(dialog, Qt::Key_Escape);
            escapeKeptIt = dialog->isVisible();
            step = Step::Ended;
        }
        auto *close = ProgramFixture::child<QPushButton>(dialog, "Close");
        if (step == Step::Ended && close->isEnabled()) {
            for (int port = 1; port <= 5; ++port)
                outcomes << outcome(port);
            summary = ProgramFixture::child<QLabel>(dialog, "Summary")->text();
            QTest::mouseClick(close, Qt::LeftButton);
            poll.stop();
        }
    });
    poll.start(10);
    program.clickProgramMenu("MNWriteSeveral");
    QVERIFY(!poll.isActive());
    QVERIFY(othersWentOn);
    QVERIFY(escapeKeptIt);
    // Each port says what a single write would say.
    QCOMPARE(outcomes,
             (QStringList{"Writing succeeds frequently! Read back and verified: the radio holds "
                          "everything written.",
                          "Communication error, check the line and the serial connection "
                          "selection!",
                          "Connection lost: the cable or the serial port was disconnected. Check "
                          "the cable and try again!",
                          "Writing succeeds frequently! Read back and verified: the radio holds "
                          "everything written.",
                          "Same device as COM1; not written twice."}));
    QCOMPARE(summary, QStringLiteral("Written: 2. Not written: 3."));
    QVERIFY(program.boxes.isEmpty());
    QVERIFY(program.action("MNVerify")->isChecked());
    RadioImage expected{};
    EncodeImage(program.session.data(), expected);
    for (int i : {0, 3}) {
        QVERIFY(std::equal(expected.begin(), expected.begin() + 1984,
                           radios[i]->simulator().memory().begin()));
        QCOMPARE(radios[i]->simulator().endsReceived(), 2);
    }
    QCOMPARE(radios[1]->simulator().memory()[0], std::uint8_t{0xA5});
    // Radios hold the edits: nothing is lost by leaving without saving.
    QVERIFY(!program.window->isWindowModified());
}

void TransfersTest::portListShowsDevices_data()
{
    QTest::addColumn<int>("language");
    QTest::newRow("Chinese") << int(Language::Chinese);
    QTest::newRow("English") << int(Language::English);
}

void TransfersTest::portListShowsDevices()
{
    QFETCH(int, language);
    const bool english = language == int(Language::English);
    auto radio = StartRadio(0);
    QVERIFY(radio);
    auto cable = StartRadio(0);
    QVERIFY(cable);
    const QString cablePath = cable->devicePath();
    // Port 1 names a device that is not there, port 2 the radio, 3.. nothing.
    Program program("/dev/q731-none:" + radio->devicePath().toLocal8Bit(),
                    static_cast<Language>(language));
    QComboBox *list = program.portList();

    program.clickProgramMenu("MNCommPort");
    QTRY_VERIFY(list->view()->isVisible());
    QCOMPARE(program.portTip(1), english ? QString("/dev/q731-none: no such device")
                                         : QString("/dev/q731-none：没有这个设备"));
    QCOMPARE(program.portTip(2), radio->devicePath());
    QCOMPARE(program.portTip(3), english ? QString("No device") : QString("没有设备"));
    QCOMPARE(program.portTip(16), program.portTip(3));
    QVERIFY(program.portGreyed(1));
    QVERIFY(!program.portGreyed(2));
    QVERIFY(program.portGreyed(3));
    // Greyed, not disabled: every number can still be chosen.
    for (int i = 0; i < list->count(); ++i) {
        const Qt::ItemFlags flags = list->model()->flags(list->model()->index(i, 0));
        QVERIFY(flags.testFlag(Qt::ItemIsEnabled) && flags.testFlag(Qt::ItemIsSelectable));
    }
    QTest::keyClick(list->view(), Qt::Key_Escape);
    QTRY_VERIFY(!list->isVisible());

    // A cable plugged in while the program runs is there at the next opening.
    qputenv("Q731_PORTS",
            "/dev/q731-none:" + radio->devicePath().toLocal8Bit() + ":" + cablePath.toLocal8Bit());
    program.clickProgramMenu("MNCommPort");
    QTRY_VERIFY(list->view()->isVisible());
    QCOMPARE(program.portTip(3), cablePath);
    QVERIFY(!program.portGreyed(3));
    QVERIFY(program.portGreyed(4));
    // And chosen with a click.
    const QRect item = list->view()->visualRect(list->model()->index(2, 0));
    QTest::mouseClick(list->view()->viewport(), Qt::LeftButton, {}, item.center());
    QTRY_VERIFY(!list->isVisible());
    QVERIFY(program.boxes.isEmpty());
    QCOMPARE(program.portPanel()->text(), QStringLiteral("COM: 3"));

    // Unplugged again: marked at the next opening.
    cable.reset();
    program.clickProgramMenu("MNCommPort");
    QTRY_VERIFY(list->view()->isVisible());
    QVERIFY(program.portGreyed(3));
    QCOMPARE(program.portTip(3),
             cablePath + (english ? QString(": no such device") : QString("：没有这个设备")));
    QTest::keyClick(list->view(), Qt::Key_Escape);
    QTRY_VERIFY(!list->isVisible());
}

void TransfersTest::deviceTips()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString device = folder.filePath("ttyUSB0");
    QFile file(device);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QString link = folder.filePath("usb-Prolific-if00-port0");
    QVERIFY(QFile::link(device, link));
    const QString missing = folder.filePath("ttyUSB9");
    const PortTable table({device, link, missing, ""});
    const PortTable::Descriptions descriptions{{device, "USB-Serial Controller"}};
    for (const Language language : {Language::Chinese, Language::English}) {
        const bool english = language == Language::English;
        const auto tip = [&](int port) {
            return PortChooser::deviceTip(table.describe(port, descriptions), language);
        };
        QCOMPARE(tip(1), device + " (USB-Serial Controller)");
        // What a link such as /dev/serial/by-id/... points to is described.
        QCOMPARE(tip(2), link + " (USB-Serial Controller)");
        QCOMPARE(tip(3),
                 missing + (english ? QString(": no such device") : QString("：没有这个设备")));
        QCOMPARE(tip(4), english ? QString("No device") : QString("没有设备"));
        QCOMPARE(tip(17), tip(4));
    }
    QVERIFY(table.describe(1, descriptions).present);
    QVERIFY(table.describe(2, descriptions).present);
    QVERIFY(!table.describe(3, descriptions).present);
    QVERIFY(table.describe(1, {}).description.isEmpty());
}

QTEST_MAIN(TransfersTest)
#include "test_transfers.moc"
