#include "csv_list_texts.h"

#include "session/qt_translations.h"
#include "session/shown_text.h"

#include <algorithm>
#include <utility>

namespace q731 {

namespace {

QString FromUtf8(const std::string &text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Shown(const std::string &text)
{
    return ShortEscaped(FromUtf8(text));
}

// "1 row", "2 rows"; Chinese counts without a plural.
QString Rows(const TextsIn &translate, qsizetype count)
{
    return translate("CsvTexts", "%n 行", nullptr, int(count));
}

QString OutOfBandText(const TextsIn &translate, const QString &what, const QString &value,
                      int bandIndex)
{
    return translate("CsvTexts", "%1 %2：超出频段范围 (%3)").arg(what, value, BandName(bandIndex));
}

// The reason of a left-out row in a word or two, to count rows by.
QString ReasonOf(const CsvRowProblem &p, const CsvImport &import, int bandIndex, Language language)
{
    const TextsIn translate(language);
    const QString column = FromUtf8(p.column);
    switch (p.problem) {
    case CsvProblem::BadLocation:
        return translate("CsvTexts", "Location 不是 1..128 的频道号");
    case CsvProblem::DuplicateLocation:
        return translate("CsvTexts", "同一频道在前面的行已出现");
    case CsvProblem::OutOfBand:
        return translate("CsvTexts", "超出频段范围 (%1)").arg(BandName(bandIndex));
    case CsvProblem::NoFrequency:
        return translate("CsvTexts", "没有频率可放入");
    case CsvProblem::NoFreeChannel:
        return translate("CsvTexts", "没有空闲频道");
    case CsvProblem::ValueChanged:
        return translate("CsvTexts", "值会被改动（--strict）");
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
    return translate("CsvTexts", "%1 无效").arg(column);
}

// Ascending channel numbers as "1..3, 5".
QString ChannelRanges(const std::vector<int> &channels, const TextsIn &translate)
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
    return ranges.join(translate("CsvTexts", "、"));
}

} // namespace

QString CsvProblemText(const CsvRowProblem &p, const CsvImport &import, int bandIndex,
                       Language language)
{
    const TextsIn translate(language);
    const QString column = FromUtf8(p.column);
    const QString value = Shown(p.value);
    switch (p.problem) {
    case CsvProblem::MissingColumn:
        return translate("CsvTexts", "缺少 %1 列").arg(column);
    case CsvProblem::NoHeader:
        return translate("CsvTexts", "没有标题行");
    case CsvProblem::BadLocation:
        return translate("CsvTexts", "Location \"%1\" 不是 1..128 的频道号").arg(value);
    case CsvProblem::DuplicateLocation:
        return translate("CsvTexts", "频道 %1 已在前面出现").arg(value);
    case CsvProblem::BadFrequency:
        return translate("CsvTexts", "%1 \"%2\" 不是数字").arg(column, value);
    case CsvProblem::OutOfBand:
        return OutOfBandText(translate, column, value, bandIndex);
    case CsvProblem::BadDuplex:
        return translate("CsvTexts", "Duplex \"%1\" 应为空、+、-、split 或 off").arg(value);
    case CsvProblem::BadOffset:
        return translate("CsvTexts", "Offset \"%1\" 不是数字").arg(value);
    case CsvProblem::BadToneMode:
        return translate("CsvTexts", "Tone \"%1\" 应为空、Tone、TSQL、DTCS 或 Cross").arg(value);
    case CsvProblem::BadCrossMode:
        return translate("CsvTexts", "CrossMode \"%1\" 无法识别").arg(value);
    case CsvProblem::BadTone:
        return translate("CsvTexts", "%1 \"%2\" 不是本机的亚音频").arg(column, value);
    case CsvProblem::BadDcsCode:
        return translate("CsvTexts", "%1 \"%2\" 不是本机的数字亚音").arg(column, value);
    case CsvProblem::BadPolarity:
        return translate("CsvTexts", "DtcsPolarity \"%1\" 应为 NN、NR、RN 或 RR").arg(value);
    case CsvProblem::BadMode:
        return translate("CsvTexts", "Mode \"%1\" 应为 FM 或 NFM").arg(value);
    case CsvProblem::BadSkip:
        return translate("CsvTexts", "Skip \"%1\" 应为空、S 或 P").arg(value);
    case CsvProblem::BadPower:
        return translate("CsvTexts", "Power \"%1\" 应为 Low、Mid、High 或瓦数").arg(value);
    case CsvProblem::NumberOutOfRange:
        return translate("CsvTexts", "%1 \"%2\" 数值太大，无法读取").arg(column, value);
    case CsvProblem::BadOption:
        return translate("CsvTexts", "%1 \"%2\" 应为 On 或 Off").arg(column, value);
    case CsvProblem::UnclosedQuote:
        return translate("CsvTexts", "引号没有结束");
    case CsvProblem::NoFrequency:
        return translate("CsvTexts", "Frequency 为空：重新编号时没有可清空的频道");
    case CsvProblem::NoFreeChannel:
        return translate("CsvTexts", "从频道 %1 到 128 已没有空闲频道").arg(import.placement.first);
    case CsvProblem::ValueChanged:
        return translate("CsvTexts", "值会被改动（--strict）");
    }
    return {};
}

QString CsvChangeText(const CsvChange &change, Language language)
{
    const TextsIn translate(language);
    const QString from = Shown(change.from);
    const QString to = Shown(change.to);
    QString text;
    switch (change.kind) {
    case CsvChange::Kind::Frequency:
        text = translate("CsvTexts", "Frequency %1 -> %2（移到 5/6.25 kHz 步进上）").arg(from, to);
        break;
    case CsvChange::Kind::TxFrequency:
        text = translate("CsvTexts", "发射频率 %1 -> %2（移到 5/6.25 kHz 步进上）").arg(from, to);
        break;
    case CsvChange::Kind::Name: {
        QStringList what;
        if (change.raised)
            what << translate("CsvTexts", "转为大写");
        if (change.dropped > 0) {
            what << translate("CsvTexts", "去掉 %n 个字符", nullptr, change.dropped);
        }
        if (change.cut)
            what << translate("CsvTexts", "截为 8 个字符");
        if (change.to.empty())
            what << translate("CsvTexts", "名称为空");
        text = translate("CsvTexts", "Name \"%1\" -> \"%2\"（%3）")
                   .arg(from, to, what.join(translate("CsvTexts", "，")));
        break;
    }
    case CsvChange::Kind::DuplicateName:
        text = translate("CsvTexts", "Name \"%1\" 与第 %2 行的名称相同")
                   .arg(to, QString::number(change.otherLine));
        break;
    case CsvChange::Kind::Power:
        text = translate("CsvTexts", "Power \"%1\" -> %2（最接近的功率档）").arg(from, to);
        break;
    }
    if (change.refused)
        text += translate("CsvTexts", "；因 --strict 跳过此行");
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
    const TextsIn translate(language);
    const QString text =
        line.warning ? translate("CsvTexts", "警告：%1").arg(line.text) : line.text;
    if (file.isEmpty())
        return translate("CsvTexts", "第 %1 行：%2").arg(QString::number(line.line), text);
    // One arg() for all: a % in the file's name is never taken for a marker.
    return translate("CsvTexts", "%1 第 %2 行：%3").arg(file, QString::number(line.line), text);
}

QStringList CsvSummaryCounts(const CsvImport &import, int bandIndex, Language language,
                             CsvSummaryTime time)
{
    const TextsIn translate(language);
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
        where = translate("CsvTexts", "，放入频道 %1..%2")
                    .arg(QString::number(first), QString::number(last));
    }
    const int warned = import.rowsWithWarnings();
    QString warnings;
    if (warned > 0) {
        warnings = translate("CsvTexts", "（%n 行有警告）", nullptr, warned);
    }
    const bool planned = time == CsvSummaryTime::Planned;
    counts << (planned ? translate("CsvTexts", "将导入：%1%2%3")
                       : translate("CsvTexts", "已导入：%1%2%3"))
                  .arg(Rows(translate, taken), where, warnings);
    if (planned && !import.replaced.empty())
        counts << translate("CsvTexts", "将替换正在使用的频道：%1")
                      .arg(ChannelRanges(import.replaced, translate));
    if (planned && !import.emptied.empty())
        counts << translate("CsvTexts", "将清空正在使用的频道：%1")
                      .arg(ChannelRanges(import.emptied, translate));

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
    counts << (planned ? translate("CsvTexts", "将跳过：%1") : translate("CsvTexts", "已跳过：%1"))
                  .arg(Rows(translate, static_cast<qsizetype>(import.problems.size())));
    for (const auto &[reason, count] : reasons)
        counts << translate("CsvTexts", "  %1：%2").arg(Rows(translate, count), reason);
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
    const TextsIn translate(language);
    return translate("CsvTexts", "没有可导入的行");
}

QString CsvExportProblemText(const CsvExportProblem &problem, int bandIndex, Language language)
{
    const TextsIn translate(language);
    const QString what =
        problem.transmit ? translate("CsvTexts", "发射频率") : translate("CsvTexts", "接收频率");
    const QString value = Shown(problem.value);
    const QString reason =
        problem.reason == CsvExportProblem::NotAFrequency
            ? translate("CsvTexts", "%1 \"%2\" 不是频率（数据已损坏）").arg(what, value)
            : OutOfBandText(translate, what, value, bandIndex);
    return translate("CsvTexts", "频道 %1 未导出：%2")
        .arg(QString::number(problem.channel), reason);
}

} // namespace q731
