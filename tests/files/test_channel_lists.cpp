// Import Channels (CSV) and Export Channels (CSV) of the window program,
// through its File menu, the summary dialog's buttons and keys, and undo.

#include "test_program.h"

#include "editors/channel_grid_model.h"
#include "files/csv_channels.h"
#include "files/csv_import_dialog.h"
#include "image/band_list.h"
#include "ui/edit_history.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace q731;
using q731::testing::Program;

namespace {

// A list as dealers get them: rows off the raster, names to raise and cut,
// a repeated name, a row beyond the band, a Location the radio lacks.
const QByteArray kRailList = "Location,Name,Frequency,Duplex,Offset,Power\n"
                             "1,AAR 07,160.2225,,,5W\n"
                             "2,Yard Channel,160.2150,-,,4W\n"
                             "3,AAR07,160.8000,off,0,\n"
                             "4,Bad,180,,,\n"
                             "200,High,161.0000,,,\n";

void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Opens the File menu with the mouse and clicks the entry.
void ClickFileMenu(Program &program, const char *name)
{
    QMenuBar *bar = program.window->menuBar();
    auto *file = program.window->findChild<QMenu *>(QStringLiteral("MNFile"));
    QVERIFY(file);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(file->menuAction()).center());
    QTRY_VERIFY(file->isVisible());
    QAction *entry = program.action(name);
    QVERIFY(entry && entry->isEnabled());
    QTest::mouseClick(file, Qt::LeftButton, {}, file->actionGeometry(entry).center());
    QTRY_VERIFY(!file->isVisible());
}

// The summary dialog the import shows.
void ShownImportDialog(Program &program, QPointer<CsvImportDialog> &dialog)
{
    QTRY_VERIFY((dialog = program.window->findChild<CsvImportDialog *>()) && dialog->isVisible());
}

// Writes the list, chooses it through File, Import Channels (CSV)… and waits
// for the summary dialog.
void ImportThroughTheMenu(Program &program, const QString &path, const QByteArray &csv,
                          QPointer<CsvImportDialog> &dialog)
{
    WriteBytes(path, csv);
    program.dialogs->answer = path;
    ClickFileMenu(program, "MNImport");
    ShownImportDialog(program, dialog);
}

// A click on a check box or radio button's indicator: only it and the text
// take a click, not the free room a layout gives the button.
void ClickIndicator(QAbstractButton *button)
{
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

template<typename Widget>
Widget *Control(QWidget *dialog, const char *name)
{
    return dialog->findChild<Widget *>(QString::fromLatin1(name));
}

QString Cell(Program &program, int channel, int column)
{
    ChannelGridModel *model = program.channelModel();
    return model->index(channel - 1, column).data().toString();
}

// Channel 1 and 2 in use, in band 136-174MHz.
void PutChannels(Program &program)
{
    program.bandBox()->selectBand(0);
    ChannelTable channels;
    channels.rx(1) = channels.tx(1) = "145.00000";
    channels.rx(2) = channels.tx(2) = "146.00000";
    for (int n : {1, 2}) {
        for (int row = 0; row < ChannelTable::kRows; ++row)
            channels.index(ChannelTable::Row(row), n) = NewChannelIndex(row);
    }
    channels.name(1) = "OLD1";
    channels.name(2) = "OLD2";
    program.session.replaceChannels(QStringLiteral("set up"), channels);
    program.history().clear();
}

} // namespace

class ChannelListsTest : public QObject
{
    Q_OBJECT
private slots:
    void fileMenuOffersImportAndExportInBothLanguages();
    void importShowsTheSummaryThenIsOneUndoStep();
    void placementChoicesChangeTheSummaryAndTheChannels();
    void escapeOrCancelChangesNothing();
    void listWithoutRowsToTakeCannotBeImported();
    void listWithoutLocationsStartsRenumbered();
    void filesThatCannotBeReadAreTold();
    void exportWritesWhatTheCliWrites();
    void exportRefusesSpecialPathsAndTellsDamagedChannels();
};

