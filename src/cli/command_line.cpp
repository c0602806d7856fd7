#include "command_line.h"

#include "image/band_list.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace q731::cli {

CommandLine::CommandLine(const Console &console, const QString &command, const QString &description)
    : m_console(console)
    , m_command(command)
{
    m_parser.setApplicationDescription(description);
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                                          console.translate("Cli", "显示本帮助")));
    m_parser.addOption(QCommandLineOption(QStringLiteral("lang"),
                                          console.translate("Cli", "消息语言：zh 或 en"),
                                          QStringLiteral("zh|en")));
}

void CommandLine::addPositional(const QString &name, const QString &description,
                                const QString &syntax)
{
    m_parser.addPositionalArgument(name, description, syntax);
}

void CommandLine::addFlag(const QString &name, const QString &description)
{
    m_parser.addOption(QCommandLineOption(name, description));
}

void CommandLine::addValue(const QString &name, const QString &valueName,
                           const QString &description)
{
    m_parser.addOption(QCommandLineOption(name, description, valueName));
}

std::optional<int> CommandLine::parse(const QStringList &arguments, int minPositional,
                                      int maxPositional)
{
    if (!m_parser.parse(arguments))
        return UsageError(m_console, m_command, m_parser.errorText());
    if (m_parser.isSet(QStringLiteral("help"))) {
        QString help = m_parser.helpText();
        // The parser names the program only, by the file it was started from
        // ("q731-cli.exe" on Windows); the command belongs after its name.
        const QString started = QFileInfo(QCoreApplication::arguments().value(0)).fileName();
        help.replace(started + QLatin1Char(' '), QCoreApplication::applicationName() +
                                                     QLatin1Char(' ') + m_command +
                                                     QLatin1Char(' '));
        m_console.print(help);
        return ExitDone;
    }
    const auto count = m_parser.positionalArguments().size();
    if (count < minPositional)
        return UsageError(m_console, m_command, m_console.translate("Cli", "参数太少"));
    if (maxPositional >= 0 && count > maxPositional)
        return UsageError(m_console, m_command, m_console.translate("Cli", "参数太多"));
    return std::nullopt;
}

std::optional<int> NumberOption(const CommandLine &line, const QString &name, int absent,
                                int highest, int lowest)
{
    if (!line.isSet(name))
        return absent;
    bool ok = false;
    const int number = line.value(name).toInt(&ok);
    if (!ok || number < lowest || number > highest)
        return std::nullopt;
    return number;
}

std::optional<int> BandOption(const CommandLine &line, int absent)
{
    return NumberOption(line, QStringLiteral("band"), absent,
                        static_cast<int>(kBandItems.size()) - 1);
}

QString NoBandText(const Console &console)
{
    return console.translate("Cli", "频段应为 0..7");
}

int UsageError(const Console &console, const QString &command, const QString &message)
{
    // The parser's message may quote an unknown option as it was typed.
    console.error(QStringLiteral("q731-cli %1: %2").arg(command, Escaped(message)));
    console.error(console.translate("Cli", "用法见 q731-cli %1 --help").arg(command));
    return ExitUsage;
}

} // namespace q731::cli
