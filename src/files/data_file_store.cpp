#include "data_file_store.h"

#include <QFile>
#include <QSaveFile>

namespace q731 {

DataFileReadResult ReadDataFile(const QString &path)
{
    DataFileReadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = DataFileError::OpenFailed;
        result.reason = file.errorString();
        return result;
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.error = DataFileError::ReadFailed;
        result.reason = file.errorString();
        return result;
    }
    result.bytes.assign(data.begin(), data.end());
    return result;
}

DataFileWriteResult WriteDataFileAtomically(const QString &path,
                                            const std::vector<std::uint8_t> &bytes)
{
    DataFileWriteResult result;
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
