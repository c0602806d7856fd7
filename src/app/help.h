#pragma once

#include "image/language.h"

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

namespace q731 {

enum class HelpPlatform { Windows, Other };

#ifdef Q_OS_WIN
inline constexpr HelpPlatform kThisPlatform = HelpPlatform::Windows;
#else
inline constexpr HelpPlatform kThisPlatform = HelpPlatform::Other;
#endif

// The folder of a language's manual page inside the manual: "zh_CN" or "en".
QString ManualLanguageFolder(Language language);

// The files the help command may open for a language, in the order they are
// tried. On Windows first the compiled help file in the program's folder,
// "HV17.CHM" (Chinese) or "HV17E.CHM" (English); then the manual page of the
// language, "manual/<language>/index.html" beside the program (a Windows
// installation, the build tree), then the one of an installation under a
// prefix (/usr/bin/q731 reads /usr/share/doc/q731/manual/...).
QStringList HelpCandidates(Language language, const QString &programFolder,
                           HelpPlatform platform = kThisPlatform);

// The first candidate that exists; empty when there is none.
QString HelpFilePath(Language language, const QString &programFolder,
                     HelpPlatform platform = kThisPlatform);

// True for a compiled help file ("HV17.CHM", "HV17E.CHM"), which only the
// system's viewer can show.
bool IsCompiledHelp(const QString &path);

// Opens the help of the language. On Windows the compiled help file of the
// language goes to the system's viewer (`openSystem`; by default the
// system's HTML Help, shown by this program) when it is there; when it is
// missing or the viewer cannot show it, and everywhere else, the first
// manual page found goes to `showManual` (the program's own help window).
// Returns false when nothing could be shown.
bool OpenHelp(Language language, const QString &programFolder,
              const std::function<void(const QString &page)> &showManual,
              const std::function<bool(const QUrl &)> &openSystem = {},
              HelpPlatform platform = kThisPlatform);

} // namespace q731
