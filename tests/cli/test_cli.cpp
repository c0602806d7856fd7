// q731-cli through the built binary: files, CSV exchange, exit codes, and
// reads and writes against simulated radios on pseudo-terminals.

#include "files/csv_channels.h"
#include "files/dat_file.h"
#include "files/dtmf_block.h"
#include "files/file_commands.h"
#include "image/band_list.h"
#include "image/codec.h"
#include "image/tones.h"
#include "session/language_store.h"
#include "session/session.h"
#include "ui/message_box.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "../special_file.h"

#include <algorithm>
#include <memory>
#include <random>
#include <tuple>

#include <signal.h>

using namespace q731;
using q731::testing::IsStillSpecial;
using q731::testing::MakeSpecialFile;

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run RunCli(const QStringList &arguments, const QByteArray &input = {},
           const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(Q731_CLI_PATH), arguments);
    if (!process.waitForStarted())
        return {};
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// `q731-cli simulate` in the background; closing its input ends it.
class Simulator
{
public:
    explicit Simulator(const QStringList &arguments)
    {
        m_process.start(QStringLiteral(Q731_CLI_PATH), QStringList{"simulate"} + arguments);
        while (m_process.waitForReadyRead(10000)) {
            if (m_process.canReadLine())
                break;
        }
        const QString line = QString::fromUtf8(m_process.readLine()).trimmed();
        if (line.startsWith(QLatin1String("PORT ")))
            m_device = line.mid(5);
    }
    ~Simulator() { stop(); }

    const QString &device() const { return m_device; }
    // Ends it by closing its input and waits, so that whatever it saves is on
    // disk. The exit code, -1 when it did not end by itself.
    int stop()
    {
        return end([this] { m_process.closeWriteChannel(); });
    }
#ifdef Q_OS_UNIX
    // The same, ended by a signal.
    int signal(int signalNumber)
    {
        return end([this, signalNumber] { ::kill(pid_t(m_process.processId()), signalNumber); });
    }
#endif

private:
    template<typename Ending>
    int end(Ending ending)
    {
        if (m_process.state() != QProcess::NotRunning) {
            ending();
            if (!m_process.waitForFinished(10000)) {
                m_process.kill();
                m_process.waitForFinished();
                return -1;
            }
        }
        return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    }

    QProcess m_process;
    QString m_device;
};

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ToBytes(const std::vector<std::uint8_t> &bytes)
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

void PutChannel(ChannelTable &t, int n, const char *rx, const char *tx, int rxTone, int txTone,
                const char *name)
{
    t.rx(n) = rx;
    t.tx(n) = tx;
    t.index(ChannelTable::RxTone, n) = rxTone;
    t.index(ChannelTable::TxTone, n) = txTone;
    for (int row = ChannelTable::Power; row <= ChannelTable::Scramble; ++row)
        t.index(static_cast<ChannelTable::Row>(row), n) = 1;
    t.name(n) = name;
}

// Band 136-174 with a few channels, squelch 3 and distinct calibration levels.
RadioData KnownData()
{
    RadioData data;
    data.options.resetToNew(136, 174);
    data.bandIndex = 0;
    PutChannel(data.channels, 1, "145.12500", "145.72500", 0, 9, "RPT1");
    PutChannel(data.channels, 2, "146.52000", "146.52000", 52, 159, "CALL");
    PutChannel(data.channels, 3, "150.00625", "", 0, 0, "");
    data.channels.index(ChannelTable::Power, 3) = 2;
    data.channels.index(ChannelTable::ScanAdd, 3) = 0;
    data.channels.name(9) = "SPARE";
    data.options.squelchLevel = 3;
    data.dtmf.autoDialMemories[0] = "123*#";
    data.dtmf.ownCode = "A1";
    data.dtmf.rate = 1;
    data.calibration.values = {11, 22, 33, 44, 55, 66, 77, 88, 99};
    return data;
}

QByteArray DatOf(const RadioData &data)
{
    RadioImage image{};
    return ToBytes(EncodeDatFile(data, image));
}

// What the window program stores after opening `file` and saving it: its own
// Open and Save, in a session as it starts. Empty when either fails.
QByteArray WindowOpenSave(const QByteArray &file, Language language)
{
    QTemporaryDir dir;
    QFile in(dir.filePath("in.dat"));
    if (!in.open(QIODevice::WriteOnly) || in.write(file) != file.size())
        return {};
    in.close();
    Session session;
    session.setLanguage(language);
    MessageBoxes boxes(session);
    boxes.setAnswerer([](QMessageBox &) { return int(IdOk); });
    FileCommands commands(session, boxes, nullptr);
    if (!commands.openPath(in.fileName()) || !commands.savePath(dir.filePath("out.dat")))
        return {};
    return ReadFile(dir.filePath("out.dat"));
}

// What the window program stores after New, choosing band `band` (both
// questions answered OK) and Save.
QByteArray WindowNewSave(int band)
{
    QTemporaryDir dir;
    Session session;
    MessageBoxes boxes(session);
    int questions = 0;
    boxes.setAnswerer([&questions](QMessageBox &) {
        ++questions;
        return int(IdOk);
    });
    session.setPrompts(&boxes);
    FileCommands commands(session, boxes, nullptr);
    if (!session.startNew() || !session.chooseBand(band) ||
        !commands.savePath(dir.filePath("new.dat")))
        return {};
    // New asks; the band change asks unless the band is New's own.
    if (questions != (band == kDefaultBandIndex ? 1 : 2))
        return {};
    return ReadFile(dir.filePath("new.dat"));
}

// The bytes `read` stores for a radio that holds what New gives in `band`.
QByteArray NewRadioFile(int band)
{
    RadioData data;
    StartNew(data, band);
    RadioImage image{};
    EncodeImage(data, image);
    return ToBytes(StoreDatFile(image));
}

// A data file as a radio or another program may leave it: random image bytes
// with junk in the DTMF slot, and no block, a block written from junk records
// or a damaged block.
QByteArray RandomDataFile(std::mt19937 &random, int round)
{
    static const std::string kJunk("0123456789ABCD*#abcdE\x00\xFF\x1B", 24);
    std::uniform_int_distribution<int> byte(0, 255);
    const auto junkCode = [&random] {
        std::string text(std::uniform_int_distribution<std::size_t>(0, 24)(random), '\0');
        for (char &c : text)
            c = kJunk[std::uniform_int_distribution<std::size_t>(0, kJunk.size() - 1)(random)];
        return text;
    };
    RadioImage image{};
    for (std::size_t i = 0; i < kRadioMemorySize; ++i)
        image[i] = static_cast<std::uint8_t>(byte(random));
    const std::string slot = junkCode() + std::string(16, '\xFF');
    std::copy(slot.begin(), slot.begin() + 16, image.begin() + 1840);
    std::vector<std::uint8_t> extension;
    if (round % 3 != 0) {
        DtmfSettings junk;
        for (std::string &memory : junk.autoDialMemories)
            memory = junkCode();
        junk.aniStartCode = junkCode();
        junk.aniEndCode = junkCode();
        junk.ownCode = junkCode();
        junk.groupCallCode = byte(random);
        extension = EncodeDtmfBlock(junk);
        if (round % 3 == 2)
            extension[150] ^= 0x20;
    }
    return ToBytes(StoreDatFile(image, extension));
}

// The simulated radio serves a pseudo-terminal, which a Windows program
// cannot make: under Wine the Windows q731-cli reaches the Linux simulated
// radio through the COM ports that link.com_ports maps, and those runs are
// checked there.
#ifdef Q_OS_WIN
#define SKIP_WITHOUT_PSEUDO_TERMINAL()                                                             \
    QSKIP("the simulated radio needs a pseudo-terminal (a COM port mapped by Wine)")
#else
#define SKIP_WITHOUT_PSEUDO_TERMINAL()                                                             \
    do {                                                                                           \
    } while (false)
#endif

// Ends the simulator by `signalNumber`, or by closing its input when it is 0.
int Stop(Simulator &simulator, int signalNumber)
{
#ifdef Q_OS_UNIX
    if (signalNumber)
        return simulator.signal(signalNumber);
#else
    Q_UNUSED(signalNumber);
#endif
    return simulator.stop();
}

QJsonObject DtmfSettingsOf(const QString &showJson)
{
    QJsonObject dtmf;
    const QJsonObject settings = QJsonDocument::fromJson(showJson.toUtf8())["settings"].toObject();
    for (auto it = settings.begin(); it != settings.end(); ++it) {
        if (it.key().startsWith(QLatin1String("dtmf_")))
            dtmf.insert(it.key(), it.value());
    }
    return dtmf;
}

// True when no character could act on a terminal: line ends only as '\n'.
bool HasNoControls(const QString &text)
{
    return std::none_of(text.begin(), text.end(), [](QChar c) {
        return (c.unicode() < 0x20 && c != QLatin1Char('\n')) ||
               (c.unicode() >= 0x7F && c.unicode() <= 0x9F);
    });
}

