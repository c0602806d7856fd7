#include "link/link_protocol.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string_view>

using namespace q731;

namespace {

using Bytes = std::vector<std::uint8_t>;
using Outcome = LinkProtocol::Outcome;
const Bytes kAck{0x06};
const Bytes kEnd{0x45};

Bytes identity(std::uint8_t bandByte, std::string_view model = "ZQT-7V")
{
    Bytes id(model.begin(), model.end());
    id.push_back(bandByte);
    id.push_back(0x9C);
    return id;
}

Bytes request(int address)
{
    return {0x52, static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address),
            0x10};
}

Bytes block(int address, std::uint8_t lead = 0x57)
{
    Bytes frame{lead, static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address),
                0x10};
    for (int i = 0; i < 16; ++i)
        frame.push_back(static_cast<std::uint8_t>((address + i) * 7 + 1));
    return frame;
}

LinkProtocol::Step feed(LinkProtocol &p, const Bytes &bytes)
{
    return p.feed(bytes);
}

// A read that has asked for its first block.
void readToFirstBlock(LinkProtocol &p)
{
    p.startRead();
    feed(p, kAck);
    feed(p, identity(0));
    ASSERT_EQ(feed(p, kAck).send, request(0));
}

RadioImage patternImage()
{
    RadioImage image{};
    for (std::size_t i = 0; i < kRadioMemorySize; ++i)
        image[i] = static_cast<std::uint8_t>(i * 13 + i / 256);
    return image;
}

// A write past the band check, then `acks` ACKs more.
void writeTo(LinkProtocol &p, int acks, bool calibration = false)
{
    p.startWrite(patternImage(), 3, false, calibration);
    feed(p, kAck);
    ASSERT_EQ(feed(p, identity(0x03)).send, kAck);
    for (int i = 0; i < acks; ++i)
        feed(p, kAck);
}

void tickUntilTimeout(LinkProtocol &p, const Bytes &lastSend)
{
    for (int i = 1; i <= 61; ++i)
        ASSERT_EQ(p.tick().outcome, Outcome::None) << "tick " << i;
    const auto step = p.tick();
    EXPECT_EQ(step.outcome, Outcome::Timeout);
    EXPECT_EQ(step.send, lastSend);
    EXPECT_TRUE(step.closePort);
    EXPECT_FALSE(p.isActive());
}

TEST(LinkRead, HandshakeAndIdentification)
{
    LinkProtocol p;
    const auto start = p.startRead();
    EXPECT_EQ(start.send, Bytes({'P', 'R', 'O', 'G', 'R', 'A', 'M'}));
    EXPECT_TRUE(p.isReading());

    EXPECT_TRUE(feed(p, {0x00}).send.empty());
    // The radio's answer to the handshake counts wherever it sits.
    EXPECT_EQ(feed(p, {0x15, 0x06}).send, Bytes{0x02});
    EXPECT_EQ(p.readStep(), 2);

    const Bytes id = identity(0xA7); // the read compares no band
    EXPECT_TRUE(feed(p, Bytes(id.begin(), id.begin() + 3)).send.empty());
    const auto answered = feed(p, Bytes(id.begin() + 3, id.end()));
    EXPECT_EQ(answered.send, kAck);
    EXPECT_EQ(answered.progress, 2);
    EXPECT_EQ(p.readStep(), 2);

    EXPECT_TRUE(feed(p, {0x06, 0x06}).send.empty()); // not exactly one ACK
}

TEST(LinkRead, IdentificationMustBeExact)
{
    for (const Bytes &reply : {identity(0, "ZQT-7W"), Bytes{0x5A, 0x51, 0x54, 0x2D, 0x37, 0x56, 0},
                               Bytes{0x00, 0x5A, 0x51, 0x54, 0x2D, 0x37, 0x56, 0, 0}}) {
        LinkProtocol p;
        p.startRead();
        feed(p, kAck);
        EXPECT_TRUE(feed(p, reply).send.empty());
        EXPECT_EQ(p.readStep(), 2);
    }
}

