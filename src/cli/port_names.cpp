#include "port_names.h"

#include "link/port_table.h"

namespace q731::cli {

std::optional<ResolvedPort> ResolvePort(const QString &text)
{
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    if (!isNumber)
        return ResolvedPort{text};
    if (number < 1 || number > PortTable::kPortCount)
        return std::nullopt;
    return ResolvedPort{PortTable::current().deviceOf(number)};
}

} // namespace q731::cli
