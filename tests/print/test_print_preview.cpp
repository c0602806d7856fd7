// The Print command of the running program: the preview window, its Print
// and Save as PDF, and the report read from the records the editors show.

#include "pdf_text.h"

#include "../files/test_program.h"
#include "../special_file.h"

#include "print/print_preview.h"
#include "session/product.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace q731;
using namespace q731::testing;

namespace {

PrintPreview *OpenPreview(Program &program)
{
    program.action("MNPrint")->trigger();
    return program.window->findChild<PrintPreview *>(QStringLiteral("FrmPrint"));
}

void Click(PrintPreview *preview, const char *button)
{
    auto *widget = preview->findChild<QPushButton *>(QString::fromLatin1(button));
    QVERIFY(widget);
    QTest::mouseClick(widget, Qt::LeftButton);
}

} // namespace

class PrintPreviewTest : public QObject
{
    Q_OBJECT
private slots:
    void printShowsAModalPreviewNamedAfterTheProgram_data();
    void printShowsAModalPreviewNamedAfterTheProgram();
    void previewPaperAndPdfAreTheSamePages();
    void reportShowsWhatTheWindowsHold_data();
    void reportShowsWhatTheWindowsHold();
    void failedPdfIsToldAndChangesNothing();
    void customerChoicesReachThePagesAndAreKept();
};

void PrintPreviewTest::printShowsAModalPreviewNamedAfterTheProgram_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("Chinese") << Language::Chinese << QStringLiteral("打印预览");
    QTest::newRow("English") << Language::English << QStringLiteral("Print preview");
}

void PrintPreviewTest::printShowsAModalPreviewNamedAfterTheProgram()
{
    QFETCH(Language, language);
    QFETCH(QString, suffix);
    Program program(language);
    QPointer<PrintPreview> preview = OpenPreview(program);
    QVERIFY(preview);
    QVERIFY(QTest::qWaitForWindowExposed(preview));
    QCOMPARE(preview->windowTitle(),
             QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() + suffix);
    QCOMPARE(preview->windowModality(), Qt::ApplicationModal);
    QCOMPARE(QApplication::activeModalWidget(), preview.data());
    QTRY_VERIFY(preview->previewWidget()->pageCount() >= 3);
    QVERIFY(preview->findChild<QWidget *>("Picture1")
                ->isAncestorOf(preview->findChild<QWidget *>("CurtPrinter1")));

    Click(preview, "Close");
    QTRY_VERIFY(!preview);
    // The next Print makes a new window in the language now in force.
    program.switchLanguage(language == Language::English ? Language::Chinese : Language::English);
    PrintPreview *next = OpenPreview(program);
    QVERIFY(next);
    QVERIFY(!next->windowTitle().endsWith(suffix));
    next->close();
}

void PrintPreviewTest::previewPaperAndPdfAreTheSamePages()
{
    QTemporaryDir dir;
    Program program(Language::English);
    PrintPreview *preview = OpenPreview(program);
    QVERIFY(QTest::qWaitForWindowExposed(preview));
    QTRY_VERIFY(preview->previewWidget()->pageCount() > 0);

    QString pdfName = dir.filePath("saved.pdf");
    preview->setPdfNameChooser([&pdfName](QWidget *) { return pdfName; });
    int printerAsked = 0;
    bool printerAccepts = false;
    preview->setPrinterChooser([&](QPrinter &printer, QWidget *) {
        ++printerAsked;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("printed.pdf"));
        return printerAccepts;
    });

    Click(preview, "Print"); // cancelled in the printer dialog
    QCOMPARE(printerAsked, 1);
    QVERIFY(!QFileInfo::exists(dir.filePath("printed.pdf")));
    printerAccepts = true;
    Click(preview, "Print");
    Click(preview, "SavePdf");
    const QStringList printed = PdfPages(dir.filePath("printed.pdf"));
    const QStringList saved = PdfPages(dir.filePath("saved.pdf"));
    QVERIFY(printed.size() >= 3);
    QCOMPARE(printed, saved);
    QCOMPARE(preview->previewWidget()->pageCount(), saved.size());
    // The system's paper first: Letter where its locale measures in inches
    // (an American Windows; Wine's own locale is one), A4 elsewhere.
    const bool letterFirst = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    const QString a4 = QStringLiteral("595 x 842");
    const QString letter = QStringLiteral("612 x 792");
    QCOMPARE(PdfPageSize(dir.filePath("saved.pdf")), letterFirst ? letter : a4);

    // The other paper, chosen in the preview, reaches the preview and the PDF
    // alike.
    auto *paper = preview->findChild<QComboBox *>("Paper");
    paper->setFocus();
    QTest::keyClick(paper, letterFirst ? Qt::Key_Up : Qt::Key_Down);
    QCOMPARE(paper->currentText(), letterFirst ? QStringLiteral("A4") : QStringLiteral("Letter"));
    pdfName = dir.filePath("other.pdf");
    Click(preview, "SavePdf");
    QCOMPARE(PdfPageSize(pdfName), letterFirst ? a4 : letter);
    QCOMPARE(preview->previewWidget()->pageCount(), PdfPageCount(pdfName));

    pdfName.clear(); // the name dialog cancelled
    Click(preview, "SavePdf");
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 3);
    QVERIFY(program.boxes.isEmpty());
    preview->close();
}

