#include "test_program.h"

#include "files/dat_file.h"
#include "files/dtmf_block.h"
#include "files/file_drop.h"
#include "files/recent_files.h"
#include "ui/edit_history.h"

#include "link/transfer_controller.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>
#include <QUrl>

#include <algorithm>
#include <random>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace q731;
using q731::testing::Program;

namespace {

void ClickTool(Program &program, const char *key)
{
    QWidget *button = program.toolbar()->widgetForAction(program.action(key));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray ToBytes(const std::vector<std::uint8_t> &bytes)
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

QByteArray ImageBytes(const RadioImage &image)
{
    return QByteArray(reinterpret_cast<const char *>(image.data()), int(kRadioMemorySize));
}

// Values that differ from every default, so that a load is visible.
void EditSomething(RadioData &data)
{
    data.channels.rx(5) = "435.12500";
    data.channels.tx(5) = "435.62500";
    data.channels.name(5) = "GATE";
    data.options.squelchLevel = 7;
    data.options.powerOnText = "AB-1";
    data.fm.channel(2) = "98.10";
    data.calibration.values[4] = 77;
}

bool SameData(const RadioData &a, const RadioData &b)
{
    return a.channels.FrequencyTexts == b.channels.FrequencyTexts &&
           a.channels.ColumnIndexes == b.channels.ColumnIndexes &&
           a.channels.ChannelNames == b.channels.ChannelNames &&
           a.options.squelchLevel == b.options.squelchLevel &&
           a.options.powerOnText == b.options.powerOnText &&
           a.fm.FmChannelTexts == b.fm.FmChannelTexts &&
           a.calibration.values == b.calibration.values && a.bandIndex == b.bandIndex;
}

bool SameDtmf(const DtmfSettings &a, const DtmfSettings &b)
{
    return a.autoDialMemories == b.autoDialMemories && a.aniStartCode == b.aniStartCode &&
           a.aniEndCode == b.aniEndCode && a.ownCode == b.ownCode && a.aniMode == b.aniMode &&
           a.rate == b.rate && a.firstDigitDelay == b.firstDigitDelay &&
           a.groupCallCode == b.groupCallCode;
}

// Bytes a radio or another program may leave where a DTMF code belongs.
std::string JunkCode(std::mt19937 &random)
{
    static const std::string kBytes("0123456789ABCD*#abcdE\x00\xFF\x1B", 24);
    std::string text(std::uniform_int_distribution<std::size_t>(0, 24)(random), '\0');
    for (char &c : text)
        c = kBytes[std::uniform_int_distribution<std::size_t>(0, kBytes.size() - 1)(random)];
    return text;
}

// A data file as a radio or another program may leave it: random image bytes
// (or filler), junk in the DTMF slot, and no block, a block written from
// junk, or a damaged one.
QByteArray RandomDataFile(std::mt19937 &random, int round)
{
    std::uniform_int_distribution<int> byte(0, 255);
    RadioImage image{};
    for (std::size_t i = 0; i < kRadioMemorySize; ++i)
        image[i] = round % 2 ? static_cast<std::uint8_t>(byte(random)) : 0xFF;
    const std::string slot = JunkCode(random) + std::string(16, '\xFF');
    std::copy(slot.begin(), slot.begin() + 16, image.begin() + 1840);
    std::vector<std::uint8_t> extension;
    if (round % 3 != 0) {
        DtmfSettings junk;
        for (std::string &memory : junk.autoDialMemories)
            memory = JunkCode(random);
        junk.aniStartCode = JunkCode(random);
        junk.aniEndCode = JunkCode(random);
        junk.ownCode = JunkCode(random);
        junk.firstDigitDelay = byte(random);
        extension = EncodeDtmfBlock(junk);
        if (round % 3 == 2)
            extension[100] ^= 0x01;
    }
    return ToBytes(StoreDatFile(image, extension));
}

#ifdef Q_OS_UNIX
bool IsFifo(const QString &path)
{
    struct stat info;
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISFIFO(info.st_mode);
}
#endif

} // namespace

class FileCommandsTest : public QObject
{
    Q_OBJECT
private slots:
    void saveWritesHeaderAndImageAndOpenBringsThemBack();
    void fileWithoutExtensionKeepsTheDtmfSettings();
    void randomFilesOpenSaveOpenKeepTheDtmfSettings();
    void openRefreshesEveryWindowOnceWithTheWholeFile();
    void newResetsThreeWindowsAndKeepsFmAndCalibration();
    void openOfAnotherModelChangesNothing_data();
    void openOfAnotherModelChangesNothing();
    void fileSystemFailuresAreToldAndChangeNothing_data();
    void fileSystemFailuresAreToldAndChangeNothing();
    void saveFailureKeepsTheOldFile();
    void specialPathsAreRefusedAndLeftAlone_data();
    void specialPathsAreRefusedAndLeftAlone();
#ifdef Q_OS_UNIX
    // Symbolic links as Unix has them (QFile::link makes a shortcut on Windows).
    void saveThroughALinkWritesItsTarget();
#endif
    void oversizedFileIsRefusedUnread_data();
    void oversizedFileIsRefusedUnread();
    void cancelledDialogsChangeNothing();
    void droppedDatFileOpens();
    void openAndReadAskFirstOnlyWithUnsavedChanges();
    void dialogsStartInAFolderTheUserCanWrite();
    void saveGoesToTheCurrentFileAndRecentFilesReopen();
    void recentFilesKeepEightOnceAndShareTheStore();
    void compareWithFileListsEveryDifference();
};

void FileCommandsTest::saveWritesHeaderAndImageAndOpenBringsThemBack()
{
    QTemporaryDir dir;
    Program program;
    program.fileCommands()->setProgramFolder(dir.path());
    program.bandBox()->selectBand(3);
    program.putRecords(EditSomething);
    program.putRecords([](RadioData &data) {
        data.dtmf.aniStartCode = "123A";
        data.dtmf.firstDigitDelay = 3;
    });
    // Typed but not yet committed by leaving the field: Save takes it.
    auto *text31 = program.optionsWindow()->findChild<QLineEdit *>("Text31");
    program.showEditor(program.optionsWindow());
    text31->setFocus();
    text31->selectAll();
    QTest::keyClicks(text31, "xy-9");
    const RadioData saved = program.session.data();

    const QString path = dir.filePath("radio.dat");
    program.dialogs->answer = path;
    ClickTool(program, "TSave");
    QCOMPARE(program.dialogs->lastFilter, QStringLiteral("DAT文件(*.dat);;AllFiles(*.*)"));
    QCOMPARE(program.dialogs->lastFolder, dir.path());
    QVERIFY(program.boxes.isEmpty());

    const QByteArray file = FileBytes(path);
    // The 3,120 bytes of the format, then this program's DTMF block.
    QCOMPARE(file.size(), 3120 + int(kDtmfBlockSize));
    QCOMPARE(file.left(16), QByteArray("ZQT-7V\xFF\xFF\xFF\xFFV0100\xFF"));
    QCOMPARE(file.mid(16, 32), QByteArray(32, '\xFF'));
    QCOMPARE(file.mid(48, 3072), ImageBytes(program.session.image()));
    const std::vector<std::uint8_t> block = EncodeDtmfBlock(program.session.data().dtmf);
    QCOMPARE(file.mid(3120),
             QByteArray(reinterpret_cast<const char *>(block.data()), int(block.size())));
    QCOMPARE(program.session.data().options.powerOnText, std::string("XY-9"));
    // The edited values are in the image, not only in the records.
    QCOMPARE(static_cast<unsigned char>(file.at(48 + 2033)), 77);

    // Everything else is changed, then the file is opened over it.
    program.fileCommands()->setProgramFolder(dir.path());
    program.bandBox()->selectBand(6);
    program.putRecords([](RadioData &data) {
        data.channels.clearAll();
        data.calibration.values[4] = 1;
        data.fm.channel(2).clear();
        data.dtmf.resetToNew();
    });
    program.putImage([](RadioImage &image) { image.fill(0); });
    program.showEditor(program.fmWindow());
    ClickTool(program, "TOpen");
    QVERIFY(program.boxes.isEmpty()); // the file's band is taken without a question
    QCOMPARE(ImageBytes(program.session.image()), file.mid(48, 3072));
    const RadioData &opened = program.session.data();
    QCOMPARE(opened.channels.FrequencyTexts, saved.channels.FrequencyTexts);
    QCOMPARE(opened.channels.ChannelNames, saved.channels.ChannelNames);
    QCOMPARE(opened.options.squelchLevel, 7);
    QCOMPARE(opened.options.powerOnText, std::string("XY-9"));
    QCOMPARE(text31->text(), QStringLiteral("XY-9"));
    QCOMPARE(opened.dtmf.aniStartCode, std::string("123A"));
    QCOMPARE(opened.dtmf.firstDigitDelay, 3);
    QCOMPARE(program.dtmfWindow()->findChild<QLineEdit *>("Text2")->text(), QStringLiteral("123A"));
    QCOMPARE(opened.fm.channel(2), std::string("98.10"));
    QCOMPARE(opened.calibration.values, saved.calibration.values);
    QCOMPARE(program.session.bandIndex(), 3);
    QCOMPARE(program.bandBox()->currentIndex(), 3);
    QCOMPARE(program.mdiArea()->activeSubWindow()->widget(),
             static_cast<QWidget *>(program.channelWindow()));

    // Saving the opened data again gives the same file.
    const QString again = dir.filePath("again.dat");
    program.dialogs->answer = again;
    program.action("MNSaveAs")->trigger();
    QCOMPARE(FileBytes(again), file);
}

void FileCommandsTest::fileWithoutExtensionKeepsTheDtmfSettings()
{
    QTemporaryDir dir;
    Program program;
    program.putRecords([](RadioData &data) { data.dtmf.ownCode = "777"; });
    const QString path = dir.filePath("plain.dat");
    QVERIFY(program.fileCommands()->savePath(path));
    QFile plain(path);
    QVERIFY(plain.resize(3120));
    const QString damaged = dir.filePath("damaged.dat");
    QByteArray bytes = FileBytes(path) + QByteArray(int(kDtmfBlockSize), '\x01');
    WriteBytes(damaged, bytes);

    program.putRecords([](RadioData &data) { data.dtmf.ownCode = "55"; });
    for (const QString &name : {path, damaged}) {
        QVERIFY(program.fileCommands()->openPath(name));
        QCOMPARE(program.session.data().dtmf.ownCode, std::string("55"));
        QCOMPARE(program.dtmfWindow()->findChild<QLineEdit *>("Text3")->text(),
                 QStringLiteral("55"));
    }
    QVERIFY(program.boxes.isEmpty());
}

void FileCommandsTest::randomFilesOpenSaveOpenKeepTheDtmfSettings()
{
    QTemporaryDir dir;
    Program program;
    FileCommands *commands = program.fileCommands();
    auto *text4 = program.dtmfWindow()->findChild<QLineEdit *>("Text4");
    auto *memory1 = program.dtmfWindow()->findChild<QLineEdit *>("Text1(0)");
    std::mt19937 random(4711);
    for (int round = 0; round < 40; ++round) {
        const QString in = dir.filePath("in.dat");
        WriteBytes(in, RandomDataFile(random, round));
        QVERIFY(commands->openPath(in));
        const DtmfSettings first = program.session.data().dtmf;
        // The window shows exactly what the record holds.
        QCOMPARE(text4->text(), QString::fromStdString(first.aniEndCode));
        QCOMPARE(memory1->text(), QString::fromStdString(first.autoDialMemories[0]));

        QVERIFY(commands->savePath(dir.filePath("a.dat")));
        program.putRecords([](RadioData &data) { data.dtmf = DtmfSettings{}; });
        QVERIFY(commands->openPath(dir.filePath("a.dat")));
        QVERIFY2(SameDtmf(program.session.data().dtmf, first), qPrintable(QString::number(round)));
        QCOMPARE(text4->text(), QString::fromStdString(first.aniEndCode));
        QVERIFY(commands->savePath(dir.filePath("b.dat")));
        QCOMPARE(FileBytes(dir.filePath("b.dat")), FileBytes(dir.filePath("a.dat")));
    }
    QVERIFY(program.boxes.isEmpty());
}

void FileCommandsTest::openRefreshesEveryWindowOnceWithTheWholeFile()
{
    // The image's DTMF slot holds one ANI end code, the block after it
    // another: the block's is the file's.
    RadioData saved;
    saved.bandIndex = 5;
    saved.channels.rx(2) = "460.12500";
    saved.dtmf.aniEndCode = "D#";
    RadioImage image{};
    QByteArray file = ToBytes(EncodeDatFile(saved, image));
    file.replace(48 + ImageMap::kDtmfText, 2, "12");
    QTemporaryDir dir;
    const QString path = dir.filePath("radio.dat");
    WriteBytes(path, file);

    Program program;
    Session &session = program.session;
    QList<std::string> aniEndCodes;
    connect(&session, &Session::dtmfChanged, this,
            [&] { aniEndCodes << session.data().dtmf.aniEndCode; });
    QSignalSpy channels(&session, &Session::channelsChanged);
    QVERIFY(program.fileCommands()->openPath(path));
    // No window is shown the DTMF settings of the image alone.
    QCOMPARE(aniEndCodes, QList<std::string>{"D#"});
    QCOMPARE(channels.count(), 1);
    QCOMPARE(program.dtmfWindow()->findChild<QLineEdit *>("Text4")->text(), QStringLiteral("D#"));
    QCOMPARE(program.bandBox()->currentIndex(), 5);
    QCOMPARE(session.data().channels.rx(2), std::string("460.12500"));
    QVERIFY(!program.history().canUndo());
    QVERIFY(program.boxes.isEmpty());
}

void FileCommandsTest::newResetsThreeWindowsAndKeepsFmAndCalibration()
{
    Program program;
    program.putRecords([&](RadioData &data) {
        EditSomething(data);
        data.dtmf.aniStartCode = "999";
    });
    const RadioData &data = program.session.data();
    auto *squelch = program.optionsWindow()->findChild<QComboBox *>("Combo5");
    auto *aniStart = program.dtmfWindow()->findChild<QLineEdit *>("Text2");
    auto *slider = program.calibrationWindow()->findChild<QSlider *>("Slider1(4)");
    QCOMPARE(squelch->currentIndex(), 7);
    QCOMPARE(aniStart->text(), QStringLiteral("999"));
    QCOMPARE(slider->value(), 77);

    program.answers = {IdCancel};
    ClickTool(program, "TNew");
    QCOMPARE(program.boxes.size(), 1);
    QCOMPARE(program.boxes.front().text, QStringLiteral("未保存的数据将会丢失，确定吗？"));
    QCOMPARE(program.boxes.front().caption, QStringLiteral("注意"));
    QCOMPARE(squelch->currentIndex(), 7);
    QCOMPARE(aniStart->text(), QStringLiteral("999"));
    QCOMPARE(data.channels.rx(5), std::string("435.12500"));
    QCOMPARE(program.session.bandIndex(), 0);

    program.answers = {IdOk};
    ClickTool(program, "TNew");
    QCOMPARE(program.boxes.size(), 2); // the band changes without its question
    QCOMPARE(program.bandBox()->currentIndex(), 3);
    QCOMPARE(program.session.bandIndex(), 3);
    QCOMPARE(squelch->currentIndex(), 4);
    QCOMPARE(program.optionsWindow()->findChild<QLineEdit *>("Text20")->text(),
             QStringLiteral("435.00000"));
    QVERIFY(aniStart->text().isEmpty());
    QVERIFY(data.channels.rx(5).empty());
    QCOMPARE(data.fm.channel(2), std::string("98.10"));
    QCOMPARE(slider->value(), 77);
    QCOMPARE(data.calibration.values[4], 77);
}

void FileCommandsTest::openOfAnotherModelChangesNothing_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");
    QTest::newRow("other model, Chinese")
        << Language::Chinese << QByteArray("ZQT-8V") << QStringLiteral("文件类型不正确！")
        << QStringLiteral("错误");
    QTest::newRow("other model, English")
        << Language::English << QByteArray("ZQT-8V") << QStringLiteral("File type is incorrect!")
        << QStringLiteral("Mistake");
    QTest::newRow("lower case") << Language::English << QByteArray("zqt-7v")
                                << QStringLiteral("File type is incorrect!")
                                << QStringLiteral("Mistake");
    QTest::newRow("shorter than the model text")
        << Language::Chinese << QByteArray("ZQT") << QStringLiteral("文件类型不正确！")
        << QStringLiteral("错误");
}

