#pragma once

// The settings half of the codec (bytes 1792..2047). DecodeImage runs the two
// decode halves around the band filter, so the band is known before the VFO.

#include "language.h"
#include "radio_image.h"
#include "records.h"

namespace q731 {

// Bytes 1792..1807 into the optional features.
void DecodeGeneralSettings(const RadioImage &image, OptionalFeatures &options);

// Byte 1814: the band index, kept when the byte names no band.
void DecodeBandIndex(const RadioImage &image, int &bandIndex);

// Bytes 1816..2040: power-on text, VFO, DTMF text, password, FM, calibration.
void DecodeRemainingSettings(const RadioImage &image, RadioData &data, Language language);

// Every byte 1792..2047, fillers and fixed bytes included.
void EncodeSettings(const RadioData &data, RadioImage &image);

} // namespace q731
