#pragma once

// Reading and writing data files on disk. The format lives in dat_file.h; this
// is only the file system, with the reason of a failure kept for the user.

#include <QString>

#include <cstdint>
#include <vector>

namespace q731 {

enum class DataFileError {
    None,
    OpenFailed,   // the file cannot be opened (missing, no permission, a folder)
    ReadFailed,   // opened but reading stopped
    WriteFailed,  // the new contents could not be written in full
    CommitFailed, // written, but could not replace the old file
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

// The whole file.
DataFileReadResult ReadDataFile(const QString &path);

// Replaces the file with exactly `bytes` (a longer old file is not left with
// its tail). Written to a temporary file first: on failure the old file is
// untouched.
DataFileWriteResult WriteDataFileAtomically(const QString &path,
                                            const std::vector<std::uint8_t> &bytes);

} // namespace q731
