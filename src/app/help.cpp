#include "help.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace q731 {

namespace {

// Where an installation keeps the manual, seen from the program's folder
// (set by the build from the installation folders).
#ifndef Q731_MANUAL_FROM_BINDIR
#define Q731_MANUAL_FROM_BINDIR "../share/doc/q731/manual"
#endif

QString ManualPage(const QString &manualFolder, Language language)
{
    return QDir::cleanPath(
        QDir(manualFolder)
            .filePath(ManualLanguageFolder(language) + QStringLiteral("/index.html")));
}

} // namespace

QString ManualLanguageFolder(Language language)
{
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("zh_CN");
}

QStringList HelpCandidates(Language language, const QString &programFolder, HelpPlatform platform)
{
    const QDir folder(programFolder);
    QStringList candidates;
    if (platform == HelpPlatform::Windows)
        candidates << folder.filePath(language == Language::English ? QStringLiteral("HV17E.CHM")
                                                                    : QStringLiteral("HV17.CHM"));
    candidates << ManualPage(folder.filePath(QStringLiteral("manual")), language);
    candidates << ManualPage(folder.filePath(QStringLiteral(Q731_MANUAL_FROM_BINDIR)), language);
    return candidates;
}

QString HelpFilePath(Language language, const QString &programFolder, HelpPlatform platform)
{
    for (const QString &candidate : HelpCandidates(language, programFolder, platform)) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return {};
}

void OpenHelp(Language language, const QString &programFolder,
              const std::function<bool(const QUrl &)> &open, HelpPlatform platform)
{
    const QString path = HelpFilePath(language, programFolder, platform);
    if (path.isEmpty())
        return;
    const QUrl url = QUrl::fromLocalFile(path);
    if (open)
        open(url);
    else
        QDesktopServices::openUrl(url);
}

} // namespace q731
