#include "channel_grid.h"

#include "codec.h"
#include "text_helpers.h"
#include "texts.h"
#include "tones.h"

#include <optional>
#include <string>

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
// item. Texts of every language are taken, the one shown first, and the texts
// a new channel shows, so that rows copied before a language switch paste
// after it.
int MatchListCell(int column, std::string_view text, std::span<const GridLists> lists)
{
    for (const GridLists &language : lists) {
        if (const int index = FindItem(language.forColumn(column), text); index >= 0)
            return index;
    }
    for (const GridLists &language : lists) {
        if (text == language.newChannelCell(column))
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

// The lines of a paste, CR LF or LF ended; blank lines at the end are no rows.
std::vector<std::string_view> PastedLines(std::string_view text)
{
    std::vector<std::string_view> lines = Split(text, '\n');
    for (std::string_view &line : lines) {
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
    }
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}

// The program's own clipboard form: a header line with the language the
// rows were copied in, then per row its fields, tab-separated, each with
// '%', tabs, line ends and other control bytes written as %HH.
constexpr std::string_view kExactHeader = "Q731 channel rows 1";

std::string Escaped(std::string_view value)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string escaped;
    for (char c : value) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x20 || code == 0x7F || c == '%') {
            escaped += '%';
            escaped += kHex[code >> 4];
            escaped += kHex[code & 0x0F];
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::optional<std::string> Unescaped(std::string_view field)
{
    const auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    };
    std::string value;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '%') {
            value += field[i];
            continue;
        }
        if (i + 2 >= field.size())
            return std::nullopt;
        const int high = digit(field[i + 1]);
        const int low = digit(field[i + 2]);
        if (high < 0 || low < 0)
            return std::nullopt;
        value += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return value;
}

// One row of the program's own form.
struct ExactRow
{
    std::string rx;
    std::string tx;
    std::array<int, ChannelTable::kRows> indexes{};
    std::array<std::string, ChannelTable::kRows> texts; // read, not used
    std::array<std::string, ChannelTable::kRows> cells; // grid columns 3..10
    std::string name;
};

std::optional<ExactRow> ReadExactRow(std::string_view line)
{
    const std::vector<std::string_view> parts = Split(line, '\t');
    constexpr std::size_t kFields = 2 + 3 * ChannelTable::kRows + 1;
    if (parts.size() != kFields)
        return std::nullopt;
    std::vector<std::string> fields;
    for (std::string_view part : parts) {
        std::optional<std::string> field = Unescaped(part);
        if (!field)
            return std::nullopt;
        fields.push_back(std::move(*field));
    }
    ExactRow row;
    std::size_t at = 0;
    row.rx = fields[at++];
    row.tx = fields[at++];
    for (int &index : row.indexes) {
        const std::string &digits = fields[at++];
        if (digits.empty() || digits.size() > 3 ||
            digits.find_first_not_of("0123456789") != std::string::npos)
            return std::nullopt;
        index = std::stoi(digits);
    }
    for (std::string &text : row.texts)
        text = fields[at++];
    for (std::string &cell : row.cells)
        cell = fields[at++];
    row.name = fields[at++];
    return row;
}

// The paste refused at line `index` (0-based) of what was pasted at `firstRow`.
ChannelGrid::PasteResult Refusal(ChannelGrid::PasteResult result,
                                 ChannelGrid::PasteResult::Status status, std::size_t index,
                                 int firstRow, int column, std::string_view value)
{
    result.status = status;
    result.line = static_cast<int>(index) + 1;
    result.channel = firstRow + static_cast<int>(index);
    result.column = column;
    result.value = std::string(value);
    return result;
}

} // namespace

std::string ChannelGrid::cell(const ChannelTable &table, int row, int column,
                              const GridLists &lists) const
{
    if (!ValidRow(row) || column < 0 || column >= kGridColumns)
        return {};
    const bool used = !table.rx(row).empty();
    switch (column) {
    case Number:
        return std::to_string(row);
    case Rx:
        return table.rx(row);
    case Tx:
        return used ? table.tx(row) : std::string();
    case Name:
        return table.name(row);
    default:
        break;
    }
    if (!used)
        return {};
    const int listRow = column - kFirstList;
    const int index = table.index(RowOf(column), row);
    if (m_newChannelTexts[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(listRow)] &&
        index == NewChannelIndex(listRow))
        return lists.newChannelCell(column);
    return lists.item(listRow, index);
}

