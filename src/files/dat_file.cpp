#include "dat_file.h"

#include "files/dtmf_block.h"
#include "image/codec.h"

#include <algorithm>

namespace q731 {

namespace {

constexpr std::uint8_t kModelText[6] = {'Z', 'Q', 'T', '-', '7', 'V'};
constexpr std::uint8_t kVersionText[5] = {'V', '0', '1', '0', '0'};

} // namespace

std::vector<std::uint8_t> DatHeader()
{
    std::vector<std::uint8_t> header(kDatHeaderSize, 0xFF);
    std::copy(std::begin(kModelText), std::end(kModelText), header.begin());
    std::copy(std::begin(kVersionText), std::end(kVersionText), header.begin() + 10);
    return header;
}

bool HasDatModelText(const std::vector<std::uint8_t> &fileBytes)
{
    return fileBytes.size() >= std::size(kModelText) &&
           std::equal(std::begin(kModelText), std::end(kModelText), fileBytes.begin());
}

std::vector<std::uint8_t> StoreDatFile(const RadioImage &image,
                                       const std::vector<std::uint8_t> &extension)
{
    std::vector<std::uint8_t> file = DatHeader();
    file.reserve(kDatFileSize + extension.size());
    file.insert(file.end(), image.begin(), image.begin() + kRadioMemorySize);
    file.insert(file.end(), extension.begin(), extension.end());
    return file;
}

DatLoadResult LoadDatFile(const std::vector<std::uint8_t> &fileBytes)
{
    DatLoadResult result;
    if (!HasDatModelText(fileBytes)) {
        result.error = DatLoadError::WrongModel;
        return result;
    }
    // A cut-off file would leave part of the image without data: refuse it whole.
    if (fileBytes.size() < kDatFileSize) {
        result.error = DatLoadError::TooShort;
        return result;
    }
    std::copy(fileBytes.begin() + kDatHeaderSize, fileBytes.begin() + kDatFileSize,
              result.image.begin());
    result.extension.assign(fileBytes.begin() + kDatFileSize, fileBytes.end());
    return result;
}

DatLoadError DecodeDatFile(const std::vector<std::uint8_t> &fileBytes, RadioImage &image,
                           RadioData &data)
{
    const DatLoadResult loaded = LoadDatFile(fileBytes);
    if (loaded.error != DatLoadError::None)
        return loaded.error;
    std::copy(loaded.image.begin(), loaded.image.begin() + kRadioMemorySize, image.begin());
    DecodeImage(image, data);
    // The radio's image has no room for the DTMF settings: this program keeps
    // them after byte 3120. A file without the block (or written by another
    // program) keeps what the image gave, so the block comes second.
    DecodeDtmfBlock(loaded.extension, data.dtmf);
    return DatLoadError::None;
}

std::vector<std::uint8_t> EncodeDatFile(const RadioData &data, RadioImage &image)
{
    EncodeImage(data, image);
    return StoreDatFile(image, EncodeDtmfBlock(data.dtmf));
}

} // namespace q731
