#include "channel_program.h"

#include "files/file_commands.h"
#include "image/codec.h"
#include "ui/edit_history.h"
#include "ui/scroll_bars.h"
#include "ui/twips.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMdiSubWindow>
#include <QMenu>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QWheelEvent>

using namespace q731;
using q731::testing::ChannelProgram;

namespace {

QStringList Row(const ChannelProgram &program, int row)
{
    QStringList cells;
    for (int column = 1; column <= 11; ++column)
        cells << program.cell(row, column);
    return cells;
}

void Wheel(QWidget *widget, QPoint angle)
{
    const QPointF local(widget->width() / 2.0, widget->height() / 2.0);
    QWheelEvent wheel(local, widget->mapToGlobal(local), QPoint(), angle, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

void Wheel(QWidget *widget, int delta)
{
    Wheel(widget, QPoint(0, delta));
}

// What EncodeImage makes of the records now, without committing an open box.
RadioImage Bytes(const ChannelProgram &program)
{
    RadioImage image{};
    EncodeImage(program.session.data(), image);
    return image;
}

// Every cell of the channel rows.
QStringList Cells(const ChannelProgram &program)
{
    QStringList cells;
    for (int row = 1; row <= 128; ++row)
        cells << Row(program, row);
    return cells;
}

// Decodes an image made of these records, as Read and Open do.
void Load(ChannelProgram &program, const RadioData &data)
{
    RadioImage image = program.session.image();
    EncodeImage(data, image);
    program.session.setImage(image);
    program.session.decodeImage();
}

// Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z where the focus is.
void Undo()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
}

void Redo(bool shiftZ = false)
{
    if (shiftZ)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z,
                        Qt::ControlModifier | Qt::ShiftModifier);
    else
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Y, Qt::ControlModifier);
}

const QStringList kEnglishNewRow = {"145.12500", "145.12500", "Off", "Off", "High", "Off",
                                    "On",        "Wide",      "Off", "Off", ""};

} // namespace

class ChannelWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void gridHasItsRowsColumnsTitlesAndShading();
    void frequencyEntryKeepsTheBandAndSnaps_data();
    void frequencyEntryKeepsTheBandAndSnaps();
    void newRowGetsDefaultsExistingRowOnlyTheTypedCell();
    void emptyReceiveClearsTheRowEmptyTransmitChangesNothing();
    void nameBoxRaisesLettersAndRefusesTheRest();
    void clickOnAnEmptyRowOpensItsReceiveBox();
    void listChoicesWriteIndexAndText();
    void listThatLosesTheFocusChangesNothing();
    void escapeClosesAListAndNothingIsLeftLive();
    void escapeInATextBoxKeepsTheCell();
    void typingOnACellOpensItsEditor();
    void rowWorkMovesWholeChannelsInOneStep();
    void openingAndLeavingACellKeepsDecodedValues();
    void typingIntoADecodedNameRulesOnlyWhatIsTyped();
    void enterOpensTheEditorAndCommits();
    void encodingCommitsAnOpenBox();
    void languageSwitchRoundTrip();
    void decodeAndNewRebuildTheGrid();
    void wheelMovesTheTopRowByOneWithinTheGrid();
    void wheelOutsideTheGridScrollsThePanel();
    void keyboardMovesAndDeleteClearsChannels();
    void rowsCopyAndPasteThroughTheClipboard();
    void leftPressNeverDragsARange();
    void sidewaysOrEmptyWheelMovesNothing();
    void everyEditUndoesAndRedoes();
    void failedAndUnchangedCommitsMakeNoStep();
    void undoShowsTheLanguageInForce();
    void readOpenAndNewStartAFreshHistory();
    void batchReplacementIsOneStep();
};

void ChannelWindowTest::init()
{
    QApplication::setWheelScrollLines(3);
}

