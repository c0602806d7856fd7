// The report writer and the report routine on their own: rows flowing onto
// new pages inside the page, a channel table in type that can be read, and a
// PDF whose text is exactly what was printed, in both languages.

#include "pdf_text.h"

#include "image/records.h"
#include "image/tones.h"
#include "print/print_report.h"
#include "print/report_writer.h"

#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPdfWriter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace q731;
using namespace q731::testing;

namespace {

// Channel n's cells in the widest texts each column can hold.
RadioData WidestChannels()
{
    RadioData data;
    ChannelTable &table = data.channels;
    for (int n = 1; n <= kChannelCount; ++n) {
        table.rx(n) = "469.99375";
        table.tx(n) = "469.99375";
        table.index(ChannelTable::RxTone, n) = 264; // D754I
        table.index(ChannelTable::TxTone, n) = 263;
        table.index(ChannelTable::Power, n) = 2; // Middle
        table.index(ChannelTable::BusyLock, n) = 0;
        table.index(ChannelTable::ScanAdd, n) = 0;
        table.index(ChannelTable::Bandwidth, n) = 0; // Narror
        table.name(n) = "WWWWWWWW";
    }
    return data;
}

// Round `round` of records that together print every text the report can
// print: every item of each printed list (the longest has ten), every tone in
// the channel table over three rounds, every character a name or a text box
// can hold.
RadioData EveryText(int round)
{
    RadioData data;
    OptionalFeatures &o = data.options;
    const std::pair<int *, int> lists[] = {
        {&o.displayMode, OptionListLength::displayMode},
        {&o.frequencyStep, OptionListLength::frequencyStep},
        {&o.squelchLevel, OptionListLength::squelchLevel},
        {&o.beep, OptionListLength::beep},
        {&o.batterySave, OptionListLength::batterySave},
        {&o.keyLock, OptionListLength::keyLock},
        {&o.frequencyShift, OptionListLength::frequencyShift},
        {&o.reverseFrequency, OptionListLength::reverseFrequency},
        {&o.timeoutTimer, OptionListLength::timeoutTimer},
        {&o.scanMode, OptionListLength::scanMode},
        {&o.vfoRxTone, OptionListLength::vfoRxTone},
        {&o.vfoTxTone, OptionListLength::vfoTxTone},
        {&o.vfoPower, OptionListLength::vfoPower},
        {&o.vfoBusyLock, OptionListLength::vfoBusyLock},
        {&o.vfoScanAdd, OptionListLength::vfoScanAdd},
        {&o.vfoBandwidth, OptionListLength::vfoBandwidth},
        {&o.vfoTxStop, OptionListLength::vfoTxStop},
        {&o.vfoCompanding, OptionListLength::vfoCompanding},
        {&o.vfoOffsetDirection, OptionListLength::vfoOffsetDirection},
        {&o.voxGain, OptionListLength::voxGain},
        {&o.voxDelay, OptionListLength::voxDelay},
    };
    for (const auto &[field, length] : lists)
        *field = round % length;
    o.allowCancelOperating = round % 2 == 1;
    o.priorityScanChannel = "0123456789";
    o.powerOnText = round % 2 ? "#*-ABCDEFGHIJKLM" : "NOPQRSTUVWXYZ";
    o.vfoFrequency = "435.12500";
    data.calibration.values = {round, 100 + round, 255};
    ChannelTable &table = data.channels;
    for (int n = 1; n <= kChannelCount; ++n) {
        if (n % 11 == 0)
            continue; // unused, with its name only
        table.rx(n) = "145.12500";
        table.tx(n) = "145.72500";
        const int tone = (round % 3) * 2 * kChannelCount + n - 1;
        table.index(ChannelTable::RxTone, n) = tone % kToneCount;
        table.index(ChannelTable::TxTone, n) = (tone + kChannelCount) % kToneCount;
        table.index(ChannelTable::Power, n) = (n + round) % 3;
        for (int row = ChannelTable::BusyLock; row <= ChannelTable::Scramble; ++row)
            table.index(static_cast<ChannelTable::Row>(row), n) = (n + round + row) % 2;
    }
    for (int n = 1; n <= kChannelCount; ++n) {
        std::string name;
        for (int k = 0; k < 8; ++k)
            name += char('#' + (8 * n + k) % ('`' - '#' + 1));
        table.name(n) = name;
    }
    return data;
}

double PointWidth(const QFont &font, const QString &text)
{
    QImage surface(1, 1, QImage::Format_Mono);
    surface.setDotsPerMeterX(qRound(1200 / 0.0254));
    surface.setDotsPerMeterY(qRound(1200 / 0.0254));
    return QFontMetricsF(font, &surface).horizontalAdvance(text) * 72.0 / 1200;
}

QPageSize Paper(const QString &name)
{
    return QPageSize(name == QLatin1String("letter") ? QPageSize::Letter : QPageSize::A4);
}

} // namespace

