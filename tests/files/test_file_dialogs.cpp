// Where the Open and Save dialogs start, the extension a typed name gets, and
// the current file's name in the main window's title: through the dialogs'
// seam, and through the real file dialog driven with the keyboard.

#include "test_program.h"

#include "link/pty_radio.h"
#include "link/transfer_controller.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWindow>

#include <functional>

using namespace q731;
using q731::testing::Program;

namespace {

const QString kChineseTitle = QStringLiteral("Q-731 对讲机编程软件V1.10");
const QString kEnglishTitle = QStringLiteral("Q-731 Radio Programming Software V1.10");

void ClickTool(Program &program, const char *key)
{
    QWidget *button = program.toolbar()->widgetForAction(program.action(key));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs `step` once the next modal window (a dialog, a message box) is up.
void WhenModal(std::function<void(QWidget *)> step)
{
    QTimer::singleShot(0, qApp, [step = std::move(step)] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal) {
            WhenModal(step);
            return;
        }
        step(modal);
    });
}

QLineEdit *NameField(QWidget *dialog)
{
    return dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
}

void TypeName(QWidget *dialog, const QString &name)
{
    QLineEdit *field = NameField(dialog);
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, name);
    QTest::keyClick(field, Qt::Key_Return);
}

} // namespace

class FileDialogsTest : public QObject
{
    Q_OBJECT
private slots:
    void saveStartsOnTheCurrentFileAndTheTitleNamesIt();
    void titleStaysAcrossLanguageSwitches();
    void readFromTheRadioClearsTheCurrentFile();
    void typedNameGetsDatOnlyWithTheDatFilter();
    void overwriteQuestionIsAboutTheRealName();
    void saveAsDialogOffersTheCurrentFile();
};

void FileDialogsTest::saveStartsOnTheCurrentFileAndTheTitleNamesIt()
{
    QTemporaryDir start;
    QTemporaryDir other;
    Program program;
    program.fileCommands()->setProgramFolder(start.path());
    QCOMPARE(program.window->windowHandle()->title(), kChineseTitle);

    // Before any file: the start folder, the name field empty.
    program.dialogs->answer.clear();
    ClickTool(program, "TSave");
    QCOMPARE(program.dialogs->lastFolder, start.path());

    const QString first = other.filePath("radio.dat");
    program.dialogs->answer = first;
    ClickTool(program, "TSave");
    QVERIFY(QFileInfo(first).isFile());
    QCOMPARE(program.window->windowHandle()->title(), kChineseTitle + " - radio.dat");
    program.dialogs->answer.clear();
    program.action("MNSaveAs")->trigger();
    QCOMPARE(program.dialogs->lastFolder, first);
    ClickTool(program, "TOpen");
    QCOMPARE(program.dialogs->lastFolder, other.path());

    // Opened elsewhere: that one is the current file now.
    const QString second = start.filePath("second.dat");
    QVERIFY(QFile::copy(first, second));
    program.dialogs->answer = second;
    ClickTool(program, "TOpen");
    QCOMPARE(program.window->windowHandle()->title(), kChineseTitle + " - second.dat");
    program.dialogs->answer.clear();
    program.action("MNSaveAs")->trigger();
    QCOMPARE(program.dialogs->lastFolder, second);

    // A failed Open or Save keeps the current file.
    program.dialogs->answer = other.filePath("missing.dat");
    ClickTool(program, "TOpen");
    program.dialogs->answer = other.filePath("no/folder/x.dat");
    program.action("MNSaveAs")->trigger();
    QCOMPARE(program.boxes.size(), 2);
    QCOMPARE(program.window->windowHandle()->title(), kChineseTitle + " - second.dat");

    // New empties the editors: no file is current, the folder stays.
    program.answers = {IdOk};
    ClickTool(program, "TNew");
    QCOMPARE(program.window->windowHandle()->title(), kChineseTitle);
    program.dialogs->answer.clear();
    ClickTool(program, "TSave");
    QCOMPARE(program.dialogs->lastFolder, start.path());
    QCOMPARE(program.fileCommands()->currentFile(), QString());
    // New cancelled changes nothing.
    program.dialogs->answer = second;
    ClickTool(program, "TOpen");
    program.answers = {IdCancel};
    ClickTool(program, "TNew");
    QCOMPARE(program.window->windowHandle()->title(), kChineseTitle + " - second.dat");
}

void FileDialogsTest::titleStaysAcrossLanguageSwitches()
{
    QTemporaryDir dir;
    Program program;
    QVERIFY(program.fileCommands()->savePath(dir.filePath("radio.dat")));
    program.action("MNEnglish")->trigger();
    QCOMPARE(program.window->windowHandle()->title(), kEnglishTitle + " - radio.dat");
    program.action("MNChinese")->trigger();
    QCOMPARE(program.window->windowHandle()->title(), kChineseTitle + " - radio.dat");
    program.action("MNChinese")->trigger();
    QCOMPARE(program.window->windowHandle()->title(), kChineseTitle + " - radio.dat");
}

