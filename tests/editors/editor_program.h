#pragma once

// A started program for the editor tests: session, language store and main
// window with every editor, every message box answered from `answers` and a
// clock that the test sets.

#include "../session/fake_language_store.h"

#include "app/main_window.h"
#include "session/session.h"
#include "ui/message_box.h"

#include <QAction>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QTest>
#include <QToolBar>

#include <memory>

namespace q731::testing {

struct Program
{
    FakeLanguageStore store;
    Session session;
    MessageBoxes messageBoxes{session};
    std::unique_ptr<MainWindow> window;
    QList<int> answers;
    double now = 1000.0;

    explicit Program(Language language = Language::Chinese)
    {
        messageBoxes.setAnswerer([this](QMessageBox &) {
            return answers.isEmpty() ? int(IdCancel) : answers.takeFirst();
        });
        session.setClock([this] { return now; });
        session.setLanguage(language);
        window = std::make_unique<MainWindow>(session, messageBoxes, store);
        window->show();
        window->applyCaptions();
    }

    ~Program()
    {
        // Leaving without the close question.
        answers = {IdOk};
        window->close();
    }

    // Shows an editor the way its menu command does and waits for it.
    template<typename W>
    W *open(W *editor)
    {
        window->showEditor(editor);
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("main window not active");
        return editor;
    }

    template<typename T = QWidget>
    static T *child(QWidget *window, const char *name)
    {
        return window->findChild<T *>(QString::fromLatin1(name));
    }

    // Focuses a text field, selects its text and types over it.
    static void typeInto(QLineEdit *edit, const QString &text)
    {
        edit->setFocus();
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text);
    }

    void clickToolButton(const char *key)
    {
        QWidget *button = window->toolbar()->widgetForAction(window->action(key));
        QTest::mouseClick(button, Qt::LeftButton);
    }
};

} // namespace q731::testing
