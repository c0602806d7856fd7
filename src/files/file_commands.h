#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

class QWidget;

namespace q731 {

class FileDialogs;
class MessageBoxes;
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
    // The folder the dialogs start in is derived from this one.
    void setProgramFolder(const QString &folder) { m_programFolder = folder; }
    QString startFolder() const;

    void open();
    void save();

    // Open without the dialog (the dialog's answer, a dropped file). True when
    // the file was taken.
    bool openPath(const QString &path);
    bool savePath(const QString &path);

signals:
    // A file's data is in the editors: the channel window is to be shown.
    void opened();

private:
    void showError(const QString &chinese, const QString &english);

    Session &m_session;
    MessageBoxes &m_boxes;
    QPointer<QWidget> m_dialogParent;
    std::unique_ptr<FileDialogs> m_dialogs;
    QString m_programFolder;
};

} // namespace q731
