#include "channel_field_editors.h"

#include "image/entry_rules.h"
#include "ui/object_names.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QWheelEvent>

namespace q731 {

ChannelTextBox::ChannelTextBox(Kind kind, QWidget *parent)
    : QLineEdit(parent)
    , m_kind(kind)
{
    setObjectName(
        ObjectName(kind == Frequency ? Control::ChannelFrequencyBox : Control::ChannelNameBox));
    setAlignment(Qt::AlignCenter);
    // Dropped text would bypass the rules; typing and pasting are enough.
    setAcceptDrops(false);
    hide();
}

int ChannelTextBox::typingLimit() const
{
    return m_kind == Frequency ? kFrequencyBoxLength : static_cast<int>(kTypedNameLength);
}

std::optional<QString> ChannelTextBox::admitted(const QString &text) const
{
    QString added;
    for (QChar c : text) {
        if (m_kind == Frequency) {
            if (!IsFrequencyCharacter(c.unicode()))
                return std::nullopt;
            added += c;
        } else if (const std::optional<char> kept = NameCharacter(c.unicode())) {
            added += QLatin1Char(*kept);
        } else {
            return std::nullopt;
        }
    }
    // A longer text that the program put in (a decoded name of 8 characters)
    // stays whole; the user can shorten it but not add beyond the limit.
    const qsizetype length = this->text().size() - selectedText().size() + added.size();
    if (!added.isEmpty() && length > typingLimit())
        return std::nullopt;
    return added;
}

void ChannelTextBox::insertAdmitted(const QString &text)
{
    if (const std::optional<QString> added = admitted(text); added && !added->isEmpty())
        insert(*added);
}

void ChannelTextBox::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit enterPressed();
        return;
    case Qt::Key_Escape:
        emit escapePressed();
        return;
    default:
        break;
    }
    if (event->matches(QKeySequence::Paste)) {
        insertAdmitted(QApplication::clipboard()->text());
        return;
    }
    // A key types its text when it has no Ctrl, Alt or Meta, or has Ctrl and
    // Alt together (AltGr on some systems), as the line edit itself decides.
    const QString text = event->text();
    const auto held =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool types = !text.isEmpty() && text.front().isPrint() &&
                       (held == Qt::NoModifier || held == (Qt::ControlModifier | Qt::AltModifier));
    if (types)
        insertAdmitted(text);
    else
        QLineEdit::keyPressEvent(event); // editing and cursor keys, shortcuts
}

void ChannelTextBox::inputMethodEvent(QInputMethodEvent *event)
{
    // Composed text counts as typed: it passes the same rule.
    const QString committed = event->commitString();
    QInputMethodEvent composing(event->preeditString(), event->attributes());
    QLineEdit::inputMethodEvent(&composing);
    insertAdmitted(committed);
    event->accept();
}

void ChannelTextBox::mouseReleaseEvent(QMouseEvent *event)
{
    // The middle button pastes the selection of other programs.
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void ChannelTextBox::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The menu's Paste goes through the rule as well: its entry is the one
    // connected to paste().
    for (QAction *action : menu->actions()) {
        const bool paste =
            QObject::disconnect(action, SIGNAL(triggered()), this, SLOT(paste())) ||
            QObject::disconnect(action, &QAction::triggered, this, &QLineEdit::paste);
        if (paste) {
            connect(action, &QAction::triggered, this,
                    [this] { insertAdmitted(QApplication::clipboard()->text()); });
        }
    }
    menu->popup(event->globalPos());
}

void ChannelTextBox::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        emit lostFocus();
}

ChannelListBox::ChannelListBox(QWidget *parent)
    : QComboBox(parent)
{
    // view() makes the popup now, so these filters run before its own ones.
    view()->installEventFilter(this);
    view()->window()->installEventFilter(this);
}

bool ChannelListBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == view() &&
        (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        event->accept();
        hidePopup();
        emit cancelled();
        return true;
    }
    if (watched == view()->window() && event->type() == QEvent::Hide)
        emit popupClosed();
    return QComboBox::eventFilter(watched, event);
}

void ChannelListBox::keyPressEvent(QKeyEvent *event)
{
    // Only reached while the list is closed: the open list takes its own keys.
    event->accept();
    emit cancelled();
}

void ChannelListBox::wheelEvent(QWheelEvent *event)
{
    event->accept();
}

void ChannelListBox::inputMethodEvent(QInputMethodEvent *event)
{
    event->accept();
}

} // namespace q731