TEST(LinkRead, EveryBlockStepStoresThenRequestsTheNext)
{
    LinkProtocol p;
    RadioImage before;
    before.fill(0xEE);
    p.startRead(before);
    feed(p, kAck);
    EXPECT_EQ(feed(p, kAck).send, request(0)); // an ACK at step 2 needs no identification
    for (int s = 3; s <= 194; ++s) {
        ASSERT_EQ(p.readStep(), s);
        const int address = (s - 3) * 16;
        const Bytes frame = block(address);
        EXPECT_TRUE(feed(p, Bytes(frame.begin(), frame.begin() + 7)).send.empty());
        const auto stored = feed(p, Bytes(frame.begin() + 7, frame.end()));
        ASSERT_EQ(stored.send, kAck) << "step " << s;
        EXPECT_EQ(stored.progress, s);
        if (s < 194) {
            EXPECT_EQ(p.readStep(), s);
            ASSERT_EQ(feed(p, kAck).send, request(address + 16)) << "step " << s;
        }
    }
    EXPECT_EQ(p.readStep(), 195);
    const auto end = feed(p, kAck);
    EXPECT_EQ(end.send, kEnd);
    EXPECT_EQ(end.progress, 195);
    EXPECT_EQ(end.outcome, Outcome::ReadCompleted);
    EXPECT_TRUE(end.closePort);
    EXPECT_FALSE(p.isActive());
    for (int i = 0; i < 3072; ++i)
        ASSERT_EQ(p.image()[i], static_cast<std::uint8_t>(i * 7 + 1)) << i;
    EXPECT_EQ(p.image()[3072], 0xEE);
}

TEST(LinkRead, RepliesThatAreNotTheBlockWait)
{
    Bytes noisy = block(0);
    noisy.insert(noisy.begin(), 0x00);
    for (const Bytes &reply : {kAck, block(0, 0x58), noisy}) {
        LinkProtocol p;
        readToFirstBlock(p);
        EXPECT_TRUE(feed(p, reply).send.empty());
        EXPECT_EQ(p.readStep(), 3);
        tickUntilTimeout(p, kEnd);
        EXPECT_EQ(p.image()[0], 0);
    }
}

TEST(LinkWrite, BandCheck)
{
    struct Case
    {
        int selected;
        std::uint8_t bandByte;
        bool overrideMode;
        bool answer;
        Bytes send;
        Outcome outcome;
    };
    const Case cases[] = {
        {3, 0xF3, false, false, kAck, Outcome::None},
        {3, 0x0B, false, false, kEnd, Outcome::BandRefused},
        {0, 0x01, false, false, kEnd, Outcome::BandRefused},
        {0, 0x01, true, true, kAck, Outcome::None},
        {0, 0x01, true, false, kEnd, Outcome::BandOverrideCancelled},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "band byte " << int(c.bandByte));
        LinkProtocol p;
        p.startWrite(patternImage(), c.selected, c.overrideMode, false);
        EXPECT_EQ(feed(p, kAck).send, Bytes{0x02});
        auto step = feed(p, identity(c.bandByte));
        if (c.overrideMode) {
            EXPECT_EQ(step.outcome, Outcome::BandOverrideQuestion);
            EXPECT_TRUE(step.send.empty());
            // The question holds the watchdog and the line.
            for (int i = 0; i < 100; ++i)
                p.tick();
            EXPECT_EQ(p.silenceCount(), 0);
            EXPECT_TRUE(feed(p, kAck).send.empty());
            step = p.answerBandOverride(c.answer);
        }
        EXPECT_EQ(step.send, c.send);
        EXPECT_EQ(step.outcome, c.outcome);
        EXPECT_EQ(step.closePort, step.endsTransfer());
        EXPECT_EQ(p.isActive(), !step.endsTransfer());
        if (p.isActive()) {
            EXPECT_EQ(p.writeStep(), 3);
        }
    }
}

