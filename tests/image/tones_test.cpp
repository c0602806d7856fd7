#include "image/tones.h"

#include <gtest/gtest.h>

namespace q731 {
namespace {

TEST(ToneList, HasTheFixedLayout)
{
    EXPECT_EQ(ToneListEntry(0), "");
    EXPECT_EQ(ToneListEntry(1), "67.0");
    EXPECT_EQ(ToneListEntry(50), "254.1");
    EXPECT_EQ(ToneListEntry(51), "D017N");
    EXPECT_EQ(ToneListEntry(157), "D754N");
    EXPECT_EQ(ToneListEntry(158), "D017I");
    EXPECT_EQ(ToneListEntry(264), "D754I");
    EXPECT_EQ(ToneListEntry(265), "");
    EXPECT_EQ(ToneListEntry(-1), "");
}

TEST(ToneList, IndexOfIsExact)
{
    EXPECT_EQ(ToneIndexOf("D023N"), 52);
    EXPECT_EQ(ToneIndexOf("d023n"), 0);
    EXPECT_EQ(ToneIndexOf(""), 0);
    EXPECT_EQ(ToneIndexOf("100.0"), 13);
    EXPECT_EQ(ToneIndexOf("99.9"), 0);
}

TEST(ToneCode, DecodesTheGivenBytes)
{
    struct Case
    {
        std::uint8_t low, high;
        const char *text;
        int index;
    };
    const Case cases[] = {
        {0x23, 0x80, "D023N", 52}, {0x23, 0xC0, "D023I", 159}, {0x70, 0x06, "67.0", 1},
        {0x41, 0x25, "254.1", 50}, {0x00, 0x10, "100.0", 13},  {0x54, 0xC7, "D754I", 264},
        {0x99, 0x09, "99.9", 0},   {0x05, 0x10, "100.5", 0},
    };
    for (const Case &c : cases) {
        const DecodedTone tone = DecodeTone(c.low, c.high);
        EXPECT_EQ(tone.text, c.text);
        EXPECT_EQ(tone.index, c.index) << c.text;
        EXPECT_FALSE(tone.off);
    }
    const DecodedTone off = DecodeTone(0xFF, 0x12);
    EXPECT_TRUE(off.off);
    EXPECT_EQ(off.text, "");
    EXPECT_EQ(off.index, 0);
}

TEST(ToneCode, EveryListEntryRoundTrips)
{
    for (int index = 1; index < kToneCount; ++index) {
        const std::string text = ToneListEntry(index);
        const auto [low, high] = EncodeTone(index);
        const DecodedTone tone = DecodeTone(low, high);
        EXPECT_EQ(tone.text, text);
        EXPECT_EQ(tone.index, index);
    }
    EXPECT_EQ(EncodeTone(0), std::make_pair(std::uint8_t{0xFF}, std::uint8_t{0xFF}));
    EXPECT_EQ(EncodeTone(1), std::make_pair(std::uint8_t{0x70}, std::uint8_t{0x06}));
}

} // namespace
} // namespace q731
