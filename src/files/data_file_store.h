#pragma once

// Reading and writing data files on disk. The format lives in dat_file.h; this
// is only the file system, with the reason of a failure kept for the user.

#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

class QFile;

namespace q731 {

enum class DataFileError {
    None,
    OpenFailed,     // the file cannot be opened (missing, no permission, a folder)
    ReadFailed,     // opened but reading stopped
    TooLarge,       // longer than the limit of the read; nothing was kept
    NotRegularFile, // a save to a folder, device, pipe or socket: the path is left alone
    WriteFailed,    // the new contents could not be written in full
    CommitFailed,   // written, but could not replace the old file
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

// The whole file, when it holds at most `limit` bytes. A file whose size is
// known is refused unread when it is longer; from a stream (a pipe, a device
// such as /dev/zero) at most limit + 1 bytes are read.
DataFileReadResult ReadDataFile(const QString &path, std::size_t limit);

// The same for a file opened for reading (standard input).
DataFileReadResult ReadOpenedFile(QFile &file, std::size_t limit);

// Replaces the file with exactly `bytes` (a longer old file is not left with
// its tail). Written to a temporary file first: on failure the old file is
// untouched. A path that names something other than a regular file (directly
// or through a symbolic link) is refused, since the new file would take its
// place.
DataFileWriteResult WriteDataFileAtomically(const QString &path,
                                            const std::vector<std::uint8_t> &bytes);

} // namespace q731
