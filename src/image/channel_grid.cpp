#include "channel_grid.h"

#include "codec.h"
#include "text_helpers.h"
#include "texts.h"
#include "tones.h"

#include <optional>

namespace q731 {

namespace {

using namespace GridColumn;

ChannelTable::Row RowOf(int column)
{
    return static_cast<ChannelTable::Row>(column - kFirstList);
}

std::string &FrequencyOf(ChannelTable &table, int column, int n)
{
    return column == Rx ? table.rx(n) : table.tx(n);
}

bool ValidRow(int row)
{
    return row >= 1 && row <= kChannelCount;
}

std::string ItemText(const std::vector<std::string> &items, int index)
{
    if (index < 0 || index >= static_cast<int>(items.size()))
        return {};
    return items[static_cast<std::size_t>(index)];
}

int FindItem(const std::vector<std::string> &items, std::string_view text)
{
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == text)
            return static_cast<int>(i);
    }
    return -1;
}

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        if (end == std::string_view::npos) {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

// A list cell of a pasted line -> list index, or -1 when the text names no
// item. Texts of both languages are taken, and the texts a new channel shows,
// so that rows copied before a language switch paste after it.
int MatchListCell(int column, std::string_view text, const GridLists &shown)
{
    if (const int index = FindItem(shown.forColumn(column), text); index >= 0)
        return index;
    for (Language language : {Language::Chinese, Language::English}) {
        if (column <= TxTone && text == OffText(language))
            return 0;
        if (column >= kFirstOption) {
            const int index = FindItem(ChannelOptionItems(column, language), text);
            if (index >= 0)
                return index;
        }
        if (text == NewChannelCellText(column, language))
            return NewChannelIndex(column - kFirstList);
    }
    return -1;
}

// One pasted line, checked and ready to be applied.
struct PastedRow
{
    int row = 0;
    bool clear = false;
    std::string rx;
    std::optional<std::string> tx;
    std::array<std::optional<int>, ChannelTable::kRows> indexes;
    std::optional<std::string> name;
};

} // namespace

GridLists GridLists::Of(Language language)
{
    GridLists lists;
    for (int i = 0; i < kToneCount; ++i)
        lists.tones.push_back(ToneListEntry(i, language));
    for (int column = kFirstOption; column <= kLastList; ++column)
        lists.options[static_cast<std::size_t>(column - kFirstOption)] =
            ChannelOptionItems(column, language);
    return lists;
}

const std::vector<std::string> &GridLists::forColumn(int column) const
{
    static const std::vector<std::string> none;
    if (column == RxTone || column == TxTone)
        return tones;
    if (column >= kFirstOption && column <= kLastList)
        return options[static_cast<std::size_t>(column - kFirstOption)];
    return none;
}

std::string ChannelGrid::cell(int row, int column) const
{
    if (!ValidRow(row) || column < 0 || column >= kGridColumns)
        return {};
    if (column == Number)
        return std::to_string(row);
    return m_cells[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)];
}

void ChannelGrid::setCell(int row, int column, std::string text)
{
    if (!ValidRow(row) || column <= Number || column >= kGridColumns)
        return;
    m_cells[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)] = std::move(text);
}

void ChannelGrid::SetGrid(const ChannelTable &table, const GridLists &lists)
{
    for (int n = 1; n <= kChannelCount; ++n) {
        if (table.rx(n).empty()) {
            for (int column = Rx; column <= kLastList; ++column)
                setCell(n, column, {});
        } else {
            setCell(n, Rx, table.rx(n));
            setCell(n, Tx, table.tx(n));
            for (int column = kFirstList; column <= kLastList; ++column) {
                std::string text = table.text(RowOf(column), n);
                // A channel typed in has no texts of its own yet.
                if (text.empty())
                    text = ItemText(lists.forColumn(column), table.index(RowOf(column), n));
                setCell(n, column, std::move(text));
            }
        }
        setCell(n, Name, table.name(n));
    }
}

void ChannelGrid::ClearNO(ChannelTable &table, int n)
{
    if (!ValidRow(n))
        return;
    for (int column = Rx; column <= Name; ++column)
        setCell(n, column, {});
    table.ClearNO(n);
}