class PrintReportTest : public QObject
{
    Q_OBJECT
private slots:
    void rowsFlowOntoNewPagesInsideThePage();
    void channelTableIsReadable_data();
    void channelTableIsReadable();
    void tableTooWideForThePageWrapsInsideIt();
    void everyPrintedTextIsExtractedAsPrinted_data();
    void everyPrintedTextIsExtractedAsPrinted();
    void customerCopyLeavesOutUnusedChannelsAndHeadsEveryPage();
};

void PrintReportTest::rowsFlowOntoNewPagesInsideThePage()
{
    QTemporaryDir dir;
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(dir.filePath("rows.pdf"));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    ReportWriter writer;
    writer.BeginDocument(&pdf);
    writer.setLineHeight(14);
    for (int i = 1; i <= 80; ++i) {
        writer.PrintCell(QStringLiteral("row%1").arg(i), 4500, 2, "1111");
        // Wider than what is left of the line: cut down to it.
        writer.PrintCell(i, 9000, 2, "1111");
        writer.EndRow();
    }
    QVERIFY(writer.EndDocument());
    const auto &pages = writer.pages();
    QCOMPARE(int(pages.size()), PdfPageCount(dir.filePath("rows.pdf")));
    QVERIFY(pages.size() >= 2);
    const QSizeF area = writer.pageSizePoints();
    int cells = 0;
    for (const auto &page : pages) {
        for (const auto &item : page.items) {
            QVERIFY(item.rect.left() >= -0.01 && item.rect.right() <= area.width() + 0.01);
            QVERIFY(item.rect.top() >= 0 && item.rect.bottom() <= area.height() + 0.01);
            QVERIFY(item.rect.height() >= 14);
            ++cells;
        }
    }
    QCOMPARE(cells, 160);
    const QString text = PdfText(dir.filePath("rows.pdf"));
    QCOMPARE(FirstOutOfOrder(text, {"row1 ", "row2 ", "row79 ", "row80 "}), -1);
}

void PrintReportTest::channelTableIsReadable_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("paper");
    QTest::addColumn<int>("fewestRows"); // on a full page of the table
    for (const char *paper : {"a4", "letter"}) {
        const int rows = QByteArray(paper) == "a4" ? 57 : 53;
        QTest::addRow("Chinese, %s", paper) << Language::Chinese << paper << rows;
        QTest::addRow("English, %s", paper) << Language::English << paper << rows;
    }
}

// The whole channel table at 9 points, every cell on one line inside its
// column and inside the page, each title on at most two lines; 57 or more
// rows on a full A4 page, 53 on Letter, so 128 channels take three pages.
void PrintReportTest::channelTableIsReadable()
{
    QFETCH(Language, language);
    QFETCH(QString, paper);
    QFETCH(int, fewestRows);
    QTemporaryDir dir;
    const QString path = dir.filePath("table.pdf");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(ReportPdf(WidestChannels(), language, Paper(paper), QString()));
    file.close();

    QPdfWriter device(dir.filePath("again.pdf"));
    device.setPageSize(Paper(paper));
    ReportWriter writer(PreviewReportSettings());
    QVERIFY(PrintContent(writer, &device, WidestChannels(), language));
    const QSizeF area = writer.pageSizePoints();
    QCOMPARE(int(writer.pages().size()), PdfPageCount(path));

    int tablePages = 0;
    int channels = 0;
    for (const ReportWriter::Page &page : writer.pages()) {
        // The table's cells: a channel number in the first of twelve columns.
        int rows = 0;
        for (std::size_t i = 0; i + 11 < page.items.size(); ++i) {
            const auto &first = page.items[i];
            bool isNumber = false;
            first.text.toInt(&isNumber);
            if (!isNumber || first.rect.left() > 0.01 || page.items[i + 11].text != "WWWWWWWW")
                continue;
            for (std::size_t c = i; c < i + 12; ++c) {
                const auto &cell = page.items[c];
                QCOMPARE(cell.font.pointSizeF(), 9.0);
                QVERIFY2(PointWidth(cell.font, cell.text) <= cell.rect.width() - 2 * cell.inset,
                         qPrintable(cell.text));
                QVERIFY(cell.rect.right() <= area.width() + 0.01);
                QVERIFY(cell.rect.bottom() <= area.height() + 0.01);
                QCOMPARE(cell.rect.height(), first.rect.height());
            }
            // Each title on at most two lines: no row before is taller.
            QVERIFY(i > 0 && page.items[i - 1].rect.height() < 3 * first.rect.height());
            ++rows;
            i += 11;
        }
        if (rows == 0)
            continue;
        ++tablePages;
        channels += rows;
        if (channels < kChannelCount)
            QVERIFY2(rows >= fewestRows, qPrintable(QString::number(rows)));
    }
    QCOMPARE(channels, kChannelCount);
    QCOMPARE(tablePages, 3);
}