void FileCommandsTest::openOfAnotherModelChangesNothing()
{
    QFETCH(Language, language);
    QFETCH(QByteArray, start);
    QFETCH(QString, text);
    QFETCH(QString, caption);
    QTemporaryDir dir;
    Program program(language);
    program.putRecords(EditSomething);
    program.session.encodeImage();
    const RadioData before = program.session.data();
    const QByteArray imageBefore = ImageBytes(program.session.image());

    QByteArray file = start;
    if (start.size() >= 6)
        file += QByteArray(3120 - start.size(), '\x00');
    const QString path = dir.filePath("other.dat");
    WriteBytes(path, file);
    program.dialogs->answer = path;
    ClickTool(program, "TOpen");
    QCOMPARE(program.boxes.size(), 1);
    QCOMPARE(program.boxes.front().text, text);
    QCOMPARE(program.boxes.front().caption, caption);
    QCOMPARE(program.boxes.front().icon, QMessageBox::Critical);
    QCOMPARE(ImageBytes(program.session.image()), imageBefore);
    QVERIFY(SameData(program.session.data(), before));
}

void FileCommandsTest::fileSystemFailuresAreToldAndChangeNothing_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("name"); // in the temporary folder, or absolute
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing file") << Language::English << false << QStringLiteral("none.dat")
                                  << QStringLiteral("Cannot open the file \"%1\": the file does "
                                                    "not exist.");
    QTest::newRow("missing file, Chinese")
        << Language::Chinese << false << QStringLiteral("none.dat")
        << QStringLiteral("无法打开文件“%1”：文件不存在。");
    QTest::newRow("a folder") << Language::English << false << QStringLiteral("folder.dat")
                              << QStringLiteral("Cannot open the file \"%1\": it is a folder.");
    QTest::newRow("short file") << Language::English << false << QStringLiteral("short.dat")
                                << QStringLiteral("The file \"%1\" is incomplete: 1000 bytes "
                                                  "instead of 3120.");
    QTest::newRow("short file, Chinese")
        << Language::Chinese << false << QStringLiteral("short.dat")
        << QStringLiteral("文件“%1”不完整：只有 1000 字节，应为 3120 字节。");
    QTest::newRow("save, no folder")
        << Language::English << true << QStringLiteral("no/such/radio.dat")
        << QStringLiteral("Cannot save the file \"%1\": the folder does not exist.\r\n"
                          "The file was not changed.");
    QTest::newRow("save, no folder, Chinese")
        << Language::Chinese << true << QStringLiteral("no/such/radio.dat")
        << QStringLiteral("无法保存文件“%1”：文件夹不存在。\r\n文件未被改动。");
    // A folder nobody may create files in (the kernel refuses even root).
    QTest::newRow("save, read-only folder")
        << Language::English << true << QStringLiteral("/proc/q731-radio.dat")
        << QStringLiteral("Cannot save the file \"%1\": ");
}

