#include "data_files.h"

#include "files/csv_channels.h"
#include "files/dat_file.h"
#include "files/data_file_store.h"
#include "files/dtmf_block.h"
#include "image/band_list.h"
#include "image/codec.h"

#include <QFile>

#include <cstdio>

namespace q731::cli {

namespace {

// The window program keeps the DTMF settings beside the image, after byte
// 3120; these two are the one place where the command line reads and writes
// them. A file without the block keeps what the image gave.
void ApplyExtension(const std::vector<std::uint8_t> &extension, RadioData &data)
{
    DecodeDtmfBlock(extension, data.dtmf);
}

std::vector<std::uint8_t> ExtensionOf(const RadioData &data)
{
    return EncodeDtmfBlock(data.dtmf);
}

} // namespace

RadioData FreshRadioData()
{
    RadioData data;
    const BandLimits band = BandLimitsOf(data.bandIndex);
    data.options.StartForm(band.lowMHz, band.highMHz);
    return data;
}

namespace {

QString TooLargeReason(const Console &console, InputKind kind)
{
    if (kind == InputKind::CsvList) {
        return console
            .tr("大小超过 %1 MiB，不可能是 CSV 频道清单",
                "it is larger than %1 MiB, too large for a CSV channel list")
            .arg(kCsvFileSizeLimit / (1024 * 1024));
    }
    return console
        .tr("大小超过 %1 KiB，不可能是数据文件",
            "it is larger than %1 KiB, too large for a data file")
        .arg(kDatFileSizeLimit / 1024);
}

} // namespace

int ReadWholeFile(const Console &console, const QString &path, std::vector<std::uint8_t> &bytes,
                  InputKind kind)
{
    const std::size_t limit = kind == InputKind::CsvList ? kCsvFileSizeLimit : kDatFileSizeLimit;
    const bool standardInput = path == QLatin1String("-");
    DataFileReadResult result;
    QFile in;
    if (!standardInput) {
        result = ReadDataFile(path, limit);
    } else if (in.open(stdin, QIODevice::ReadOnly)) {
        result = ReadOpenedFile(in, limit);
    } else {
        result.error = DataFileError::OpenFailed;
        result.reason = in.errorString();
    }
    if (!result.ok()) {
        const QString reason =
            result.error == DataFileError::TooLarge ? TooLargeReason(console, kind) : result.reason;
        console.error(
            standardInput
                ? console.tr("无法读取标准输入：%1", "Cannot read standard input: %1").arg(reason)
                : console.tr("无法读取文件 %1：%2", "Cannot read the file %1: %2")
                      .arg(Escaped(path), reason));
        return ExitFileError;
    }
    bytes = std::move(result.bytes);
    return ExitDone;
}

int WriteWholeFile(const Console &console, const QString &path,
                   const std::vector<std::uint8_t> &bytes)
{
    if (path == QLatin1String("-")) {
        const std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), stdout);
        std::fflush(stdout);
        if (written != bytes.size()) {
            console.error(console.tr("无法写入标准输出", "Cannot write standard output"));
            return ExitFileError;
        }
        return ExitDone;
    }
    const DataFileWriteResult result = WriteDataFileAtomically(path, bytes);
    if (!result.ok()) {
        const QString reason =
            result.error == DataFileError::NotRegularFile
                ? console.tr("它不是普通文件，而是文件夹、设备、管道或套接字；未作改动",
                             "it is not a regular file but a folder, device, pipe or socket; "
                             "it was left as it was")
                : result.reason;
        console.error(console.tr("无法写入文件 %1：%2", "Cannot write the file %1: %2")
                          .arg(Escaped(path), reason));
        return ExitFileError;
    }
    return ExitDone;
}

int OpenDataFile(const Console &console, const QString &path, RadioData &data)
{
    std::vector<std::uint8_t> bytes;
    if (const int code = ReadWholeFile(console, path, bytes); code != ExitDone)
        return code;
    const DatLoadResult loaded = LoadDatFile(bytes);
    switch (loaded.error) {
    case DatLoadError::None:
        break;
    case DatLoadError::WrongModel:
        console.error(QStringLiteral("%1: %2").arg(
            Escaped(path), console.tr("文件类型不正确！", "File type is incorrect!")));
        return ExitFileError;
    case DatLoadError::TooShort:
        console.error(console
                          .tr("%1：文件不完整（%2 字节，应为 %3 字节）",
                              "%1: the file is cut short (%2 bytes of %3)")
                          .arg(Escaped(path))
                          .arg(bytes.size())
                          .arg(kDatFileSize));
        return ExitFileError;
    }
    DecodeImage(loaded.image, data, console.language());
    ApplyExtension(loaded.extension, data);
    return ExitDone;
}

int SaveDataFile(const Console &console, const QString &path, const RadioData &data)
{
    RadioImage image{};
    EncodeImage(data, image);
    return WriteWholeFile(console, path, StoreDatFile(image, ExtensionOf(data)));
}

int SaveImageFile(const Console &console, const QString &path, const RadioImage &image)
{
    return WriteWholeFile(console, path, StoreDatFile(image));
}

} // namespace q731::cli