class TestCli : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString known() const { return path(QStringLiteral("known.dat")); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        WriteFile(known(), DatOf(KnownData()));
    }

    void normalizeEqualsTheWindowsOpenAndSave_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("language");
        // A foreign image: junk in the ignored bytes, a channel outside the
        // band, a tone the list lacks, option byte 0x83, a band byte past the
        // list and a backlight value past its list.
        QByteArray foreign = DatOf(KnownData());
        for (int i = 1664; i < 1792; ++i)
            foreign[48 + i] = char(i);
        const int ch4 = 48 + 13 * 3;
        const char record4[13] = {0x00, 0x00, 0x50, 0x17, 0x00, 0x00,      0x50,
                                  0x17, 0x00, 0x00, 0x00, 0x00, char(0x83)}; // 175 MHz
        foreign.replace(ch4, 13, QByteArray(record4, 13));
        foreign[48 + 13 * 1 + 8] = char(0x99); // rx tone 99.9 of channel 2
        foreign[48 + 13 * 1 + 9] = char(0x09);
        foreign[48 + 13 * 2 + 12] = char(0x83);
        foreign[48 + 1799] = char(0xFF);
        QByteArray badBand = foreign;
        badBand[48 + 1814] = char(9);
        QTest::newRow("written by us, en") << DatOf(KnownData()) << "en";
        QTest::newRow("foreign, en") << foreign << "en";
        QTest::newRow("foreign, zh") << foreign << "zh";
        QTest::newRow("band past the list") << badBand << "zh";
    }
    void normalizeEqualsTheWindowsOpenAndSave()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, language);
        WriteFile(path("in.dat"), file);
        QFile::remove(path("out.dat"));
        const Run run = RunCli({"normalize", path("in.dat"), path("out.dat"), "--lang", language});
        QCOMPARE(run.exitCode, 0);
        const QByteArray expected = WindowOpenSave(
            file, language == QLatin1String("en") ? Language::English : Language::Chinese);
        QCOMPARE(ReadFile(path("out.dat")).size(), 3120 + int(kDtmfBlockSize));
        QCOMPARE(ReadFile(path("out.dat")), expected);
    }

    // Open, Save, Open through normalize: the DTMF settings survive and a
    // second normalize changes no byte.
    void randomFilesNormalizeToAStableFile()
    {
        std::mt19937 random(1840);
        for (int round = 0; round < 12; ++round) {
            WriteFile(path("random.dat"), RandomDataFile(random, round));
            QCOMPARE(RunCli({"normalize", path("random.dat"), path("once.dat")}).exitCode, 0);
            QCOMPARE(RunCli({"normalize", path("once.dat"), path("twice.dat")}).exitCode, 0);
            QCOMPARE(ReadFile(path("twice.dat")), ReadFile(path("once.dat")));
            const Run before = RunCli({"show", path("random.dat"), "--json"});
            const Run after = RunCli({"show", path("once.dat"), "--json"});
            QCOMPARE(before.exitCode, 0);
            QCOMPARE(DtmfSettingsOf(after.out), DtmfSettingsOf(before.out));
            QCOMPARE(DtmfSettingsOf(after.out).size(), 15);
        }
    }

    void showJson()
    {
        const Run run = RunCli({"show", known(), "--json"});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject root = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QCOMPARE(root["bandIndex"].toInt(), 0);
        const QJsonArray channels = root["channels"].toArray();
        QCOMPARE(channels.size(), 3);
        const QJsonObject c1 = channels[0].toObject();
        QCOMPARE(c1["number"].toInt(), 1);
        QCOMPARE(c1["rx"].toString(), QString("145.12500"));
        QCOMPARE(c1["tx"].toString(), QString("145.72500"));
        QVERIFY(c1["rxTone"].isNull());
        QCOMPARE(c1["txTone"].toString(), QString("88.5"));
        QCOMPARE(c1["power"].toString(), QString("high"));
        QCOMPARE(c1["bandwidth"].toString(), QString("wide"));
        QCOMPARE(c1["busyLock"].toBool(), false);
        QCOMPARE(c1["name"].toString(), QString("RPT1"));
        const QJsonObject c2 = channels[1].toObject();
        QCOMPARE(c2["rxTone"].toString(), QString("D023N"));
        QCOMPARE(c2["txTone"].toString(), QString("D023I"));
        const QJsonObject c3 = channels[2].toObject();
        QVERIFY(c3["tx"].isNull());
        QCOMPARE(c3["power"].toString(), QString("middle"));
        QCOMPARE(c3["scanAdd"].toBool(), false);
        QCOMPARE(root["spareNames"].toArray().size(), 1);
        QCOMPARE(root["spareNames"][0]["name"].toString(), QString("SPARE"));
        const QJsonObject settings = root["settings"].toObject();
        QCOMPARE(settings["band"].toString(), QString("136-174MHz"));
        QCOMPARE(settings["squelch"].toInt(), 3);
        QCOMPARE(settings["calibration_8"].toInt(), 99);
        QCOMPARE(settings["vfo_frequency"].toString(), QString("155.00000"));
        QVERIFY(settings["vfo_rx_tone"].isNull());
        QVERIFY(settings.contains("fm_channel_32"));
        QCOMPARE(settings["dtmf_auto_dial_1"].toString(), QString("123*#"));
        QCOMPARE(settings["dtmf_own_code"].toString(), QString("A1"));
        QCOMPARE(settings["dtmf_rate"].toInt(), 1);
    }

    void showTableInBothLanguages()
    {
        Run run = RunCli({"show", known(), "--lang", "en"});
        QCOMPARE(run.exitCode, 0);
        QStringList lines = run.out.split('\n');
        QVERIFY(lines[0].startsWith("Ch  RX MHz     TX MHz     RX tone  TX tone"));
        QCOMPARE(lines[1].simplified(),
                 QString("1 145.12500 145.72500 Off 88.5 High Off On wide Off Off RPT1"));
        QCOMPARE(lines[3].simplified(),
                 QString("3 150.00625 - Off Off Middle Off Off wide Off Off -"));
        QCOMPARE(lines[4].simplified(), QString("9 - - - - - - - - - - SPARE"));
        // Columns line up: every row's tone column starts where the header's does.
        QCOMPARE(lines[1].indexOf("Off"), lines[0].indexOf("RX tone"));
        QVERIFY(run.out.contains(QRegularExpression("\\nsquelch +3 +Form3.Combo5\\n")));

        run = RunCli({"show", known(), "--lang", "zh"});
        QCOMPARE(run.exitCode, 0);
        lines = run.out.split('\n');
        QVERIFY(lines[0].startsWith(QString::fromUtf8("频道")));
        QCOMPARE(lines[1].simplified(),
                 QString::fromUtf8("1 145.12500 145.72500 关闭 88.5 高 关 使能 宽带 关 关 RPT1"));
    }

    void diffByChannelAndSetting()
    {
        RadioData other = KnownData();
        other.channels.rx(2) = "146.55000";
        other.channels.index(ChannelTable::Power, 1) = 0;
        other.channels.clearChannel(3);
        PutChannel(other.channels, 7, "160.00000", "160.00000", 0, 0, "NEW");
        other.options.squelchLevel = 5;
        other.calibration.values[0] = 12;
        other.dtmf.ownCode = "B2";
        WriteFile(path("other.dat"), DatOf(other));

        Run run = RunCli({"diff", known(), path("other.dat"), "--lang", "en"});
        QCOMPARE(run.exitCode, 0);
        const QStringList expected = {
            "channel 1 power: High -> Low",    "channel 2 rx: 146.52000 -> 146.55000",
            "channel 3 rx: 150.00625 -> -",    "channel 3 rx_tone: Off -> -",
            "channel 3 tx_tone: Off -> -",     "channel 3 power: Middle -> -",
            "channel 3 busy_lock: Off -> -",   "channel 3 scan_add: Off -> -",
            "channel 3 bandwidth: wide -> -",  "channel 3 tx_stop: Off -> -",
            "channel 3 scramble: Off -> -",    "channel 7 rx: - -> 160.00000",
            "channel 7 tx: - -> 160.00000",    "channel 7 rx_tone: - -> Off",
            "channel 7 tx_tone: - -> Off",     "channel 7 power: - -> High",
            "channel 7 busy_lock: - -> Off",   "channel 7 scan_add: - -> On",
            "channel 7 bandwidth: - -> wide",  "channel 7 tx_stop: - -> Off",
            "channel 7 scramble: - -> Off",    "channel 7 name: - -> NEW",
            "setting squelch: 3 -> 5",         "setting dtmf_own_code: A1 -> B2",
            "setting calibration_0: 11 -> 12",
        };
        QCOMPARE(run.out.split('\n', Qt::SkipEmptyParts), expected);

        // Worded as the window program's comparison.
        run = RunCli({"diff", known(), path("other.dat"), "--names", "--lang", "en"});
        QCOMPARE(run.exitCode, 0);
        const QStringList named = run.out.split('\n', Qt::SkipEmptyParts);
        QVERIFY(named.contains("channel 1 power: High -> Low"));
        QVERIFY(named.contains("channel 7 name: - -> NEW"));
        QVERIFY2(named.contains("Squelch Level: 3 -> 5"), qPrintable(run.out));

        run = RunCli({"diff", known(), known()});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QString());
    }

    void csvRoundTripIsLossless()
    {
        QCOMPARE(RunCli({"export", known(), path("list.csv")}).exitCode, 0);
        QVERIFY(ReadFile(path("list.csv"))
                    .startsWith("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                                "DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,"
                                "Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE,BusyLock,TxStop,"
                                "Scramble\n"));
        // Into an emptied copy of the file: every channel comes from the list.
        RadioData empty = KnownData();
        for (int n = 1; n <= 3; ++n)
            empty.channels.clearChannel(n);
        WriteFile(path("empty.dat"), DatOf(empty));
        const Run run = RunCli({"import", path("empty.dat"), path("list.csv"), path("back.dat")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(ReadFile(path("back.dat")), WindowOpenSave(ReadFile(known()), Language::Chinese));

        // Standard output and input work as well.
        const Run out = RunCli({"export", known(), "-"});
        QCOMPARE(out.out.toUtf8(), ReadFile(path("list.csv")));
        QCOMPARE(RunCli({"import", path("empty.dat"), "-", path("back2.dat")}, out.out.toUtf8())
                     .exitCode,
                 0);
        QCOMPARE(ReadFile(path("back2.dat")), ReadFile(path("back.dat")));
    }

    // Chinese names and spaces in every path the file commands take. Under
    // Wine the program runs in the code page of an English Windows (1252),
    // which has no Chinese characters: a name handed over as bytes of the
    // code page would not survive. (cli.commands_code_page_936 runs this
    // again in that of a Chinese Windows.)
    void chineseNamesAndSpacesInPaths()
    {
        const QString folder = QStringLiteral("车队 资料/");
        const auto in = [&](const char *name) { return path(folder + QString::fromUtf8(name)); };
        QVERIFY(QDir(m_dir.path()).mkpath(folder));

        QCOMPARE(RunCli({"new", in("车队.dat")}).exitCode, 0);
        QVERIFY(QFileInfo(in("车队.dat")).isFile());
        QCOMPARE(RunCli({"show", in("车队.dat"), "--json"}).exitCode, 0);

        const Run list = RunCli({"export", known(), "-"});
        QCOMPARE(RunCli({"export", known(), in("频道 表.csv")}).exitCode, 0);
        QCOMPARE(ReadFile(in("频道 表.csv")), list.out.toUtf8());
        WriteFile(in("车队 副本.dat"), ReadFile(known()));
        QCOMPARE(
            RunCli({"import", in("车队 副本.dat"), in("频道 表.csv"), in("导入 后.dat")}).exitCode,
            0);
        const Run shown = RunCli({"show", in("导入 后.dat"), "--json"});
        QCOMPARE(shown.exitCode, 0);
        QCOMPARE(
            QJsonDocument::fromJson(shown.out.toUtf8())["channels"],
            QJsonDocument::fromJson(RunCli({"show", known(), "--json"}).out.toUtf8())["channels"]);

        const Run report = RunCli({"report", in("导入 后.dat"), in("报表 一.pdf")});
        QVERIFY2(report.exitCode == 0, qPrintable(report.err));
        QVERIFY(ReadFile(in("报表 一.pdf")).startsWith("%PDF-"));

        // A message names the path as it was given.
        const Run missing = RunCli({"show", in("没有 这个.dat"), "--lang", "zh"});
        QCOMPARE(missing.exitCode, 2);
        QVERIFY2(missing.err.contains(in("没有 这个.dat")), qPrintable(missing.err));
    }

    void csvWrittenByHand()
    {
        const QByteArray csv = "\xEF\xBB\xBF# my channels\r\n"
                               "Name,Location,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                               "DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,Skip,Power,"
                               "BusyLock\r\n"
                               "rpt,5,145.6,-,0.6,TSQL,,100.0,,,,,NFM,S,Low,Carrier\r\n"
                               "dcs,6,150,split,151.5,DTCS,,,023,RN,,,FM,,5.0W,\r\n"
                               "cross,7,150,off,,Cross,67.0,,,NR,754,Tone->DTCS,FM,,2W,\r\n"
                               "tone,1,146.0,+,1,Tone,88.5,,,,,,FM,,Mid,\r\n";
        WriteFile(path("hand.csv"), csv);
        const Run run = RunCli({"import", known(), path("hand.csv"), path("hand.dat")});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject root =
            QJsonDocument::fromJson(RunCli({"show", path("hand.dat"), "--json"}).out.toUtf8())
                .object();
        QMap<int, QJsonObject> byNumber;
        for (const QJsonValue &c : root["channels"].toArray())
            byNumber[c["number"].toInt()] = c.toObject();
        QCOMPARE(byNumber.keys(), (QList<int>{1, 2, 3, 5, 6, 7}));
        QCOMPARE(byNumber[1]["tx"].toString(), QString("147.00000"));
        QCOMPARE(byNumber[1]["txTone"].toString(), QString("88.5"));
        QVERIFY(byNumber[1]["rxTone"].isNull());
        QCOMPARE(byNumber[1]["power"].toString(), QString("middle"));
        QCOMPARE(byNumber[1]["name"].toString(), QString("TONE"));
        QCOMPARE(byNumber[2]["name"].toString(), QString("CALL")); // kept from the file
        QCOMPARE(byNumber[5]["tx"].toString(), QString("145.00000"));
        QCOMPARE(byNumber[5]["rxTone"].toString(), QString("100.0"));
        QCOMPARE(byNumber[5]["bandwidth"].toString(), QString("narrow"));
        QCOMPARE(byNumber[5]["scanAdd"].toBool(), false);
        QCOMPARE(byNumber[5]["busyLock"].toBool(), true);
        QCOMPARE(byNumber[6]["tx"].toString(), QString("151.50000"));
        QCOMPARE(byNumber[6]["txTone"].toString(), QString("D023I"));
        QCOMPARE(byNumber[6]["rxTone"].toString(), QString("D023N"));
        QCOMPARE(byNumber[6]["power"].toString(), QString("high"));
        // off: transmitting inhibited; without an Offset, no transmit frequency.
        QVERIFY(byNumber[7]["tx"].isNull());
        QCOMPARE(byNumber[7]["txStop"].toBool(), true);
        QCOMPARE(byNumber[7]["txTone"].toString(), QString("67.0"));
        QCOMPARE(byNumber[7]["rxTone"].toString(), QString("D754I"));
        QCOMPARE(byNumber[7]["power"].toString(), QString("middle"));
        // The file's settings stay.
        QCOMPARE(root["settings"]["squelch"].toInt(), 3);
        QCOMPARE(root["settings"]["calibration_8"].toInt(), 99);
    }

    void csvInvalidRowsWriteNothing()
    {
        const QByteArray csv = "Location,Frequency,Tone,rToneFreq\n"
                               "1,145,,\n"
                               "# a comment\n"
                               "2,180,,\n"
                               "3,145,Tone,72.5\n"
                               "4,146,,\n";
        WriteFile(path("bad.csv"), csv);
        QFile::remove(path("bad.dat"));
        Run run = RunCli({"import", known(), path("bad.csv"), path("bad.dat"), "--lang", "en"});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(!QFile::exists(path("bad.dat")));
        // The reasons by line, then the counts: nothing was written, so all on stderr.
        QCOMPARE(run.out, QString());
        QCOMPARE(run.err.split('\n', Qt::SkipEmptyParts),
                 (QStringList{path("bad.csv") + " line 4: Frequency 180: Beyond the scope of "
                                                "frequency band (136-174MHz)",
                              path("bad.csv") + " line 5: rToneFreq \"72.5\" is not a CTCSS tone "
                                                "of the radio",
                              "Taken: 2 rows", "Left out: 2 rows",
                              "  1 row: beyond the scope of frequency band (136-174MHz)",
                              "  1 row: invalid rToneFreq", "Nothing was written"}));

        // A % in the list's name is no place marker of the message.
        WriteFile(path("a%2b%1.csv"), csv);
        run = RunCli({"import", known(), path("a%2b%1.csv"), path("bad.dat"), "--lang", "en"});
        QVERIFY2(run.err.startsWith(path("a%2b%1.csv") + " line 4: Frequency 180: "),
                 qPrintable(run.err));

        run = RunCli({"import", known(), path("bad.csv"), path("bad.dat"), "--skip-invalid"});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject root =
            QJsonDocument::fromJson(RunCli({"show", path("bad.dat"), "--json"}).out.toUtf8())
                .object();
        QCOMPARE(root["channels"][1]["rx"].toString(), QString("146.52000")); // 2 kept
        QCOMPARE(root["channels"][3]["rx"].toString(), QString("146.00000")); // 4 taken
    }

    // Which values round onto a band limit or are too large is the CSV
    // parser's test; here, how the command shows such a value (cut short)
    // in both languages, and that --skip-invalid keeps the channels of the
    // refused rows as the file had them.
    void csvRowsOnTheBandLimitOrTooLargeAreRefused()
    {
        const QByteArray nines(400, '9');
        const QByteArray csv = "Location,Frequency,Duplex,Offset,Power\n"
                               "3,145,+," +
                               nines + ",\n4,145,,," + nines + "\n5,146,,,\n";
        WriteFile(path("limit.csv"), csv);
        QFile::remove(path("limit-out.dat"));
        Run run =
            RunCli({"import", known(), path("limit.csv"), path("limit-out.dat"), "--lang", "en"});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(!QFile::exists(path("limit-out.dat")));
        const QString shown = QString(39, '9') + QString::fromUtf8("…");
        const QStringList expected = {
            "limit.csv line 2: Offset " + shown +
                ": Beyond the scope of frequency band (136-174MHz)",
            "limit.csv line 3: Power \"" + shown + "\" is a number too large to read",
            "Taken: 1 row",
            "Left out: 2 rows",
            "  1 row: beyond the scope of frequency band (136-174MHz)",
            "  1 row: invalid Power",
            "Nothing was written",
        };
        const QStringList errors = run.err.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(errors.size(), expected.size());
        for (qsizetype i = 0; i < errors.size(); ++i)
            QVERIFY2(errors[i].endsWith(expected[i]), qPrintable(errors[i]));

        run = RunCli({"import", known(), path("limit.csv"), path("limit-out.dat"), "--lang", "zh"});
        QVERIFY(run.err.contains(QString::fromUtf8("Power \"%1\" 数值太大，无法读取").arg(shown)));

        // The other rows go in; the refused channels keep what the file had.
        run =
            RunCli({"import", known(), path("limit.csv"), path("limit-out.dat"), "--skip-invalid"});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject root =
            QJsonDocument::fromJson(RunCli({"show", path("limit-out.dat"), "--json"}).out.toUtf8())
                .object();
        const QJsonArray channels = root["channels"].toArray();
        QCOMPARE(channels.size(), 4);
        QCOMPARE(channels[0]["tx"].toString(), QString("145.72500"));
        QCOMPARE(channels[1]["tx"].toString(), QString("146.52000"));
        QVERIFY(channels[2]["tx"].isNull());
        QCOMPARE(channels[3]["number"].toInt(), 5);
        QCOMPARE(channels[3]["rx"].toString(), QString("146.00000"));
    }

    void newWritesWhatNewGivesInTheBand_data()
    {
        QTest::addColumn<int>("band");
        for (int band = 0; band < int(kBandItems.size()); ++band)
            QTest::newRow(kBandItems[std::size_t(band)].data()) << band;
    }
    void newWritesWhatNewGivesInTheBand()
    {
        QFETCH(int, band);
        const QString out = path("blank.dat");
        QFile::remove(out);
        const Run run = RunCli({"new", "--band", QString::number(band), out});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QString());
        const QByteArray expected = WindowNewSave(band);
        QVERIFY(!expected.isEmpty());
        QCOMPARE(ReadFile(out), expected);
        // The image a new radio of the band holds, then the DTMF block.
        QCOMPARE(ReadFile(out).left(3120), NewRadioFile(band));
        const QJsonObject root =
            QJsonDocument::fromJson(RunCli({"show", out, "--json"}).out.toUtf8()).object();
        QCOMPARE(root["bandIndex"].toInt(), band);
        const BandLimits limits = BandLimitsOf(band);
        QCOMPARE(root["settings"]["vfo_frequency"].toString(),
                 QString::number((limits.lowMHz + limits.highMHz) / 2.0, 'f', 5));
        QCOMPARE(root["channels"].toArray().size(), 0);
    }

    void newWithoutABandTakesTheBandOfNew()
    {
        QCOMPARE(RunCli({"new", path("default.dat")}).exitCode, 0);
        QCOMPARE(ReadFile(path("default.dat")), WindowNewSave(kDefaultBandIndex));
        for (const char *band : {"8", "-1", "x"}) {
            const Run run = RunCli({"new", "--band", band, path("never.dat"), "--lang", "en"});
            QCOMPARE(run.exitCode, 1);
            QVERIFY2(run.err.startsWith("q731-cli new: the band is 0..7\n"), qPrintable(run.err));
        }
        QCOMPARE(RunCli({"new", m_dir.path()}).exitCode, 2);
        QVERIFY(!QFile::exists(path("never.dat")));
    }

    // Every value taken changed is told by line, the rows counted by reason,
    // in both languages; --strict refuses such rows instead.
    void importTellsWhatItChanged()
    {
        const QByteArray csv = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                               "Mode,Power,BusyLock\n"
                               "1,AAR 07,160.2225,,,,,,NFM,5W,\n"
                               "2,Yard Channel,160.2150,-,,TSQL,100.0,,NFM,4W,Carry\n"
                               "3,AAR07,160.8000,off,0,,,,FM,,\n"
                               "4,ROAD,161.5500,,,,,,FM,,\n"
                               "5,Bad,180,,,,,,FM,,\n";
        WriteFile(path("rail.csv"), csv);
        QFile::remove(path("rail.dat"));
        Run run = RunCli({"import", known(), path("rail.csv"), path("rail.dat"), "--lang", "en"});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(!QFile::exists(path("rail.dat")));

        run = RunCli({"import", known(), path("rail.csv"), path("rail.dat"), "--skip-invalid",
                      "--lang", "en"});
        QCOMPARE(run.exitCode, 0);
        const QString file = path("rail.csv");
        QCOMPARE(run.err.split('\n', Qt::SkipEmptyParts),
                 (QStringList{
                     file + " line 2: warning: Frequency 160.2225 -> 160.22000 (onto the "
                            "5/6.25 kHz raster)",
                     file + " line 2: warning: Name \"AAR 07\" -> \"AAR07\" (1 character dropped)",
                     file + " line 3: warning: Power \"4W\" -> 5.0W (the nearest level)",
                     file + " line 3: warning: Name \"Yard Channel\" -> \"YARDCHAN\" (upper-cased, "
                            "1 character dropped, cut to 8 characters)",
                     file + " line 4: warning: Name \"AAR07\" is also the name of line 2",
                     file + " line 6: Frequency 180: Beyond the scope of frequency band "
                            "(136-174MHz)",
                 }));
        QCOMPARE(run.out, QString("Taken: 4 rows (3 with warnings)\n"
                                  "Left out: 1 row\n"
                                  "  1 row: beyond the scope of frequency band (136-174MHz)\n"));

        run = RunCli({"import", known(), path("rail.csv"), path("rail.dat"), "--skip-invalid",
                      "--lang", "zh"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(
            run.err.split('\n', Qt::SkipEmptyParts),
            (QStringList{
                file + QString::fromUtf8(" 第 2 行：警告：Frequency 160.2225 -> 160.22000"
                                         "（移到 5/6.25 kHz 步进上）"),
                file + QString::fromUtf8(" 第 2 行：警告：Name \"AAR 07\" -> \"AAR07\""
                                         "（去掉 1 个字符）"),
                file + QString::fromUtf8(" 第 3 行：警告：Power \"4W\" -> 5.0W"
                                         "（最接近的功率档）"),
                file + QString::fromUtf8(" 第 3 行：警告：Name \"Yard Channel\" -> "
                                         "\"YARDCHAN\"（转为大写，去掉 1 个字符，截为 8 个字符）"),
                file + QString::fromUtf8(" 第 4 行：警告：Name \"AAR07\" 与第 2 行的名称相同"),
                file + QString::fromUtf8(" 第 6 行：Frequency 180：超出频段范围 (136-174MHz)"),
            }));
        QCOMPARE(run.out, QString::fromUtf8("已导入：4 行（3 行有警告）\n"
                                            "已跳过：1 行\n"
                                            "  1 行：超出频段范围 (136-174MHz)\n"));

        // Taken as typing takes them.
        const QJsonArray channels =
            QJsonDocument::fromJson(
                RunCli({"show", path("rail.dat"), "--json"}).out.toUtf8())["channels"]
                .toArray();
        QCOMPARE(channels.size(), 4);
        QCOMPARE(channels[0]["rx"].toString(), QString("160.22000"));
        QCOMPARE(channels[0]["name"].toString(), QString("AAR07"));
        QCOMPARE(channels[1]["name"].toString(), QString("YARDCHAN"));
        QCOMPARE(channels[1]["tx"].toString(), QString("160.21500"));
        QCOMPARE(channels[1]["busyLock"].toBool(), true);
        QCOMPARE(channels[2]["name"].toString(), QString("AAR07"));
        QCOMPARE(channels[2]["txStop"].toBool(), true);

        // One row, one warning: no plural.
        WriteFile(path("one.csv"), "Location,Frequency,Name\n1,146,one\n");
        run = RunCli({"import", known(), path("one.csv"), path("one.dat"), "--lang", "en"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QString("Taken: 1 row (1 with a warning)\nLeft out: 0 rows\n"));
        run = RunCli({"import", known(), path("one.csv"), path("one.dat"), "--lang", "zh"});
        QCOMPARE(run.out, QString::fromUtf8("已导入：1 行（1 行有警告）\n已跳过：0 行\n"));

        // Strict: the rows with changes are left out, the rest taken.
        QFile::remove(path("strict.dat"));
        run = RunCli(
            {"import", known(), path("rail.csv"), path("strict.dat"), "--strict", "--lang", "en"});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(!QFile::exists(path("strict.dat")));
        run = RunCli({"import", known(), path("rail.csv"), path("strict.dat"), "--strict",
                      "--skip-invalid", "--lang", "en"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.contains(file + " line 3: Power \"4W\" -> 5.0W (the nearest level); row "
                                        "left out (--strict)\n"));
        QCOMPARE(run.out, QString("Taken: 2 rows\n"
                                  "Left out: 3 rows\n"
                                  "  2 rows: values would change (--strict)\n"
                                  "  1 row: beyond the scope of frequency band (136-174MHz)\n"));
        const QJsonArray strict =
            QJsonDocument::fromJson(
                RunCli({"show", path("strict.dat"), "--json"}).out.toUtf8())["channels"]
                .toArray();
        QCOMPARE(strict.size(), 4); // 1 and 2 kept from the file
        QCOMPARE(strict[0]["name"].toString(), QString("RPT1"));
        QCOMPARE(strict[2]["name"].toString(), QString("AAR07"));
        QCOMPARE(strict[3]["name"].toString(), QString("ROAD"));
    }

    // An import that takes no row writes nothing, whatever the options say.
    void importOfNoRowWritesNothing_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::newRow("header only") << QByteArray("Location,Frequency\n");
        QTest::newRow("every row invalid") << QByteArray("Location,Frequency\n1,999\n2,x\n");
        QTest::newRow("no Frequency column") << QByteArray("Location,Name\n1,A\n");
    }
    void importOfNoRowWritesNothing()
    {
        QFETCH(QByteArray, csv);
        WriteFile(path("none.csv"), csv);
        QFile::remove(path("none.dat"));
        const Run run = RunCli({"import", known(), path("none.csv"), path("none.dat"),
                                "--skip-invalid", "--lang", "en"});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(!QFile::exists(path("none.dat")));
        QCOMPARE(run.out, QString());
        QVERIFY(run.err.endsWith("Nothing was written\n"));
    }

    void importPlacesRowsByLocationOrRenumbered()
    {
        // Counted from 0, and a Location above 128. Channels 1..3 of the file
        // are in use; channel 9 holds only a name.
        WriteFile(path("zero.csv"), "Location,Frequency,Name\n"
                                    "0,146.000,ZERO\n"
                                    "1,146.100,ONE\n"
                                    "200,146.200,BIG\n");
        const auto import = [this](const QStringList &options) {
            QFile::remove(path("placed.dat"));
            const Run run = RunCli(QStringList{"import", known(), path("zero.csv"),
                                               path("placed.dat"), "--lang", "en"} +
                                   options);
            QList<int> numbers;
            QStringList names;
            const QJsonDocument shown = QJsonDocument::fromJson(
                RunCli({"show", path("placed.dat"), "--json"}).out.toUtf8());
            for (const QJsonValue &c : shown["channels"].toArray()) {
                numbers << c["number"].toInt();
                names << c["name"].toString();
            }
            return std::make_tuple(run, numbers, names);
        };

        auto [run, numbers, names] = import({});
        QCOMPARE(run.exitCode, 2);
        std::tie(run, numbers, names) = import({"--skip-invalid"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(numbers, (QList<int>{1, 2, 3}));
        QCOMPARE(names, (QStringList{"ONE", "CALL", ""}));

        std::tie(run, numbers, names) = import({"--renumber"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QString("Taken: 3 rows into channels 4..6\nLeft out: 0 rows\n"));
        QCOMPARE(numbers, (QList<int>{1, 2, 3, 4, 5, 6}));
        QCOMPARE(names.mid(3), (QStringList{"ZERO", "ONE", "BIG"}));

        std::tie(run, numbers, names) = import({"--renumber", "--first", "9"});
        QCOMPARE(numbers, (QList<int>{1, 2, 3, 9, 10, 11}));
        QCOMPARE(names.mid(3), (QStringList{"ZERO", "ONE", "BIG"}));

        std::tie(run, numbers, names) = import({"--renumber", "--clear"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(numbers, (QList<int>{1, 2, 3}));
        QCOMPARE(names, (QStringList{"ZERO", "ONE", "BIG"}));

        std::tie(run, numbers, names) = import({"--clear", "--skip-invalid"});
        QCOMPARE(numbers, (QList<int>{1}));
        QCOMPARE(names, (QStringList{"ONE"}));

        // Channels run out: the rows left are left out and counted.
        std::tie(run, numbers, names) = import({"--renumber", "--first", "127"});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.contains(path("zero.csv") +
                                 " line 4: no free channel is left from channel 127 to 128\n"));
        std::tie(run, numbers, names) = import({"--renumber", "--first", "127", "--skip-invalid"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QString("Taken: 2 rows into channels 127..128\n"
                                  "Left out: 1 row\n"
                                  "  1 row: no free channel left\n"));
        QCOMPARE(numbers, (QList<int>{1, 2, 3, 127, 128}));

        for (const QStringList &wrong :
             {QStringList{"--first", "2"}, QStringList{"--renumber", "--first", "0"},
              QStringList{"--renumber", "--first", "129"}}) {
            std::tie(run, numbers, names) = import(wrong);
            QCOMPARE(run.exitCode, 1);
            QVERIFY(!QFile::exists(path("placed.dat")));
        }
    }

    // Transmit stop goes out as Duplex off and comes back; a frequency
    // decoded from a damaged image is told and its channel left out.
    void exportAndImportAreFaithful()
    {
        RadioData data = KnownData();
        PutChannel(data.channels, 4, "146.00000", "146.00000", 0, 0, "STOP1");
        PutChannel(data.channels, 5, "146.00000", "146.60000", 0, 0, "STOP2");
        PutChannel(data.channels, 6, "146.00000", "", 0, 0, "STOP3");
        for (int n = 4; n <= 6; ++n)
            data.channels.index(ChannelTable::TxStop, n) = 0;
        WriteFile(path("stops.dat"), DatOf(data));
        QCOMPARE(RunCli({"export", path("stops.dat"), path("stops.csv")}).exitCode, 0);
        const QList<QByteArray> rows = ReadFile(path("stops.csv")).split('\n');
        QVERIFY(rows[4].startsWith("4,STOP1,146.000000,off,0.000000,"));
        QVERIFY(rows[5].startsWith("5,STOP2,146.000000,off,146.600000,"));
        QVERIFY(rows[6].startsWith("6,STOP3,146.000000,off,,"));
        QVERIFY(rows[3].startsWith("3,,150.006250,split,,"));
        // Into a copy without them: every channel in use comes from the list.
        RadioData empty = data;
        for (int n = 1; n <= 6; ++n)
            empty.channels.clearChannel(n);
        WriteFile(path("empty.dat"), DatOf(empty));
        Run run = RunCli({"import", path("empty.dat"), path("stops.csv"), path("back.dat")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(ReadFile(path("back.dat")),
                 WindowOpenSave(ReadFile(path("stops.dat")), Language::Chinese));

        // Channel 7's transmit frequency holds hex letters, channel 8's lies
        // beyond the band.
        QByteArray damaged = ReadFile(path("stops.dat"));
        const char ch7[8] = {0x00, 0x25, 0x51, 0x14, 0x00, 0x25, 0x51, 0x4A};
        const char ch8[8] = {0x00, 0x25, 0x51, 0x14, 0x00, 0x00, 0x00, 0x18};
        damaged.replace(48 + 13 * 6, 8, QByteArray(ch7, 8));
        damaged.replace(48 + 13 * 7, 8, QByteArray(ch8, 8));
        damaged[48 + 13 * 6 + 12] = char(0xFF);
        damaged[48 + 13 * 7 + 12] = char(0xFF);
        WriteFile(path("damaged.dat"), damaged);
        run = RunCli({"export", path("damaged.dat"), path("damaged.csv"), "--lang", "en"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err,
                 path("damaged.dat") +
                     ": channel 7 left out: transmit frequency \"4A5.12500\" is not a frequency "
                     "(damaged data)\n" +
                     path("damaged.dat") +
                     ": channel 8 left out: transmit frequency 180.00000: Beyond the scope of "
                     "frequency band (136-174MHz)\n");
        QCOMPARE(ReadFile(path("damaged.csv")), ReadFile(path("stops.csv")));
        run = RunCli({"export", path("damaged.dat"), "-", "--lang", "zh"});
        QVERIFY(run.err.contains(
            QString::fromUtf8(": 频道 7 未导出：发射频率 \"4A5.12500\" 不是频率（数据已损坏）\n")));
        // What export writes, import takes whole.
        run = RunCli({"import", path("empty.dat"), path("damaged.csv"), path("back.dat")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QString());
    }

    void importReadsListsAsTheirAuthorsWriteThem()
    {
        WriteFile(path("authors.csv"), "Location,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                                       "BusyLock\n"
                                       "1,146.94,-,,TSQL,100.0,,Carry\n"
                                       "2,146.94,+,,,,,Carrier\n"
                                       "3,146.94,off,0.6,,,,On\n"
                                       "4,146.94,,,,,,\xe8\xbd\xbd\xe6\xb3\xa2\n"
                                       "5,146.94,,,,,,Off\n");
        const Run run = RunCli({"import", known(), path("authors.csv"), path("authors.dat")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QString());
        const QJsonArray channels =
            QJsonDocument::fromJson(
                RunCli({"show", path("authors.dat"), "--json"}).out.toUtf8())["channels"]
                .toArray();
        QCOMPARE(channels.size(), 5);
        for (const QJsonValue &c : channels) {
            QCOMPARE(c["rx"].toString(), QString("146.94000"));
            QCOMPARE(c["tx"].toString(), QString("146.94000"));
            QCOMPARE(c["busyLock"].toBool(), c["number"].toInt() != 5);
            QCOMPARE(c["txStop"].toBool(), c["number"].toInt() == 3);
        }
        QCOMPARE(channels[0]["rxTone"].toString(), QString("100.0"));
        QCOMPARE(channels[0]["txTone"].toString(), QString("100.0"));
    }

    void exitCodes_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        const QString missing = m_dir.filePath("missing.dat");
        QTest::newRow("no arguments") << QStringList{} << 1;
        QTest::newRow("unknown command") << QStringList{"frobnicate"} << 1;
        QTest::newRow("too few") << QStringList{"show"} << 1;
        QTest::newRow("too many") << QStringList{"show", "a", "b"} << 1;
        QTest::newRow("unknown option") << QStringList{"show", "a", "--jsn"} << 1;
        QTest::newRow("bad language") << QStringList{"show", "a", "--lang", "fr"} << 1;
        QTest::newRow("port 17") << QStringList{"read", "17", "x.dat"} << 1;
        QTest::newRow("port 0") << QStringList{"write", "0", "x.dat"} << 1;
        QTest::newRow("port number beyond an int")
            << QStringList{"read", "99999999999", m_dir.filePath("x.dat")} << 1;
        QTest::newRow("help") << QStringList{"write", "--help"} << 0;
        QTest::newRow("missing file") << QStringList{"show", missing} << 2;
        QTest::newRow("cannot write")
            << QStringList{"normalize", known(), m_dir.filePath("no/such/dir/x.dat")} << 2;
        QTest::newRow("missing trace folder")
            << QStringList{"read", "/dev/null", "x.dat", "--trace", m_dir.filePath("no/t")} << 2;
        QTest::newRow("port cannot be opened")
            << QStringList{"read", m_dir.filePath("no-such-tty"), m_dir.filePath("x.dat")} << 3;
        QTest::newRow("port number without a device")
            << QStringList{"read", "1", m_dir.filePath("x.dat")} << 3;
    }
    void exitCodes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("Q731_PORTS", "");
        const Run run = RunCli(arguments, {}, env);
        QCOMPARE(run.exitCode, exitCode);
        if (exitCode != 0)
            QVERIFY(!run.err.isEmpty());
        QVERIFY(!QFile::exists(m_dir.filePath("x.dat")));
    }

    void fileErrors_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QByteArray wrongModel = DatOf(KnownData());
        wrongModel[2] = 'W';
        QTest::newRow("wrong model") << wrongModel << "File type is incorrect!";
        QTest::newRow("short file") << DatOf(KnownData()).left(3000) << "cut short";
        QTest::newRow("empty file") << QByteArray() << "File type is incorrect!";
    }
    void fileErrors()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        WriteFile(path("broken.dat"), content);
        for (const QStringList &arguments :
             {QStringList{"show", path("broken.dat")},
              QStringList{"normalize", path("broken.dat"), path("never.dat")},
              QStringList{"write", "/dev/null", path("broken.dat")},
              QStringList{"simulate", "--image", path("broken.dat")}}) {
            const Run run = RunCli(arguments + QStringList{"--lang", "en"});
            QCOMPARE(run.exitCode, 2);
            QVERIFY2(run.err.contains(message), qPrintable(run.err));
        }
        QVERIFY(!QFile::exists(path("never.dat")));
        const Run zh = RunCli({"show", path("broken.dat"), "--lang", "zh"});
        QVERIFY(zh.err.contains(QString::fromUtf8("文件")));
    }

    void specialOutputPathsAreRefusedAndLeftAlone()
    {
        const QString pipe = MakeSpecialFile(m_dir.path(), "pipe");
        QVERIFY(!pipe.isEmpty());
        QStringList refused{pipe, path("folder")};
#ifdef Q_OS_UNIX
        // A symbolic link is followed (Windows shortcuts are plain files).
        QVERIFY(QFile::link(pipe, path("link-to-pipe")));
        refused << path("link-to-pipe");
#endif
        QVERIFY(QDir(m_dir.path()).mkpath("folder"));
        QCOMPARE(RunCli({"export", known(), path("list-out.csv")}).exitCode, 0);
        for (const QString &out : std::as_const(refused)) {
            for (const QStringList &arguments :
                 {QStringList{"normalize", known(), out}, QStringList{"export", known(), out},
                  QStringList{"import", known(), path("list-out.csv"), out}}) {
                const Run run = RunCli(arguments + QStringList{"--lang", "en"});
                QCOMPARE(run.exitCode, 2);
                QCOMPARE(run.err, QString("Cannot write the file %1: it is not a regular file but "
                                          "a folder, device, pipe or socket; it was left as it "
                                          "was\n")
                                      .arg(out));
            }
        }
        const Run zh = RunCli({"normalize", known(), pipe, "--lang", "zh"});
        QCOMPARE(zh.exitCode, 2);
        QCOMPARE(zh.err, QString::fromUtf8("无法写入文件 %1：它不是普通文件，而是文件夹、设备、"
                                           "管道或套接字；未作改动\n")
                             .arg(pipe));
        QVERIFY(IsStillSpecial(pipe));
        QVERIFY(QDir(path("folder")).isEmpty());
#ifdef Q_OS_UNIX
        QVERIFY(QFileInfo(path("link-to-pipe")).isSymLink());

        // A link to a regular file is written through; the link stays.
        WriteFile(path("target.dat"), "old");
        QVERIFY(QFile::link(path("target.dat"), path("link.dat")));
        QCOMPARE(RunCli({"normalize", known(), path("link.dat")}).exitCode, 0);
        QVERIFY(QFileInfo(path("link.dat")).isSymLink());
        QCOMPARE(ReadFile(path("target.dat")),
                 WindowOpenSave(ReadFile(known()), Language::Chinese));
#endif
    }

    void oversizedInputsAreRefused()
    {
        const QByteArray file = ReadFile(known());
        WriteFile(path("limit.dat"), file + QByteArray(int(kDatFileSizeLimit) - file.size(), 0));
        QCOMPARE(RunCli({"show", path("limit.dat")}).exitCode, 0);
        WriteFile(path("large.dat"),
                  file + QByteArray(int(kDatFileSizeLimit) - file.size() + 1, 0));
        Run run = RunCli({"show", path("large.dat"), "--lang", "en"});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err, QString("Cannot read the file %1: it is larger than 64 KiB, too large "
                                  "for a data file\n")
                              .arg(path("large.dat")));
        run = RunCli({"show", path("large.dat"), "--lang", "zh"});
        QCOMPARE(run.err, QString::fromUtf8("无法读取文件 %1：大小超过 64 KiB，不可能是数据文件\n")
                              .arg(path("large.dat")));

        // Standard input is a stream of unknown size.
        run = RunCli({"show", "-", "--lang", "en"}, file + QByteArray(100 * 1024, 0));
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err, QString("Cannot read standard input: it is larger than 64 KiB, too "
                                  "large for a data file\n"));
        run = RunCli({"show", "-", "--json"}, file);
        QCOMPARE(run.exitCode, 0);

        // A CSV list may be larger, but not without bound.
        QByteArray csv = "Location,Frequency\n1,145\n";
        csv += '#' + QByteArray(int(kCsvFileSizeLimit) - csv.size() - 2, 'x') + '\n';
        WriteFile(path("huge.csv"), csv);
        QCOMPARE(RunCli({"import", known(), path("huge.csv"), path("huge.dat")}).exitCode, 0);
        QFile::remove(path("huge.dat"));
        WriteFile(path("huge.csv"), csv + '\n');
        run = RunCli({"import", known(), path("huge.csv"), path("huge.dat"), "--lang", "en"});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err, QString("Cannot read the file %1: it is larger than 16 MiB, too large "
                                  "for a CSV channel list\n")
                              .arg(path("huge.csv")));
        QVERIFY(!QFile::exists(path("huge.dat")));
    }

    // Read whole, an endless device would take all memory before failing.
    void endlessInputEndsAtTheLimit()
    {
        const Run run = RunCli({"show", "/dev/zero", "--lang", "en"});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err, QString("Cannot read the file /dev/zero: it is larger than 64 KiB, too "
                                  "large for a data file\n"));
    }

    void controlBytesCannotDriveTheTerminal()
    {
        // Names as a hostile file may hold them: clear the screen and start a
        // line of its own; a C1 CSI, DEL and BEL.
        QByteArray evil = ReadFile(known());
        evil.replace(48 + 2048, 8, QByteArray("\x1b[2J\nset", 8));
        evil.replace(48 + 2056, 8,
                     QByteArray("\x9b"
                                "2J\x7f\x07OK\xff",
                                8));
        WriteFile(path("evil.dat"), evil);

        Run run = RunCli({"show", path("evil.dat"), "--lang", "en"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(HasNoControls(run.out));
        QVERIFY(run.out.contains("\\x1b[2J\\x0aset"));
        QVERIFY(run.out.contains("\\x9b2J\\x7f\\x07OK"));

        run = RunCli({"diff", known(), path("evil.dat"), "--lang", "en"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(HasNoControls(run.out));
        QCOMPARE(run.out.split('\n', Qt::SkipEmptyParts),
                 (QStringList{"channel 1 name: RPT1 -> \\x1b[2J\\x0aset",
                              "channel 2 name: CALL -> \\x9b2J\\x7f\\x07OK"}));

        // JSON keeps the names exact, escaped the JSON way.
        run = RunCli({"show", path("evil.dat"), "--json"});
        QVERIFY(HasNoControls(run.out));
        const QJsonArray channels = QJsonDocument::fromJson(run.out.toUtf8())["channels"].toArray();
        QCOMPARE(channels[0]["name"].toString(), QString::fromLatin1("\x1b[2J\nset"));
        QCOMPARE(channels[1]["name"].toString(), QString::fromLatin1("\x9b"
                                                                     "2J\x7f\x07OK"));

        // Values echoed from a CSV list: escaped and cut.
        const QByteArray csv = "Location,Frequency\n1,\x1b[2J\r\n2," + QByteArray(200, '7') +
                               "x\n3,\xc2\x9b"
                               "1m\n";
        WriteFile(path("evil.csv"), csv);
        run = RunCli({"import", known(), path("evil.csv"), path("evil-out.dat"), "--lang", "en"});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(HasNoControls(run.err));
        const QStringList errors = run.err.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(errors.size(), 8);
        QCOMPARE(errors.mid(3),
                 (QStringList{"Taken: 0 rows", "Left out: 3 rows", "  3 rows: invalid Frequency",
                              "No row can be taken", "Nothing was written"}));
        QCOMPARE(errors[0], path("evil.csv") + " line 2: Frequency \"\\x1b[2J\" is not a number");
        const QString cut = errors[1].section('"', 1, 1);
        QCOMPARE(cut, QString(39, '7') + QString::fromUtf8("…"));
        QCOMPARE(errors[2], path("evil.csv") + " line 4: Frequency \"\\x9b1m\" is not a number");
    }

    void messagesFollowTheStoredLanguage()
    {
        const QStringList arguments{"show", path("missing.dat")};
        UserLanguageStore store;
        WriteStoredLanguage(store, Language::English);
        Run run = RunCli(arguments);
        QVERIFY2(run.err.startsWith("Cannot read the file"), qPrintable(run.err));
        QVERIFY(RunCli(arguments + QStringList{"--lang", "zh"})
                    .err.startsWith(QString::fromUtf8("无法读取文件")));
        WriteStoredLanguage(store, Language::Chinese);
        run = RunCli(arguments);
        QVERIFY2(run.err.startsWith(QString::fromUtf8("无法读取文件")), qPrintable(run.err));
        // The option may also come before the command.
        QVERIFY(RunCli(QStringList{"--lang", "en"} + arguments).err.startsWith("Cannot read"));
    }

    void qtOwnWordsFollowTheLanguage()
    {
        // The parser's own words ("Usage:", "Options:", "Unknown option")
        // come from Qt's catalogue, installed for Chinese only.
        const Run zh = RunCli({"show", "--help", "--lang", "zh"});
        QCOMPARE(zh.exitCode, 0);
        QVERIFY2(zh.out.startsWith(QString::fromUtf8("用法：")), qPrintable(zh.out));
        QVERIFY2(zh.out.contains(QString::fromUtf8("选项：")), qPrintable(zh.out));
        QVERIFY(!zh.out.contains("Usage:"));
        const Run en = RunCli({"show", "--help", "--lang", "en"});
        QVERIFY2(en.out.startsWith("Usage: "), qPrintable(en.out));
        QVERIFY(en.out.contains("Options:"));
        QVERIFY2(
            RunCli({"show", "--bogus", "--lang", "zh"}).err.contains(QString::fromUtf8("未知选项")),
            "unknown option in Chinese");
        QVERIFY(RunCli({"show", "--bogus", "--lang", "en"}).err.contains("Unknown option"));
    }

    void readStoresTheImageExactlyAsReceived()
    {
        SKIP_WITHOUT_PSEUDO_TERMINAL();
        // A foreign memory: the backup must keep bytes the codec would drop.
        QByteArray foreign = ReadFile(known()).left(3120);
        for (int i = 1960; i < 2010; ++i)
            foreign[48 + i] = char(i);
        WriteFile(path("radio.dat"), foreign);
        Simulator radio({"--image", path("radio.dat")});
        QVERIFY(!radio.device().isEmpty());
        const Run run = RunCli({"read", radio.device(), path("backup.dat"), "--lang", "en",
                                "--trace", path("read.trace")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, radio.device() + ": Reading succeeds frequently!\n");
        QCOMPARE(ReadFile(path("backup.dat")), foreign);

        const QString trace = QString::fromUtf8(ReadFile(path("read.trace")));
        QVERIFY(trace.contains(QRegularExpression("^ +0\\.\\d{3} " +
                                                      QRegularExpression::escape(radio.device()) +
                                                      " > 50 52 4F 47 52 41 4D +\\|PROGRAM\\|$",
                                                  QRegularExpression::MultilineOption)));
        QVERIFY(trace.contains(radio.device() + " < 06 "));
        QVERIFY(trace.contains(" > 52 0B F0 10 ")); // the last read request
    }

    void failedReadStoresNothing()
    {
        SKIP_WITHOUT_PSEUDO_TERMINAL();
        Simulator radio({"--stop-after", "20"});
        const Run run = RunCli({"read", radio.device(), path("partial.dat"), "--lang", "en"});
        QCOMPARE(run.exitCode, 3);
        QCOMPARE(run.err, radio.device() + ": Connection lost: the cable or the serial port was "
                                           "disconnected. Check the cable and try again!\n");
        QVERIFY(!QFile::exists(path("partial.dat")));

        Simulator silent({"--silent"});
        QCOMPARE(RunCli({"read", silent.device(), path("partial.dat")}).exitCode, 3);
        QVERIFY(!QFile::exists(path("partial.dat")));
    }

    void readOfABlockForAnotherAddressStoresNothing()
    {
        SKIP_WITHOUT_PSEUDO_TERMINAL();
        for (const char *request : {"0", "100", "191"}) {
            Simulator radio({"--image", known(), "--wrong-address", request});
            const Run run = RunCli({"read", radio.device(), path("moved.dat"), "--lang", "en"});
            QCOMPARE(run.exitCode, 3);
            QCOMPARE(run.out, QString());
            QCOMPARE(run.err, radio.device() +
                                  ": Communication error, check the line and the serial "
                                  "connection selection! (wrong reply from the radio)\n");
            QVERIFY(!QFile::exists(path("moved.dat")));
        }
    }

    void portNumbersFollowThePortList()
    {
        SKIP_WITHOUT_PSEUDO_TERMINAL();
        Simulator first({});
        Simulator second({"--band", "5"});
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("Q731_PORTS", first.device() + ":" + second.device());
        const Run run = RunCli({"read", "2", path("second.dat"), "--lang", "en"}, {}, env);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QString("2 (%1): Reading succeeds frequently!\n").arg(second.device()));
        QCOMPARE(quint8(ReadFile(path("second.dat"))[48 + 1814]), quint8(5));
    }

    void writeWithAndWithoutCalibration()
    {
        SKIP_WITHOUT_PSEUDO_TERMINAL();
        for (const bool calibration : {false, true}) {
            const QString saved = path(calibration ? "cal.dat" : "nocal.dat");
            Simulator radio({"--save", saved});
            QStringList arguments{"write", radio.device(), known(), "--verify", "--lang", "en"};
            if (calibration)
                arguments << "--calibration";
            const Run run = RunCli(arguments);
            QCOMPARE(run.exitCode, 0);
            QCOMPARE(run.out, radio.device() + ": Writing succeeds frequently! verified\n");
            QCOMPARE(radio.stop(), 0);
            const QByteArray memory = ReadFile(saved);
            const QByteArray file = WindowOpenSave(ReadFile(known()), Language::Chinese);
            QCOMPARE(memory.mid(48, 1984), file.mid(48, 1984));
            QCOMPARE(memory.mid(48 + 2048), file.mid(48 + 2048, 1024));
            // The simulated radio starts with the default levels.
            QCOMPARE(quint8(memory[48 + 2040]), quint8(calibration ? 99 : 124));
        }
    }

    void bandMismatchIsRefusedUnlessForced()
    {
        SKIP_WITHOUT_PSEUDO_TERMINAL();
        Simulator radio({"--band", "3", "--save", path("forced.dat")});
        Run run = RunCli({"write", radio.device(), known(), "--lang", "en"});
        QCOMPARE(run.exitCode, 4);
        QVERIFY(run.err.contains("The frequency band is not accorded with, can't write into!"));

        run = RunCli({"write", radio.device(), known(), "--force-band"});
        QCOMPARE(run.exitCode, 0);
        radio.stop();
        QCOMPARE(ReadFile(path("forced.dat")).mid(48, 13), ReadFile(known()).mid(48, 13));
    }

    void verifyNamesWhatTheRadioStoredWrongly()
    {
        SKIP_WITHOUT_PSEUDO_TERMINAL();
        const QByteArray file = ReadFile(known());
        const auto byteOfFile = [&file](int address) { return quint8(file[48 + address]); };
        struct Case
        {
            int corrupt;
            const char *language;
            QString expected; // empty: verified
        };
        const Case cases[] = {
            {1796, "en",
             QString("verify failed: byte 1796 (0x0704) written 0x%1, read back 0x%2 "
                     "(optional features: squelch level)")
                 .arg(byteOfFile(1796), 2, 16, QChar('0'))
                 .arg(byteOfFile(1796) ^ 1, 2, 16, QChar('0'))},
            {13 * 11 + 2, "zh",
             QString::fromUtf8("校验不符：字节 145 (0x0091) 写入 0x%1，读回 0x%2"
                               "（信道 12 的接收频率）")
                 .arg(byteOfFile(145), 2, 16, QChar('0'))
                 .arg(byteOfFile(145) ^ 1, 2, 16, QChar('0'))},
            // The write never sends byte 2000, so the radio cannot keep it wrongly.
            {2000, "en", QString()},
        };
        for (const Case &c : cases) {
            Simulator radio({"--corrupt-byte", QString::number(c.corrupt)});
            const Run run =
                RunCli({"write", radio.device(), known(), "--verify", "--lang", c.language});
            if (c.expected.isEmpty()) {
                QCOMPARE(run.exitCode, 0);
                QCOMPARE(run.out, radio.device() + ": Writing succeeds frequently! verified\n");
            } else {
                QCOMPARE(run.exitCode, 3);
                QCOMPARE(run.out, QString());
                QCOMPARE(run.err, radio.device() + ": " + c.expected + "\n");
            }
        }
        const Run refused = RunCli({"simulate", "--corrupt-byte", "3072", "--lang", "en"});
        QCOMPARE(refused.exitCode, 1);
        QVERIFY2(refused.err.contains("--corrupt-byte takes a byte address 0..3071"),
                 qPrintable(refused.err));
    }

    void writeFailuresAreCommunicationErrors()
    {
        SKIP_WITHOUT_PSEUDO_TERMINAL();
        // Cable pulled after 50 of the 191 blocks a write sends: the hang-up
        // ends the write at once.
        Simulator pulled({"--stop-after", "50"});
        Run run = RunCli({"write", pulled.device(), known(), "--lang", "en"});
        QCOMPARE(run.exitCode, 3);
        QCOMPARE(run.err, pulled.device() + ": Connection lost: the cable or the serial port was "
                                            "disconnected. Check the cable and try again!\n");
        QCOMPARE(run.out, QString());

        // The write gets through, the read back does not.
        Simulator late({"--stop-after", "200"});
        run = RunCli({"write", late.device(), known(), "--verify", "--lang", "en"});
        QCOMPARE(run.exitCode, 3);
        QVERIFY2(run.err.contains("written, but reading back failed"), qPrintable(run.err));
    }

    void writeToAnAckFloodFails()
    {
        SKIP_WITHOUT_PSEUDO_TERMINAL();
        // Answers the handshake and the identification, then streams ACKs
        // and stores nothing (the serial link's test holds what the radio
        // keeps); here, what the command says and its exit code.
        Simulator flood({"--ack-flood"});
        const Run run = RunCli({"write", flood.device(), known(), "--lang", "zh"});
        QCOMPARE(run.exitCode, 3);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.err,
                 flood.device() + QStringLiteral(": 通信出错，请检查对讲机，连线及串口选择！"
                                                 "（对讲机的回答有误）\n"));
        QCOMPARE(flood.stop(), 0);
    }

    void writeToSeveralRadiosAtOnce()
    {
        SKIP_WITHOUT_PSEUDO_TERMINAL();
        Simulator a({"--save", path("a.dat"), "--paced"});
        Simulator b({"--save", path("b.dat")});
        Simulator wrongBand({"--band", "2"});
        Simulator c({"--save", path("c.dat"), "--paced"});
        const Run run = RunCli({"write", a.device(), b.device(), wrongBand.device(), c.device(),
                                known(), "--lang", "en", "--trace", path("multi.trace")});
        QCOMPARE(run.exitCode, 4);
        QCOMPARE(run.out.split('\n', Qt::SkipEmptyParts),
                 (QStringList{a.device() + ": Writing succeeds frequently!",
                              b.device() + ": Writing succeeds frequently!",
                              c.device() + ": Writing succeeds frequently!"}));
        QCOMPARE(run.err.trimmed(),
                 wrongBand.device() +
                     ": The frequency band is not accorded with, can't write into!");
        a.stop();
        b.stop();
        c.stop();
        const QByteArray expected = ReadFile(known()).mid(48, 1984);
        for (const char *saved : {"a.dat", "b.dat", "c.dat"})
            QCOMPARE(ReadFile(path(saved)).mid(48, 1984), expected);
        const QString trace = QString::fromUtf8(ReadFile(path("multi.trace")));
        for (const Simulator *radio : {&a, &b, &wrongBand, &c})
            QVERIFY(trace.contains(radio->device() + " > 50 52 4F 47 52 41 4D"));
    }

    void simulatorWithoutImageHoldsANewRadio_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("band");
        QTest::addColumn<QString>("bandText");
        QTest::addColumn<QString>("vfo");
        QTest::newRow("default band") << QStringList{} << 0 << "136-174MHz"
                                      << "155.00000";
        QTest::newRow("band 3") << QStringList{"--band", "3"} << 3 << "400-470MHz"
                                << "435.00000";
        QTest::newRow("band 6") << QStringList{"--band", "6"} << 6 << "440-480MHz"
                                << "460.00000";
    }
    void simulatorWithoutImageHoldsANewRadio()
    {
        SKIP_WITHOUT_PSEUDO_TERMINAL();
        QFETCH(QStringList, arguments);
        QFETCH(int, band);
        QFETCH(QString, bandText);
        QFETCH(QString, vfo);
        Simulator radio(arguments);
        QCOMPARE(RunCli({"read", radio.device(), path("new.dat")}).exitCode, 0);
        const QJsonObject root =
            QJsonDocument::fromJson(RunCli({"show", path("new.dat"), "--json"}).out.toUtf8())
                .object();
        QCOMPARE(root["settings"]["band"].toString(), bandText);
        // New puts the VFO in the middle of the band it is given.
        QCOMPARE(root["settings"]["vfo_frequency"].toString(), vfo);
        QCOMPARE(root["channels"].toArray().size(), 0);
        QCOMPARE(ReadFile(path("new.dat")), NewRadioFile(band));
    }

    // However the simulator ends, --save stores what the radio holds, also
    // when nothing was written to it.
    void simulatorStoresItsMemoryWhenItEnds_data()
    {
        QTest::addColumn<int>("signalNumber"); // 0: its input closes
#ifdef Q_OS_UNIX
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
#endif
        QTest::newRow("input closed") << 0;
    }
    void simulatorStoresItsMemoryWhenItEnds()
    {
        SKIP_WITHOUT_PSEUDO_TERMINAL();
        QFETCH(int, signalNumber);
        const QString saved = path("ended.dat");
        QFile::remove(saved);
        Simulator radio({"--image", known(), "--save", saved});
        QVERIFY(!radio.device().isEmpty());
        QCOMPARE(Stop(radio, signalNumber), 0);
        // The image alone, as a radio holds it: no DTMF block.
        QCOMPARE(ReadFile(saved), ReadFile(known()).left(3120));

        // After a write, the written memory.
        Simulator written({"--band", "3", "--save", saved});
        QCOMPARE(RunCli({"write", written.device(), known(), "--force-band"}).exitCode, 0);
        QFile::remove(saved);
        QCOMPARE(Stop(written, signalNumber), 0);
        QCOMPARE(ReadFile(saved).mid(48, 1984), ReadFile(known()).mid(48, 1984));
    }

    // --split and --load, as the radio once took them as a program of its own.
    void splitRepliesComeByteByByte()
    {
        SKIP_WITHOUT_PSEUDO_TERMINAL();
        Simulator radio({"--split", "--load", known(), "--trace", path("split.trace")});
        const Run run = RunCli({"read", radio.device(), path("split.dat")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(ReadFile(path("split.dat")), ReadFile(known()).left(3120));
        QCOMPARE(radio.stop(), 0);
        // Every piece the radio put on the line is a single byte.
        const QStringList sent = QString::fromUtf8(ReadFile(path("split.trace")))
                                     .split('\n', Qt::SkipEmptyParts)
                                     .filter(QRegularExpression(" radio > "));
        QVERIFY(sent.size() > int(kRadioMemorySize));
        for (const QString &line : sent)
            QVERIFY2(QRegularExpression(" radio > [0-9A-F]{2} +\\|").match(line).hasMatch(),
                     qPrintable(line));

        // Without it, replies go out whole.
        Simulator whole({"--image", known(), "--trace", path("whole.trace")});
        QCOMPARE(RunCli({"read", whole.device(), path("whole.dat")}).exitCode, 0);
        QCOMPARE(whole.stop(), 0);
        QVERIFY(QString::fromUtf8(ReadFile(path("whole.trace")))
                    .contains(QRegularExpression(" radio > ([0-9A-F]{2} ){16}")));
    }
};

} // namespace

QTEST_MAIN(TestCli)
#include "test_cli.moc"