void ChannelGrid::SetGrid()
{
    for (auto &row : m_newChannelTexts)
        row.fill(false);
}

void ChannelGrid::clearChannel(ChannelTable &table, int n)
{
    if (!ValidRow(n))
        return;
    ShowRow(n);
    table.clearChannel(n);
}

void ChannelGrid::ClearGrid(ChannelTable &table)
{
    for (int n = 1; n <= kChannelCount; ++n)
        clearChannel(table, n);
}

void ChannelGrid::LanguageSwitched()
{
    SetGrid();
}

void ChannelGrid::ShowRow(int n)
{
    if (ValidRow(n))
        m_newChannelTexts[static_cast<std::size_t>(n - 1)].fill(false);
}

void ChannelGrid::FillNewChannel(ChannelTable &table, int row)
{
    table.tx(row) = table.rx(row);
    for (int listRow = 0; listRow < ChannelTable::kRows; ++listRow)
        table.index(static_cast<ChannelTable::Row>(listRow), row) = NewChannelIndex(listRow);
    m_newChannelTexts[static_cast<std::size_t>(row - 1)].fill(true);
}

FrequencyCheck::Status ChannelGrid::CommitFrequency(ChannelTable &table, int row, int column,
                                                    std::string_view typed, int bandLowMHz,
                                                    int bandHighMHz)
{
    if (!ValidRow(row) || (column != Rx && column != Tx))
        return FrequencyCheck::NotANumber;
    FrequencyCheck check = CheckFrequency(typed, bandLowMHz, bandHighMHz);
    switch (check.status) {
    case FrequencyCheck::Empty:
        if (column == Rx)
            clearChannel(table, row);
        break;
    case FrequencyCheck::NotANumber:
    case FrequencyCheck::OutOfBand:
        break;
    case FrequencyCheck::InBand: {
        const bool fresh = isEmptyRow(table, row);
        FrequencyOf(table, column, row) = check.text;
        if (column == Rx && fresh)
            FillNewChannel(table, row);
        break;
    }
    }
    return check.status;
}

void ChannelGrid::CommitName(ChannelTable &table, int row, std::string_view text)
{
    if (!ValidRow(row))
        return;
    table.name(row) = StripFillChars(text);
}

void ChannelGrid::ChooseListItem(ChannelTable &table, int row, int column, int index)
{
    if (!ValidRow(row) || column < kFirstList || column > kLastList)
        return;
    table.index(RowOf(column), row) = index;
    m_newChannelTexts[static_cast<std::size_t>(row - 1)]
                     [static_cast<std::size_t>(column - kFirstList)] = false;
}

std::string ChannelGrid::CopyRows(const ChannelTable &table, const std::vector<int> &rows,
                                  const GridLists &lists) const
{
    std::string text;
    for (int row : rows) {
        if (!ValidRow(row))
            continue;
        for (int column = Rx; column <= Name; ++column) {
            if (column > Rx)
                text += '\t';
            text += cell(table, row, column, lists);
        }
        text += '\n';
    }
    return text;
}

std::string ChannelGrid::CopyRowsExact(const ChannelTable &table, const std::vector<int> &rows,
                                       const GridLists &lists, Language language) const
{
    std::string exact(kExactHeader);
    exact += '\t';
    exact += std::to_string(static_cast<int>(language));
    exact += '\n';
    for (int row : rows) {
        if (!ValidRow(row))
            continue;
        std::vector<std::string> fields = {table.rx(row), table.tx(row)};
        for (int r = 0; r < ChannelTable::kRows; ++r)
            fields.push_back(std::to_string(table.index(static_cast<ChannelTable::Row>(r), row)));
        // Each entry's text in the language of the copy too: a copy of the
        // program that still keeps texts in its records reads them back.
        for (int r = 0; r < ChannelTable::kRows; ++r)
            fields.push_back(lists.item(r, table.index(static_cast<ChannelTable::Row>(r), row)));
        for (int column = kFirstList; column <= kLastList; ++column)
            fields.push_back(cell(table, row, column, lists));
        fields.push_back(table.name(row));
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i > 0)
                exact += '\t';
            exact += Escaped(fields[i]);
        }
        exact += '\n';
    }
    return exact;
}

