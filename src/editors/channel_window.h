#pragma once

#include "editors/editor_window.h"

namespace q731 {

// The the channel grid window (Form1).
class ChannelWindow : public EditorWindow
{
    Q_OBJECT
public:
    explicit ChannelWindow(Session &session, QWidget *parent = nullptr);

    // The language switch: grid texts -> table while the grid and its lists
    // still show the old language, then table -> grid in the new one.
    void readGridIntoTable();
    void fillGridFromTable();
    // Hides the in-place text editors (a click on the toolbar or band frame).
    void hideTextEditors();
};

} // namespace q731
