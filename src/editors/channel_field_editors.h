#pragma once

#include <QLineEdit>

namespace q731 {

// The in-place text boxes of the channel grid. They filter what can be typed
// (pasting included) and report Enter and the loss of the focus; what a text
// means for the channel is decided by the window.
class ChannelTextBox : public QLineEdit
{
    Q_OBJECT
public:
    enum Kind {
        Frequency, // Text1: digits and the point, 9 characters
        Name,      // Text2: codes 35..96 after upper-casing, 5 characters
    };
    ChannelTextBox(Kind kind, QWidget *parent = nullptr);

signals:
    void enterPressed();
    // The focus went to another widget of the program (not to a popup or
    // another application, which leave the box open).
    void lostFocus();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool accepts(QChar c) const;

    Kind m_kind;
};

} // namespace q731