void FileCommandsTest::fileSystemFailuresAreToldAndChangeNothing()
{
    QFETCH(Language, language);
    QFETCH(bool, save);
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("folder.dat"));
    WriteBytes(dir.filePath("short.dat"), "ZQT-7V" + QByteArray(994, '\xFF'));
    const QString path = QDir::isAbsolutePath(name) ? name : dir.filePath(name);

    Program program(language);
    program.putRecords(EditSomething);
    program.session.encodeImage();
    const RadioData before = program.session.data();
    const QByteArray imageBefore = ImageBytes(program.session.image());
    program.showEditor(program.fmWindow());

    program.dialogs->answer = path;
    ClickTool(program, save ? "TSave" : "TOpen");
    QCOMPARE(program.boxes.size(), 1);
    const QString expected = reason.arg(QDir::toNativeSeparators(path));
    QVERIFY2(program.boxes.front().text.startsWith(expected),
             qPrintable(program.boxes.front().text));
    QVERIFY(program.boxes.front().text.contains(QDir::toNativeSeparators(path)));
    QCOMPARE(program.boxes.front().icon, QMessageBox::Critical);
    QCOMPARE(program.boxes.front().caption,
             language == Language::English ? QStringLiteral("Mistake") : QStringLiteral("错误"));
    QCOMPARE(ImageBytes(program.session.image()), imageBefore);
    QVERIFY(SameData(program.session.data(), before));
    QVERIFY(!QFileInfo::exists(path) || QFileInfo(path).isDir() || name == "short.dat");
    // A failed open does not bring the channel window forward.
    QCOMPARE(program.mdiArea()->activeSubWindow()->widget(),
             static_cast<QWidget *>(program.fmWindow()));
}

