#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace q731 {

// The radio's memory as the program mirrors it. Bytes 0..3071 are the radio's
// 3,072 bytes; element 3072 belongs to no field and stays 0 (the last write
// frames reach past the memory and carry it).
inline constexpr std::size_t kRadioMemorySize = 3072;
inline constexpr std::size_t kRadioImageSize = 3073;
using RadioImage = std::array<std::uint8_t, kRadioImageSize>;

inline constexpr int kChannelCount = 128;

// Where things live in the image.
namespace ImageMap {
inline constexpr int kChannelRecords = 0;       // 128 records of 13 bytes
inline constexpr int kChannelRecordSize = 13;
inline constexpr int kChannelFillStart = 1664;  // 1664..1791: 0xFF, no content
inline constexpr int kSettingsStart = 1792;     // 1792..2047: settings, FM, calibration
inline constexpr int kIdentText = 1808;         // "ZQW-7V", always written
inline constexpr int kBandIndex = 1814;
inline constexpr int kPowerOnText = 1816;       // 6 characters
inline constexpr int kVfoFrequency = 1824;
inline constexpr int kVfoOffset = 1828;
inline constexpr int kVfoRxTone = 1832;
inline constexpr int kVfoTxTone = 1834;
inline constexpr int kVfoOptions = 1836;
inline constexpr int kVfoOffsetDirection = 1838;
inline constexpr int kDtmfText = 1840;          // 16 characters
inline constexpr int kPassword = 1856;          // 4 characters
inline constexpr int kFmChannels = 1888;        // 32 words, high byte first
inline constexpr int kFmSettings = 1952;        // current channel, display, step
inline constexpr int kFmFrequency = 1956;
inline constexpr int kFixedBytes = 2016;        // 0x00 0x01 0x00 0x00
inline constexpr int kCalibration = 2032;       // 9 levels
inline constexpr int kSettingsEnd = 2048;
inline constexpr int kNames = 2048;             // 128 slots of 8 bytes
inline constexpr int kNameSize = 8;

// Channel n is 1..128.
constexpr int recordBase(int n) { return kChannelRecordSize * (n - 1); }
constexpr int nameBase(int n) { return kNames + kNameSize * (n - 1); }
} // namespace ImageMap

} // namespace q731
