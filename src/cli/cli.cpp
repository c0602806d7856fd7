#include "cli.h"

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "session/language_store.h"
#include "session/qt_translations.h"

#include <QCoreApplication>

#include <optional>

namespace q731::cli {

namespace {

struct Command
{
    const char *name;
    int (*run)(const Console &, const QStringList &);
    const char *chinese;
    const char *english;
};

const Command kCommands[] = {
    {"read", RunRead, "read PORT FILE                 从对讲机读频并存为数据文件",
     "read PORT FILE                 read the radio and store a data file"},
    {"write", RunWrite, "write PORT... FILE             把数据文件写入一台或多台对讲机",
     "write PORT... FILE             write a data file to one or more radios"},
    {"new", RunNew, "new [--band N] FILE            写入空白数据文件（与新建相同）",
     "new [--band N] FILE            a blank data file, as New gives it"},
    {"normalize", RunNormalize, "normalize IN OUT               打开 IN 并保存为 OUT",
     "normalize IN OUT               open IN and save it as OUT"},
    {"show", RunShow, "show FILE [--json]             列出频道和设置",
     "show FILE [--json]             list the channels and the settings"},
    {"diff", RunDiff, "diff A B                       比较两个数据文件",
     "diff A B                       what differs between two data files"},
    {"export", RunExport, "export FILE CSV                频道表导出为 CSV",
     "export FILE CSV                the channel table as a CSV channel list"},
    {"import", RunImport, "import FILE CSV OUT [...]      从 CSV 导入频道",
     "import FILE CSV OUT [...]      channels from a CSV channel list"},
    {"simulate", RunSimulate, "simulate [--band N] ...        在伪终端上模拟对讲机",
     "simulate [--band N] ...        a simulated radio on a pseudo-terminal"},
    {"report", RunReport, "report FILE OUT.pdf            打印报表存为 PDF",
     "report FILE OUT.pdf            the print report as a PDF"},
};

// --lang is looked for before the command is parsed, so that even the
// messages about a bad command line are in the chosen language.
std::optional<QString> LanguageArgument(const QStringList &arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (a == QLatin1String("--"))
            break;
        if (a == QLatin1String("--lang") || a == QLatin1String("-lang"))
            return i + 1 < arguments.size() ? arguments[i + 1] : QString();
        for (const QLatin1String prefix : {QLatin1String("--lang="), QLatin1String("-lang=")}) {
            if (a.startsWith(prefix))
                return a.mid(prefix.size());
        }
    }
    return std::nullopt;
}

QString Overview(const Console &console)
{
    QString text = console.tr("用法：q731-cli 命令 [参数] [--lang zh|en]\n\n命令：\n",
                              "Usage: q731-cli COMMAND [arguments] [--lang zh|en]\n\nCommands:\n");
    for (const Command &command : kCommands)
        text += QStringLiteral("  ") +
                QString::fromUtf8(console.language() == Language::English ? command.english
                                                                          : command.chinese) +
                QLatin1Char('\n');
    text += console.tr("\n各命令的帮助：q731-cli 命令 --help\n"
                       "PORT 为设备路径（/dev/ttyUSB0、COM3）或端口号 1..16。\n",
                       "\nHelp on a command: q731-cli COMMAND --help\n"
                       "PORT is a device path (/dev/ttyUSB0, COM3) or a port number 1..16.\n");
    return text;
}

} // namespace

int Run(const QStringList &arguments)
{
    UserLanguageStore store;
    Language language = ReadStoredLanguage(store);
    const std::optional<QString> chosen = LanguageArgument(arguments);
    if (chosen) {
        if (*chosen == QLatin1String("en")) {
            language = Language::English;
        } else if (*chosen == QLatin1String("zh")) {
            language = Language::Chinese;
        } else {
            const Console console(language);
            console.error(
                console.tr("q731-cli：--lang 只能是 zh 或 en", "q731-cli: --lang takes zh or en"));
            return ExitUsage;
        }
    }
    const Console console(language);
    // QCommandLineParser's own words ("Usage:", "Options:") follow too.
    ApplyQtTranslations(language);

    const QStringList words = CommandWords(arguments);
    const QString word = words.size() > 1 ? words[1] : QString();
    if (word == QLatin1String("--help") || word == QLatin1String("-h") ||
        word == QLatin1String("help")) {
        console.print(Overview(console));
        return ExitDone;
    }
    if (word == QLatin1String("--version")) {
        console.printLine(QStringLiteral("q731-cli ") + QCoreApplication::applicationVersion());
        return ExitDone;
    }
    for (const Command &command : kCommands) {
        if (word == QLatin1String(command.name))
            return command.run(console, words.mid(1));
    }
    if (word.isEmpty() || word.startsWith(QLatin1Char('-')))
        console.status(Overview(console));
    else
        console.error(
            console.tr("q731-cli：没有命令 \"%1\"", "q731-cli: there is no command \"%1\"")
                .arg(ShortEscaped(word)));
    return ExitUsage;
}

QStringList CommandWords(const QStringList &arguments)
{
    // "q731-cli --lang en show FILE": the option goes behind the command word.
    QStringList words = arguments;
    if (words.size() > 1 &&
        (words[1] == QLatin1String("--lang") || words[1] == QLatin1String("-lang"))) {
        const QStringList option = words.mid(1, 2);
        words.remove(1, option.size());
        words << option;
    } else if (words.size() > 1 && words[1].startsWith(QLatin1String("--lang="))) {
        words << words.takeAt(1);
    }
    return words;
}

} // namespace q731::cli
