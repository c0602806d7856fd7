// The commands that work on files alone: normalize, show, diff, export, import.

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/data_files.h"
#include "cli/radio_view.h"
#include "files/csv_channels.h"
#include "image/band_list.h"

#include <QJsonDocument>

namespace q731::cli {

namespace {

QString ProblemText(const Console &c, const CsvRowProblem &p, const RadioData &data)
{
    const QString column = FromUtf8(p.column);
    // The file's own text: escaped, and cut to a readable length.
    const QString value = ShortEscaped(FromUtf8(p.value));
    switch (p.problem) {
    case CsvProblem::MissingColumn:
        return c.tr("缺少 %1 列", "there is no %1 column").arg(column);
    case CsvProblem::NoHeader:
        return c.tr("没有标题行", "there is no header line");
    case CsvProblem::BadLocation:
        return c
            .tr("Location \"%1\" 不是 1..128 的频道号",
                "Location \"%1\" is not a channel number 1..128")
            .arg(value);
    case CsvProblem::DuplicateLocation:
        return c.tr("频道 %1 已在前面出现", "channel %1 already came in an earlier row").arg(value);
    case CsvProblem::BadFrequency:
        return c.tr("%1 \"%2\" 不是数字", "%1 \"%2\" is not a number").arg(column, value);
    case CsvProblem::OutOfBand: {
        const std::string_view band = kBandItems[static_cast<std::size_t>(data.bandIndex)];
        return c.tr("%1 %2：超出频段范围 (%3)", "%1 %2: Beyond the scope of frequency band (%3)")
            .arg(column, value, QString::fromLatin1(band.data(), qsizetype(band.size())));
    }
    case CsvProblem::BadDuplex:
        return c
            .tr("Duplex \"%1\" 应为空、+、-、split 或 off",
                "Duplex \"%1\" is not empty, +, -, split or off")
            .arg(value);
    case CsvProblem::BadOffset:
        return c.tr("Offset \"%1\" 不是数字", "Offset \"%1\" is not a number").arg(value);
    case CsvProblem::BadToneMode:
        return c
            .tr("Tone \"%1\" 应为空、Tone、TSQL、DTCS 或 Cross",
                "Tone \"%1\" is not empty, Tone, TSQL, DTCS or Cross")
            .arg(value);
    case CsvProblem::BadCrossMode:
        return c.tr("CrossMode \"%1\" 无法识别", "CrossMode \"%1\" is not known").arg(value);
    case CsvProblem::BadTone:
        return c.tr("%1 \"%2\" 不是本机的亚音频", "%1 \"%2\" is not a CTCSS tone of the radio")
            .arg(column, value);
    case CsvProblem::BadDcsCode:
        return c.tr("%1 \"%2\" 不是本机的数字亚音", "%1 \"%2\" is not a DCS code of the radio")
            .arg(column, value);
    case CsvProblem::BadPolarity:
        return c
            .tr("DtcsPolarity \"%1\" 应为 NN、NR、RN 或 RR",
                "DtcsPolarity \"%1\" is not NN, NR, RN or RR")
            .arg(value);
    case CsvProblem::BadMode:
        return c.tr("Mode \"%1\" 应为 FM 或 NFM", "Mode \"%1\" is not FM or NFM").arg(value);
    case CsvProblem::BadSkip:
        return c.tr("Skip \"%1\" 应为空、S 或 P", "Skip \"%1\" is not empty, S or P").arg(value);
    case CsvProblem::BadPower:
        return c
            .tr("Power \"%1\" 应为 Low、Mid、High 或瓦数",
                "Power \"%1\" is not Low, Mid, High or watts")
            .arg(value);
    case CsvProblem::NumberOutOfRange:
        return c.tr("%1 \"%2\" 数值太大，无法读取", "%1 \"%2\" is a number too large to read")
            .arg(column, value);
    case CsvProblem::BadOption:
        return c.tr("%1 \"%2\" 应为 On 或 Off", "%1 \"%2\" is not On or Off").arg(column, value);
    case CsvProblem::UnclosedQuote:
        return c.tr("引号没有结束", "a quoted field is not closed");
    }
    return {};
}

// Problems that leave no row to take, whatever --skip-invalid says.
bool IsFileProblem(CsvProblem problem)
{
    return problem == CsvProblem::MissingColumn || problem == CsvProblem::NoHeader;
}

} // namespace

int RunNormalize(const Console &console, const QStringList &arguments)
{
    CommandLine line(console, QStringLiteral("normalize"),
                     console.tr("打开 IN 再保存为 OUT，结果与窗口程序打开后保存相同。",
                                "Opens IN and saves it as OUT, exactly as the window program "
                                "stores a file it opened and saved."));
    line.addPositional(QStringLiteral("IN"), console.tr("数据文件", "Data file"));
    line.addPositional(QStringLiteral("OUT"), console.tr("要写入的数据文件", "Data file to write"));
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
                     console.tr("列出数据文件的频道和设置。",
                                "Lists the channels and the settings of a data file."));
    line.addPositional(QStringLiteral("FILE"), console.tr("数据文件", "Data file"));
    line.addFlag(QStringLiteral("json"), console.tr("以 JSON 输出", "Print JSON"));
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
                     console.tr("按频道和设置名列出两个数据文件的不同。",
                                "Lists what differs between two data files, by channel and "
                                "by setting name."));
    line.addPositional(QStringLiteral("A"), console.tr("数据文件", "Data file"));
    line.addPositional(QStringLiteral("B"), console.tr("数据文件", "Data file"));
    if (const auto done = line.parse(arguments, 2, 2))
        return *done;
    RadioData a = FreshRadioData();
    RadioData b = FreshRadioData();
    if (const int code = OpenDataFile(console, line.positional()[0], a))
        return code;
    if (const int code = OpenDataFile(console, line.positional()[1], b))
        return code;
    for (const QString &difference : DiffLines(a, b, console.language()))
        console.printLine(difference);
    return ExitDone;
}

