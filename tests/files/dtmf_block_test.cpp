#include "files/dat_file.h"
#include "files/dtmf_block.h"
#include "image/codec.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace q731;

namespace {

DtmfSettings Sample()
{
    DtmfSettings dtmf;
    for (int i = 0; i < 8; ++i)
        dtmf.Text1[static_cast<std::size_t>(i)] = std::string(static_cast<std::size_t>(i), '1');
    dtmf.Text1[7] = "0123456789ABCD*#";
    dtmf.Text2 = "12AB*#";
    dtmf.Text4 = "D#";
    dtmf.Text3 = "87654321";
    dtmf.Combo1 = 2;
    dtmf.Combo16 = 1;
    dtmf.Combo17 = 9;
    dtmf.Combo18 = 6;
    return dtmf;
}

void ExpectSame(const DtmfSettings &a, const DtmfSettings &b)
{
    EXPECT_EQ(a.Text1, b.Text1);
    EXPECT_EQ(a.Text2, b.Text2);
    EXPECT_EQ(a.Text4, b.Text4);
    EXPECT_EQ(a.Text3, b.Text3);
    EXPECT_EQ(a.Combo1, b.Combo1);
    EXPECT_EQ(a.Combo16, b.Combo16);
    EXPECT_EQ(a.Combo17, b.Combo17);
    EXPECT_EQ(a.Combo18, b.Combo18);
}

// A record that differs from Sample() in every field.
DtmfSettings Other()
{
    DtmfSettings dtmf;
    dtmf.Text1.fill("9");
    dtmf.Text2 = "C";
    dtmf.Text4 = "A";
    dtmf.Text3 = "#";
    dtmf.Combo17 = 3;
    return dtmf;
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

    // Open: the image first (its DTMF slot is empty), then the block.
    const DatLoadResult loaded = LoadDatFile(file);
    ASSERT_EQ(loaded.error, DatLoadError::None);
    RadioData opened;
    opened.dtmf = Other();
    DecodeImage(loaded.image, opened, Language::English);
    EXPECT_EQ(opened.dtmf.Text4, "");
    ASSERT_TRUE(DecodeDtmfBlock(loaded.extension, opened.dtmf));
    ExpectSame(opened.dtmf, Sample());
}

TEST(DtmfBlock, FileWithoutTheBlockOpensAsTheImageSays)
{
    RadioImage image{};
    image.fill(0xFF);
    image[1840] = 0x31;
    image[1841] = 0x32;
    const DatLoadResult loaded = LoadDatFile(StoreDatFile(image));
    ASSERT_EQ(loaded.error, DatLoadError::None);
    RadioData opened;
    opened.dtmf = Other();
    DecodeImage(loaded.image, opened, Language::Chinese);
    EXPECT_FALSE(DecodeDtmfBlock(loaded.extension, opened.dtmf));
    EXPECT_EQ(opened.dtmf.Text4, "12");
    // Every field the image does not carry keeps its value.
    EXPECT_EQ(opened.dtmf.Text1, Other().Text1);
    EXPECT_EQ(opened.dtmf.Text2, "C");
    EXPECT_EQ(opened.dtmf.Combo17, 3);
}
