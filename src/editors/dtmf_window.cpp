#include "dtmf_window.h"

namespace q731 {

DtmfWindow::DtmfWindow(Session &session, QWidget *parent)
    : EditorWindow(session, QStringLiteral("Form2"), parent)
{
}

} // namespace q731
