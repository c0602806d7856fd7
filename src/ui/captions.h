#pragma once

#include "image/language.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

class QWidget;

namespace q731 {

// One entry of the caption table: what to set on which control of which
// window, in each language. A language whose texts are absent leaves the
// control unchanged.
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

    QString window;  // object name of the window
    QString control; // object name of the control; empty for the window itself
    Kind kind = Kind::Caption;
    int first = 0;
    std::optional<QStringList> chinese;
    std::optional<QStringList> english;
    std::array<int, 3> chineseMove{};
    std::array<int, 3> englishMove{};
};

// The whole table, window by window in the order ApplyCaptions walks them.
const std::vector<CaptionEntry> &CaptionTable();

// The order of the windows: main window, Form1..Form5, About, progress window.
const QStringList &CaptionWindowOrder();

// Sets every entry of the language on the given windows (found by object name;
// entries of a window or control that does not exist are skipped). The window
// program's part (apply_captions.cpp); the table itself needs no widgets.
void ApplyCaptions(Language language, const QList<QWidget *> &windows);

// The texts of one entry in a language (for windows that fill a list at creation).
QStringList CaptionTexts(const QString &window, const QString &control, Language language);

} // namespace q731
