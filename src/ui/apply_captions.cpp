// The widget half of the caption table: setting its entries on the windows.

#include "ui/captions.h"
#include "ui/twips.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTabWidget>
#include <QWidget>

namespace q731 {

namespace {

using Kind = CaptionEntry::Kind;

void SetCaption(QObject *target, const QString &text)
{
    if (auto *menu = qobject_cast<QMenu *>(target))
        menu->setTitle(text);
    else if (auto *action = qobject_cast<QAction *>(target))
        action->setText(text);
    else if (auto *frame = qobject_cast<QGroupBox *>(target))
        frame->setTitle(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(target))
        button->setText(text);
    else if (auto *label = qobject_cast<QLabel *>(target))
        label->setText(text);
    else if (auto *widget = qobject_cast<QWidget *>(target)) {
        widget->setWindowTitle(text);
        if (auto *sub = qobject_cast<QMdiSubWindow *>(widget->parentWidget()))
            sub->setWindowTitle(text);
    }
}

// The control of that name that belongs to `window` itself: the editor
// windows are children of the main window and reuse its object names (the
// band box's list and label, a frame), so a plain search would find theirs.
QObject *FindControl(QWidget *window, const QString &name)
{
    const QList<QObject *> candidates = window->findChildren<QObject *>(name);
    for (QObject *candidate : candidates) {
        QObject *owner = candidate->parent();
        while (owner && owner != window && !CaptionWindowOrder().contains(owner->objectName()))
            owner = owner->parent();
        if (owner == window)
            return candidate;
    }
    return nullptr;
}

void Apply(const CaptionEntry &entry, Language language, QWidget *window)
{
    QObject *target = window;
    if (!entry.control.isEmpty())
        target = FindControl(window, entry.control);
    if (!target)
        return;

    if (entry.kind == Kind::Move) {
        auto *widget = qobject_cast<QWidget *>(target);
        if (!widget)
            return;
        const auto slot = static_cast<std::size_t>(language);
        const auto &twips = entry.moves[slot < entry.moves.size() ? slot : 0];
        widget->setGeometry(TwipsToPixelsX(twips[0], widget), TwipsToPixelsY(twips[1], widget),
                            TwipsToPixelsX(twips[2], widget), widget->height());
        return;
    }

    const std::optional<QStringList> texts = entry.textsIn(language);
    if (!texts)
        return;
    switch (entry.kind) {
    case Kind::Caption:
    case Kind::PanelText:
        if (!texts->isEmpty())
            SetCaption(target, texts->front());
        break;
    case Kind::ToolTip:
        // The button's text is its tip too: the toolbar's overflow menu and
        // screen readers show the text, not the tip.
        if (auto *action = qobject_cast<QAction *>(target); action && !texts->isEmpty()) {
            action->setText(texts->front());
            action->setToolTip(texts->front());
        }
        break;
    case Kind::List:
        if (auto *list = qobject_cast<QComboBox *>(target)) {
            // Texts are replaced in place: the list keeps its length and selection.
            for (int k = 0; k < texts->size() && entry.first + k < list->count(); ++k)
                list->setItemText(entry.first + k, texts->at(k));
        }
        break;
    case Kind::Tabs:
        if (auto *tabs = qobject_cast<QTabWidget *>(target)) {
            for (int k = 0; k < texts->size() && entry.first + k < tabs->count(); ++k)
                tabs->setTabText(entry.first + k, texts->at(k));
        }
        break;
    case Kind::Header:
        if (auto *view = qobject_cast<QAbstractItemView *>(target); view && view->model()) {
            for (int k = 0; k < texts->size(); ++k)
                view->model()->setHeaderData(entry.first + k, Qt::Horizontal, texts->at(k));
        }
        break;
    case Kind::Move:
        break;
    }
}

} // namespace

void ApplyCaptions(Language language, const QList<QWidget *> &windows)
{
    for (const QString &name : CaptionWindowOrder()) {
        for (QWidget *window : windows) {
            if (!window || window->objectName() != name)
                continue;
            for (const CaptionEntry &entry : CaptionTable()) {
                if (entry.window == name)
                    Apply(entry, language, window);
            }
            // Longer texts need more room. A hidden window's layouts keep the
            // sizes they knew; they must ask their frames again when shown.
            for (QWidget *child : window->findChildren<QWidget *>()) {
                if (child->layout())
                    child->updateGeometry();
            }
        }
    }
}

} // namespace q731
