#pragma once

// The rules every channel value goes through on its way in, whichever way it
// comes: typed into the channel grid, pasted into it, imported from a CSV
// channel list, or typed into the VFO box of the optional features window.
// A frequency is read as a decimal number, held against the band, rounded to
// the five decimals it is stored with and moved down onto the 5 / 6.25 kHz
// raster; then the value to be stored is held against the band again: a value
// just below the upper limit can round onto it (469.999996 -> 470.00000), a
// frequency the radio does not take and the next Open drops.

#include "band_list.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace q731 {

// What the user can bring the in-place boxes to: the grid's frequency box and
// the VFO frequency box, the VFO offset box, the grid's name box.
inline constexpr int kFrequencyBoxLength = 9;
inline constexpr int kOffsetBoxLength = 8;
inline constexpr std::size_t kTypedNameLength = 5;
// A name slot holds 8 characters; names read from a radio or imported may
// use all of them.
inline constexpr std::size_t kStoredNameLength = 8;
// The largest offset the VFO offset box keeps; no transmit offset of this
// radio reaches 100 MHz.
inline constexpr double kHighestOffsetMHz = 99.995;

// The characters a frequency or offset box takes: digits and the point.
bool IsFrequencyCharacter(char32_t c);

// A frequency in MHz as it would be stored: five decimals, on the raster.
// Nothing when the value or its stored form lies outside [low, high) of the
// band.
std::optional<std::string> StoredFrequency(double megahertz, BandLimits band);

// A frequency text as the grid's frequency box, a paste and a CSV import
// take it.
struct FrequencyCheck
{
    enum Status { Empty, NotANumber, OutOfBand, InBand };
    Status status = Empty;
    std::string text; // the stored text when InBand
};
// Not a number: anything but a plain decimal ("", spaces around it allowed).
// A number too large for any band ("9" repeated 400 times) is OutOfBand.
FrequencyCheck CheckFrequency(std::string_view typed, BandLimits band);
inline FrequencyCheck CheckFrequency(std::string_view typed, int bandLowMHz, int bandHighMHz)
{
    return CheckFrequency(typed, BandLimits{bandLowMHz, bandHighMHz});
}

// The VFO frequency box when it is left: its text counts as the number its
// leading digits form, and a value that StoredFrequency refuses becomes the
// band's lower limit, without a message.
std::string VfoFrequencyText(std::string_view text, BandLimits band);

// The VFO offset box when it is left: the leading number, at most 99.995 MHz,
// five decimals on the raster.
std::string VfoOffsetText(std::string_view text);

// One character of a name as the name box keeps it: a..z raised to A..Z,
// then only the codes 35..96 ("#" to "`": digits, upper-case letters and
// signs; space, "!" and the double quote are refused).
std::optional<char> NameCharacter(char32_t c);

// What the name box keeps of a text: the characters NameCharacter keeps, at
// most `maxLength` of them. Bytes of multi-byte characters are never kept.
std::string FilterNameText(std::string_view text, std::size_t maxLength = kTypedNameLength);

// FilterNameText, and in what the kept name differs from the text.
struct FilteredName
{
    std::string name;
    bool raised = false; // a..z became A..Z
    int dropped = 0;     // characters refused; a multi-byte character counts once
    bool cut = false;    // more than `maxLength` characters could have been kept
};
FilteredName FilterName(std::string_view text, std::size_t maxLength);

} // namespace q731
