// q731-cli report through the built binary: the window program's report of a
// data file as a PDF, without a display, searchable in both languages, on
// either paper; and what it refuses.

#include "../print/pdf_text.h"
#include "../special_file.h"

#include "files/data_file_store.h"
#include "image/tones.h"
#include "print/print_report.h"
#include "session/language_store.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace q731;
using namespace q731::testing;

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QString err;
};

// Without a display, and with a platform that cannot start: only the
// offscreen platform that `report` picks for itself works.
QProcessEnvironment Headless()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-such-platform"));
    return env;
}

Run RunCli(const QStringList &arguments)
{
    QProcess process;
    process.setProcessEnvironment(Headless());
    process.start(QStringLiteral(Q731_CLI_PATH), arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), QString::fromUtf8(process.readAllStandardError())};
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Band 400-470 with channels at both ends of the table, in the widest texts
// of some columns, and values in every section of the report.
RadioData KnownData()
{
    RadioData data;
    StartNew(data, 3);
    ChannelTable &t = data.channels;
    t.rx(1) = "435.12500";
    t.tx(1) = "440.12500";
    t.index(ChannelTable::RxTone, 1) = 9;   // 88.5
    t.index(ChannelTable::TxTone, 1) = 264; // D754I
    t.index(ChannelTable::Power, 1) = 2;
    t.name(1) = "GATE";
    t.rx(128) = "469.98750";
    t.tx(128) = "469.98750";
    t.name(128) = "WWWWWWWW";
    t.name(64) = "SPARE";
    data.options.squelchLevel = 7;
    data.options.vfoOffsetDirection = 2; // no offset: 无异频
    data.options.powerOnText = "HELLO";
    data.calibration.values = {201, 202, 203, 44, 55, 66, 77, 88, 99};
    return data;
}

QString PagesText(const QString &path)
{
    return PdfPages(path).join(QLatin1Char('\f'));
}

} // namespace

