// Every window fits what it shows, in both languages: no text cut off, no tab
// hidden behind scroll arrows, no label running into its field, no box
// narrower than its title. Registered three times: at 96 DPI, at 1.5x scale
// (QT_SCALE_FACTOR) and with fonts of 144 DPI (QT_FONT_DPI), where the texts
// grow against anything sized in pixels. scripts/layout-screenshots shows the
// same windows as pictures.

#include "../support/program_fixture.h"

#include "app/about_window.h"
#include "app/band_box.h"
#include "editors/calibration_window.h"
#include "editors/channel_window.h"
#include "editors/dtmf_window.h"
#include "editors/fm_window.h"
#include "editors/options_window.h"
#include "files/channel_list_commands.h"
#include "files/csv_channels.h"
#include "files/csv_import_dialog.h"
#include "link/progress_window.h"
#include "link/transfer_controller.h"
#include "print/print_preview.h"
#include "ui/captions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>

#include <memory>

using namespace q731;
using q731::testing::ProgramFixture;

namespace {

const char kChannels[] = "Location,Frequency,Power,Mode,Name\n"
                         "1,145.50000,1.0W,FM,CALL\n"
                         "2,145.62500,2.5W,NFM,RPT2\n"
                         "3,146.00000,5.0W,FM,FIELD\n";

QString Where(const QWidget *widget)
{
    QStringList path;
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        if (!w->objectName().isEmpty())
            path.prepend(w->objectName());
        if (w->isWindow())
            break;
    }
    return path.join('/') + QStringLiteral(" (%1)").arg(widget->metaObject()->className());
}

// The stretch of a label's row that its text takes, by its alignment.
std::pair<int, int> TextExtent(const QLabel *label)
{
    const int need = label->sizeHint().width();
    const QRect r = label->geometry();
    if (label->alignment() & Qt::AlignRight)
        return {r.right() - need + 1, r.right()};
    if (label->alignment() & Qt::AlignHCenter)
        return {r.center().x() - need / 2, r.center().x() + need / 2};
    return {r.left(), r.left() + need - 1};
}

bool IsLeafControl(const QWidget *w)
{
    return qobject_cast<const QLabel *>(w) || qobject_cast<const QAbstractButton *>(w) ||
           qobject_cast<const QComboBox *>(w) || qobject_cast<const QLineEdit *>(w);
}

// What the list needs to show its longest item whole: the width the same
// list would ask for when it follows its contents.
int ComboNeeds(const QComboBox *combo)
{
    QComboBox probe;
    probe.setFont(combo->font());
    probe.setEditable(combo->isEditable());
    probe.setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (int i = 0; i < combo->count(); ++i)
        probe.addItem(combo->itemText(i));
    return probe.sizeHint().width();
}

void CheckTable(const QTableView *table, QStringList &problems)
{
    const QHeaderView *header = table->horizontalHeader();
    const QFontMetrics cells = table->fontMetrics();
    const QFontMetrics titles = header->fontMetrics();
    const int cellMargin = 2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    const int headerMargin = 2 * table->style()->pixelMetric(QStyle::PM_HeaderMargin);
    QAbstractItemModel *model = table->model();
    for (int column = 0; column < model->columnCount(); ++column) {
        if (table->isColumnHidden(column))
            continue;
        const int width = table->columnWidth(column);
        const QString title = model->headerData(column, Qt::Horizontal).toString();
        if (titles.horizontalAdvance(title) + headerMargin > width)
            problems << QStringLiteral("%1: header \"%2\" wider than its column (%3 px)")
                            .arg(Where(table), title)
                            .arg(width);
        for (int row = 0; row < model->rowCount(); ++row) {
            const QString text = model->index(row, column).data().toString();
            if (cells.horizontalAdvance(text) + cellMargin > width) {
                problems << QStringLiteral("%1: cell \"%2\" wider than column %3 (%4 px)")
                                .arg(Where(table), text)
                                .arg(column)
                                .arg(width);
                break;
            }
        }
    }
}