void ChannelWindowTest::gridHasItsRowsColumnsTitlesAndShading()
{
    ChannelProgram program;
    QVERIFY(program.active);
    ChannelGridView *grid = program.grid();
    QCOMPARE(program.model()->rowCount(), 128);
    QCOMPARE(program.model()->columnCount(), 12);
    QCOMPARE(program.form1()->windowTitle(), QStringLiteral("信道编辑"));
    const int twips[] = {600, 1100, 1100, 1200, 1200, 600, 1400, 900, 700, 1000, 900, 1400};
    // A column may be wider where its texts need more in the font in use (a
    // list's longest item, the frequencies in a wider font); app.layout checks
    // that they fit.
    for (int column = 0; column < 12; ++column)
        QVERIFY(grid->columnWidth(column) >= TwipsToPixelsX(twips[column], grid));
    QCOMPARE(program.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("接收频率"));
    QCOMPARE(program.model()->headerData(11, Qt::Horizontal).toString(),
             QStringLiteral("频道名称"));
    QCOMPARE(program.cell(1, 0), QStringLiteral("1"));
    QCOMPARE(program.cell(128, 0), QStringLiteral("128"));
    const QModelIndex even = program.model()->cellIndex(2, 5);
    const QModelIndex odd = program.model()->cellIndex(3, 5);
    QCOMPARE(even.data(Qt::BackgroundRole).value<QBrush>().color(), QColor(192, 192, 255));
    QVERIFY(!odd.data(Qt::BackgroundRole).isValid());
    QCOMPARE(odd.data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    QCOMPARE(program.list("Combo1")->count(), 265);
    QCOMPARE(program.list("Combo1")->currentIndex(), 0);
    QCOMPARE(program.list("Combo5(5)")->count(), 3);
    for (const char *name :
         {"Combo5(6)", "Combo5(7)", "Combo5(8)", "Combo5(9)", "Combo5(10)", "Combo5(11)"}) {
        QCOMPARE(program.list(name)->count(), 2);
        QCOMPARE(program.list(name)->currentIndex(), 1);
    }
    for (QWidget *editor : program.panel()->findChildren<QWidget *>()) {
        if (qobject_cast<QLineEdit *>(editor) || qobject_cast<QComboBox *>(editor))
            QVERIFY2(editor->isHidden(), qPrintable(editor->objectName()));
    }
    // The panel reaches two pixels beyond the grid; the window fits it at first.
    QCOMPARE(program.panel()->size(), grid->size() + QSize(2, 2));
    QVERIFY(!program.scrollBars()->Enabled(cScrollBars::Vertical));
}

void ChannelWindowTest::frequencyEntryKeepsTheBandAndSnaps_data()
{
    QTest::addColumn<int>("band");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("message");
    QTest::newRow("400 in 400-470") << 3 << "400"
                                    << "400.00000" << false;
    QTest::newRow("470 refused") << 3 << "470"
                                 << "" << true;
    QTest::newRow("470.00000 refused") << 3 << "470.00000"
                                       << "" << true;
    QTest::newRow("469.999") << 3 << "469.999"
                             << "469.99500" << false;
    QTest::newRow("145.127") << 0 << "145.127"
                             << "145.12500" << false;
    QTest::newRow("145.1") << 0 << "145.1"
                           << "145.10000" << false;
    QTest::newRow("145.107") << 0 << "145.107"
                             << "145.10625" << false;
    QTest::newRow("1000 refused") << 0 << "1000"
                                  << "" << true;
    QTest::newRow("point alone dropped") << 0 << "."
                                         << "" << false;
    QTest::newRow("letters never reach the box") << 0 << "14a5x"
                                                 << "145.00000" << false;
}

void ChannelWindowTest::frequencyEntryKeepsTheBandAndSnaps()
{
    QFETCH(int, band);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(bool, message);
    ChannelProgram program(Language::English);
    QVERIFY(program.active);
    program.session.setBandIndex(band);
    program.type(4, 1, typed);
    QCOMPARE(program.cell(4, 1), stored);
    QCOMPARE(QString::fromStdString(program.table().rx(4)), stored);
    QCOMPARE(program.boxTexts(),
             message ? QStringList{"Beyond the scope of frequency band"} : QStringList{});
    QVERIFY(program.text1()->isHidden());
    QVERIFY(program.grid()->hasFocus());
}

void ChannelWindowTest::newRowGetsDefaultsExistingRowOnlyTheTypedCell()
{
    ChannelProgram program;
    QVERIFY(program.active);
    program.type(2, 1, "145.127");
    QCOMPARE(Row(program, 2), (QStringList{"145.12500", "145.12500", "关闭", "关闭", "高", "关",
                                           "使能", "宽带", "关", "关", ""}));
    QCOMPARE(program.table().tx(2), std::string("145.12500"));
    QCOMPARE(program.table().index(ChannelTable::Power, 2), 1);

    program.type(2, 1, "150");
    program.type(2, 2, "151.3");
    QCOMPARE(program.cell(2, 1), QStringLiteral("150.00000"));
    QCOMPARE(program.cell(2, 2), QStringLiteral("151.30000"));
    QCOMPARE(program.cell(2, 5), QStringLiteral("高"));
    // An out-of-band value keeps the old cell; the message is in Chinese.
    program.type(2, 2, "200");
    QCOMPARE(program.cell(2, 2), QStringLiteral("151.30000"));
    QCOMPARE(program.boxTexts(), QStringList{"超出频段范围"});

    program.session.encodeImage();
    const RadioImage &image = program.session.image();
    QCOMPARE(image[13], std::uint8_t(0x00)); // 150.00000, lowest pair first
    QCOMPARE(image[16], std::uint8_t(0x15));
    QCOMPARE(image[13 + 12], std::uint8_t(0x80 + 1 + 4 * 1 + 8 + 16 + 32 + 64));
}

void ChannelWindowTest::emptyReceiveClearsTheRowEmptyTransmitChangesNothing()
{
    ChannelProgram program(Language::English);
    QVERIFY(program.active);
    program.type(6, 1, "145");
    program.type(6, 11, "CH6");
    program.type(6, 2, "");
    QCOMPARE(program.cell(6, 2), QStringLiteral("145.00000"));
    QCOMPARE(program.table().tx(6), std::string("145.00000"));
    program.type(6, 1, "");
    QCOMPARE(Row(program, 6), QStringList(QVector<QString>(11)));
    QVERIFY(program.table().name(6).empty());
    QCOMPARE(program.cell(6, 0), QStringLiteral("6"));
    // The row is new again: the next frequency brings the defaults.
    program.type(6, 1, "145.127");
    QCOMPARE(Row(program, 6), kEnglishNewRow);
}

void ChannelWindowTest::nameBoxRaisesLettersAndRefusesTheRest()
{
    ChannelProgram program(Language::English);
    QVERIFY(program.active);
    program.type(3, 1, "145");
    program.click(3, 11);
    QLineEdit *box = program.text2();
    QVERIFY(box->isVisible());
    QTest::keyClicks(box, "ab");
    // The name is in the table while it is being typed.
    QCOMPARE(program.table().name(3), std::string("AB"));
    QTest::keyClicks(box, "c !\"#9Z");
    QCOMPARE(box->text(), QStringLiteral("ABC#9"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(program.cell(3, 11), QStringLiteral("ABC#9"));
    QCOMPARE(program.table().name(3), std::string("ABC#9"));
    QVERIFY(box->isHidden());

    // A paste into the box gets the same rule as typing.
    program.click(3, 11);
    QApplication::clipboard()->setText(QStringLiteral("x y"));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box->text(), QStringLiteral("ABC#9"));
    QApplication::clipboard()->setText(QStringLiteral("xy"));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box->text(), QStringLiteral("XY"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(program.table().name(3), std::string("XY"));
}

void ChannelWindowTest::clickOnAnEmptyRowOpensItsReceiveBox()
{
    ChannelProgram program;
    QVERIFY(program.active);
    program.click(5, 5);
    QVERIFY(program.text1()->isVisible());
    QVERIFY(program.list("Combo5(5)")->isHidden());
    QCOMPARE(program.grid()->currentIndex(), program.model()->cellIndex(5, 1));
    const QRect cell = program.grid()->visualRect(program.model()->cellIndex(5, 1));
    QCOMPARE(program.text1()->geometry().size(), cell.size());
    QCOMPARE(program.text1()->pos(),
             program.grid()->viewport()->mapTo(program.panel(), cell.topLeft()));
    // The channel number opens nothing, also on an empty row.
    program.click(8, 0);
    QVERIFY(program.text1()->isHidden());
    QVERIFY(program.grid()->hasFocus());
}

void ChannelWindowTest::listChoicesWriteIndexAndText()
{
    ChannelProgram program(Language::English);
    QVERIFY(program.active);
    program.type(1, 1, "145.127");
    QCOMPARE(program.cell(1, 8), QStringLiteral("Wide"));
    QVERIFY(program.choose(1, 8, 1));
    QCOMPARE(program.cell(1, 8), QStringLiteral("wide"));
    QCOMPARE(program.table().index(ChannelTable::Bandwidth, 1), 1);
    QVERIFY(program.grid()->hasFocus());

    QVERIFY(program.choose(1, 5, 2));
    QCOMPARE(program.cell(1, 5), QStringLiteral("Middle"));
    QCOMPARE(program.table().index(ChannelTable::Power, 1), 2);
    QVERIFY(program.choose(1, 7, 0));
    QCOMPARE(program.cell(1, 7), QStringLiteral("Off"));
    QCOMPARE(program.table().index(ChannelTable::ScanAdd, 1), 0);

    QVERIFY(program.choose(1, 4, 3));
    QCOMPARE(program.cell(1, 4), QStringLiteral("71.9"));
    QCOMPARE(program.table().index(ChannelTable::TxTone, 1), 3);
    // The list opens on the channel's index.
    program.click(1, 4);
    QCOMPARE(program.list("Combo1")->currentIndex(), 3);
    QTest::keyClick(program.list("Combo1")->view(), Qt::Key_Escape);

    program.session.encodeImage();
    const RadioImage &image = program.session.image();
    QCOMPARE(image[10], std::uint8_t(0x19)); // 71.9 Hz: 0719 in BCD, low byte first
    QCOMPARE(image[11], std::uint8_t(0x07));
    QCOMPARE(image[12], std::uint8_t(0x80 + 2 + 4 + 0 + 16 + 32 + 64));
}

void ChannelWindowTest::listThatLosesTheFocusChangesNothing()
{
    ChannelProgram program(Language::English);
    QVERIFY(program.active);
    program.type(1, 1, "145");
    const RadioImage before = Bytes(program);
    QComboBox *power = program.list("Combo5(5)");
    // Closed by a click elsewhere in the grid, by F4, and by the focus
    // going to another control of the program.
    for (int way = 0; way < 3; ++way) {
        program.click(1, 5);
        QVERIFY(power->view()->isVisible());
        QTest::keyClick(power->view(), Qt::Key_Down);
        if (way == 0) {
            // While a list is open a click anywhere reaches the list first.
            QWidget *popup = power->view()->window();
            const QPoint elsewhere =
                program.grid()->viewport()->mapToGlobal(program.cellCentre(3, 0));
            QTest::mouseClick(popup, Qt::LeftButton, {}, popup->mapFromGlobal(elsewhere));
        } else if (way == 1) {
            QTest::keyClick(power->view(), Qt::Key_F4);
        } else {
            power->hidePopup();
            program.bandBox()->setFocus(Qt::OtherFocusReason);
        }
        QTRY_VERIFY2(power->isHidden(), qPrintable(QString::number(way)));
        // Whatever reaches the closed list now changes nothing.
        QTest::keyClick(power, Qt::Key_Down);
        QTest::keyClick(power, Qt::Key_End);
        QTest::keyClicks(power, "M");
        Wheel(power, -120);
        QCOMPARE(program.cell(1, 5), QStringLiteral("High"));
        QVERIFY(Bytes(program) == before);
    }
}

void ChannelWindowTest::escapeClosesAListAndNothingIsLeftLive()
{
    ChannelProgram program(Language::English);
    QVERIFY(program.active);
    program.type(1, 1, "145");
    program.type(2, 1, "146");
    const RadioImage before = Bytes(program);
    const QStringList cells = Cells(program);
    for (int column : {3, 4, 5, 6, 8, 10}) {
        program.click(1, column);
        const QString name = column <= 4 ? QString("Combo1") : QString("Combo5(%1)").arg(column);
        QComboBox *list = program.list(qPrintable(name));
        QVERIFY(list->view()->isVisible());
        QTest::keyClick(list->view(), Qt::Key_Down);
        QTest::keyClick(list->view(), Qt::Key_Escape);
        // The edit is over at once: no list left behind, the grid has the focus.
        QVERIFY(!list->view()->isVisible());
        QVERIFY(list->isHidden());
        QVERIFY(program.grid()->hasFocus());
        // Keys and wheel notches after Esc, where the focus is and on the list.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Up);
        Wheel(list, -120);
        Wheel(list, 120);
        Wheel(program.grid()->viewport(), 120);
        QCOMPARE(Cells(program), cells);
        QVERIFY(Bytes(program) == before);
    }
    // Down on the grid moved its cursor and opened nothing.
    QCOMPARE(program.currentRow(), 2);
    QVERIFY(program.text1()->isHidden());
}

void ChannelWindowTest::rowWorkMovesWholeChannelsInOneStep()
{
    ChannelProgram program(Language::English);
    QVERIFY(program.active);
    const QStringList names = {"C", "A", "B"};
    for (int n = 1; n <= 3; ++n) {
        program.type(n, 1, QString::number(144 + n));
        program.type(n, 11, names[n - 1]);
    }
    const auto column = [&program](int column) {
        QStringList cells;
        for (int n = 1; n <= 4; ++n)
            cells << program.cell(n, column);
        return cells;
    };
    ChannelGridView *grid = program.grid();

    // Alt+Down: the channel goes one down with its frequency and name, and
    // stays selected; one undo step puts it back.
    program.click(1, 0);
    QTest::keyClick(grid, Qt::Key_Down, Qt::AltModifier);
    QCOMPARE(column(11), (QStringList{"A", "C", "B", ""}));
    QCOMPARE(column(1), (QStringList{"146.00000", "145.00000", "147.00000", ""}));
    QCOMPARE(program.currentRow(), 2);
    QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(column(11), (QStringList{"C", "A", "B", ""}));

    // Insert above the selection, and delete shifting up.
    program.click(2, 0);
    QTest::keyClick(grid, Qt::Key_Insert);
    QCOMPARE(column(11), (QStringList{"C", "", "A", "B"}));
    QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(column(11), (QStringList{"C", "A", "B", ""}));

    // Sort by name from the grid's menu (all channels: one is selected).
    program.rightClick(1, 0, [](QMenu *menu) { QTest::keyClick(menu, Qt::Key_N); });
    QCOMPARE(column(11), (QStringList{"A", "B", "C", ""}));
    QCOMPARE(column(1), (QStringList{"146.00000", "147.00000", "145.00000", ""}));

    // Dragging channel 1's number below channel 3.
    QWidget *viewport = grid->viewport();
    program.click(1, 0);
    const QRect third = grid->visualRect(program.model()->cellIndex(3, 0));
    QTest::mousePress(viewport, Qt::LeftButton, {}, program.cellCentre(1, 0));
    QTest::mouseMove(viewport, third.center());
    QTest::mouseMove(viewport, third.center() + QPoint(0, third.height() / 4));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, third.center() + QPoint(0, 4));
    QCOMPARE(column(11), (QStringList{"B", "C", "A", ""}));
    // Esc while dragging puts nothing anywhere.
    program.click(1, 0);
    QTest::mousePress(viewport, Qt::LeftButton, {}, program.cellCentre(1, 0));
    QTest::mouseMove(viewport, third.center());
    QTest::keyClick(grid, Qt::Key_Escape);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, third.center());
    QCOMPARE(column(11), (QStringList{"B", "C", "A", ""}));

    // One power for the three selected channels in use: one undo step.
    program.click(1, 0);
    program.click(4, 0, Qt::ShiftModifier);
    program.click(2, 5);
    QComboBox *power = program.list("Combo5(5)");
    QVERIFY(power->view()->isVisible());
    QTest::keyClick(power->view(), Qt::Key_Home);
    QTest::keyClick(power->view(), Qt::Key_Return);
    QCOMPARE(column(5), (QStringList{"Low", "Low", "Low", ""}));
    QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(column(5), (QStringList{"High", "High", "High", ""}));

    // Channel 128 is in use: nothing is inserted, and the user is told.
    program.type(128, 1, "150");
    const RadioImage before = Bytes(program);
    program.click(1, 0);
    program.action("MNInsert")->trigger();
    QCOMPARE(program.boxTexts(),
             QStringList{"Channel 128 is in use; no empty channel can be inserted."});
    QVERIFY(Bytes(program) == before);
    // The Edit menu has the same commands.
    QCOMPARE(program.child<QMenu>("MNChannelRows")->title(), QStringLiteral("Channel Rows(&H)"));
    QCOMPARE(program.child<QMenu>("MNChannelRows")->actions().size(), 12);
}

void ChannelWindowTest::typingOnACellOpensItsEditor()
{
    ChannelProgram program(Language::English);
    QVERIFY(program.active);
    // The row's number selects it and opens nothing; a character on the
    // receive frequency opens its box with that character.
    program.click(3, 0);
    QVERIFY(program.text1()->isHidden());
    QTest::keyClick(program.grid(), Qt::Key_Right);
    QTest::keyClick(program.grid(), Qt::Key_1);
    QVERIFY(program.text1()->isVisible());
    QCOMPARE(program.text1()->text(), QStringLiteral("1"));
    QTest::keyClicks(program.text1(), "46.5");
    QTest::keyClick(program.text1(), Qt::Key_Return);
    QCOMPARE(program.cell(3, 1), QStringLiteral("146.50000"));

    // In a list the character picks the first item it begins; Enter takes it.
    program.click(3, 0);
    for (int column = 1; column <= 5; ++column)
        QTest::keyClick(program.grid(), Qt::Key_Right);
    QTest::keyClick(program.grid(), Qt::Key_M);
    QComboBox *power = program.list("Combo5(5)");
    QVERIFY(power->view()->isVisible());
    QTest::keyClick(power->view(), Qt::Key_Return);
    QCOMPARE(program.cell(3, 5), QStringLiteral("Middle"));

    // F2 opens the name box with the name; a shortcut is no character.
    program.type(3, 11, "ab");
    program.click(3, 0);
    QTest::keyClick(program.grid(), Qt::Key_End);
    QTest::keyClick(program.grid(), Qt::Key_J, Qt::ControlModifier);
    QVERIFY(program.text2()->isHidden());
    QTest::keyClick(program.grid(), Qt::Key_F2);
    QVERIFY(program.text2()->isVisible());
    QCOMPARE(program.text2()->text(), QStringLiteral("AB"));
    QTest::keyClick(program.text2(), Qt::Key_Escape);
    QCOMPARE(program.cell(3, 11), QStringLiteral("AB"));
}

void ChannelWindowTest::escapeInATextBoxKeepsTheCell()
{
    ChannelProgram program(Language::English);
    QVERIFY(program.active);
    program.type(2, 1, "145");
    program.type(2, 11, "ab");
    const RadioImage before = Bytes(program);
    const QStringList cells = Cells(program);

    program.click(2, 1);
    QTest::keyClicks(program.text1(), "150");
    QTest::keyClick(program.text1(), Qt::Key_Escape);
    QVERIFY(program.text1()->isHidden());
    QVERIFY(program.grid()->hasFocus());

    // The name is stored while it is typed; Esc puts the old one back.
    program.click(2, 11);
    QTest::keyClicks(program.text2(), "cd");
    QCOMPARE(program.table().name(2), std::string("CD"));
    QTest::keyClick(program.text2(), Qt::Key_Escape);
    QVERIFY(program.text2()->isHidden());
    QVERIFY(program.grid()->hasFocus());

    // An empty row stays empty.
    program.click(5, 3);
    QTest::keyClicks(program.text1(), "146");
    QTest::keyClick(program.text1(), Qt::Key_Escape);
    QVERIFY(program.text1()->isHidden());

    QTest::keyClick(program.grid(), Qt::Key_Down);
    QCOMPARE(Cells(program), cells);
    QVERIFY(Bytes(program) == before);
    QVERIFY(program.boxTexts().isEmpty());
}

void ChannelWindowTest::openingAndLeavingACellKeepsDecodedValues()
{
    ChannelProgram program(Language::English);
    QVERIFY(program.active);
    RadioData data;
    data.bandIndex = 0;
    // Names as a radio may hold them: 6 to 8 characters, lower case, any byte.
    const std::string names[] = {"abcdefgh", "Ab#12xy", "\x01 \xC3\xA9\x7f~{}",
                                 "LONGNAME", "spare6",  "x"};
    for (int n = 1; n <= 6; ++n) {
        if (n <= 4) {
            data.channels.rx(n) = "145.12300"; // off the raster, as decoded
            data.channels.tx(n) = "146.00000";
        }
        data.channels.name(n) = names[n - 1];
    }
    Load(program, data);
    const RadioImage before = Bytes(program);
    QCOMPARE(program.cell(3, 11), QString::fromStdString(names[2]));

    enum Leave { Enter, ClickElsewhere, Escape, Save };
    for (Leave leave : {Enter, ClickElsewhere, Escape, Save}) {
        for (int n = 1; n <= 6; ++n) {
            for (int column : {1, 2, 11}) {
                program.click(n, column);
                QLineEdit *box = n <= 4 && column == 11 ? program.text2() : program.text1();
                QVERIFY(box->isVisible());
                if (box == program.text2())
                    QCOMPARE(box->text(), QString::fromStdString(names[n - 1]));
                switch (leave) {
                case Enter:
                    QTest::keyClick(box, Qt::Key_Return);
                    break;
                case ClickElsewhere:
                    program.click(n, 0);
                    break;
                case Escape:
                    QTest::keyClick(box, Qt::Key_Escape);
                    break;
                case Save:
                    program.session.encodeImage();
                    break;
                }
                QVERIFY(box->isHidden());
                QVERIFY2(
                    Bytes(program) == before,
                    qPrintable(
                        QString("row %1 column %2 way %3").arg(n).arg(column).arg(int(leave))));
            }
        }
    }
    QCOMPARE(program.table().name(1), std::string("abcdefgh"));
    QCOMPARE(program.table().name(5), std::string("spare6"));
    QCOMPARE(program.cell(1, 1), QStringLiteral("145.12300"));
}

void ChannelWindowTest::typingIntoADecodedNameRulesOnlyWhatIsTyped()
{
    ChannelProgram program(Language::English);
    QVERIFY(program.active);
    RadioData data;
    data.channels.rx(1) = "145.00000";
    data.channels.name(1) = "abcdefgh";
    data.channels.rx(2) = "145.00000";
    data.channels.name(2) = "ab cd";
    Load(program, data);

    program.click(1, 11);
    QLineEdit *box = program.text2();
    QTest::keyClick(box, Qt::Key_End);
    // Longer than typing allows: the user may shorten it but not add to it.
    QTest::keyClicks(box, "x");
    QCOMPARE(box->text(), QStringLiteral("abcdefgh"));
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(program.table().name(1), std::string("abcde"));
    QTest::keyClicks(box, "x");
    QCOMPARE(box->text(), QStringLiteral("abcde"));
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, "x!");
    QCOMPARE(box->text(), QStringLiteral("abcdX"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(program.table().name(1), std::string("abcdX"));
    QCOMPARE(program.cell(1, 11), QStringLiteral("abcdX"));

    // A character typed in the middle follows the rule; the rest stays.
    program.click(2, 11);
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_Right);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, "q");
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(program.table().name(2), std::string("aQ cd"));

    // Paste through the box's own menu goes by the same rule.
    program.click(2, 11);
    for (const QString &clip : {QStringLiteral("x y"), QStringLiteral("xy")}) {
        QApplication::clipboard()->setText(clip);
        box->selectAll();
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(2, 2),
                                    box->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(box, &menuEvent);
        QMenu *menu = nullptr;
        QTRY_VERIFY((menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())));
        QAction *paste = nullptr;
        for (QAction *action : menu->actions()) {
            if (action->text().startsWith(QStringLiteral("&Paste")))
                paste = action;
        }
        QVERIFY(paste);
        paste->trigger();
        menu->close();
        QCOMPARE(box->text(), clip == "xy" ? QStringLiteral("XY") : QStringLiteral("aQ cd"));
    }
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(program.table().name(2), std::string("XY"));
}

