#include "file_commands.h"

#include "files/dat_extension.h"
#include "files/dat_file.h"
#include "files/data_file_store.h"
#include "files/file_dialogs.h"
#include "session/product.h"
#include "session/session.h"
#include "ui/message_box.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

#include <algorithm>

namespace q731 {

namespace {

QString Quoted(const QString &path, Language language)
{
    const QString native = QDir::toNativeSeparators(path);
    return language == Language::English ? QStringLiteral("\"%1\"").arg(native)
                                         : QStringLiteral("“%1”").arg(native);
}

// A device, pipe or socket: reading one could wait for ever or never end, and
// a saved file would take its place.
bool IsSpecialFile(const QFileInfo &info)
{
    return info.exists() && !info.isFile() && !info.isDir();
}

QString SpecialFileReason(Language language)
{
    return language == Language::English
               ? QStringLiteral("it is not a regular file but a device, pipe or socket")
               : QStringLiteral("它不是普通文件，而是设备、管道或套接字");
}

QString TooLargeReason(Language language)
{
    const QString limit = QString::number(kDatFileSizeLimit / 1024);
    return language == Language::English
               ? QStringLiteral("it is larger than %1 KiB, too large for a data file").arg(limit)
               : QStringLiteral("大小超过 %1 KiB，不可能是数据文件").arg(limit);
}

// Why a file could not be read, in the user's language where the cause is
// plain; otherwise the system's own words.
QString ReadReason(const QString &path, const QString &systemReason, Language language)
{
    const QFileInfo info(path);
    const bool english = language == Language::English;
    if (!info.exists())
        return english ? QStringLiteral("the file does not exist") : QStringLiteral("文件不存在");
    if (info.isDir())
        return english ? QStringLiteral("it is a folder") : QStringLiteral("这是一个文件夹");
    if (IsSpecialFile(info))
        return SpecialFileReason(language);
    if (!info.isReadable())
        return english ? QStringLiteral("no permission to read it")
                       : QStringLiteral("没有读取权限");
    return systemReason;
}

QString WriteReason(const QString &path, const QString &systemReason, Language language)
{
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    const bool english = language == Language::English;
    if (IsSpecialFile(info))
        return SpecialFileReason(language);
    if (!folder.isDir())
        return english ? QStringLiteral("the folder does not exist")
                       : QStringLiteral("文件夹不存在");
    if (info.isDir())
        return english ? QStringLiteral("it is a folder") : QStringLiteral("这是一个文件夹");
    if (!folder.isWritable())
        return english ? QStringLiteral("no permission to write in the folder")
                       : QStringLiteral("没有写入该文件夹的权限");
    return systemReason;
}

} // namespace

FileCommands::FileCommands(Session &session, MessageBoxes &boxes, QWidget *dialogParent,
                           QObject *parent)
    : QObject(parent)
    , m_session(session)
    , m_boxes(boxes)
    , m_dialogParent(dialogParent)
    , m_dialogs(std::make_unique<SystemFileDialogs>())
    , m_programFolder(ProgramFolder())
{
}

FileCommands::~FileCommands() = default;

void FileCommands::setDialogs(std::unique_ptr<FileDialogs> dialogs)
{
    m_dialogs = std::move(dialogs);
}

QString FileCommands::startFolder() const
{
    return DataFileStartFolder(m_programFolder);
}

void FileCommands::open()
{
    const QString path = m_dialogs->openFileName(m_dialogParent, m_session.tr2("打开", "Open"),
                                                 startFolder(), DataFileFilter());
    if (path.isEmpty())
        return;
    openPath(path);
}

void FileCommands::save()
{
    const QString path = m_dialogs->saveFileName(m_dialogParent, m_session.tr2("保存", "Save"),
                                                 startFolder(), DataFileFilter());
    if (path.isEmpty())
        return;
    savePath(path);
}

bool FileCommands::openPath(const QString &path)
{
    const Language language = m_session.language();
    DataFileReadResult read;
    // A device or pipe is not even opened: a pipe without a writer would hold
    // the window for ever.
    if (IsSpecialFile(QFileInfo(path)))
        read.error = DataFileError::OpenFailed;
    else
        read = ReadDataFile(path, kDatFileSizeLimit);
    if (!read.ok()) {
        const QString reason = read.error == DataFileError::TooLarge
                                   ? TooLargeReason(language)
                                   : ReadReason(path, read.reason, language);
        showError(
            QStringLiteral("无法打开文件%1：%2。").arg(Quoted(path, language), reason),
            QStringLiteral("Cannot open the file %1: %2.").arg(Quoted(path, language), reason));
        return false;
    }
    const DatLoadResult loaded = LoadDatFile(read.bytes);
    switch (loaded.error) {
    case DatLoadError::None:
        break;
    case DatLoadError::WrongModel:
        showError(QStringLiteral("文件类型不正确！"), QStringLiteral("File type is incorrect!"));
        return false;
    case DatLoadError::TooShort: {
        const QString size = QString::number(read.bytes.size());
        const QString full = QString::number(kDatFileSize);
        showError(QStringLiteral("文件%1不完整：只有 %2 字节，应为 %3 字节。")
                      .arg(Quoted(path, language), size, full),
                  QStringLiteral("The file %1 is incomplete: %2 bytes instead of %3.")
                      .arg(Quoted(path, language), size, full));
        return false;
    }
    }

    // Byte 3072 of the image is not in the file and keeps its value.
    RadioImage &image = m_session.image();
    std::copy(loaded.image.begin(), loaded.image.begin() + kRadioMemorySize, image.begin());
    m_session.decodeImage();
    if (ApplyDatExtension(loaded.extension, m_session.data()))
        m_session.notifyDtmfChanged();
    emit opened();
    return true;
}

bool FileCommands::savePath(const QString &path)
{
    m_session.encodeImage();
    const std::vector<std::uint8_t> bytes =
        StoreDatFile(m_session.image(), DatExtensionOf(m_session.data()));
    const DataFileWriteResult written = WriteDataFileAtomically(path, bytes);
    if (written.ok())
        return true;
    const Language language = m_session.language();
    const QString reason = WriteReason(path, written.reason, language);
    showError(QStringLiteral("无法保存文件%1：%2。\r\n文件未被改动。")
                  .arg(Quoted(path, language), reason),
              QStringLiteral("Cannot save the file %1: %2.\r\nThe file was not changed.")
                  .arg(Quoted(path, language), reason));
    return false;
}

void FileCommands::showError(const QString &chinese, const QString &english)
{
    const bool isEnglish = m_session.language() == Language::English;
    m_boxes.show(isEnglish ? english : chinese, StyleOkStop,
                 isEnglish ? QStringLiteral("Mistake") : QStringLiteral("错误"));
}

} // namespace q731
