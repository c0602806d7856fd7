// Pictures of the real program for the manual, the layout review and the
// package's icon. Runs the window program's own windows on the offscreen
// platform, drives them the way a user would, and saves what they show.
//
//   q731-doc-images manual DIR     the manual's screenshots, DIR/<language>/images
//   q731-doc-images windows DIR    every window in both languages, DIR/<language>
//   q731-doc-images icon SIZE FILE the program's icon, SIZE x SIZE pixels

#include "app/about_window.h"
#include "app/band_box.h"
#include "app/compare_dialog.h"
#include "app/help.h"
#include "app/main_window.h"
#include "editors/calibration_window.h"
#include "editors/channel_window.h"
#include "editors/dtmf_window.h"
#include "editors/fm_window.h"
#include "editors/options_window.h"
#include "files/channel_list_commands.h"
#include "files/csv_channels.h"
#include "files/csv_import_dialog.h"
#include "link/fleet_write.h"
#include "link/link_thread.h"
#include "link/progress_window.h"
#include "link/pty_radio.h"
#include "link/serial_link.h"
#include "link/transfer_controller.h"
#include "print/print_preview.h"
#include "print/radio_compare.h"
#include "session/language_store.h"
#include "session/product.h"
#include "session/qt_translations.h"
#include "session/session.h"
#include "ui/captions.h"
#include "ui/message_box.h"
#include "ui/product_logo.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QToolBar>

#include <cstdio>
#include <functional>
#include <memory>

using namespace q731;

namespace {

class MemoryLanguageStore : public LanguageStore
{
public:
    std::optional<QByteArray> readValue() override { return m_value; }
    void writeValue(const QByteArray &value) override { m_value = value; }
    QStringList readRecentFiles() override { return m_recentFiles; }
    void writeRecentFiles(const QStringList &files) override { m_recentFiles = files; }

private:
    std::optional<QByteArray> m_value;
    QStringList m_recentFiles;
};

// A dealer's everyday list in the 2 m band, taken through the CSV import.
const char kSampleChannels[] = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                               "DtcsCode,DtcsPolarity,Mode,Power,Skip\n"
                               "1,CALL,145.50000,,,,,,,,FM,5.0W,\n"
                               "2,RPT1,145.75000,-,0.6,Tone,88.5,88.5,,,FM,5.0W,\n"
                               "3,RPT2,145.62500,-,0.6,TSQL,,103.5,,,FM,2.5W,\n"
                               "4,SITE,151.25000,,,DTCS,,,023,NN,NFM,1.0W,\n"
                               "5,FIELD,152.00000,split,157.00000,,,,,,NFM,2.5W,S\n"
                               "6,MARINE,156.80000,,,,,,,,FM,5.0W,\n"
                               "7,WX,162.55000,off,,,,,,,NFM,1.0W,S\n";

// The whole window program, with every message box answered by `answer`
// after it was drawn.
class Program
{
public:
    explicit Program(Language language, const QByteArray &ports = {})
    {
        qputenv("Q731_PORTS", ports);
        m_boxes.setAnswerer([this](QMessageBox &box) { return answerBox(box); });
        m_session.setLanguage(language);
        m_window = std::make_unique<MainWindow>(m_session, m_boxes, m_store);
        m_window->resize(1180, 720);
        m_window->show();
        m_window->applyCaptions();
        settle();
    }