void ChannelWindowTest::enterOpensTheEditorAndCommits()
{
    ChannelProgram program(Language::English);
    QVERIFY(program.active);
    program.click(1, 0);
    ChannelGridView *grid = program.grid();
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Return);
    QVERIFY(program.text1()->hasFocus());
    // The grid holds the cell's editor while it is open, and only then.
    const QModelIndex rx = program.model()->cellIndex(1, 1);
    QCOMPARE(grid->indexWidget(rx), program.text1());
    QTest::keyClicks(program.text1(), "145.127");
    QTest::keyClick(program.text1(), Qt::Key_Enter);
    QVERIFY(grid->hasFocus());
    QVERIFY(!grid->indexWidget(rx));
    QCOMPARE(Row(program, 1), kEnglishNewRow);
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Return);
    QVERIFY(program.list("Combo1")->view()->isVisible());
    QCOMPARE(grid->indexWidget(program.model()->cellIndex(1, 3)), program.list("Combo1"));
    QTest::keyClick(program.list("Combo1")->view(), Qt::Key_Down);
    QTest::keyClick(program.list("Combo1")->view(), Qt::Key_Return);
    QCOMPARE(program.cell(1, 3), QStringLiteral("67.0"));
    QVERIFY(!grid->indexWidget(program.model()->cellIndex(1, 3)));

    // Tab leaves a box as a click elsewhere does: what it holds is committed,
    // and the grid's cell stays where it was, with no editor opened beside it.
    QTest::keyClick(grid, Qt::Key_Left);
    QTest::keyClick(grid, Qt::Key_Return);
    QVERIFY(program.text1()->hasFocus());
    QTest::keyClicks(program.text1(), "146");
    QTest::keyClick(program.text1(), Qt::Key_Tab);
    QVERIFY(program.text1()->isHidden());
    QCOMPARE(program.cell(1, 2), QStringLiteral("146.00000"));
    QCOMPARE(grid->currentIndex(), program.model()->cellIndex(1, 2));
    QVERIFY(program.list("Combo1")->isHidden());
    QVERIFY(!grid->indexWidget(program.model()->cellIndex(1, 2)));
    QVERIFY(!grid->indexWidget(program.model()->cellIndex(1, 3)));
}

