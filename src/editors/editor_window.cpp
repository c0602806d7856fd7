#include "editor_window.h"

#include "app/session.h"

namespace q731 {

EditorWindow::EditorWindow(Session &session, const QString &objectName, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
{
    setObjectName(objectName);
    connect(&m_session, &Session::aboutToEncode, this, &EditorWindow::commitPendingEdits);
}

} // namespace q731
