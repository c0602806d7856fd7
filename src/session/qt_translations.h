#pragma once

#include "image/language.h"

#include <QString>
#include <QStringList>

namespace q731 {

// Qt's own texts (file and print dialogs, text-box context menus, the editor
// windows' system menu, the command-line help) in the program's language.
// Qt's source texts are English; for Chinese Qt's catalogue "qtbase_zh_CN" is
// installed into the running application, replacing the one installed before.
// Returns true when Qt now speaks `language`; false when the catalogue is
// missing (Qt then stays English, nothing else changes).
bool ApplyQtTranslations(Language language);

// The folders searched for Qt's catalogues, first match wins: "translations"
// beside the executable (where a Windows installation keeps them), then Qt's
// own translations folder (on Debian /usr/share/qt6/translations, from the
// package qt6-translations-l10n).
QStringList QtTranslationFolders();

// The catalogue file found for `language`, empty for English or when none is
// found.
QString QtCatalogueFile(Language language);

} // namespace q731
