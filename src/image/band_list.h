#pragma once

#include <array>
#include <string_view>

namespace q731 {

// The eight band variants of the radio. The index is the band number in the
// image (byte 1814), in the radio's identification and in the band box.
inline constexpr std::array<std::string_view, 8> kBandItems = {
    "136-174MHz", "240-260MHz", "350-390MHz", "400-470MHz",
    "400-420MHz", "450-470MHz", "440-480MHz", "450-490MHz",
};

// Index that New selects.
inline constexpr int kDefaultBandIndex = 3;

struct BandLimits
{
    int lowMHz = 0;
    int highMHz = 0;
};

// Limits parsed from an item text: characters 1..3 and 5..7, each rounded to
// an integer. The limits are never stored per item, only parsed.
BandLimits ParseBandLimits(std::string_view itemText);

// Limits of band list item `index` (0..7); {0, 0} for any other index.
BandLimits BandLimitsOf(int index);

} // namespace q731
