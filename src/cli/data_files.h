#pragma once

// The command line's side of the one Open and Save (files/data_file_store.h):
// "-" for standard input and output, and every failure told on stderr in the
// console's language with the exit code to end with.

#include "cli/console.h"
#include "image/radio_image.h"
#include "image/records.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace q731::cli {

// The records as the window program's session holds them right after its
// start.
RadioData FreshRadioData();

// Open into `data` (which should be fresh); when `image` is given, the file's
// image bytes 0..3071 as stored go there too. On failure the reason is on
// stderr and the exit code is returned.
int OpenDataFile(const Console &console, const QString &path, RadioData &data,
                 RadioImage *image = nullptr);

// Save: EncodeImage of `data`, header, image and DTMF block.
int SaveDataFile(const Console &console, const QString &path, const RadioData &data);

// The image exactly as given, without passing through the records.
int SaveImageFile(const Console &console, const QString &path, const RadioImage &image);

// What a whole-file read is for: it sets the size limit and the message.
enum class InputKind {
    DataFile, // at most kDatFileSizeLimit bytes
    CsvList,  // at most kCsvFileSizeLimit bytes
};

// Whole files; "-" is stdin / stdout. A file above the limit of its kind is
// refused (a stream after limit + 1 bytes). A write never replaces a path that
// names a folder, device, pipe or socket.
int ReadWholeFile(const Console &console, const QString &path, std::vector<std::uint8_t> &bytes,
                  InputKind kind = InputKind::DataFile);
int WriteWholeFile(const Console &console, const QString &path,
                   const std::vector<std::uint8_t> &bytes);

} // namespace q731::cli