ChannelGrid::PasteResult ChannelGrid::PasteRows(ChannelTable &table, int firstRow,
                                                std::string_view text, int bandLowMHz,
                                                int bandHighMHz, std::span<const GridLists> lists)
{
    PasteResult result;
    const std::vector<std::string_view> lines = PastedLines(text);
    result.lines = static_cast<int>(lines.size());
    if (!ValidRow(firstRow) || lines.empty())
        return result;

    std::vector<PastedRow> planned;
    std::optional<PasteResult> outOfRange;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto refused = [&](PasteResult::Status status, int column, std::string_view value) {
            return Refusal(result, status, i, firstRow, column, value);
        };
        const std::vector<std::string_view> cells = Split(lines[i], '\t');
        if (cells.size() > static_cast<std::size_t>(Name))
            return refused(PasteResult::NotAChannelRow, Number, lines[i]);
        auto cellOf = [&cells](int column) -> std::optional<std::string_view> {
            if (static_cast<std::size_t>(column) > cells.size())
                return std::nullopt;
            return cells[static_cast<std::size_t>(column - 1)];
        };

        PastedRow pasted;
        pasted.row = firstRow + static_cast<int>(i);
        if (auto name = cellOf(Name))
            pasted.name = FilterNameText(*name);
        for (int column : {Rx, Tx}) {
            const auto frequency = cellOf(column);
            if (!frequency)
                continue;
            const FrequencyCheck check = CheckFrequency(*frequency, bandLowMHz, bandHighMHz);
            if (check.status == FrequencyCheck::NotANumber)
                return refused(PasteResult::NotAChannelRow, column, *frequency);
            if (check.status == FrequencyCheck::OutOfBand && !outOfRange)
                outOfRange = refused(PasteResult::OutOfBand, column, *frequency);
            if (column == Rx) {
                pasted.clear = check.status == FrequencyCheck::Empty;
                pasted.rx = check.text;
            } else if (check.status != FrequencyCheck::Empty) {
                pasted.tx = check.text;
            }
            // An empty receive cell empties the channel: the rest of the line is not read.
            if (pasted.clear)
                break;
        }
        for (int column = kFirstList; column <= kLastList && !pasted.clear; ++column) {
            const auto cellText = cellOf(column);
            if (!cellText || cellText->empty())
                continue;
            const int index = MatchListCell(column, *cellText, lists);
            if (index < 0)
                return refused(PasteResult::NotAChannelRow, column, *cellText);
            pasted.indexes[static_cast<std::size_t>(column - kFirstList)] = index;
        }
        planned.push_back(std::move(pasted));
    }
    if (const int beyond = firstRow + result.lines - 1 - kChannelCount; beyond > 0) {
        result.status = PasteResult::DoesNotFit;
        result.count = beyond;
        result.channel = firstRow;
        return result;
    }
    if (outOfRange)
        return *outOfRange;

    for (const PastedRow &pasted : planned) {
        if (pasted.clear) {
            clearChannel(table, pasted.row);
        } else {
            const bool fresh = isEmptyRow(table, pasted.row);
            table.rx(pasted.row) = pasted.rx;
            if (fresh)
                FillNewChannel(table, pasted.row);
            if (pasted.tx)
                table.tx(pasted.row) = *pasted.tx;
            for (int column = kFirstList; column <= kLastList; ++column) {
                const auto &index = pasted.indexes[static_cast<std::size_t>(column - kFirstList)];
                if (index)
                    ChooseListItem(table, pasted.row, column, *index);
            }
        }
        if (pasted.name)
            CommitName(table, pasted.row, *pasted.name);
    }
    result.status = PasteResult::Applied;
    result.count = static_cast<int>(planned.size());
    return result;
}

