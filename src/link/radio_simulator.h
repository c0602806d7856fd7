#pragma once

// The radio's side of the link on a memory of its own, for tests and for the
// pseudo-terminal server. Fed the PC's bytes in any pieces, it returns the
// pieces it would put on the line; the fault switches make it misbehave the
// ways cables and radios do.

#include "image/radio_image.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace q731 {

class RadioSimulator
{
public:
    using Memory = std::array<std::uint8_t, kRadioMemorySize>;
    using Chunk = std::vector<std::uint8_t>;

    struct Faults
    {
        bool silent = false;               // never answers
        bool wrongDataLead = false;        // block replies begin with another byte
        bool omitSecondAck = false;        // no ACK for the PC's ACK of the identification
        int stopAfterBlocks = -1;          // cable pulled after this many blocks (-1: never)
        bool splitReplies = false;         // every reply byte is a chunk of its own
        std::optional<std::uint8_t> noise; // put before every reply
    };

    explicit RadioSimulator(int band = 0, std::string model = "ZQT-7V");

    std::vector<Chunk> feed(std::span<const std::uint8_t> received);

    Memory &memory() { return m_memory; }
    const Memory &memory() const { return m_memory; }
    void setBand(int band) { m_band = band; }
    void setModel(std::string model) { m_model = std::move(model); }
    Faults &faults() { return m_faults; }

    // Every block frame received, in order, also those past the memory.
    const std::vector<int> &writtenAddresses() const { return m_writtenAddresses; }
    int blocksServed() const { return m_blocks; }
    int endsReceived() const { return m_ends; }
    bool inSession() const { return m_state != State::Idle; }

private:
    enum class State { Idle, AwaitIdentRequest, AwaitIdentAck, Blocks };

    // Takes one unit from the front of the input; false when more is needed.
    bool takeOne(std::vector<Chunk> &out);
    void reply(std::vector<Chunk> &out, Chunk bytes);
    Chunk identity() const;
    Chunk blockReply(int address) const;
    bool pulled() const;

    Memory m_memory{};
    int m_band = 0;
    std::string m_model;
    Faults m_faults;
    State m_state = State::Idle;
    std::vector<std::uint8_t> m_input;
    std::vector<int> m_writtenAddresses;
    int m_blocks = 0;
    int m_ends = 0;
};

} // namespace q731
