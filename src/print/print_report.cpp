#include "print_report.h"

#include "editors/options_fields.h"
#include "image/channel_grid.h"
#include "session/product.h"
#include "session/qt_translations.h"
#include "session/shown_text.h"
#include "ui/captions.h"

#include <QBuffer>
#include <QLocale>
#include <QPdfWriter>

#include <array>

namespace q731 {

namespace {

// The maker's name heads the report as large as a line allows: the Chinese
// name is short, the English one long. By the value of Language.
constexpr std::array kMakerNamePoints = {20, 12};

int MakerNamePoints(Language language)
{
    const auto index = static_cast<std::size_t>(language);
    return kMakerNamePoints[index < kMakerNamePoints.size() ? index : 0];
}

// Every row of the settings sections: two cells of 4500 twips, centred, with
// all four borders.
constexpr int kCellWidth = 4500;
constexpr int kCellCode = 2;
const QString kCellBorders = QStringLiteral("1111");

QString FromStd(const std::string &text)
{
    return QString::fromStdString(text);
}

class Report
{
public:
    Report(ReportWriter &writer, const RadioData &data, Language language, bool usedChannelsOnly)
        : m_writer(writer)
        , m_data(data)
        , m_language(language)
        , m_usedChannelsOnly(usedChannelsOnly)
        , translate(language)
    {
    }

    void row(const QString &first, const QString &second)
    {
        m_writer.PrintCell(first, kCellWidth, kCellCode, kCellBorders);
        m_writer.PrintCell(second, kCellWidth, kCellCode, kCellBorders);
        m_writer.EndRow();
    }

    // A field of the optional features window: its label's caption and what
    // the field shows (a list shows the text of its chosen item).
    void optionRow(Control control)
    {
        row(OptionsLabelText(control, m_language), optionText(control));
    }

    QString optionText(Control control) const
    {
        const OptionalFeatures &options = m_data.options;
        for (const OptionsField &field : OptionsFields()) {
            if (field.control != control)
                continue;
            if (field.text)
                return FromStd(options.*field.text);
            return OptionsListItems(control, m_language).value(options.*field.list);
        }
        return {};
    }

    void section(const char *caption)
    {
        m_writer.PrintCaption(translate("PrintReport", caption));
        m_writer.LineFeed();
    }

    // The channel grid as the channel window shows it: the number, and for a
    // channel in use its frequencies and the list texts of its entries; every
    // row shows its name. For a customer, only the channels in use.
    std::vector<QStringList> channelRows() const
    {
        const ChannelTable &table = m_data.channels;
        const GridLists &lists = GridListsIn(m_language);
        std::vector<QStringList> rows;
        for (int n = 1; n <= kChannelCount; ++n) {
            if (m_usedChannelsOnly && table.rx(n).empty())
                continue;
            QStringList cells(kGridColumns);
            cells[GridColumn::Number] = QString::number(n);
            if (!table.rx(n).empty()) {
                cells[GridColumn::Rx] = FromStd(table.rx(n));
                cells[GridColumn::Tx] = FromStd(table.tx(n));
                for (int column = GridColumn::kFirstList; column <= GridColumn::kLastList;
                     ++column) {
                    const auto &items = lists.forColumn(column);
                    const int index = table.index(
                        static_cast<ChannelTable::Row>(column - GridColumn::kFirstList), n);
                    if (index >= 0 && index < static_cast<int>(items.size()))
                        cells[column] = FromStd(items[static_cast<std::size_t>(index)]);
                }
            }
            cells[GridColumn::Name] = FromStd(table.name(n));
            rows.push_back(cells);
        }
        return rows;
    }

