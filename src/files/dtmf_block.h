#pragma once

// The DTMF extension block of a .dat file. The radio image has no room for the
// DTMF settings, so this program keeps them after byte 3120 of its own files:
//
//   offset  size  contents
//   0       8     tag "Q731DTMF"
//   8       1     version, 1
//   9       2     payload length, little-endian (172 for version 1)
//   11      172   payload:
//                   8 x 16  auto-dial memories 1..8
//                   16      ANI start code
//                   16      ANI end code
//                   8       own code
//                   4       list indexes: ANI mode, rate, first-digit delay,
//                           group-call code
//   183     1     check byte: sum of the payload bytes, modulo 256
//
// Character fields hold the characters' codes, first character first, padded
// with 0xFF, as the image's character fields are. A file is read by decoding
// its image first and then this block, so a saved ANI end code replaces the
// (always empty) one of the image.

#include "image/records.h"

#include <cstdint>
#include <vector>

namespace q731 {

inline constexpr std::size_t kDtmfBlockSize = 184;

// The whole block for the extension area of a .dat file. Whatever `dtmf`
// holds, the block is one that DecodeDtmfBlock takes: each code is written as
// DtmfCode() leaves it (other characters dropped, cut to its length) and a
// list index outside its list as that list's start value.
std::vector<std::uint8_t> EncodeDtmfBlock(const DtmfSettings &dtmf);

// Reads a block from the start of `extension` into `dtmf`. Returns false and
// leaves `dtmf` untouched when there is no block or it is damaged: wrong tag
// or version, short data, a bad check byte, a character that is no DTMF
// character or a list index outside its list.
bool DecodeDtmfBlock(const std::vector<std::uint8_t> &extension, DtmfSettings &dtmf);

} // namespace q731