ChannelGrid::PasteResult ChannelGrid::PasteRowsExact(ChannelTable &table, int firstRow,
                                                     std::string_view exact, int bandLowMHz,
                                                     int bandHighMHz, const GridLists &lists,
                                                     Language language)
{
    PasteResult result;
    std::vector<std::string_view> lines = PastedLines(exact);
    std::optional<Language> copiedIn;
    if (!lines.empty()) {
        const std::vector<std::string_view> header = Split(lines.front(), '\t');
        if (header.size() == 2 && header[0] == kExactHeader &&
            (header[1] == "0" || header[1] == "1"))
            copiedIn = header[1] == "1" ? Language::English : Language::Chinese;
        lines.erase(lines.begin());
    }
    result.lines = static_cast<int>(lines.size());
    if (!ValidRow(firstRow) || lines.empty())
        return result;

    std::vector<ExactRow> planned;
    std::optional<PasteResult> outOfRange;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto refused = [&](PasteResult::Status status, int column, std::string_view value) {
            return Refusal(result, status, i, firstRow, column, value);
        };
        const std::optional<ExactRow> row = ReadExactRow(lines[i]);
        if (!copiedIn || !row)
            return refused(PasteResult::Damaged, Number, lines[i]);
        if (!row->rx.empty()) {
            for (int column : {Rx, Tx}) {
                const std::string &frequency = column == Rx ? row->rx : row->tx;
                const FrequencyCheck check = CheckFrequency(frequency, bandLowMHz, bandHighMHz);
                if (check.status == FrequencyCheck::NotANumber)
                    return refused(PasteResult::Damaged, column, frequency);
                if (check.status == FrequencyCheck::OutOfBand && !outOfRange)
                    outOfRange = refused(PasteResult::OutOfBand, column, frequency);
            }
        }
        for (int column = kFirstList; column <= kLastList; ++column) {
            const int index = row->indexes[static_cast<std::size_t>(column - kFirstList)];
            if (ItemText(lists.forColumn(column), index).empty())
                return refused(PasteResult::Damaged, column, std::to_string(index));
        }
        const std::string slot = Utf8ToLatin1(row->name);
        if (slot.size() > kStoredNameLength || Latin1ToUtf8(slot) != row->name) {
            if (!outOfRange)
                outOfRange = refused(PasteResult::NameTooLong, Name, row->name);
        }
        planned.push_back(*row);
    }
    if (const int beyond = firstRow + result.lines - 1 - kChannelCount; beyond > 0) {
        result.status = PasteResult::DoesNotFit;
        result.count = beyond;
        result.channel = firstRow;
        return result;
    }
    if (outOfRange)
        return *outOfRange;

    for (std::size_t i = 0; i < planned.size(); ++i) {
        const ExactRow &row = planned[i];
        const int n = firstRow + static_cast<int>(i);
        table.rx(n) = row.rx;
        table.tx(n) = row.tx;
        for (int r = 0; r < ChannelTable::kRows; ++r)
            table.index(static_cast<ChannelTable::Row>(r), n) =
                row.indexes[static_cast<std::size_t>(r)];
        table.name(n) = row.name;
        ShowRow(n);
        // A new channel's texts as they were copied, where they still say the
        // same in the language in force ("Wide" against the list's "wide").
        for (int column = kFirstList; column <= kLastList && !row.rx.empty(); ++column) {
            const std::string &copied = row.cells[static_cast<std::size_t>(column - kFirstList)];
            const int index = row.indexes[static_cast<std::size_t>(column - kFirstList)];
            if (copiedIn == language && copied == lists.newChannelCell(column) &&
                index == NewChannelIndex(column - kFirstList))
                m_newChannelTexts[static_cast<std::size_t>(n - 1)]
                                 [static_cast<std::size_t>(column - kFirstList)] = true;
        }
    }
    result.status = PasteResult::Applied;
    result.count = static_cast<int>(planned.size());
    return result;
}

} // namespace q731
