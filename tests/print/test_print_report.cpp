// The report built from windows that hold the controls it reads, by name:
// content and order, pagination, paper sizes, and the grid's repaint pause.

#include "pdf_text.h"

#include "app/captions.h"
#include "app/product.h"
#include "print/print_report.h"
#include "print/report_writer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QSlider>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace q731;
using namespace q731::testing;

namespace {

// Remembers whether the view could repaint while its cells were read.
class WatchedModel : public QStandardItemModel
{
public:
    using QStandardItemModel::QStandardItemModel;
    QWidget *view = nullptr;
    mutable int readsWhileRepainting = 0;
    mutable int reads = 0;

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role == Qt::DisplayRole) {
            ++reads;
            if (view && view->updatesEnabled())
                ++readsWhileRepainting;
        }
        return QStandardItemModel::data(index, role);
    }
};

QString Caption(const char *window, const QString &control, Language language)
{
    return CaptionTexts(QString::fromLatin1(window), control, language).value(0);
}

struct Windows
{
    QWidget form1;
    QWidget form3;
    QWidget form4;
    WatchedModel model{128, 12};
    QTableView *grid = new QTableView(&form1);
    QCheckBox *check12 = nullptr;

    explicit Windows(Language language)
    {
        grid->setObjectName("Grid1");
        grid->setModel(&model);
        model.view = grid;
        const QStringList titles = CaptionTexts("Form1", "Grid1", language);
        model.setHorizontalHeaderLabels(titles);
        for (int r = 0; r < 128; ++r) {
            model.setItem(r, 0, new QStandardItem(QString::number(r + 1)));
            if (r % 3 == 0)
                model.setItem(
                    r, 1,
                    new QStandardItem(
                        QStringLiteral("4%1.00000").arg(r % 70 + 0, 2, 10, QLatin1Char('0'))));
            if (r % 3 == 0)
                model.setItem(r, 11, new QStandardItem(QStringLiteral("N%1").arg(r + 1)));
        }

        auto label = [&](const QString &name) {
            auto *widget = new QLabel(Caption("Form3", name, language), &form3);
            widget->setObjectName(name);
        };
        auto edit = [&](const QString &name, const QString &text) {
            auto *widget = new QLineEdit(text, &form3);
            widget->setObjectName(name);
        };
        auto list = [&](const QString &name) {
            auto *widget = new QComboBox(&form3);
            widget->setObjectName(name);
            widget->addItems({QStringLiteral("x"), QStringLiteral("v") + name.mid(5)});
            widget->setCurrentIndex(1);
        };
        for (const char *name : {"Label2", "Label6", "Label1", "Label3", "Label5", "Label7",
                                 "Label8", "Label9", "Label10", "Label11", "Label19", "Label31",
                                 "LabelMod", "Label20", "Label21", "Label14", "Label15"})
            label(QString::fromLatin1(name));
        for (int i = 22; i <= 30; ++i)
            label(QStringLiteral("Label%1").arg(i));
        edit("Text2", "17");
        edit("Text6", "");
        edit("Text31", "AB-1");
        edit("Text20", "435.00000");
        edit("Text21", "10.00000");
        for (const char *name : {"Combo1", "Combo3", "Combo5", "Combo7", "Combo8", "Combo9",
                                 "Combo10", "Combo11", "Combo19", "ComboMod", "Combo14", "Combo15"})
            list(QString::fromLatin1(name));
        for (int i = 22; i <= 30; ++i)
            list(QStringLiteral("Combo%1").arg(i));
        check12 = new QCheckBox(Caption("Form3", "Check12", language), &form3);
        check12->setObjectName("Check12");

        for (int i = 0; i < 9; ++i) {
            const QString frameName = QStringLiteral("Frame1(%1)").arg(i);
            auto *frame = new QGroupBox(Caption("Form4", frameName, language), &form4);
            frame->setObjectName(frameName);
            auto *slider = new QSlider(Qt::Horizontal, frame);
            slider->setObjectName(QStringLiteral("Slider1(%1)").arg(i));
            slider->setRange(0, 255);
            slider->setValue(201 + i);
        }
    }

    ReportWindows report() { return {&form1, &form3, &form4}; }
};