void FileCommandsTest::saveFailureKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("radio.dat");
    const QByteArray old = "ZQT-7V" + QByteArray(3114, '\x11');
    WriteBytes(path, old);
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool folderWritable = QFileInfo(dir.path()).isWritable();

    Program program(Language::English);
    program.putRecords(EditSomething);
    program.dialogs->answer = path;
    if (!folderWritable)
        ClickTool(program, "TSave");
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (folderWritable)
        QSKIP("these rights write into a read-only folder; the /proc case covers the message");
    QCOMPARE(program.boxes.size(), 1);
    QVERIFY(program.boxes.front().text.contains("no permission to write in the folder"));
    QCOMPARE(FileBytes(path), old);
}

void FileCommandsTest::specialPathsAreRefusedAndLeftAlone_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    const QString pipeEn = QStringLiteral("it is not a regular file but a device, pipe or socket");
    const QString pipeZh = QStringLiteral("它不是普通文件，而是设备、管道或套接字");
    QTest::newRow("save to a pipe") << Language::English << true << "pipe"
                                    << QStringLiteral("Cannot save the file \"%1\": ") + pipeEn +
                                           QStringLiteral(".\r\nThe file was not changed.");
    QTest::newRow("save to a pipe, Chinese")
        << Language::Chinese << true << "pipe"
        << QStringLiteral("无法保存文件“%1”：") + pipeZh + QStringLiteral("。\r\n文件未被改动。");
    QTest::newRow("save to a link to a pipe")
        << Language::English << true << "link"
        << QStringLiteral("Cannot save the file \"%1\": ") + pipeEn +
               QStringLiteral(".\r\nThe file was not changed.");
    QTest::newRow("save to a folder")
        << Language::English << true << "folder.dat"
        << QStringLiteral("Cannot save the file \"%1\": it is a folder.\r\n"
                          "The file was not changed.");
    // Opening a pipe without a writer would wait for ever.
    QTest::newRow("open a pipe") << Language::English << false << "pipe"
                                 << QStringLiteral("Cannot open the file \"%1\": ") + pipeEn +
                                        QLatin1Char('.');
    QTest::newRow("open a pipe, Chinese")
        << Language::Chinese << false << "pipe"
        << QStringLiteral("无法打开文件“%1”：") + pipeZh + QStringLiteral("。");
}

