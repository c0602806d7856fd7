// The commands that work on files alone: new, normalize, show, diff, export, import.

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/data_files.h"
#include "cli/radio_view.h"
#include "files/csv_channels.h"
#include "files/csv_list_texts.h"
#include "image/band_list.h"
#include "print/radio_compare.h"
#include "session/session.h"

#include <QJsonDocument>

namespace q731::cli {

namespace {

// The command line's answers to the session's questions: nothing of it is
// ever unsaved, so New and the band change go ahead.
class GoAheadPrompts : public SessionPrompts
{
public:
    bool confirm(const SessionQuestion &) override { return true; }
};

// The counts on stdout when the file was written, on stderr otherwise.
void PrintCounts(const Console &console, const QStringList &counts, bool written)
{
    for (const QString &count : counts) {
        if (written)
            console.printLine(count);
        else
            console.error(count);
    }
}

} // namespace

int RunNew(const Console &console, const QStringList &arguments)
{
    CommandLine line(
        console, QStringLiteral("new"),
        console.translate("Cli", "写入一个空白数据文件：窗口程序新建、选择频段 N 后保存的文件。"));
    line.addPositional(QStringLiteral("FILE"), console.translate("Cli", "要写入的数据文件"));
    line.addValue(QStringLiteral("band"), QStringLiteral("N"),
                  console.translate("Cli", "频段 0..7（默认 3，新建所选的频段）"));
    if (const auto done = line.parse(arguments, 1, 1))
        return *done;
    const std::optional<int> band = BandOption(line, kDefaultBandIndex);
    if (!band)
        return UsageError(console, QStringLiteral("new"), NoBandText(console));
    // The window program's New, then its band change.
    Session session;
    GoAheadPrompts prompts;
    session.setPrompts(&prompts);
    session.startNew();
    session.chooseBand(*band);
    return SaveDataFile(console, line.positional()[0], session.data());
}

int RunNormalize(const Console &console, const QStringList &arguments)
{
    CommandLine line(
        console, QStringLiteral("normalize"),
        console.translate("Cli", "打开 IN 再保存为 OUT，结果与窗口程序打开后保存相同。"));
    line.addPositional(QStringLiteral("IN"), console.translate("Cli", "数据文件"));
    line.addPositional(QStringLiteral("OUT"), console.translate("Cli", "要写入的数据文件"));
    if (const auto done = line.parse(arguments, 2, 2))
        return *done;
    RadioData data = FreshRadioData();
    if (const int code = OpenDataFile(console, line.positional()[0], data))
        return code;
    return SaveDataFile(console, line.positional()[1], data);
}

int RunShow(const Console &console, const QStringList &arguments)
{
    CommandLine line(console, QStringLiteral("show"),
                     console.translate("Cli", "列出数据文件的频道和设置。"));
    line.addPositional(QStringLiteral("FILE"), console.translate("Cli", "数据文件"));
    line.addFlag(QStringLiteral("json"), console.translate("Cli", "以 JSON 输出"));
    if (const auto done = line.parse(arguments, 1, 1))
        return *done;
    RadioData data = FreshRadioData();
    if (const int code = OpenDataFile(console, line.positional()[0], data))
        return code;
    if (line.isSet(QStringLiteral("json")))
        console.print(TerminalSafeJson(QString::fromUtf8(QJsonDocument(ShowJson(data)).toJson())));
    else
        console.print(ShowTable(data, console.language()));
    return ExitDone;
}

int RunDiff(const Console &console, const QStringList &arguments)
{
    CommandLine line(console, QStringLiteral("diff"),
                     console.translate("Cli", "按频道和设置名列出两个数据文件的不同。"));
    line.addPositional(QStringLiteral("A"), console.translate("Cli", "数据文件"));
    line.addPositional(QStringLiteral("B"), console.translate("Cli", "数据文件"));
    line.addFlag(QStringLiteral("names"),
                 console.translate("Cli", "按窗口程序比较时的名称和显示方式列出（随语言而变）"));
    if (const auto done = line.parse(arguments, 2, 2))
        return *done;
    RadioData a = FreshRadioData();
    RadioData b = FreshRadioData();
    if (const int code = OpenDataFile(console, line.positional()[0], a))
        return code;
    if (const int code = OpenDataFile(console, line.positional()[1], b))
        return code;
    if (line.isSet(QStringLiteral("names"))) {
        // The window program's comparison, word for word.
        const auto shown = [](const QString &value) {
            return value.isEmpty() ? QStringLiteral("-") : value;
        };
        for (const RadioDifference &difference : CompareRadios(a, b, console.language()))
            console.printLine(
                QStringLiteral("%1: %2 -> %3")
                    .arg(difference.name, shown(difference.theirs), shown(difference.ours)));
        return ExitDone;
    }
    for (const QString &difference : DiffLines(a, b, console.language()))
        console.printLine(difference);
    return ExitDone;
}

int RunExport(const Console &console, const QStringList &arguments)
{
    CommandLine line(console, QStringLiteral("export"),
                     console.translate("Cli", "把频道表写成 CSV 频道清单。"));
    line.addPositional(QStringLiteral("FILE"), console.translate("Cli", "数据文件"));
    line.addPositional(QStringLiteral("CSV"),
                       console.translate("Cli", "要写入的 CSV 文件（- 为标准输出）"));
    if (const auto done = line.parse(arguments, 2, 2))
        return *done;
    RadioData data = FreshRadioData();
    if (const int code = OpenDataFile(console, line.positional()[0], data))
        return code;
    const CsvExport csv = ExportChannelsCsv(data.channels, BandLimitsOf(data.bandIndex));
    for (const CsvExportProblem &problem : csv.leftOut)
        console.error(QStringLiteral("%1: %2").arg(
            Escaped(line.positional()[0]),
            CsvExportProblemText(problem, data.bandIndex, console.language())));
    return WriteWholeFile(console, line.positional()[1],
                          std::vector<std::uint8_t>(csv.text.begin(), csv.text.end()));
}

int RunImport(const Console &console, const QStringList &arguments)
{
    const QString command = QStringLiteral("import");
    CommandLine line(console, command,
                     console.translate("Cli", "把 CSV 频道清单放入 FILE 的频道表，保存为 OUT。"));
    line.addPositional(QStringLiteral("FILE"), console.translate("Cli", "数据文件"));
    line.addPositional(QStringLiteral("CSV"), console.translate("Cli", "CSV 文件（- 为标准输入）"));
    line.addPositional(QStringLiteral("OUT"), console.translate("Cli", "要写入的数据文件"));
    line.addFlag(QStringLiteral("skip-invalid"),
                 console.translate("Cli", "跳过无效的行，导入其余的行"));
    line.addFlag(QStringLiteral("strict"),
                 console.translate("Cli", "值会被改动的行（步进、名称、功率）视为无效"));
    line.addFlag(QStringLiteral("renumber"),
                 console.translate("Cli", "不按 Location，按文件顺序放入空闲频道"));
    line.addValue(QStringLiteral("first"), QStringLiteral("N"),
                  console.translate("Cli", "--renumber 从频道 N 起（默认 1）"));
    line.addFlag(QStringLiteral("clear"), console.translate("Cli", "先清空频道表"));
    if (const auto done = line.parse(arguments, 3, 3))
        return *done;
    CsvImportOptions options;
    options.strict = line.isSet(QStringLiteral("strict"));
    options.placement.renumber = line.isSet(QStringLiteral("renumber"));
    options.placement.clear = line.isSet(QStringLiteral("clear"));
    const std::optional<int> first =
        NumberOption(line, QStringLiteral("first"), 1, kChannelCount, 1);
    if (!first)
        return UsageError(console, command, console.translate("Cli", "--first 应为 1..128"));
    if (line.isSet(QStringLiteral("first")) && !options.placement.renumber)
        return UsageError(console, command,
                          console.translate("Cli", "--first 须与 --renumber 同用"));
    options.placement.first = *first;

    const QStringList files = line.positional();
    RadioData data = FreshRadioData();
    if (const int code = OpenDataFile(console, files[0], data))
        return code;
    std::vector<std::uint8_t> csv;
    if (const int code = ReadWholeFile(console, files[1], csv, InputKind::CsvList))
        return code;

    const Language language = console.language();
    const CsvImport import =
        ImportChannelsCsv(std::string_view(reinterpret_cast<const char *>(csv.data()), csv.size()),
                          BandLimitsOf(data.bandIndex), data.channels, options);
    for (const CsvSummaryLine &summary : CsvSummaryLines(import, data.bandIndex, language))
        console.error(CsvLineText(summary, language, Escaped(files[1])));
    const QStringList counts = CsvSummaryCounts(import, data.bandIndex, language);
    const bool complete = import.problems.empty() || line.isSet(QStringLiteral("skip-invalid"));
    if (import.fileProblem() || import.channels.empty() || !complete) {
        if (!import.fileProblem())
            PrintCounts(console, counts, false);
        if (import.channels.empty() && !import.fileProblem())
            console.error(CsvNothingTakenText(language));
        console.error(console.translate("Cli", "没有写入任何文件"));
        return ExitFileError;
    }
    data.channels = ApplyCsvImport(import, data.channels);
    if (const int code = SaveDataFile(console, files[2], data))
        return code;
    PrintCounts(console, counts, true);
    return ExitDone;
}

} // namespace q731::cli