void PrintPreviewTest::reportShowsWhatTheWindowsHold_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<bool>("ticked");
    QTest::newRow("Chinese, ticked") << Language::Chinese << true;
    QTest::newRow("English, not ticked") << Language::English << false;
}

void PrintPreviewTest::reportShowsWhatTheWindowsHold()
{
    QFETCH(Language, language);
    QFETCH(bool, ticked);
    const bool english = language == Language::English;
    QTemporaryDir dir;
    Program program(language);
    program.bandBox()->selectBand(3);
    program.putRecords([&](RadioData &data) {
        data.channels.rx(1) = "435.12500";
        data.channels.tx(1) = "435.12500";
        data.channels.rx(128) = "469.98750";
        data.channels.tx(128) = "469.98750";
        data.channels.name(128) = "LAST";
        data.options.allowCancelOperating = ticked;
        data.options.vfoFrequency = "435.00000";
        data.calibration.values = {11, 12, 13, 14, 15, 16, 17, 18, 19};
    });
    // Typed into the priority channel and not yet committed: printed as the
    // field's leave check keeps it.
    program.showEditor(program.optionsWindow());
    auto *priority = program.optionsWindow()->findChild<QLineEdit *>("Text2");
    priority->setFocus();
    priority->selectAll();
    QTest::keyClicks(priority, "042");

    PrintPreview *preview = OpenPreview(program);
    const QString path = dir.filePath("report.pdf");
    preview->setPdfNameChooser([&path](QWidget *) { return path; });
    Click(preview, "SavePdf");
    preview->close();
    const QStringList pages = PdfPages(path);
    QVERIFY2(pages.size() >= 4, "the PDF could not be read back");
    const QString flat = Squeezed(pages.join(QString()));
    // Found and copied as printed: no radical stands for 高, 示, 音, 止, 无 or 页.
    QCOMPARE(Radicals(pages.join(QString())), QString());

    const QStringList expected =
        english
            ? QStringList{"Q-731SoftwareTeam",
                          "ZR-614Interphoneprogrammingdataareprinted",
                          "Functionset",
                          "Priority:42",
                          "PresentChannel:1",
                          "DisplayMode:Frequency",
                          "StepFrequency:25K",
                          "SquelchLevel:4",
                          "ScanMode:Time",
                          "Thewholefrequencyfrequently",
                          "Frequency:435.00000",
                          "OffsetData:10.00000",
                          "QT/DQTDec:Off",
                          "Offset:None",
                          "VOX(Voicecontrollaunches)",
                          "VOXGainLevel:5",
                          ticked ? "WhetherAllowtoCancelOperatingYes"
                                 : "WhetherAllowtoCancelOperatingNo",
                          "Debuginformation",
                          "HighSectGrades11MidSectGrades12LowSectGrades13",
                          "Channeldata",
                          "FreRXFreTXfre",
                          "1435.12500435.12500",
                          "128469.98750469.98750"}
            : QStringList{"Q-731编程软件开发组",
                          "ZR-614对讲机编程数据打印",
                          "功能设置",
                          "优先扫描频道:42",
                          "当前频道数:1",
                          "显式模式:频率",
                          "步进频率:25K",
                          "静噪等级:4",
                          "提示音:开",
                          "扫描模式:时间",
                          "全频频率",
                          "全频频率:435.00000",
                          "异频数:10.00000",
                          "接收亚音频:关闭",
                          "异频:无异频",
                          "VOX(声控发射)",
                          "VOX增益电平:5",
                          ticked ? "是否允许取消操作是" : "是否允许取消操作否",
                          "调试信息",
                          "高段等级11中段等级12低段等级13",
                          "信道数据",
                          "频道接收频率发射频率接收亚音频发射亚音频功率繁忙信道锁定扫描添加宽窄带"
                          "发射禁止扰频频道名称",
                          "1435.12500435.12500关闭关闭低载波禁止窄带开开",
                          "128469.98750469.98750"};
    const int missing = FirstOutOfOrder(flat, expected);
    QVERIFY2(missing < 0, qPrintable(expected.value(missing) + "\n" + pages.join("\f")));
    QVERIFY(flat.contains("LAST"));
    for (int value = 14; value <= 19; ++value)
        QVERIFY(!flat.contains((english ? "Grades" : "等级") + QString::number(value)));

    // Every page numbered; the settings on two pages, the grid from the third.
    for (int page = 0; page < pages.size(); ++page) {
        const QString number =
            english ? QStringLiteral("Page%1of%2") : QStringLiteral("第%1页，共%2页");
        QVERIFY(Squeezed(pages.at(page)).endsWith(number.arg(page + 1).arg(pages.size())));
    }
    QVERIFY(Squeezed(pages.at(1)).startsWith(english ? "Thewhole" : "全频频率"));

    // Every channel row in order, the empty ones as bare numbers, and the
    // header row on every page of the grid.
    const QString header = english ? "FreRXFreTXfre" : "频道接收频率发射频率";
    int next = 1;
    for (const QString &page : pages.mid(2)) {
        QVERIFY(Squeezed(page).contains(header));
        for (const QString &line : page.split('\n')) {
            const QStringList words = line.split(' ', Qt::SkipEmptyParts);
            bool isNumber = false;
            const int channel = words.value(0).toInt(&isNumber);
            if (!isNumber || channel != next)
                continue;
            if (channel > 1 && channel < 128)
                QCOMPARE(words.size(), 1);
            ++next;
        }
    }
    QCOMPARE(next, 129);
    QVERIFY(pages.size() >= 4);
}

