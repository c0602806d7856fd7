#pragma once

// What a data file carries after its 3,120 bytes: the settings that the
// radio's image has no room for. Save writes it, Open reads it back; a file
// without it (or written by another program) opens with those settings as
// they were.

#include "image/records.h"

#include <cstdint>
#include <vector>

namespace q731 {

std::vector<std::uint8_t> DatExtensionOf(const RadioData &data);

// True when the extension was recognised and taken into `data`.
bool ApplyDatExtension(const std::vector<std::uint8_t> &extension, RadioData &data);

} // namespace q731