TEST(LinkWrite, FramesInOrderWithAndWithoutCalibration)
{
    const RadioImage image = patternImage();
    for (bool calibration : {false, true}) {
        SCOPED_TRACE(calibration ? "calibration" : "no calibration");
        LinkProtocol p;
        writeTo(p, 0, calibration);
        std::vector<Bytes> sent;
        LinkProtocol::Step step;
        while (!step.endsTransfer() && sent.size() < 300) {
            step = feed(p, kAck);
            sent.push_back(step.send);
        }
        ASSERT_EQ(step.outcome, Outcome::WriteCompleted);
        EXPECT_EQ(sent.back(), kEnd);
        sent.pop_back();
        ASSERT_EQ(sent.size(), 124u + 1 + 67);
        std::vector<int> addresses;
        for (int a = 0; a <= 0x07B0; a += 16)
            addresses.push_back(a);
        addresses.push_back(0x07F0);
        for (int a = 0x0800; a <= 0x0C20; a += 16)
            addresses.push_back(a);
        for (std::size_t k = 0; k < sent.size(); ++k) {
            const int a = addresses[k];
            if (a == 0x07F0 && !calibration) {
                EXPECT_EQ(sent[k], kAck);
                continue;
            }
            const auto hi = static_cast<std::uint8_t>(a >> 8);
            Bytes expected = {0x57, hi, static_cast<std::uint8_t>(a), 0x10};
            for (int i = a; i < a + 16; ++i)
                expected.push_back(i < 3072 ? image[i] : 0);
            ASSERT_EQ(sent[k], expected) << "frame " << k;
        }
    }
}

TEST(LinkWrite, ImageElementPastTheMemoryOpensTheTopFrames)
{
    RadioImage image = patternImage();
    image[3072] = 0x5C;
    LinkProtocol p;
    p.startWrite(image, 0, false, false);
    feed(p, kAck);
    feed(p, identity(0));
    for (int i = 0; i < 189; ++i)
        feed(p, kAck);
    ASSERT_EQ(p.writeStep(), 192);
    Bytes expected{0x57, 0x0C, 0x00, 0x10, 0x5C};
    expected.resize(20, 0x00);
    EXPECT_EQ(feed(p, kAck).send, expected);
}

TEST(LinkWrite, AckIsTheByteNotTwoHexDigits)
{
    LinkProtocol p;
    p.startWrite(patternImage(), 3, false, false);
    EXPECT_TRUE(feed(p, {0x10, 0x60}).send.empty());
    EXPECT_EQ(feed(p, {0x60, 0x06, 0x10}).send, Bytes{0x02});
    feed(p, identity(3));
    EXPECT_TRUE(feed(p, {0x10, 0x60}).send.empty());
    EXPECT_EQ(p.writeStep(), 3);
    EXPECT_EQ(feed(p, {0x10, 0x06}).send.size(), 20u);
}

TEST(LinkWrite, ReplyWithoutAckAbandonsOnlyTheUpperBlocks)
{
    // writeTo(p, n) stands at step 3 + n.
    for (int s : {126, 127, 128, 160, 194, 195}) {
        SCOPED_TRACE(testing::Message() << "step " << s);
        LinkProtocol p;
        writeTo(p, s - 3);
        ASSERT_EQ(p.writeStep(), s);
        const auto step = feed(p, {0x10, 0x60});
        const bool abandons = s >= 128 && s <= 194;
        EXPECT_EQ(step.outcome, abandons ? Outcome::WriteAbandoned : Outcome::None);
        EXPECT_EQ(step.send, abandons ? kEnd : Bytes{});
        EXPECT_EQ(step.closePort, abandons);
        EXPECT_EQ(p.writeStep(), abandons ? s + 1 : s);
        EXPECT_TRUE(p.isActive());
        if (abandons) {
            // The port is closed: later bytes change nothing, and the
            // watchdog has no end byte left to send.
            EXPECT_TRUE(feed(p, kAck).send.empty());
            tickUntilTimeout(p, {});
        }
    }
}

