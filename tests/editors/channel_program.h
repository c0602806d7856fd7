#pragma once

#include "../support/program_fixture.h"

#include "app/band_box.h"
#include "editors/channel_grid_model.h"
#include "editors/channel_grid_view.h"
#include "editors/channel_window.h"
#include "ui/scroll_bars.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QTimer>
#include <QWindow>

namespace q731::testing {

// A started program with the channel window in front.
struct ChannelProgram : ProgramFixture
{
    explicit ChannelProgram(Language language = Language::Chinese)
        : ProgramFixture(language)
        , active(activate())
    {
    }
    const bool active;

    ChannelWindow *form1() const { return child<ChannelWindow>("Form1"); }
    ChannelGridView *grid() const { return channelGrid(); }
    ChannelGridModel *model() const { return channelModel(); }
    QWidget *panel() const { return child("picClient"); }
    cScrollBars *scrollBars() const { return child<cScrollBars>("scrollBars"); }
    QLineEdit *text1() const { return form1()->findChild<QLineEdit *>("Text1"); }
    QLineEdit *text2() const { return form1()->findChild<QLineEdit *>("Text2"); }
    QComboBox *list(const char *name) const { return form1()->findChild<QComboBox *>(name); }
    QString cell(int row, int column) const { return model()->cellText(row, column); }
    int currentRow() const { return ChannelGridModel::gridRow(grid()->currentIndex()); }
    // Right-clicks the cell and, while its menu is up, does `inMenu` with it
    // (the menu closes with Esc when `inMenu` leaves it open). Gives the
    // menu's entries.
    QStringList rightClick(int row, int column, const std::function<void(QMenu *)> &inMenu = {})
    {
        QStringList entries;
        QTimer::singleShot(0, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (const QAction *entry : menu->actions())
                entries << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
            if (inMenu)
                inMenu(menu);
            if (menu->isVisible())
                QTest::keyClick(menu, Qt::Key_Escape);
        });
        // Through the window, as the system delivers it: a right press there
        // also asks for the context menu.
        QWidget *top = grid()->window();
        QTest::mouseClick(top->windowHandle(), Qt::RightButton, {},
                          grid()->viewport()->mapTo(top, cellCentre(row, column)));
        return entries;
    }
    const ChannelTable &table() const { return session.data().channels; }

    QPoint cellCentre(int row, int column) const
    {
        const QModelIndex index = model()->cellIndex(row, column);
        grid()->scrollTo(index);
        return grid()->visualRect(index).center();
    }
    void click(int row, int column, Qt::KeyboardModifiers modifiers = {}) const
    {
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, modifiers, cellCentre(row, column));
    }
    // Opens the frequency or name box of the cell with the mouse, types and
    // presses Enter.
    void type(int row, int column, const QString &text) const
    {
        click(row, column);
        QLineEdit *box = column == 11 ? text2() : text1();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(box, Qt::Key_Backspace);
        else
            QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }
    // Picks item `index` of the list that a click on the cell opens.
    bool choose(int row, int column, int index) const
    {
        click(row, column);
        QComboBox *open = nullptr;
        for (QComboBox *box : form1()->findChildren<QComboBox *>()) {
            if (box->isVisible())
                open = box;
        }
        if (!open || !open->view()->isVisible())
            return false;
        const int steps = index - open->currentIndex();
        for (int i = 0; i < qAbs(steps); ++i)
            QTest::keyClick(open->view(), steps > 0 ? Qt::Key_Down : Qt::Key_Up);
        QTest::keyClick(open->view(), Qt::Key_Return);
        return !open->isVisible();
    }
};

} // namespace q731::testing
