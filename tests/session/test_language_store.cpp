// The stored language: the bytes of the registry value as the Windows build
// reads and writes them, and the INI file of the other systems.

#include "session/language_store.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

using namespace q731;

namespace {

QByteArray Utf16(const QString &text, bool withNul)
{
    QByteArray bytes;
    for (const QChar c : text) {
        bytes += char(c.unicode() & 0xFF);
        bytes += char(c.unicode() >> 8);
    }
    if (withNul)
        bytes += QByteArray(2, '\0');
    return bytes;
}

// What QSettings of earlier releases left in the registry for a byte array.
QString EarlierText(const QByteArray &bytes)
{
    return QStringLiteral("@ByteArray(") + QString::fromLatin1(bytes) + QLatin1Char(')');
}

#ifdef Q_OS_WIN
// HKEY_CURRENT_USER\QV-44T, value BinaryValue, as the registry itself gives
// it back: its type and bytes; nothing when it is missing.
struct RawValue
{
    DWORD type = 0;
    QByteArray data;
};

std::optional<RawValue> ReadRawValue()
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"QV-44T", 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return std::nullopt;
    RawValue value;
    DWORD size = 0;
    LSTATUS status = RegQueryValueExW(key, L"BinaryValue", nullptr, &value.type, nullptr, &size);
    if (status == ERROR_SUCCESS) {
        value.data.resize(qsizetype(size));
        status = RegQueryValueExW(key, L"BinaryValue", nullptr, &value.type,
                                  reinterpret_cast<BYTE *>(value.data.data()), &size);
    }
    RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

// Puts `value` back as it was, or removes it when there was none.
void RestoreRawValue(const std::optional<RawValue> &value)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"QV-44T", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return;
    if (value)
        RegSetValueExW(key, L"BinaryValue", 0, value->type,
                       reinterpret_cast<const BYTE *>(value->data.constData()),
                       DWORD(value->data.size()));
    else
        RegDeleteValueW(key, L"BinaryValue");
    RegCloseKey(key);
}
#endif

} // namespace

class LanguageStoreTest : public QObject
{
    Q_OBJECT
private slots:
    void writtenValueIsFourBinaryBytes();
    void registryValuesAsTheReaderTakesThem_data();
    void registryValuesAsTheReaderTakesThem();
#ifdef Q_OS_WIN
    void userStoreIsTheRegistryValue();
#else
    void iniFileIsQv44tIniInTheConfigFolder();
#endif
    void iniTextValueCountsByItsNumber();
    void recentFilesAreKeptBesideTheLanguage();
};

void LanguageStoreTest::writtenValueIsFourBinaryBytes()
{
    QCOMPARE(StoredValueForLanguage(Language::Chinese), QByteArray("\x00\x00\x00\x00", 4));
    QCOMPARE(StoredValueForLanguage(Language::English), QByteArray("\x01\x00\x00\x00", 4));
    // Read back as the registry gives it: REG_BINARY, those 4 bytes.
    for (Language language : {Language::Chinese, Language::English}) {
        const auto read = StoredValueFromRegistry(RegistryBinary, StoredValueForLanguage(language));
        QCOMPARE(LanguageFromStoredValue(read), language);
    }
}

