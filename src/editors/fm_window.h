#pragma once

#include "editors/editor_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace q731 {

// The FM broadcast channels window (Form5). Unlike the other editors it works
// on its own copy: the grid and the boxes hold the user's entries until OK
// commits them into the session's FM record; Cancel and the close box only hide
// the window, which keeps the entries for the next time it is shown.
class FmWindow : public EditorWindow
{
    Q_OBJECT
public:
    explicit FmWindow(Session &session, QWidget *parent = nullptr);

    void commitPendingEdits() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Command1 / Command2.
    void ok();
    void cancel();
    void createControls();
    void refreshFromRecord();
    void beginChannelEdit(int row);
    void endChannelEdit();
    void leaveFrequencyBox();
    void showMessage(const QString &text, int leftTwips, int topPixels, int widthTwips);
    void hideWindow();

    QTableWidget *m_grid = nullptr;
    QLineEdit *m_cellEditor = nullptr; // over the clicked channel's cell
    QLineEdit *m_frequency = nullptr;  // the frequency in frequency mode
    QLabel *m_message = nullptr;       // the out-of-range message
    QComboBox *m_channel = nullptr;    // the current channel
    QComboBox *m_display = nullptr;    // channel or frequency mode
    QComboBox *m_step = nullptr;
    int m_editRow = 0;
    bool m_frequencyPending = false;
};

} // namespace q731