void PrintReportTest::tableTooWideForThePageWrapsInsideIt()
{
    QTemporaryDir dir;
    QPdfWriter device(dir.filePath("wide.pdf"));
    device.setPageSize(QPageSize(QPageSize::A4));
    ReportWriter writer;
    writer.BeginDocument(&device);
    const QString words = QStringLiteral("many words that make a long cell ").repeated(6);
    writer.PrintGrid({"A", "B", "C"}, {{"1", words + "B", words + "C"}, {"2", "short", "x"}},
                     "Wide");
    QVERIFY(writer.EndDocument());
    const QSizeF area = writer.pageSizePoints();
    double shortRow = 0;
    double longRow = 0;
    for (const auto &item : writer.pages().front().items) {
        if (item.text == "Wide")
            continue;
        QCOMPARE(item.font.pointSizeF(), 8.0);
        QVERIFY(item.rect.right() <= area.width() + 0.01);
        if (item.text == "1")
            longRow = item.rect.height();
        if (item.text == "2")
            shortRow = item.rect.height();
    }
    QVERIFY(shortRow > 0);
    QVERIFY2(longRow > 2 * shortRow, "the long cells wrap onto more lines");
    const QString painted = PdfText(dir.filePath("wide.pdf"), QStringLiteral("-raw"));
    QVERIFY(Squeezed(painted).contains(Squeezed(words + "B" + words + "C")));
}

void PrintReportTest::everyPrintedTextIsExtractedAsPrinted_data()
{
    QTest::addColumn<Language>("language");
    QTest::newRow("Chinese") << Language::Chinese;
    QTest::newRow("English") << Language::English;
}

// What a reader finds and copies in the PDF is what was printed, character
// for character (in the order it was painted), for every text the report can
// print; no CJK radical stands for an ideograph.
void PrintReportTest::everyPrintedTextIsExtractedAsPrinted()
{
    QFETCH(Language, language);
    QTemporaryDir dir;
    for (int round = 0; round < OptionListLength::squelchLevel; ++round) {
        const RadioData data = EveryText(round);
        const QString path = dir.filePath(QStringLiteral("round%1.pdf").arg(round));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ReportPdf(data, language, QPageSize(QPageSize::A4), QString()));
        file.close();

        QPdfWriter device(dir.filePath("again.pdf"));
        device.setPageSize(QPageSize(QPageSize::A4));
        ReportWriter writer(PreviewReportSettings());
        QVERIFY(PrintContent(writer, &device, data, language));
        const QStringList pages = PdfPages(path, QStringLiteral("-raw"));
        QCOMPARE(pages.size(), int(writer.pages().size()));
        for (int page = 0; page < pages.size(); ++page) {
            QString printed;
            for (const auto &item : writer.pages()[std::size_t(page)].items)
                printed += item.text;
            printed += language == Language::English
                           ? QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages.size())
                           : QStringLiteral("第 %1 页，共 %2 页").arg(page + 1).arg(pages.size());
            QCOMPARE(Radicals(pages[page]), QString());
            QCOMPARE(Squeezed(pages[page]), Squeezed(printed));
        }
    }
}

void PrintReportTest::customerCopyLeavesOutUnusedChannelsAndHeadsEveryPage()
{
    RadioData data;
    data.channels.rx(3) = "145.50000";
    data.channels.tx(3) = "145.50000";
    data.channels.name(3) = "USED";
    data.channels.name(9) = "SPARE"; // a name without a channel
    QTemporaryDir dir;
    const auto texts = [&](const ReportOptions &options, std::vector<QStringList> &pages) {
        QPdfWriter device(dir.filePath("copy.pdf"));
        ReportWriter writer(PreviewReportSettings());
        QVERIFY(PrintContent(writer, &device, data, Language::English, options));
        pages.clear();
        for (const ReportWriter::Page &page : writer.pages()) {
            QStringList items;
            for (const ReportWriter::Item &item : page.items)
                items << item.text;
            pages.push_back(items);
        }
    };
    std::vector<QStringList> plain;
    texts({}, plain);
    const ReportOptions customer{.usedChannelsOnly = true,
                                 .header = true,
                                 .fileName = "shop.dat",
                                 .date = QDate(2026, 12, 8)};
    std::vector<QStringList> copy;
    texts(customer, copy);

    const QString header = QStringLiteral("File: shop.dat    Band: 136-174MHz    Date: 2026-12-08");
    QCOMPARE(ReportHeader(data, Language::English, customer), header);
    QVERIFY(copy.size() < plain.size());
    for (const QStringList &page : copy)
        QCOMPARE(page.front(), header);
    for (const QStringList &page : plain)
        QVERIFY(!page.contains(header));
    const auto anywhere = [](const std::vector<QStringList> &pages, const QString &text) {
        return std::any_of(pages.begin(), pages.end(),
                           [&](const QStringList &page) { return page.contains(text); });
    };
    QVERIFY(anywhere(plain, "SPARE"));
    QVERIFY(anywhere(copy, "USED") && !anywhere(copy, "SPARE"));

    // Unsaved data, in Chinese.
    const ReportOptions unsaved{
        .usedChannelsOnly = false, .header = true, .fileName = {}, .date = QDate(2026, 1, 2)};
    QCOMPARE(ReportHeader(data, Language::Chinese, unsaved),
             QStringLiteral("文件：（未保存）    频段：136-174MHz    日期：2026-01-02"));
}

QTEST_MAIN(PrintReportTest)
#include "test_print_report.moc"
