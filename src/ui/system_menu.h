#pragma once

class QMdiSubWindow;

namespace q731 {

// Sets the texts of a child window's system menu (Restore, Move, Size, ...)
// from Qt's catalogue in force. Qt sets them once, when the window is made,
// so a language switch must set them again.
void RetranslateSystemMenu(QMdiSubWindow *window);

} // namespace q731
