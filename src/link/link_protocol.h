#pragma once

// The byte protocol between the program and the radio, as a state machine.
// The serial port owner feeds it every received byte and a tick every 50 ms
// while a transfer runs, and carries out what each Step asks for: bytes to
// send, the progress value, closing the port and how the transfer ended.
//
// What counts as an answer:
// - A reply is what arrives after the step that sent its frame. Bytes that
//   were received before the frame went out answer nothing: the rest of a
//   chunk after a step is dropped here, and the serial owner drops whatever
//   input is still pending before it puts a frame on the line.
// - A write's frame is answered by exactly one ACK. Other bytes around it are
//   line noise and are tolerated; a reply that holds two ACKs or more comes
//   from a line or radio that repeats them without looking at the frames, so
//   it ends the write at once as a communication error (BadReply). (A stream
//   of ACKs that reaches the program one byte at a time, each just after a
//   frame, still looks like answers: nothing in the bytes tells them apart.)
// - A read's block reply echoes the address asked for. A block for another
//   address ends the read at once (BadReply) and is not stored.
// - A failed port (hang-up, read error) ends the transfer at once (PortLost);
//   a radio that falls silent is left to the watchdog (Timeout).

#include "image/radio_image.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace q731 {

namespace LinkFrame {
inline constexpr std::array<std::uint8_t, 7> kHandshakeText{'P', 'R', 'O', 'G', 'R', 'A', 'M'};
inline constexpr std::uint8_t kAck = 0x06;
inline constexpr std::uint8_t kIdentRequest = 0x02;
inline constexpr std::uint8_t kReadRequestLead = 0x52; // 'R'
inline constexpr std::uint8_t kBlockLead = 0x57;       // 'W'
inline constexpr std::uint8_t kEnd = 0x45;             // 'E'
inline constexpr std::uint8_t kBlockLength = 16;
inline constexpr std::size_t kReadRequestSize = 4;
inline constexpr std::size_t kBlockFrameSize = 4 + kBlockLength;
inline constexpr std::size_t kIdentitySize = 8;
inline constexpr std::size_t kIdentityBandByte = 6;
inline constexpr std::string_view kIdentityModel = "ZQT-7V";

// A write sends the blocks below kLowerBlocksTop, the calibration block in
// calibration mode, then the blocks from kUpperBlocksStart up to
// kWriteTop. The calibration levels sit alone at the top of the settings
// block; the 48 bytes below them are never written. The last three blocks
// lie past the radio's memory.
inline constexpr int kLowerBlocksTop = 0x07C0;
inline constexpr int kCalibrationAddress = 0x07F0;
inline constexpr int kUpperBlocksStart = 0x0800;
inline constexpr int kWriteTop = 0x0C30;
} // namespace LinkFrame

class LinkProtocol
{
public:
    static constexpr int kFirstStep = 1;
    static constexpr int kLastStep = 195; // also the top of the progress range
    static constexpr int kTickMs = 50;
    static constexpr int kSilenceLimit = 3001;

    enum class Outcome {
        None,                  // nothing for the caller beyond send/progress
        Busy,                  // start refused: a transfer is running
        ReadCompleted,         // success message, then DecodeImage from image()
        WriteCompleted,        // success message
        BandRefused,           // band differs: the refusal message
        BandOverrideQuestion,  // stop the watchdog, ask, call answerBandOverride()
        BandOverrideCancelled, // the user declined the override: no message
        WriteAbandoned,        // port closed, watchdog keeps running and reports it
        Timeout,               // communication error message
        BadReply,              // a reply no radio gives: communication error message
        PortLost,              // the port failed (cable pulled): the connection-lost message
    };

    struct Step
    {
        // Input the caller still holds unread when it sends this answers
        // nothing sent here: drop it first.
        std::vector<std::uint8_t> send;
        int progress = -1; // step counter to show, or -1
        Outcome outcome = Outcome::None;
        bool closePort = false;

        // The transfer is over: stop the watchdog and close the progress window.
        bool endsTransfer() const;
    };

    // Both return the handshake to send on the freshly opened port. A read
    // overwrites `current` block by block, so a failed read leaves what it
    // fetched in image() and the rest as it was.
    Step startRead(const RadioImage &current = RadioImage{});
    Step startWrite(const RadioImage &encoded, int selectedBand, bool bandOverrideMode,
                    bool calibrationMode);

    Step feed(std::span<const std::uint8_t> received);
    Step tick();
    // The port itself failed: nothing can be sent any more. silenceCount()
    // keeps what the watchdog had counted.
    Step portLost();
    // After an OK the caller starts the watchdog again.
    Step answerBandOverride(bool ok);

    bool isActive() const { return m_transfer != Transfer::None; }
    bool isReading() const { return m_transfer == Transfer::Read; }
    bool isWriting() const { return m_transfer == Transfer::Write; }
    bool isAskingBandOverride() const { return m_askingBandOverride; }
    int readStep() const { return m_readStep; }
    int writeStep() const { return m_writeStep; }
    int silenceCount() const { return m_silenceCount; }
    const RadioImage &image() const { return m_image; }
    // Bytes received but not yet taken by a step.
    std::size_t pendingBytes() const { return m_received.size(); }

private:
    enum class Transfer { None, Read, Write };

    bool start(Transfer transfer);
    bool runReadStep(Step &step);
    bool runWriteStep(Step &step);
    void checkBand(Step &step);
    void finish(Step &step, Outcome outcome);

    std::size_t ackCount() const;
    bool isAck() const;
    bool isIdentification() const;
    bool isDataBlock() const;
    int blockAddress() const;

    std::vector<std::uint8_t> readRequest(int address) const;
    std::vector<std::uint8_t> blockFrame(int address) const;

    Transfer m_transfer = Transfer::None;
    int m_readStep = 0;
    int m_writeStep = 0;
    int m_silenceCount = 0;
    bool m_portOpen = false;
    bool m_askingBandOverride = false;
    // After a read request nothing counts until a whole block has arrived.
    bool m_awaitingBlock = false;
    std::vector<std::uint8_t> m_received;
    // Set when more arrived than any reply can hold: the exact-length tests
    // can no longer pass before the next step.
    bool m_overlong = false;
    RadioImage m_image{};
    int m_selectedBand = 0;
    bool m_bandOverrideMode = false;
    bool m_calibrationMode = false;
};

} // namespace q731
