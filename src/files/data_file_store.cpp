#include "data_file_store.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace q731 {

DataFileReadResult ReadOpenedFile(QFile &file, std::size_t limit)
{
    DataFileReadResult result;
    constexpr qint64 kChunk = 64 * 1024;
    const qint64 most = static_cast<qint64>(limit) + 1;
    QByteArray data;
    // One byte beyond the limit tells a stream that is too long from one that
    // fits exactly; the rest of an endless stream is never asked for. A read
    // blocks until there is data, so an empty one is the end (or an error).
    while (data.size() < most) {
        const QByteArray chunk = file.read(std::min(kChunk, most - data.size()));
        if (chunk.isEmpty())
            break;
        data += chunk;
    }
    if (file.error() != QFileDevice::NoError) {
        result.error = DataFileError::ReadFailed;
        result.reason = file.errorString();
        return result;
    }
    if (data.size() > static_cast<qint64>(limit)) {
        result.error = DataFileError::TooLarge;
        return result;
    }
    result.bytes.assign(data.begin(), data.end());
    return result;
}

DataFileReadResult ReadDataFile(const QString &path, std::size_t limit)
{
    DataFileReadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = DataFileError::OpenFailed;
        result.reason = file.errorString();
        return result;
    }
    if (!file.isSequential() && file.size() > static_cast<qint64>(limit)) {
        result.error = DataFileError::TooLarge;
        return result;
    }
    return ReadOpenedFile(file, limit);
}

DataFileWriteResult WriteDataFileAtomically(const QString &path,
                                            const std::vector<std::uint8_t> &bytes)
{
    DataFileWriteResult result;
    // QFileInfo follows symbolic links: a link to a regular file is written
    // through (QSaveFile replaces the link's target), a link to anything else
    // is refused like the thing itself.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        result.error = DataFileError::NotRegularFile;
        return result;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.error = DataFileError::OpenFailed;
        result.reason = file.errorString();
        return result;
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(reinterpret_cast<const char *>(bytes.data()), size) != size) {
        result.error = DataFileError::WriteFailed;
        result.reason = file.errorString();
        file.cancelWriting();
        return result;
    }
    if (!file.commit()) {
        result.error = DataFileError::CommitFailed;
        result.reason = file.errorString();
    }
    return result;
}

} // namespace q731
