#include "start_check.h"

#include "app/help.h"
#include "app/main_window.h"
#include "session/product.h"
#include "session/qt_translations.h"
#include "session/session.h"
#include "ui/message_box.h"

#include <QDir>
#include <QMessageBox>
#include <QTextStream>
#include <QTimer>
#include <QWindow>

namespace q731 {

namespace {

void Say(const QString &line)
{
    QTextStream(stdout) << "q731: " << line << Qt::endl;
}

} // namespace

bool StartCheckRequested()
{
    return qEnvironmentVariableIsSet("Q731_START_CHECK");
}

void PrepareStartCheck(MessageBoxes &boxes)
{
    boxes.setAnswerer([](QMessageBox &box) {
        Say(QStringLiteral("box \"%1\": %2 -> OK")
                .arg(box.windowTitle(), box.text().replace(QStringLiteral("\r\n"), " ")));
        return int(IdOk);
    });
}

void ScheduleStartCheck(Session &session, MainWindow &window)
{
    QTimer::singleShot(0, &window, [&session, &window] {
        // As the title bar shows it: without the mark of unsaved changes.
        const QString title =
            window.windowHandle() ? window.windowHandle()->title() : window.windowTitle();
        Say(QStringLiteral("started, window \"%1\", language %2")
                .arg(title, QLatin1String(TraitsOf(session.language()).code)));
        const QString manual = HelpFilePath(session.language(), ProgramFolder());
        Say(QStringLiteral("help opens %1")
                .arg(manual.isEmpty() ? QStringLiteral("nothing") : QDir::cleanPath(manual)));
        if (window.close())
            Say(QStringLiteral("closed"));
    });
}

} // namespace q731
