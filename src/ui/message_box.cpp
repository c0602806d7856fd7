#include "message_box.h"

#include "session/product.h"
#include "session/qt_translations.h"
#include "session/session.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>

#include <vector>

namespace q731 {

namespace {

struct ButtonText
{
    int identifier;
    const char *text; // in context "MessageBox"
};

constexpr ButtonText kButtonTexts[] = {
    {IdOk, QT_TRANSLATE_NOOP("MessageBox", "确定")},
    {IdCancel, QT_TRANSLATE_NOOP("MessageBox", "取消")},
    {IdAbort, QT_TRANSLATE_NOOP("MessageBox", "放弃")},
    {IdRetry, QT_TRANSLATE_NOOP("MessageBox", "重试")},
    {IdIgnore, QT_TRANSLATE_NOOP("MessageBox", "忽略")},
    {IdYes, QT_TRANSLATE_NOOP("MessageBox", "是")},
    {IdNo, QT_TRANSLATE_NOOP("MessageBox", "否")},
};

// Buttons of the low four style bits, in the order the box shows them.
std::vector<int> ButtonsOfStyle(int style)
{
    switch (style & 0x0F) {
    case 1:
        return {IdOk, IdCancel};
    case 2:
        return {IdAbort, IdRetry, IdIgnore};
    case 3:
        return {IdYes, IdNo, IdCancel};
    case 4:
        return {IdYes, IdNo};
    case 5:
        return {IdRetry, IdCancel};
    default:
        return {IdOk};
    }
}

QMessageBox::Icon IconOfStyle(int style)
{
    switch (style & 0xF0) {
    case 0x10:
        return QMessageBox::Critical;
    case 0x20:
        return QMessageBox::Question;
    case 0x30:
        return QMessageBox::Warning;
    case 0x40:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QMessageBox::ButtonRole RoleOf(int identifier)
{
    switch (identifier) {
    case IdOk:
    case IdYes:
    case IdRetry:
        return QMessageBox::AcceptRole;
    case IdNo:
        return QMessageBox::NoRole;
    case IdIgnore:
        return QMessageBox::ActionRole;
    default:
        return QMessageBox::RejectRole;
    }
}

} // namespace

int MessageBoxTitleRoom(const QMessageBox &box)
{
    // The title bar also holds the window's icon and its close button.
    const int decoration = 6 * box.fontMetrics().height();
    return box.fontMetrics().horizontalAdvance(box.windowTitle()) + decoration;
}

void KeepTitleInSight(QMessageBox &box)
{
    // A short message under a long title (the product's name) would leave the
    // box narrower than its title: a row of that width under the box's own
    // rows makes the box wide enough. Added after every other setting, since
    // the box lays itself out anew when its text or icon changes.
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    if (!grid)
        return;
    grid->addItem(
        new QSpacerItem(MessageBoxTitleRoom(box), 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
        grid->rowCount(), 0, 1, grid->columnCount());
}

QString MessageBoxButtonText(int identifier, Language language)
{
    for (const ButtonText &entry : kButtonTexts) {
        if (entry.identifier == identifier)
            return TextIn(language, "MessageBox", entry.text);
    }
    return {};
}

int LocalizedMessageBox(QWidget *owner, Language language, const QString &text, int style,
                        const QString &caption, const QString &applicationTitle,
                        const MessageBoxAnswerer &answerer)
{
    QMessageBox box(owner);
    box.setObjectName(QStringLiteral("LocalizedMessageBox"));
    box.setWindowTitle(caption.isEmpty() ? applicationTitle : caption);
    box.setText(text);
    box.setIcon(IconOfStyle(style));
    // System-modal and task-modal boxes block the whole program; an
    // application-modal box is the nearest a desktop program may do.
    box.setWindowModality(Qt::ApplicationModal);

    const std::vector<int> identifiers = ButtonsOfStyle(style);
    std::vector<QPushButton *> buttons;
    for (int identifier : identifiers) {
        QPushButton *button =
            box.addButton(MessageBoxButtonText(identifier, language), RoleOf(identifier));
        button->setProperty("q731Identifier", identifier);
        buttons.push_back(button);
    }
    const std::size_t defaultPosition = static_cast<std::size_t>((style >> 8) & 0x0F);
    box.setDefaultButton(buttons[defaultPosition < buttons.size() ? defaultPosition : 0]);

    // Escape or the close box: Cancel when there is one, else the only button.
    QPushButton *escapeButton = buttons.front();
    for (QPushButton *button : buttons) {
        if (button->property("q731Identifier").toInt() == IdCancel)
            escapeButton = button;
    }
    box.setEscapeButton(escapeButton);
    KeepTitleInSight(box);

    if (answerer)
        return answerer(box);

    box.exec();
    QAbstractButton *clicked = box.clickedButton();
    if (!clicked)
        clicked = escapeButton;
    return clicked->property("q731Identifier").toInt();
}

MessageBoxes::MessageBoxes(const Session &session)
    : m_session(session)
{
}

int MessageBoxes::show(const QString &text, int style, const QString &caption)
{
    const Language language = m_session.language();
    return LocalizedMessageBox(m_owner, language, text, style, caption, ProductTitle(language),
                               m_answerer);
}

bool MessageBoxes::confirm(const SessionQuestion &question)
{
    return show(question.text, StyleOkCancelQuestion, question.caption) == IdOk;
}

} // namespace q731
