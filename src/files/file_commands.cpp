#include "file_commands.h"

#include "files/dat_file.h"
#include "files/data_file_store.h"
#include "files/file_dialogs.h"
#include "files/file_messages.h"
#include "files/recent_files.h"
#include "session/product.h"
#include "session/qt_translations.h"
#include "session/session.h"
#include "ui/message_box.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

namespace q731 {

namespace {

QString TooLargeReason(Language language)
{
    const QString limit = QString::number(kDatFileSizeLimit / 1024);
    const TextsIn translate(language);
    return translate("q731::FileCommands", "大小超过 %1 KiB，不可能是数据文件").arg(limit);
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
    const QString path =
        m_dialogs->openFileName(m_dialogParent, tr("打开"), folder, DataFileFilter());
    if (path.isEmpty())
        return;
    openPath(path);
}

void FileCommands::save()
{
    if (m_currentFile.isEmpty())
        saveAs();
    else
        savePath(m_currentFile);
}

void FileCommands::saveAs()
{
    // The current file's name and folder, so that saving again is Enter.
    const QString start = !m_currentFile.isEmpty()  ? m_currentFile
                          : !m_lastFolder.isEmpty() ? m_lastFolder
                                                    : startFolder();
    const QString path =
        m_dialogs->saveFileName(m_dialogParent, tr("保存"), start, DataFileFilter());
    if (path.isEmpty())
        return;
    savePath(path);
}

void FileCommands::setCurrentFile(const QString &path)
{
    const QString absolute = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
    if (!absolute.isEmpty()) {
        m_lastFolder = QFileInfo(absolute).absolutePath();
        if (m_recent)
            m_recent->add(absolute);
    }
    if (absolute == m_currentFile)
        return;
    m_currentFile = absolute;
    emit currentFileChanged(m_currentFile);
}

bool FileCommands::openRecent(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        if (m_recent)
            m_recent->remove(path);
        showError(
            tr("文件%1已不存在，已从最近的文件中删去。").arg(Quoted(path, m_session.language())));
        return false;
    }
    return openPath(path);
}

bool FileCommands::openPath(const QString &path)
{
    // Decoded into copies, so that a failed Open changes nothing. Byte 3072 of
    // the image is not in the file and keeps its value.
    RadioImage image = m_session.image();
    RadioData data = m_session.data();
    if (!readDataFile(path, image, data))
        return false;
    // Asked only now: a file that cannot be taken replaces nothing.
    if (!m_session.confirmDiscardChanges())
        return false;
    m_session.takeDecoded(image, std::move(data));
    setCurrentFile(path);
    emit opened();
    return true;
}

std::optional<FileCommands::ChosenFile> FileCommands::chooseFileToCompare()
{
    const QString folder = m_lastFolder.isEmpty() ? startFolder() : m_lastFolder;
    const QString path =
        m_dialogs->openFileName(m_dialogParent, tr("与文件比较"), folder, DataFileFilter());
    if (path.isEmpty())
        return std::nullopt;
    RadioImage image = m_session.image();
    ChosenFile chosen{path, m_session.data()};
    if (!readDataFile(path, image, chosen.data))
        return std::nullopt;
    return chosen;
}

bool FileCommands::readDataFile(const QString &path, RadioImage &image, RadioData &data)
{
    const Language language = m_session.language();
    // A device or pipe is not even opened: a pipe without a writer would hold
    // the window for ever.
    const DataFileOpenResult result =
        OpenDataFile({.path = path, .refuseSpecialFiles = true}, image, data);
    switch (result.error) {
    case DataFileError::None:
        break;
    case DataFileError::WrongModel:
        showError(tr("文件类型不正确！"));
        return false;
    case DataFileError::TooShort: {
        const QString size = QString::number(result.size);
        const QString full = QString::number(kDatFileSize);
        showError(tr("文件%1不完整：只有 %2 字节，应为 %3 字节。")
                      .arg(Quoted(path, language), size, full));
        return false;
    }
    case DataFileError::OpenFailed:
    case DataFileError::ReadFailed:
    case DataFileError::TooLarge:
    case DataFileError::NotRegularFile:
    case DataFileError::WriteFailed:
    case DataFileError::CommitFailed: {
        ShowCannotOpen(m_boxes, language, path,
                       result.error == DataFileError::TooLarge
                           ? TooLargeReason(language)
                           : ReadReason(path, result.reason, language));
        return false;
    }
    }
    return true;
}

bool FileCommands::savePath(const QString &path)
{
    m_session.commitEdits();
    // Saving encodes the records into the image, as a write does.
    RadioImage image = m_session.image();
    const DataFileWriteResult written = SaveDataFile({.path = path}, m_session.data(), image);
    m_session.setImage(image);
    if (written.ok()) {
        setCurrentFile(path);
        m_session.markSaved();
        return true;
    }
    const Language language = m_session.language();
    const QString reason = WriteReason(path, written.reason, language);
    showError(tr("无法保存文件%1：%2。\r\n文件未被改动。").arg(Quoted(path, language), reason));
    return false;
}

void FileCommands::showError(const QString &text)
{
    ShowFileError(m_boxes, m_session.language(), text);
}

} // namespace q731
