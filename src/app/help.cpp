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

bool IsCompiledHelp(const QString &path)
{
    return path.endsWith(QStringLiteral(".CHM"), Qt::CaseInsensitive);
}

bool OpenHelp(Language language, const QString &programFolder,
              const std::function<void(const QString &page)> &showManual,
              const std::function<bool(const QUrl &)> &openSystem, HelpPlatform platform)
{
    for (const QString &candidate : HelpCandidates(language, programFolder, platform)) {
        if (!QFileInfo(candidate).isFile())
            continue;
        if (!IsCompiledHelp(candidate)) {
            showManual(candidate);
            return true;
        }
        // A help file the system cannot show leaves the manual to the help
        // window rather than leaving the user without help.
        const QUrl url = QUrl::fromLocalFile(candidate);
        if (openSystem ? openSystem(url) : QDesktopServices::openUrl(url))
            return true;
    }
    return false;
}

} // namespace q731
