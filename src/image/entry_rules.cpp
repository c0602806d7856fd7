#include "entry_rules.h"

#include "codec.h"
#include "text_helpers.h"

namespace q731 {

namespace {

constexpr int kStoredDecimals = 5;

// Five decimals, then down onto the nearer raster point.
std::string OnRaster(double megahertz)
{
    return FormatFixed(SnapFrequencyStep(FormatFixed(megahertz, kStoredDecimals)), kStoredDecimals);
}

} // namespace

bool IsFrequencyCharacter(char32_t c)
{
    return (c >= U'0' && c <= U'9') || c == U'.';
}

std::optional<std::string> StoredFrequency(double megahertz, BandLimits band)
{
    // Written this way round so that NaN fails too.
    if (!(megahertz >= band.lowMHz && megahertz < band.highMHz))
        return std::nullopt;
    std::string text = OnRaster(megahertz);
    // The test that Open applies to every receive frequency it reads.
    if (!FrequencyInBand(text, band.lowMHz, band.highMHz))
        return std::nullopt;
    return text;
}

FrequencyCheck CheckFrequency(std::string_view typed, BandLimits band)
{
    if (typed.empty())
        return {FrequencyCheck::Empty, {}};
    const NumberReading number = ReadNumber(typed);
    switch (number.status) {
    case NumberReading::NotANumber:
        return {FrequencyCheck::NotANumber, {}};
    case NumberReading::OutOfRange:
        return {FrequencyCheck::OutOfBand, {}};
    case NumberReading::Number:
        break;
    }
    std::optional<std::string> stored = StoredFrequency(number.value, band);
    if (!stored)
        return {FrequencyCheck::OutOfBand, {}};
    return {FrequencyCheck::InBand, std::move(*stored)};
}

std::string VfoFrequencyText(std::string_view text, BandLimits band)
{
    return StoredFrequency(LeadingNumber(text), band)
        .value_or(FormatFixed(band.lowMHz, kStoredDecimals));
}

std::string VfoOffsetText(std::string_view text)
{
    double offset = LeadingNumber(text);
    if (offset > kHighestOffsetMHz)
        offset = kHighestOffsetMHz;
    return OnRaster(offset);
}

std::optional<char> NameCharacter(char32_t c)
{
    if (c >= U'a' && c <= U'z')
        c = c - U'a' + U'A';
    if (c < 35 || c > 96)
        return std::nullopt;
    return static_cast<char>(c);
}

std::string FilterNameText(std::string_view text, std::size_t maxLength)
{
    return FilterName(text, maxLength).name;
}

FilteredName FilterName(std::string_view text, std::size_t maxLength)
{
    FilteredName result;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        // The continuation bytes of a character were counted with its first.
        if ((byte & 0xC0) == 0x80)
            continue;
        const std::optional<char> kept = NameCharacter(byte < 0x80 ? byte : 0);
        if (!kept) {
            ++result.dropped;
        } else if (result.name.size() >= maxLength) {
            result.cut = true;
        } else {
            result.raised = result.raised || *kept != c;
            result.name.push_back(*kept);
        }
    }
    return result;
}

} // namespace q731