void LanguageStoreTest::registryValuesAsTheReaderTakesThem_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("stores");
    QTest::addColumn<bool>("english");

    const auto binary = [](const char *bytes, int size) { return QByteArray(bytes, size); };
    QTest::newRow("binary 1") << 3 << binary("\x01\x00\x00\x00", 4) << true << true;
    QTest::newRow("binary 0") << 3 << binary("\x00\x00\x00\x00", 4) << true << false;
    QTest::newRow("binary 0x10") << 3 << binary("\x10\x00\x00\x00", 4) << true << false;
    QTest::newRow("binary 0x0A") << 3 << binary("\x0A\x00\x00\x00", 4) << true << false;
    QTest::newRow("binary 0x19") << 3 << binary("\x19\x07", 2) << true << true;
    QTest::newRow("binary one byte") << 3 << binary("\x01", 1) << true << true;
    QTest::newRow("binary empty") << 3 << QByteArray() << true << false;
    QTest::newRow("text 1") << 1 << Utf16("1", true) << true << true;
    QTest::newRow("text 17") << 1 << Utf16("17", true) << true << true;   // 0x11
    QTest::newRow("text 26") << 1 << Utf16("26", true) << true << false;  // 0x1A
    QTest::newRow("text -1") << 1 << Utf16("-1", true) << true << false;  // 0xFFFF
    QTest::newRow("text -15") << 1 << Utf16("-15", true) << true << true; // 0xFFF1
    QTest::newRow("text cut at NUL") << 1 << (Utf16("1", true) + Utf16("0", true)) << true << true;
    QTest::newRow("text no number") << 1 << Utf16("abc", true) << false << false;
    QTest::newRow("dword") << 4 << binary("\x01\x00\x00\x00", 4) << false << false;
    // Earlier releases: QSettings' text form, as REG_BINARY (it holds NULs)
    // or as REG_SZ.
    QTest::newRow("earlier english")
        << 3 << Utf16(EarlierText(binary("\x01\x00\x00\x00", 4)), false) << true << true;
    QTest::newRow("earlier chinese")
        << 3 << Utf16(EarlierText(binary("\x00\x00\x00\x00", 4)), false) << true << false;
    QTest::newRow("earlier as text")
        << 1 << Utf16(EarlierText(QByteArray("\x01\x02", 2)), true) << true << true;
}

void LanguageStoreTest::registryValuesAsTheReaderTakesThem()
{
    QFETCH(int, type);
    QFETCH(QByteArray, data);
    QFETCH(bool, stores);
    QFETCH(bool, english);
    const std::optional<QByteArray> stored =
        StoredValueFromRegistry(static_cast<unsigned long>(type), data);
    QCOMPARE(stored.has_value(), stores);
    QCOMPARE(LanguageFromStoredValue(stored), english ? Language::English : Language::Chinese);
}

#ifdef Q_OS_WIN
void LanguageStoreTest::userStoreIsTheRegistryValue()
{
    // The user's own choice is put back afterwards.
    const std::optional<RawValue> before = ReadRawValue();
    RestoreRawValue(std::nullopt);

    UserLanguageStore store;
    QCOMPARE(ReadStoredLanguage(store), Language::Chinese); // nothing stored yet
    WriteStoredLanguage(store, Language::English);
    const std::optional<RawValue> written = ReadRawValue();
    const bool isFourBinaryBytes = written && written->type == REG_BINARY &&
                                   written->data == QByteArray("\x01\x00\x00\x00", 4);
    // Another program, the system's own registry tool, reads the same bytes.
    QProcess reg;
    reg.start(QStringLiteral("reg"), {QStringLiteral("query"), QStringLiteral("HKCU\\QV-44T"),
                                      QStringLiteral("/v"), QStringLiteral("BinaryValue")});
    const bool regRan = reg.waitForFinished(60000) && reg.exitCode() == 0;
    const QString regSays = QString::fromLocal8Bit(reg.readAllStandardOutput()).simplified();
    // A text value of an earlier release is replaced by the binary one.
    RawValue text{REG_SZ, Utf16(QStringLiteral("1"), true)};
    RestoreRawValue(text);
    WriteStoredLanguage(store, Language::Chinese);
    const std::optional<RawValue> replaced = ReadRawValue();
    UserLanguageStore again;
    const Language readAgain = ReadStoredLanguage(again);
    RestoreRawValue(before);

    QVERIFY(isFourBinaryBytes);
    QVERIFY2(regRan, qPrintable(regSays));
    QVERIFY2(regSays.contains(QStringLiteral("BinaryValue REG_BINARY 01000000")),
             qPrintable(regSays));
    QVERIFY(replaced && replaced->type == REG_BINARY);
    QCOMPARE(replaced->data, QByteArray("\x00\x00\x00\x00", 4));
    QCOMPARE(readAgain, Language::Chinese);
    // No INI file on Windows.
    QVERIFY(!QFile::exists(IniLanguageStore::DefaultPath()));
}
#else
void LanguageStoreTest::iniFileIsQv44tIniInTheConfigFolder()
{
    // CTest gives this program a configuration folder of its own.
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    QVERIFY(!config.isEmpty());
    QCOMPARE(IniLanguageStore::DefaultPath(), QDir(config).filePath("QV-44T.ini"));
    QFile::remove(IniLanguageStore::DefaultPath());

    UserLanguageStore store;
    QCOMPARE(ReadStoredLanguage(store), Language::Chinese); // nothing stored yet
    WriteStoredLanguage(store, Language::English);
    QVERIFY(QFile::exists(QDir(config).filePath("QV-44T.ini")));
    QVERIFY(!QFile::exists(QDir(config).filePath("QV-44T.conf")));
    UserLanguageStore again;
    QCOMPARE(again.readValue().value(), QByteArray("\x01\x00\x00\x00", 4));
    QCOMPARE(ReadStoredLanguage(again), Language::English);
}
#endif

