#include "field_filters.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace q731 {

FieldFilter *FieldFilter::install(QLineEdit *edit, Rules rules)
{
    return new FieldFilter(edit, std::move(rules));
}

FieldFilter::FieldFilter(QLineEdit *edit, Rules rules)
    : QObject(edit)
    , m_edit(edit)
    , m_rules(std::move(rules))
{
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, &FieldFilter::cleanEditedText);
}

QString FieldFilter::filtered(const QString &text) const
{
    QString result;
    for (QChar c : text) {
        if (m_rules.upperCase && c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = c.toUpper();
        if (!m_rules.accept || m_rules.accept(c))
            result += c;
    }
    return result;
}

bool FieldFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_edit)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::FocusOut) {
        // The field's own context menu takes the focus for a moment only.
        if (static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason && m_rules.onLeave)
            m_rules.onLeave();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (m_rules.onEnter)
            m_rules.onEnter();
        return true;
    }
    const QString text = key->text();
    // Backspace, cursor keys and shortcuts carry no printable text.
    if (text.isEmpty() || !text.front().isPrint())
        return false;
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString mapped = filtered(text);
    if (mapped.isEmpty())
        return true;
    if (mapped != text) {
        // Typed as the mapped character; insert() keeps the length limit.
        m_edit->insert(mapped);
        return true;
    }
    return false;
}

void FieldFilter::cleanEditedText()
{
    const QString text = m_edit->text();
    const QString clean = filtered(text);
    if (clean != text) {
        const int cursor = m_edit->cursorPosition();
        m_edit->setText(clean);
        m_edit->setCursorPosition(qMin(cursor, int(clean.size())));
    }
}

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool IsDigitOrPoint(QChar c)
{
    return IsDigit(c) || c == QLatin1Char('.');
}

bool IsDtmfCharacter(QChar c)
{
    return IsDigit(c) || (c >= QLatin1Char('A') && c <= QLatin1Char('D')) ||
           c == QLatin1Char('*') || c == QLatin1Char('#');
}

bool IsPowerOnTextCharacter(QChar c)
{
    return IsDigit(c) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           c == QLatin1Char('*') || c == QLatin1Char('#') || c == QLatin1Char('-');
}

} // namespace q731
