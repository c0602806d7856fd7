#pragma once

// The channel grid's cells as texts made from the ChannelTable, and every rule
// by which an edit of a cell reaches the table. The grid keeps no texts: only
// which cells of a new channel still show the texts it was given, which may
// differ from the list items (a new channel's bandwidth cell reads "Wide", the
// list item "wide").

#include "entry_rules.h"
#include "language.h"
#include "records.h"
#include "texts.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace q731 {

// Grid rows are 0 (titles) and 1..128 (channel n); columns 0..11.
inline constexpr int kGridRows = kChannelCount + 1;
inline constexpr int kGridColumns = 12;

namespace GridColumn {
enum : int {
    Number = 0,
    Rx = 1,
    Tx = 2,
    RxTone = 3,
    TxTone = 4,
    Power = 5,
    BusyLock = 6,
    ScanAdd = 7,
    Bandwidth = 8,
    TxStop = 9,
    Scramble = 10,
    Name = 11,
};
inline constexpr int kFirstList = RxTone;
inline constexpr int kFirstOption = Power;
inline constexpr int kLastList = Scramble;
} // namespace GridColumn

class ChannelGrid
{
public:
    // What cell (row, column) shows with the lists of the language in force:
    // column 0 the channel number, the others the table's values. A row
    // without a receive frequency shows only its number and name.
    std::string cell(const ChannelTable &table, int row, int column, const GridLists &lists) const;

    // A row that holds no channel: its receive frequency is empty.
    static bool isEmptyRow(const ChannelTable &table, int row) { return table.rx(row).empty(); }

    // The table was replaced (decode, New, band change): every cell shows its
    // list item.
    void SetGrid();

    // Empties channel n in the table; the channel number stays.
    void clearChannel(ChannelTable &table, int n);
    void ClearGrid(ChannelTable &table);

    // The language changed: every list cell shows its item in the new
    // language, also where a new channel showed its own text, which does not
    // come back ("Wide" becomes "宽带", and "wide" on the way back).
    void LanguageSwitched();
    // Channel n was put back by undo or redo: its list cells show their items.
    void ShowRow(int n);

    // The frequency box of cell (row, column 1 or 2) lost the focus with `typed`.
    // OutOfBand leaves the table unchanged; the caller tells the user.
    FrequencyCheck::Status CommitFrequency(ChannelTable &table, int row, int column,
                                           std::string_view typed, int bandLowMHz, int bandHighMHz);
    // The name box of row `row` holds `text`.
    void CommitName(ChannelTable &table, int row, std::string_view text);
    // Item `index` was chosen from the list of column 3..10.
    void ChooseListItem(ChannelTable &table, int row, int column, int index);

    // Columns 1..11 of the given rows as `lists` show them, one line per
    // row, tab-separated: what a spreadsheet takes. A name cell is written as
    // it is.
    std::string CopyRows(const ChannelTable &table, const std::vector<int> &rows,
                         const GridLists &lists) const;
    // The same rows in the program's own clipboard form: every value of the
    // table and every cell exactly, names of any byte and up to 8 characters
    // included, so that a paste within the program gives them back unchanged.
    // The rows are marked as copied in `language`, whose lists are `lists`.
    std::string CopyRowsExact(const ChannelTable &table, const std::vector<int> &rows,
                              const GridLists &lists, Language language) const;

    // What a paste did, or why it changed nothing and where.
    struct PasteResult
    {
        enum Status {
            Applied,
            NoRows,         // nothing but blank lines (or nothing at all)
            NotAChannelRow, // line `line` is no channel row (`column` 0: too many cells)
            DoesNotFit,     // `count` of the `lines` rows would go beyond channel 128
            OutOfBand,      // the frequency `value` of `column` lies outside the band
            NameTooLong,    // the name `value` does not fit a name slot (8 characters)
            Damaged,        // a row of the program's own form that it never writes
        };
        Status status = NoRows;
        int count = 0;   // Applied: rows pasted; DoesNotFit: rows beyond channel 128
        int lines = 0;   // rows on the clipboard
        int line = 0;    // the refused row, from 1
        int channel = 0; // the channel it was bound for
        int column = 0;  // grid column of the refused value
        std::string value;
    };
    // Lines of tab-separated cells (as CopyRows writes or a spreadsheet copies)
    // onto rows firstRow, firstRow + 1, ... Every value is checked the way a
    // typed one is. Nothing at all is changed when a line is refused or when
    // the lines would go beyond channel 128. A missing or empty list cell
    // keeps the channel's value (the defaults for a new channel). A list
    // cell may name its item in any language: `lists` holds the lists of
    // every language, the one shown first.
    PasteResult PasteRows(ChannelTable &table, int firstRow, std::string_view text, int bandLowMHz,
                          int bandHighMHz, std::span<const GridLists> lists);
    // Rows in the form CopyRowsExact writes, byte for byte as they were copied.
    // Only what the radio could not take is refused: a frequency outside the
    // band in force now, a name longer than a name slot. A new channel's own
    // texts come back only when they were copied in `language`, the one in
    // force, whose lists are `lists`.
    PasteResult PasteRowsExact(ChannelTable &table, int firstRow, std::string_view exact,
                               int bandLowMHz, int bandHighMHz, const GridLists &lists,
                               Language language);

private:
    void FillNewChannel(ChannelTable &table, int row);

    // The list cells of a new channel show the texts it was given
    // (GridLists::newChannelCell), which differ from the list items in places, while
    // they hold the new channel's value: until an item is chosen, the table is
    // shown anew or the language changes.
    std::array<std::array<bool, ChannelTable::kRows>, kChannelCount> m_newChannelTexts{};
};

} // namespace q731