void LanguageStoreTest::iniTextValueCountsByItsNumber()
{
    QTemporaryDir folder;
    const QString path = folder.filePath("QV-44T.ini");
    for (const auto &[text, english] :
         {std::pair{"BinaryValue=1\n", true}, std::pair{"BinaryValue=16\n", false},
          std::pair{"BinaryValue=x\n", false}, std::pair{"Other=1\n", false}}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.close();
        IniLanguageStore store(path);
        QCOMPARE(ReadStoredLanguage(store), english ? Language::English : Language::Chinese);
    }
}

void LanguageStoreTest::recentFilesAreKeptBesideTheLanguage()
{
    // REG_MULTI_SZ both ways, and what a damaged value gives.
    const QStringList files = {"C:/radios/a.dat", QStringLiteral("D:/客户/b.dat")};
    QCOMPARE(TextsFromMultiString(RegistryMultiText, MultiStringOf(files)), files);
    QCOMPARE(MultiStringOf({}), QByteArray(2, '\0'));
    QCOMPARE(TextsFromMultiString(RegistryMultiText, Utf16("a.dat", false)), QStringList{"a.dat"});
    QCOMPARE(TextsFromMultiString(RegistryMultiText,
                                  Utf16("a", true) + Utf16("", true) + Utf16("b", true)),
             QStringList{"a"});
    QCOMPARE(TextsFromMultiString(RegistryMultiText, QByteArray("a", 1)), QStringList{});
    QCOMPARE(TextsFromMultiString(RegistryText, MultiStringOf(files)), QStringList{});

    // The INI file: beside BinaryValue, which it leaves alone.
    QTemporaryDir folder;
    IniLanguageStore ini(folder.filePath("QV-44T.ini"));
    WriteStoredLanguage(ini, Language::English);
    ini.writeRecentFiles(files);
    IniLanguageStore again(folder.filePath("QV-44T.ini"));
    QCOMPARE(again.readRecentFiles(), files);
    QCOMPARE(ReadStoredLanguage(again), Language::English);
    again.writeRecentFiles({files.front()});
    QCOMPARE(ini.readRecentFiles(), QStringList{files.front()});
    ini.writeRecentFiles({});
    QCOMPARE(again.readRecentFiles(), QStringList{});

#ifdef Q_OS_WIN
    // The registry value beside the language, as the system's own tool reads
    // it. The user's own list is put back afterwards.
    UserLanguageStore user;
    const QStringList before = user.readRecentFiles();
    user.writeRecentFiles(files);
    const QStringList readBack = UserLanguageStore().readRecentFiles();
    QProcess reg;
    reg.start(QStringLiteral("reg"), {QStringLiteral("query"), QStringLiteral("HKCU\\QV-44T"),
                                      QStringLiteral("/v"), QStringLiteral("RecentFiles")});
    const bool regRan = reg.waitForFinished(60000) && reg.exitCode() == 0;
    const QString regSays = QString::fromLocal8Bit(reg.readAllStandardOutput()).simplified();
    if (before.isEmpty()) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, L"QV-44T", 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
            RegDeleteValueW(key, L"RecentFiles");
            RegCloseKey(key);
        }
    } else {
        user.writeRecentFiles(before);
    }
    QCOMPARE(readBack, files);
    QVERIFY2(regRan, qPrintable(regSays));
    QVERIFY2(regSays.contains(QStringLiteral("RecentFiles REG_MULTI_SZ C:/radios/a.dat")),
             qPrintable(regSays));
#endif
}

QTEST_GUILESS_MAIN(LanguageStoreTest)
#include "test_language_store.moc"
