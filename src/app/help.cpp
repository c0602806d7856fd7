#include "help.h"

#include "session/qt_translations.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>
#endif

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

#ifdef Q_OS_WIN
using HtmlHelpFunction = HWND(WINAPI *)(HWND, LPCWSTR, UINT, DWORD_PTR);
constexpr UINT kDisplayTopic = 0x0000; // HH_DISPLAY_TOPIC
constexpr UINT kCloseAll = 0x0012;     // HH_CLOSE_ALL

HtmlHelpFunction HtmlHelp()
{
    static const HtmlHelpFunction function = []() -> HtmlHelpFunction {
        const HMODULE library = LoadLibraryW(L"hhctrl.ocx");
        if (!library)
            return nullptr;
        return reinterpret_cast<HtmlHelpFunction>(
            reinterpret_cast<void (*)()>(GetProcAddress(library, "HtmlHelpW")));
    }();
    return function;
}

// The help viewer's windows belong to this program and must be gone before
// its libraries are.
void CloseCompiledHelp()
{
    if (const HtmlHelpFunction htmlHelp = HtmlHelp())
        htmlHelp(nullptr, nullptr, kCloseAll, 0);
}

// The compiled help in the system's viewer, through its own interface: that
// takes the path in wide characters, where the viewer's program (hh.exe)
// reads its command line in the system's code page, which cannot hold a
// Chinese folder name on a Western Windows; and it tells when it could not
// show the file.
bool ShowCompiledHelp(const QString &path)
{
    const HtmlHelpFunction htmlHelp = HtmlHelp();
    if (!htmlHelp)
        return false;
    const std::wstring file = QDir::toNativeSeparators(path).toStdWString();
    if (!htmlHelp(nullptr, file.c_str(), kDisplayTopic, 0))
        return false;
    static const bool closeAtExit = [] {
        qAddPostRoutine(CloseCompiledHelp);
        return true;
    }();
    Q_UNUSED(closeAtExit);
    return true;
}
#endif

bool OpenInSystemViewer(const QString &path)
{
#ifdef Q_OS_WIN
    return ShowCompiledHelp(path);
#else
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
#endif
}

} // namespace

QString ManualLanguageFolder(Language language)
{
    return QLatin1String(TraitsOf(language).locale);
}

QStringList HelpCandidates(Language language, const QString &programFolder, HelpPlatform platform)
{
    const QDir folder(programFolder);
    QStringList candidates;
    if (platform == HelpPlatform::Windows)
        candidates << folder.filePath(QLatin1String(TraitsOf(language).compiledHelp));
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
        if (openSystem ? openSystem(QUrl::fromLocalFile(candidate)) : OpenInSystemViewer(candidate))
            return true;
    }
    return false;
}

} // namespace q731
