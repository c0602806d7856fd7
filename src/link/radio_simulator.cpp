#include "link/radio_simulator.h"

#include "link/link_protocol.h"

#include <algorithm>

namespace q731 {

RadioSimulator::RadioSimulator(int band, std::string model)
    : m_band(band)
    , m_model(std::move(model))
{
}

bool RadioSimulator::pulled() const
{
    return m_cut || (m_faults.stopAfterBlocks >= 0 && m_blocks >= m_faults.stopAfterBlocks);
}

std::vector<RadioSimulator::Chunk> RadioSimulator::feed(std::span<const std::uint8_t> received)
{
    std::vector<Chunk> out;
    // A silent radio or a pulled cable: the bytes reach nobody.
    if (m_faults.silent || pulled())
        return out;
    m_input.insert(m_input.end(), received.begin(), received.end());
    while (!m_input.empty() && !pulled()) {
        if (!takeOne(out))
            break;
    }
    if (pulled())
        m_input.clear();
    return out;
}

RadioSimulator::Chunk RadioSimulator::stream() const
{
    return isFlooding() ? Chunk(kFloodPiece, LinkFrame::kAck) : Chunk{};
}

bool RadioSimulator::hear()
{
    if (m_messages++ != m_faults.pullAtMessage)
        return true;
    m_cut = true;
    return false;
}

bool RadioSimulator::takeOne(std::vector<Chunk> &out)
{
    const std::uint8_t first = m_input.front();
    std::size_t used = 1;
    // A flooding radio takes the frames off the line and does nothing with them.
    const bool deaf = isFlooding();

    // The end byte leaves the session from any state but the handshake.
    if (first == LinkFrame::kEnd && m_state != State::Idle) {
        if (!hear())
            return false;
        ++m_ends;
        m_state = State::Idle;
    } else if (m_state == State::Idle) {
        const auto &hs = LinkFrame::kHandshakeText;
        const std::size_t n = std::min(m_input.size(), hs.size());
        if (!std::equal(hs.begin(), hs.begin() + n, m_input.begin())) {
            used = 1; // not the handshake: drop a byte and look again
        } else if (n < hs.size()) {
            return false;
        } else {
            if (!hear())
                return false;
            used = hs.size();
            reply(out, {LinkFrame::kAck});
            m_state = State::AwaitIdentRequest;
        }
    } else if (m_state == State::AwaitIdentRequest) {
        if (first == LinkFrame::kIdentRequest) {
            if (!hear())
                return false;
            reply(out, identity());
            m_state = State::AwaitIdentAck;
        }
    } else if (m_state == State::AwaitIdentAck) {
        if (first == LinkFrame::kAck) {
            if (!hear())
                return false;
            if (!m_faults.omitSecondAck)
                reply(out, {LinkFrame::kAck});
            m_state = State::Blocks;
        }
    } else if (first == LinkFrame::kAck) {
        if (!hear())
            return false;
        // The PC's ACK of a block, or the lone ACK in place of the
        // calibration block.
        if (!deaf)
            reply(out, {LinkFrame::kAck});
    } else if (first == LinkFrame::kReadRequestLead) {
        if (m_input.size() < LinkFrame::kReadRequestSize)
            return false;
        if (!hear())
            return false;
        used = LinkFrame::kReadRequestSize;
        int address = m_input[1] << 8 | m_input[2];
        if (m_requests++ == m_faults.otherAddressAtRequest)
            address = (address + LinkFrame::kBlockLength) % static_cast<int>(kRadioMemorySize);
        if (!deaf) {
            ++m_blocks;
            reply(out, blockReply(address));
        }
    } else if (first == LinkFrame::kBlockLead) {
        if (m_input.size() < LinkFrame::kBlockFrameSize)
            return false;
        if (!hear())
            return false;
        used = LinkFrame::kBlockFrameSize;
        if (!deaf) {
            const int address = m_input[1] << 8 | m_input[2];
            m_writtenAddresses.push_back(address);
            for (int i = 0; i < LinkFrame::kBlockLength; ++i) {
                const int at = address + i;
                if (at < static_cast<int>(kRadioMemorySize))
                    m_memory[at] = m_input[4 + i] ^ (at == m_faults.corruptByte ? 0x01 : 0x00);
            }
            ++m_blocks;
            reply(out, {LinkFrame::kAck});
        }
    }
    m_input.erase(m_input.begin(), m_input.begin() + used);
    return true;
}

void RadioSimulator::reply(std::vector<Chunk> &out, Chunk bytes)
{
    if (m_faults.noise)
        bytes.insert(bytes.begin(), *m_faults.noise);
    if (!m_faults.splitReplies) {
        out.push_back(std::move(bytes));
        return;
    }
    for (std::uint8_t b : bytes)
        out.push_back({b});
}

RadioSimulator::Chunk RadioSimulator::identity() const
{
    Chunk id(LinkFrame::kIdentitySize, 0x00);
    std::copy_n(m_model.begin(), std::min(m_model.size(), std::size_t{6}), id.begin());
    id[LinkFrame::kIdentityBandByte] = static_cast<std::uint8_t>(m_band);
    return id;
}

RadioSimulator::Chunk RadioSimulator::blockReply(int address) const
{
    Chunk frame = {m_faults.wrongDataLead ? std::uint8_t{0x58} : LinkFrame::kBlockLead,
                   static_cast<std::uint8_t>(address >> 8),
                   static_cast<std::uint8_t>(address & 0xFF), LinkFrame::kBlockLength};
    for (int i = address; i < address + LinkFrame::kBlockLength; ++i)
        frame.push_back(i < static_cast<int>(kRadioMemorySize) ? m_memory[i] : 0);
    return frame;
}

} // namespace q731