void ChannelWindowTest::encodingCommitsAnOpenBox()
{
    ChannelProgram program(Language::English);
    QVERIFY(program.active);
    program.click(1, 1);
    QTest::keyClicks(program.text1(), "146.5");
    // Save, Write and Print encode first: the typed value goes with them.
    program.session.encodeImage();
    QVERIFY(program.text1()->isHidden());
    QCOMPARE(program.cell(1, 1), QStringLiteral("146.50000"));
    QCOMPARE(program.session.image()[2], std::uint8_t(0x65));
    QCOMPARE(program.session.image()[3], std::uint8_t(0x14));

    program.click(1, 11);
    QTest::keyClicks(program.text2(), "ab");
    program.form1()->commitPendingEdits();
    QVERIFY(program.text2()->isHidden());
    program.session.encodeImage();
    QCOMPARE(program.session.image()[2048], std::uint8_t('A'));
    QCOMPARE(program.session.image()[2050], std::uint8_t(0xFF));

    // A click on the toolbar closes the boxes with what they hold.
    program.click(2, 1);
    QTest::keyClicks(program.text1(), "147");
    // The band frame; the optional features window has a Frame1 of its own.
    QWidget *bandFrame = program.bandBox()->parentWidget();
    QTest::mouseClick(bandFrame, Qt::LeftButton, {}, QPoint(bandFrame->width() - 4, 2));
    QCOMPARE(program.cell(2, 1), QStringLiteral("147.00000"));
}

