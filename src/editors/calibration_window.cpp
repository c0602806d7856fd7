#include "calibration_window.h"

namespace q731 {

CalibrationWindow::CalibrationWindow(Session &session, QWidget *parent)
    : EditorWindow(session, QStringLiteral("Form4"), parent)
{
}

} // namespace q731