    Session &session() { return m_session; }
    MessageBoxes &boxes() { return m_boxes; }
    MainWindow &window() { return *m_window; }
    // The window's parts, by the names they carry.
    template<typename T = QWidget>
    T *child(const char *name)
    {
        T *found = m_window->findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qFatal("no %s named \"%s\"", T::staticMetaObject.className(), name);
        return found;
    }
    void trigger(const char *action) { child<QAction>(action)->trigger(); }
    ChannelWindow *channelWindow() { return child<ChannelWindow>("Form1"); }
    DtmfWindow *dtmfWindow() { return child<DtmfWindow>("Form2"); }
    OptionsWindow *optionsWindow() { return child<OptionsWindow>("Form3"); }
    CalibrationWindow *calibrationWindow() { return child<CalibrationWindow>("Form4"); }
    FmWindow *fmWindow() { return child<FmWindow>("Form5"); }
    TransferController *transfers() { return child<TransferController>("transfers"); }
    // Brings an editor to the front as its menu command does (the FM command
    // may still be disabled).
    void showEditor(QWidget *editor)
    {
        auto *sub = qobject_cast<QMdiSubWindow *>(editor->parentWidget());
        editor->show();
        if (sub) {
            sub->show();
            child<QMdiArea>("MDIArea")->setActiveSubWindow(sub);
            sub->raise();
        }
        editor->activateWindow();
    }
    Language language() const { return m_session.language(); }

    // The next box is drawn into `file` and answered with `answer`.
    void expectBox(QString file, int answer = IdOk)
    {
        m_boxFile = std::move(file);
        m_boxAnswer = answer;
    }

    void fillSample()
    {
        const CsvImport import = ParseChannelsCsv(kSampleChannels, BandLimitsOf(0));
        RadioData data = m_session.data();
        for (const CsvChannel &channel : import.channels)
            ApplyCsvChannel(channel, data.channels);
        DtmfSettings &dtmf = data.dtmf;
        dtmf.autoDialMemories[0] = "13912345678";
        dtmf.autoDialMemories[1] = "*101#";
        dtmf.aniStartCode = "8001";
        dtmf.ownCode = "123";
        FmSettings &fm = data.fm;
        fm.channel(1) = "88.50";
        fm.channel(2) = "101.70";
        fm.channel(3) = "104.30";
        // As if opened from a file.
        m_session.takeDecoded(m_session.image(), std::move(data));
        settle();
    }