void ChannelWindowTest::languageSwitchRoundTrip()
{
    ChannelProgram program;
    QVERIFY(program.active);
    program.type(1, 1, "145");
    QVERIFY(program.choose(1, 5, 2));
    QVERIFY(program.choose(1, 6, 0));
    program.type(2, 1, "146");
    QCOMPARE(program.cell(1, 5), QStringLiteral("中"));
    const QStringList chinese1 = Row(program, 1);
    const QStringList chinese2 = Row(program, 2);

    program.action("MNEnglish")->trigger();
    QCOMPARE(Row(program, 1), (QStringList{"145.00000", "145.00000", "Off", "Off", "Middle",
                                           "Carry", "On", "wide", "Off", "Off", ""}));
    QCOMPARE(program.cell(2, 8), QStringLiteral("wide"));
    QCOMPARE(program.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("RXFre"));
    QCOMPARE(program.form1()->windowTitle(), QStringLiteral("Channel Edit"));
    QCOMPARE(program.list("Combo5(5)")->itemText(2), QStringLiteral("Middle"));

    program.action("MNChinese")->trigger();
    QCOMPARE(Row(program, 1), chinese1);
    // "Wide" of the new channel went through the list: the list's own text now.
    QCOMPARE(Row(program, 2)[7], QStringLiteral("宽带"));
    QCOMPARE(Row(program, 2), chinese2);
    QCOMPARE(program.table().index(ChannelTable::Power, 1), 2);
    QCOMPARE(program.table().index(ChannelTable::BusyLock, 1), 0);

    // The same language again: the same texts.
    program.action("MNChinese")->trigger();
    QCOMPARE(Row(program, 1), chinese1);
}

void ChannelWindowTest::decodeAndNewRebuildTheGrid()
{
    ChannelProgram program(Language::English);
    QVERIFY(program.active);
    RadioData data;
    data.bandIndex = 0;
    data.channels.rx(1) = "145.00000";
    data.channels.tx(1) = "";
    data.channels.index(ChannelTable::RxTone, 1) = 1;
    data.channels.index(ChannelTable::Power, 1) = 2;
    data.channels.rx(2) = "174.00000"; // on the upper limit: dropped
    data.channels.name(2) = "KEPT";
    RadioImage image = program.session.image();
    EncodeImage(data, image);
    program.session.setImage(image);

    program.click(5, 1);
    QTest::keyClicks(program.text1(), "150");
    program.session.decodeImage();
    // The box belonged to the old table and closes without a commit.
    QVERIFY(program.text1()->isHidden());
    QVERIFY(program.cell(5, 1).isEmpty());
    QCOMPARE(Row(program, 1), (QStringList{"145.00000", "", "67.0", "Off", "Middle", "Carry", "Off",
                                           "Narror", "On", "On", ""}));
    QCOMPARE(Row(program, 2), (QStringList{"", "", "", "", "", "", "", "", "", "", "KEPT"}));

    program.answers = {IdOk};
    program.action("MNNew")->trigger();
    QCOMPARE(Row(program, 1), QStringList(QVector<QString>(11)));
    QVERIFY(program.cell(2, 11).isEmpty());
}

