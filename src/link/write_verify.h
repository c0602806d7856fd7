#pragma once

// What a write puts into the radio's memory, and how the memory read back
// afterwards compares with it. Both programs verify a write this way: the
// window program with "Verify after write", q731-cli with `write --verify`.

#include "image/marked_text.h"
#include "image/radio_image.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace q731 {

// True for the memory bytes (0..3071) that a write sends: 0..1983 and
// 2048..3071, and the calibration levels 2032..2047 in calibration mode. The
// write's last three frames reach past the memory (3072..3119); no read
// brings them back, so they are not among them.
bool IsWrittenByte(int address, bool calibrationMode);

struct ByteDifference
{
    int address = 0;
    std::uint8_t written = 0;
    std::uint8_t readBack = 0;
};

// Every byte the write sent that the read brought back otherwise, in
// address order.
std::vector<ByteDifference> CompareWritten(const RadioImage &written, const RadioImage &readBack,
                                           bool calibrationMode);

// The channels and settings that hold the differing bits, each named once,
// in address order ("信道 12 的接收频率", "可选功能：静噪等级").
std::vector<MarkedText> DifferingFields(std::span<const ByteDifference> differences);

} // namespace q731
