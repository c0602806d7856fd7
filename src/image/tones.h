#pragma once

// The tone list shared by the channel grid and the VFO tone selectors, and the
// two-byte ToneCode that stands for a tone in the image.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace q731 {

// 0: off; 1..50: CTCSS; 51..157: DCS normal ("D023N"); 158..264: inverted.
inline constexpr int kToneCount = 265;

// Entry `index` of ToneList ("67.0", "D023N"). Empty for the off entry 0,
// whose text is the language's (GridLists), and outside 0..264.
std::string ToneListEntry(int index);

// Position of the first entry equal to `text` (exact, case-sensitive), 0 if none.
int ToneIndexOf(std::string_view text);

struct DecodedTone
{
    std::string text;
    int index = 0;
    bool off = false;
};

// ToneCode (low byte first) -> tone text and index. A low byte of 0xFF is off,
// with an empty text.
DecodedTone DecodeTone(std::uint8_t low, std::uint8_t high);

// ToneCode -> list index; 0 for off and for a code that names no entry.
int ToneIndexOfCode(std::uint8_t low, std::uint8_t high);

// Index 0 gives 0xFF 0xFF; any other index the bytes of ToneToHex of its list
// entry. Returns {low, high}.
std::pair<std::uint8_t, std::uint8_t> EncodeTone(int index);

} // namespace q731
