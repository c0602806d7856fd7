#include "image/text_helpers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace q731 {
namespace {

TEST(StripFillChars, DropsEveryFillCharacterWhereverItStands)
{
    const std::string fill(kFillChar);
    EXPECT_EQ(StripFillChars(""), "");
    EXPECT_EQ(StripFillChars(fill + fill + fill), "");
    EXPECT_EQ(StripFillChars(std::string("A").append(fill).append("B ").append(fill).append("#")),
              "AB #");
    // Other Latin-1 letters encoded with the same lead byte stay.
    EXPECT_EQ(StripFillChars(std::string("\xC3\xBE").append(fill)), "\xC3\xBE");
}

TEST(SnapFrequencyStep, MovesDownToTheNearerRaster)
{
    EXPECT_DOUBLE_EQ(SnapFrequencyStep("145.12700"), 145.125);
    EXPECT_DOUBLE_EQ(SnapFrequencyStep("145.12300"), 145.12);
    EXPECT_DOUBLE_EQ(SnapFrequencyStep("145.10700"), 145.10625);
    EXPECT_DOUBLE_EQ(SnapFrequencyStep("145.12350"), 145.12);
    EXPECT_DOUBLE_EQ(SnapFrequencyStep("430.00000"), 430.0);
    EXPECT_DOUBLE_EQ(SnapFrequencyStep("145.10625"), 145.10625);
    EXPECT_DOUBLE_EQ(SnapFrequencyStep("145.11000"), 145.11);
    EXPECT_DOUBLE_EQ(SnapFrequencyStep("469.99900"), 469.995);
}

TEST(FrequencyBcdByte, ReadsDigitPairsAsHex)
{
    EXPECT_EQ(FrequencyBcdByte("145.12500", 1), 0x14);
    EXPECT_EQ(FrequencyBcdByte("145.12500", 2), 0x51);
    EXPECT_EQ(FrequencyBcdByte("145.12500", 3), 0x25);
    EXPECT_EQ(FrequencyBcdByte("145.12500", 4), 0x00);
    EXPECT_EQ(FrequencyBcdByte("145.12500", 0), 0);
    EXPECT_EQ(FrequencyBcdByte("145.12500", 5), 0);
    EXPECT_EQ(FrequencyBcdByte("FFF.FFFFF", 2), 0xFF);
    EXPECT_EQ(FrequencyBcdByte("", 3), 0);
}

TEST(ToneToHex, GivesTheTwoBytesLowFirst)
{
    EXPECT_EQ(ToneToHex("D023N"), "2380");
    EXPECT_EQ(ToneToHex("D023I"), "23C0");
    EXPECT_EQ(ToneToHex("D754I"), "54C7");
    EXPECT_EQ(ToneToHex("D017N"), "1780");
    EXPECT_EQ(ToneToHex("67.0"), "7006");
    EXPECT_EQ(ToneToHex("254.1"), "4125");
    EXPECT_EQ(ToneToHex("100.0"), "0010");
}

TEST(HexConversions, FollowTheDigitRules)
{
    EXPECT_EQ(HexToNumber(""), 0);
    EXPECT_EQ(HexToNumber("1G"), 16);
    EXPECT_EQ(HexToNumber("ff"), 255);
    EXPECT_EQ(HexToNumber("7E0"), 2016);

    EXPECT_EQ(HexToBinaryText("3"), "0011");
    EXPECT_EQ(HexToBinaryText("A5"), "10100101");
    EXPECT_EQ(HexToBinaryText("Z"), "0000");
    EXPECT_EQ(HexToBinaryText(""), "");

    std::string bits = "101";
    EXPECT_EQ(BinaryTextToHex(bits), "5");
    EXPECT_EQ(bits, "0101");
    bits = "11110000";
    EXPECT_EQ(BinaryTextToHex(bits), "F0");
    bits = "10111";
    EXPECT_EQ(BinaryTextToHex(bits), "17");
    EXPECT_EQ(bits, "00010111");
    bits.clear();
    EXPECT_EQ(BinaryTextToHex(bits), "");
}

TEST(FormatFmFrequency, TwoDecimalsEndingInZeroOrFive)
{
    EXPECT_EQ(FormatFmFrequency("87.5"), "87.50");
    EXPECT_EQ(FormatFmFrequency("87.57"), "87.55");
    EXPECT_EQ(FormatFmFrequency("87.54"), "87.50");
    EXPECT_EQ(FormatFmFrequency("87.579"), "87.55");
    EXPECT_EQ(FormatFmFrequency("98"), "98.00");
    EXPECT_EQ(FormatFmFrequency("98."), "98.00");
    EXPECT_EQ(FormatFmFrequency("108"), "108.00");
    EXPECT_EQ(FormatFmFrequency("88.85"), "88.85");
}

TEST(NumberText, FormatsAndParsesWithoutTheLocale)
{
    EXPECT_EQ(FormatFixed(10, 5), "10.00000");
    EXPECT_EQ(FormatFixed(145.125, 5), "145.12500");
    EXPECT_EQ(FormatFixed(2.675, 2), "2.68");
    EXPECT_EQ(FormatFixed(9.9999995, 6), "10.000000");
    EXPECT_EQ(FormatFixed(-1.5, 0), "-2");
    EXPECT_EQ(FormatFixed(-0.0001, 2), "0.00");
    EXPECT_EQ(FormatFixed(155, 5), "155.00000");

    EXPECT_EQ(ParseNumber("145.12500"), 145.125);
    EXPECT_EQ(ParseNumber(" 145 "), 145.0);
    EXPECT_EQ(ParseNumber(".5"), 0.5);
    EXPECT_EQ(ParseNumber("-3"), -3.0);
    EXPECT_FALSE(ParseNumber(""));
    EXPECT_FALSE(ParseNumber("."));
    EXPECT_FALSE(ParseNumber("1.2.3"));
    EXPECT_FALSE(ParseNumber("14A.12500"));
    EXPECT_FALSE(ParseNumber("1E2"));

    EXPECT_EQ(LeadingNumber("12ab"), 12.0);
    EXPECT_EQ(LeadingNumber(""), 0.0);
    EXPECT_EQ(LeadingNumber("010.00000"), 10.0);
    EXPECT_EQ(LeadingNumber("FFF.FFFFF"), 0.0);
}

TEST(NumberText, NumbersBeyondADoubleAreAnErrorNeverZero)
{
    const std::string manyNines(400, '9');
    struct Case
    {
        std::string text;
        NumberReading::Status status;
        double value;
    };
    const Case cases[] = {
        {manyNines, NumberReading::OutOfRange, 0},
        {"-" + manyNines, NumberReading::OutOfRange, 0},
        {" +" + manyNines + ".5 ", NumberReading::OutOfRange, 0},
        {"2" + std::string(308, '0'), NumberReading::OutOfRange, 0},
        {"1" + std::string(308, '0'), NumberReading::Number, 1e308},
        // Too close to 0 for a double: the value it rounds to.
        {"0." + std::string(400, '0') + "1", NumberReading::Number, 0},
        {"-0." + std::string(400, '0') + "1", NumberReading::Number, 0},
        {"0." + std::string(300, '0') + "1", NumberReading::Number, 1e-301},
        {"145.1" + std::string(400, '0') + "1", NumberReading::Number, 145.1},
        {"1e400", NumberReading::NotANumber, 0},
        {"nan", NumberReading::NotANumber, 0},
        {"inf", NumberReading::NotANumber, 0},
        {"-infinity", NumberReading::NotANumber, 0},
        {"5.", NumberReading::Number, 5},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text.substr(0, 40));
        const NumberReading reading = ReadNumber(c.text);
        EXPECT_EQ(reading.status, c.status);
        if (c.status == NumberReading::Number) {
            EXPECT_DOUBLE_EQ(reading.value, c.value);
            EXPECT_EQ(ParseNumber(c.text), reading.value);
        } else {
            EXPECT_FALSE(ParseNumber(c.text));
        }
    }
    // The lenient reading keeps the size of what was typed: beyond every limit.
    EXPECT_EQ(LeadingNumber(manyNines + "abc"), HUGE_VAL);
    EXPECT_EQ(LeadingNumber("-" + manyNines), -HUGE_VAL);
    EXPECT_EQ(LeadingNumber("0." + std::string(400, '0') + "1"), 0.0);
}

TEST(Latin1, RoundTripsEverySingleByteCode)
{
    std::string all;
    for (int code = 0; code < 256; ++code)
        all.push_back(static_cast<char>(code));
    EXPECT_EQ(Utf8ToLatin1(Latin1ToUtf8(all)), all);
    EXPECT_EQ(Latin1ToUtf8("\xFF"), kFillChar);
    EXPECT_EQ(Utf8ToLatin1("A\xE4\xB8\xAD"
                           "B"),
              "A?B"); // a CJK character has no byte
    EXPECT_EQ(Utf8ToLatin1("\x80Z"), "?Z");
}

} // namespace
} // namespace q731
