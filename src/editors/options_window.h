#pragma once

#include "editors/editor_window.h"

namespace q731 {

// The optional features window (Form3).
class OptionsWindow : public EditorWindow
{
    Q_OBJECT
public:
    explicit OptionsWindow(Session &session, QWidget *parent = nullptr);
};

} // namespace q731