void ChannelWindowTest::wheelMovesTheTopRowByOneWithinTheGrid()
{
    ChannelProgram program;
    QVERIFY(program.active);
    ChannelGridView *grid = program.grid();
    QWidget *viewport = grid->viewport();
    QCOMPARE(grid->topRow(), 1);
    Wheel(viewport, 120); // away from the user at the first row
    QCOMPARE(grid->topRow(), 1);
    Wheel(viewport, -120);
    QCOMPARE(grid->topRow(), 2);
    Wheel(viewport, -360); // one notification, one row
    QCOMPARE(grid->topRow(), 3);
    Wheel(viewport, 120);
    QCOMPARE(grid->topRow(), 2);

    grid->setTopRow(128);
    const int last = grid->topRow();
    QVERIFY(last > 100);
    Wheel(viewport, -120);
    QCOMPARE(grid->topRow(), last);
    Wheel(grid->verticalScrollBar(), 120);
    QCOMPARE(grid->topRow(), last - 1);
    // The window's own bar did not move.
    QCOMPARE(program.scrollBars()->Value(cScrollBars::Vertical), 0);
}

void ChannelWindowTest::wheelOutsideTheGridScrollsThePanel()
{
    ChannelProgram program;
    QVERIFY(program.active);
    auto *sub = qobject_cast<QMdiSubWindow *>(program.form1()->parentWidget());
    QVERIFY(sub);
    sub->resize(500, 250);
    cScrollBars *bars = program.scrollBars();
    QTRY_VERIFY(bars->Enabled(cScrollBars::Vertical));
    QWidget *panel = program.panel();
    QCOMPARE(bars->Max(cScrollBars::Vertical), panel->height() - bars->clientRect().height());
    // Over the panel outside the grid the wheel goes on to the window.
    Wheel(program.form1(), -120);
    QCOMPARE(bars->Value(cScrollBars::Vertical), 6);
    QCOMPARE(panel->y(), -6);
    Wheel(program.form1(), 120);
    QCOMPARE(bars->Value(cScrollBars::Vertical), 0);
    QCOMPARE(panel->y(), 0);
    QTest::keyClick(bars->bar(cScrollBars::Horizontal), Qt::Key_PageDown);
    QCOMPARE(panel->x(), -bars->Value(cScrollBars::Horizontal));
    QVERIFY(panel->x() < 0);
}

void ChannelWindowTest::keyboardMovesAndDeleteClearsChannels()
{
    ChannelProgram program(Language::English);
    QVERIFY(program.active);
    program.type(1, 1, "145");
    program.type(2, 1, "146");
    program.type(3, 1, "147");
    program.click(1, 0);
    ChannelGridView *grid = program.grid();
    auto current = [grid] {
        return QPoint(grid->currentIndex().column(), grid->currentIndex().row() + 1);
    };
    QTest::keyClick(grid, Qt::Key_Right);
    QCOMPARE(current(), QPoint(1, 1));
    QTest::keyClick(grid, Qt::Key_Tab);
    QCOMPARE(current(), QPoint(2, 1));
    QTest::keyClick(grid, Qt::Key_End);
    QCOMPARE(current(), QPoint(11, 1));
    QTest::keyClick(grid, Qt::Key_Tab); // wraps to the next row
    QCOMPARE(current(), QPoint(0, 2));
    QTest::keyClick(grid, Qt::Key_Home);
    QTest::keyClick(grid, Qt::Key_Down);
    QCOMPARE(current(), QPoint(0, 3));
    QVERIFY(program.text1()->isHidden());

    QTest::keyClick(grid, Qt::Key_Up, Qt::ShiftModifier);
    QTest::keyClick(grid, Qt::Key_Delete);
    QVERIFY(program.cell(2, 1).isEmpty());
    QVERIFY(program.cell(3, 1).isEmpty());
    QVERIFY(program.table().rx(3).empty());
    QCOMPARE(program.cell(1, 1), QStringLiteral("145.00000"));
}

