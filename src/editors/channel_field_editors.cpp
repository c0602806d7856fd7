#include "channel_field_editors.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QValidator>

namespace q731 {

namespace {

// Applies the box's character rule to every text that reaches it, so that a
// paste cannot bring in what typing refuses. Lower-case letters are raised.
class CharacterRule : public QValidator
{
public:
    CharacterRule(bool upperCase, bool (*accepts)(QChar), QObject *parent)
        : QValidator(parent)
        , m_upperCase(upperCase)
        , m_accepts(accepts)
    {
    }

    State validate(QString &input, int &) const override
    {
        if (m_upperCase)
            input = input.toUpper();
        for (QChar c : input) {
            if (!m_accepts(c))
                return Invalid;
        }
        return Acceptable;
    }

private:
    bool m_upperCase;
    bool (*m_accepts)(QChar);
};

bool FrequencyCharacter(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.');
}

bool NameCharacter(QChar c)
{
    return c.unicode() >= 35 && c.unicode() <= 96;
}

} // namespace

ChannelTextBox::ChannelTextBox(Kind kind, QWidget *parent)
    : QLineEdit(parent)
    , m_kind(kind)
{
    setObjectName(kind == Frequency ? QStringLiteral("Text1") : QStringLiteral("Text2"));
    setMaxLength(kind == Frequency ? 9 : 5);
    setAlignment(Qt::AlignCenter);
    setValidator(new CharacterRule(kind == Name,
                                   kind == Frequency ? FrequencyCharacter : NameCharacter, this));
    hide();
}

bool ChannelTextBox::accepts(QChar c) const
{
    if (m_kind == Frequency)
        return FrequencyCharacter(c);
    return NameCharacter(c.toUpper());
}

void ChannelTextBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed();
        return;
    }
    // Printable characters outside the rule are dropped before the box sees
    // them; editing keys and shortcuts pass.
    const QString text = event->text();
    if (!text.isEmpty() && text.front().isPrint() && !(event->modifiers() & Qt::ControlModifier)) {
        for (QChar c : text) {
            if (!accepts(c))
                return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void ChannelTextBox::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        emit lostFocus();
}

} // namespace q731
