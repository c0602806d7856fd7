#pragma once

#include "image/language.h"

#include <QString>
#include <QUrl>

#include <functional>

namespace q731 {

// The help file of a language in the program's folder: "HV17.CHM" (Chinese)
// or "HV17E.CHM" (English).
QString HelpFilePath(Language language, const QString &programFolder);

// Opens the help file of the language with the system's viewer. A missing file
// opens nothing and says nothing. `open` defaults to QDesktopServices.
void OpenHelp(Language language, const QString &programFolder,
              const std::function<bool(const QUrl &)> &open = {});

} // namespace q731
