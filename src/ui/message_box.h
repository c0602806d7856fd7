#pragma once

#include "image/language.h"
#include "session/session_prompts.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

class QMessageBox;

namespace q731 {

// Button identifiers a message box returns.
enum MessageBoxButton {
    IdOk = 1,
    IdCancel = 2,
    IdAbort = 3,
    IdRetry = 4,
    IdIgnore = 5,
    IdYes = 6,
    IdNo = 7,
};

// Style numbers the program uses (buttons + icon + default button + modality).
enum MessageBoxStyle {
    StyleOk = 0,
    StyleOkStop = 16,
    StyleOkExclamation = 48,
    StyleOkInformation = 64,
    StyleOkCancelQuestion = 4385, // OK/Cancel, question icon, Cancel default, system-modal
};

// Answers a box instead of a person: gets the fully built box (buttons, texts,
// icon, default button) and returns the identifier of the button to press.
using MessageBoxAnswerer = std::function<int(QMessageBox &box)>;

// The one way a message box is shown. `style` is a message-box style number:
// low four bits the buttons, the next four the icon, then the default button
// and the modality. Button texts follow `language`, whatever the system's
// language; an empty caption shows `applicationTitle`. Returns the identifier
// of the pressed button (IdCancel when the box is closed without a choice and
// has a Cancel button, otherwise the identifier of its only or first button).
int LocalizedMessageBox(QWidget *owner, Language language, const QString &text, int style,
                        const QString &caption, const QString &applicationTitle,
                        const MessageBoxAnswerer &answerer = {});

// The width a box needs for its title: the text in the box's font and room
// for the title bar's icon and close button.
int MessageBoxTitleRoom(const QMessageBox &box);
// Makes the box at least MessageBoxTitleRoom wide.
void KeepTitleInSight(QMessageBox &box);

// The text of a button identifier in a language ("确定", "OK", ...).
QString MessageBoxButtonText(int identifier, Language language);

class Session;

// The window program's message boxes: in the session's language, owned by one
// window (the channel window once it exists), answered by a person or, in
// tests and the start check, by the answerer. They also answer the session's
// questions.
class MessageBoxes : public SessionPrompts
{
public:
    explicit MessageBoxes(const Session &session);

    // A LocalizedMessageBox; returns the identifier of the pressed button.
    int show(const QString &text, int style, const QString &caption = {});
    bool confirm(const SessionQuestion &question) override;

    void setOwner(QWidget *owner) { m_owner = owner; }
    void setAnswerer(MessageBoxAnswerer answerer) { m_answerer = std::move(answerer); }

private:
    const Session &m_session;
    QPointer<QWidget> m_owner;
    MessageBoxAnswerer m_answerer;
};

} // namespace q731
