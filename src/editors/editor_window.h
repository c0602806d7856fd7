#pragma once

#include <QWidget>

namespace q731 {

class Session;

// Base of the editor windows (Form1..Form5): created once at start-up, shown
// as MDI children, hidden instead of closed. Each shows and edits records of
// the session and refreshes itself from the session's signals.
class EditorWindow : public QWidget
{
    Q_OBJECT
public:
    EditorWindow(Session &session, const QString &objectName, QWidget *parent = nullptr);

    // Takes a field that is still being edited into the records, as if it
    // lost the focus. Runs before every encoding (save, write), read and print.
    virtual void commitPendingEdits() {}

protected:
    // Texts that grow (a language switch) grow the child window with them.
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

    Session &m_session;
};

} // namespace q731