// Everything shown inside `window` that does not fit.
QStringList Misfits(QWidget *window)
{
    QStringList problems;
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *w : widgets) {
        if (!w->isVisibleTo(window) && w != window)
            continue;
        if (w->layout() && !w->isWindow() && w->minimumSizeHint().isValid()) {
            const QSize need = w->minimumSizeHint();
            if (w->width() < need.width() || w->height() < need.height())
                problems << QStringLiteral("%1: %2x%3 is smaller than its content %4x%5")
                                .arg(Where(w))
                                .arg(w->width())
                                .arg(w->height())
                                .arg(need.width())
                                .arg(need.height());
        }
        if (auto *label = qobject_cast<QLabel *>(w)) {
            if (!label->text().isEmpty() && !label->wordWrap() &&
                label->width() < label->sizeHint().width())
                problems << QStringLiteral("%1: \"%2\" needs %3 px, has %4")
                                .arg(Where(w), label->text())
                                .arg(label->sizeHint().width())
                                .arg(label->width());
        } else if (auto *tool = qobject_cast<QToolButton *>(w)) {
            Q_UNUSED(tool); // icons on bars; their texts are tips
        } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            if (!button->text().isEmpty() && button->width() < button->sizeHint().width())
                problems << QStringLiteral("%1: \"%2\" needs %3 px, has %4")
                                .arg(Where(w), button->text())
                                .arg(button->sizeHint().width())
                                .arg(button->width());
        } else if (auto *frame = qobject_cast<QGroupBox *>(w)) {
            if (frame->width() < frame->minimumSizeHint().width())
                problems << QStringLiteral("%1: frame \"%2\" cut").arg(Where(w), frame->title());
        } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
            if (ComboNeeds(combo) > combo->width())
                problems << QStringLiteral("%1: items need %2 px, have %3")
                                .arg(Where(w))
                                .arg(ComboNeeds(combo))
                                .arg(combo->width());
        } else if (auto *tabs = qobject_cast<QTabWidget *>(w)) {
            if (tabs->tabBar()->sizeHint().width() > tabs->width())
                problems << QStringLiteral("%1: tabs need %2 px, have %3")
                                .arg(Where(w))
                                .arg(tabs->tabBar()->sizeHint().width())
                                .arg(tabs->width());
        } else if (auto *table = qobject_cast<QTableView *>(w)) {
            CheckTable(table, problems);
        } else if (auto *bar = qobject_cast<QMenuBar *>(w)) {
            if (bar->sizeHint().width() > bar->width())
                problems << QStringLiteral("%1: menus need %2 px, have %3")
                                .arg(Where(w))
                                .arg(bar->sizeHint().width())
                                .arg(bar->width());
        }
        // A label's text must not run into a control beside it.
        if (auto *label = qobject_cast<QLabel *>(w); label && !label->text().isEmpty()) {
            const auto [from, to] = TextExtent(label);
            for (QObject *object : label->parent()->children()) {
                auto *other = qobject_cast<QWidget *>(object);
                if (!other || other == label || !other->isVisibleTo(window) ||
                    !IsLeafControl(other))
                    continue;
                const QRect r = other->geometry();
                const bool sameRow =
                    r.top() <= label->geometry().bottom() && label->geometry().top() <= r.bottom();
                if (sameRow && r.left() <= to && from <= r.right())
                    problems << QStringLiteral("%1: \"%2\" runs into %3")
                                    .arg(Where(label), label->text(), Where(other));
            }
        }
    }
    return problems;
}

// Every box shown, start-up's too, must fit its title and texts.
struct BoxChecks
{
    QStringList boxProblems;

    void check(QMessageBox &box)
    {
        box.show();
        QCoreApplication::sendPostedEvents();
        // The title bar holds the title, the window's icon and the close
        // button (about 90 px at 96 DPI).
        const int decoration = 90 * box.logicalDpiX() / 96;
        const int title = box.fontMetrics().horizontalAdvance(box.windowTitle());
        if (box.width() < title + decoration)
            boxProblems << QStringLiteral("box \"%1\": %2 px wide, its title needs %3")
                               .arg(box.windowTitle())
                               .arg(box.width())
                               .arg(title + decoration);
        boxProblems << Misfits(&box);
        box.hide();
    }
};

