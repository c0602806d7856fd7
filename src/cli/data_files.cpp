#include "data_files.h"

#include "files/csv_channels.h"
#include "files/dat_file.h"
#include "files/data_file_store.h"
#include "session/session.h"

namespace q731::cli {

RadioData FreshRadioData()
{
    return Session().data();
}

namespace {

bool IsStandardStream(const QString &path)
{
    return path == QLatin1String("-");
}

DataFileLocation Location(const QString &path)
{
    return {.path = path, .standardStream = IsStandardStream(path)};
}

QString TooLargeReason(const Console &console, InputKind kind)
{
    if (kind == InputKind::CsvList) {
        return console.translate("Cli", "大小超过 %1 MiB，不可能是 CSV 频道清单")
            .arg(kCsvFileSizeLimit / (1024 * 1024));
    }
    return console.translate("Cli", "大小超过 %1 KiB，不可能是数据文件")
        .arg(kDatFileSizeLimit / 1024);
}

int ReadFailure(const Console &console, const QString &path, DataFileError error,
                const QString &systemReason, InputKind kind)
{
    const QString reason =
        error == DataFileError::TooLarge ? TooLargeReason(console, kind) : systemReason;
    console.error(IsStandardStream(path)
                      ? console.translate("Cli", "无法读取标准输入：%1").arg(reason)
                      : console.translate("Cli", "无法读取文件 %1：%2").arg(Escaped(path), reason));
    return ExitFileError;
}

int WriteFailure(const Console &console, const QString &path, const DataFileWriteResult &result)
{
    if (IsStandardStream(path)) {
        console.error(console.translate("Cli", "无法写入标准输出"));
        return ExitFileError;
    }
    const QString reason =
        result.error == DataFileError::NotRegularFile
            ? console.translate("Cli", "它不是普通文件，而是文件夹、设备、管道或套接字；未作改动")
            : result.reason;
    console.error(console.translate("Cli", "无法写入文件 %1：%2").arg(Escaped(path), reason));
    return ExitFileError;
}

} // namespace

int ReadWholeFile(const Console &console, const QString &path, std::vector<std::uint8_t> &bytes,
                  InputKind kind)
{
    const std::size_t limit = kind == InputKind::CsvList ? kCsvFileSizeLimit : kDatFileSizeLimit;
    DataFileReadResult result = ReadDataFile(Location(path), limit);
    if (!result.ok())
        return ReadFailure(console, path, result.error, result.reason, kind);
    bytes = std::move(result.bytes);
    return ExitDone;
}

int WriteWholeFile(const Console &console, const QString &path,
                   const std::vector<std::uint8_t> &bytes)
{
    const DataFileWriteResult result = WriteDataFile(Location(path), bytes);
    return result.ok() ? ExitDone : WriteFailure(console, path, result);
}

int OpenDataFile(const Console &console, const QString &path, RadioData &data, RadioImage *image)
{
    RadioImage scratch{};
    const DataFileOpenResult result =
        q731::OpenDataFile(Location(path), image ? *image : scratch, data);
    switch (result.error) {
    case DataFileError::None:
        return ExitDone;
    case DataFileError::WrongModel:
        console.error(QStringLiteral("%1: %2").arg(Escaped(path),
                                                   console.translate("Cli", "文件类型不正确！")));
        return ExitFileError;
    case DataFileError::TooShort:
        console.error(console.translate("Cli", "%1：文件不完整（%2 字节，应为 %3 字节）")
                          .arg(Escaped(path))
                          .arg(result.size)
                          .arg(kDatFileSize));
        return ExitFileError;
    case DataFileError::OpenFailed:
    case DataFileError::ReadFailed:
    case DataFileError::TooLarge:
    case DataFileError::NotRegularFile:
    case DataFileError::WriteFailed:
    case DataFileError::CommitFailed:
        break;
    }
    return ReadFailure(console, path, result.error, result.reason, InputKind::DataFile);
}

int SaveDataFile(const Console &console, const QString &path, const RadioData &data)
{
    RadioImage image{};
    const DataFileWriteResult result = q731::SaveDataFile(Location(path), data, image);
    return result.ok() ? ExitDone : WriteFailure(console, path, result);
}

int SaveImageFile(const Console &console, const QString &path, const RadioImage &image)
{
    return WriteWholeFile(console, path, StoreDatFile(image));
}

} // namespace q731::cli