    static void settle() { QCoreApplication::sendPostedEvents(); }

private:
    int answerBox(QMessageBox &box)
    {
        if (!m_boxFile.isEmpty()) {
            box.show();
            settle();
            Save(box.grab(), m_boxFile);
            box.hide();
            m_boxFile.clear();
        }
        const int answer = m_boxAnswer;
        m_boxAnswer = IdOk;
        return answer;
    }

public:
    static bool Save(const QPixmap &pixmap, const QString &file)
    {
        QDir().mkpath(QFileInfo(file).absolutePath());
        const bool saved = pixmap.save(file);
        QTextStream(stdout) << (saved ? "wrote " : "FAILED ") << file << Qt::endl;
        return saved;
    }

private:
    MemoryLanguageStore m_store;
    Session m_session;
    MessageBoxes m_boxes{m_session};
    std::unique_ptr<MainWindow> m_window;
    QString m_boxFile;
    int m_boxAnswer = IdOk;
};

QWidget *Frame(QWidget *editor)
{
    auto *sub = qobject_cast<QMdiSubWindow *>(editor->parentWidget());
    return sub ? static_cast<QWidget *>(sub) : editor;
}

// An editor window on its own, with its title bar.
bool ShootEditor(Program &program, EditorWindow *editor, const QString &file)
{
    program.showEditor(editor);
    Program::settle();
    return Program::Save(Frame(editor)->grab(), file);
}

// The grid's menu of commands on whole channels, as a right click shows it.
bool ShootRowMenu(Program &program, const QString &file)
{
    QMenu menu(&program.window());
    menu.addActions(program.channelWindow()->rowActions());
    menu.popup(QPoint(0, 0));
    Program::settle();
    const bool saved = Program::Save(menu.grab(), file);
    menu.hide();
    return saved;
}

// A comparison with a radio that holds a few things otherwise.
bool ShootCompare(Program &program, const QString &file)
{
    const Language language = program.session().language();
    const RadioData &ours = program.session().data();
    RadioData radio = ours;
    radio.channels.index(ChannelTable::Power, 2) = 0;
    radio.channels.name(3) = "OLD";
    radio.options.squelchLevel = 7;
    CompareDialog dialog(
        CompareDialog::Source::Radio,
        TextIn(language, "CompareDialog", QT_TRANSLATE_NOOP("CompareDialog", "电台")),
        CompareRadios(radio, ours, language), language, &program.window());
    dialog.resize(640, 260);
    dialog.show();
    Program::settle();
    return Program::Save(dialog.grab(), file);
}

// A real read from the simulated radio: the progress window half way, then
// the box that reports the end.
bool ShootRead(Language language, const QString &progressFile, const QString &doneFile)
{
#ifdef Q_OS_UNIX
    PtyRadio radio;
    if (!radio.open())
        return false;
    Program program(language, radio.devicePath().toLocal8Bit());
    program.expectBox(doneFile);
    bool shot = false;
    QObject::connect(program.child<LinkThread>("link")->link(), &SerialLink::progress,
                     &program.window(), [&](int step) {
                         if (step != 96 || shot)
                             return;
                         Program::settle();
                         shot = Program::Save(program.transfers()->progressWindow()->grab(),
                                              progressFile);
                     });
    QEventLoop loop;
    QObject::connect(program.transfers(), &TransferController::transferEnded, &loop,
                     [&loop] { loop.quit(); });
    QTimer::singleShot(30000, &loop, [&loop] { loop.exit(1); });
    program.trigger("MNRead");
    return loop.exec() == 0 && shot;
#else
    Q_UNUSED(language);
    Q_UNUSED(progressFile);
    Q_UNUSED(doneFile);
    return false;
#endif
}

// Write Several Radios with verify after write, to four simulated radios:
// two that take it, one of another band, one whose cable goes half way.
bool ShootWriteSeveral(Language language, const QString &file)
{
#ifdef Q_OS_UNIX
    std::vector<std::unique_ptr<PtyRadio>> radios;
    QByteArray ports;
    for (int i = 0; i < 4; ++i) {
        radios.push_back(std::make_unique<PtyRadio>());
        if (!radios.back()->open())
            return false;
        ports += radios.back()->devicePath().toLocal8Bit() + ':';
    }
    radios[2]->simulator().setBand(3);
    radios[3]->faults().stopAfterBlocks = 90;
    Program program(language, ports);
    program.fillSample();
    program.child<QAction>("MNVerify")->setChecked(true);
    bool shot = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &program.window(), [&] {
        auto *dialog = program.window().findChild<QDialog *>(QStringLiteral("FrmWriteSeveral"));
        if (!dialog || QApplication::activeModalWidget() != dialog)
            return;
        poll.stop();
        auto *table = dialog->findChild<QTableWidget *>(QStringLiteral("Ports"));
        for (int row = 0; row < 4; ++row)
            table->item(row, 0)->setCheckState(Qt::Checked);
        auto *fleet = dialog->findChild<FleetWrite *>(QStringLiteral("fleet"));
        QObject::connect(fleet, &FleetWrite::finished, dialog, [&shot, &file, dialog] {
            Program::settle();
            shot = Program::Save(dialog->grab(), file);
            dialog->close();
        });
        dialog->resize(860, 330);
        dialog->findChild<QPushButton *>(QStringLiteral("Write"))->click();
    });
    poll.start(10);
    QTimer::singleShot(30000, &program.window(), [] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
    program.trigger("MNWriteSeveral");
    return shot;
#else
    Q_UNUSED(language);
    Q_UNUSED(file);
    return false;
#endif
}

// The band question, asked by a step through the band list with the keys.
void AskBand(Program &program, const QString &file)
{
    program.expectBox(file, IdCancel);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(program.child<BandBox>("Combo1"), &down);
}

bool ShootPrintPreview(Program &program, const QString &file)
{
    MainWindow &window = program.window();
    PrintPreview *preview = ShowPrintPreview(program.session(), program.boxes(), &window);
    preview->resize(900, 700);
    Program::settle();
    const bool saved = Program::Save(preview->grab(), file);
    preview->close();
    return saved;
}

// A list from another radio's program, with what the import changes on it.
const char kImportedList[] = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                             "DtcsCode,DtcsPolarity,Mode,Power,Skip\n"
                             "0,Depot,160.2225,,,,,,,,NFM,5.0W,\n"
                             "1,Yard 2,160.2450,,,,,,,,NFM,5.0W,\n"
                             "2,DEPOT,160.4250,,,TSQL,100.0,,,,NFM,5.0W,\n"
                             "3,ROAD,161.1000,+,,,,,,,NFM,2.5W,\n";

bool ShootImport(Program &program, const QString &file)
{
    QTemporaryDir dir;
    const QString list = dir.filePath(QStringLiteral("railroad.csv"));
    QFile out(list);
    if (!out.open(QIODevice::WriteOnly) || out.write(kImportedList) < 0)
        return false;
    out.close();
    // Opened by its bare name, so the picture shows no scratch folder.
    const QString home = QDir::currentPath();
    QDir::setCurrent(dir.path());
    CsvImportDialog *dialog =
        program.child<ChannelListCommands>("channelLists")->importPath(QFileInfo(list).fileName());
    QDir::setCurrent(home);
    if (!dialog)
        return false;
    dialog->choosePlacement({.renumber = true, .first = 9});
    Program::settle();
    const bool saved = Program::Save(dialog->grab(), file);
    dialog->reject();
    return saved;
}

bool ShootAbout(Program &program, const QString &file)
{
    AboutWindow about(&program.window());
    ApplyCaptions(program.language(), {&about});
    about.show();
    Program::settle();
    return Program::Save(about.grab(), file);
}

int Manual(const QString &out)
{
    int failures = 0;
    auto count = [&failures](bool ok) { failures += ok ? 0 : 1; };
    for (Language language : {Language::Chinese, Language::English}) {
        const QDir dir(QDir(out).filePath(ManualLanguageFolder(language) + "/images"));
        auto file = [&dir](const char *name) { return dir.filePath(QString::fromLatin1(name)); };
        {
            Program program(language);
            program.fillSample();
            count(Program::Save(program.window().grab(), file("main.png")));
            count(ShootEditor(program, program.channelWindow(), file("channels.png")));
            count(ShootRowMenu(program, file("row-menu.png")));
            OptionsWindow *options = program.optionsWindow();
            count(ShootEditor(program, options, file("options.png")));
            options->findChild<QRadioButton *>(QStringLiteral("Option2"))->click();
            count(ShootEditor(program, options, file("options-vfo.png")));
            options->findChild<QRadioButton *>(QStringLiteral("Option1"))->click();
            count(ShootEditor(program, program.dtmfWindow(), file("dtmf.png")));
            count(ShootEditor(program, program.fmWindow(), file("fm.png")));
            program.session().setHiddenMode(HiddenMode::Calibration, true);
            count(ShootEditor(program, program.calibrationWindow(), file("calibration.png")));
            program.session().setHiddenMode(HiddenMode::BandOverride, true);
            program.session().setHiddenMode(HiddenMode::ExtraOptions, true);
            Program::settle();
            count(Program::Save(program.child<QToolBar>("Toolbar1")->grab(),
                                file("toolbar-modes.png")));
            AskBand(program, file("band-question.png"));
            count(QFileInfo::exists(file("band-question.png")));
            count(ShootPrintPreview(program, file("print-preview.png")));
            count(ShootCompare(program, file("compare.png")));
            count(ShootAbout(program, file("about.png")));
            count(ShootImport(program, file("import.png")));
        }
        count(ShootRead(language, file("progress.png"), file("read-done.png")));
        count(ShootWriteSeveral(language, file("write-several.png")));
    }
    return failures == 0 ? 0 : 1;
}

int Windows(const QString &out)
{
    int failures = 0;
    auto count = [&failures](bool ok) { failures += ok ? 0 : 1; };
    for (Language language : {Language::Chinese, Language::English}) {
        const QDir dir(QDir(out).filePath(ManualLanguageFolder(language)));
        auto file = [&dir](const char *name) { return dir.filePath(QString::fromLatin1(name)); };
        Program program(language);
        // The start-up's port test found no port 1.
        program.fillSample();
        MainWindow &window = program.window();
        count(Program::Save(window.grab(), file("MDIForm1.png")));
        program.session().setHiddenMode(HiddenMode::Calibration, true);
        program.session().setHiddenMode(HiddenMode::BandOverride, true);
        program.session().setHiddenMode(HiddenMode::ExtraOptions, true);
        const std::pair<EditorWindow *, const char *> editors[] = {
            {program.channelWindow(), "Form1.png"}, {program.dtmfWindow(), "Form2.png"},
            {program.optionsWindow(), "Form3.png"}, {program.calibrationWindow(), "Form4.png"},
            {program.fmWindow(), "Form5.png"},
        };
        for (const auto &[editor, name] : editors)
            count(ShootEditor(program, editor, file(name)));
        program.optionsWindow()->findChild<QRadioButton *>(QStringLiteral("Option2"))->click();
        count(ShootEditor(program, program.optionsWindow(), file("Form3-vfo.png")));
        auto *tabs = program.calibrationWindow()->findChild<QTabWidget *>("SSTab1");
        for (int tab = 1; tab < 3; ++tab) {
            tabs->setCurrentIndex(tab);
            const QByteArray name = "Form4-tab" + QByteArray::number(tab) + ".png";
            count(ShootEditor(program, program.calibrationWindow(), file(name.constData())));
        }
        count(ShootAbout(program, file("FrmAbout.png")));
        ProgressWindow *progress = program.transfers()->progressWindow();
        const std::pair<ProgressWindow::Kind, const char *> phases[] = {
            {ProgressWindow::Kind::Read, "FrmWriting-read.png"},
            {ProgressWindow::Kind::Write, "FrmWriting-write.png"},
            {ProgressWindow::Kind::Verify, "FrmWriting-verify.png"},
        };
        for (const auto &[kind, name] : phases) {
            progress->prepare(kind, language);
            progress->setStep(100);
            progress->show();
            Program::settle();
            count(Program::Save(progress->grab(), file(name)));
            progress->hide();
        }
        count(ShootImport(program, file("FrmImport.png")));
        count(ShootPrintPreview(program, file("FrmPrint.png")));
        // Message boxes: a question, an error, and one without a caption.
        AskBand(program, file("box-band.png"));
        program.expectBox(file("box-quit.png"), IdCancel);
        window.close();
        program.expectBox(file("box-new.png"), IdCancel);
        program.trigger("MNNew");
        program.expectBox(file("box-port.png"));
        program.boxes().show(QCoreApplication::translate("q731::PortChooser", "串行端口无效"),
                             StyleOk);
        for (const char *name : {"box-band.png", "box-quit.png", "box-new.png", "box-port.png"})
            count(QFileInfo::exists(file(name)));
    }
    return failures == 0 ? 0 : 1;
}

int Icon(int size, const QString &file)
{
    if (size < 16 || size > 1024)
        return 2;
    QPixmap icon(size, size);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap logo = ProductLogo();
    // The logo is wider than high: centred in the square.
    const QSize scaled = logo.size().scaled(size, size, Qt::KeepAspectRatio);
    painter.drawPixmap(
        QRect(QPoint((size - scaled.width()) / 2, (size - scaled.height()) / 2), scaled), logo);
    painter.end();
    return Program::Save(icon, file) ? 0 : 1;
}

int Usage()
{
    std::fputs("usage: q731-doc-images manual DIR | windows DIR | icon SIZE FILE\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("q731"));
    const QStringList args = QApplication::arguments();
    if (args.size() == 3 && args[1] == QLatin1String("manual"))
        return Manual(args[2]);
    if (args.size() == 3 && args[1] == QLatin1String("windows"))
        return Windows(args[2]);
    if (args.size() == 4 && args[1] == QLatin1String("icon"))
        return Icon(args[2].toInt(), args[3]);
    return Usage();
}
