#include "csv_list_texts.h"

#include "image/band_list.h"
#include "session/shown_text.h"

#include <algorithm>
#include <utility>

namespace q731 {

namespace {

class Texts
{
public:
    explicit Texts(Language language)
        : m_english(language == Language::English)
    {
    }

    bool english() const { return m_english; }
    QString operator()(const char *chinese, const char *english) const
    {
        return QString::fromUtf8(m_english ? english : chinese);
    }
    // "1 row", "2 rows"; Chinese counts without a plural.
    QString rows(qsizetype count) const
    {
        if (!m_english)
            return QStringLiteral("%1 行").arg(count);
        return count == 1 ? QStringLiteral("1 row") : QStringLiteral("%1 rows").arg(count);
    }

private:
    bool m_english;
};

QString FromUtf8(const std::string &text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Shown(const std::string &text)
{
    return ShortEscaped(FromUtf8(text));
}

QString BandName(int bandIndex)
{
    if (bandIndex < 0 || bandIndex >= static_cast<int>(kBandItems.size()))
        return {};
    const std::string_view band = kBandItems[static_cast<std::size_t>(bandIndex)];
    return QString::fromLatin1(band.data(), static_cast<qsizetype>(band.size()));
}

QString OutOfBandText(const Texts &tr, const QString &what, const QString &value, int bandIndex)
{
    return tr("%1 %2：超出频段范围 (%3)", "%1 %2: Beyond the scope of frequency band (%3)")
        .arg(what, value, BandName(bandIndex));
}

// The reason of a left-out row in a word or two, to count rows by.
QString ReasonOf(const CsvRowProblem &p, const CsvImport &import, int bandIndex, Language language)
{
    const Texts tr(language);
    const QString column = FromUtf8(p.column);
    switch (p.problem) {
    case CsvProblem::BadLocation:
        return tr("Location 不是 1..128 的频道号", "Location is not a channel number 1..128");
    case CsvProblem::DuplicateLocation:
        return tr("同一频道在前面的行已出现", "a row for the same channel came earlier");
    case CsvProblem::OutOfBand:
        return tr("超出频段范围 (%1)", "beyond the scope of frequency band (%1)")
            .arg(BandName(bandIndex));
    case CsvProblem::NoFrequency:
        return tr("没有频率可放入", "no Frequency to place");
    case CsvProblem::NoFreeChannel:
        return tr("没有空闲频道", "no free channel left");
    case CsvProblem::ValueChanged:
        return tr("值会被改动（--strict）", "values would change (--strict)");
    case CsvProblem::UnclosedQuote:
    case CsvProblem::MissingColumn:
    case CsvProblem::NoHeader:
        return CsvProblemText(p, import, bandIndex, language);
    case CsvProblem::BadFrequency:
    case CsvProblem::BadDuplex:
    case CsvProblem::BadOffset:
    case CsvProblem::BadToneMode:
    case CsvProblem::BadCrossMode:
    case CsvProblem::BadTone:
    case CsvProblem::BadDcsCode:
    case CsvProblem::BadPolarity:
    case CsvProblem::BadMode:
    case CsvProblem::BadSkip:
    case CsvProblem::BadPower:
    case CsvProblem::NumberOutOfRange:
    case CsvProblem::BadOption:
        break;
    }
    return tr("%1 无效", "invalid %1").arg(column);
}

// Ascending channel numbers as "1..3, 5".
QString ChannelRanges(const std::vector<int> &channels, const Texts &tr)
{
    QStringList ranges;
    for (std::size_t i = 0; i < channels.size();) {
        std::size_t last = i;
        while (last + 1 < channels.size() && channels[last + 1] == channels[last] + 1)
            ++last;
        ranges << (last > i ? QStringLiteral("%1..%2").arg(channels[i]).arg(channels[last])
                            : QString::number(channels[i]));
        i = last + 1;
    }
    return ranges.join(tr("、", ", "));
}

} // namespace

QString CsvProblemText(const CsvRowProblem &p, const CsvImport &import, int bandIndex,
                       Language language)
{
    const Texts tr(language);
    const QString column = FromUtf8(p.column);
    const QString value = Shown(p.value);
    switch (p.problem) {
    case CsvProblem::MissingColumn:
        return tr("缺少 %1 列", "there is no %1 column").arg(column);
    case CsvProblem::NoHeader:
        return tr("没有标题行", "there is no header line");
    case CsvProblem::BadLocation:
        return tr("Location \"%1\" 不是 1..128 的频道号",
                  "Location \"%1\" is not a channel number 1..128")
            .arg(value);
    case CsvProblem::DuplicateLocation:
        return tr("频道 %1 已在前面出现", "channel %1 already came in an earlier row").arg(value);
    case CsvProblem::BadFrequency:
        return tr("%1 \"%2\" 不是数字", "%1 \"%2\" is not a number").arg(column, value);
    case CsvProblem::OutOfBand:
        return OutOfBandText(tr, column, value, bandIndex);
    case CsvProblem::BadDuplex:
        return tr("Duplex \"%1\" 应为空、+、-、split 或 off",
                  "Duplex \"%1\" is not empty, +, -, split or off")
            .arg(value);
    case CsvProblem::BadOffset:
        return tr("Offset \"%1\" 不是数字", "Offset \"%1\" is not a number").arg(value);
    case CsvProblem::BadToneMode:
        return tr("Tone \"%1\" 应为空、Tone、TSQL、DTCS 或 Cross",
                  "Tone \"%1\" is not empty, Tone, TSQL, DTCS or Cross")
            .arg(value);
    case CsvProblem::BadCrossMode:
        return tr("CrossMode \"%1\" 无法识别", "CrossMode \"%1\" is not known").arg(value);
    case CsvProblem::BadTone:
        return tr("%1 \"%2\" 不是本机的亚音频", "%1 \"%2\" is not a CTCSS tone of the radio")
            .arg(column, value);
    case CsvProblem::BadDcsCode:
        return tr("%1 \"%2\" 不是本机的数字亚音", "%1 \"%2\" is not a DCS code of the radio")
            .arg(column, value);
    case CsvProblem::BadPolarity:
        return tr("DtcsPolarity \"%1\" 应为 NN、NR、RN 或 RR",
                  "DtcsPolarity \"%1\" is not NN, NR, RN or RR")
            .arg(value);
    case CsvProblem::BadMode:
        return tr("Mode \"%1\" 应为 FM 或 NFM", "Mode \"%1\" is not FM or NFM").arg(value);
    case CsvProblem::BadSkip:
        return tr("Skip \"%1\" 应为空、S 或 P", "Skip \"%1\" is not empty, S or P").arg(value);
    case CsvProblem::BadPower:
        return tr("Power \"%1\" 应为 Low、Mid、High 或瓦数",
                  "Power \"%1\" is not Low, Mid, High or watts")
            .arg(value);
    case CsvProblem::NumberOutOfRange:
        return tr("%1 \"%2\" 数值太大，无法读取", "%1 \"%2\" is a number too large to read")
            .arg(column, value);
    case CsvProblem::BadOption:
        return tr("%1 \"%2\" 应为 On 或 Off", "%1 \"%2\" is not On or Off").arg(column, value);
    case CsvProblem::UnclosedQuote:
        return tr("引号没有结束", "a quoted field is not closed");
    case CsvProblem::NoFrequency:
        return tr("Frequency 为空：重新编号时没有可清空的频道",
                  "Frequency is empty: renumbered, a row has no channel to empty");
    case CsvProblem::NoFreeChannel:
        return tr("从频道 %1 到 128 已没有空闲频道",
                  "no free channel is left from channel %1 to 128")
            .arg(import.placement.first);
    case CsvProblem::ValueChanged:
        return tr("值会被改动（--strict）", "values would change (--strict)");
    }
    return {};
}

QString CsvChangeText(const CsvChange &change, Language language)
{
    const Texts tr(language);
    const QString from = Shown(change.from);
    const QString to = Shown(change.to);
    QString text;
    switch (change.kind) {
    case CsvChange::Kind::Frequency:
        text = tr("Frequency %1 -> %2（移到 5/6.25 kHz 步进上）",
                  "Frequency %1 -> %2 (onto the 5/6.25 kHz raster)")
                   .arg(from, to);
        break;
    case CsvChange::Kind::TxFrequency:
        text = tr("发射频率 %1 -> %2（移到 5/6.25 kHz 步进上）",
                  "transmit frequency %1 -> %2 (onto the 5/6.25 kHz raster)")
                   .arg(from, to);
        break;
    case CsvChange::Kind::Name: {
        QStringList what;
        if (change.raised)
            what << tr("转为大写", "upper-cased");
        if (change.dropped > 0) {
            what << (tr.english() && change.dropped == 1
                         ? QStringLiteral("1 character dropped")
                         : tr("去掉 %1 个字符", "%1 characters dropped").arg(change.dropped));
        }
        if (change.cut)
            what << tr("截为 8 个字符", "cut to 8 characters");
        if (change.to.empty())
            what << tr("名称为空", "left empty");
        text = tr("Name \"%1\" -> \"%2\"（%3）", "Name \"%1\" -> \"%2\" (%3)")
                   .arg(from, to, what.join(tr("，", ", ")));
        break;
    }
    case CsvChange::Kind::DuplicateName:
        text = tr("Name \"%1\" 与第 %2 行的名称相同", "Name \"%1\" is also the name of line %2")
                   .arg(to, QString::number(change.otherLine));
        break;
    case CsvChange::Kind::Power:
        text = tr("Power \"%1\" -> %2（最接近的功率档）", "Power \"%1\" -> %2 (the nearest level)")
                   .arg(from, to);
        break;
    }
    if (change.refused)
        text += tr("；因 --strict 跳过此行", "; row left out (--strict)");
    return text;
}

std::vector<CsvSummaryLine> CsvSummaryLines(const CsvImport &import, int bandIndex,
                                            Language language)
{
    std::vector<CsvSummaryLine> lines;
    for (const CsvRowProblem &problem : import.problems) {
        // A strict refusal is told by the changes themselves.
        if (problem.problem != CsvProblem::ValueChanged)
            lines.push_back(
                {problem.line, false, CsvProblemText(problem, import, bandIndex, language)});
    }
    for (const CsvChange &change : import.changes)
        lines.push_back({change.line, !change.refused, CsvChangeText(change, language)});
    std::stable_sort(
        lines.begin(), lines.end(),
        [](const CsvSummaryLine &a, const CsvSummaryLine &b) { return a.line < b.line; });
    return lines;
}

QString CsvLineText(const CsvSummaryLine &line, Language language, const QString &file)
{
    const Texts tr(language);
    const QString text = line.warning ? tr("警告：%1", "warning: %1").arg(line.text) : line.text;
    if (file.isEmpty())
        return tr("第 %1 行：%2", "line %1: %2").arg(QString::number(line.line), text);
    // One arg() for all: a % in the file's name is never taken for a marker.
    return tr("%1 第 %2 行：%3", "%1 line %2: %3").arg(file, QString::number(line.line), text);
}

QStringList CsvSummaryCounts(const CsvImport &import, int bandIndex, Language language,
                             CsvSummaryTime time)
{
    const Texts tr(language);
    QStringList counts;
    const auto taken = static_cast<qsizetype>(import.channels.size());
    QString where;
    if (import.placement.renumber && taken > 0) {
        int first = kChannelCount;
        int last = 1;
        for (const CsvChannel &channel : import.channels) {
            first = std::min(first, channel.location);
            last = std::max(last, channel.location);
        }
        where = tr("，放入频道 %1..%2", " into channels %1..%2")
                    .arg(QString::number(first), QString::number(last));
    }
    const int warned = import.rowsWithWarnings();
    QString warnings;
    if (warned > 0) {
        warnings = tr.english() && warned == 1
                       ? QStringLiteral(" (1 with a warning)")
                       : tr("（%1 行有警告）", " (%1 with warnings)").arg(warned);
    }
    const bool planned = time == CsvSummaryTime::Planned;
    counts << (planned ? tr("将导入：%1%2%3", "Will import: %1%2%3")
                       : tr("已导入：%1%2%3", "Taken: %1%2%3"))
                  .arg(tr.rows(taken), where, warnings);
    if (planned && !import.replaced.empty())
        counts << tr("将替换正在使用的频道：%1", "Will replace channels in use: %1")
                      .arg(ChannelRanges(import.replaced, tr));
    if (planned && !import.emptied.empty())
        counts << tr("将清空正在使用的频道：%1", "Will empty channels in use: %1")
                      .arg(ChannelRanges(import.emptied, tr));

    // Reasons in the order they first come in the file.
    std::vector<std::pair<QString, qsizetype>> reasons;
    for (const CsvRowProblem &problem : import.problems) {
        const QString reason = ReasonOf(problem, import, bandIndex, language);
        const auto it = std::find_if(reasons.begin(), reasons.end(),
                                     [&reason](const auto &r) { return r.first == reason; });
        if (it == reasons.end())
            reasons.emplace_back(reason, 1);
        else
            ++it->second;
    }
    counts << (planned ? tr("将跳过：%1", "Will leave out: %1") : tr("已跳过：%1", "Left out: %1"))
                  .arg(tr.rows(static_cast<qsizetype>(import.problems.size())));
    for (const auto &[reason, count] : reasons)
        counts << tr("  %1：%2", "  %1: %2").arg(tr.rows(count), reason);
    return counts;
}

QString CsvSummaryText(const CsvImport &import, int bandIndex, Language language,
                       CsvSummaryTime time)
{
    // No row was read: there is nothing to count.
    if (import.fileProblem()) {
        const CsvRowProblem &problem = import.problems.front();
        return CsvLineText(
            {problem.line, false, CsvProblemText(problem, import, bandIndex, language)}, language);
    }
    QStringList text = CsvSummaryCounts(import, bandIndex, language, time);
    const std::vector<CsvSummaryLine> lines = CsvSummaryLines(import, bandIndex, language);
    if (!lines.empty())
        text << QString();
    for (const CsvSummaryLine &line : lines)
        text << CsvLineText(line, language);
    return text.join(QLatin1Char('\n'));
}

QString CsvNothingTakenText(Language language)
{
    return Texts(language)("没有可导入的行", "No row can be taken");
}

QString CsvExportProblemText(const CsvExportProblem &problem, int bandIndex, Language language)
{
    const Texts tr(language);
    const QString what = problem.transmit ? tr("发射频率", "transmit frequency")
                                          : tr("接收频率", "receive frequency");
    const QString value = Shown(problem.value);
    const QString reason =
        problem.reason == CsvExportProblem::NotAFrequency
            ? tr("%1 \"%2\" 不是频率（数据已损坏）", "%1 \"%2\" is not a frequency (damaged data)")
                  .arg(what, value)
            : OutOfBandText(tr, what, value, bandIndex);
    return tr("频道 %1 未导出：%2", "channel %1 left out: %2")
        .arg(QString::number(problem.channel), reason);
}

} // namespace q731
