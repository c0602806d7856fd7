#include "cli/cli.h"
#include "session/product.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("q731-cli"));
    QCoreApplication::setApplicationVersion(q731::ProgramVersion());
    return q731::cli::Run(QCoreApplication::arguments());
}
