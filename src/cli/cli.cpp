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
    const char *summary; // marked for translation in context "Cli"
};

const Command kCommands[] = {
    {"read", RunRead,
     QT_TRANSLATE_NOOP("Cli", "read PORT FILE                 从对讲机读频并存为数据文件")},
    {"write", RunWrite,
     QT_TRANSLATE_NOOP("Cli", "write PORT... FILE             把数据文件写入一台或多台对讲机")},
    {"new", RunNew,
     QT_TRANSLATE_NOOP("Cli", "new [--band N] FILE            写入空白数据文件（与新建相同）")},
    {"normalize", RunNormalize,
     QT_TRANSLATE_NOOP("Cli", "normalize IN OUT               打开 IN 并保存为 OUT")},
    {"show", RunShow, QT_TRANSLATE_NOOP("Cli", "show FILE [--json]             列出频道和设置")},
    {"diff", RunDiff, QT_TRANSLATE_NOOP("Cli", "diff A B                       比较两个数据文件")},
    {"export", RunExport,
     QT_TRANSLATE_NOOP("Cli", "export FILE CSV                频道表导出为 CSV")},
    {"import", RunImport,
     QT_TRANSLATE_NOOP("Cli", "import FILE CSV OUT [...]      从 CSV 导入频道")},
    {"simulate", RunSimulate,
     QT_TRANSLATE_NOOP("Cli", "simulate [--band N] ...        在伪终端上模拟对讲机")},
    {"report", RunReport,
     QT_TRANSLATE_NOOP("Cli", "report FILE OUT.pdf [...]      打印报表存为 PDF")},
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
    QString text =
        console.translate("Cli", "用法：q731-cli 命令 [参数] [--lang zh|en]\n\n命令：\n");
    for (const Command &command : kCommands)
        text +=
            QStringLiteral("  ") + console.translate("Cli", command.summary) + QLatin1Char('\n');
    text += console.translate("Cli", "\n各命令的帮助：q731-cli 命令 --help\n"
                                     "PORT 为设备路径（/dev/ttyUSB0、COM3）或端口号 1..16。\n");
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
            console.error(console.translate("Cli", "q731-cli：--lang 只能是 zh 或 en"));
            return ExitUsage;
        }
    }
    const Console console(language);
    // QCommandLineParser's own words ("Usage:", "Options:") follow too.
    ApplyQtTranslations(language);
    ApplyProgramTranslations(language);

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
            console.translate("Cli", "q731-cli：没有命令 \"%1\"").arg(ShortEscaped(word)));
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
