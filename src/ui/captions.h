#pragma once

#include "image/language.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace q731 {

// A text of the caption table: the Chinese source text of the catalogues,
// marked with QT_TRANSLATE_NOOP (or QT_TRANSLATE_NOOP3 where the same Chinese
// says two things) under the context of its window.
struct CaptionText
{
    constexpr CaptionText(const char *source, const char *disambiguation = nullptr)
        : source(source)
        , disambiguation(disambiguation)
    {
    }

    const char *source;
    const char *disambiguation;
};

// One entry of the caption table: what to set on which control of which
// window. The table holds no language's text itself: its texts come from the
// program's catalogues when they are asked for, and lists that are counted
// out or made by the codec are made then too. Positions and sizes are kept
// per language.
struct CaptionEntry
{
    enum class Kind {
        Caption,   // window title, menu, label, frame, option, check box, button
        List,      // item texts of a list, replaced in place from `first` on
        ToolTip,   // toolbar button tip
        PanelText, // status bar panel
        Tabs,      // tab captions from `first` on
        Header,    // grid header texts from column `first` on
        Move,      // left, top, width in twips
    };

    // What the entry does when the language is English.
    enum class InEnglish {
        Translated, // its texts, translated
        Unchanged,  // nothing: the control keeps the text it has
        Blank,      // one empty text
    };

    QString window;  // object name of the window
    QString control; // object name of the control; empty for the window itself
    Kind kind = Kind::Caption;
    int first = 0;
    const char *context = nullptr; // the catalogues' context of `texts`
    std::vector<CaptionText> texts;
    // A list made when asked for, in place of `texts`.
    std::function<QStringList(Language)> made;
    InEnglish inEnglish = InEnglish::Translated;
    // Kind::Move: left, top and width in twips, by the value of Language.
    std::array<std::array<int, 3>, 2> moves{};

    // The texts the entry sets in `language`, whatever language the program
    // speaks; none when the entry leaves its control unchanged.
    std::optional<QStringList> textsIn(Language language) const;
};

// The whole table, window by window in the order ApplyCaptions walks them.
const std::vector<CaptionEntry> &CaptionTable();

// The order of the windows: main window, Form1..Form5, About, progress window.
const QStringList &CaptionWindowOrder();

// Sets every entry of the language on the given windows (found by object name;
// entries of a window or control that does not exist are skipped). The window
// program's part (apply_captions.cpp); the table itself needs no widgets.
void ApplyCaptions(Language language, const QList<QWidget *> &windows);

// The texts of one entry in a language (for windows that fill a list at
// creation, and the report that prints in a language of its own).
QStringList CaptionTexts(const QString &window, const QString &control, Language language);

} // namespace q731
