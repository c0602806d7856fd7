#pragma once

// The settings half of the codec (bytes 1792..2047). DecodeImage runs the two
// decode halves around the band filter, so the band is known before the VFO.

#include "radio_image.h"
#include "records.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace q731 {

// Byte position of each calibration slider's level: 2032 holds slider 1,
// 2033 slider 4 ...
inline constexpr int kCalibrationSliderOfByte[9] = {1, 4, 7, 0, 2, 3, 5, 6, 8};

// Bytes 1792..1807 into the optional features.
void DecodeGeneralSettings(const RadioImage &image, OptionalFeatures &options);

// Byte 1814: the band index, kept when the byte names no band.
void DecodeBandIndex(const RadioImage &image, int &bandIndex);

// Bytes 1816..2040: power-on text, VFO, DTMF text, password, FM, calibration.
void DecodeRemainingSettings(const RadioImage &image, RadioData &data);

// Every byte 1792..2047, fillers and fixed bytes included.
void EncodeSettings(const RadioData &data, RadioImage &image);

// What a DTMF code field can hold, taken from any bytes: a..d are raised to
// A..D as typing does, then only the DTMF characters 0-9, A-D, * and # are
// kept, in order, at most `width` of them. Everything else (0x00, 'E', the
// 0xFF filler, bytes of other characters) is dropped.
std::string DtmfCode(std::string_view bytes, std::size_t width);

} // namespace q731