void ChannelWindowTest::rowsCopyAndPasteThroughTheClipboard()
{
    ChannelProgram program(Language::English);
    QVERIFY(program.active);
    RadioData data;
    data.bandIndex = 0;
    // Names as a radio holds them: longer than typing allows, any byte.
    data.channels.rx(2) = data.channels.tx(2) = "146.00000";
    data.channels.name(2) = "VTAC11";
    data.channels.name(3) = "a\tb\xC3\xA9";
    Load(program, data);
    program.type(1, 1, "145.1");
    QVERIFY(program.choose(1, 5, 0));
    program.type(1, 11, "one");
    program.click(1, 0);
    program.click(3, 0, Qt::ShiftModifier);
    QTest::keyClick(program.grid(), Qt::Key_C, Qt::ControlModifier);
    const QString copied = QApplication::clipboard()->text();
    QCOMPARE(copied.count(QLatin1Char('\n')), 3);
    QCOMPARE(copied.section(QLatin1Char('\n'), 0, 0).split(QLatin1Char('\t')).size(), 11);

    // Rows copied here paste exactly as they were, in one undo step.
    const RadioImage before = Bytes(program);
    QUndoStack &history = program.history();
    const int steps = history.count();
    program.click(10, 0);
    QTest::keyClick(program.grid(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(history.count(), steps + 1);
    for (int n = 1; n <= 3; ++n)
        QCOMPARE(Row(program, n + 9), Row(program, n));
    QCOMPARE(program.cell(10, 8), QStringLiteral("Wide"));
    QCOMPARE(program.table().index(ChannelTable::Power, 10), 0);
    QCOMPARE(program.table().name(11), std::string("VTAC11"));
    QCOMPARE(program.table().name(12), std::string("a\tb\xC3\xA9"));
    const RadioImage after = Bytes(program);
    for (int n = 0; n < 3; ++n) {
        for (int i = 0; i < 13; ++i)
            QCOMPARE(after[13 * (n + 9) + i], after[13 * n + i]);
        for (int i = 0; i < 8; ++i)
            QCOMPARE(after[2048 + 8 * (n + 9) + i], after[2048 + 8 * n + i]);
    }
    Undo();
    QVERIFY(Bytes(program) == before);
    QVERIFY(program.boxTexts().isEmpty());

    // Text from elsewhere goes through the entry rules.
    QApplication::clipboard()->setText(QStringLiteral("146\t\t\t\t\t\t\t\t\t\tvtac11"));
    program.click(10, 0);
    QTest::keyClick(program.grid(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(program.table().name(10), std::string("VTAC1"));
    QCOMPARE(program.cell(10, 8), QStringLiteral("Wide"));

    // Refusals change nothing, make no step and say why, naming the row.
    const int kept = history.count();
    const RadioImage unchanged = Bytes(program);
    const auto paste = [&program](int row, const QString &text) {
        QApplication::clipboard()->setText(text);
        program.click(row, 0);
        QTest::keyClick(program.grid(), Qt::Key_V, Qt::ControlModifier);
    };
    paste(126, QStringLiteral("150\n151\n152\n153\n154\n"));
    paste(20, QStringLiteral("150\n180\n"));
    paste(20, QStringLiteral("hello"));
    paste(20, QString());
    program.switchLanguage(Language::Chinese);
    paste(20, QStringLiteral("150\t150\t关闭\t响"));
    QCOMPARE(program.boxTexts(),
             QStringList({"2 of the 5 rows do not fit: from channel 126 to channel 128 there is "
                          "room for 3.\r\nNothing was pasted.",
                          "Beyond the scope of frequency band\r\nLine 2 of the clipboard "
                          "(channel 21): 180 in the column RXFre is outside the band "
                          "136-174MHz.\r\nNothing was pasted.",
                          "Line 1 of the clipboard is not a channel row: \"hello\" in the column "
                          "RXFre is not a frequency.\r\nNothing was pasted.",
                          "The clipboard holds no channel rows. Nothing was pasted.",
                          "剪贴板第 1 行不是频道行：“发射亚音频”列的“响”不是列表中的选项。"
                          "\r\n未粘贴任何内容。"}));
    QCOMPARE(history.count(), kept);
    QVERIFY(Bytes(program) == unchanged);
}

void ChannelWindowTest::leftPressNeverDragsARange()
{
    ChannelProgram program;
    QVERIFY(program.active);
    QWidget *viewport = program.grid()->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, program.cellCentre(3, 0));
    QTest::mouseMove(viewport, program.cellCentre(5, 0));
    QTest::mouseMove(viewport, program.cellCentre(6, 0));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, program.cellCentre(6, 0));
    // The number dragged its channel along; no range of rows was selected.
    const QModelIndexList selected = program.grid()->selectionModel()->selectedIndexes();
    QVERIFY(!selected.isEmpty());
    for (const QModelIndex &index : selected)
        QCOMPARE(index.row(), selected.front().row());
    // A right press takes the focus, closes the box and shows the channels'
    // menu for the channel under it.
    program.click(4, 1);
    QVERIFY(program.text1()->hasFocus());
    const QStringList entries = program.rightClick(7, 1);
    QVERIFY(program.text1()->isHidden());
    QCOMPARE(program.form1()->focusWidget(), program.grid());
    QCOMPARE(entries.size(), 12);
    QCOMPARE(entries.front(), QStringLiteral("剪切(&T)"));
    QCOMPARE(program.currentRow(), 7);
}

void ChannelWindowTest::sidewaysOrEmptyWheelMovesNothing()
{
    ChannelProgram program;
    QVERIFY(program.active);
    ChannelGridView *grid = program.grid();
    grid->setTopRow(5);
    auto *sub = qobject_cast<QMdiSubWindow *>(program.form1()->parentWidget());
    sub->resize(500, 250);
    cScrollBars *bars = program.scrollBars();
    QTRY_VERIFY(bars->Enabled(cScrollBars::Vertical));
    bars->setValue(cScrollBars::Vertical, 12);
    bars->setValue(cScrollBars::Horizontal, 30);
    QWidget *panel = program.panel();
    const QPoint place = panel->pos();
    QCOMPARE(place, QPoint(-30, -12));

    const QList<QWidget *> targets = {grid->viewport(), grid->verticalScrollBar(), program.form1(),
                                      bars->bar(cScrollBars::Horizontal),
                                      bars->bar(cScrollBars::Vertical)};
    for (QWidget *target : targets) {
        for (QPoint angle : {QPoint(120, 0), QPoint(-120, 0), QPoint(0, 0)}) {
            Wheel(target, angle);
            QCOMPARE(grid->topRow(), 5);
            QCOMPARE(bars->Value(cScrollBars::Vertical), 12);
            QCOMPARE(bars->Value(cScrollBars::Horizontal), 30);
            QCOMPARE(panel->pos(), place);
        }
    }
    // A vertical turn over either bar of the window is the window's: the
    // panel goes up or down, never sideways.
    Wheel(bars->bar(cScrollBars::Horizontal), -120);
    QCOMPARE(bars->Value(cScrollBars::Vertical), 18);
    Wheel(bars->bar(cScrollBars::Vertical), 120);
    QCOMPARE(bars->Value(cScrollBars::Vertical), 12);
    QCOMPARE(bars->Value(cScrollBars::Horizontal), 30);
    // Vertical turns still move the grid by one row.
    Wheel(grid->viewport(), -120);
    QCOMPARE(grid->topRow(), 6);
}

void ChannelWindowTest::everyEditUndoesAndRedoes()
{
    ChannelProgram program(Language::English);
    QVERIFY(program.active);
    struct State
    {
        RadioImage bytes;
        QStringList cells;
    };
    QList<State> states = {{Bytes(program), Cells(program)}};
    auto took = [&] { states.append({Bytes(program), Cells(program)}); };

    program.type(1, 1, "145.125");
    took();
    QVERIFY(program.choose(1, 5, 2));
    took();
    program.type(1, 11, "ch1");
    took();
    QVERIFY(program.choose(1, 3, 5));
    took();
    program.type(2, 1, "146");
    took();
    program.click(1, 0);
    program.click(2, 0, Qt::ShiftModifier);
    QTest::keyClick(program.grid(), Qt::Key_C, Qt::ControlModifier);
    program.click(10, 0);
    QTest::keyClick(program.grid(), Qt::Key_V, Qt::ControlModifier);
    took();
    program.click(1, 0);
    program.click(2, 0, Qt::ShiftModifier);
    QTest::keyClick(program.grid(), Qt::Key_Delete);
    took();
    for (int i = 1; i < states.size(); ++i)
        QVERIFY2(states[i].bytes != states[i - 1].bytes, qPrintable(QString::number(i)));

    // The grid shows the table again; only the new channel's "Wide" comes
    // back as the list's "wide", which stands for the same entry.
    auto same = [](QStringList shown, QStringList kept) {
        shown.replaceInStrings(QRegularExpression("^Wide$"), "wide");
        kept.replaceInStrings(QRegularExpression("^Wide$"), "wide");
        return shown == kept;
    };
    program.grid()->setFocus();
    for (int i = states.size() - 2; i >= 0; --i) {
        Undo();
        QVERIFY2(Bytes(program) == states[i].bytes, qPrintable(QString("undo to %1").arg(i)));
        QVERIFY2(same(Cells(program), states[i].cells), qPrintable(QString("undo to %1").arg(i)));
    }
    Undo(); // nothing more to undo
    QVERIFY(Bytes(program) == states[0].bytes);
    for (int i = 1; i < states.size(); ++i) {
        Redo(i % 2 == 0);
        QVERIFY2(Bytes(program) == states[i].bytes, qPrintable(QString("redo to %1").arg(i)));
        QVERIFY2(same(Cells(program), states[i].cells), qPrintable(QString("redo to %1").arg(i)));
    }
    Redo();
    QVERIFY(Bytes(program) == states.last().bytes);

    // A new edit after an undo drops what could have been redone.
    Undo();
    program.type(50, 1, "150");
    Redo();
    QCOMPARE(program.cell(50, 1), QStringLiteral("150.00000"));
    QCOMPARE(program.cell(1, 1), QStringLiteral("145.12500"));
}

void ChannelWindowTest::failedAndUnchangedCommitsMakeNoStep()
{
    ChannelProgram program(Language::English);
    QVERIFY(program.active);
    QAction *undo = program.action("MNUndo");
    QAction *redo = program.action("MNRedo");
    QVERIFY(undo && redo);
    QVERIFY(!undo->isEnabled());
    program.type(1, 1, "145");
    QUndoStack &history = program.history();
    QCOMPARE(history.count(), 1);
    QVERIFY(undo->isEnabled());
    QVERIFY(!redo->isEnabled());

    program.type(1, 1, "200"); // outside the band
    program.type(1, 1, ".");   // not a number
    program.type(1, 1, "145"); // the same value
    program.type(1, 1, "145.000");
    program.type(1, 2, ""); // an empty transmit box changes nothing
    program.click(1, 11);   // opened and left
    QTest::keyClick(program.text2(), Qt::Key_Return);
    QVERIFY(program.choose(1, 5, 1)); // the power it has
    program.click(60, 0);
    QTest::keyClick(program.grid(), Qt::Key_Delete); // an empty channel
    QApplication::clipboard()->setText(QStringLiteral("hello"));
    QTest::keyClick(program.grid(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(history.count(), 1);
    QCOMPARE(program.boxTexts().size(), 2);
    QCOMPARE(program.boxTexts().front(), QStringLiteral("Beyond the scope of frequency band"));

    // Undo is offered while there is something to undo, Redo while there is
    // something to redo; the menu entries follow the language.
    undo->trigger();
    QVERIFY(!undo->isEnabled());
    QVERIFY(redo->isEnabled());
    QVERIFY(program.cell(1, 1).isEmpty());
    QCOMPARE(undo->text(), QStringLiteral("Undo(&U)"));
    program.action("MNChinese")->trigger();
    QCOMPARE(undo->text(), QStringLiteral("撤销(&U)"));
    QCOMPARE(redo->text(), QStringLiteral("重做(&R)"));
    redo->trigger();
    QCOMPARE(program.cell(1, 1), QStringLiteral("145.00000"));
    QCOMPARE(program.cell(1, 5), QStringLiteral("高"));
}

void ChannelWindowTest::undoShowsTheLanguageInForce()
{
    ChannelProgram program;
    QVERIFY(program.active);
    program.type(1, 1, "145");
    QVERIFY(program.choose(1, 5, 2));
    QVERIFY(program.choose(1, 4, 3));
    QCOMPARE(program.cell(1, 5), QStringLiteral("中"));
    program.action("MNEnglish")->trigger();
    QCOMPARE(program.cell(1, 5), QStringLiteral("Middle"));

    program.grid()->setFocus();
    Undo();
    QCOMPARE(program.cell(1, 4), QStringLiteral("Off"));
    Undo();
    QCOMPARE(program.cell(1, 5), QStringLiteral("High"));
    Undo();
    QVERIFY(program.cell(1, 1).isEmpty());
    Redo();
    QCOMPARE(Row(program, 1), (QStringList{"145.00000", "145.00000", "Off", "Off", "High", "Off",
                                           "On", "wide", "Off", "Off", ""}));
    Redo();
    Redo();
    QCOMPARE(program.cell(1, 4), QStringLiteral("71.9"));
    QCOMPARE(program.cell(1, 5), QStringLiteral("Middle"));
}

void ChannelWindowTest::readOpenAndNewStartAFreshHistory()
{
    ChannelProgram program(Language::English);
    QVERIFY(program.active);
    QAction *undo = program.action("MNUndo");
    QVERIFY(undo);
    QTemporaryDir folder;
    const QString path = folder.filePath("radio.dat");

    program.type(1, 1, "145");
    QVERIFY(program.fileCommands()->savePath(path));
    program.type(2, 1, "146");
    QVERIFY(undo->isEnabled());
    // What a read does once the image is in.
    program.session.decodeImage();
    QVERIFY(!undo->isEnabled());
    const RadioImage read = Bytes(program);
    program.grid()->setFocus();
    Undo();
    QVERIFY(Bytes(program) == read);

    program.type(3, 1, "147");
    // Open asks before it replaces the unsaved edit.
    program.answers = {IdOk};
    QVERIFY(program.fileCommands()->openPath(path));
    QVERIFY(!undo->isEnabled());
    QVERIFY(program.cell(2, 1).isEmpty());
    QCOMPARE(program.cell(1, 1), QStringLiteral("145.00000"));

    program.type(3, 1, "147");
    QVERIFY(undo->isEnabled());
    program.answers = {IdOk};
    program.action("MNNew")->trigger();
    QVERIFY(!undo->isEnabled());
    QVERIFY(!program.action("MNRedo")->isEnabled());
}

void ChannelWindowTest::batchReplacementIsOneStep()
{
    ChannelProgram program(Language::English);
    QVERIFY(program.active);
    program.type(1, 1, "145");
    program.type(1, 11, "keep");
    const RadioImage before = Bytes(program);
    const int steps = program.history().count();

    ChannelTable imported = program.table();
    for (int n = 1; n <= 40; ++n) {
        imported.rx(n) = "150.00000";
        imported.tx(n) = "151.00000";
        imported.index(ChannelTable::Power, n) = 0;
        imported.name(n) = "IMP";
    }
    program.session.replaceChannels(QStringLiteral("import"), imported);
    QCOMPARE(program.history().count(), steps + 1);
    QCOMPARE(program.cell(40, 2), QStringLiteral("151.00000"));
    QCOMPARE(program.cell(1, 5), QStringLiteral("Low"));
    QCOMPARE(program.cell(1, 11), QStringLiteral("IMP"));
    const RadioImage after = Bytes(program);

    program.grid()->setFocus();
    Undo();
    QVERIFY(Bytes(program) == before);
    QCOMPARE(program.cell(1, 11), QStringLiteral("KEEP"));
    QVERIFY(program.cell(40, 1).isEmpty());
    Redo();
    QVERIFY(Bytes(program) == after);
    // The same table again is no step.
    program.session.replaceChannels(QStringLiteral("import"), program.table());
    QCOMPARE(program.history().count(), steps + 1);
}

QTEST_MAIN(ChannelWindowTest)
#include "test_channel_window.moc"
