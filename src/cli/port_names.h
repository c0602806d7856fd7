#pragma once

// PORT on the command line: a device path, or a number 1..16 counted as the
// window program's port list counts it.

#include <QString>
#include <QStringList>

#include <optional>

namespace q731::cli {

inline constexpr int kPortNumbers = 16;

// The devices behind the numbers 1, 2, ...: Q731_PORTS (colon-separated) when
// set, else the system's serial devices, USB adapters first, each group
// sorted by name. (On Windows number N is COMN.)
QStringList PortTable();

struct ResolvedPort
{
    QString device; // empty when the number names no device
    bool isNumber = false;
};

// Nothing when the text is a number outside 1..16.
std::optional<ResolvedPort> ResolvePort(const QString &text);

} // namespace q731::cli
