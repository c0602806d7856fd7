#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QLineEdit;

namespace q731 {

// The key filter of a text field: every typed character is first mapped (for
// example a-z to A-Z), then dropped unless accepted; Enter runs `onEnter` and
// is dropped. Leaving the field runs `onLeave`. Pasted or dropped text goes
// through the same mapping and acceptance, so nothing reaches the field that
// could not have been typed.
class FieldFilter : public QObject
{
    Q_OBJECT
public:
    struct Rules
    {
        std::function<bool(QChar)> accept;
        bool upperCase = false;
        std::function<void()> onEnter;
        std::function<void()> onLeave;
    };

    // Installs itself on `edit` and becomes its child.
    static FieldFilter *install(QLineEdit *edit, Rules rules);

    // `text` with every character mapped, and dropped unless accepted.
    QString filtered(const QString &text) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FieldFilter(QLineEdit *edit, Rules rules);
    void cleanEditedText();

    QLineEdit *m_edit = nullptr;
    Rules m_rules;
};

// Accepted character sets of the editors' fields.
bool IsDigit(QChar c);
bool IsDigitOrPoint(QChar c);
// 0-9, A-D, "*" and "#".
bool IsDtmfCharacter(QChar c);
// Digits, A-Z, "*", "#" and "-".
bool IsPowerOnTextCharacter(QChar c);

} // namespace q731