void ChannelGrid::ClearGrid(ChannelTable &table)
{
    for (int n = 1; n <= kChannelCount; ++n)
        ClearNO(table, n);
}

void ChannelGrid::ReadGridIntoTable(ChannelTable &table, const GridLists &shown) const
{
    for (int n = 1; n <= kChannelCount; ++n) {
        if (cell(n, Rx).empty()) {
            table.rx(n).clear();
            continue;
        }
        table.rx(n) = cell(n, Rx);
        table.tx(n) = cell(n, Tx);
        for (int column : {RxTone, TxTone}) {
            const std::string text = cell(n, column);
            if (text == OffText(Language::English) || text == OffText(Language::Chinese))
                table.index(RowOf(column), n) = 0;
        }
        for (int column = kFirstOption; column <= kLastList; ++column) {
            const int index = FindItem(shown.forColumn(column), cell(n, column));
            if (index >= 0)
                table.index(RowOf(column), n) = index;
        }
    }
}

void ChannelGrid::FillGridFromTable(const ChannelTable &table, const GridLists &lists)
{
    for (int n = 1; n <= kChannelCount; ++n) {
        if (table.rx(n).empty())
            continue;
        setCell(n, Rx, table.rx(n));
        setCell(n, Tx, table.tx(n));
        for (int column = kFirstList; column <= kLastList; ++column)
            setCell(n, column, ItemText(lists.forColumn(column), table.index(RowOf(column), n)));
    }
}

void ChannelGrid::ShowRow(const ChannelTable &table, int n, const GridLists &lists)
{
    if (!ValidRow(n))
        return;
    const bool used = !table.rx(n).empty();
    setCell(n, Rx, table.rx(n));
    setCell(n, Tx, used ? table.tx(n) : std::string());
    for (int column = kFirstList; column <= kLastList; ++column) {
        setCell(n, column,
                used ? ItemText(lists.forColumn(column), table.index(RowOf(column), n))
                     : std::string());
    }
    setCell(n, Name, table.name(n));
}

void ChannelGrid::FillNewChannel(ChannelTable &table, int row, Language language)
{
    setCell(row, Tx, cell(row, Rx));
    table.tx(row) = cell(row, Rx);
    for (int column = kFirstList; column <= kLastList; ++column) {
        setCell(row, column, std::string(NewChannelCellText(column, language)));
        table.index(RowOf(column), row) = NewChannelIndex(column - kFirstList);
    }
}

FrequencyCheck::Status ChannelGrid::CommitFrequency(ChannelTable &table, int row, int column,
                                                    std::string_view typed, int bandLowMHz,
                                                    int bandHighMHz, Language language)
{
    if (!ValidRow(row) || (column != Rx && column != Tx))
        return FrequencyCheck::NotANumber;
    FrequencyCheck check = CheckFrequency(typed, bandLowMHz, bandHighMHz);
    switch (check.status) {
    case FrequencyCheck::Empty:
        if (column == Rx)
            ClearNO(table, row);
        break;
    case FrequencyCheck::NotANumber:
    case FrequencyCheck::OutOfBand:
        break;
    case FrequencyCheck::InBand:
        setCell(row, column, check.text);
        FrequencyOf(table, column, row) = check.text;
        if (column == Rx && isEmptyRow(row))
            FillNewChannel(table, row, language);
        break;
    }
    return check.status;
}

void ChannelGrid::CommitName(ChannelTable &table, int row, std::string_view text)
{
    if (!ValidRow(row))
        return;
    std::string name = StripFillChars(text);
    table.name(row) = name;
    setCell(row, Name, std::move(name));
}

void ChannelGrid::ChooseListItem(ChannelTable &table, int row, int column, int index,
                                 std::string_view text)
{
    if (!ValidRow(row) || column < kFirstList || column > kLastList)
        return;
    setCell(row, column, std::string(text));
    table.index(RowOf(column), row) = index;
    // The tone text is what the encoder turns into bytes; the option texts
    // are kept with their index so that the table never contradicts itself.
    table.text(RowOf(column), row) = std::string(text);
}

