#include "files/dat_file.h"

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

} // namespace
} // namespace q731
