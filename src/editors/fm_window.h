#pragma once

#include "editors/editor_window.h"

namespace q731 {

// The FM broadcast channels window (Form5).
class FmWindow : public EditorWindow
{
    Q_OBJECT
public:
    explicit FmWindow(Session &session, QWidget *parent = nullptr);
};

} // namespace q731
