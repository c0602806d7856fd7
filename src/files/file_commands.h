#pragma once

#include "image/radio_image.h"
#include "image/records.h"

#include <QObject>
#include <QPointer>

#include <memory>
#include <optional>

class QWidget;

namespace q731 {

class FileDialogs;
class MessageBoxes;
class RecentFiles;
class Session;

// The Open and Save commands: the dialogs, the data file on disk and the
// session's image. Every failure is told to the user in the session's
// language, naming the file; a failed Open changes nothing and a failed Save
// leaves the old file as it was.
class FileCommands : public QObject
{
    Q_OBJECT
public:
    FileCommands(Session &session, MessageBoxes &boxes, QWidget *dialogParent,
                 QObject *parent = nullptr);
    ~FileCommands() override;

    // Tests put their own dialogs here. The channel list commands use them too.
    void setDialogs(std::unique_ptr<FileDialogs> dialogs);
    FileDialogs &dialogs() { return *m_dialogs; }
    // The folder the dialogs start in before a file was opened or saved is
    // derived from this one.
    void setProgramFolder(const QString &folder) { m_programFolder = folder; }
    QString startFolder() const;

    // The file last opened or saved, whose data the editors hold; empty
    // after New or a read from the radio, and before any file.
    QString currentFile() const { return m_currentFile; }

    // Files opened or saved go to the front of `recent`.
    void setRecentFiles(RecentFiles *recent) { m_recent = recent; }

    void open();
    // To the current file without asking when there is one, else as saveAs.
    void save();
    // Always asks for the name, starting on the current file.
    void saveAs();
    // A file of the recent files: one that is gone is taken off the list,
    // and the user is told.
    bool openRecent(const QString &path);

    // Open without the dialog (the dialog's answer, a dropped file). With
    // unsaved changes the user is asked before the file's data replace them.
    // True when the file was taken.
    bool openPath(const QString &path);

    // A data file the user chooses, read without touching the editors, to
    // compare with them. Nothing when the dialog was cancelled or the file
    // could not be taken (the user was told why, as by Open).
    struct ChosenFile
    {
        QString path;
        RadioData data;
    };
    std::optional<ChosenFile> chooseFileToCompare();
    bool savePath(const QString &path);

signals:
    // A file's data is in the editors: the channel window is to be shown.
    void opened();
    void currentFileChanged(const QString &path);

private:
    void showError(const QString &text);
    // The file's image and records into `image` and `data`; false, with the
    // user told why, when it cannot be taken.
    bool readDataFile(const QString &path, RadioImage &image, RadioData &data);
    void setCurrentFile(const QString &path);

    Session &m_session;
    MessageBoxes &m_boxes;
    QPointer<QWidget> m_dialogParent;
    std::unique_ptr<FileDialogs> m_dialogs;
    QString m_programFolder;
    QString m_currentFile;
    QString m_lastFolder;            // of the file last opened or saved, kept after New and Read
    RecentFiles *m_recent = nullptr; // outlives the commands (the main window owns both)
};

} // namespace q731