QString RenderPdf(const QString &path, Windows &windows, Language language,
                  QPageSize::PageSizeId paper = QPageSize::A4)
{
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(path);
    pdf.setPageSize(QPageSize(paper));
    ReportWriter writer;
    if (!PrintContent(writer, &pdf, windows.report(), language))
        return {};
    return PdfText(path);
}

QString Squeezed(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("\\s+")));
}

} // namespace

class PrintReportTest : public QObject
{
    Q_OBJECT
private slots:
    void sectionsAndRowsInOrder_data();
    void sectionsAndRowsInOrder();
    void channelGridIsWholeWithItsHeaderOnEveryPage_data();
    void channelGridIsWholeWithItsHeaderOnEveryPage();
    void gridDoesNotRepaintWhileRead();
    void writerFlowsRowsOntoNewPages();
};

void PrintReportTest::sectionsAndRowsInOrder_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<bool>("ticked");
    QTest::newRow("Chinese, ticked") << Language::Chinese << true;
    QTest::newRow("English, not ticked") << Language::English << false;
}

void PrintReportTest::sectionsAndRowsInOrder()
{
    QFETCH(Language, language);
    QFETCH(bool, ticked);
    const bool english = language == Language::English;
    QTemporaryDir dir;
    Windows windows(language);
    windows.check12->setChecked(ticked);
    const QString text = RenderPdf(dir.filePath("report.pdf"), windows, language);
    QVERIFY2(!text.isEmpty(), "the PDF could not be read back (pdftotext from poppler-utils)");
    // CJK text comes back with spaces between some glyphs; compare without them.
    const QString flat = Squeezed(text);

    auto label = [&](const QString &name) { return Squeezed(Caption("Form3", name, language)); };
    QStringList expected;
    expected << Squeezed(MakerName(language))
             << (english ? QStringLiteral("ZR-614Interphoneprogrammingdataareprinted")
                         : QStringLiteral("ZR-614对讲机编程数据打印"))
             << (english ? QStringLiteral("Functionset") : QStringLiteral("功能设置"))
             << label("Label2") + "17" << label("Label6") + label("Label1") << "v1"
             << label("Label3") + "v3" << label("Label5") + "v5" << label("Label7") + "v7"
             << label("Label8") + "v8" << label("Label9") + "v9" << label("Label10") + "v10"
             << label("Label11") + "v11" << label("Label19") + "v19" << label("Label31") + "AB-1"
             << label("LabelMod") + "vMod"
             << (english ? QStringLiteral("Thewholefrequencyfrequently")
                         : QStringLiteral("全频频率"))
             << label("Label20") + "435.00000" << label("Label21") + "10.00000";
    for (int i = 22; i <= 30; ++i)
        expected << label(QStringLiteral("Label%1").arg(i)) + QStringLiteral("v%1").arg(i);
    expected << (english ? QStringLiteral("VOX(Voicecontrollaunches)")
                         : QStringLiteral("VOX(声控发射)"))
             << label("Label14") + "v14" << label("Label15") + "v15"
             << (english ? QStringLiteral("WhetherAllowtoCancelOperating")
                         : QStringLiteral("是否允许取消操作")) +
                    (english ? (ticked ? "Yes" : "No") : (ticked ? "是" : "否"))
             << (english ? QStringLiteral("Debuginformation") : QStringLiteral("调试信息"))
             << (english ? QStringLiteral("HighSectGrades201MidSectGrades202LowSectGrades203")
                         : QStringLiteral("高段等级201中段等级202低段等级203"))
             << (english ? QStringLiteral("Channeldata") : QStringLiteral("信道数据"))
             << Squeezed(CaptionTexts("Form1", "Grid1", language).join(QString()));
    const int missing = FirstOutOfOrder(flat, expected);
    QVERIFY2(missing < 0, qPrintable(QStringLiteral("missing or out of order: ") +
                                     expected.value(missing) + "\n" + text));

    // Exactly the three high-power levels.
    for (int value = 204; value <= 209; ++value)
        QVERIFY(!flat.contains(QString::number(value)));
    QCOMPARE(flat.count(english ? QStringLiteral("MidSectGrades") : QStringLiteral("中段等级")), 1);

    // The settings fill two pages; the grid starts on the third.
    const QStringList pages = PdfPages(dir.filePath("report.pdf"));
    QVERIFY(pages.size() >= 4);
    QVERIFY(Squeezed(pages.at(1))
                .startsWith(english ? QStringLiteral("Thewhole") : QStringLiteral("全频频率")));
    QVERIFY(Squeezed(pages.at(2))
                .startsWith(english ? QStringLiteral("Channeldata") : QStringLiteral("信道数据")));
    for (int page = 0; page < pages.size(); ++page) {
        const QString number =
            english ? QStringLiteral("Page%1of%2").arg(page + 1).arg(pages.size())
                    : QStringLiteral("第%1页,共%2页").arg(page + 1).arg(pages.size());
        QVERIFY2(Squeezed(pages.at(page)).endsWith(number), qPrintable(pages.at(page)));
    }
}

