#include "files/dat_file.h"
#include "files/data_file_store.h"
#include "files/dtmf_block.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using q731::DataFileError;

class DataFileStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void roundTripReplacesALongerFileWhole();
    void missingFileReportsItsReason();
    void folderThatCannotBeWritten();
    void readOnlyFolderKeepsTheOldFile();
    void openAndSaveGoThroughTheFile();
    void openFailuresChangeNothing();
    void specialFilesAreReadAsStreamsOrRefused();
};

namespace {

constexpr std::size_t kLimit = 64 * 1024;

std::vector<std::uint8_t> Pattern(int size, int seed)
{
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    for (int i = 0; i < size; ++i)
        bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * seed);
    return bytes;
}

} // namespace

void DataFileStoreTest::roundTripReplacesALongerFileWhole()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("radio.dat");
    QVERIFY(q731::WriteDataFile({.path = path}, Pattern(5000, 3)).ok());

    const std::vector<std::uint8_t> bytes = Pattern(3120, 7);
    const q731::DataFileWriteResult written = q731::WriteDataFile({.path = path}, bytes);
    QVERIFY(written.ok());
    QVERIFY(written.reason.isEmpty());
    QCOMPARE(QFileInfo(path).size(), 3120);

    const q731::DataFileReadResult read = q731::ReadDataFile({.path = path}, kLimit);
    QVERIFY(read.ok());
    QVERIFY(read.bytes == bytes);
    // No temporary file is left beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"radio.dat"});
}

void DataFileStoreTest::missingFileReportsItsReason()
{
    QTemporaryDir dir;
    const q731::DataFileReadResult read =
        q731::ReadDataFile({.path = dir.filePath("none.dat")}, kLimit);
    QCOMPARE(read.error, DataFileError::OpenFailed);
    QVERIFY(!read.reason.isEmpty());
    QVERIFY(read.bytes.empty());

    const q731::DataFileReadResult folder = q731::ReadDataFile({.path = dir.path()}, kLimit);
    QVERIFY(!folder.ok());
    QVERIFY(!folder.reason.isEmpty());
}

void DataFileStoreTest::folderThatCannotBeWritten()
{
    QTemporaryDir dir;
    const q731::DataFileWriteResult missingFolder =
        q731::WriteDataFile({.path = dir.filePath("no/such/folder/radio.dat")}, Pattern(10, 1));
    QCOMPARE(missingFolder.error, DataFileError::OpenFailed);
    QVERIFY(!missingFolder.reason.isEmpty());

    // /proc refuses new files even to root.
    const q731::DataFileWriteResult proc =
        q731::WriteDataFile({.path = "/proc/q731-test.dat"}, Pattern(10, 1));
    QVERIFY(!proc.ok());
    QVERIFY(!proc.reason.isEmpty());
}

void DataFileStoreTest::readOnlyFolderKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("radio.dat");
    const std::vector<std::uint8_t> old = Pattern(3120, 5);
    QVERIFY(q731::WriteDataFile({.path = path}, old).ok());
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    const bool writable = QFileInfo(dir.path()).isWritable();
    if (!writable) {
        const q731::DataFileWriteResult result =
            q731::WriteDataFile({.path = path}, Pattern(3120, 9));
        QVERIFY(!result.ok());
        QVERIFY(!result.reason.isEmpty());
    }
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (writable)
        QSKIP("running with rights that ignore folder permissions");
    const q731::DataFileReadResult read = q731::ReadDataFile({.path = path}, kLimit);
    QVERIFY(read.ok());
    QVERIFY(read.bytes == old);
}

void DataFileStoreTest::openAndSaveGoThroughTheFile()
{
    QTemporaryDir dir;
    // Chinese names and spaces, as dealers name their folders.
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("车队 资料")));
    const QString path = dir.filePath(QStringLiteral("车队 资料/车队 一.dat"));
    QVERIFY(q731::WriteDataFile({.path = path}, Pattern(5000, 3)).ok());
    q731::RadioData data;
    data.channels.rx(3) = "145.50000";
    data.dtmf.aniStartCode = "*#1";
    q731::RadioImage image{};
    QVERIFY(q731::SaveDataFile({.path = path}, data, image).ok());
    // The longer old file is replaced whole.
    QCOMPARE(QFileInfo(path).size(), qint64(q731::kDatFileSize + q731::kDtmfBlockSize));

    q731::RadioData opened;
    q731::RadioImage openedImage{};
    const q731::DataFileOpenResult result = q731::OpenDataFile({.path = path}, openedImage, opened);
    QVERIFY(result.ok());
    QCOMPARE(result.size, q731::kDatFileSize + q731::kDtmfBlockSize);
    QCOMPARE(opened.channels.rx(3), std::string("145.50000"));
    QCOMPARE(opened.dtmf.aniStartCode, std::string("*#1"));
    QVERIFY(openedImage == image);
}

