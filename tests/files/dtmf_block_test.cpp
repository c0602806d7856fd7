#include "files/dat_file.h"
#include "files/dtmf_block.h"
#include "image/codec.h"
#include "image/radio_image.h"
#include "image/settings_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string_view>

using namespace q731;
using namespace std::literals;

namespace {

DtmfSettings Sample()
{
    DtmfSettings dtmf;
    for (int i = 0; i < 8; ++i)
        dtmf.autoDialMemories[static_cast<std::size_t>(i)] =
            std::string(static_cast<std::size_t>(i), '1');
    dtmf.autoDialMemories[7] = "0123456789ABCD*#";
    dtmf.aniStartCode = "12AB*#";
    dtmf.aniEndCode = "D#";
    dtmf.ownCode = "87654321";
    dtmf.aniMode = 2;
    dtmf.rate = 1;
    dtmf.firstDigitDelay = 9;
    dtmf.groupCallCode = 6;
    return dtmf;
}

void ExpectSame(const DtmfSettings &a, const DtmfSettings &b)
{
    EXPECT_EQ(a.autoDialMemories, b.autoDialMemories);
    EXPECT_EQ(a.aniStartCode, b.aniStartCode);
    EXPECT_EQ(a.aniEndCode, b.aniEndCode);
    EXPECT_EQ(a.ownCode, b.ownCode);
    EXPECT_EQ(a.aniMode, b.aniMode);
    EXPECT_EQ(a.rate, b.rate);
    EXPECT_EQ(a.firstDigitDelay, b.firstDigitDelay);
    EXPECT_EQ(a.groupCallCode, b.groupCallCode);
}

// A record that differs from Sample() in every field.
DtmfSettings Other()
{
    DtmfSettings dtmf;
    dtmf.autoDialMemories.fill("9");
    dtmf.aniStartCode = "C";
    dtmf.aniEndCode = "A";
    dtmf.ownCode = "#";
    dtmf.firstDigitDelay = 3;
    return dtmf;
}

// True when every field holds what the DTMF window can hold.
bool FitsTheWindow(const DtmfSettings &d)
{
    const auto code = [](const std::string &text, std::size_t width) {
        return text.size() <= width && std::all_of(text.begin(), text.end(), [](char c) {
                   return std::string_view("0123456789ABCD*#").find(c) != std::string_view::npos;
               });
    };
    return std::all_of(d.autoDialMemories.begin(), d.autoDialMemories.end(),
                       [&](const std::string &t) { return code(t, 16); }) &&
           code(d.aniStartCode, 16) && code(d.aniEndCode, 16) && code(d.ownCode, 8) &&
           d.aniMode >= 0 && d.aniMode < 3 && d.rate >= 0 && d.rate < 2 && d.firstDigitDelay >= 0 &&
           d.firstDigitDelay < 10 && d.groupCallCode >= 0 && d.groupCallCode < 7;
}

// Bytes a radio or a foreign program may leave where a DTMF code belongs:
// DTMF characters mixed with lower case, 'E', 0x00, the filler, and anything.
std::uint8_t SlotByte(std::mt19937 &random)
{
    static constexpr std::string_view kLikely = "0123456789ABCD*#abcdeE\x00\xFF"sv;
    std::uniform_int_distribution<int> pick(0, 3);
    if (pick(random) == 0)
        return static_cast<std::uint8_t>(std::uniform_int_distribution<int>(0, 255)(random));
    const auto at = std::uniform_int_distribution<std::size_t>(0, kLikely.size() - 1)(random);
    return static_cast<std::uint8_t>(kLikely[at]);
}

std::string HostileText(std::mt19937 &random)
{
    std::string text(std::uniform_int_distribution<std::size_t>(0, 40)(random), '\0');
    for (char &c : text)
        c = static_cast<char>(SlotByte(random));
    return text;
}

// A record no window would leave: any bytes, any length, any index.
DtmfSettings HostileRecord(std::mt19937 &random)
{
    std::uniform_int_distribution<int> index(-3, 300);
    DtmfSettings d;
    for (std::string &memory : d.autoDialMemories)
        memory = HostileText(random);
    d.aniStartCode = HostileText(random);
    d.aniEndCode = HostileText(random);
    d.ownCode = HostileText(random);
    d.aniMode = index(random);
    d.rate = index(random);
    d.firstDigitDelay = index(random);
    d.groupCallCode = index(random);
    return d;
}

// Open and Save of a data file, as every program does them.
RadioData Open(const std::vector<std::uint8_t> &file, RadioData data = {})
{
    RadioImage image{};
    EXPECT_EQ(DecodeDatFile(file, image, data), DatLoadError::None);
    return data;
}

std::vector<std::uint8_t> Save(const RadioData &data)
{
    RadioImage image{};
    return EncodeDatFile(data, image);
}

// True when the file ends in a block that Open takes.
bool CarriesABlock(const std::vector<std::uint8_t> &file)
{
    DtmfSettings read;
    return file.size() > kDatFileSize &&
           DecodeDtmfBlock({file.begin() + kDatFileSize, file.end()}, read);
}

} // namespace

