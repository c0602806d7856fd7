#pragma once

// The per-command argument parser: QCommandLineParser with the options every
// command takes (--lang, --help) and messages in the console's language.

#include "cli/console.h"

#include <QCommandLineParser>
#include <QStringList>

#include <climits>
#include <optional>

namespace q731::cli {

class CommandLine
{
public:
    CommandLine(const Console &console, const QString &command, const QString &description);

    QCommandLineParser &parser() { return m_parser; }
    void addPositional(const QString &name, const QString &description, const QString &syntax = {});
    void addFlag(const QString &name, const QString &description);
    void addValue(const QString &name, const QString &valueName, const QString &description);

    // Nothing when the command should run; otherwise the exit code to end
    // with (the help was shown, or a usage error was reported).
    // maxPositional < 0: no upper limit.
    std::optional<int> parse(const QStringList &arguments, int minPositional, int maxPositional);

    QStringList positional() const { return m_parser.positionalArguments(); }
    bool isSet(const QString &name) const { return m_parser.isSet(name); }
    QString value(const QString &name) const { return m_parser.value(name); }

private:
    const Console &m_console;
    QString m_command;
    QCommandLineParser m_parser;
};

// The number given with option `name`, `absent` when the option is not given;
// nothing when the text is no whole number within lowest..highest.
std::optional<int> NumberOption(const CommandLine &line, const QString &name, int absent,
                                int highest = INT_MAX, int lowest = 0);

// The band given with --band N, `absent` when the option is not given;
// nothing when N is no band of the list.
std::optional<int> BandOption(const CommandLine &line, int absent);
// Why BandOption gave nothing.
QString NoBandText(const Console &console);

// Reports a usage error with a pointer to the command's help; returns ExitUsage.
int UsageError(const Console &console, const QString &command, const QString &message);

} // namespace q731::cli
