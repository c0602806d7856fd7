#include "options_window.h"

namespace q731 {

OptionsWindow::OptionsWindow(Session &session, QWidget *parent)
    : EditorWindow(session, QStringLiteral("Form3"), parent)
{
}

} // namespace q731
