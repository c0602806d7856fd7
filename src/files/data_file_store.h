#pragma once

// Data files on disk: the one Open and the one Save, which the window program,
// every q731-cli command and the tests call, and the whole-file reads and
// writes beneath them. The format lives in dat_file.h; this is the file
// system (the size limit, paths that name no regular file, the atomic
// replace), with the reason of a failure kept for each program to tell in its
// own words.

#include "image/radio_image.h"
#include "image/records.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace q731 {

enum class DataFileError {
    None,
    OpenFailed,     // the file cannot be opened (missing, no permission, a folder)
    ReadFailed,     // opened but reading stopped
    TooLarge,       // longer than the limit of the read; nothing was kept
    NotRegularFile, // a folder, device, pipe or socket where a regular file must be: left alone
    WriteFailed,    // the new contents could not be written in full
    CommitFailed,   // written, but could not replace the old file
    WrongModel,     // Open: the first six bytes are not the model text
    TooShort,       // Open: the model text is there, but the file ends before byte 3120
};

// What a read or write goes to.
struct DataFileLocation
{
    QString path;
    // The command line's "-": standard input for a read, standard output for
    // a write (`path` is then only a name).
    bool standardStream = false;
    // A read refuses a device, pipe or socket without opening it: a pipe
    // without a writer would hold a window for ever. Otherwise one is read as
    // a stream, up to the limit. A write always refuses one.
    bool refuseSpecialFiles = false;
};

struct DataFileReadResult
{
    DataFileError error = DataFileError::None;
    QString reason; // QFile::errorString() of the failure, empty on success
    std::vector<std::uint8_t> bytes;

    bool ok() const { return error == DataFileError::None; }
};

struct DataFileWriteResult
{
    DataFileError error = DataFileError::None;
    QString reason;

    bool ok() const { return error == DataFileError::None; }
};

struct DataFileOpenResult
{
    DataFileError error = DataFileError::None;
    QString reason;       // the system's words for a failed read
    std::size_t size = 0; // bytes read (what a file cut short holds)

    bool ok() const { return error == DataFileError::None; }
};

// True for a path that exists as something other than a regular file or a
// folder (a device, pipe or socket), also through a symbolic link.
bool IsSpecialFile(const QString &path);

// The whole file, when it holds at most `limit` bytes. A file whose size is
// known is refused unread when it is longer; from a stream (standard input, a
// pipe, a device such as /dev/zero) at most limit + 1 bytes are read.
DataFileReadResult ReadDataFile(const DataFileLocation &file, std::size_t limit);

// Replaces the file with exactly `bytes` (a longer old file is not left with
// its tail). Written to a temporary file first: on failure the old file is
// untouched. A path that names something other than a regular file (directly
// or through a symbolic link) is refused, since the new file would take its
// place.
DataFileWriteResult WriteDataFile(const DataFileLocation &file,
                                  const std::vector<std::uint8_t> &bytes);

// Open: reads at most kDatFileSizeLimit bytes, then DecodeDatFile into `image`
// and `data`. On any failure both are left as they were.
DataFileOpenResult OpenDataFile(const DataFileLocation &file, RadioImage &image, RadioData &data);

// Save: EncodeDatFile of `data` (the image ends up in `image`), then
// WriteDataFile.
DataFileWriteResult SaveDataFile(const DataFileLocation &file, const RadioData &data,
                                 RadioImage &image);

} // namespace q731
