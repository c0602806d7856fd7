// The protocol against the radio simulator, in process: every chunk the
// simulator puts on the line is one receive event, and the watchdog ticks only
// while the line is quiet (a flooding radio streams a piece at every tick).
// Like the serial owner, the PC drops what is still on the line when it sends.

#include "link/link_protocol.h"
#include "link/radio_simulator.h"
#include "link/write_verify.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>

using namespace q731;

namespace {

using Outcome = LinkProtocol::Outcome;

struct Session
{
    Outcome outcome = Outcome::None;
    int ticks = 0;
    std::vector<Outcome> events; // outcomes other than None, in order
};

Session drive(LinkProtocol &pc, RadioSimulator &radio, LinkProtocol::Step step)
{
    Session s;
    bool portOpen = true;
    std::deque<RadioSimulator::Chunk> line;
    while (s.ticks < 1000) {
        if (step.outcome != Outcome::None)
            s.events.push_back(step.outcome);
        if (portOpen && !step.send.empty()) {
            line.clear();
            for (auto &chunk : radio.feed(step.send))
                line.push_back(std::move(chunk));
        }
        if (step.closePort) {
            portOpen = false;
            line.clear();
        }
        if (step.endsTransfer()) {
            s.outcome = step.outcome;
            return s;
        }
        if (!line.empty()) {
            step = pc.feed(line.front());
            line.pop_front();
        } else {
            if (radio.isFlooding())
                line.push_back(radio.stream());
            step = pc.tick();
            ++s.ticks;
        }
    }
    ADD_FAILURE() << "the transfer never ended";
    return s;
}

RadioImage encodedImage()
{
    RadioImage image{};
    for (std::size_t i = 0; i < kRadioMemorySize; ++i)
        image[i] = static_cast<std::uint8_t>(i * 31 + 7);
    return image;
}

void fillMemory(RadioSimulator &radio)
{
    for (std::size_t i = 0; i < kRadioMemorySize; ++i)
        radio.memory()[i] = static_cast<std::uint8_t>(i ^ (i >> 8) ^ 0x5A);
}

TEST(LinkSession, ReadFetchesTheWholeMemory)
{
    for (bool split : {false, true}) {
        RadioSimulator radio(6);
        fillMemory(radio);
        radio.faults().splitReplies = split;
        LinkProtocol pc;
        const Session s = drive(pc, radio, pc.startRead());
        EXPECT_EQ(s.outcome, Outcome::ReadCompleted);
        EXPECT_EQ(s.ticks, 0);
        EXPECT_TRUE(std::equal(radio.memory().begin(), radio.memory().end(), pc.image().begin()));
        EXPECT_EQ(radio.blocksServed(), 192);
        EXPECT_TRUE(radio.writtenAddresses().empty());
        EXPECT_EQ(radio.endsReceived(), 1);
        EXPECT_FALSE(radio.inSession());
    }
}

TEST(LinkSession, WriteLeavesTheImageAndSparesTheGap)
{
    const RadioImage image = encodedImage();
    for (bool calibration : {false, true}) {
        for (bool split : {false, true}) {
            SCOPED_TRACE(testing::Message() << calibration << split);
            RadioSimulator radio(2);
            radio.memory().fill(0xA5);
            radio.faults().splitReplies = split;
            LinkProtocol pc;
            const Session s = drive(pc, radio, pc.startWrite(image, 2, false, calibration));
            ASSERT_EQ(s.outcome, Outcome::WriteCompleted);
            EXPECT_EQ(radio.endsReceived(), 1);
            for (int i = 0; i < 3072; ++i) {
                const bool spared =
                    (i >= 1984 && i < 2032) || (i >= 2032 && i < 2048 && !calibration);
                ASSERT_EQ(radio.memory()[i], spared ? 0xA5 : image[i]) << i;
            }
            const auto &written = radio.writtenAddresses();
            EXPECT_EQ(written.size(), calibration ? 192u : 191u);
            EXPECT_EQ(written.front(), 0x0000);
            EXPECT_EQ(written.back(), 0x0C20);
            EXPECT_EQ(std::count(written.begin(), written.end(), 0x07F0), calibration ? 1 : 0);
            EXPECT_TRUE(std::is_sorted(written.begin(), written.end()));
            EXPECT_TRUE(std::none_of(written.begin(), written.end(),
                                     [](int a) { return a >= 0x07C0 && a < 0x07F0; }));
        }
    }
}

TEST(LinkSession, FaultsEndInTheCommunicationError)
{
    struct Case
    {
        const char *name;
        bool write;
        std::function<void(RadioSimulator &)> fault;
        int step;
    };
    const Case cases[] = {
        {"silent", false, [](RadioSimulator &r) { r.faults().silent = true; }, 1},
        {"wrong model", false, [](RadioSimulator &r) { r.setModel("ZQT-7A"); }, 2},
        {"wrong model", true, [](RadioSimulator &r) { r.setModel("ZQT-7A"); }, 2},
        {"no second ACK", false, [](RadioSimulator &r) { r.faults().omitSecondAck = true; }, 2},
        {"wrong lead", false, [](RadioSimulator &r) { r.faults().wrongDataLead = true; }, 3},
        {"noise", false, [](RadioSimulator &r) { r.faults().noise = 0x00; }, 2},
        {"noise", true,
         [](RadioSimulator &r) {
             r.faults().noise = 0x00;
             r.faults().splitReplies = true;
         },
         2},
        // Block 9 is served at step 12; the cable goes before the radio's ACK.
        {"pulled", false, [](RadioSimulator &r) { r.faults().stopAfterBlocks = 10; }, 12},
        {"pulled", true, [](RadioSimulator &r) { r.faults().stopAfterBlocks = 130; }, 134},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << (c.write ? " write" : " read"));
        RadioSimulator radio(0);
        c.fault(radio);
        LinkProtocol pc;
        const Session s = drive(
            pc, radio, c.write ? pc.startWrite(encodedImage(), 0, false, true) : pc.startRead());
        EXPECT_EQ(s.outcome, Outcome::Timeout);
        EXPECT_EQ(s.events, std::vector<Outcome>{Outcome::Timeout});
        EXPECT_EQ(s.ticks, 62);
        EXPECT_EQ(c.write ? pc.writeStep() : pc.readStep(), c.step);
    }
}