void PrintReportTest::channelGridIsWholeWithItsHeaderOnEveryPage_data()
{
    QTest::addColumn<int>("paper");
    QTest::addColumn<QString>("size");
    QTest::newRow("A4") << int(QPageSize::A4) << QStringLiteral("595 x 842");
    QTest::newRow("Letter") << int(QPageSize::Letter) << QStringLiteral("612 x 792");
}

void PrintReportTest::channelGridIsWholeWithItsHeaderOnEveryPage()
{
    QFETCH(int, paper);
    QFETCH(QString, size);
    QTemporaryDir dir;
    const QString path = dir.filePath("report.pdf");
    Windows windows(Language::English);
    QVERIFY(!RenderPdf(path, windows, Language::English, QPageSize::PageSizeId(paper)).isEmpty());
    QCOMPARE(PdfPageSize(path), size);

    const QStringList pages = PdfPages(path);
    const QStringList gridPages = pages.mid(2);
    QVERIFY(gridPages.size() >= 2);
    int next = 1;
    for (const QString &page : gridPages) {
        QVERIFY2(page.contains("RXFre") && page.contains("Channel Name"), qPrintable(page));
        QVERIFY(page.contains("Channel data"));
        for (const QString &line : page.split('\n')) {
            const QStringList words = line.split(' ', Qt::SkipEmptyParts);
            bool isNumber = false;
            const int channel = words.value(0).toInt(&isNumber);
            if (!isNumber || words.size() > 3 || line.contains("Page"))
                continue;
            QCOMPARE(channel, next);
            if ((channel - 1) % 3 == 0) {
                QCOMPARE(words.size(), 3);
                QCOMPARE(words.at(2), QStringLiteral("N%1").arg(channel));
            } else {
                QCOMPARE(words.size(), 1); // an empty channel prints as an empty row
            }
            ++next;
        }
    }
    QCOMPARE(next, 129);
}

void PrintReportTest::gridDoesNotRepaintWhileRead()
{
    QTemporaryDir dir;
    Windows windows(Language::Chinese);
    windows.form1.show();
    QVERIFY(!RenderPdf(dir.filePath("report.pdf"), windows, Language::Chinese).isEmpty());
    QVERIFY(windows.model.reads >= 128 * 12);
    QCOMPARE(windows.model.readsWhileRepainting, 0);
    QVERIFY(windows.grid->updatesEnabled());

    // Also when the report cannot be painted anywhere.
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(QStringLiteral("/proc/q731-report.pdf"));
    ReportWriter writer;
    QVERIFY(!PrintContent(writer, &pdf, windows.report(), Language::Chinese));
    QVERIFY(windows.grid->updatesEnabled());
}

void PrintReportTest::writerFlowsRowsOntoNewPages()
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
        // Wider than what is left of the page: cut down to it.
        writer.PrintCell(i, 9000, 2, "1111");
        writer.EndRow();
    }
    QVERIFY(writer.EndDocument());
    const auto &pages = writer.pages();
    QVERIFY(pages.size() >= 2);
    const QSizeF area = writer.pageSizePoints();
    int cells = 0;
    for (const auto &page : pages) {
        for (const auto &item : page.items) {
            QVERIFY(item.rect.left() >= -0.01 && item.rect.right() <= area.width() + 0.01);
            QVERIFY(item.rect.top() >= 0 && item.rect.bottom() <= area.height() + 0.01);
            ++cells;
        }
    }
    QCOMPARE(cells, 160);
    const QString text = PdfText(dir.filePath("rows.pdf"));
    QCOMPARE(FirstOutOfOrder(text, {"row1 ", "row2 ", "row79 ", "row80 "}), -1);
}

QTEST_MAIN(PrintReportTest)
#include "test_print_report.moc"
