#pragma once

#include "editors/editor_window.h"

namespace q731 {

// The DTMF window (Form2).
class DtmfWindow : public EditorWindow
{
    Q_OBJECT
public:
    explicit DtmfWindow(Session &session, QWidget *parent = nullptr);
};

} // namespace q731
