#include "channel_window_texts.h"

#include "image/band_list.h"
#include "session/shown_text.h"
#include "ui/captions.h"

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

private:
    bool m_english;
};

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

QString BandName(int bandIndex)
{
    if (bandIndex < 0 || bandIndex >= static_cast<int>(kBandItems.size()))
        return {};
    const std::string_view band = kBandItems[static_cast<std::size_t>(bandIndex)];
    return QString::fromLatin1(band.data(), static_cast<qsizetype>(band.size()));
}

// "Line 3 of the clipboard (channel 12)".
QString RowText(const ChannelGrid::PasteResult &result, const Texts &tr, bool withChannel)
{
    const QString line = QString::number(result.line);
    if (!withChannel)
        return tr("剪贴板第 %1 行", "Line %1 of the clipboard").arg(line);
    return tr("剪贴板第 %1 行（频道 %2）", "Line %1 of the clipboard (channel %2)")
        .arg(line, QString::number(result.channel));
}

} // namespace

QString BandMessageText(Language language)
{
    return Texts(language)("超出频段范围", "Beyond the scope of frequency band");
}

QString PasteMessageText(const ChannelGrid::PasteResult &result, int bandIndex, Language language)
{
    using Result = ChannelGrid::PasteResult;
    const Texts tr(language);
    const QString column = ColumnTitle(result.column, language);
    const QString value = Shown(result.value);
    const QString nothing = tr("未粘贴任何内容。", "Nothing was pasted.");
    QString text;
    switch (result.status) {
    case Result::Applied:
        return {};
    case Result::NoRows:
        return tr("剪贴板中没有频道行，未粘贴任何内容。",
                  "The clipboard holds no channel rows. Nothing was pasted.");
    case Result::NotAChannelRow:
        if (result.column == GridColumn::Number) {
            text = tr("%1不是频道行：超过 11 列。", "%1 is not a channel row: it has more than "
                                                    "11 columns.")
                       .arg(RowText(result, tr, false));
        } else if (result.column == GridColumn::Rx || result.column == GridColumn::Tx) {
            text = tr("%1不是频道行：“%2”列的“%3”不是频率。",
                      "%1 is not a channel row: \"%3\" in the column %2 is not a frequency.")
                       .arg(RowText(result, tr, false), column, value);
        } else {
            text = tr("%1不是频道行：“%2”列的“%3”不是列表中的选项。",
                      "%1 is not a channel row: \"%3\" in the column %2 is not an item of "
                      "its list.")
                       .arg(RowText(result, tr, false), column, value);
        }
        break;
    case Result::DoesNotFit: {
        const int fit = result.lines - result.count;
        const QString counts[] = {QString::number(result.count), QString::number(result.lines),
                                  QString::number(result.channel), QString::number(fit)};
        if (tr.english()) {
            text = (result.count == 1 ? QStringLiteral("%1 of the %2 rows does not fit")
                                      : QStringLiteral("%1 of the %2 rows do not fit")) +
                   QStringLiteral(": from channel %3 to channel 128 there is room for %4.");
        } else {
            text = QStringLiteral("%2 行中有 %1 行放不下：从频道 %3 到频道 128 只能放 %4 行。");
        }
        text = text.arg(counts[0], counts[1], counts[2], counts[3]);
        break;
    }
    case Result::OutOfBand:
        text = BandMessageText(language) + QStringLiteral("\r\n") +
               tr("%1：“%2”列的 %3 不在频段 %4 之内。",
                  "%1: %3 in the column %2 is outside the band %4.")
                   .arg(RowText(result, tr, true), column, value, BandName(bandIndex));
        break;
    case Result::NameTooLong:
        text = tr("%1：名称“%2”超过 8 个字符，无法存入对讲机。",
                  "%1: the name \"%2\" is longer than the 8 characters a channel name can hold.")
                   .arg(RowText(result, tr, true), value);
        break;
    case Result::Damaged:
        text = tr("%1已损坏，无法读取。", "%1 is damaged and cannot be read.")
                   .arg(RowText(result, tr, false));
        break;
    }
    return text + QStringLiteral("\r\n") + nothing;
}

} // namespace q731
