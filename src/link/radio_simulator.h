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
        // Once the identification is acknowledged the radio streams ACKs
        // (stream()) and takes no frame in, whatever the program sends.
        bool ackFlood = false;
        // The reply to this read request (0 = the first) carries the block
        // after the one asked for, its address included (-1: never).
        int otherAddressAtRequest = -1;
        // The cable goes as this message from the program arrives, before the
        // radio answers it (-1: never). Messages are counted from 0 in the
        // order the radio takes them: the handshake, the identification
        // request, its ACK, then every read request, ACK, block frame and end
        // byte.
        int pullAtMessage = -1;
        // A block frame written over this memory byte stores it with its
        // lowest bit flipped, as a radio with a bad memory cell would
        // (-1: never).
        int corruptByte = -1;
    };

    // What an ACK flood puts on the line at a time.
    static constexpr std::size_t kFloodPiece = 16;

    explicit RadioSimulator(int band = 0, std::string model = "ZQT-7V");

    std::vector<Chunk> feed(std::span<const std::uint8_t> received);
    // The next piece of the ACK flood; empty while the radio is not flooding.
    Chunk stream() const;
    bool isFlooding() const { return m_faults.ackFlood && m_state == State::Blocks; }
    // The cable has gone (stopAfterBlocks or pullAtMessage): nothing more
    // reaches the radio, and nothing comes from it.
    bool pulled() const;

    Memory &memory() { return m_memory; }
    const Memory &memory() const { return m_memory; }
    void setBand(int band) { m_band = band; }
    void setModel(std::string model) { m_model = std::move(model); }
    Faults &faults() { return m_faults; }

    // Every block frame taken in, in order, also those past the memory (a
    // flooding radio takes none).
    const std::vector<int> &writtenAddresses() const { return m_writtenAddresses; }
    int blocksServed() const { return m_blocks; }
    // Messages taken from the program so far (see pullAtMessage).
    int messagesHeard() const { return m_messages; }
    int endsReceived() const { return m_ends; }
    bool inSession() const { return m_state != State::Idle; }

private:
    enum class State { Idle, AwaitIdentRequest, AwaitIdentAck, Blocks };

    // Takes one unit from the front of the input; false when more is needed.
    bool takeOne(std::vector<Chunk> &out);
    // Counts a message; false when the cable goes with it.
    bool hear();
    void reply(std::vector<Chunk> &out, Chunk bytes);
    Chunk identity() const;
    Chunk blockReply(int address) const;

    Memory m_memory{};
    int m_band = 0;
    std::string m_model;
    Faults m_faults;
    State m_state = State::Idle;
    std::vector<std::uint8_t> m_input;
    std::vector<int> m_writtenAddresses;
    int m_blocks = 0;
    int m_ends = 0;
    int m_messages = 0;
    int m_requests = 0;
    bool m_cut = false;
};

} // namespace q731
