#pragma once

#include <QStringList>

namespace q731::cli {

// The whole program: picks the language, then the command, and returns the
// exit code. `arguments` includes the program name.
int Run(const QStringList &arguments);

// The arguments with a leading --lang moved behind the command word, so that
// the command word is the second.
QStringList CommandWords(const QStringList &arguments);

} // namespace q731::cli
