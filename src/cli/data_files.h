#pragma once

// Opening and saving data files the way the window program's Open and Save
// do, so that a file the command line writes is the one the window would.

#include "cli/console.h"
#include "image/radio_image.h"
#include "image/records.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace q731::cli {

// The records as the window program holds them right after its start: every
// default in place, the optional features started for band 0.
RadioData FreshRadioData();

// Open: header check, image, DecodeImage into `data` (which should be fresh).
// On failure the reason is on stderr and the exit code is returned.
int OpenDataFile(const Console &console, const QString &path, RadioData &data);

// Save: EncodeImage of `data`, header and image, through the atomic store.
int SaveDataFile(const Console &console, const QString &path, const RadioData &data);

// The image exactly as given, without passing through the records.
int SaveImageFile(const Console &console, const QString &path, const RadioImage &image);

// Whole files of any kind; "-" is stdin / stdout.
int ReadWholeFile(const Console &console, const QString &path, std::vector<std::uint8_t> &bytes);
int WriteWholeFile(const Console &console, const QString &path,
                   const std::vector<std::uint8_t> &bytes);

} // namespace q731::cli