void DataFileStoreTest::openFailuresChangeNothing()
{
    QTemporaryDir dir;
    q731::RadioData data;
    q731::RadioImage image{};
    const std::vector<std::uint8_t> good = q731::EncodeDatFile(data, image);
    const QString shortFile = dir.filePath("short.dat");
    QVERIFY(q731::WriteDataFile({.path = shortFile}, {good.begin(), good.begin() + 1000}).ok());
    const QString otherModel = dir.filePath("other.dat");
    std::vector<std::uint8_t> other = good;
    other[0] = 'X';
    QVERIFY(q731::WriteDataFile({.path = otherModel}, other).ok());
    const QString large = dir.filePath("large.dat");
    std::vector<std::uint8_t> tooLarge = good;
    tooLarge.resize(q731::kDatFileSizeLimit + 1);
    QVERIFY(q731::WriteDataFile({.path = large}, tooLarge).ok());

    const struct
    {
        QString path;
        DataFileError error;
        std::size_t size;
    } cases[] = {
        {shortFile, DataFileError::TooShort, 1000},
        {otherModel, DataFileError::WrongModel, good.size()},
        {large, DataFileError::TooLarge, 0},
        {dir.filePath("none.dat"), DataFileError::OpenFailed, 0},
    };
    for (const auto &c : cases) {
        q731::RadioData records;
        records.channels.rx(1) = "150.00000";
        q731::RadioImage target{};
        target.fill(0x22);
        const q731::DataFileOpenResult result =
            q731::OpenDataFile({.path = c.path}, target, records);
        QCOMPARE(result.error, c.error);
        QCOMPARE(result.size, c.size);
        QCOMPARE(records.channels.rx(1), std::string("150.00000"));
        QVERIFY(std::all_of(target.begin(), target.end(), [](int b) { return b == 0x22; }));
    }
}

void DataFileStoreTest::specialFilesAreReadAsStreamsOrRefused()
{
#ifdef Q_OS_WIN
    // Windows devices by their reserved names in any folder, with any
    // extension, and by the device forms of a path: refused for a read and a
    // write alike. Names that only contain or resemble one are files.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    q731::RadioData data;
    q731::RadioImage image{};
    const QString folder = QDir::toNativeSeparators(dir.path());
    for (const QString &device :
         {QStringLiteral("NUL"), dir.filePath("CON.dat"), dir.filePath("com1.dat"),
          dir.filePath("Com0"), dir.filePath("lpt9.pdf"), dir.filePath("aux .csv"),
          dir.filePath(QStringLiteral("COM\u00B9.dat")), dir.filePath("CONOUT$"),
          dir.filePath("conin$.dat"), QStringLiteral("\\\\.\\COM3"),
          QStringLiteral("//./PhysicalDrive0"), QStringLiteral("\\\\?\\COM1"),
          QStringLiteral("\\\\?\\GLOBALROOT\\Device\\Null"), QStringLiteral("\\??\\NUL"),
          QStringLiteral("\\\\?\\") + folder + QStringLiteral("\\NUL.dat")}) {
        QVERIFY2(q731::IsSpecialFile(device), qPrintable(device));
        QCOMPARE(
            q731::OpenDataFile({.path = device, .refuseSpecialFiles = true}, image, data).error,
            DataFileError::NotRegularFile);
        QCOMPARE(q731::SaveDataFile({.path = device}, data, image).error,
                 DataFileError::NotRegularFile);
    }
    for (const QString &file :
         {dir.filePath("CONSOLE.dat"), dir.filePath("com10.dat"), dir.filePath("NULL"),
          dir.filePath(QStringLiteral("车队 NUL.dat")), dir.filePath("my.con.dat"),
          QStringLiteral("\\\\?\\") + folder + QStringLiteral("\\长路径 形式.dat")}) {
        QVERIFY2(!q731::IsSpecialFile(file), qPrintable(file));
        const q731::DataFileWriteResult saved = q731::SaveDataFile({.path = file}, data, image);
        QVERIFY2(saved.ok(), qPrintable(file + QStringLiteral(": ") + saved.reason));
        QVERIFY2(q731::OpenDataFile({.path = file, .refuseSpecialFiles = true}, image, data).ok(),
                 qPrintable(file));
    }
#elif !defined(Q_OS_UNIX)
    QSKIP("devices and named pipes are Unix ones here");
#else
    // An endless device is read up to the limit, or not opened at all.
    q731::RadioData data;
    q731::RadioImage image{};
    QCOMPARE(q731::OpenDataFile({.path = "/dev/zero"}, image, data).error, DataFileError::TooLarge);
    QCOMPARE(
        q731::OpenDataFile({.path = "/dev/zero", .refuseSpecialFiles = true}, image, data).error,
        DataFileError::NotRegularFile);

    // A pipe without a writer would block the read for ever: refused unopened.
    QTemporaryDir dir;
    const QString pipe = dir.filePath("pipe");
    QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
    QCOMPARE(q731::OpenDataFile({.path = pipe, .refuseSpecialFiles = true}, image, data).error,
             DataFileError::NotRegularFile);
    // A write never replaces it.
    QCOMPARE(q731::SaveDataFile({.path = pipe}, data, image).error, DataFileError::NotRegularFile);
    QVERIFY(QFileInfo(pipe).exists() && !QFileInfo(pipe).isFile());
#endif
}

QTEST_GUILESS_MAIN(DataFileStoreTest)
#include "data_file_store_test.moc"
