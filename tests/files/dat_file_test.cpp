#include "files/dat_file.h"
#include "files/dtmf_block.h"

#include <gtest/gtest.h>

namespace q731 {
namespace {

RadioImage PatternImage()
{
    RadioImage image{};
    for (std::size_t i = 0; i < kRadioMemorySize; ++i)
        image[i] = static_cast<std::uint8_t>(i * 7 + 3);
    image[3072] = 0x99; // not radio memory: never stored
    return image;
}

TEST(DatFile, HeaderLayout)
{
    const std::vector<std::uint8_t> header = DatHeader();
    std::vector<std::uint8_t> expected(48, 0xFF);
    const std::uint8_t text[] = {'Z',  'Q',  'T', '-', '7', 'V', 0xFF, 0xFF,
                                 0xFF, 0xFF, 'V', '0', '1', '0', '0',  0xFF};
    std::copy(std::begin(text), std::end(text), expected.begin());
    EXPECT_EQ(header, expected);
}

TEST(DatFile, StoreThenLoadReproducesTheImage)
{
    const RadioImage image = PatternImage();
    const std::vector<std::uint8_t> file = StoreDatFile(image);
    ASSERT_EQ(file.size(), 3120u);
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin(), file.begin() + 48), DatHeader());
    EXPECT_EQ(file[48], image[0]);
    EXPECT_EQ(file[3119], image[3071]);

    const DatLoadResult loaded = LoadDatFile(file);
    ASSERT_EQ(loaded.error, DatLoadError::None);
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + 3072, loaded.image.begin()));
    EXPECT_EQ(loaded.image[3072], 0);
    EXPECT_TRUE(loaded.extension.empty());
}

TEST(DatFile, ExtensionDataAfterTheImageIsCarried)
{
    const std::vector<std::uint8_t> extension = {'X', 'T', 1, 2, 3};
    const std::vector<std::uint8_t> file = StoreDatFile(PatternImage(), extension);
    ASSERT_EQ(file.size(), 3125u);
    const DatLoadResult loaded = LoadDatFile(file);
    ASSERT_EQ(loaded.error, DatLoadError::None);
    EXPECT_EQ(loaded.extension, extension);
    EXPECT_EQ(loaded.image[0], PatternImage()[0]);
}

TEST(DatFile, ModelCheckAndShortFiles)
{
    std::vector<std::uint8_t> file = StoreDatFile(PatternImage());
    EXPECT_TRUE(HasDatModelText(file));

    std::vector<std::uint8_t> other = file;
    other[2] = 'W'; // "ZQW-7V", another model
    EXPECT_FALSE(HasDatModelText(other));
    EXPECT_EQ(LoadDatFile(other).error, DatLoadError::WrongModel);

    EXPECT_FALSE(HasDatModelText({'Z', 'Q', 'T', '-', '7'}));
    EXPECT_EQ(LoadDatFile({}).error, DatLoadError::WrongModel);

    file.resize(3119);
    const DatLoadResult cut = LoadDatFile(file);
    EXPECT_EQ(cut.error, DatLoadError::TooShort);
    EXPECT_EQ(cut.image, RadioImage{});
    EXPECT_EQ(LoadDatFile(DatHeader()).error, DatLoadError::TooShort);
}

// Save then Open through the two whole-file operations every program uses.
TEST(DatFile, SaveWritesTheImageAndTheDtmfBlockAndOpenTakesBothBack)
{
    RadioData data;
    data.options.resetToNew(136, 174);
    data.channels.rx(1) = "145.12500";
    data.channels.tx(1) = "145.72500";
    data.channels.name(1) = "RPT";
    data.options.squelchLevel = 7;
    data.dtmf.ownCode = "12AB";
    data.dtmf.firstDigitDelay = 2;
    RadioImage image{};
    image.fill(0x33);
    const std::vector<std::uint8_t> file = EncodeDatFile(data, image);
    ASSERT_EQ(file.size(), kDatFileSize + kDtmfBlockSize);
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin(), file.begin() + 48), DatHeader());
    // The image holds what was saved; element 3072 is no radio memory.
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + 3072, file.begin() + 48));
    EXPECT_EQ(image[3072], 0x33);
    EXPECT_EQ(file[48 + 13], 0xFF); // channel 2 is empty

    RadioImage opened{};
    opened.fill(0x55);
    RadioData into;
    ASSERT_EQ(DecodeDatFile(file, opened, into), DatLoadError::None);
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + 3072, opened.begin()));
    EXPECT_EQ(opened[3072], 0x55);
    EXPECT_EQ(into.channels.rx(1), "145.12500");
    EXPECT_EQ(into.channels.name(1), "RPT");
    EXPECT_EQ(into.options.squelchLevel, 7);
    // The image has no room for these: they came from the block.
    EXPECT_EQ(into.dtmf.ownCode, "12AB");
    EXPECT_EQ(into.dtmf.firstDigitDelay, 2);
    EXPECT_EQ(EncodeDatFile(into, opened), file);
}

TEST(DatFile, OpenOfABadFileChangesNothing)
{
    RadioData data;
    data.channels.rx(4) = "150.00000";
    data.dtmf.ownCode = "9";
    RadioImage image{};
    const std::vector<std::uint8_t> good = EncodeDatFile(data, image);
    std::vector<std::uint8_t> otherModel = good;
    otherModel[5] = 'W';
    const std::vector<std::uint8_t> cut(good.begin(), good.begin() + 3119);

    for (const auto &[bytes, error] :
         {std::pair{otherModel, DatLoadError::WrongModel}, std::pair{cut, DatLoadError::TooShort},
          std::pair{std::vector<std::uint8_t>{}, DatLoadError::WrongModel}}) {
        RadioImage target{};
        target.fill(0x11);
        RadioData records;
        records.channels.rx(7) = "160.00000";
        records.dtmf.ownCode = "1";
        EXPECT_EQ(DecodeDatFile(bytes, target, records), error);
        EXPECT_TRUE(std::all_of(target.begin(), target.end(), [](int b) { return b == 0x11; }));
        EXPECT_EQ(records.channels.rx(7), "160.00000");
        EXPECT_EQ(records.channels.rx(4), "");
        EXPECT_EQ(records.dtmf.ownCode, "1");
    }
}

} // namespace
} // namespace q731
