#pragma once

#include <QComboBox>
#include <QLineEdit>

#include <optional>

namespace q731 {

// The in-place text boxes of the channel grid. They filter what the user
// puts in (typed, pasted or dropped) and report Enter, Esc and the loss of
// the focus; what a text means for the channel is decided by the window.
// Text the program puts in (the cell's value when the box opens) is shown
// as it is: the rules apply only to what the user adds.
class ChannelTextBox : public QLineEdit
{
    Q_OBJECT
public:
    enum Kind {
        Frequency, // digits and the point, 9 characters
        Name,      // a..z raised, codes 35..96, 5 characters
    };
    ChannelTextBox(Kind kind, QWidget *parent = nullptr);

    // The most characters the user can bring the box to.
    int typingLimit() const;

signals:
    void enterPressed();
    void escapePressed();
    // The focus went to another widget of the program (not to a popup or
    // another application, which leave the box open).
    void lostFocus();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    // What of `text` the user may add at the cursor, or nothing at all when
    // a character breaks the rule or the box would grow beyond its limit.
    std::optional<QString> admitted(const QString &text) const;
    void insertAdmitted(const QString &text);

    Kind m_kind;
};

// The in-place drop-down lists of the channel grid (tones and options). A
// value is only ever chosen in the open list. Closed without a choice the
// list reports it and, until the window hides it, takes no key, wheel turn or
// typed character: a closed list that still stepped through its items would
// change the cell behind the user's back.
class ChannelListBox : public QComboBox
{
    Q_OBJECT
public:
    explicit ChannelListBox(QWidget *parent = nullptr);

signals:
    // Esc in the open list, or a key on the closed one.
    void cancelled();
    // The open list closed, with or without a choice (a choice follows at once).
    void popupClosed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
};

} // namespace q731
