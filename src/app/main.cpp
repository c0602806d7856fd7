#include "app/main_window.h"
#include "app/start_check.h"
#include "session/language_store.h"
#include "session/session.h"
#include "ui/message_box.h"
#include "ui/product_logo.h"

#include "files/file_commands.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("q731"));
    QApplication::setWindowIcon(QIcon(q731::ProductLogo()));

    // The session holds the calibration defaults from the start.
    q731::Session session;
    q731::MessageBoxes boxes(session);
    q731::UserLanguageStore store;
    session.setLanguage(q731::ReadStoredLanguage(store));
    const bool check = q731::StartCheckRequested();
    if (check)
        q731::PrepareStartCheck(boxes);

    q731::MainWindow window(session, boxes, store);
    window.show();
    window.applyCaptions();
    // A file named on the command line (a .dat opened from the file manager)
    // opens as if chosen in the open dialog, once the window is up, so that
    // a refusal shows over it.
    if (const QStringList arguments = QApplication::arguments(); arguments.size() > 1) {
        const QString path = arguments.at(1);
        QTimer::singleShot(0, &window, [&window, path] { window.fileCommands()->openPath(path); });
    }
    if (check)
        q731::ScheduleStartCheck(session, window);
    return app.exec();
}