TEST(DtmfBlock, LayoutIsTaggedVersionedAndPadded)
{
    const std::vector<std::uint8_t> block = EncodeDtmfBlock(Sample());
    ASSERT_EQ(block.size(), kDtmfBlockSize);
    EXPECT_EQ(std::string(block.begin(), block.begin() + 8), "Q731DTMF");
    EXPECT_EQ(block[8], 1);
    EXPECT_EQ(block[9], 172);
    EXPECT_EQ(block[10], 0);
    // Memory 0 is empty: sixteen fill bytes; memory 1 is "1" then fill.
    EXPECT_TRUE(std::all_of(block.begin() + 11, block.begin() + 27,
                            [](std::uint8_t b) { return b == 0xFF; }));
    EXPECT_EQ(block[27], '1');
    EXPECT_EQ(block[28], 0xFF);
    // ANI start code at 11 + 128.
    EXPECT_EQ(block[139], '1');
    EXPECT_EQ(block[140], '2');
    EXPECT_EQ(block[141], 'A');
    // The four list indexes just before the check byte.
    EXPECT_EQ(block[179], 2);
    EXPECT_EQ(block[180], 1);
    EXPECT_EQ(block[181], 9);
    EXPECT_EQ(block[182], 6);
    unsigned sum = 0;
    for (std::size_t i = 11; i < 183; ++i)
        sum += block[i];
    EXPECT_EQ(block[183], sum & 0xFF);
}

TEST(DtmfBlock, RoundTripsEveryField)
{
    DtmfSettings read = Other();
    ASSERT_TRUE(DecodeDtmfBlock(EncodeDtmfBlock(Sample()), read));
    ExpectSame(read, Sample());
}

