#pragma once

// The commands of q731-cli. Each takes the arguments after the program name
// (the command word first) and returns the exit code.

#include "cli/console.h"

#include <QStringList>

namespace q731::cli {

int RunNew(const Console &console, const QStringList &arguments);
int RunNormalize(const Console &console, const QStringList &arguments);
int RunShow(const Console &console, const QStringList &arguments);
int RunDiff(const Console &console, const QStringList &arguments);
int RunExport(const Console &console, const QStringList &arguments);
int RunImport(const Console &console, const QStringList &arguments);
int RunReport(const Console &console, const QStringList &arguments);

int RunRead(const Console &console, const QStringList &arguments);
int RunWrite(const Console &console, const QStringList &arguments);
int RunSimulate(const Console &console, const QStringList &arguments);

} // namespace q731::cli
