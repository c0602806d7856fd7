#include "editor_window.h"

#include "session/session.h"

#include <QEvent>
#include <QMdiSubWindow>

namespace q731 {

EditorWindow::EditorWindow(Session &session, const QString &objectName, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
{
    setObjectName(objectName);
    connect(&m_session, &Session::commitRequested, this, &EditorWindow::commitPendingEdits);
}

namespace {

// The frame only grows: a window the user made larger stays so.
void FitFrame(QWidget *editor)
{
    auto *frame = qobject_cast<QMdiSubWindow *>(editor->parentWidget());
    if (!frame || frame->isMaximized())
        return;
    const QSize fitting = frame->size().expandedTo(frame->minimumSizeHint());
    if (fitting != frame->size())
        frame->resize(fitting);
}

} // namespace

bool EditorWindow::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::LayoutRequest)
        FitFrame(this);
    return handled;
}

void EditorWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    FitFrame(this);
}

} // namespace q731
