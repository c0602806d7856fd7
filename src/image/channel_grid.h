#pragma once

// The channel grid as plain cell texts, and every rule by which an edit of a
// cell reaches both the grid and the ChannelTable. The grid keeps its own
// texts: they are what the user sees and they may differ from the list items
// (a new channel's bandwidth cell reads "Wide", the list item "wide").

#include "entry_rules.h"
#include "language.h"
#include "records.h"

#include <array>
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

// The item texts of the grid's drop-down lists as they are shown: the tone
// list (265 entries) and the six option lists of columns 5..10.
struct GridLists
{
    std::vector<std::string> tones;
    std::array<std::vector<std::string>, 6> options;

    // The lists of a language as the program defines them.
    static GridLists Of(Language language);
    // The list behind grid column 3..10; empty for any other column.
    const std::vector<std::string> &forColumn(int column) const;
};

class ChannelGrid
{
public:
    // Column 0 holds the channel number; row 0 and other rows hold nothing here.
    std::string cell(int row, int column) const;

    // A row that has held no channel since it was last cleared: its receive
    // tone cell is empty (every channel shows a tone text there).
    bool isEmptyRow(int row) const { return cell(row, GridColumn::RxTone).empty(); }

    // Table -> cells after the table was replaced (decode, New, band change):
    // a channel with a receive frequency shows its frequencies and the texts
    // that go with its list indexes; every row shows its name.
    void SetGrid(const ChannelTable &table, const GridLists &lists);

    // Empties channel n in grid and table; the channel number stays.
    void clearChannel(ChannelTable &table, int n);
    void ClearGrid(ChannelTable &table);

    // Grid texts -> table, matching list cells against the lists still shown.
    void ReadGridIntoTable(ChannelTable &table, const GridLists &shown) const;
    // Table -> grid texts in the lists now in force (language switch).
    void FillGridFromTable(const ChannelTable &table, const GridLists &lists);
    // Channel n as the table holds it, its list cells in the texts of `lists`
    // (a channel put back by undo or redo, whatever language it was made in).
    void ShowRow(const ChannelTable &table, int n, const GridLists &lists);

    // The frequency box of cell (row, column 1 or 2) lost the focus with `typed`.
    // OutOfBand leaves grid and table unchanged; the caller tells the user.
    FrequencyCheck::Status CommitFrequency(ChannelTable &table, int row, int column,
                                           std::string_view typed, int bandLowMHz, int bandHighMHz,
                                           Language language);
    // The name box of row `row` holds `text`.
    void CommitName(ChannelTable &table, int row, std::string_view text);
    // Item `index` with text `text` was chosen from the list of column 3..10.
    void ChooseListItem(ChannelTable &table, int row, int column, int index, std::string_view text);

    // Columns 1..11 of the given rows, one line per row, tab-separated: what
    // a spreadsheet takes. A name cell is written as it is.
    std::string CopyRows(const std::vector<int> &rows) const;
    // The same rows in the program's own clipboard form: every value of the
    // table and every cell exactly, names of any byte and up to 8 characters
    // included, so that a paste within the program gives them back unchanged.
    std::string CopyRowsExact(const ChannelTable &table, const std::vector<int> &rows,
                              Language language) const;

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
    // keeps the channel's value (the defaults for a new channel).
    PasteResult PasteRows(ChannelTable &table, int firstRow, std::string_view text, int bandLowMHz,
                          int bandHighMHz, const GridLists &lists, Language language);
    // Rows in the form CopyRowsExact writes, byte for byte as they were copied.
    // Only what the radio could not take is refused: a frequency outside the
    // band in force now, a name longer than a name slot. Cells copied in
    // another language show in the lists of `lists`.
    PasteResult PasteRowsExact(ChannelTable &table, int firstRow, std::string_view exact,
                               int bandLowMHz, int bandHighMHz, const GridLists &lists,
                               Language language);

private:
    void setCell(int row, int column, std::string text);
    void FillNewChannel(ChannelTable &table, int row, Language language);

    std::array<std::array<std::string, kGridColumns>, kChannelCount> m_cells;
};

} // namespace q731
