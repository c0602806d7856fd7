#include "fm_window.h"

namespace q731 {

FmWindow::FmWindow(Session &session, QWidget *parent)
    : EditorWindow(session, QStringLiteral("Form5"), parent)
{
}

} // namespace q731