TEST(LinkSession, AckFloodNeverPassesForATransfer)
{
    // The radio answers the handshake and the identification, then streams
    // ACKs and stores nothing.
    for (bool calibration : {false, true}) {
        RadioSimulator radio(0);
        radio.memory().fill(0xA5);
        radio.faults().ackFlood = true;
        LinkProtocol pc;
        const Session s = drive(pc, radio, pc.startWrite(encodedImage(), 0, false, calibration));
        EXPECT_EQ(s.outcome, Outcome::BadReply);
        EXPECT_EQ(s.ticks, 1); // the first piece of the flood ends it
        // The radio's answer to the identification's ACK sent block 0.
        EXPECT_EQ(pc.writeStep(), 4);
        EXPECT_TRUE(radio.writtenAddresses().empty());
        EXPECT_TRUE(std::all_of(radio.memory().begin(), radio.memory().end(),
                                [](std::uint8_t b) { return b == 0xA5; }));
        EXPECT_EQ(radio.endsReceived(), 1);
        EXPECT_FALSE(radio.isFlooding());
    }

    // A read never takes ACKs for a block: the watchdog ends it, and nothing
    // of the flood reaches the image.
    RadioSimulator radio(0);
    fillMemory(radio);
    radio.faults().ackFlood = true;
    LinkProtocol pc;
    RadioImage before;
    before.fill(0xEE);
    const Session s = drive(pc, radio, pc.startRead(before));
    EXPECT_EQ(s.outcome, Outcome::Timeout);
    EXPECT_EQ(s.ticks, 62);
    EXPECT_EQ(pc.readStep(), 3);
    EXPECT_TRUE(pc.image() == before);
}

TEST(LinkSession, BlockForAnotherAddressEndsTheRead)
{
    for (const int request : {0, 77, 191}) {
        SCOPED_TRACE(testing::Message() << "request " << request);
        RadioSimulator radio(0);
        fillMemory(radio);
        radio.faults().otherAddressAtRequest = request;
        LinkProtocol pc;
        RadioImage before;
        before.fill(0xEE);
        const Session s = drive(pc, radio, pc.startRead(before));
        EXPECT_EQ(s.outcome, Outcome::BadReply);
        EXPECT_EQ(s.ticks, 0);
        EXPECT_EQ(pc.readStep(), 3 + request);
        EXPECT_EQ(radio.endsReceived(), 1);
        // The blocks before it are in; its own place kept what it held.
        const auto at = [&](int block) { return pc.image()[block * 16 + 5]; };
        if (request > 0) {
            EXPECT_EQ(at(request - 1), radio.memory()[(request - 1) * 16 + 5]);
        }
        EXPECT_EQ(at(request), 0xEE);
        if (request < 191) {
            EXPECT_EQ(at(request + 1), 0xEE);
        }
    }
}

TEST(RadioSimulator, TakesPiecesAndDropsFramesPastItsMemory)
{
    RadioSimulator radio(3);
    EXPECT_TRUE(radio.feed(std::vector<std::uint8_t>{'P', 'R', 'O'}).empty());
    EXPECT_EQ(
        radio.feed(std::vector<std::uint8_t>{'G', 'R', 'A', 'M', 0x02}),
        (std::vector<RadioSimulator::Chunk>{{0x06}, {'Z', 'Q', 'T', '-', '7', 'V', 0x03, 0x00}}));
    EXPECT_EQ(radio.feed(std::vector<std::uint8_t>{0x06}).size(), 1u);

    std::vector<std::uint8_t> frame{0x57, 0x0B, 0xF8, 0x10};
    frame.resize(20, 0x33);
    EXPECT_EQ(radio.feed(frame), std::vector<RadioSimulator::Chunk>{{0x06}});
    EXPECT_EQ(radio.memory()[0x0BF7], 0x00);
    EXPECT_EQ(radio.memory()[0x0BF8], 0x33);
    EXPECT_EQ(radio.memory()[0x0BFF], 0x33);
    EXPECT_EQ(radio.writtenAddresses(), std::vector<int>{0x0BF8});
    EXPECT_TRUE(radio.feed(std::vector<std::uint8_t>{0x45, 0x02}).empty());
    EXPECT_FALSE(radio.inSession());
}