struct Program
    : BoxChecks
    , ProgramFixture
{
    explicit Program(Language language)
        : ProgramFixture(language, IdCancel, [this](QMessageBox &box) { check(box); })
    {
        const CsvImport import = ParseChannelsCsv(kChannels, BandLimitsOf(0));
        putRecords([&](RadioData &data) {
            for (const CsvChannel &channel : import.channels)
                ApplyCsvChannel(channel, data.channels);
        });
    }

    QStringList editorMisfits(EditorWindow *editor)
    {
        showEditor(editor);
        QCoreApplication::sendPostedEvents();
        QStringList problems = Misfits(editor->parentWidget());
        return problems;
    }

    // Every window of the program, as it is now.
    QStringList allMisfits()
    {
        session.setHiddenMode(HiddenMode::ExtraOptions, true);
        QCoreApplication::sendPostedEvents();
        QStringList problems = Misfits(window.get());
        problems << editorMisfits(channelWindow());
        problems << editorMisfits(dtmfWindow());
        problems << editorMisfits(optionsWindow());
        child<QRadioButton>(optionsWindow(), "Option2")->click();
        problems << editorMisfits(optionsWindow());
        child<QRadioButton>(optionsWindow(), "Option1")->click();
        auto *tabs = calibrationWindow()->findChild<QTabWidget *>("SSTab1");
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            problems << editorMisfits(calibrationWindow());
        }
        problems << editorMisfits(fmWindow());

        AboutWindow about(window.get());
        ApplyCaptions(session.language(), {&about});
        about.show();
        QCoreApplication::sendPostedEvents();
        problems << Misfits(&about);

        ProgressWindow *progress = transfers()->progressWindow();
        for (auto kind : {ProgressWindow::Kind::Read, ProgressWindow::Kind::Write,
                          ProgressWindow::Kind::Verify}) {
            progress->prepare(kind, session.language());
            progress->show();
            QCoreApplication::sendPostedEvents();
            problems << Misfits(progress);
            progress->hide();
        }

        // The import dialog with a summary, placed both ways.
        QTemporaryDir scratch;
        QFile list(scratch.filePath(QStringLiteral("channels.csv")));
        if (list.open(QIODevice::WriteOnly) && list.write(kChannels) > 0 && list.flush()) {
            CsvImportDialog *dialog = channelLists()->importPath(list.fileName());
            if (!dialog)
                problems << QStringLiteral("the import dialog did not open");
            for (bool renumber : {false, true}) {
                if (!dialog)
                    break;
                dialog->choosePlacement({.renumber = renumber});
                QCoreApplication::sendPostedEvents();
                problems << Misfits(dialog);
            }
            if (dialog)
                dialog->reject();
        } else {
            problems << QStringLiteral("cannot write %1").arg(list.fileName());
        }

        PrintPreview *preview = ShowPrintPreview(session, messageBoxes, window.get());
        QCoreApplication::sendPostedEvents();
        problems << Misfits(preview);
        preview->close();

        // Boxes: questions, and one whose caption is the product's title.
        boxes.clear();
        action("MNNew")->trigger();
        window->close();
        messageBoxes.show(QCoreApplication::translate("q731::PortChooser", "串行端口无效"),
                          StyleOk);
        action("MNCommPort")->trigger();
        problems << boxProblems;
        boxProblems.clear();
        return problems;
    }
};

} // namespace

class LayoutTest : public QObject
{
    Q_OBJECT
private slots:
    void everyWindowFitsInBothLanguages_data();
    void everyWindowFitsInBothLanguages();
    void powerColumnShowsMiddleWhole();
    void calibrationTabsAllInSightAfterASwitch();
};

void LayoutTest::everyWindowFitsInBothLanguages_data()
{
    QTest::addColumn<Language>("start");
    QTest::addColumn<bool>("switchLanguage");
    QTest::newRow("started in Chinese") << Language::Chinese << false;
    QTest::newRow("started in English") << Language::English << false;
    QTest::newRow("Chinese switched to English") << Language::Chinese << true;
    QTest::newRow("English switched to Chinese") << Language::English << true;
}

void LayoutTest::everyWindowFitsInBothLanguages()
{
    QFETCH(Language, start);
    QFETCH(bool, switchLanguage);
    Program program(start);
    if (switchLanguage)
        program.switchLanguage(start == Language::Chinese ? Language::English : Language::Chinese);
    const QStringList problems = program.allMisfits();
    QVERIFY(program.boxes.size() >= 3);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

void LayoutTest::powerColumnShowsMiddleWhole()
{
    Program program(Language::English);
    auto *grid = program.channelWindow()->findChild<QTableView *>("Grid1");
    QCOMPARE(grid->model()->index(1, 5).data().toString(), QStringLiteral("Middle"));
    const int margin = 2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    QVERIFY2(grid->columnWidth(5) >= grid->fontMetrics().horizontalAdvance("Middle") + margin,
             qPrintable(QString::number(grid->columnWidth(5))));
}

void LayoutTest::calibrationTabsAllInSightAfterASwitch()
{
    Program program(Language::Chinese);
    CalibrationWindow *form4 = program.calibrationWindow();
    program.showEditor(form4);
    program.switchLanguage(Language::English);
    QCoreApplication::sendPostedEvents();
    auto *tabs = form4->findChild<QTabWidget *>("SSTab1");
    QTabBar *bar = tabs->tabBar();
    QCOMPARE(bar->tabText(2), QStringLiteral("Low Power Grades"));
    // No scroll arrows, and the last tab ends inside the window.
    QTRY_VERIFY2(
        bar->tabRect(2).right() < tabs->width(),
        qPrintable(QStringLiteral("%1 / %2").arg(bar->tabRect(2).right()).arg(tabs->width())));
    for (QToolButton *arrow : bar->findChildren<QToolButton *>())
        QVERIFY(!arrow->isVisible());
    for (int tab = 0; tab < 3; ++tab)
        QVERIFY(bar->tabRect(tab).width() >
                bar->fontMetrics().horizontalAdvance(bar->tabText(tab)));
}

QTEST_MAIN(LayoutTest)
#include "test_layout.moc"
