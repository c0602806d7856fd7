#include "files/data_file_store.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QTemporaryDir>
#include <QTest>

using q731::DataFileError;

class DataFileStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void roundTripReplacesALongerFileWhole();
    void missingFileReportsItsReason();
    void folderThatCannotBeWritten();
    void readOnlyFolderKeepsTheOldFile();
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
    QVERIFY(q731::WriteDataFileAtomically(path, Pattern(5000, 3)).ok());

    const std::vector<std::uint8_t> bytes = Pattern(3120, 7);
    const q731::DataFileWriteResult written = q731::WriteDataFileAtomically(path, bytes);
    QVERIFY(written.ok());
    QVERIFY(written.reason.isEmpty());
    QCOMPARE(QFileInfo(path).size(), 3120);

    const q731::DataFileReadResult read = q731::ReadDataFile(path, kLimit);
    QVERIFY(read.ok());
    QVERIFY(read.bytes == bytes);
    // No temporary file is left beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"radio.dat"});
}

void DataFileStoreTest::missingFileReportsItsReason()
{
    QTemporaryDir dir;
    const q731::DataFileReadResult read = q731::ReadDataFile(dir.filePath("none.dat"), kLimit);
    QCOMPARE(read.error, DataFileError::OpenFailed);
    QVERIFY(!read.reason.isEmpty());
    QVERIFY(read.bytes.empty());

    const q731::DataFileReadResult folder = q731::ReadDataFile(dir.path(), kLimit);
    QVERIFY(!folder.ok());
    QVERIFY(!folder.reason.isEmpty());
}

void DataFileStoreTest::folderThatCannotBeWritten()
{
    QTemporaryDir dir;
    const q731::DataFileWriteResult missingFolder =
        q731::WriteDataFileAtomically(dir.filePath("no/such/folder/radio.dat"), Pattern(10, 1));
    QCOMPARE(missingFolder.error, DataFileError::OpenFailed);
    QVERIFY(!missingFolder.reason.isEmpty());

    // /proc refuses new files even to root.
    const q731::DataFileWriteResult proc =
        q731::WriteDataFileAtomically("/proc/q731-test.dat", Pattern(10, 1));
    QVERIFY(!proc.ok());
    QVERIFY(!proc.reason.isEmpty());
}

void DataFileStoreTest::readOnlyFolderKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("radio.dat");
    const std::vector<std::uint8_t> old = Pattern(3120, 5);
    QVERIFY(q731::WriteDataFileAtomically(path, old).ok());
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    const bool writable = QFileInfo(dir.path()).isWritable();
    if (!writable) {
        const q731::DataFileWriteResult result =
            q731::WriteDataFileAtomically(path, Pattern(3120, 9));
        QVERIFY(!result.ok());
        QVERIFY(!result.reason.isEmpty());
    }
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (writable)
        QSKIP("running with rights that ignore folder permissions");
    const q731::DataFileReadResult read = q731::ReadDataFile(path, kLimit);
    QVERIFY(read.ok());
    QVERIFY(read.bytes == old);
}

QTEST_GUILESS_MAIN(DataFileStoreTest)
#include "data_file_store_test.moc"
