#include "link/link_protocol.h"

#include <algorithm>

namespace q731 {

namespace {
constexpr int kLastReadBlockStep = 194;
constexpr int kLowerBlocksEnd = 126; // writes: steps 3..126 send 0x0000..0x07B0
constexpr int kCalibrationStep = 127;
constexpr int kUpperBlocksEnd = 194; // writes: steps 128..194 send 0x0800..0x0C20
static_assert((kLowerBlocksEnd - 2) * LinkFrame::kBlockLength == LinkFrame::kLowerBlocksTop);
static_assert((kCalibrationStep + 1) * LinkFrame::kBlockLength == LinkFrame::kUpperBlocksStart);
static_assert((kUpperBlocksEnd + 1) * LinkFrame::kBlockLength == LinkFrame::kWriteTop);
} // namespace

bool LinkProtocol::Step::endsTransfer() const
{
    switch (outcome) {
    case Outcome::ReadCompleted:
    case Outcome::WriteCompleted:
    case Outcome::BandRefused:
    case Outcome::BandOverrideCancelled:
    case Outcome::Timeout:
    case Outcome::BadReply:
    case Outcome::PortLost:
        return true;
    default:
        return false;
    }
}

bool LinkProtocol::start(Transfer transfer)
{
    // The protocol has one conversation at a time; a second one would answer
    // the first one's replies.
    if (isActive())
        return false;
    m_transfer = transfer;
    m_portOpen = true;
    m_askingBandOverride = false;
    m_awaitingBlock = false;
    m_silenceCount = 0;
    // Whatever a failed transfer left behind would otherwise pass for the
    // radio's first answer.
    m_received.clear();
    m_overlong = false;
    return true;
}

LinkProtocol::Step LinkProtocol::startRead(const RadioImage &current)
{
    Step step;
    if (!start(Transfer::Read)) {
        step.outcome = Outcome::Busy;
        return step;
    }
    m_readStep = kFirstStep;
    m_image = current;
    step.send.assign(LinkFrame::kHandshakeText.begin(), LinkFrame::kHandshakeText.end());
    return step;
}

LinkProtocol::Step LinkProtocol::startWrite(const RadioImage &encoded, int selectedBand,
                                            bool bandOverrideMode, bool calibrationMode)
{
    Step step;
    if (!start(Transfer::Write)) {
        step.outcome = Outcome::Busy;
        return step;
    }
    m_writeStep = kFirstStep;
    m_image = encoded;
    m_selectedBand = selectedBand;
    m_bandOverrideMode = bandOverrideMode;
    m_calibrationMode = calibrationMode;
    step.send.assign(LinkFrame::kHandshakeText.begin(), LinkFrame::kHandshakeText.end());
    return step;
}

LinkProtocol::Step LinkProtocol::feed(std::span<const std::uint8_t> received)
{
    Step step;
    // Nothing arrives on a closed port; a caller still holding bytes from
    // before the close must not restart the conversation.
    if (!isActive() || !m_portOpen)
        return step;
    step.progress = isWriting() ? m_writeStep : m_readStep;
    if (m_askingBandOverride || received.empty())
        return step;

    m_received.insert(m_received.end(), received.begin(), received.end());
    const bool taken = isWriting() ? runWriteStep(step) : runReadStep(step);
    if (taken) {
        m_received.clear();
        m_overlong = false;
        m_silenceCount = 0;
    } else if (m_received.size() > LinkFrame::kBlockFrameSize) {
        // No reply is this long, and only a step empties the buffer: the
        // transfer waits for the watchdog. A babbling line must not grow the
        // buffer meanwhile. An ACK among the dropped bytes would already
        // have been taken.
        m_received.clear();
        m_overlong = true;
    }
    return step;
}

bool LinkProtocol::runReadStep(Step &step)
{
    const int s = m_readStep;
    if (s == 1) {
        if (ackCount() == 0)
            return false;
        step.send = {LinkFrame::kIdentRequest};
        m_readStep = 2;
        return true;
    }
    if (s == 2) {
        if (isIdentification()) {
            // The radio answers this with an ACK of its own.
            step.send = {LinkFrame::kAck};
            return true;
        }
        if (!isAck())
            return false;
        step.send = readRequest(0);
        m_readStep = 3;
        m_awaitingBlock = true;
        return true;
    }
    if (s <= kLastReadBlockStep) {
        if (m_awaitingBlock && m_received.size() < LinkFrame::kBlockFrameSize)
            return false;
        if (isDataBlock()) {
            const int address = (s - 3) * LinkFrame::kBlockLength;
            if (blockAddress() != address) {
                // Stored here it would sit at the wrong place of the image
                // and pass for the radio's memory.
                step.send = {LinkFrame::kEnd};
                finish(step, Outcome::BadReply);
                return true;
            }
            const auto first = m_received.begin() + 4;
            std::copy(first, first + LinkFrame::kBlockLength, m_image.begin() + address);
            step.send = {LinkFrame::kAck};
            m_awaitingBlock = false;
            if (s == kLastReadBlockStep)
                m_readStep = kLastStep;
            return true;
        }
        // The last block moved the read on to the end, so an ACK here always
        // asks for a block that exists.
        if (!isAck())
            return false;
        step.send = readRequest((s - 2) * LinkFrame::kBlockLength);
        m_readStep = s + 1;
        m_awaitingBlock = true;
        return true;
    }
    if (!isAck())
        return false;
    step.send = {LinkFrame::kEnd};
    finish(step, Outcome::ReadCompleted);
    return true;
}

bool LinkProtocol::runWriteStep(Step &step)
{
    const int s = m_writeStep;
    if (s == 2) {
        if (!isIdentification())
            return false;
        checkBand(step);
        return true;
    }
    const std::size_t acks = ackCount();
    if (acks > 1) {
        // The radio ACKs a frame once it has stored it; a second ACK in the
        // same reply comes from a line or radio that repeats them blindly,
        // and its ACKs say nothing about what was stored.
        step.send = {LinkFrame::kEnd};
        finish(step, Outcome::BadReply);
        return true;
    }
    if (acks == 0) {
        if (s <= kCalibrationStep || s > kUpperBlocksEnd)
            return false;
        // A radio that answers a block of the names area with anything but
        // an ACK has lost the frame; the watchdog reports the failure.
        step.send = {LinkFrame::kEnd};
        step.closePort = true;
        step.outcome = Outcome::WriteAbandoned;
        m_portOpen = false;
        m_writeStep = s + 1;
        return true;
    }
    if (s == 1) {
        step.send = {LinkFrame::kIdentRequest};
        m_writeStep = 2;
    } else if (s <= kLowerBlocksEnd) {
        step.send = blockFrame((s - 3) * LinkFrame::kBlockLength);
        m_writeStep = s + 1;
    } else if (s == kCalibrationStep) {
        // Without calibration mode the radio keeps its factory levels; the
        // lone ACK keeps the exchange in step.
        if (m_calibrationMode)
            step.send = blockFrame(LinkFrame::kCalibrationAddress);
        else
            step.send = {LinkFrame::kAck};
        m_writeStep = s + 1;
    } else if (s <= kUpperBlocksEnd) {
        step.send = blockFrame(s * LinkFrame::kBlockLength);
        m_writeStep = s + 1;
    } else {
        step.send = {LinkFrame::kEnd};
        finish(step, Outcome::WriteCompleted);
    }
    return true;
}

void LinkProtocol::checkBand(Step &step)
{
    // The high four bits of the band byte carry something else.
    const int band = m_received[LinkFrame::kIdentityBandByte] & 0x0F;
    if (band == m_selectedBand) {
        step.send = {LinkFrame::kAck};
        m_writeStep = 3;
    } else if (m_bandOverrideMode) {
        m_askingBandOverride = true;
        step.outcome = Outcome::BandOverrideQuestion;
    } else {
        step.send = {LinkFrame::kEnd};
        finish(step, Outcome::BandRefused);
    }
}

LinkProtocol::Step LinkProtocol::answerBandOverride(bool ok)
{
    Step step;
    if (!m_askingBandOverride)
        return step;
    m_askingBandOverride = false;
    m_received.clear();
    m_overlong = false;
    m_silenceCount = 0;
    if (ok) {
        step.send = {LinkFrame::kAck};
        m_writeStep = 3;
    } else {
        step.send = {LinkFrame::kEnd};
        finish(step, Outcome::BandOverrideCancelled);
    }
    return step;
}

LinkProtocol::Step LinkProtocol::tick()
{
    Step step;
    // While the band question is open the user's time is not silence.
    if (!isActive() || m_askingBandOverride)
        return step;
    if (m_silenceCount < kSilenceLimit) {
        m_silenceCount += kTickMs;
        return step;
    }
    m_silenceCount = 0;
    m_awaitingBlock = false;
    // An abandoned write has closed the port already.
    if (m_portOpen)
        step.send = {LinkFrame::kEnd};
    finish(step, Outcome::Timeout);
    return step;
}

LinkProtocol::Step LinkProtocol::portLost()
{
    Step step;
    if (!isActive())
        return step;
    m_askingBandOverride = false;
    m_awaitingBlock = false;
    finish(step, Outcome::PortLost);
    return step;
}

void LinkProtocol::finish(Step &step, Outcome outcome)
{
    step.outcome = outcome;
    step.closePort = true;
    m_portOpen = false;
    m_transfer = Transfer::None;
}

std::size_t LinkProtocol::ackCount() const
{
    return static_cast<std::size_t>(
        std::count(m_received.begin(), m_received.end(), LinkFrame::kAck));
}

bool LinkProtocol::isAck() const
{
    return !m_overlong && m_received.size() == 1 && m_received[0] == LinkFrame::kAck;
}

bool LinkProtocol::isIdentification() const
{
    const auto &model = LinkFrame::kIdentityModel;
    return !m_overlong && m_received.size() == LinkFrame::kIdentitySize &&
           std::equal(model.begin(), model.end(), m_received.begin());
}

bool LinkProtocol::isDataBlock() const
{
    return !m_overlong && m_received.size() == LinkFrame::kBlockFrameSize &&
           m_received[0] == LinkFrame::kBlockLead;
}

int LinkProtocol::blockAddress() const
{
    return m_received[1] << 8 | m_received[2];
}

std::vector<std::uint8_t> LinkProtocol::readRequest(int address) const
{
    return {LinkFrame::kReadRequestLead, static_cast<std::uint8_t>(address >> 8),
            static_cast<std::uint8_t>(address & 0xFF), LinkFrame::kBlockLength};
}

std::vector<std::uint8_t> LinkProtocol::blockFrame(int address) const
{
    std::vector<std::uint8_t> frame = {
        LinkFrame::kBlockLead, static_cast<std::uint8_t>(address >> 8),
        static_cast<std::uint8_t>(address & 0xFF), LinkFrame::kBlockLength};
    // The top frames reach past the image; the radio gets zeros there.
    for (int i = address; i < address + LinkFrame::kBlockLength; ++i)
        frame.push_back(i < static_cast<int>(kRadioImageSize) ? m_image[i] : 0);
    return frame;
}

} // namespace q731
