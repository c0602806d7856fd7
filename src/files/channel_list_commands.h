#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace q731 {

class CsvImportDialog;
class FileCommands;
class MessageBoxes;
class Session;

// Import Channels (CSV) and Export Channels (CSV): the channel table to and
// from a CSV channel list, through the same code as q731-cli's import and
// export, with the file dialogs and the start folder of Open and Save. An
// import shows what it would do first and is then one step of the undo
// history; failures are told in the session's language.
class ChannelListCommands : public QObject
{
    Q_OBJECT
public:
    ChannelListCommands(Session &session, MessageBoxes &boxes, FileCommands &files,
                        QWidget *dialogParent, QObject *parent = nullptr);

    void importList();
    void exportList();

    // Without the file dialog. The import's summary is shown window-modal
    // and returned (nothing when the file could not be read); the import
    // happens when it is accepted.
    CsvImportDialog *importPath(const QString &path);
    bool exportPath(const QString &path);

signals:
    // Channels were imported: the channel window is to be shown.
    void imported();

private:
    void showError(const QString &text);

    Session &m_session;
    MessageBoxes &m_boxes;
    FileCommands &m_files;
    QPointer<QWidget> m_dialogParent;
};

} // namespace q731