void FileDialogsTest::readFromTheRadioClearsTheCurrentFile()
{
    PtyRadio radio;
    QVERIFY(radio.open());
    // Port 1 is the simulated radio while the test runs.
    qputenv("Q731_PORTS", radio.devicePath().toLocal8Bit());
    const auto restore = qScopeGuard([] { qputenv("Q731_PORTS", ""); });
    QTemporaryDir dir;
    Program program;
    QVERIFY(program.fileCommands()->savePath(dir.filePath("radio.dat")));
    QCOMPARE(program.window->windowHandle()->title(), kChineseTitle + " - radio.dat");

    QSignalSpy ended(program.transfers(), &TransferController::transferEnded);
    ClickTool(program, "TRead");
    QVERIFY(ended.wait(10000));
    QCOMPARE(program.boxes.value(0).text, QStringLiteral("读频成功！"));
    QCOMPARE(program.window->windowHandle()->title(), kChineseTitle);
    // The radio's data is saved under a new name, from the same folder.
    program.dialogs->answer.clear();
    ClickTool(program, "TSave");
    QCOMPARE(program.dialogs->lastFolder, dir.path());
}

void FileDialogsTest::typedNameGetsDatOnlyWithTheDatFilter()
{
    QTemporaryDir dir;
    SystemFileDialogs dialogs;
    struct Case
    {
        QString typed;
        bool allFiles;
        QString saved;
    };
    const Case cases[] = {
        {"radio", false, "radio.dat"},     {"radio.dat", false, "radio.dat"},
        {"radio.DAT", false, "radio.DAT"}, {"my.radio", false, "my.radio"},
        {"plain", true, "plain"},
    };
    for (const Case &c : cases) {
        QString shownFolder;
        WhenModal([&](QWidget *dialog) {
            shownFolder = static_cast<QFileDialog *>(dialog)->directory().absolutePath();
            if (c.allFiles) {
                auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
                types->setFocus();
                QTest::keyClick(types, Qt::Key_Down);
            }
            TypeName(dialog, c.typed);
        });
        const QString saved =
            dialogs.saveFileName(nullptr, QStringLiteral("保存"), dir.path(), DataFileFilter());
        QCOMPARE(shownFolder, dir.path());
        QCOMPARE(saved, dir.filePath(c.saved));
    }
}

void FileDialogsTest::overwriteQuestionIsAboutTheRealName()
{
    QTemporaryDir dir;
    QFile existing(dir.filePath("radio.dat"));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();
    SystemFileDialogs dialogs;
    QStringList questions;
    // "radio" would write radio.dat: asked about it, No keeps the dialog, Yes
    // takes the name.
    for (const QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
        WhenModal([&](QWidget *dialog) {
            WhenModal([&](QWidget *box) {
                auto *question = qobject_cast<QMessageBox *>(box);
                QVERIFY(question);
                questions << question->text();
                QTest::mouseClick(question->button(answer), Qt::LeftButton);
            });
            TypeName(dialog, QStringLiteral("radio"));
            if (answer == QMessageBox::No) {
                QVERIFY(dialog->isVisible());
                static_cast<QDialog *>(dialog)->reject();
            }
        });
        const QString saved =
            dialogs.saveFileName(nullptr, QStringLiteral("Save"), dir.path(), DataFileFilter());
        QCOMPARE(saved, answer == QMessageBox::Yes ? dir.filePath("radio.dat") : QString());
    }
    QCOMPARE(questions.size(), 2);
    for (const QString &question : questions)
        QVERIFY2(question.startsWith(QStringLiteral("radio.dat ")), qPrintable(question));
    // A new name is not asked about.
    WhenModal([](QWidget *dialog) { TypeName(dialog, QStringLiteral("fresh")); });
    QCOMPARE(dialogs.saveFileName(nullptr, QStringLiteral("Save"), dir.path(), DataFileFilter()),
             dir.filePath("fresh.dat"));
    QCOMPARE(questions.size(), 2);
}

// The whole command with the real dialog: Save As (its keys) opens on the
// current file's folder with its name; Enter saves over it, a name typed
// without extension saves a .dat file that becomes the current one.
void FileDialogsTest::saveAsDialogOffersTheCurrentFile()
{
    QTemporaryDir dir;
    Program program(Language::English);
    QVERIFY(program.activate());
    program.fileCommands()->setDialogs(std::make_unique<SystemFileDialogs>());
    const QString radio = dir.filePath("radio.dat");
    QVERIFY(program.fileCommands()->savePath(radio));
    // An edit after the save (an Open would forget the current file).
    ChannelTable channels = program.session.data().channels;
    channels.name(9) = "NINE";
    program.session.replaceChannels(QStringLiteral("name"), channels);

    QString shownFolder;
    QString shownName;
    WhenModal([&](QWidget *dialog) {
        shownFolder = static_cast<QFileDialog *>(dialog)->directory().absolutePath();
        shownName = NameField(dialog)->text();
        WhenModal([](QWidget *box) {
            auto *question = qobject_cast<QMessageBox *>(box);
            QVERIFY(question);
            QTest::mouseClick(question->button(QMessageBox::Yes), Qt::LeftButton);
        });
        QTest::keyClick(NameField(dialog), Qt::Key_Return);
    });
    QTest::keyClick(program.window.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(shownFolder, dir.path());
    QCOMPARE(shownName, QStringLiteral("radio.dat"));
    QVERIFY(FileBytes(radio).contains("NINE"));

    WhenModal([](QWidget *dialog) { TypeName(dialog, QStringLiteral("copy")); });
    QVERIFY(program.activate());
    QTest::keyClick(program.window.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(FileBytes(dir.filePath("copy.dat")).contains("NINE"));
    QVERIFY(!QFileInfo::exists(dir.filePath("copy")));
    QCOMPARE(program.window->windowHandle()->title(), kEnglishTitle + " - copy.dat");
    QVERIFY(program.boxes.isEmpty());
}

QTEST_MAIN(FileDialogsTest)
#include "test_file_dialogs.moc"
