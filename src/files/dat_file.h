#pragma once

// The .dat data file: a 48-byte header, then image bytes 0..3071. Data after
// byte 3120 is optional extension data that this program may append; readers
// of the first 3,120 bytes are unaffected by it. This is the format half of
// Open and Save; data_file_store.h puts it on disk.

#include "image/radio_image.h"
#include "image/records.h"

#include <cstdint>
#include <vector>

namespace q731 {

inline constexpr std::size_t kDatHeaderSize = 48;
inline constexpr std::size_t kDatFileSize = kDatHeaderSize + kRadioMemorySize; // 3120
// The largest file Open reads: this program writes 3,304 bytes (3,120 and the
// DTMF block), so anything near this size is no data file; it is refused
// before it is read whole.
inline constexpr std::size_t kDatFileSizeLimit = 64 * 1024;

enum class DatLoadError {
    None,
    WrongModel, // the first six bytes are not "ZQT-7V"
    TooShort,   // the model text is there but the file ends before byte 3120
};

struct DatLoadResult
{
    DatLoadError error = DatLoadError::None;
    RadioImage image{};                  // bytes 0..3071 filled when error == None
    std::vector<std::uint8_t> extension; // bytes from 3120 on, as stored
};

// The header: "ZQT-7V", 4 x 0xFF, "V0100", 0xFF, 32 x 0xFF.
std::vector<std::uint8_t> DatHeader();

// True when the first six bytes are the model text.
bool HasDatModelText(const std::vector<std::uint8_t> &fileBytes);

// The whole file: header, image bytes 0..3071, then `extension`.
std::vector<std::uint8_t> StoreDatFile(const RadioImage &image,
                                       const std::vector<std::uint8_t> &extension = {});

// Checks the model text and the length; on success image bytes 0..3071 come
// from the file and element 3072 is 0.
DatLoadResult LoadDatFile(const std::vector<std::uint8_t> &fileBytes);

// Open: checks the model text and the length, puts image bytes 0..3071 into
// `image` (element 3072 keeps its value), runs DecodeImage into `data`, then
// takes the DTMF settings from the block after the image, when there is a
// good one. On an error `image` and `data` are left as they were.
DatLoadError DecodeDatFile(const std::vector<std::uint8_t> &fileBytes, RadioImage &image,
                           RadioData &data);

// Save: EncodeImage of `data` into `image`, then the whole file: header,
// image bytes 0..3071 and the DTMF block.
std::vector<std::uint8_t> EncodeDatFile(const RadioData &data, RadioImage &image);

} // namespace q731
