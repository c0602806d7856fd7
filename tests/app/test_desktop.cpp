// The program on the desktop: Qt's own texts and the toolbar in the user's
// language, and the help command finding the manual.

#include "../support/program_fixture.h"

#include "app/help.h"
#include "editors/options_window.h"
#include "session/qt_translations.h"
#include "ui/captions.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTemporaryDir>
#include <QToolButton>

#include <memory>

using namespace q731;
using q731::testing::ProgramFixture;

namespace {

struct Program : ProgramFixture
{
    explicit Program(Language stored)
        : ProgramFixture(stored, IdOk)
    {
    }
};

// The texts of a text box's own context menu, as a right click shows it.
QStringList ContextMenuTexts()
{
    QLineEdit edit;
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList texts;
    for (QAction *action : menu->actions())
        texts << action->text().section(QLatin1Char('\t'), 0, 0); // without the shortcut
    return texts;
}

QStringList SystemMenuTexts(QWidget *editor)
{
    auto *sub = qobject_cast<QMdiSubWindow *>(editor->parentWidget());
    QStringList texts;
    if (sub && sub->systemMenu()) {
        for (QAction *action : sub->systemMenu()->actions())
            texts << action->text();
    }
    return texts;
}

// The label of the file dialog's folder box, Qt's own widget dialog.
QString FileDialogLookInText()
{
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    for (auto *label : dialog.findChildren<QLabel *>()) {
        if (label->objectName() == QLatin1String("lookInLabel"))
            return label->text();
    }
    return {};
}

void WriteEmptyFile(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

class DesktopTest : public QObject
{
    Q_OBJECT
private slots:
    void qtCatalogueIsInstalled();
    void qtTextsFollowTheStoredLanguageAtStart();
    void qtTextsFollowALiveSwitch();
    void toolbarTextsFollowTheLanguage();
    void hiddenModeButtonsShowNoKeyNames();
    void helpCandidatesByPlatform();
    void helpFindsTheManualOfAnInstallation();
    void compiledHelpComesFirstOnWindows();
    void helpCommandOpensTheManualOfTheLanguage();
};

void DesktopTest::qtCatalogueIsInstalled()
{
    // scripts/install-deps installs qt6-translations-l10n.
    QVERIFY2(!QtCatalogueFile(Language::Chinese).isEmpty(),
             qPrintable(QtTranslationFolders().join(", ")));
    QVERIFY(QtCatalogueFile(Language::English).isEmpty());
}

void DesktopTest::qtTextsFollowTheStoredLanguageAtStart()
{
    {
        Program program(Language::Chinese);
        QVERIFY2(ContextMenuTexts().contains(QString::fromUtf8("复制(&C)")),
                 qPrintable(ContextMenuTexts().join("|")));
        QCOMPARE(FileDialogLookInText(), QString::fromUtf8("查找范围："));
    }
    {
        Program program(Language::English);
        QVERIFY2(ContextMenuTexts().contains("&Copy"), qPrintable(ContextMenuTexts().join("|")));
        QCOMPARE(FileDialogLookInText(), QStringLiteral("Look in:"));
    }
}

void DesktopTest::qtTextsFollowALiveSwitch()
{
    Program program(Language::Chinese);
    QWidget *form3 = program.optionsWindow();
    program.action("MNOption")->trigger();
    QVERIFY2(SystemMenuTexts(form3).contains(QString::fromUtf8("关闭(&C)")),
             qPrintable(SystemMenuTexts(form3).join("|")));

    program.action("MNEnglish")->trigger();
    QVERIFY2(ContextMenuTexts().contains("&Copy"), qPrintable(ContextMenuTexts().join("|")));
    QCOMPARE(FileDialogLookInText(), QStringLiteral("Look in:"));
    // The system menus of the editor windows, made at start-up, follow too.
    QTRY_VERIFY2(SystemMenuTexts(form3).contains("&Close"),
                 qPrintable(SystemMenuTexts(form3).join("|")));

    program.action("MNChinese")->trigger();
    QVERIFY(ContextMenuTexts().contains(QString::fromUtf8("复制(&C)")));
    QTRY_VERIFY(SystemMenuTexts(form3).contains(QString::fromUtf8("关闭(&C)")));
}

void DesktopTest::toolbarTextsFollowTheLanguage()
{
    Program program(Language::Chinese);
    const std::pair<const char *, const char *> english[] = {
        {"TNew", "New"},
        {"TOpen", "Open"},
        {"TSave", "Save"},
        {"TRead", "Read Data from the Transceive"},
        {"TWrite", "Write Data in the Transceive"},
    };
    const char *chinese[] = {"新建", "打开", "保存", "读频", "写频"};
    for (int round = 0; round < 2; ++round) {
        for (std::size_t k = 0; k < std::size(english); ++k) {
            QAction *action = program.action(english[k].first);
            QCOMPARE(action->text(), QString::fromUtf8(chinese[k]));
            QCOMPARE(action->toolTip(), QString::fromUtf8(chinese[k]));
            // What a screen reader announces for the button.
            QWidget *button = program.toolbar()->widgetForAction(action);
            QCOMPARE(static_cast<QToolButton *>(button)->text(), QString::fromUtf8(chinese[k]));
        }
        program.switchLanguage(Language::English);
        for (const auto &[key, text] : english) {
            QAction *action = program.action(key);
            QCOMPARE(action->text(), QString::fromLatin1(text));
            QCOMPARE(action->toolTip(), QString::fromLatin1(text));
            QWidget *button = program.toolbar()->widgetForAction(action);
            QCOMPARE(static_cast<QToolButton *>(button)->text(), QString::fromLatin1(text));
        }
        program.switchLanguage(Language::Chinese);
    }
}

void DesktopTest::hiddenModeButtonsShowNoKeyNames()
{
    Program program(Language::English);
    const char *keys[] = {"TAnMa", "TDebug", "TFMMa"};
    for (HiddenMode mode :
         {HiddenMode::BandOverride, HiddenMode::Calibration, HiddenMode::ExtraOptions})
        program.session.setHiddenMode(mode, true);
    QStringList englishTips;
    for (const char *key : keys) {
        QAction *action = program.action(key);
        QVERIFY(action->isVisible());
        for (const QString &shown : {action->toolTip(), action->text()}) {
            QVERIFY2(!shown.isEmpty(), key);
            for (const char *name : keys)
                QVERIFY2(!shown.contains(QLatin1String(name)), qPrintable(shown));
        }
        englishTips << action->toolTip();
    }
    QCOMPARE(englishTips, QStringList({"Band override mode off (double-click)",
                                       "Calibration mode off (double-click)",
                                       "Extra options mode off (double-click)"}));
    program.switchLanguage(Language::Chinese);
    QCOMPARE(program.action("TDebug")->toolTip(), QString::fromUtf8("关闭校准模式（双击）"));
}

void DesktopTest::helpCandidatesByPlatform()
{
    const QString folder = QStringLiteral("/opt/q731/bin");
    QCOMPARE(HelpCandidates(Language::English, folder, HelpPlatform::Windows),
             QStringList({"/opt/q731/bin/HV17E.CHM", "/opt/q731/bin/manual/en/index.html",
                          "/opt/q731/share/doc/q731/manual/en/index.html"}));
    QCOMPARE(HelpCandidates(Language::Chinese, folder, HelpPlatform::Windows).front(),
             QStringLiteral("/opt/q731/bin/HV17.CHM"));
    QCOMPARE(HelpCandidates(Language::Chinese, folder, HelpPlatform::Other),
             QStringList({"/opt/q731/bin/manual/zh_CN/index.html",
                          "/opt/q731/share/doc/q731/manual/zh_CN/index.html"}));
}

void DesktopTest::helpFindsTheManualOfAnInstallation()
{
    QTemporaryDir root;
    const QString bin = root.filePath("usr/bin");
    QDir().mkpath(bin);
    QCOMPARE(HelpFilePath(Language::English, bin, HelpPlatform::Other), QString());
    WriteEmptyFile(root.filePath("usr/share/doc/q731/manual/en/index.html"));
    WriteEmptyFile(root.filePath("usr/share/doc/q731/manual/zh_CN/index.html"));
    QCOMPARE(HelpFilePath(Language::English, bin, HelpPlatform::Other),
             root.filePath("usr/share/doc/q731/manual/en/index.html"));
    QCOMPARE(HelpFilePath(Language::Chinese, bin, HelpPlatform::Other),
             root.filePath("usr/share/doc/q731/manual/zh_CN/index.html"));
    // A manual beside the program (the build tree) is nearer.
    WriteEmptyFile(QDir(bin).filePath("manual/en/index.html"));
    QCOMPARE(HelpFilePath(Language::English, bin, HelpPlatform::Other),
             QDir(bin).filePath("manual/en/index.html"));
}

void DesktopTest::compiledHelpComesFirstOnWindows()
{
    QTemporaryDir folder;
    WriteEmptyFile(folder.filePath("manual/en/index.html"));
    WriteEmptyFile(folder.filePath("manual/zh_CN/index.html"));
    WriteEmptyFile(folder.filePath("HV17E.CHM"));
    QCOMPARE(HelpFilePath(Language::English, folder.path(), HelpPlatform::Windows),
             folder.filePath("HV17E.CHM"));
    // Without HV17.CHM Chinese takes the manual page.
    QCOMPARE(HelpFilePath(Language::Chinese, folder.path(), HelpPlatform::Windows),
             folder.filePath("manual/zh_CN/index.html"));
    // Elsewhere a compiled help file has no viewer and is passed over.
    QCOMPARE(HelpFilePath(Language::English, folder.path(), HelpPlatform::Other),
             folder.filePath("manual/en/index.html"));
}

void DesktopTest::helpCommandOpensTheManualOfTheLanguage()
{
    QTemporaryDir folder;
    QStringList shown;
    auto show = [&shown](const QString &page) { shown << page; };
    QVERIFY(!OpenHelp(Language::English, folder.path(), show)); // no manual: the caller says so
    QVERIFY(shown.isEmpty());
    WriteEmptyFile(folder.filePath("manual/en/index.html"));
    WriteEmptyFile(folder.filePath("manual/zh_CN/index.html"));
    QVERIFY(OpenHelp(Language::English, folder.path(), show));
    QVERIFY(OpenHelp(Language::Chinese, folder.path(), show));
    QCOMPARE(shown, QStringList({folder.filePath("manual/en/index.html"),
                                 folder.filePath("manual/zh_CN/index.html")}));
}

QTEST_MAIN(DesktopTest)
#include "test_desktop.moc"