TEST(DtmfBlock, DamagedOrForeignDataLeavesTheRecord)
{
    const std::vector<std::uint8_t> good = EncodeDtmfBlock(Sample());
    struct Case
    {
        const char *what;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<Case> cases;
    cases.push_back({"empty", {}});
    cases.push_back({"truncated", {good.begin(), good.end() - 1}});
    auto changed = [&good](std::size_t at, std::uint8_t value) {
        std::vector<std::uint8_t> bytes = good;
        bytes[at] = value;
        return bytes;
    };
    cases.push_back({"tag", changed(0, 'X')});
    cases.push_back({"version", changed(8, 2)});
    cases.push_back({"length", changed(9, 171)});
    cases.push_back({"check byte", changed(183, static_cast<std::uint8_t>(good[183] + 1))});
    cases.push_back({"payload", changed(40, 'Z')});
    // A character that is no DTMF character, with a matching check byte.
    std::vector<std::uint8_t> letter = changed(139, 'E');
    letter[183] = static_cast<std::uint8_t>(good[183] + ('E' - '1'));
    cases.push_back({"letter E", letter});
    // A list index outside its list, with a matching check byte.
    std::vector<std::uint8_t> index = changed(181, 10);
    index[183] = static_cast<std::uint8_t>(good[183] + 1);
    cases.push_back({"delay index", index});
    cases.push_back({"foreign", std::vector<std::uint8_t>(300, 0x00)});

    for (const Case &c : cases) {
        DtmfSettings record = Other();
        EXPECT_FALSE(DecodeDtmfBlock(c.bytes, record)) << c.what;
        ExpectSame(record, Other());
    }
}

TEST(DtmfBlock, TrailingBytesAfterTheBlockAreIgnored)
{
    std::vector<std::uint8_t> bytes = EncodeDtmfBlock(Sample());
    bytes.insert(bytes.end(), 20, 0xAB);
    DtmfSettings read;
    ASSERT_TRUE(DecodeDtmfBlock(bytes, read));
    ExpectSame(read, Sample());
}

TEST(DtmfBlock, DatFileKeepsItsFirst3120BytesAndCarriesTheBlock)
{
    RadioData data;
    data.dtmf = Sample();
    RadioImage image{};
    EncodeImage(data, image);
    const std::vector<std::uint8_t> plain = StoreDatFile(image);
    const std::vector<std::uint8_t> file = StoreDatFile(image, EncodeDtmfBlock(data.dtmf));
    ASSERT_EQ(plain.size(), kDatFileSize);
    ASSERT_EQ(file.size(), kDatFileSize + kDtmfBlockSize);
    EXPECT_TRUE(std::equal(plain.begin(), plain.end(), file.begin()));

    // Open: the image first (its DTMF slot is empty), then the block, whose
    // ANI end code wins.
    RadioData start;
    start.dtmf = Other();
    ExpectSame(Open(file, start).dtmf, Sample());
    EXPECT_EQ(Open(plain, start).dtmf.aniEndCode, "");
}

TEST(DtmfBlock, FileWithoutTheBlockOpensAsTheImageSays)
{
    RadioImage image{};
    image.fill(0xFF);
    image[1840] = 0x31;
    image[1841] = 0x32;
    RadioData start;
    start.dtmf = Other();
    const RadioData opened = Open(StoreDatFile(image), start);
    EXPECT_EQ(opened.dtmf.aniEndCode, "12");
    // Every field the image does not carry keeps its value.
    EXPECT_EQ(opened.dtmf.autoDialMemories, Other().autoDialMemories);
    EXPECT_EQ(opened.dtmf.aniStartCode, "C");
    EXPECT_EQ(opened.dtmf.firstDigitDelay, 3);
}

TEST(DtmfBlock, WhateverTheRecordHoldsTheBlockOpensAgain)
{
    std::mt19937 random(20240611);
    for (int round = 0; round < 500; ++round) {
        const DtmfSettings hostile = HostileRecord(random);
        const std::vector<std::uint8_t> block = EncodeDtmfBlock(hostile);
        ASSERT_EQ(block.size(), kDtmfBlockSize);
        DtmfSettings read = Other();
        ASSERT_TRUE(DecodeDtmfBlock(block, read)) << "round " << round;
        EXPECT_TRUE(FitsTheWindow(read)) << "round " << round;
        // What Open took back is written the same way again.
        EXPECT_EQ(EncodeDtmfBlock(read), block) << "round " << round;
    }
}

TEST(DtmfBlock, CodesKeepTheirDtmfCharactersAndListsTheirStartValues)
{
    DtmfSettings d;
    d.autoDialMemories[0] = "1a2e3\x00"
                            "4\xC3\xA9#"s;          // lower case raised; e, 0x00 and é dropped
    d.autoDialMemories[1] = "12345678901234567890"; // cut to 16
    d.aniStartCode = "EEEE";
    d.aniEndCode = "d*";
    d.ownCode = "123456789";
    d.aniMode = 3;
    d.rate = -1;
    d.firstDigitDelay = 266; // would be 10 if only its low byte were written
    d.groupCallCode = 6;
    DtmfSettings read = Other();
    ASSERT_TRUE(DecodeDtmfBlock(EncodeDtmfBlock(d), read));
    EXPECT_EQ(read.autoDialMemories[0], "1A234#");
    EXPECT_EQ(read.autoDialMemories[1], "1234567890123456");
    EXPECT_EQ(read.aniStartCode, "");
    EXPECT_EQ(read.aniEndCode, "D*");
    EXPECT_EQ(read.ownCode, "12345678");
    EXPECT_EQ(read.aniMode, 0);
    EXPECT_EQ(read.rate, 0);
    EXPECT_EQ(read.firstDigitDelay, 6);
    EXPECT_EQ(read.groupCallCode, 6);
}

// Open, Save, Open over random files: the DTMF settings survive, the saved
// block is always taken back, and saving again gives the same bytes.
TEST(DatFileProperty, OpenSaveOpenKeepsTheDtmfSettingsAndTheBytes)
{
    std::mt19937 random(731);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> kind(0, 4);
    for (int round = 0; round < 300; ++round) {
        RadioImage image{};
        const bool allRandom = round % 2 == 0;
        for (std::size_t i = 0; i < kRadioMemorySize; ++i)
            image[i] = allRandom ? static_cast<std::uint8_t>(byte(random)) : 0xFF;
        for (int i = 0; i < 16; ++i)
            image[static_cast<std::size_t>(ImageMap::kDtmfText + i)] = SlotByte(random);

        std::vector<std::uint8_t> extension;
        switch (kind(random)) {
        case 0: // none: a file of another program
            break;
        case 1:
            extension = EncodeDtmfBlock(HostileRecord(random));
            break;
        case 2: // a damaged block
            extension = EncodeDtmfBlock(Sample());
            extension[std::uniform_int_distribution<std::size_t>(0, kDtmfBlockSize - 1)(random)] ^=
                static_cast<std::uint8_t>(1 + byte(random) % 255);
            break;
        case 3: // no block at all, only bytes
            extension.resize(std::uniform_int_distribution<std::size_t>(1, 400)(random));
            for (std::uint8_t &b : extension)
                b = static_cast<std::uint8_t>(byte(random));
            break;
        default: // a good block with bytes behind it
            extension = EncodeDtmfBlock(HostileRecord(random));
            extension.insert(extension.end(), 30, static_cast<std::uint8_t>(byte(random)));
            break;
        }

        const RadioData first = Open(StoreDatFile(image, extension));
        EXPECT_TRUE(FitsTheWindow(first.dtmf)) << "round " << round;
        const std::vector<std::uint8_t> saved = Save(first);
        ASSERT_TRUE(CarriesABlock(saved)) << "round " << round;
        const RadioData second = Open(saved);
        ExpectSame(second.dtmf, first.dtmf);
        EXPECT_EQ(Save(second), saved) << "round " << round;
    }
}
