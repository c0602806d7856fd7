#include "app/main_window.h"
#include "app/start_check.h"
#include "session/language_store.h"
#include "session/session.h"
#include "ui/message_box.h"
#include "ui/product_logo.h"

#include <QApplication>
#include <QIcon>

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
    if (check)
        q731::ScheduleStartCheck(session, window);
    return app.exec();
}
