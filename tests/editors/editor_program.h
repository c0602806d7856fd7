#pragma once

// A started program for the editor tests, with every editor and a clock that
// the test sets.

#include "../support/program_fixture.h"

#include <QMdiSubWindow>

namespace q731::testing {

struct Program : ProgramFixture
{
    explicit Program(Language language = Language::Chinese)
        : ProgramFixture(language)
    {
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
};

} // namespace q731::testing
