#pragma once

// PORT on the command line: a device path, or a number 1..16 counted as the
// window program's port list counts it (PortTable).

#include <QString>

#include <optional>

namespace q731::cli {

struct ResolvedPort
{
    QString device; // empty when the number names no device
};

// Nothing when the text is a number outside 1..16.
std::optional<ResolvedPort> ResolvePort(const QString &text);

} // namespace q731::cli
