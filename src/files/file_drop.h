#pragma once

#include <QObject>
#include <QString>

class QMimeData;
class QWidget;

namespace q731 {

class FileCommands;

// Lets a .dat file dropped on a window open as if chosen in the open dialog.
class DatFileDrop : public QObject
{
    Q_OBJECT
public:
    // Installs itself on `target` and makes it accept drops.
    DatFileDrop(FileCommands &commands, QWidget *target);

    // The one local .dat file the data carries, or empty.
    static QString DroppedDatFile(const QMimeData *data);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FileCommands &m_commands;
};

} // namespace q731
