#include "cli/cli.h"
#include "session/product.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <memory>

#ifdef Q_OS_WIN
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#endif

namespace {

QtMessageHandler g_qtMessages = nullptr;

// Qt's platform start-up looks for a desktop session (its runtime folder, a
// display server's socket) and warns where there is none, which is where a
// report from a script runs; its words would stand before the command's own
// messages. Only errors pass.
void QuietPlatformStart(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        g_qtMessages(type, context, text);
}

} // namespace

int main(int argc, char *argv[])
{
#ifdef Q_OS_WIN
    // Data files and PDFs pass through the standard streams byte for byte:
    // text mode would turn every line feed into CR LF and end input at ^Z.
    // Texts keep their line feeds as on every other system.
    for (FILE *stream : {stdin, stdout, stderr})
        _setmode(_fileno(stream), _O_BINARY);
#endif
    // Only to find the command word before the application object exists.
    // The command reads QCoreApplication::arguments(), which on Windows come
    // from the wide command line: argv holds them in the system's code page,
    // which may have no Chinese characters (1252) for a Chinese file name.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Only the report paints text, which needs QtGui's application object. It
    // runs on the offscreen platform, so that no display is needed; every
    // other command starts no part of QtGui.
    std::unique_ptr<QCoreApplication> app;
    if (q731::cli::CommandWords(arguments).value(1) == QLatin1String("report")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        g_qtMessages = qInstallMessageHandler(QuietPlatformStart);
        app = std::make_unique<QGuiApplication>(argc, argv);
        qInstallMessageHandler(g_qtMessages);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("q731-cli"));
    QCoreApplication::setApplicationVersion(q731::ProgramVersion());
    return q731::cli::Run(QCoreApplication::arguments());
}