TEST(LinkWrite, OneAckPerFrameAndNoiseAroundIt)
{
    // writeTo(p, n) stands at step 3 + n: the handshake reply, lower blocks,
    // the calibration place, upper blocks and the last ACK.
    struct Case
    {
        int step;
        std::vector<Bytes> pieces; // the reply, as it arrives
        bool taken;
    };
    const Case cases[] = {
        {1, {{0x06, 0x06}}, false},
        {3, {{0x06, 0x06}}, false},
        {3, {{0x00, 0x06, 0x15, 0x06}}, false},
        {3, {{0x00}, {0x06, 0x06}}, false},
        {40, {Bytes(64, 0x06)}, false},
        {127, {{0x06, 0x06, 0x06}}, false},
        {160, {{0x06, 0x06}}, false},
        {195, {{0x06, 0x06}}, false},
        // One ACK among noise is the reply, however it is cut up.
        {3, {{0x00, 0x06, 0x15}}, true},
        {100, {{0x55}, {0x55, 0x06}}, true},
        {195, {{0x10, 0x06}}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "step " << c.step << ", pieces " << c.pieces.size());
        LinkProtocol p;
        if (c.step == 1)
            p.startWrite(patternImage(), 3, false, false);
        else
            writeTo(p, c.step - 3);
        ASSERT_EQ(p.writeStep(), c.step);
        LinkProtocol::Step step;
        for (const Bytes &piece : c.pieces)
            step = feed(p, piece);
        if (c.taken) {
            EXPECT_FALSE(step.send.empty());
            EXPECT_NE(step.outcome, Outcome::BadReply);
            EXPECT_EQ(p.pendingBytes(), 0u); // what followed the ACK answers nothing
            continue;
        }
        // Ended at once, not by the watchdog, and no frame went out for it.
        EXPECT_EQ(step.outcome, Outcome::BadReply);
        EXPECT_TRUE(step.endsTransfer());
        EXPECT_EQ(step.send, kEnd);
        EXPECT_TRUE(step.closePort);
        EXPECT_FALSE(p.isActive());
        EXPECT_EQ(p.writeStep(), c.step);
        EXPECT_TRUE(feed(p, kAck).send.empty());
        EXPECT_EQ(p.tick().outcome, Outcome::None);
    }
}

TEST(LinkRead, BlockForAnotherAddressEndsTheRead)
{
    for (const int s : {3, 100, 194}) {
        for (const int other : {0x0BF0, 0x0000, 0x0100}) {
            const int address = (s - 3) * 16;
            if (other == address)
                continue;
            SCOPED_TRACE(testing::Message() << "step " << s << ", address " << other);
            LinkProtocol p;
            RadioImage before;
            before.fill(0xEE);
            p.startRead(before);
            feed(p, kAck);
            feed(p, kAck);
            for (int k = 3; k < s; ++k) {
                feed(p, block((k - 3) * 16));
                feed(p, kAck);
            }
            ASSERT_EQ(p.readStep(), s);
            const Bytes frame = block(other);
            EXPECT_TRUE(feed(p, Bytes(frame.begin(), frame.begin() + 3)).send.empty());
            const auto step = feed(p, Bytes(frame.begin() + 3, frame.end()));
            EXPECT_EQ(step.outcome, Outcome::BadReply);
            EXPECT_EQ(step.send, kEnd);
            EXPECT_TRUE(step.closePort);
            EXPECT_FALSE(p.isActive());
            // Neither where it was asked for nor where it says it belongs.
            EXPECT_EQ(p.image()[address], 0xEE);
            EXPECT_EQ(p.image()[other + 15], other < address ? frame[19] : 0xEE);
            if (s > 3) {
                EXPECT_EQ(p.image()[address - 1], static_cast<std::uint8_t>((address - 1) * 7 + 1));
            }
        }
    }
}

