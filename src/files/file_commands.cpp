#include "file_commands.h"

#include "files/dat_file.h"
#include "files/data_file_store.h"
#include "files/file_dialogs.h"
#include "session/product.h"
#include "session/session.h"
#include "ui/message_box.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

namespace q731 {

namespace {

QString Quoted(const QString &path, Language language)
{
    const QString native = QDir::toNativeSeparators(path);
    return language == Language::English ? QStringLiteral("\"%1\"").arg(native)
                                         : QStringLiteral("“%1”").arg(native);
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
    if (IsSpecialFile(path))
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
    if (IsSpecialFile(path))
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
    // New and a read from the radio put other data in the editors: Save must
    // not offer to overwrite the file they came from. Open names its file
    // once the records are in.
    connect(&m_session, &Session::recordsReplaced, this, [this] { setCurrentFile({}); });
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
    const QString folder = m_lastFolder.isEmpty() ? startFolder() : m_lastFolder;
    const QString path = m_dialogs->openFileName(m_dialogParent, m_session.tr2("打开", "Open"),
                                                 folder, DataFileFilter());
    if (path.isEmpty())
        return;
    openPath(path);
}

void FileCommands::save()
{
    // The current file's name and folder, so that saving again is Enter.
    const QString start = !m_currentFile.isEmpty()  ? m_currentFile
                          : !m_lastFolder.isEmpty() ? m_lastFolder
                                                    : startFolder();
    const QString path = m_dialogs->saveFileName(m_dialogParent, m_session.tr2("保存", "Save"),
                                                 start, DataFileFilter());
    if (path.isEmpty())
        return;
    savePath(path);
}

void FileCommands::setCurrentFile(const QString &path)
{
    const QString absolute = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
    if (!absolute.isEmpty())
        m_lastFolder = QFileInfo(absolute).absolutePath();
    if (absolute == m_currentFile)
        return;
    m_currentFile = absolute;
    emit currentFileChanged(m_currentFile);
}

bool FileCommands::openPath(const QString &path)
{
    const Language language = m_session.language();
    // Decoded into copies, so that a failed Open changes nothing. Byte 3072 of
    // the image is not in the file and keeps its value. A device or pipe is
    // not even opened: a pipe without a writer would hold the window for ever.
    RadioImage image = m_session.image();
    RadioData data = m_session.data();
    const DataFileOpenResult result =
        OpenDataFile({.path = path, .refuseSpecialFiles = true}, image, data, language);
    switch (result.error) {
    case DataFileError::None:
        break;
    case DataFileError::WrongModel:
        showError(QStringLiteral("文件类型不正确！"), QStringLiteral("File type is incorrect!"));
        return false;
    case DataFileError::TooShort: {
        const QString size = QString::number(result.size);
        const QString full = QString::number(kDatFileSize);
        showError(QStringLiteral("文件%1不完整：只有 %2 字节，应为 %3 字节。")
                      .arg(Quoted(path, language), size, full),
                  QStringLiteral("The file %1 is incomplete: %2 bytes instead of %3.")
                      .arg(Quoted(path, language), size, full));
        return false;
    }
    case DataFileError::OpenFailed:
    case DataFileError::ReadFailed:
    case DataFileError::TooLarge:
    case DataFileError::NotRegularFile:
    case DataFileError::WriteFailed:
    case DataFileError::CommitFailed: {
        const QString reason = result.error == DataFileError::TooLarge
                                   ? TooLargeReason(language)
                                   : ReadReason(path, result.reason, language);
        showError(
            QStringLiteral("无法打开文件%1：%2。").arg(Quoted(path, language), reason),
            QStringLiteral("Cannot open the file %1: %2.").arg(Quoted(path, language), reason));
        return false;
    }
    }
    m_session.takeDecoded(image, std::move(data));
    setCurrentFile(path);
    emit opened();
    return true;
}

bool FileCommands::savePath(const QString &path)
{
    m_session.commitEdits();
    const DataFileWriteResult written =
        SaveDataFile({.path = path}, m_session.data(), m_session.image());
    if (written.ok()) {
        setCurrentFile(path);
        return true;
    }
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
