#pragma once

namespace q731 {

class MainWindow;
class MessageBoxes;
class Session;

// An installation check without a person: with the environment variable
// Q731_START_CHECK set, the program starts as usual, answers every message
// box with OK (printing it), and once its event loop runs prints what it
// started with and closes its main window through the close question, as
// Quit does. The program then ends with exit code 0.
bool StartCheckRequested();
// Before the main window exists: boxes are answered from now on.
void PrepareStartCheck(MessageBoxes &boxes);
// After the main window is shown.
void ScheduleStartCheck(Session &session, MainWindow &window);

} // namespace q731