    void build()
    {
        m_writer.NewPage();
        m_writer.setBold(true);
        m_writer.PrintLine(MakerName(m_language), MakerNamePoints(m_language), 2);
        m_writer.setBold(false);
        m_writer.setLineHeight(14);
        m_writer.PrintLine(translate("PrintReport", "ZR-614对讲机") +
                           translate("PrintReport", "编程数据打印"));
        m_writer.LineFeed();

        section(QT_TRANSLATE_NOOP("PrintReport", "功能设置"));
        for (const Control field :
             {Control::PriorityScanChannel, Control::PresentChannel, Control::DisplayMode,
              Control::FrequencyStep, Control::SquelchLevel, Control::Beep, Control::BatterySave,
              Control::KeyLock, Control::FrequencyShift, Control::ReverseFrequency,
              Control::TimeoutTimer, Control::PowerOnText, Control::ScanMode})
            optionRow(field);

        m_writer.NewPage();
        m_writer.LineFeed();
        section(QT_TRANSLATE_NOOP("PrintReport", "全频频率"));
        for (const Control field :
             {Control::VfoFrequency, Control::VfoOffset, Control::VfoRxTone, Control::VfoTxTone,
              Control::VfoPower, Control::VfoBusyLock, Control::VfoScanAdd, Control::VfoBandwidth,
              Control::VfoTxStop, Control::VfoCompanding, Control::VfoOffsetDirection})
            optionRow(field);

        m_writer.LineFeed();
        section(QT_TRANSLATE_NOOP("PrintReport", "VOX(声控发射)"));
        optionRow(Control::VoxGain);
        optionRow(Control::VoxDelay);
        row(translate("PrintReport", "是否") +
                OptionsLabelText(Control::AllowCancelOperating, m_language),
            m_data.options.allowCancelOperating ? translate("PrintReport", "是")
                                                : translate("PrintReport", "否"));

        m_writer.LineFeed();
        section(QT_TRANSLATE_NOOP("PrintReport", "调试信息"));
        // Only the high-power levels: the others are a technician's business.
        for (int i = 0; i < 3; ++i) {
            m_writer.PrintCell(CaptionTexts(QStringLiteral("Form4"),
                                            QStringLiteral("Frame1(%1)").arg(i), m_language)
                                   .value(0),
                               kCellWidth, kCellCode, kCellBorders);
            m_writer.PrintCell(m_data.calibration.values[static_cast<std::size_t>(i)], kCellWidth,
                               kCellCode, kCellBorders);
            m_writer.EndRow();
        }

        m_writer.NewPage();
        const QString channelData = translate("PrintReport", "信道数据");
        m_writer.PrintLine(channelData);
        m_writer.PrintGrid(
            CaptionTexts(QStringLiteral("Form1"), QStringLiteral("Grid1"), m_language),
            channelRows(), channelData);
        m_writer.LineFeed();
    }

private:
    ReportWriter &m_writer;
    const RadioData &m_data;
    Language m_language;
    bool m_usedChannelsOnly;
    // Texts in the report's language: translate("PrintReport", "…").
    const TextsIn translate;
};

} // namespace

bool PrintContent(ReportWriter &writer, QPagedPaintDevice *device, const RadioData &data,
                  Language language, const ReportOptions &options)
{
    const TextsIn translate(language);
    writer.setPageFooter(translate("PrintReport", "第 %1 页，共 %2 页"));
    writer.setPageHeader(options.header ? ReportHeader(data, language, options) : QString());
    writer.BeginDocument(device);
    Report(writer, data, language, options.usedChannelsOnly).build();
    return writer.EndDocument();
}

QString ReportHeader(const RadioData &data, Language language, const ReportOptions &options)
{
    const TextsIn translate(language);
    return translate("PrintReport", "文件：%1    频段：%2    日期：%3")
        .arg(options.fileName.isEmpty() ? translate("PrintReport", "（未保存）") : options.fileName,
             BandName(data.bandIndex), options.date.toString(Qt::ISODate));
}

ReportSettings PreviewReportSettings()
{
    return ReportSettings{1, 10, 5, 4, 2};
}

QPageSize DefaultReportPaper()
{
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
               ? QPageSize(QPageSize::Letter)
               : QPageSize(QPageSize::A4);
}

QByteArray ReportPdf(const RadioData &data, Language language, const QPageSize &paper,
                     const QString &title, const ReportOptions &options)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        // The writer finishes the document when it goes.
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(paper);
        pdf.setPageOrientation(QPageLayout::Portrait);
        pdf.setTitle(title);
        pdf.setCreator(ProductTitle(language));
        ReportWriter writer(PreviewReportSettings());
        if (!PrintContent(writer, &pdf, data, language, options))
            return {};
    }
    return buffer.data();
}

} // namespace q731
