#pragma once

#include "image/language.h"
#include "image/marked_text.h"
#include "image/texts.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace q731 {

// Qt's own texts (file and print dialogs, text-box context menus, the editor
// windows' system menu, the command-line help) in the program's language.
// Qt's source texts are English; for Chinese Qt's catalogue "qtbase_zh_CN" is
// installed into the running application, replacing the one installed before.
// Returns true when Qt now speaks `language`; false when the catalogue is
// missing (Qt then stays English, nothing else changes).
bool ApplyQtTranslations(Language language);

// What belongs to a language besides its texts.
struct LanguageTraits
{
    const char *code;         // "zh", "en": --lang and the start check's line
    const char *locale;       // "zh_CN", "en": the catalogue's and the manual's names
    const char *compiledHelp; // the Windows help file beside the program
};
const LanguageTraits &TraitsOf(Language language);

// The program's own catalogue ("q731_zh_CN" or "q731_en", built into the
// program) installed into the running application in place of the one
// installed before, so that every tr() and QCoreApplication::translate call
// answers in `language`. Installing sends LanguageChange to every widget.
// False only when the built-in catalogue cannot be loaded; the program then
// shows its source texts, which are Chinese.
bool ApplyProgramTranslations(Language language);

// `source` of `context` in `language`, whatever language is installed: for
// the few places that need a text in a language other than the user's (the
// menus built before the language is known, input accepted in either
// language).
// `n` >= 0 picks the plural form and replaces %n, as tr() does.
QString TextIn(Language language, const char *context, const char *source,
               const char *disambiguation = nullptr, int n = -1);

// A text of the core in `language`: its pattern and text arguments
// translated, its numbers written as they are.
QString TextIn(Language language, const MarkedText &text);

// The channel grid's list texts in `language`, made once per language.
const GridLists &GridListsIn(Language language);
// Those of every language, `shown` first: what a paste reads, which may come
// from a copy made before a language switch.
std::vector<GridLists> EveryGridLists(Language shown);

// TextIn bound to a language. Objects of it are named `translate`, so that
// lupdate finds the texts of their calls: translate("Context", "文本").
class TextsIn
{
public:
    explicit TextsIn(Language language)
        : m_language(language)
    {
    }

    QString operator()(const char *context, const char *source,
                       const char *disambiguation = nullptr, int n = -1) const
    {
        return TextIn(m_language, context, source, disambiguation, n);
    }

private:
    Language m_language;
};

// The folders searched for Qt's catalogues, first match wins: "translations"
// beside the executable (where a Windows installation keeps them), then Qt's
// own translations folder (on Debian /usr/share/qt6/translations, from the
// package qt6-translations-l10n).
QStringList QtTranslationFolders();

// The catalogue file found for `language`, empty for English or when none is
// found.
QString QtCatalogueFile(Language language);

} // namespace q731