std::string ChannelGrid::CopyRows(const std::vector<int> &rows) const
{
    std::string text;
    for (int row : rows) {
        if (!ValidRow(row))
            continue;
        for (int column = Rx; column <= Name; ++column) {
            if (column > Rx)
                text += '\t';
            text += cell(row, column);
        }
        text += '\n';
    }
    return text;
}

ChannelGrid::PasteStatus ChannelGrid::PasteRows(ChannelTable &table, int firstRow,
                                                std::string_view text, int bandLowMHz,
                                                int bandHighMHz, const GridLists &lists,
                                                Language language, int *rowsPasted)
{
    if (rowsPasted)
        *rowsPasted = 0;
    if (!ValidRow(firstRow) || text.empty())
        return PasteStatus::NotChannelRows;
    std::vector<std::string_view> lines = Split(text, '\n');
    if (lines.back().empty())
        lines.pop_back();

    std::vector<PastedRow> planned;
    bool outOfBand = false;
    for (std::size_t i = 0; i < lines.size() && firstRow + static_cast<int>(i) <= kChannelCount;
         ++i) {
        std::string_view line = lines[i];
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const std::vector<std::string_view> cells = Split(line, '\t');
        if (cells.size() > static_cast<std::size_t>(Name))
            return PasteStatus::NotChannelRows;
        auto cellOf = [&cells](int column) -> std::optional<std::string_view> {
            if (static_cast<std::size_t>(column) > cells.size())
                return std::nullopt;
            return cells[static_cast<std::size_t>(column - 1)];
        };

        PastedRow pasted;
        pasted.row = firstRow + static_cast<int>(i);
        if (auto name = cellOf(Name))
            pasted.name = FilterNameText(*name);
        const FrequencyCheck rx = CheckFrequency(*cellOf(Rx), bandLowMHz, bandHighMHz);
        if (rx.status == FrequencyCheck::Empty) {
            pasted.clear = true;
            planned.push_back(std::move(pasted));
            continue;
        }
        if (rx.status == FrequencyCheck::NotANumber)
            return PasteStatus::NotChannelRows;
        outOfBand = outOfBand || rx.status == FrequencyCheck::OutOfBand;
        pasted.rx = rx.text;
        if (auto tx = cellOf(Tx)) {
            const FrequencyCheck check = CheckFrequency(*tx, bandLowMHz, bandHighMHz);
            if (check.status == FrequencyCheck::NotANumber)
                return PasteStatus::NotChannelRows;
            outOfBand = outOfBand || check.status == FrequencyCheck::OutOfBand;
            pasted.tx = check.text;
        }
        for (int column = kFirstList; column <= kLastList; ++column) {
            const auto cellText = cellOf(column);
            if (!cellText || cellText->empty())
                continue;
            const int index = MatchListCell(column, *cellText, lists);
            if (index < 0)
                return PasteStatus::NotChannelRows;
            pasted.indexes[static_cast<std::size_t>(column - kFirstList)] = index;
        }
        planned.push_back(std::move(pasted));
    }
    if (outOfBand)
        return PasteStatus::OutOfBand;
    if (planned.empty())
        return PasteStatus::NotChannelRows;

    for (const PastedRow &pasted : planned) {
        if (pasted.clear) {
            ClearNO(table, pasted.row);
        } else {
            const bool fresh = isEmptyRow(pasted.row);
            setCell(pasted.row, Rx, pasted.rx);
            table.rx(pasted.row) = pasted.rx;
            if (fresh)
                FillNewChannel(table, pasted.row, language);
            if (pasted.tx) {
                setCell(pasted.row, Tx, *pasted.tx);
                table.tx(pasted.row) = *pasted.tx;
            }
            for (int column = kFirstList; column <= kLastList; ++column) {
                const auto &index = pasted.indexes[static_cast<std::size_t>(column - kFirstList)];
                if (index)
                    ChooseListItem(table, pasted.row, column, *index,
                                   ItemText(lists.forColumn(column), *index));
            }
        }
        if (pasted.name)
            CommitName(table, pasted.row, *pasted.name);
    }
    if (rowsPasted)
        *rowsPasted = static_cast<int>(planned.size());
    return PasteStatus::Applied;
}

} // namespace q731