void FileCommandsTest::specialPathsAreRefusedAndLeftAlone()
{
#ifndef Q_OS_UNIX
    QSKIP("named pipes are made with mkfifo");
#else
    QFETCH(Language, language);
    QFETCH(bool, save);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QTemporaryDir dir;
    QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0600) == 0);
    QVERIFY(QFile::link(dir.filePath("pipe"), dir.filePath("link")));
    QVERIFY(QDir(dir.path()).mkdir("folder.dat"));
    const QString path = dir.filePath(name);

    Program program(language);
    program.putRecords(EditSomething);
    program.session.encodeImage();
    const RadioData before = program.session.data();
    const QByteArray imageBefore = ImageBytes(program.session.image());
    program.dialogs->answer = path;
    ClickTool(program, save ? "TSave" : "TOpen");

    QCOMPARE(program.boxes.size(), 1);
    QCOMPARE(program.boxes.front().text, text.arg(QDir::toNativeSeparators(path)));
    QCOMPARE(program.boxes.front().icon, QMessageBox::Critical);
    QCOMPARE(ImageBytes(program.session.image()), imageBefore);
    QVERIFY(SameData(program.session.data(), before));
    // Every path is left as it was.
    QVERIFY(IsFifo(dir.filePath("pipe")));
    QVERIFY(QFileInfo(dir.filePath("link")).isSymLink());
    QVERIFY(QFileInfo(dir.filePath("folder.dat")).isDir());
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
             (QStringList{"folder.dat", "link", "pipe"}));
#endif
}

#ifdef Q_OS_UNIX
void FileCommandsTest::saveThroughALinkWritesItsTarget()
{
    QTemporaryDir dir;
    const QString target = dir.filePath("radio.dat");
    const QString link = dir.filePath("link.dat");
    WriteBytes(target, "old");
    QVERIFY(QFile::link(target, link));
    Program program;
    program.putRecords(EditSomething);
    QVERIFY(program.fileCommands()->savePath(link));
    QVERIFY(program.boxes.isEmpty());
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(FileBytes(target).mid(48, 3072), ImageBytes(program.session.image()));
}
#endif