TEST(RadioSimulator, CablePulledAtAMessage)
{
    // Messages of a read: 0 handshake, 1 identification request, 2 its ACK,
    // then a request and an ACK for every block.
    RadioSimulator radio(0);
    radio.faults().pullAtMessage = 5;
    radio.feed(std::vector<std::uint8_t>{'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x02, 0x06});
    EXPECT_EQ(radio.feed(std::vector<std::uint8_t>{0x52, 0x00, 0x00, 0x10}).size(), 1u);
    EXPECT_EQ(radio.feed(std::vector<std::uint8_t>{0x06}).size(), 1u);
    EXPECT_FALSE(radio.pulled());
    EXPECT_EQ(radio.messagesHeard(), 5);
    EXPECT_TRUE(radio.feed(std::vector<std::uint8_t>{0x52, 0x00, 0x10, 0x10}).empty());
    EXPECT_TRUE(radio.pulled());
    EXPECT_EQ(radio.blocksServed(), 1);
    EXPECT_TRUE(radio.feed(std::vector<std::uint8_t>{0x45}).empty());
    EXPECT_EQ(radio.endsReceived(), 0);
}

} // namespace

// What a verify compares is what the write really stored: every byte the
// radio took from the write, nothing it was never sent.
TEST(WriteVerify, WrittenBytesAreThoseTheWriteStores)
{
    RadioImage image = encodedImage();
    for (bool calibration : {false, true}) {
        RadioSimulator radio(0);
        // Different from the image in every byte.
        for (std::size_t i = 0; i < kRadioMemorySize; ++i)
            radio.memory()[i] = static_cast<std::uint8_t>(image[i] ^ 0xFF);
        LinkProtocol pc;
        ASSERT_EQ(drive(pc, radio, pc.startWrite(image, 0, false, calibration)).outcome,
                  Outcome::WriteCompleted);
        for (int i = 0; i < static_cast<int>(kRadioMemorySize); ++i)
            ASSERT_EQ(IsWrittenByte(i, calibration), radio.memory()[i] == image[i]) << i;
    }
    EXPECT_FALSE(IsWrittenByte(-1, true));
    // The last frames reach past the memory: nothing reads them back.
    EXPECT_FALSE(IsWrittenByte(3072, true));
    EXPECT_FALSE(IsWrittenByte(3119, true));
}

TEST(WriteVerify, ReadBackShowsWhatTheRadioStoredWrongly)
{
    const RadioImage image = encodedImage();
    struct Case
    {
        int corrupt;
        bool calibration;
        std::vector<int> differences;
    };
    const Case cases[] = {
        {ImageMap::recordBase(12) + 1, false, {ImageMap::recordBase(12) + 1}},
        {ImageMap::nameBase(128) + 7, false, {ImageMap::nameBase(128) + 7}},
        // Never written without calibration mode, so never compared.
        {ImageMap::kCalibration, false, {}},
        {ImageMap::kCalibration, true, {ImageMap::kCalibration}},
        {-1, true, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.corrupt << " " << c.calibration);
        RadioSimulator radio(0);
        radio.memory().fill(0xA5);
        radio.faults().corruptByte = c.corrupt;
        LinkProtocol pc;
        ASSERT_EQ(drive(pc, radio, pc.startWrite(image, 0, false, c.calibration)).outcome,
                  Outcome::WriteCompleted);
        ASSERT_EQ(drive(pc, radio, pc.startRead()).outcome, Outcome::ReadCompleted);
        // 1984..2031 (and without calibration mode 2032..2047) still hold 0xA5.
        const std::vector<ByteDifference> found = CompareWritten(image, pc.image(), c.calibration);
        std::vector<int> addresses;
        for (const ByteDifference &d : found) {
            addresses.push_back(d.address);
            EXPECT_EQ(d.written, image[d.address]);
            EXPECT_EQ(d.readBack, image[d.address] ^ 0x01);
        }
        EXPECT_EQ(addresses, c.differences);
    }
}

TEST(WriteVerify, DifferencesAreNamedByTheirFieldsOnce)
{
    RadioImage written{};
    RadioImage read = written;
    // Three bytes of channel 12's receive frequency, the squelch, and two
    // settings sharing byte 1798 (beep and key lock).
    for (int i : {0, 1, 3})
        read[static_cast<std::size_t>(ImageMap::recordBase(12) + i)] = 0x99;
    read[1796] = 0x05;
    read[1798] = 0x09;
    const std::vector<ByteDifference> found = CompareWritten(written, read, false);
    EXPECT_EQ(found.size(), 5u);
    std::vector<std::string> names;
    for (const MarkedText &field : DifferingFields(found))
        names.push_back(field.source());
    EXPECT_EQ(names, (std::vector<std::string>{"信道 12 的接收频率", "可选功能：静噪等级",
                                               "可选功能：提示音", "可选功能：按键锁"}));
}
