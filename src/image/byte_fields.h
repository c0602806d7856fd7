#pragma once

// What each byte of the radio's memory holds, named as the user knows it: a
// channel and its column, or a window and its setting. A radio that keeps
// something else than it was given is reported this way, not by address.

#include "marked_text.h"

#include <cstdint>
#include <string>
#include <vector>

namespace q731 {

// The fields that hold bits `bits` of memory byte `address` (0..3071), named
// for the user: "信道 12 的接收频率", "可选功能：静噪等级". A byte shared by
// several settings names only those whose bits are among `bits`. A byte or bit
// that belongs to no field (a filler, a fixed value) is named by its address:
// "存储字节 1803". Nothing for an address outside the memory or for no bits.
std::vector<MarkedText> ImageByteFields(int address, std::uint8_t bits);

} // namespace q731
