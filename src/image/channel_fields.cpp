#include "channel_fields.h"

#include "texts.h"
#include "tones.h"

namespace q731 {

namespace {

using Kind = ChannelField::Kind;
using Row = ChannelTable::Row;

const std::string &FrequencyOf(const ChannelField &field, const ChannelTable &table, int n)
{
    return field.row == 0 ? table.rx(n) : table.tx(n);
}

// The tone's entry, or nothing for off and for a code outside the list.
std::string ToneOf(const ChannelField &field, const ChannelTable &table, int n)
{
    return ToneListEntry(table.index(static_cast<Row>(field.row), n));
}

} // namespace

std::string ChannelFieldText(const ChannelField &field, const ChannelTable &table, int n,
                             const GridLists &lists)
{
    if (field.kind == Kind::Number)
        return std::to_string(n);
    if (field.kind == Kind::Name)
        return table.name(n);
    if (table.rx(n).empty())
        return {};
    switch (field.kind) {
    case Kind::Frequency:
        return FrequencyOf(field, table, n);
    case Kind::Tone: {
        const std::string tone = ToneOf(field, table, n);
        return tone.empty() ? lists.tones.front() : tone;
    }
    case Kind::Option: {
        const int index = table.index(static_cast<Row>(field.row), n);
        const std::vector<std::string> &items = lists.forColumn(field.row + 3);
        if (index < 0 || index >= static_cast<int>(items.size()))
            return std::to_string(index);
        return items[static_cast<std::size_t>(index)];
    }
    case Kind::Number:
    case Kind::Name:
        break;
    }
    return {};
}

ChannelFieldValue ChannelFieldJson(const ChannelField &field, const ChannelTable &table, int n)
{
    using Value = ChannelFieldValue;
    const auto text = [](std::string s) {
        return s.empty() ? Value{} : Value{Value::Text, false, 0, std::move(s)};
    };
    switch (field.kind) {
    case Kind::Number:
        return {Value::Integer, false, n, {}};
    case Kind::Name:
        return {Value::Text, false, 0, table.name(n)};
    case Kind::Frequency:
        return text(FrequencyOf(field, table, n));
    case Kind::Tone:
        return text(ToneOf(field, table, n));
    case Kind::Option: {
        const int index = table.index(static_cast<Row>(field.row), n);
        if (field.onIndex >= 0)
            return {Value::Bool, index == field.onIndex, 0, {}};
        const bool listed = index >= 0 && index < static_cast<int>(field.jsonWords.size());
        return {Value::Text, false, 0,
                std::string(listed ? field.jsonWords[static_cast<std::size_t>(index)] : "")};
    }
    }
    return {};
}

bool IsCsvWordOf(const ChannelField::CsvWords &words, std::string_view word)
{
    std::string_view rest = words.read;
    while (!rest.empty()) {
        const std::size_t bar = rest.find('|');
        if (rest.substr(0, bar) == word)
            return true;
        rest = bar == std::string_view::npos ? std::string_view{} : rest.substr(bar + 1);
    }
    return false;
}

} // namespace q731