void FileCommandsTest::oversizedFileIsRefusedUnread_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("text");
    QTest::newRow("English") << Language::English
                             << QStringLiteral("Cannot open the file \"%1\": it is larger than 64 "
                                               "KiB, too large for a data file.");
    QTest::newRow("Chinese") << Language::Chinese
                             << QStringLiteral(
                                    "无法打开文件“%1”：大小超过 64 KiB，不可能是数据文件。");
}

void FileCommandsTest::oversizedFileIsRefusedUnread()
{
    QFETCH(Language, language);
    QFETCH(QString, text);
    QTemporaryDir dir;
    Program source;
    source.bandBox()->selectBand(3);
    source.putRecords(EditSomething);
    const QString path = dir.filePath("radio.dat");
    QVERIFY(source.fileCommands()->savePath(path));
    // The largest file that is still read: trailing bytes after the block are
    // ignored as usual.
    QFile file(path);
    QVERIFY(file.resize(qint64(kDatFileSizeLimit)));

    Program program(language);
    QVERIFY(program.fileCommands()->openPath(path));
    QCOMPARE(program.session.data().channels.rx(5), std::string("435.12500"));
    QVERIFY(program.boxes.isEmpty());

    program.putRecords([](RadioData &data) { data.channels.clearAll(); });
    program.session.encodeImage();
    const QByteArray imageBefore = ImageBytes(program.session.image());
    QVERIFY(file.resize(qint64(kDatFileSizeLimit) + 1));
    program.dialogs->answer = path;
    ClickTool(program, "TOpen");
    QCOMPARE(program.boxes.size(), 1);
    QCOMPARE(program.boxes.front().text, text.arg(QDir::toNativeSeparators(path)));
    QCOMPARE(ImageBytes(program.session.image()), imageBefore);
    QVERIFY(program.session.data().channels.rx(5).empty());
}

void FileCommandsTest::cancelledDialogsChangeNothing()
{
    QTemporaryDir dir;
    Program program;
    program.fileCommands()->setProgramFolder(dir.path());
    program.putRecords(EditSomething);
    // A byte that encoding would overwrite (channel 1 is empty): it shows that
    // a cancelled save did not even gather the editors.
    program.putImage([](RadioImage &image) { image[0] = 0x12; });
    const RadioData before = program.session.data();
    const QByteArray imageBefore = ImageBytes(program.session.image());

    program.dialogs->answer.clear();
    ClickTool(program, "TSave");
    ClickTool(program, "TOpen");
    QCOMPARE(program.dialogs->calls, 2);
    QVERIFY(program.boxes.isEmpty());
    QCOMPARE(ImageBytes(program.session.image()), imageBefore);
    QVERIFY(SameData(program.session.data(), before));
    QVERIFY(QDir(dir.path()).isEmpty());
}

void FileCommandsTest::droppedDatFileOpens()
{
    QTemporaryDir dir;
    Program source;
    source.bandBox()->selectBand(3);
    source.putRecords(EditSomething);
    const QString path = dir.filePath("dropped.DAT");
    QVERIFY(source.fileCommands()->savePath(path));
    const QString text = dir.filePath("notes.txt");
    WriteBytes(text, "x");

    Program program;
    MainWindow *window = program.window.get();
    const QPoint centre = window->rect().center();
    auto dragOf = [&](const QStringList &paths) {
        auto *mime = new QMimeData;
        QList<QUrl> urls;
        for (const QString &p : paths)
            urls << QUrl::fromLocalFile(p);
        mime->setUrls(urls);
        return mime;
    };

    for (const QStringList &refused : {QStringList{text}, QStringList{path, path}}) {
        std::unique_ptr<QMimeData> mime(dragOf(refused));
        QDragEnterEvent enter(centre, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window, &enter);
        QVERIFY(!enter.isAccepted());
    }

    std::unique_ptr<QMimeData> mime(dragOf({path}));
    QDragEnterEvent enter(centre, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(centre), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &drop);
    QVERIFY(drop.isAccepted());
    QTRY_COMPARE(ImageBytes(program.session.image()), ImageBytes(source.session.image()));
    QCOMPARE(program.session.data().channels.rx(5), std::string("435.12500"));
    QCOMPARE(program.session.bandIndex(), 3);
    QVERIFY(program.boxes.isEmpty());
}

void FileCommandsTest::dialogsStartInAFolderTheUserCanWrite()
{
    QTemporaryDir dir;
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
        // Where the system keeps installed programs.
#ifdef Q_OS_WIN
    const QString programs = QDir::fromNativeSeparators(qEnvironmentVariable("ProgramFiles"));
    QVERIFY(!programs.isEmpty());
    const QString program = programs + QStringLiteral("/Q-731");
#else
    const QString programs = QStringLiteral("/usr");
    const QString program = QStringLiteral("/usr/bin");
#endif
    QCOMPARE(DataFileStartFolder(dir.path()), dir.path());
    QCOMPARE(DataFileStartFolder(program), documents);
    QCOMPARE(DataFileStartFolder(programs), documents);
    QCOMPARE(DataFileStartFolder(dir.filePath("gone")), documents);
    QCOMPARE(DataFileStartFolder(QString()), documents);
    // Only /usr itself and below, not a name that merely begins alike.
    QVERIFY(QDir(dir.path()).mkdir("usr"));
    QCOMPARE(DataFileStartFolder(dir.filePath("usr")), dir.filePath("usr"));
}