void ChannelListsTest::fileMenuOffersImportAndExportInBothLanguages()
{
    Program program;
    const QList<QAction *> entries =
        program.window->findChild<QMenu *>(QStringLiteral("MNFile"))->actions();
    const auto at = [&entries](const char *name) {
        for (qsizetype i = 0; i < entries.size(); ++i) {
            if (entries[i]->objectName() == QLatin1String(name))
                return i;
        }
        return qsizetype(-1);
    };
    QCOMPARE(at("MNSaveAs"), at("MNSave") + 1);
    QCOMPARE(at("MNImport"), at("MNSave") + 2);
    QCOMPARE(at("MNExport"), at("MNSave") + 3);
    QCOMPARE(program.action("MNImport")->text(), QStringLiteral("导入信道(CSV)…"));
    QCOMPARE(program.action("MNExport")->text(), QStringLiteral("导出信道(CSV)…"));
    program.switchLanguage(Language::English);
    QCOMPARE(program.action("MNImport")->text(), QStringLiteral("Import Channels (CSV)…"));
    QCOMPARE(program.action("MNExport")->text(), QStringLiteral("Export Channels (CSV)…"));
}

void ChannelListsTest::importShowsTheSummaryThenIsOneUndoStep()
{
    QTemporaryDir dir;
    Program program;
    PutChannels(program);
    const ChannelTable before = program.session.data().channels;

    QPointer<CsvImportDialog> dialog;
    ImportThroughTheMenu(program, dir.filePath("rail.csv"), kRailList, dialog);
    QVERIFY(dialog);
    QCOMPARE(program.dialogs->lastCaption, QStringLiteral("导入信道(CSV)"));
    QCOMPARE(program.dialogs->lastFilter, QStringLiteral("CSV文件(*.csv);;所有文件(*.*)"));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("导入信道(CSV)"));
    QCOMPARE(dialog->windowModality(), Qt::WindowModal);
    // The summary the command line prints, in the user's language.
    QCOMPARE(
        dialog->summaryText(),
        QStringLiteral("将导入：3 行（3 行有警告）\n"
                       "将替换正在使用的频道：1..2\n"
                       "将跳过：2 行\n"
                       "  1 行：超出频段范围 (136-174MHz)\n"
                       "  1 行：Location 不是 1..128 的频道号\n"
                       "\n"
                       "第 2 行：警告：Frequency 160.2225 -> 160.22000（移到 5/6.25 kHz 步进上）\n"
                       "第 2 行：警告：Name \"AAR 07\" -> \"AAR07\"（去掉 1 个字符）\n"
                       "第 3 行：警告：Power \"4W\" -> 5.0W（最接近的功率档）\n"
                       "第 3 行：警告：Name \"Yard Channel\" -> \"YARDCHAN\"（转为大写，去掉 1 "
                       "个字符，截为 8 个字符）\n"
                       "第 4 行：警告：Name \"AAR07\" 与第 2 行的名称相同\n"
                       "第 5 行：Frequency 180：超出频段范围 (136-174MHz)\n"
                       "第 6 行：Location \"200\" 不是 1..128 的频道号"));
    // Nothing changes before the import is confirmed.
    QCOMPARE(program.session.data().channels.ChannelNames, before.ChannelNames);

    QTest::mouseClick(Control<QPushButton>(dialog, "Command1"), Qt::LeftButton);
    QTRY_VERIFY(!dialog);
    const ChannelTable &after = program.session.data().channels;
    QCOMPARE(after.rx(1), std::string("160.22000"));
    QCOMPARE(after.name(1), std::string("AAR07"));
    QCOMPARE(after.tx(2), std::string("160.21500"));
    QCOMPARE(after.index(ChannelTable::TxStop, 3), 0);
    QCOMPARE(Cell(program, 1, 11), QStringLiteral("AAR07"));
    QCOMPARE(Cell(program, 3, 9), QStringLiteral("开"));
    QCOMPARE(program.history().count(), 1);

    // One undo takes the whole import back; redo puts it in again.
    program.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(program.session.data().channels.FrequencyTexts, before.FrequencyTexts);
    QCOMPARE(program.session.data().channels.ChannelNames, before.ChannelNames);
    QCOMPARE(program.session.data().channels.ColumnIndexes, before.ColumnIndexes);
    QCOMPARE(Cell(program, 1, 11), QStringLiteral("OLD1"));
    QVERIFY(Cell(program, 3, 1).isEmpty());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(program.session.data().channels.name(1), std::string("AAR07"));
    QVERIFY(program.boxes.isEmpty());
}

