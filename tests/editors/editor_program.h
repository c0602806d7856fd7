#pragma once

// A started program for the editor tests, with every editor and a clock that
// the test sets.

#include "../support/program_fixture.h"

#include <QMdiSubWindow>
#include <QRadioButton>
#include <QSlider>

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

    // The calibration window's level sliders and their value labels, 0..8.
    static QSlider *slider(const QWidget *form, int index)
    {
        return child<QSlider>(form,
                              QStringLiteral("Slider1(%1)").arg(index).toLatin1().constData());
    }
    static QLabel *valueLabel(const QWidget *form, int index)
    {
        return child<QLabel>(form, QStringLiteral("Label3(%1)").arg(index).toLatin1().constData());
    }
    // Option1 / Option2 of the DTMF and the options window: their pages.
    static void choosePage(const QWidget *form, const char *option)
    {
        child<QRadioButton>(form, option)->click();
    }

    // Shows an editor the way its menu command does and waits for it.
    template<typename W>
    W *open(W *editor)
    {
        showEditor(editor);
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("main window not active");
        return editor;
    }
};

} // namespace q731::testing
