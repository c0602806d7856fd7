#pragma once

#include "../session/fake_language_store.h"
#include "app/band_box.h"
#include "app/main_window.h"
#include "editors/channel_grid_model.h"
#include "editors/channel_grid_view.h"
#include "editors/channel_window.h"
#include "session/session.h"
#include "ui/message_box.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include <memory>

namespace q731::testing {

// A started program with the channel window in front; message boxes are
// answered by `answers` (front first, Cancel when empty) and recorded.
struct ChannelProgram
{
    FakeLanguageStore store;
    Session session;
    MessageBoxes messageBoxes{session};
    std::unique_ptr<MainWindow> window;
    QList<int> answers;
    QStringList boxTexts;

    explicit ChannelProgram(Language language = Language::Chinese)
    {
        messageBoxes.setAnswerer([this](QMessageBox &box) {
            boxTexts << box.text();
            return answers.isEmpty() ? int(IdCancel) : answers.takeFirst();
        });
        session.setClock([] { return 1000.0; });
        session.setLanguage(language);
        window = std::make_unique<MainWindow>(session, messageBoxes, store);
        // Loading tests port 1, which the test environment does not have.
        boxTexts.clear();
        window->show();
        window->applyCaptions();
        window->activateWindow();
        // Focus changes, and with them the commits, need the active window.
        active = QTest::qWaitForWindowActive(window.get());
    }
    bool active = false;

    ChannelWindow *form1() const { return window->channelWindow(); }
    ChannelGridView *grid() const { return form1()->grid(); }
    ChannelGridModel *model() const { return form1()->model(); }
    QLineEdit *text1() const { return form1()->findChild<QLineEdit *>("Text1"); }
    QLineEdit *text2() const { return form1()->findChild<QLineEdit *>("Text2"); }
    QComboBox *list(const char *name) const { return form1()->findChild<QComboBox *>(name); }
    QString cell(int row, int column) const { return model()->cellText(row, column); }
    ChannelTable &table() { return session.data().channels; }

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