void FileCommandsTest::saveGoesToTheCurrentFileAndRecentFilesReopen()
{
    QTemporaryDir dir;
    Program program(Language::English);
    QVERIFY(program.activate());
    auto *recent = program.child<QMenu>("MNRecent");
    QCOMPARE(recent->title(), QStringLiteral("Recent Files"));
    QCOMPARE(program.action("MNSaveAs")->text(), QStringLiteral("Save As(&A)…"));
    QVERIFY(!recent->menuAction()->isEnabled());
    const auto entries = [recent] {
        QStringList texts;
        for (const QAction *entry : recent->actions())
            texts << entry->text();
        return texts;
    };
    const QString a = dir.filePath("a&b.dat");
    const QString b = dir.filePath("b.dat");

    // Without a current file, Ctrl+S asks.
    program.dialogs->answer = a;
    QTest::keyClick(program.window.get(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(program.dialogs->calls, 1);
    QVERIFY(QFile::exists(a));
    QCOMPARE(entries(), QStringList{"&1 " + QDir::toNativeSeparators(dir.filePath("a&&b.dat"))});

    // With one, it writes there without a dialog.
    program.session.editChannels(QStringLiteral("name"), [](ChannelTable &channels) {
        channels.rx(5) = "145.00000";
        channels.tx(5) = "145.00000";
        channels.name(5) = "AGAIN";
    });
    QVERIFY(program.window->isWindowModified());
    QTest::keyClick(program.window.get(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(program.dialogs->calls, 1);
    QVERIFY(!program.window->isWindowModified());
    QVERIFY(FileBytes(a).contains("AGAIN"));

    // Save As always asks, starting on the current file.
    program.dialogs->answer = b;
    QTest::keyClick(program.window.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(program.dialogs->calls, 2);
    QCOMPARE(program.dialogs->lastFolder, QFileInfo(a).absoluteFilePath());
    QCOMPARE(program.fileCommands()->currentFile(), QFileInfo(b).absoluteFilePath());
    QCOMPARE(program.store.recentFiles,
             (QStringList{QFileInfo(b).absoluteFilePath(), QFileInfo(a).absoluteFilePath()}));
    QCOMPARE(entries().size(), 2);
    QVERIFY(recent->menuAction()->isEnabled());

    // A file that is gone: told, and taken off the list; nothing else changes.
    QVERIFY(QFile::remove(a));
    const RadioData before = program.session.data();
    program.child<QAction>("MNRecent2")->trigger();
    QCOMPARE(program.boxTexts(),
             QStringList{"The file \"" + QDir::toNativeSeparators(QFileInfo(a).absoluteFilePath()) +
                         "\" no longer exists; it was removed from Recent Files."});
    QCOMPARE(program.store.recentFiles, QStringList{QFileInfo(b).absoluteFilePath()});
    QCOMPARE(entries().size(), 1);
    QVERIFY(SameData(program.session.data(), before));

    // New ends the current file; the recent entry opens it again.
    program.answers = {IdOk};
    program.action("MNNew")->trigger();
    QVERIFY(program.fileCommands()->currentFile().isEmpty());
    program.child<QAction>("MNRecent1")->trigger();
    QCOMPARE(program.fileCommands()->currentFile(), QFileInfo(b).absoluteFilePath());
    QVERIFY(SameData(program.session.data(), before));
    QCOMPARE(program.dialogs->calls, 2);
}

void FileCommandsTest::recentFilesKeepEightOnceAndShareTheStore()
{
    const QString base = QDir::cleanPath(QFileInfo(QDir::tempPath()).absoluteFilePath());
    const auto at = [&base](const QString &name) { return base + QLatin1Char('/') + name; };
    testing::FakeLanguageStore store;
    // What a damaged or hand-edited store may hold.
    store.recentFiles = {"", at("one.dat"), at("sub/../one.dat"), QString(40000, 'a'),
                         at("two.dat")};
    RecentFiles recent(store);
    QCOMPARE(recent.files(), (QStringList{at("one.dat"), at("two.dat")}));

    // Another copy of the program adds a file meanwhile: it stays.
    RecentFiles other(store);
    other.add(at("three.dat"));
    QSignalSpy changed(&recent, &RecentFiles::changed);
    recent.add(at("0.dat"));
    QCOMPARE(recent.files(),
             (QStringList{at("0.dat"), at("three.dat"), at("one.dat"), at("two.dat")}));
    for (int i = 1; i < 10; ++i)
        recent.add(at(QStringLiteral("%1.dat").arg(i)));
    QCOMPARE(recent.files().size(), RecentFiles::kMaxFiles);
    QCOMPARE(recent.files().front(), at("9.dat"));
    QCOMPARE(recent.files().back(), at("2.dat"));
    QCOMPARE(changed.size(), 10);
    recent.add(at("5.dat"));
    QCOMPARE(recent.files().mid(0, 3), (QStringList{at("5.dat"), at("9.dat"), at("8.dat")}));
    QCOMPARE(store.recentFiles, recent.files());
    recent.remove(at("9.dat"));
    QVERIFY(!recent.files().contains(at("9.dat")));
    QCOMPARE(recent.files().size(), RecentFiles::kMaxFiles - 1);
}

void FileCommandsTest::compareWithFileListsEveryDifference()
{
    QTemporaryDir dir;
    Program program(Language::English);
    const QString path = dir.filePath("shop.dat");
    program.putRecords([](RadioData &data) {
        data.channels.rx(5) = "145.00000";
        data.channels.tx(5) = "145.00000";
        data.channels.index(ChannelTable::Power, 5) = 1;
        data.options.squelchLevel = 7;
    });
    QVERIFY(program.fileCommands()->savePath(path));
    program.session.editChannels(QStringLiteral("power"), [](ChannelTable &channels) {
        channels.index(ChannelTable::Power, 5) = 0;
    });
    program.session.editSettings(QStringLiteral("squelch"),
                                 [](RadioData &data) { data.options.squelchLevel = 2; });
    const RadioData before = program.session.data();

    // The dialog is modal: it is read while it is up, then left by a button.
    QStringList rows;
    QString summary;
    const auto look = [&](const char *button) {
        QTimer::singleShot(0, [&, button] {
            auto *dialog = program.window->findChild<QDialog *>(QStringLiteral("FrmCompare"));
            QVERIFY(dialog);
            auto *table = dialog->findChild<QTableWidget *>(QStringLiteral("Differences"));
            rows.clear();
            for (int r = 0; r < table->rowCount(); ++r) {
                QStringList cells;
                for (int c = 0; c < 3; ++c)
                    cells << table->item(r, c)->text();
                rows << cells.join(" | ");
            }
            summary = dialog->findChild<QLabel *>(QStringLiteral("Summary"))->text();
            QTest::mouseClick(dialog->findChild<QPushButton *>(QString::fromLatin1(button)),
                              Qt::LeftButton);
        });
    };
    program.dialogs->answer = path;
    look("Close");
    program.action("MNCompareFile")->trigger();
    QCOMPARE(rows, (QStringList{"channel 5 power | High | Low", "Squelch Level | 7 | 2"}));
    QCOMPARE(summary, QStringLiteral("shop.dat differs from this program in 2 places."));
    QVERIFY(SameData(program.session.data(), before));

    // Write goes on to the write command.
    QSignalSpy writes(program.action("MNWrite"), &QAction::triggered);
    look("Write");
    program.action("MNCompareFile")->trigger();
    QCOMPARE(writes.size(), 1);
}

QTEST_MAIN(FileCommandsTest)
void FileCommandsTest::openAndReadAskFirstOnlyWithUnsavedChanges()
{
    QTemporaryDir dir;
    Program program(Language::English);
    MainWindow &window = *program.window;
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const QString path = dir.filePath("radio.dat");
    program.dialogs->answer = path;
    ClickTool(program, "TSave");
    QVERIFY(!window.isWindowModified());
    QVERIFY(window.windowTitle().endsWith(QStringLiteral(" - radio.dat[*]")));
    const int saved = program.session.data().options.squelchLevel;

    // An edit through the keys: the squelch list one step down.
    program.showEditor(program.optionsWindow());
    auto *squelch = program.optionsWindow()->findChild<QComboBox *>("Combo5");
    squelch->setFocus();
    QTest::keyClick(squelch, Qt::Key_Down);
    QCOMPARE(program.session.data().options.squelchLevel, saved + 1);
    QVERIFY(window.isWindowModified());

    // Open and Read ask New's question first; Cancel changes nothing.
    program.answers = {IdCancel};
    ClickTool(program, "TOpen");
    QCOMPARE(program.boxes.size(), 1);
    QCOMPARE(program.boxes[0].text, QStringLiteral("Unsaved data will be lost, sure?"));
    QCOMPARE(program.boxes[0].caption, QStringLiteral("Attention"));
    QCOMPARE(program.session.data().options.squelchLevel, saved + 1);
    QCOMPARE(squelch->currentIndex(), saved + 1);
    program.answers = {IdCancel};
    QTest::keyClick(&window, Qt::Key_R, Qt::ControlModifier);
    // Nothing further: no port was opened, so no message about it.
    QCOMPARE(program.boxes.size(), 2);
    QCOMPARE(program.boxes[1].text, QStringLiteral("Unsaved data will be lost, sure?"));
    QVERIFY(!program.transfers()->isBusy());
    QVERIFY(window.isWindowModified());

    // Undone back to what was saved: nothing is unsaved, Open asks nothing.
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(!window.isWindowModified());
    program.boxes.clear();
    ClickTool(program, "TOpen");
    QVERIFY(program.boxes.isEmpty());

    // Edited again: OK lets the file in, and the file's data are saved data.
    QTest::keyClick(squelch, Qt::Key_Down);
    QVERIFY(window.isWindowModified());
    program.answers = {IdOk};
    ClickTool(program, "TOpen");
    QCOMPARE(program.boxes.size(), 1);
    QCOMPARE(program.session.data().options.squelchLevel, saved);
    QCOMPARE(squelch->currentIndex(), saved);
    QVERIFY(!window.isWindowModified());
}

#include "test_file_commands.moc"
