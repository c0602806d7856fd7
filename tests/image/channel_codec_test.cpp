#include "codec_test_support.h"

#include "image/band_list.h"
#include "image/texts.h"
#include "image/tones.h"

#include <gtest/gtest.h>

#include <vector>

namespace q731 {

namespace testing {

RadioData RealisticData()
{
    RadioData data;
    data.bandIndex = 0; // 136-174MHz
    for (int n = 1; n <= kChannelCount; n += 3) {
        const int tone = (n * 7) % kToneCount;
        const int txTone = (n * 11 + 3) % kToneCount;
        char rx[16];
        std::snprintf(rx, sizeof rx, "%03d.%05d", 136 + n % 38, (n * 625) % 100000);
        SetChannel(data.channels, n, rx, n % 4 == 0 ? "" : "145.12500", tone, txTone,
                   {n % 3, n % 2, (n / 2) % 2, (n / 3) % 2, (n / 5) % 2, (n / 7) % 2},
                   n % 5 == 0 ? "" : std::string("CH").append(std::to_string(n)));
    }
    data.channels.name(2) = "NAMEONLY"; // a name without frequencies
    OptionalFeatures &o = data.options;
    o.priorityScanChannel = "12";
    o.presentChannel = "128";
    o.frequencyStep = 3;
    o.squelchLevel = 7;
    o.lockKeyMode = 2;
    o.backlight = 2;
    o.voxGain = 6;
    o.voxDelay = 2;
    o.voxSwitch = 1;
    o.voxOffWhileReceiving = true; // always written as 1, so a decoded image reads it set
    o.powerOnText = "HELLO1";
    o.powerOnPassword = "1234";
    o.vfoFrequency = "438.50000";
    o.vfoOffset = "5.00000";
    o.vfoRxTone = 52;
    o.vfoTxTone = 1;
    o.vfoPower = 2;
    o.vfoCompanding = 0;
    o.vfoOffsetDirection = 1;
    data.fm.channel(1) = "88.80";
    data.fm.channel(2) = "88.85";
    data.fm.channel(32) = "107.95";
    data.fm.FmCurrentChannel = 12;
    data.fm.FmDisplayMode = 1;
    data.fm.FmStep = 2;
    data.fm.FmFrequencyText = "100.10";
    data.calibration.values = {1, 2, 3, 4, 5, 6, 7, 8, 255};
    return data;
}

} // namespace testing

namespace {

using namespace q731::testing;
using namespace q731::ImageMap;

RadioImage Encoded(const RadioData &data, std::uint8_t fill = 0x00)
{
    RadioImage image = FilledImage(fill);
    EncodeImage(data, image);
    return image;
}

std::vector<std::uint8_t> Bytes(const RadioImage &image, int from, int count)
{
    return {image.begin() + from, image.begin() + from + count};
}

RadioData Decoded(const RadioImage &image)
{
    RadioData data;
    DecodeImage(image, data);
    return data;
}

TEST(ChannelRecord, FrequenciesAreBcdLeastSignificantPairFirst)
{
    RadioData data;
    SetChannel(data.channels, 1, "145.12500", "146.02500", 0, 0, {1, 1, 1, 1, 1, 1}, "");
    const RadioImage image = Encoded(data);
    EXPECT_EQ(Bytes(image, 0, 8),
              (std::vector<std::uint8_t>{0x00, 0x25, 0x51, 0x14, 0x00, 0x25, 0x60, 0x14}));
    const RadioData back = Decoded(image);
    EXPECT_EQ(back.channels.rx(1), "145.12500");
    EXPECT_EQ(back.channels.tx(1), "146.02500");
}

TEST(ChannelRecord, EmptyReceiveFrequencyWritesThirteenFillers)
{
    RadioData data;
    SetChannel(data.channels, 7, "", "145.00000", 52, 1, {2, 1, 1, 1, 1, 1}, "KEEP");
    const RadioImage image = Encoded(data);
    EXPECT_EQ(Bytes(image, recordBase(7), 13), std::vector<std::uint8_t>(13, 0xFF));
    EXPECT_EQ(Bytes(image, nameBase(7), 4), (std::vector<std::uint8_t>{'K', 'E', 'E', 'P'}));
}

TEST(ChannelRecord, NoTransmitFrequencyKeepsTonesAndOptions)
{
    RadioData data;
    SetChannel(data.channels, 3, "150.00000", "", 52, 159, {0, 1, 0, 1, 0, 1}, "");
    const RadioImage image = Encoded(data);
    const int b = recordBase(3);
    EXPECT_EQ(Bytes(image, b + 4, 4), std::vector<std::uint8_t>(4, 0xFF));
    EXPECT_EQ(Bytes(image, b + 8, 5), (std::vector<std::uint8_t>{0x23, 0x80, 0x23, 0xC0, 0xD4}));
    const RadioData back = Decoded(image);
    EXPECT_EQ(back.channels.tx(3), "");
    EXPECT_EQ(back.channels.index(ChannelTable::RxTone, 3), 52);
    EXPECT_EQ(back.channels.index(ChannelTable::TxTone, 3), 159);
    EXPECT_EQ(back.channels.index(ChannelTable::BusyLock, 3), 1);
    EXPECT_EQ(back.channels.index(ChannelTable::Scramble, 3), 1);
}

TEST(ChannelRecord, LastChannelSitsAtTheEndOfItsAreas)
{
    RadioData data;
    SetChannel(data.channels, 128, "170.00000", "170.00000", 0, 0, {1, 1, 1, 1, 1, 1}, "LAST");
    const RadioImage image = Encoded(data, 0x00);
    EXPECT_EQ(recordBase(128) + 12, 1663);
    EXPECT_EQ(image[1663], 0x80 + 1 + 4 + 8 + 16 + 32 + 64);
    EXPECT_EQ(Bytes(image, 3064, 8),
              (std::vector<std::uint8_t>{'L', 'A', 'S', 'T', 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Decoded(image).channels.name(128), "LAST");
}

TEST(ChannelRecord, OptionByteBitsAndPowerThree)
{
    RadioImage image = FilledImage(0xFF);
    PutBytes(image, 0,
             {0x00, 0x00, 0x50, 0x14, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x83});
    image[ImageMap::kBandIndex] = 0;
    RadioData data = Decoded(image);
    const auto index = [&data](ChannelTable::Row row) { return data.channels.index(row, 1); };
    EXPECT_EQ(index(ChannelTable::Power), 2);
    EXPECT_EQ(index(ChannelTable::BusyLock), 0);
    EXPECT_EQ(index(ChannelTable::RxTone), 0);
    EXPECT_EQ(Encoded(data)[12], 0x82);

    image[12] = 0xFF - 0x80; // bit 7 is not read; every other field at 1
    data = Decoded(image);
    EXPECT_EQ(index(ChannelTable::Power), 2);
    EXPECT_EQ(index(ChannelTable::Bandwidth), 1);
    EXPECT_EQ(index(ChannelTable::TxStop), 1);
    EXPECT_EQ(index(ChannelTable::ScanAdd), 1);
    EXPECT_EQ(Encoded(data)[12], 0xFE);
}

TEST(ChannelRecord, UnlistedToneIsShownAndWrittenAsOff)
{
    RadioImage image = FilledImage(0xFF);
    PutBytes(image, 0,
             {0x00, 0x00, 0x50, 0x14, 0xFF, 0xFF, 0xFF, 0xFF, 0x99, 0x09, 0x41, 0x25, 0x80});
    image[ImageMap::kBandIndex] = 0;
    const RadioData data = Decoded(image);
    EXPECT_EQ(data.channels.index(ChannelTable::RxTone, 1), 0);
    EXPECT_EQ(data.channels.index(ChannelTable::TxTone, 1), 50);
    const RadioImage again = Encoded(data);
    EXPECT_EQ(Bytes(again, 8, 4), (std::vector<std::uint8_t>{0xFF, 0xFF, 0x41, 0x25}));
}

TEST(ChannelRecord, ToneChosenWithoutTextUsesItsListEntry)
{
    RadioData data;
    SetChannel(data.channels, 1, "145.00000", "145.00000", 1, 159, {1, 1, 1, 1, 1, 1}, "");
    EXPECT_EQ(Bytes(Encoded(data), 8, 4), (std::vector<std::uint8_t>{0x70, 0x06, 0x23, 0xC0}));
}

TEST(ChannelName, CodeHasTwoDigitsPerCharacter)
{
    EXPECT_EQ(ChannelCode(""), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(ChannelCode("AB#12"), "414223313"
                                    "2FFFFFF");
    EXPECT_EQ(ChannelCode("ABCDEFGHIJ"), "4142434445464748");
    // A code below 0x10 keeps its leading zero, so nothing after it moves.
    EXPECT_EQ(ChannelCode(std::string("\x05"
                                      "A\x0F",
                                      3)),
              "05410FFFFFFFFFFF");
    EXPECT_EQ(ChannelCode("A中B"), "413F42FFFFFFFFFF");
    EXPECT_EQ(ChannelCode("\xC3\xA9"), "E9FFFFFFFFFFFFFF"); // U+00E9 is one byte
}

TEST(ChannelName, SlotsEncodeAndDecode)
{
    RadioData data;
    data.channels.name(1) = "AB#12";
    data.channels.name(2) = std::string("\x01\x02", 2);
    data.channels.name(3) = "NEXT";
    RadioImage image = Encoded(data);
    EXPECT_EQ(Bytes(image, nameBase(1), 8),
              (std::vector<std::uint8_t>{0x41, 0x42, 0x23, 0x31, 0x32, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Bytes(image, nameBase(2), 3), (std::vector<std::uint8_t>{0x01, 0x02, 0xFF}));

    PutBytes(image, nameBase(4), {0xFF, 'X', 0xFF, 0xFF, 'Y', 0xFF, 0xFF, 'Z'});
    const RadioData back = Decoded(image);
    EXPECT_EQ(back.channels.name(1), "AB#12");
    EXPECT_EQ(back.channels.name(2), std::string("\x01\x02", 2));
    EXPECT_EQ(back.channels.name(3), "NEXT");
    EXPECT_EQ(back.channels.name(4), "XYZ");
    EXPECT_EQ(back.channels.name(5), "");
    EXPECT_EQ(Bytes(Encoded(back), nameBase(2), 16), Bytes(image, nameBase(2), 16));
}

TEST(ChannelDecode, FillerInFirstByteEmptiesTheChannelButNotItsName)
{
    RadioImage image = FilledImage(0xFF);
    PutBytes(image, recordBase(5),
             {0xFF, 0x25, 0x51, 0x14, 0x00, 0x25, 0x51, 0x14, 0x23, 0x80, 0x23, 0x80, 0x9F});
    PutBytes(image, nameBase(5), {'E', 'M', 'P', 'T', 'Y'});
    image[ImageMap::kBandIndex] = 0;
    RadioData data;
    SetChannel(data.channels, 5, "150.00000", "150.00000", 1, 1, {1, 1, 1, 1, 1, 1}, "OLD");
    DecodeImage(image, data);
    EXPECT_EQ(data.channels.rx(5), "");
    EXPECT_EQ(data.channels.tx(5), "");
    EXPECT_EQ(data.channels.index(ChannelTable::RxTone, 5), 0);
    EXPECT_EQ(data.channels.name(5), "EMPTY");
}

TEST(BandFilter, DropsChannelsOutsideTheDecodedBand)
{
    RadioData data;
    data.bandIndex = 0;
    SetChannel(data.channels, 1, "174.00000", "174.00000", 0, 0, {1, 1, 1, 1, 1, 1}, "UP");
    SetChannel(data.channels, 2, "173.99999", "173.99999", 0, 0, {1, 1, 1, 1, 1, 1}, "IN");
    SetChannel(data.channels, 3, "136.00000", "136.00000", 0, 0, {1, 1, 1, 1, 1, 1}, "LO");
    SetChannel(data.channels, 4, "135.99999", "135.99999", 0, 0, {1, 1, 1, 1, 1, 1}, "BE");
    SetChannel(data.channels, 5, "435.00000", "435.00000", 0, 0, {1, 1, 1, 1, 1, 1}, "UHF");
    const RadioImage image = Encoded(data);

    RadioData back = Decoded(image);
    EXPECT_EQ(back.channels.rx(1), "");
    EXPECT_EQ(back.channels.rx(2), "173.99999");
    EXPECT_EQ(back.channels.rx(3), "136.00000");
    EXPECT_EQ(back.channels.rx(4), "");
    EXPECT_EQ(back.channels.rx(5), "");
    EXPECT_EQ(back.channels.index(ChannelTable::Power, 1), 0);
    EXPECT_EQ(back.channels.name(1), "UP"); // names come back after the filter
    const RadioImage again = Encoded(back);
    EXPECT_EQ(Bytes(again, recordBase(1), 13), std::vector<std::uint8_t>(13, 0xFF));
    EXPECT_EQ(Bytes(again, recordBase(2), 13), Bytes(image, recordBase(2), 13));

    // The band byte is applied before the filter runs.
    RadioImage uhf = image;
    uhf[ImageMap::kBandIndex] = 3; // 400-470MHz
    back = Decoded(uhf);
    EXPECT_EQ(back.bandIndex, 3);
    EXPECT_EQ(back.channels.rx(5), "435.00000");
    EXPECT_EQ(back.channels.rx(2), "");
}

TEST(BandFilter, FrequencyWithHexLettersIsDropped)
{
    RadioImage image = FilledImage(0xFF);
    image[ImageMap::kBandIndex] = 0;
    // 0xA5 is no BCD byte: the text reads 145.1A500, which a lenient number
    // parse would take for 145.1 MHz, inside the band.
    PutBytes(image, recordBase(1),
             {0x00, 0xA5, 0x51, 0x14, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x80});
    ChannelTable table;
    SetNumOf(image, table);
    EXPECT_EQ(table.rx(1), "145.1A500");
    EXPECT_FALSE(FrequencyInBand("145.1A500", 136, 174));
    EXPECT_TRUE(FrequencyInBand("145.10000", 136, 174));
    EXPECT_FALSE(FrequencyInBand("", 136, 174));
    EXPECT_EQ(Decoded(image).channels.rx(1), "");
}

TEST(EncodeImage, WritesEveryByteButTheSpareElement)
{
    const RadioData data = RealisticData();
    RadioImage fromZero = FilledImage(0x00);
    RadioImage fromJunk = FilledImage(0x5A);
    fromZero[3072] = 0x11;
    fromJunk[3072] = 0x22;
    EncodeImage(data, fromZero);
    EncodeImage(data, fromJunk);
    EXPECT_EQ(Bytes(fromZero, 0, 3072), Bytes(fromJunk, 0, 3072));
    EXPECT_EQ(fromZero[3072], 0x11);
    EXPECT_EQ(fromJunk[3072], 0x22);
}

TEST(EncodeImage, FillersAndFixedBytesReplaceWhatWasThere)
{
    const RadioImage image = Encoded(RealisticData(), 0x00);
    const std::pair<int, int> fillers[] = {{1664, 1791}, {1840, 1855}, {1860, 1887}, {1955, 1955},
                                           {1958, 2015}, {2020, 2031}, {2041, 2047}, {1803, 1803},
                                           {1806, 1806}, {1815, 1815}, {1822, 1823}, {1837, 1837},
                                           {1839, 1839}};
    for (const auto &[from, to] : fillers) {
        for (int i = from; i <= to; ++i)
            EXPECT_EQ(image[i], 0xFF) << "byte " << i;
    }
    EXPECT_EQ(Bytes(image, 1808, 6),
              (std::vector<std::uint8_t>{0x5A, 0x51, 0x57, 0x2D, 0x37, 0x56}));
    EXPECT_EQ(Bytes(image, 2016, 4), (std::vector<std::uint8_t>{0x00, 0x01, 0x00, 0x00}));
}

TEST(RoundTrip, DecodeThenEncodeReproducesAnImageThisProgramWrote)
{
    const RadioData data = RealisticData();
    const RadioImage image = Encoded(data);
    const RadioData back = Decoded(image);
    const RadioImage again = Encoded(back, 0xEE);
    EXPECT_EQ(Bytes(again, 0, 3072), Bytes(image, 0, 3072));
    for (int n = 1; n <= kChannelCount; ++n) {
        EXPECT_EQ(back.channels.rx(n), data.channels.rx(n));
        EXPECT_EQ(back.channels.tx(n), data.channels.rx(n).empty() ? "" : data.channels.tx(n));
        EXPECT_EQ(back.channels.name(n), data.channels.name(n));
        for (int row = 0; row < ChannelTable::kRows; ++row)
            EXPECT_EQ(back.channels.ColumnIndexes[row][n - 1],
                      data.channels.ColumnIndexes[row][n - 1]);
    }
}

TEST(RoundTrip, IgnoredBytesDoNotChangeTheDecodedRecords)
{
    const RadioImage clean = Encoded(RealisticData());
    RadioImage noisy = clean;
    for (int i : {1664, 1700, 1791, 1803, 1806, 1815, 1822, 1837, 1839, 1860, 1887, 1955, 1970,
                  2016, 2017, 2025, 2045})
        noisy[i] = 0x3C;
    PutBytes(noisy, 1808, {'A', 'B', 'C', 'D', 'E', 'F'});
    const RadioImage a = Encoded(Decoded(clean));
    const RadioImage b = Encoded(Decoded(noisy));
    EXPECT_EQ(Bytes(a, 0, 3072), Bytes(b, 0, 3072));
}

} // namespace
} // namespace q731