void ChannelListsTest::placementChoicesChangeTheSummaryAndTheChannels()
{
    QTemporaryDir dir;
    Program program(Language::English);
    PutChannels(program);
    QPointer<CsvImportDialog> dialog;
    ImportThroughTheMenu(program, dir.filePath("rail.csv"), kRailList, dialog);
    QVERIFY(dialog);
    QCOMPARE(Control<QRadioButton>(dialog, "Option1")->text(),
             QStringLiteral("Each row to the channel of its Location"));
    QVERIFY(Control<QRadioButton>(dialog, "Option1")->isChecked());
    auto *first = Control<QSpinBox>(dialog, "Spin1");
    QVERIFY(!first->isEnabled());

    // Renumbered from channel 2: the free channels 3, 4, 5, 6 in file order.
    ClickIndicator(Control<QRadioButton>(dialog, "Option2"));
    QVERIFY(first->isEnabled());
    first->setFocus();
    QTest::keyClick(first, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(first, "2");
    QCOMPARE(first->value(), 2);
    QVERIFY(dialog->summaryText().startsWith(
        "Will import: 4 rows into channels 3..6 (4 with warnings)\nWill leave out: 1 row\n"));

    // Emptied first, channel 2 is free too; the summary says what goes.
    ClickIndicator(Control<QCheckBox>(dialog, "Check1"));
    QVERIFY(dialog->summaryText().startsWith(
        "Will import: 4 rows into channels 2..5 (4 with warnings)\n"
        "Will replace channels in use: 2\n"
        "Will empty channels in use: 1\n"
        "Will leave out: 1 row\n"));

    QTest::keyClick(Control<QPushButton>(dialog, "Command1"), Qt::Key_Return);
    QTRY_VERIFY(!dialog);
    const ChannelTable &after = program.session.data().channels;
    QVERIFY(after.rx(1).empty());
    QCOMPARE(after.name(2), std::string("AAR07"));
    QCOMPARE(after.name(3), std::string("YARDCHAN"));
    QCOMPARE(after.name(5), std::string("HIGH"));
    QCOMPARE(Cell(program, 5, 11), QStringLiteral("HIGH"));
    QCOMPARE(program.history().count(), 1);
    program.action("MNUndo")->trigger();
    QCOMPARE(program.session.data().channels.name(1), std::string("OLD1"));
    QVERIFY(program.session.data().channels.rx(5).empty());
}

void ChannelListsTest::escapeOrCancelChangesNothing()
{
    QTemporaryDir dir;
    Program program;
    PutChannels(program);
    const ChannelTable before = program.session.data().channels;

    QPointer<CsvImportDialog> dialog;
    ImportThroughTheMenu(program, dir.filePath("rail.csv"), kRailList, dialog);
    QVERIFY(dialog);
    // Choices made, then Esc.
    ClickIndicator(Control<QCheckBox>(dialog, "Check1"));
    QTest::keyClick(dialog, Qt::Key_Escape);
    QTRY_VERIFY(!dialog);
    QCOMPARE(program.session.data().channels.FrequencyTexts, before.FrequencyTexts);
    QCOMPARE(program.session.data().channels.ChannelNames, before.ChannelNames);
    QCOMPARE(program.history().count(), 0);

    ClickFileMenu(program, "MNImport");
    ShownImportDialog(program, dialog);
    QVERIFY(dialog);
    QCOMPARE(Control<QPushButton>(dialog, "Command2")->text(), QStringLiteral("取消"));
    QTest::mouseClick(Control<QPushButton>(dialog, "Command2"), Qt::LeftButton);
    QTRY_VERIFY(!dialog);
    QCOMPARE(program.session.data().channels.ChannelNames, before.ChannelNames);
    QCOMPARE(program.history().count(), 0);

    // A cancelled file dialog shows nothing at all.
    program.dialogs->answer.clear();
    ClickFileMenu(program, "MNImport");
    QVERIFY(!program.window->findChild<CsvImportDialog *>());
    QVERIFY(program.boxes.isEmpty());
}

void ChannelListsTest::listWithoutRowsToTakeCannotBeImported()
{
    QTemporaryDir dir;
    Program program(Language::English);
    PutChannels(program);
    QPointer<CsvImportDialog> dialog;
    ImportThroughTheMenu(program, dir.filePath("bad.csv"), "Location,Frequency\n1,999\n", dialog);
    QVERIFY(dialog);
    QCOMPARE(dialog->summaryText(),
             QStringLiteral("Will import: 0 rows\n"
                            "Will leave out: 1 row\n"
                            "  1 row: beyond the scope of frequency band (136-174MHz)\n"
                            "\n"
                            "line 2: Frequency 999: Beyond the scope of frequency band "
                            "(136-174MHz)"));
    QVERIFY(!Control<QPushButton>(dialog, "Command1")->isEnabled());
    QTest::keyClick(dialog, Qt::Key_Return);
    QVERIFY(dialog && dialog->isVisible());
    QTest::keyClick(dialog, Qt::Key_Escape);
    QTRY_VERIFY(!dialog);
    QCOMPARE(program.session.data().channels.name(1), std::string("OLD1"));
}

void ChannelListsTest::listWithoutLocationsStartsRenumbered()
{
    QTemporaryDir dir;
    Program program(Language::English);
    PutChannels(program);
    QPointer<CsvImportDialog> dialog;
    ImportThroughTheMenu(program, dir.filePath("plain.csv"),
                         "Frequency,Name\n162.550,WX1\n162.400,WX2\n", dialog);
    QVERIFY(dialog);
    QVERIFY(Control<QRadioButton>(dialog, "Option2")->isChecked());
    QVERIFY(dialog->summaryText().startsWith("Will import: 2 rows into channels 3..4\n"));
    // By Location there is nothing to take.
    ClickIndicator(Control<QRadioButton>(dialog, "Option1"));
    QCOMPARE(dialog->summaryText(), QStringLiteral("line 1: there is no Location column"));
    QVERIFY(!Control<QPushButton>(dialog, "Command1")->isEnabled());
    ClickIndicator(Control<QRadioButton>(dialog, "Option2"));
    QTest::mouseClick(Control<QPushButton>(dialog, "Command1"), Qt::LeftButton);
    QTRY_VERIFY(!dialog);
    QCOMPARE(program.session.data().channels.name(4), std::string("WX2"));
}

void ChannelListsTest::filesThatCannotBeReadAreTold()
{
    QTemporaryDir dir;
    Program program;
    PutChannels(program);
    const QString missing = dir.filePath("missing.csv");
    program.dialogs->answer = missing;
    ClickFileMenu(program, "MNImport");
    QCOMPARE(program.boxes.size(), 1);
    QCOMPARE(
        program.boxes[0].text,
        QStringLiteral("无法打开文件“%1”：文件不存在。").arg(QDir::toNativeSeparators(missing)));
    QCOMPARE(program.boxes[0].caption, QStringLiteral("错误"));
    QCOMPARE(program.boxes[0].icon, QMessageBox::Critical);

    program.session.setLanguage(Language::English);
    WriteBytes(dir.filePath("names.csv"), "Location,Name\n1,A\n");
    program.dialogs->answer = dir.filePath("names.csv");
    ClickFileMenu(program, "MNImport");
    QCOMPARE(program.boxes.size(), 2);
    QCOMPARE(program.boxes[1].text,
             QStringLiteral("The file \"%1\" is not a CSV channel list: there is no Frequency "
                            "column.")
                 .arg(QDir::toNativeSeparators(dir.filePath("names.csv"))));
    QCOMPARE(program.boxes[1].caption, QStringLiteral("Mistake"));

#ifdef Q_OS_UNIX
    // A pipe without a writer is not opened: it would hold the window.
    const QString pipe = dir.filePath("pipe.csv");
    QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
    program.dialogs->answer = pipe;
    ClickFileMenu(program, "MNImport");
    QCOMPARE(program.boxes.size(), 3);
    QVERIFY(
        program.boxes[2].text.endsWith("it is not a regular file but a device, pipe or socket."));
#endif
    QVERIFY(!program.window->findChild<CsvImportDialog *>());
    QCOMPARE(program.session.data().channels.name(1), std::string("OLD1"));
}

void ChannelListsTest::exportWritesWhatTheCliWrites()
{
    QTemporaryDir dir;
    Program program(Language::English);
    PutChannels(program);
    program.putRecords([](RadioData &data) { data.channels.index(ChannelTable::TxStop, 2) = 0; });
    program.fileCommands()->setProgramFolder(dir.path());
    const QString path = dir.filePath("out.csv");
    program.dialogs->answer = path;
    ClickFileMenu(program, "MNExport");
    QCOMPARE(program.dialogs->lastCaption, QStringLiteral("Export Channels (CSV)"));
    QCOMPARE(program.dialogs->lastFilter, QStringLiteral("CSV Files (*.csv);;All Files (*.*)"));
    QCOMPARE(program.dialogs->lastFolder, dir.path());
    QVERIFY(program.boxes.isEmpty());
    const std::string expected =
        ExportChannelsCsv(program.session.data().channels, BandLimitsOf(0)).text;
    QCOMPARE(FileBytes(path), QByteArray::fromStdString(expected));
    QVERIFY(FileBytes(path).contains("\n2,OLD2,146.000000,off,0.000000,"));

    // And the list comes back as it went out: nothing to tell, no change.
    program.dialogs->answer = path;
    ClickFileMenu(program, "MNImport");
    QPointer<CsvImportDialog> dialog;
    ShownImportDialog(program, dialog);
    QVERIFY(dialog);
    QCOMPARE(dialog->summaryText(), QStringLiteral("Will import: 2 rows\nWill leave out: 0 rows"));
    QTest::mouseClick(Control<QPushButton>(dialog, "Command1"), Qt::LeftButton);
    QTRY_VERIFY(!dialog);
    QCOMPARE(program.history().count(), 0);
}

void ChannelListsTest::exportRefusesSpecialPathsAndTellsDamagedChannels()
{
    QTemporaryDir dir;
    Program program;
    PutChannels(program);
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    program.dialogs->answer = dir.filePath("folder");
    ClickFileMenu(program, "MNExport");
    QCOMPARE(program.boxes.size(), 1);
    QCOMPARE(program.boxes[0].text,
             QStringLiteral("无法导出到文件“%1”：这是一个文件夹。\r\n文件未被改动。")
                 .arg(QDir::toNativeSeparators(dir.filePath("folder"))));
    QVERIFY(QDir(dir.filePath("folder")).isEmpty());

    // A transmit frequency as a damaged image decodes it.
    program.putRecords([](RadioData &data) { data.channels.tx(2) = "1A6.00000"; });
    program.dialogs->answer = dir.filePath("damaged.csv");
    ClickFileMenu(program, "MNExport");
    QCOMPARE(program.boxes.size(), 2);
    QCOMPARE(program.boxes[1].text,
             QStringLiteral("以下频道数据已损坏，未导出：\r\n"
                            "频道 2 未导出：发射频率 \"1A6.00000\" 不是频率（数据已损坏）"));
    QCOMPARE(program.boxes[1].icon, QMessageBox::Warning);
    const QByteArray written = FileBytes(dir.filePath("damaged.csv"));
    QVERIFY(written.contains("\n1,OLD1,"));
    QVERIFY(!written.contains("\n2,"));
}

QTEST_MAIN(ChannelListsTest)
#include "test_channel_lists.moc"