class TestCliReport : public QObject
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
        RadioImage image{};
        QVERIFY(SaveDataFile({.path = known()}, KnownData(), image).ok());
    }

    void reportIsTheWindowsReportAsSearchableText_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("paper");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QStringList>("expected");
        const QStringList zh = {
            "Q-731编程软件开发组",
            "ZR-614对讲机编程数据打印",
            "功能设置",
            "静噪等级:7",
            "提示音:开",
            "开机显示字符:HELLO",
            "第1页，共5页",
            "全频频率:435.00000",
            "异频:无异频",
            "是否允许取消操作否",
            "高段等级201中段等级202低段等级203",
            "信道数据",
            "频道接收频率发射频率接收亚音频发射亚音频功率繁忙信道锁定扫描添加宽窄带发射禁止"
            "扰频频道名称",
            "1435.12500440.1250088.5D754I中",
            "GATE",
            "64SPARE",
            "128469.98750469.98750",
            "WWWWWWWW",
            "第5页，共5页"};
        const QStringList en = {"Q-731SoftwareTeam",
                                "ZR-614Interphoneprogrammingdataareprinted",
                                "Functionset",
                                "SquelchLevel:7",
                                "Beep:On",
                                "DisplayCharacter:HELLO",
                                "Page1of5",
                                "Frequency:435.00000",
                                "Offset:None",
                                "WhetherAllowtoCancelOperatingNo",
                                "HighSectGrades201MidSectGrades202LowSectGrades203",
                                "Channeldata",
                                "1435.12500440.1250088.5D754IMiddle",
                                "GATE",
                                "64SPARE",
                                "128469.98750469.98750",
                                "WWWWWWWW",
                                "Page5of5"};
        QTest::newRow("zh, a4") << "zh"
                                << "a4"
                                << "595 x 842" << zh;
        QTest::newRow("zh, letter") << "zh"
                                    << "letter"
                                    << "612 x 792" << zh;
        QTest::newRow("en, a4") << "en"
                                << "a4"
                                << "595 x 842" << en;
        QTest::newRow("en, LETTER") << "en"
                                    << "LETTER"
                                    << "612 x 792" << en;
    }

    void reportIsTheWindowsReportAsSearchableText()
    {
        QFETCH(QString, language);
        QFETCH(QString, paper);
        QFETCH(QString, size);
        QFETCH(QStringList, expected);
        const QString out = path("report.pdf");
        QFile::remove(out);
        const Run run = RunCli({"report", known(), out, "--lang", language, "--paper", paper});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
        QCOMPARE(PdfPageSize(out), size);

        // Every text found as printed; no CJK radical where an ideograph was
        // printed.
        const QString text = PagesText(out);
        QCOMPARE(Radicals(text), QString());
        const int missing = FirstOutOfOrder(Squeezed(text), expected);
        QVERIFY2(missing < 0, qPrintable(expected.value(missing) + "\n" + text));

        // The same pages as the window program's routine paints from the
        // file's records.
        RadioImage image{};
        RadioData data;
        const Language lang = language == "en" ? Language::English : Language::Chinese;
        QVERIFY(OpenDataFile({.path = known()}, image, data).ok());
        const QString reference = path("reference.pdf");
        QVERIFY(WriteFile(
            reference,
            ReportPdf(data, lang,
                      QPageSize(paper.toLower() == "a4" ? QPageSize::A4 : QPageSize::Letter),
                      QString())));
        QCOMPARE(PagesText(out), PagesText(reference));
    }

    void languageIsTheStoredOneUnlessChosen()
    {
        UserLanguageStore store;
        const QString out = path("stored.pdf");
        WriteStoredLanguage(store, Language::English);
        QCOMPARE(RunCli({"report", known(), out}).exitCode, 0);
        QVERIFY(Squeezed(PagesText(out)).contains("Functionset"));
        QCOMPARE(RunCli({"--lang", "zh", "report", known(), out}).exitCode, 0);
        QVERIFY(Squeezed(PagesText(out)).contains(QString::fromUtf8("功能设置")));
        WriteStoredLanguage(store, Language::Chinese);
        QCOMPARE(RunCli({"report", known(), out}).exitCode, 0);
        QVERIFY(Squeezed(PagesText(out)).contains(QString::fromUtf8("功能设置")));
    }

    void standardOutputTakesThePdf()
    {
        const Run run = RunCli({"report", known(), "-", "--lang", "en"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.startsWith("%PDF-"));
        QVERIFY(WriteFile(path("piped.pdf"), run.out));
        QVERIFY(Squeezed(PagesText(path("piped.pdf"))).contains("Channeldata"));
    }

    void badArgumentsAreUsageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("no output")
            << QStringList{"report", "FILE", "--lang=en"} << "Too few arguments";
        QTest::newRow("three files")
            << QStringList{"report", "A", "B", "C", "--lang=en"} << "Too many arguments";
        QTest::newRow("paper a5") << QStringList{"report",  "FILE", "OUT",
                                                 "--paper", "a5",   "--lang=en"}
                                  << "--paper takes a4 or letter";
        QTest::newRow("paper missing")
            << QStringList{"report", "FILE", "OUT", "--lang=zh", "--paper"}
            << QString::fromUtf8("用法见 q731-cli report --help");
        QTest::newRow("language fr")
            << QStringList{"report", "FILE", "OUT", "--lang=fr"} << "--lang";
    }

    void badArgumentsAreUsageErrors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Run run = RunCli(arguments);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(!QFileInfo::exists(QStringLiteral("OUT")));
    }

    void helpNamesTheOptions()
    {
        const Run run = RunCli({"report", "--help", "--lang", "en"});
        QCOMPARE(run.exitCode, 0);
        const QString help = QString::fromUtf8(run.out);
        QVERIFY(help.contains("q731-cli report [options] FILE OUT.pdf"));
        QVERIFY(help.contains("--paper <a4|letter>"));
        QVERIFY(help.contains("--used-only"));
        QVERIFY(help.contains("--header"));
    }

    // The window's two choices for a customer's copy.
    void usedOnlyAndHeaderMakeTheCustomerCopy()
    {
        const QString plain = path("plain.pdf");
        const QString copy = path("copy.pdf");
        QCOMPARE(RunCli({"report", known(), plain, "--lang", "en"}).exitCode, 0);
        const Run run =
            RunCli({"report", known(), copy, "--lang", "en", "--used-only", "--header"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        const QStringList pages = PdfPages(copy);
        QVERIFY(pages.size() < PdfPageCount(plain));
        const QString heading = "File:known.datBand:";
        for (const QString &page : pages)
            QVERIFY2(Squeezed(page).startsWith(heading), qPrintable(page));
        QVERIFY(!Squeezed(PagesText(plain)).contains(heading));
    }

    // A file that cannot be opened, and outputs that are no regular file:
    // exit code 2, a message, and what was there left as it was.
    void fileErrorsWriteNothing()
    {
        const QString old = path("old.pdf");
        QVERIFY(WriteFile(old, "old report"));
        QVERIFY(WriteFile(path("other.dat"), QByteArray("XYZ-12") + QByteArray(3114, '\xFF')));

        Run run = RunCli({"report", path("missing.dat"), old, "--lang", "en"});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.startsWith("Cannot read the file"), qPrintable(run.err));
        run = RunCli({"report", path("other.dat"), old, "--lang", "en"});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains("File type is incorrect!"), qPrintable(run.err));
        QCOMPARE(ReadFile(old), QByteArray("old report"));

        QVERIFY(QDir(m_dir.path()).mkdir("folder.pdf"));
        const QString fifo = MakeSpecialFile(m_dir.path(), "fifo.pdf");
        QVERIFY(!fifo.isEmpty());
        QStringList refused{path("folder.pdf"), fifo};
#ifdef Q_OS_UNIX
        refused << QStringLiteral("/dev/null");
#endif
        for (const QString &out : std::as_const(refused)) {
            run = RunCli({"report", known(), out, "--lang", "en"});
            QCOMPARE(run.exitCode, 2);
            QVERIFY2(run.err.contains("it is not a regular file"), qPrintable(run.err));
        }
        QVERIFY(QFileInfo(path("folder.pdf")).isDir());
        QVERIFY(IsStillSpecial(fifo));
#ifdef Q_OS_UNIX
        QVERIFY(QFileInfo("/dev/null").exists() && !QFileInfo("/dev/null").isFile());
#endif

        run = RunCli({"report", known(), path("no/such/folder.pdf"), "--lang", "zh"});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.startsWith(QString::fromUtf8("无法写入文件")), qPrintable(run.err));

        // Replaced whole when it works.
        QCOMPARE(RunCli({"report", known(), old}).exitCode, 0);
        QVERIFY(ReadFile(old).startsWith("%PDF-"));
    }

    // The other commands start no part of QtGui: they run where no platform
    // can start at all.
    void otherCommandsNeedNoPlatform()
    {
        const Run show = RunCli({"show", known(), "--lang", "en"});
        QCOMPARE(show.exitCode, 0);
        QVERIFY(show.out.contains("GATE"));
        const Run normalize = RunCli({"normalize", known(), path("normalized.dat")});
        QCOMPARE(normalize.exitCode, 0);
        QCOMPARE(ReadFile(path("normalized.dat")), ReadFile(known()));
    }
};

QTEST_MAIN(TestCliReport)
#include "test_cli_report.moc"