int RunExport(const Console &console, const QStringList &arguments)
{
    CommandLine line(console, QStringLiteral("export"),
                     console.tr("把频道表写成 CSV 频道清单。",
                                "Writes the channel table as a CSV channel list."));
    line.addPositional(QStringLiteral("FILE"), console.tr("数据文件", "Data file"));
    line.addPositional(QStringLiteral("CSV"),
                       console.tr("要写入的 CSV 文件（- 为标准输出）",
                                  "CSV file to write (- for standard output)"));
    if (const auto done = line.parse(arguments, 2, 2))
        return *done;
    RadioData data = FreshRadioData();
    if (const int code = OpenDataFile(console, line.positional()[0], data))
        return code;
    const std::string csv = ExportChannelsCsv(data.channels);
    return WriteWholeFile(console, line.positional()[1],
                          std::vector<std::uint8_t>(csv.begin(), csv.end()));
}

int RunImport(const Console &console, const QStringList &arguments)
{
    CommandLine line(console, QStringLiteral("import"),
                     console.tr("把 CSV 频道清单放入 FILE 的频道表，保存为 OUT。",
                                "Puts the channels of a CSV channel list into the channel table "
                                "of FILE and saves the result as OUT."));
    line.addPositional(QStringLiteral("FILE"), console.tr("数据文件", "Data file"));
    line.addPositional(QStringLiteral("CSV"),
                       console.tr("CSV 文件（- 为标准输入）", "CSV file (- for standard input)"));
    line.addPositional(QStringLiteral("OUT"), console.tr("要写入的数据文件", "Data file to write"));
    line.addFlag(
        QStringLiteral("skip-invalid"),
        console.tr("跳过无效的行，导入其余的行", "Leave out invalid rows and import the others"));
    if (const auto done = line.parse(arguments, 3, 3))
        return *done;
    const QStringList files = line.positional();
    RadioData data = FreshRadioData();
    if (const int code = OpenDataFile(console, files[0], data))
        return code;
    std::vector<std::uint8_t> csv;
    if (const int code = ReadWholeFile(console, files[1], csv, InputKind::CsvList))
        return code;

    const CsvImport parsed =
        ParseChannelsCsv(std::string_view(reinterpret_cast<const char *>(csv.data()), csv.size()),
                         BandLimitsOf(data.bandIndex));
    bool fatal = false;
    for (const CsvRowProblem &problem : parsed.problems) {
        console.error(console.tr("%1 第 %2 行：%3", "%1 line %2: %3")
                          .arg(Escaped(files[1]))
                          .arg(problem.line)
                          .arg(ProblemText(console, problem, data)));
        fatal = fatal || IsFileProblem(problem.problem);
    }
    if (fatal || (!parsed.problems.empty() && !line.isSet(QStringLiteral("skip-invalid")))) {
        console.error(console.tr("没有写入任何文件", "Nothing was written"));
        return ExitFileError;
    }
    for (const CsvChannel &channel : parsed.channels)
        ApplyCsvChannel(channel, data.channels, console.language());
    if (const int code = SaveDataFile(console, files[2], data))
        return code;
    console.printLine(console.tr("已导入 %1 行，跳过 %2 行", "%1 rows imported, %2 left out")
                          .arg(parsed.channels.size())
                          .arg(parsed.problems.size()));
    return ExitDone;
}

} // namespace q731::cli
