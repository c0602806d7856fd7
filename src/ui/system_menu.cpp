#include "system_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QMdiSubWindow>
#include <QMenu>

#include <iterator>

namespace q731 {

void RetranslateSystemMenu(QMdiSubWindow *window)
{
    // The entries Qt puts into the menu, in its order (separators aside).
    static const char *const kEntries[] = {"&Restore",  "&Move",        "&Size", "Mi&nimize",
                                           "Ma&ximize", "Stay on &Top", "&Close"};
    QMenu *menu = window ? window->systemMenu() : nullptr;
    if (!menu)
        return;
    QList<QAction *> entries;
    for (QAction *action : menu->actions()) {
        if (!action->isSeparator())
            entries << action;
    }
    // A menu of another make is left alone.
    if (entries.size() != static_cast<qsizetype>(std::size(kEntries)))
        return;
    for (qsizetype i = 0; i < entries.size(); ++i)
        entries[i]->setText(QCoreApplication::translate("QMdiSubWindow", kEntries[i]));
}

} // namespace q731