TEST(LinkWatchdog, SixtySecondTickWaitsTheNextEnds)
{
    LinkProtocol p;
    p.startRead();
    for (int i = 0; i < 60; ++i)
        p.tick();
    EXPECT_TRUE(feed(p, {0x00}).send.empty()); // no step: the count goes on
    EXPECT_EQ(p.silenceCount(), 3000);
    feed(p, kAck);
    EXPECT_EQ(p.silenceCount(), 0);
    tickUntilTimeout(p, kEnd);
    EXPECT_EQ(p.silenceCount(), 0);
    EXPECT_EQ(p.tick().outcome, Outcome::None);
    EXPECT_TRUE(feed(p, kAck).send.empty());
}

TEST(LinkWatchdog, FailedPortEndsAtOnceWithoutSending)
{
    LinkProtocol p;
    readToFirstBlock(p);
    for (int i = 0; i < 5; ++i)
        p.tick();
    const auto lost = p.portLost();
    EXPECT_EQ(lost.outcome, Outcome::PortLost);
    EXPECT_TRUE(lost.endsTransfer());
    EXPECT_TRUE(lost.closePort);
    EXPECT_TRUE(lost.send.empty()); // there is no line to send the end byte on
    EXPECT_FALSE(p.isActive());
    // What the watchdog had counted shows that it did not end the transfer.
    EXPECT_EQ(p.silenceCount(), 250);
    EXPECT_EQ(p.tick().outcome, Outcome::None);
    EXPECT_EQ(p.portLost().outcome, Outcome::None);

    // Also while the band question is open.
    LinkProtocol w;
    w.startWrite(patternImage(), 2, true, false);
    feed(w, kAck);
    ASSERT_EQ(feed(w, identity(0x05)).outcome, Outcome::BandOverrideQuestion);
    EXPECT_EQ(w.portLost().outcome, Outcome::PortLost);
    EXPECT_FALSE(w.isAskingBandOverride());
    EXPECT_TRUE(w.answerBandOverride(true).send.empty());
}

TEST(LinkStart, StartsCleanAndOneTransferAtATime)
{
    LinkProtocol p;
    p.startRead();
    feed(p, kAck);
    feed(p, {0x06, 0x06});
    EXPECT_EQ(p.pendingBytes(), 2u);

    const auto busy = p.startWrite(patternImage(), 0, false, false);
    EXPECT_EQ(busy.outcome, Outcome::Busy);
    EXPECT_TRUE(busy.send.empty());
    EXPECT_TRUE(p.isReading());
    EXPECT_EQ(p.readStep(), 2);

    for (int i = 0; i < 62; ++i)
        p.tick();
    ASSERT_FALSE(p.isActive());
    EXPECT_EQ(p.startRead().send.size(), 7u);
    EXPECT_EQ(p.pendingBytes(), 0u);
    // Left over, the two ACKs would have answered the handshake.
    EXPECT_TRUE(feed(p, {0x00}).send.empty());
    EXPECT_EQ(p.readStep(), 1);
}

TEST(LinkReceive, BabblingLineStaysBounded)
{
    LinkProtocol read;
    readToFirstBlock(read);
    for (int i = 0; i < 5000; ++i) {
        feed(read, {0x57});
        ASSERT_LE(read.pendingBytes(), 20u);
    }
    feed(read, Bytes(100000, 0x00));
    EXPECT_LE(read.pendingBytes(), 20u);
    EXPECT_TRUE(feed(read, block(0)).send.empty()); // too late: the reply is overlong
    EXPECT_EQ(read.readStep(), 3);

    LinkProtocol write;
    writeTo(write, 0);
    feed(write, Bytes(5000, 0x55));
    EXPECT_LE(write.pendingBytes(), 20u);
    // Bytes past any reply length still let an ACK through.
    const RadioImage image = patternImage();
    Bytes first{0x57, 0, 0, 0x10};
    std::copy_n(image.begin(), 16, std::back_inserter(first));
    EXPECT_EQ(feed(write, {0x55, 0x06}).send, first);
}

} // namespace
