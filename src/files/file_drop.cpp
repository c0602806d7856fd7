#include "file_drop.h"

#include "files/file_commands.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace q731 {

DatFileDrop::DatFileDrop(FileCommands &commands, QWidget *target)
    : QObject(target)
    , m_commands(commands)
{
    target->setAcceptDrops(true);
    target->installEventFilter(this);
}

QString DatFileDrop::DroppedDatFile(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return {};
    const QList<QUrl> urls = data->urls();
    // Several files at once would open one over the other: none is taken.
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return {};
    const QString path = urls.front().toLocalFile();
    return path.endsWith(QLatin1String(".dat"), Qt::CaseInsensitive) ? path : QString();
}

bool DatFileDrop::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (DroppedDatFile(drag->mimeData()).isEmpty())
            return QObject::eventFilter(watched, event);
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QString path = DroppedDatFile(drop->mimeData());
        if (path.isEmpty())
            return QObject::eventFilter(watched, event);
        drop->acceptProposedAction();
        // Opened once the drop is over: its message boxes must not run inside
        // the drag and drop of the system.
        QMetaObject::invokeMethod(
            this, [this, path] { m_commands.openPath(path); }, Qt::QueuedConnection);
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace q731
