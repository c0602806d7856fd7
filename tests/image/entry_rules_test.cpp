#include "image/entry_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace q731 {
namespace {

constexpr BandLimits kUhf{400, 470};
constexpr BandLimits kVhf{136, 174};

const std::string kManyNines(400, '9');
const std::string kTiny = "0." + std::string(400, '0') + "1";

// Every way in for a frequency, on one text: the grid's box (typing, paste
// and CSV import take the same check) and the VFO box, which reads the
// leading number and puts the band's lower limit in place of what it refuses.
struct FrequencyCase
{
    BandLimits band;
    std::string typed;
    FrequencyCheck::Status status;
    std::string stored; // the grid's stored text when InBand
    std::string vfo;    // what the VFO box shows after leaving it
};

TEST(EntryRules, FrequencyEdges)
{
    const FrequencyCase cases[] = {
        // Both band limits: the lower one belongs to the band, the upper not.
        {kUhf, "400", FrequencyCheck::InBand, "400.00000", "400.00000"},
        {kUhf, "470", FrequencyCheck::OutOfBand, "", "400.00000"},
        {kUhf, "470.00000", FrequencyCheck::OutOfBand, "", "400.00000"},
        {kVhf, "136", FrequencyCheck::InBand, "136.00000", "136.00000"},
        {kVhf, "174", FrequencyCheck::OutOfBand, "", "136.00000"},
        // Values that round onto a limit: the one below the upper limit would
        // be stored as the limit itself.
        {kUhf, "469.999996", FrequencyCheck::OutOfBand, "", "400.00000"},
        {kVhf, "173.999999", FrequencyCheck::OutOfBand, "", "136.00000"},
        {kVhf, "173.9999949", FrequencyCheck::InBand, "173.99500", "173.99500"},
        {kUhf, "399.999996", FrequencyCheck::OutOfBand, "", "400.00000"},
        {kUhf, "399.99999", FrequencyCheck::OutOfBand, "", "400.00000"},
        {kUhf, "469.999", FrequencyCheck::InBand, "469.99500", "469.99500"},
        // Off the raster: down to the nearer of 5 and 6.25 kHz.
        {kVhf, "145.127", FrequencyCheck::InBand, "145.12500", "145.12500"},
        {kVhf, "145.1", FrequencyCheck::InBand, "145.10000", "145.10000"},
        {kVhf, "145.107", FrequencyCheck::InBand, "145.10625", "145.10625"},
        {kVhf, "145.12350", FrequencyCheck::InBand, "145.12000", "145.12000"},
        // Many digits.
        {kVhf, "145.12500000000000000000000000001", FrequencyCheck::InBand, "145.12500",
         "145.12500"},
        {kVhf, "000000000000000145.5", FrequencyCheck::InBand, "145.50000", "145.50000"},
        // Spaces around the number and signs.
        {kVhf, " 145.5 ", FrequencyCheck::InBand, "145.50000", "145.50000"},
        {kVhf, "\t145.5", FrequencyCheck::InBand, "145.50000", "145.50000"},
        {kVhf, "+145.5", FrequencyCheck::InBand, "145.50000", "145.50000"},
        {kVhf, "-145.5", FrequencyCheck::OutOfBand, "", "136.00000"},
        // Not decimal: the VFO box takes what its leading digits form.
        {kVhf, "", FrequencyCheck::Empty, "", "136.00000"},
        {kVhf, " ", FrequencyCheck::NotANumber, "", "136.00000"},
        {kVhf, ".", FrequencyCheck::NotANumber, "", "136.00000"},
        {kVhf, "14.5.1", FrequencyCheck::NotANumber, "", "136.00000"},
        {kVhf, "145.5.1", FrequencyCheck::NotANumber, "", "145.50000"},
        {kVhf, "145,5", FrequencyCheck::NotANumber, "", "145.00000"},
        {kVhf, "145.5MHz", FrequencyCheck::NotANumber, "", "145.50000"},
        {kVhf, "1.455e2", FrequencyCheck::NotANumber, "", "136.00000"},
        {kVhf, "0x91", FrequencyCheck::NotANumber, "", "136.00000"},
        {kVhf, "nan", FrequencyCheck::NotANumber, "", "136.00000"},
        {kVhf, "inf", FrequencyCheck::NotANumber, "", "136.00000"},
        {kVhf, "-inf", FrequencyCheck::NotANumber, "", "136.00000"},
        {kVhf, "1e400", FrequencyCheck::NotANumber, "", "136.00000"},
        // Numbers too large, too small or too close to 0 for a double: out of
        // every band, never 0 or any other value.
        {kVhf, kManyNines, FrequencyCheck::OutOfBand, "", "136.00000"},
        {kVhf, "-" + kManyNines, FrequencyCheck::OutOfBand, "", "136.00000"},
        {kVhf, kTiny, FrequencyCheck::OutOfBand, "", "136.00000"},
        {kVhf, "1000", FrequencyCheck::OutOfBand, "", "136.00000"},
    };
    for (const FrequencyCase &c : cases) {
        SCOPED_TRACE("typed \"" + c.typed.substr(0, 40) + "\" in band " +
                     std::to_string(c.band.lowMHz) + "-" + std::to_string(c.band.highMHz));
        const FrequencyCheck check = CheckFrequency(c.typed, c.band);
        EXPECT_EQ(check.status, c.status);
        EXPECT_EQ(check.text, c.stored);
        EXPECT_EQ(VfoFrequencyText(c.typed, c.band), c.vfo);
    }
}

TEST(EntryRules, StoredFrequencyRefusesWhatIsNoFrequencyOfTheBand)
{
    EXPECT_EQ(StoredFrequency(145.127, kVhf), "145.12500");
    EXPECT_EQ(StoredFrequency(173.9999996, kVhf), std::nullopt);
    EXPECT_EQ(StoredFrequency(std::numeric_limits<double>::quiet_NaN(), kVhf), std::nullopt);
    EXPECT_EQ(StoredFrequency(HUGE_VAL, kVhf), std::nullopt);
    EXPECT_EQ(StoredFrequency(-HUGE_VAL, kVhf), std::nullopt);
    EXPECT_EQ(StoredFrequency(1e300, kVhf), std::nullopt);
}

TEST(EntryRules, VfoOffsetIsClampedThenSnapped)
{
    const std::pair<std::string, std::string> cases[] = {
        {"150", "99.99500"},
        {"99.999", "99.99500"},
        {"99.995", "99.99500"},
        {"10", "10.00000"},
        {"5.127", "5.12500"},
        {"0.107", "0.10625"},
        {"", "0.00000"},
        {".", "0.00000"},
        {"12abc", "12.00000"},
        // A number too large for a double is above the highest offset too.
        {kManyNines, "99.99500"},
        {kTiny, "0.00000"},
    };
    for (const auto &[typed, shown] : cases)
        EXPECT_EQ(VfoOffsetText(typed), shown) << typed.substr(0, 40);
}

TEST(EntryRules, NameCharactersAndLength)
{
    const std::pair<char32_t, std::optional<char>> characters[] = {
        {U' ', std::nullopt}, {U'!', std::nullopt},
        {U'"', std::nullopt}, {U'#', '#'},
        {U'0', '0'},          {U'@', '@'},
        {U'Z', 'Z'},          {U'`', '`'},
        {U'a', 'A'},          {U'z', 'Z'},
        {U'{', std::nullopt}, {U'~', std::nullopt},
        {0x7F, std::nullopt}, {0xE9, std::nullopt},
        {0xFF, std::nullopt}, {0x9891, std::nullopt}, // a CJK character
        {0, std::nullopt},
    };
    for (const auto &[c, kept] : characters)
        EXPECT_EQ(NameCharacter(c), kept) << static_cast<unsigned>(c);

    EXPECT_EQ(FilterNameText("abc"), "ABC");
    EXPECT_EQ(FilterNameText("AB#12X"), "AB#12");
    EXPECT_EQ(FilterNameText("a b!\"c"), "ABC");
    EXPECT_EQ(FilterNameText("`{|}~"), "`");
    EXPECT_EQ(FilterNameText("频道A1"), "A1");
    EXPECT_EQ(FilterNameText("abcdefghij", kStoredNameLength), "ABCDEFGH");
    EXPECT_EQ(FilterNameText("a b c d e f g h i", kStoredNameLength), "ABCDEFGH");
    EXPECT_EQ(FilterNameText("\xC3\xA9\xC3\xBF", kStoredNameLength), "");
}

} // namespace
} // namespace q731
