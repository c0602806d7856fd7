#include "app/language_store.h"
#include "app/main_window.h"
#include "app/product.h"
#include "app/session.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("q731"));
    QApplication::setWindowIcon(QIcon(q731::ProductLogo()));

    // The session holds the calibration defaults from the start.
    q731::Session session;
    q731::UserLanguageStore store;
    session.setLanguage(q731::ReadStoredLanguage(store));

    q731::MainWindow window(session, store);
    window.show();
    window.applyCaptions();
    return app.exec();
}
