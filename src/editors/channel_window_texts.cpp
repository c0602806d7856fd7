#include "channel_window_texts.h"

#include "session/qt_translations.h"
#include "session/shown_text.h"
#include "ui/captions.h"

namespace q731 {

namespace {

QString Shown(const std::string &value)
{
    return ShortEscaped(QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
}

// The column's title as the grid shows it.
QString ColumnTitle(int column, Language language)
{
    const QStringList titles =
        CaptionTexts(QStringLiteral("Form1"), QStringLiteral("Grid1"), language);
    return column >= 0 && column < titles.size() ? titles.at(column) : QString();
}

// "Line 3 of the clipboard (channel 12)".
QString RowText(const ChannelGrid::PasteResult &result, const TextsIn &translate, bool withChannel)
{
    const QString line = QString::number(result.line);
    if (!withChannel)
        return translate("ChannelWindowTexts", "剪贴板第 %1 行").arg(line);
    return translate("ChannelWindowTexts", "剪贴板第 %1 行（频道 %2）")
        .arg(line, QString::number(result.channel));
}

} // namespace

QString BandMessageText(Language language)
{
    const TextsIn translate(language);
    return translate("ChannelWindowTexts", "超出频段范围");
}

QString PasteMessageText(const ChannelGrid::PasteResult &result, int bandIndex, Language language)
{
    using Result = ChannelGrid::PasteResult;
    const TextsIn translate(language);
    const QString column = ColumnTitle(result.column, language);
    const QString value = Shown(result.value);
    const QString nothing = translate("ChannelWindowTexts", "未粘贴任何内容。");
    QString text;
    switch (result.status) {
    case Result::Applied:
        return {};
    case Result::NoRows:
        return translate("ChannelWindowTexts", "剪贴板中没有频道行，未粘贴任何内容。");
    case Result::NotAChannelRow:
        if (result.column == GridColumn::Number) {
            text = translate("ChannelWindowTexts", "%1不是频道行：超过 11 列。")
                       .arg(RowText(result, translate, false));
        } else if (result.column == GridColumn::Rx || result.column == GridColumn::Tx) {
            text = translate("ChannelWindowTexts", "%1不是频道行：“%2”列的“%3”不是频率。")
                       .arg(RowText(result, translate, false), column, value);
        } else {
            text = translate("ChannelWindowTexts", "%1不是频道行：“%2”列的“%3”不是列表中的选项。")
                       .arg(RowText(result, translate, false), column, value);
        }
        break;
    case Result::DoesNotFit: {
        const int fit = result.lines - result.count;
        const QString counts[] = {QString::number(result.count), QString::number(result.lines),
                                  QString::number(result.channel), QString::number(fit)};
        text = translate("ChannelWindowTexts",
                         "%2 行中有 %n 行放不下：从频道 %3 到频道 128 只能放 %4 行。", nullptr,
                         result.count)
                   .arg(counts[1], counts[2], counts[3]);
        break;
    }
    case Result::OutOfBand:
        text = BandMessageText(language) + QStringLiteral("\r\n") +
               translate("ChannelWindowTexts", "%1：“%2”列的 %3 不在频段 %4 之内。")
                   .arg(RowText(result, translate, true), column, value, BandName(bandIndex));
        break;
    case Result::NameTooLong:
        text = translate("ChannelWindowTexts", "%1：名称“%2”超过 8 个字符，无法存入对讲机。")
                   .arg(RowText(result, translate, true), value);
        break;
    case Result::Damaged:
        text = translate("ChannelWindowTexts", "%1已损坏，无法读取。")
                   .arg(RowText(result, translate, false));
        break;
    }
    return text + QStringLiteral("\r\n") + nothing;
}

QString InsertRefusedText(int channel, Language language)
{
    const TextsIn translate(language);
    return translate("ChannelWindowTexts", "信道%1已被使用，无法插入空信道。")
        .arg(QString::number(channel));
}

} // namespace q731
