#include "port_names.h"

#include "link/port_table.h"

#include <algorithm>

namespace q731::cli {

namespace {

bool IsWholeNumber(QStringView text)
{
    if (text.startsWith(QLatin1Char('+')) || text.startsWith(QLatin1Char('-')))
        text = text.mid(1);
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
}

} // namespace

std::optional<ResolvedPort> ResolvePort(const QString &text)
{
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    // Digits too many for a number are still a number outside 1..16, not a path.
    if (!isNumber && !IsWholeNumber(text))
        return ResolvedPort{text};
    if (number < 1 || number > PortTable::kPortCount)
        return std::nullopt;
    return ResolvedPort{PortTable::current().deviceOf(number)};
}

} // namespace q731::cli
