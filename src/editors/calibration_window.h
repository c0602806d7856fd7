#pragma once

#include "editors/editor_window.h"

namespace q731 {

// The calibration levels window (Form4).
class CalibrationWindow : public EditorWindow
{
    Q_OBJECT
public:
    explicit CalibrationWindow(Session &session, QWidget *parent = nullptr);
};

} // namespace q731
