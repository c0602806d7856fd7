#include "help.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace q731 {

QString HelpFilePath(Language language, const QString &programFolder)
{
    const QString name =
        language == Language::English ? QStringLiteral("HV17E.CHM") : QStringLiteral("HV17.CHM");
    return QDir(programFolder).filePath(name);
}

void OpenHelp(Language language, const QString &programFolder,
              const std::function<bool(const QUrl &)> &open)
{
    const QString path = HelpFilePath(language, programFolder);
    if (!QFileInfo(path).isFile())
        return;
    const QUrl url = QUrl::fromLocalFile(path);
    if (open)
        open(url);
    else
        QDesktopServices::openUrl(url);
}

} // namespace q731
