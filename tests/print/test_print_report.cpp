// The report writer on its own: rows flowing onto new pages inside the page,
// and the grid kept from repainting while the report reads it.

#include "pdf_text.h"

#include "print/print_report.h"
#include "print/report_writer.h"

#include <QPrinter>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace q731;
using namespace q731::testing;

namespace {

// Counts the cells read while the view could still repaint.
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

} // namespace

class PrintReportTest : public QObject
{
    Q_OBJECT
private slots:
    void gridDoesNotRepaintWhileRead();
    void rowsFlowOntoNewPagesInsideThePage();
};

void PrintReportTest::gridDoesNotRepaintWhileRead()
{
    QTemporaryDir dir;
    QWidget form1, form3, form4;
    WatchedModel model(128, 12);
    auto *grid = new QTableView(&form1);
    grid->setObjectName("Grid1");
    grid->setModel(&model);
    model.view = grid;
    form1.show();

    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(dir.filePath("report.pdf"));
    ReportWriter writer;
    QVERIFY(PrintContent(writer, &pdf, {&form1, &form3, &form4}, Language::English));
    QVERIFY(model.reads >= 128 * 12);
    QCOMPARE(model.readsWhileRepainting, 0);
    QVERIFY(grid->updatesEnabled());

    // Also when the report cannot be painted anywhere.
    pdf.setOutputFileName(QStringLiteral("/proc/q731-report.pdf"));
    QVERIFY(!PrintContent(writer, &pdf, {&form1, &form3, &form4}, Language::English));
    QVERIFY(grid->updatesEnabled());

    // A grid that was already frozen stays so.
    grid->setUpdatesEnabled(false);
    QVERIFY(!PrintContent(writer, &pdf, {&form1, &form3, &form4}, Language::English));
    QVERIFY(!grid->updatesEnabled());
}

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
    QCOMPARE(int(pages.size()), PdfPages(dir.filePath("rows.pdf")).size());
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

QTEST_MAIN(PrintReportTest)
#include "test_print_report.moc"
