#pragma once

#include <QStringList>

namespace q731::cli {

// The whole program: picks the language, then the command, and returns the
// exit code. `arguments` includes the program name.
int Run(const QStringList &arguments);

} // namespace q731::cli
