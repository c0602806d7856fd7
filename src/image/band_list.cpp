#include "band_list.h"

#include <cmath>
#include <string>

namespace q731 {

namespace {

// A run of characters read as a decimal number, rounded; 0 when it is not one.
int RoundedNumber(std::string_view digits)
{
    try {
        std::size_t used = 0;
        const double value = std::stod(std::string(digits), &used);
        return used == 0 ? 0 : static_cast<int>(std::lround(value));
    } catch (...) {
        return 0;
    }
}

} // namespace

BandLimits ParseBandLimits(std::string_view itemText)
{
    BandLimits limits;
    if (itemText.size() >= 3)
        limits.lowMHz = RoundedNumber(itemText.substr(0, 3));
    if (itemText.size() >= 7)
        limits.highMHz = RoundedNumber(itemText.substr(4, 3));
    return limits;
}

BandLimits BandLimitsOf(int index)
{
    if (index < 0 || index >= static_cast<int>(kBandItems.size()))
        return {};
    return ParseBandLimits(kBandItems[static_cast<std::size_t>(index)]);
}

} // namespace q731