void PrintPreviewTest::failedPdfIsToldAndChangesNothing()
{
    QTemporaryDir dir;
    Program program(Language::English);
    PrintPreview *preview = OpenPreview(program);
    QString name = QStringLiteral("/proc/q731-report.pdf");
    preview->setPdfNameChooser([&name](QWidget *) { return name; });
    Click(preview, "SavePdf");
    QCOMPARE(program.boxes.size(), 1);
    // Named as the system writes paths (\proc\q731-report.pdf on Windows).
    QCOMPARE(program.boxes.front().text,
             QStringLiteral("Cannot save the file \"%1\".").arg(QDir::toNativeSeparators(name)));
    QCOMPARE(program.boxes.front().icon, QMessageBox::Critical);

    // A folder, and a pipe that no one reads (a write into it would never
    // end): refused, and still what they were.
    name = dir.filePath("folder.pdf");
    QVERIFY(QDir(dir.path()).mkdir("folder.pdf"));
    Click(preview, "SavePdf");
    QCOMPARE(program.boxes.size(), 2);
    QVERIFY(QFileInfo(name).isDir());
    name = MakeSpecialFile(dir.path(), "pipe.pdf");
    QVERIFY(!name.isEmpty());
    Click(preview, "SavePdf");
    QCOMPARE(program.boxes.size(), 3);
    QVERIFY(IsStillSpecial(name));

    // An older report is replaced whole.
    name = dir.filePath("old.pdf");
    QFile old(name);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(1 << 20, 'x'));
    old.close();
    Click(preview, "SavePdf");
    QCOMPARE(program.boxes.size(), 3);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QVERIFY(old.read(5) == "%PDF-");
    QVERIFY(!old.readAll().contains("xxxx"));
    preview->close();
}

void PrintPreviewTest::customerChoicesReachThePagesAndAreKept()
{
    QTemporaryDir dir;
    Program program(Language::English);
    program.putRecords([](RadioData &data) {
        data.channels.rx(3) = "145.50000";
        data.channels.tx(3) = "145.50000";
    });
    QVERIFY(program.fileCommands()->savePath(dir.filePath("shop.dat")));
    PrintPreview *preview = OpenPreview(program);
    QVERIFY(QTest::qWaitForWindowExposed(preview));
    auto *usedOnly = preview->findChild<QCheckBox *>("UsedOnly");
    auto *header = preview->findChild<QCheckBox *>("Header");
    QCOMPARE(usedOnly->text(), QStringLiteral("Channels in use only"));
    QCOMPARE(header->text(), QStringLiteral("Header: file, band, date"));
    QVERIFY(!usedOnly->isChecked() && !header->isChecked());
    QString pdfName = dir.filePath("plain.pdf");
    preview->setPdfNameChooser([&pdfName](QWidget *) { return pdfName; });
    Click(preview, "SavePdf");

    QTest::mouseClick(usedOnly, Qt::LeftButton);
    QTest::mouseClick(header, Qt::LeftButton);
    QTRY_VERIFY(preview->previewWidget()->pageCount() < PdfPageCount(pdfName));
    pdfName = dir.filePath("customer.pdf");
    Click(preview, "SavePdf");
    const QStringList pages = PdfPages(pdfName);
    QCOMPARE(preview->previewWidget()->pageCount(), pages.size());
    const QString heading =
        "File:shop.datBand:136-174MHzDate:" + QDate::currentDate().toString(Qt::ISODate);
    for (const QString &page : pages)
        QVERIFY2(Squeezed(page).startsWith(heading), qPrintable(page));
    QVERIFY(!Squeezed(PdfText(dir.filePath("plain.pdf"))).contains("File:shop.dat"));

    // Kept for the next preview while the program runs.
    preview->close();
    QTRY_VERIFY(!program.window->findChild<PrintPreview *>());
    preview = OpenPreview(program);
    QVERIFY(preview->findChild<QCheckBox *>("UsedOnly")->isChecked());
    QVERIFY(preview->findChild<QCheckBox *>("Header")->isChecked());
    preview->close();
}

QTEST_MAIN(PrintPreviewTest)
#include "test_print_preview.moc"
