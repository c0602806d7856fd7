#include "data_file_store.h"

#include "files/dat_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace q731 {

namespace {

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

#ifdef Q_OS_WIN
// The standard input through the C library: Qt's Windows file engine reports
// the end of a pipe (ERROR_BROKEN_PIPE) as a read error, the C library as the
// end of the file. At most one byte beyond the limit is read, as above.
DataFileReadResult ReadStandardInput(std::size_t limit)
{
    DataFileReadResult result;
    std::vector<std::uint8_t> data;
    std::vector<std::uint8_t> chunk(64 * 1024);
    while (data.size() <= limit) {
        const std::size_t wanted = std::min(chunk.size(), limit + 1 - data.size());
        const std::size_t got = std::fread(chunk.data(), 1, wanted, stdin);
        data.insert(data.end(), chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(got));
        if (got < wanted)
            break;
    }
    if (std::ferror(stdin)) {
        result.error = DataFileError::ReadFailed;
        result.reason = QString::fromLocal8Bit(std::strerror(errno));
        return result;
    }
    if (data.size() > limit) {
        result.error = DataFileError::TooLarge;
        return result;
    }
    result.bytes = std::move(data);
    return result;
}
#endif

DataFileWriteResult WriteStandardOutput(const std::vector<std::uint8_t> &bytes)
{
    DataFileWriteResult result;
    const std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
    if (written != bytes.size())
        result.error = DataFileError::WriteFailed;
    return result;
}

// Windows reaches its devices through reserved names in any folder (NUL,
// C:\data\com1.dat, "con .pdf"), and through the \\.\ and \\?\ forms of a
// path (\\.\COM1, \\?\GLOBALROOT\...); none of them is a file, though
// QFileInfo may not see them at all. A name with an extension ("CON.dat") is
// the device too on every Windows before 11, so it is refused on all of them:
// no other Windows program could open such a file either. Only the long-path
// form of a drive or a share (\\?\C:\..., \\?\UNC\...) leads to files.
bool IsWindowsDevicePath(const QString &path)
{
#ifdef Q_OS_WIN
    const QString native = QDir::toNativeSeparators(path);
    if (native.startsWith(QLatin1String("\\\\.\\")))
        return true;
    // \??\ is the system's own spelling of \\?\.
    static const QRegularExpression fileRoot(QStringLiteral("^([A-Z]:\\\\|UNC\\\\)"),
                                             QRegularExpression::CaseInsensitiveOption);
    for (const QLatin1String prefix : {QLatin1String("\\\\?\\"), QLatin1String("\\??\\")}) {
        if (native.startsWith(prefix) && !fileRoot.match(native.mid(prefix.size())).hasMatch())
            return true;
    }
    const QString name = QFileInfo(path).fileName();
    // COM0 and the superscript digits are reserved too.
    static const QRegularExpression reserved(
        QStringLiteral("^(CON|PRN|AUX|NUL|CONIN\\$|CONOUT\\$|(COM|LPT)[0-9\u00B9\u00B2\u00B3])$"),
        QRegularExpression::CaseInsensitiveOption);
    return reserved.match(name.left(name.indexOf(QLatin1Char('.'))).trimmed()).hasMatch();
#else
    Q_UNUSED(path);
    return false;
#endif
}

// The path as Qt's file engine takes it: the long-path form of a drive or a
// share (\\?\C:\..., \\?\UNC\server\...) in its plain spelling, since Qt adds
// that prefix itself where a path needs it and cannot make the save's
// temporary file beside a path that already has it.
QString FileSystemPath(const QString &path)
{
#ifdef Q_OS_WIN
    const QString native = QDir::toNativeSeparators(path);
    for (const QLatin1String prefix : {QLatin1String("\\\\?\\"), QLatin1String("\\??\\")}) {
        if (!native.startsWith(prefix))
            continue;
        const QString rest = native.mid(prefix.size());
        if (rest.startsWith(QLatin1String("UNC\\"), Qt::CaseInsensitive))
            return QStringLiteral("\\\\") + rest.mid(4);
        return rest;
    }
#endif
    return path;
}

DataFileWriteResult WriteAtomically(const QString &path, const std::vector<std::uint8_t> &bytes)
{
    DataFileWriteResult result;
    // QFileInfo follows symbolic links: a link to a regular file is written
    // through (QSaveFile replaces the link's target), a link to anything else
    // is refused like the thing itself.
    const QFileInfo info(FileSystemPath(path));
    if (IsWindowsDevicePath(path) || (info.exists() && !info.isFile())) {
        result.error = DataFileError::NotRegularFile;
        return result;
    }
    QSaveFile file(FileSystemPath(path));
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

} // namespace

bool IsSpecialFile(const QString &path)
{
    const QFileInfo info(FileSystemPath(path));
    return IsWindowsDevicePath(path) || (info.exists() && !info.isFile() && !info.isDir());
}

DataFileReadResult ReadDataFile(const DataFileLocation &file, std::size_t limit)
{
    DataFileReadResult result;
    QFile in;
    if (file.standardStream) {
#ifdef Q_OS_WIN
        return ReadStandardInput(limit);
#endif
        if (in.open(stdin, QIODevice::ReadOnly))
            return ReadOpenedFile(in, limit);
        result.error = DataFileError::OpenFailed;
        result.reason = in.errorString();
        return result;
    }
    if (file.refuseSpecialFiles && IsSpecialFile(file.path)) {
        result.error = DataFileError::NotRegularFile;
        return result;
    }
    in.setFileName(FileSystemPath(file.path));
    if (!in.open(QIODevice::ReadOnly)) {
        result.error = DataFileError::OpenFailed;
        result.reason = in.errorString();
        return result;
    }
    if (!in.isSequential() && in.size() > static_cast<qint64>(limit)) {
        result.error = DataFileError::TooLarge;
        return result;
    }
    return ReadOpenedFile(in, limit);
}

DataFileWriteResult WriteDataFile(const DataFileLocation &file,
                                  const std::vector<std::uint8_t> &bytes)
{
    return file.standardStream ? WriteStandardOutput(bytes) : WriteAtomically(file.path, bytes);
}

DataFileOpenResult OpenDataFile(const DataFileLocation &file, RadioImage &image, RadioData &data)
{
    const DataFileReadResult read = ReadDataFile(file, kDatFileSizeLimit);
    DataFileOpenResult result{read.error, read.reason, read.bytes.size()};
    if (!read.ok())
        return result;
    switch (DecodeDatFile(read.bytes, image, data)) {
    case DatLoadError::None:
        break;
    case DatLoadError::WrongModel:
        result.error = DataFileError::WrongModel;
        break;
    case DatLoadError::TooShort:
        result.error = DataFileError::TooShort;
        break;
    }
    return result;
}

DataFileWriteResult SaveDataFile(const DataFileLocation &file, const RadioData &data,
                                 RadioImage &image)
{
    return WriteDataFile(file, EncodeDatFile(data, image));
}

} // namespace q731
