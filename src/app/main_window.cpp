#include "main_window.h"

#include "app/about_window.h"
#include "app/band_box.h"
#include "app/compare_dialog.h"
#include "app/help_window.h"
#include "editors/calibration_window.h"
#include "editors/channel_window.h"
#include "editors/dtmf_window.h"
#include "editors/fm_window.h"
#include "editors/options_window.h"
#include "files/channel_list_commands.h"
#include "files/file_commands.h"
#include "files/file_drop.h"
#include "files/recent_files.h"
#include "link/link_thread.h"
#include "link/port_chooser.h"
#include "link/transfer_controller.h"
#include "link/write_several_dialog.h"
#include "print/print_preview.h"
#include "session/language_store.h"
#include "session/product.h"
#include "session/qt_translations.h"
#include "session/session.h"
#include "ui/captions.h"
#include "ui/edit_history.h"
#include "ui/message_box.h"
#include "ui/object_names.h"
#include "ui/product_logo.h"
#include "ui/system_menu.h"
#include "ui/twips.h"
#include "ui/wheel_guard.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

#include <utility>

namespace q731 {

namespace {

struct MenuItem
{
    const char *menu;
    const char *name; // nullptr: separator
    const char *shortcut;
    void (MainWindow::*command)();
};

constexpr const char *kMenus[] = {"MNFile", "MNEdit", "MNProgram", "MNLanguage", "MNHelp"};

QString CaptionOf(const char *name)
{
    const QStringList texts =
        CaptionTexts(QStringLiteral("MDIForm1"), QString::fromLatin1(name), Language::Chinese);
    return texts.isEmpty() ? QString() : texts.front();
}

} // namespace

MainWindow::MainWindow(Session &session, MessageBoxes &boxes, LanguageStore &languageStore,
                       QWidget *parent)
    : QMainWindow(parent)
    , m_session(session)
    , m_boxes(boxes)
    , m_languageStore(languageStore)
    , m_history(new EditHistory(session, this))
{
    m_session.setPrompts(&m_boxes);
    setObjectName(QStringLiteral("MDIForm1"));
    m_history->setObjectName(QStringLiteral("history"));
    setWindowTitle(MainWindowCaption(Language::Chinese));
    setWindowIcon(QIcon(ProductLogo()));

    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("MDIArea"));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);

    createMenus();
    createToolbar();
    createStatusBar();

    // Load: band 0 without a question, the channel window shown, the other
    // editors loaded hidden, the port list filled, the band box's wheel guard.
    m_bandBox->selectBand(0);
    createEditors();
    m_boxes.setOwner(m_channelWindow);
    for (int port = 1; port <= 16; ++port)
        m_portList->addItem(QString::number(port));
    m_link = new LinkThread(this);
    m_link->setObjectName(QStringLiteral("link"));
    m_portChooser =
        new PortChooser(m_session, m_boxes, *m_portList, *m_portPanel, *m_mdi, *m_link, this);
    m_portChooser->setObjectName(QStringLiteral("ports"));
    m_transfers = new TransferController(m_session, m_boxes, *m_link, *m_portChooser, *this, this);
    m_transfers->setObjectName(QStringLiteral("transfers"));
    // A check item, off at every start.
    action("MNVerify")->setCheckable(true);
    connect(action("MNVerify"), &QAction::toggled, m_transfers,
            &TransferController::setVerifyAfterWrite);
    connect(m_transfers, &TransferController::radioCompared, this, [this](const RadioData &radio) {
        showComparison(true, radio,
                       TextIn(m_session.language(), "CompareDialog",
                              QT_TRANSLATE_NOOP("CompareDialog", "电台")));
    });
    connect(m_transfers, &TransferController::transferEnded, this,
            [this](LinkProtocol::Outcome outcome) { transferEnded(static_cast<int>(outcome)); });
    m_portList->setCurrentIndex(0);
    m_portChooser->choose(0);
    m_wheelGuard = new WheelGuard(this);
    m_wheelGuard->attach(m_bandBox);

    m_fileCommands = new FileCommands(m_session, m_boxes, this, this);
    m_fileCommands->setObjectName(QStringLiteral("files"));
    connect(m_fileCommands, &FileCommands::opened, this, [this] { showEditor(m_channelWindow); });
    connect(m_fileCommands, &FileCommands::currentFileChanged, this, &MainWindow::updateTitle);
    new DatFileDrop(*m_fileCommands, this);
    createRecentMenu();
    m_channelLists = new ChannelListCommands(m_session, m_boxes, *m_fileCommands, this, this);
    m_channelLists->setObjectName(QStringLiteral("channelLists"));
    connect(m_channelLists, &ChannelListCommands::imported, this,
            [this] { showEditor(m_channelWindow); });

    connect(&m_session, &Session::unsavedChangesChanged, this, &QWidget::setWindowModified);
    connect(&m_session, &Session::hiddenModeChanged, this,
            [this](HiddenMode mode, bool on) { hiddenModeChanged(static_cast<int>(mode), on); });

    // A sensible first size on a 1366 x 768 screen, centred.
    const QRect available = screen() ? screen()->availableGeometry() : QRect(0, 0, 1366, 768);
    const QSize size(qMin(1280, available.width() * 95 / 100),
                     qMin(760, available.height() * 92 / 100));
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, available));
}

MainWindow::~MainWindow()
{
    m_session.setPrompts(nullptr);
}

void MainWindow::createMenus()
{
    for (const char *name : kMenus) {
        QMenu *menu = menuBar()->addMenu(CaptionOf(name));
        menu->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Action"));
    }
    static const MenuItem items[] = {
        {"MNFile", "MNNew", "Ctrl+N", &MainWindow::newFile},
        {"MNFile", "MNOpen", "Ctrl+O", &MainWindow::openFile},
        {"MNFile", "MNSave", "Ctrl+S", &MainWindow::saveFile},
        {"MNFile", "MNSaveAs", "Ctrl+Shift+S", &MainWindow::saveFileAs},
        {"MNFile", "MNImport", nullptr, &MainWindow::importChannels},
        {"MNFile", "MNExport", nullptr, &MainWindow::exportChannels},
        {"MNFile", "MNCompareFile", nullptr, &MainWindow::compareWithFile},
        {"MNFile", "MNPrint", nullptr, &MainWindow::printReport},
        {"MNFile", nullptr, nullptr, nullptr},
        {"MNFile", "MNQuit", nullptr, nullptr},
        {"MNEdit", "MNUndo", "Ctrl+Z", &MainWindow::undo},
        {"MNEdit", "MNRedo", "Ctrl+Y", &MainWindow::redo},
        {"MNEdit", nullptr, nullptr, nullptr},
        {"MNEdit", "MNModel", "Ctrl+M", nullptr},
        {"MNEdit", "MNDTMF", "Ctrl+D", nullptr},
        {"MNEdit", "MNOption", "Ctrl+P", nullptr},
        {"MNEdit", "MNDebug", "Ctrl+B", nullptr},
        {"MNEdit", "MNFMset", "Ctrl+F", nullptr},
        {"MNProgram", "MNRead", "Ctrl+R", &MainWindow::readRadio},
        {"MNProgram", "MNWrite", "Ctrl+W", &MainWindow::writeRadio},
        {"MNProgram", "MNWriteSeveral", nullptr, &MainWindow::writeSeveralRadios},
        {"MNProgram", "MNCompareRadio", nullptr, &MainWindow::compareWithRadio},
        {"MNProgram", "MNVerify", nullptr, nullptr},
        {"MNProgram", "MNCommPort", nullptr, &MainWindow::showPortList},
        {"MNLanguage", "MNChinese", nullptr, nullptr},
        {"MNLanguage", "MNEnglish", nullptr, nullptr},
        {"MNHelp", "MNF1", "F1", &MainWindow::showHelp},
        {"MNHelp", "MNAbout", "Ctrl+A", &MainWindow::showAbout},
    };
    for (const MenuItem &item : items) {
        auto *menu = findChild<QMenu *>(QString::fromLatin1(item.menu));
        if (!item.name) {
            menu->addSeparator()->setObjectName(menu->objectName() == QLatin1String("MNFile")
                                                    ? QStringLiteral("MNLine1")
                                                    : QStringLiteral("MNLine2"));
            continue;
        }
        QAction *action = menu->addAction(CaptionOf(item.name));
        action->setObjectName(QString::fromLatin1(item.name));
        if (item.shortcut)
            action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
        if (item.command)
            connect(action, &QAction::triggered, this, item.command);
    }
    connect(action("MNQuit"), &QAction::triggered, this, &QWidget::close);
    connect(action("MNModel"), &QAction::triggered, this, [this] { showEditor(m_channelWindow); });
    connect(action("MNDTMF"), &QAction::triggered, this, [this] { showEditor(m_dtmfWindow); });
    connect(action("MNOption"), &QAction::triggered, this, [this] { showEditor(m_optionsWindow); });
    connect(action("MNDebug"), &QAction::triggered, this,
            [this] { showEditor(m_calibrationWindow); });
    connect(action("MNFMset"), &QAction::triggered, this, [this] { showEditor(m_fmWindow); });
    connect(action("MNChinese"), &QAction::triggered, this,
            [this] { switchLanguage(Language::Chinese); });
    connect(action("MNEnglish"), &QAction::triggered, this,
            [this] { switchLanguage(Language::English); });
    action("MNFMset")->setEnabled(false);

    action("MNRedo")->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    action("MNUndo")->setEnabled(m_history->canUndo());
    action("MNRedo")->setEnabled(m_history->canRedo());
    connect(m_history, &QUndoStack::canUndoChanged, action("MNUndo"), &QAction::setEnabled);
    connect(m_history, &QUndoStack::canRedoChanged, action("MNRedo"), &QAction::setEnabled);
}

void MainWindow::createToolbar()
{
    m_toolbar = addToolBar(QString());
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setMovable(false);
    m_toolbar->setIconSize(QSize(20, 20));
    QStyle *look = style();
    struct Button
    {
        const char *key;
        QStyle::StandardPixmap icon;
    };
    const Button buttons[] = {
        {"TNew", QStyle::SP_FileIcon},           {"TOpen", QStyle::SP_DialogOpenButton},
        {"TSave", QStyle::SP_DialogSaveButton},  {nullptr, QStyle::SP_CustomBase},
        {"TRead", QStyle::SP_ArrowDown},         {"TWrite", QStyle::SP_ArrowUp},
        {"TAnMa", QStyle::SP_MessageBoxWarning}, {"TDebug", QStyle::SP_ComputerIcon},
        {"TFMMa", QStyle::SP_MediaVolume},
    };
    for (const Button &button : buttons) {
        if (!button.key) {
            m_toolbar->addSeparator();
            continue;
        }
        // Texts and tips of both languages come from the caption table.
        QAction *act = m_toolbar->addAction(look->standardIcon(button.icon), CaptionOf(button.key));
        act->setObjectName(QString::fromLatin1(button.key));
        act->setToolTip(act->text());
    }
    connect(action("TNew"), &QAction::triggered, this, &MainWindow::newFile);
    connect(action("TOpen"), &QAction::triggered, this, &MainWindow::openFile);
    connect(action("TSave"), &QAction::triggered, this, &MainWindow::saveFile);
    connect(action("TRead"), &QAction::triggered, this, &MainWindow::readRadio);
    connect(action("TWrite"), &QAction::triggered, this, &MainWindow::writeRadio);
    const char *modeKeys[] = {"TAnMa", "TDebug", "TFMMa"};
    for (int mode = 0; mode < 3; ++mode) {
        QAction *act = action(modeKeys[mode]);
        act->setVisible(false);
        connect(act, &QAction::triggered, this, [this, mode] { hiddenModeButtonClicked(mode); });
    }

    // Frame1: the band label and box, and the hidden port list, placed by
    // twips so that the language switch can move them.
    m_bandFrame = new QWidget(m_toolbar);
    m_bandFrame->setObjectName(QStringLiteral("Frame1"));
    auto *label = new QLabel(CaptionOf(LabelName(Control::Band)), m_bandFrame);
    label->setObjectName(LabelObjectName(Control::Band));
    m_bandBox = new BandBox(m_session, m_bandFrame);
    m_portList = new QComboBox(m_bandFrame);
    m_portList->setObjectName(QStringLiteral("ComboCom"));
    m_portList->hide();
    const int rowHeight = m_bandBox->sizeHint().height();
    label->setGeometry(TwipsToPixelsX(60, this), 0, TwipsToPixelsX(1000, this), rowHeight);
    label->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    m_bandBox->setGeometry(TwipsToPixelsX(585, this), TwipsToPixelsY(30, this),
                           TwipsToPixelsX(1950, this), rowHeight);
    m_portList->setGeometry(TwipsToPixelsX(2475, this), 0, TwipsToPixelsX(1185, this), rowHeight);
    m_bandFrame->setFixedSize(TwipsToPixelsX(4800, this), rowHeight + TwipsToPixelsY(60, this));
    m_toolbar->addWidget(m_bandFrame);

    // A click on the toolbar or the band frame closes the grid's text editors.
    m_toolbar->installEventFilter(this);
    m_bandFrame->installEventFilter(this);
}

void MainWindow::createStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    m_portPanel = new QLabel(QStringLiteral("COM: "), bar);
    m_portPanel->setObjectName(QStringLiteral("StatusBar1.Panel1"));
    m_portPanel->setMinimumWidth(TwipsToPixelsX(1400, this));
    m_makerPanel = new QLabel(MakerName(Language::Chinese), bar);
    m_makerPanel->setObjectName(QStringLiteral("StatusBar1.Panel2"));
    m_clockPanel = new QLabel(bar);
    m_clockPanel->setObjectName(QStringLiteral("StatusBar1.Panel3"));
    bar->addWidget(m_portPanel);
    bar->addWidget(m_makerPanel, 1);
    bar->addPermanentWidget(m_clockPanel);
    auto updateClock = [this] {
        m_clockPanel->setText(
            QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    };
    updateClock();
    auto *clock = new QTimer(this);
    clock->setObjectName(QStringLiteral("StatusClock"));
    connect(clock, &QTimer::timeout, this, updateClock);
    clock->start(1000);
}

void MainWindow::createEditors()
{
    m_channelWindow = new ChannelWindow(m_session, m_boxes);
    m_dtmfWindow = new DtmfWindow(m_session);
    m_optionsWindow = new OptionsWindow(m_session);
    m_calibrationWindow = new CalibrationWindow(m_session);
    m_fmWindow = new FmWindow(m_session);
    for (EditorWindow *editor : std::initializer_list<EditorWindow *>{
             m_channelWindow, m_dtmfWindow, m_optionsWindow, m_calibrationWindow, m_fmWindow})
        addEditor(editor)->hide();
    showEditor(m_channelWindow);

    // The channel window's commands on whole channels, between Redo and the
    // windows; from the menu they show the channel window they worked on.
    auto *edit = findChild<QMenu *>(QStringLiteral("MNEdit"));
    auto *rows = new QMenu(CaptionOf("MNChannelRows"), edit);
    rows->setObjectName(QStringLiteral("MNChannelRows"));
    rows->menuAction()->setObjectName(QStringLiteral("MNChannelRowsAction"));
    rows->addActions(m_channelWindow->rowActions());
    QAction *windows = action("MNModel");
    edit->insertMenu(windows, rows);
    edit->insertSeparator(windows);
    for (QAction *command : m_channelWindow->rowActions())
        connect(command, &QAction::triggered, this, [this] { showEditor(m_channelWindow); });
}

QMdiSubWindow *MainWindow::addEditor(EditorWindow *editor)
{
    QMdiSubWindow *sub = m_mdi->addSubWindow(editor);
    sub->setObjectName(editor->objectName() + QStringLiteral("Window"));
    sub->setWindowIcon(windowIcon());
    sub->setWindowTitle(editor->windowTitle());
    // Closing an editor by its close box only hides it.
    sub->installEventFilter(this);
    // The child window's system menu binds Close to Ctrl+W (and more keys on
    // some systems): the menu bar's commands must win whatever has the focus.
    if (QMenu *menu = sub->systemMenu()) {
        for (QAction *entry : menu->actions())
            entry->setShortcuts({});
    }
    return sub;
}

void MainWindow::showEditor(EditorWindow *editor)
{
    if (!editor)
        return;
    auto *sub = qobject_cast<QMdiSubWindow *>(editor->parentWidget());
    editor->show();
    if (sub) {
        sub->show();
        m_mdi->setActiveSubWindow(sub);
        sub->raise();
    }
    editor->activateWindow();
}

QAction *MainWindow::action(const char *objectName) const
{
    return findChild<QAction *>(QString::fromLatin1(objectName));
}

QList<QWidget *> MainWindow::captionWindows() const
{
    QList<QWidget *> windows = {const_cast<MainWindow *>(this),
                                m_channelWindow,
                                m_dtmfWindow,
                                m_optionsWindow,
                                m_calibrationWindow,
                                m_fmWindow};
    for (const char *name : {"FrmAbout", "FrmWriting"}) {
        if (auto *window = findChild<QWidget *>(QString::fromLatin1(name)))
            windows << window;
    }
    return windows;
}

void MainWindow::applyCaptions()
{
    ApplyCaptions(m_session.language(), captionWindows());
    // The caption table sets the program's title alone.
    updateTitle();
}

void MainWindow::updateTitle()
{
    const QString title = MainWindowCaption(m_session.language());
    const QString file = QFileInfo(m_fileCommands->currentFile()).fileName();
    // [*]: the mark of unsaved changes (setWindowModified).
    setWindowTitle((file.isEmpty() ? title : title + QStringLiteral(" - ") + file) +
                   QStringLiteral("[*]"));
}

void MainWindow::switchLanguage(Language language)
{
    // What is being typed is taken in the language it was typed in; then
    // every caption changes and the grid is drawn in the new language.
    m_channelWindow->commitPendingEdits();
    m_session.setLanguage(language);
    applyCaptions();
    m_channelWindow->languageSwitched();
}

void MainWindow::newFile()
{
    m_session.startNew();
}

void MainWindow::undo()
{
    // What is being typed becomes a step first, and the undo takes it back.
    commitPendingEdits();
    m_history->undo();
}

void MainWindow::redo()
{
    commitPendingEdits();
    m_history->redo();
}

void MainWindow::commitPendingEdits()
{
    for (EditorWindow *editor : std::initializer_list<EditorWindow *>{
             m_channelWindow, m_dtmfWindow, m_optionsWindow, m_calibrationWindow, m_fmWindow})
        editor->commitPendingEdits();
}

void MainWindow::openFile()
{
    m_fileCommands->open();
}

void MainWindow::saveFile()
{
    m_fileCommands->save();
}

void MainWindow::compareWithFile()
{
    commitPendingEdits();
    if (const std::optional<FileCommands::ChosenFile> file = m_fileCommands->chooseFileToCompare())
        showComparison(false, file->data, QFileInfo(file->path).fileName());
}

void MainWindow::compareWithRadio()
{
    commitPendingEdits();
    m_transfers->readToCompare();
}

void MainWindow::showComparison(bool radio, const RadioData &theirs, const QString &name)
{
    const Language language = m_session.language();
    CompareDialog dialog(radio ? CompareDialog::Source::Radio : CompareDialog::Source::File, name,
                         CompareRadios(theirs, m_session.data(), language), language, this);
    if (dialog.exec() == CompareDialog::kWrite)
        action("MNWrite")->trigger();
}

void MainWindow::saveFileAs()
{
    m_fileCommands->saveAs();
}

void MainWindow::createRecentMenu()
{
    auto *file = findChild<QMenu *>(QStringLiteral("MNFile"));
    m_recentMenu = new QMenu(CaptionOf("MNRecent"), file);
    m_recentMenu->setObjectName(QStringLiteral("MNRecent"));
    m_recentMenu->menuAction()->setObjectName(QStringLiteral("MNRecentAction"));
    file->insertMenu(findChild<QAction *>(QStringLiteral("MNLine1")), m_recentMenu);
    m_recentFiles = new RecentFiles(m_languageStore, this);
    m_fileCommands->setRecentFiles(m_recentFiles);
    connect(m_recentFiles, &RecentFiles::changed, this, &MainWindow::fillRecentMenu);
    fillRecentMenu();
}

void MainWindow::fillRecentMenu()
{
    m_recentMenu->clear();
    const QStringList &files = m_recentFiles->files();
    // A long path keeps its drive and its file name.
    const QFontMetrics metrics(m_recentMenu->font());
    const int width = metrics.averageCharWidth() * 70;
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QString shown = metrics.elidedText(QDir::toNativeSeparators(path), Qt::ElideMiddle, width);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction *entry = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        entry->setObjectName(QStringLiteral("MNRecent%1").arg(i + 1));
        connect(entry, &QAction::triggered, this,
                [this, path] { m_fileCommands->openRecent(path); });
    }
    m_recentMenu->menuAction()->setEnabled(!files.isEmpty());
}

void MainWindow::importChannels()
{
    m_channelLists->importList();
}

void MainWindow::exportChannels()
{
    m_channelLists->exportList();
}

void MainWindow::printReport()
{
    // A field still being typed in is printed as it will be kept.
    commitPendingEdits();
    // The customer's choices last while the program runs; the file and the
    // date are those of this report.
    m_reportOptions.fileName = QFileInfo(m_fileCommands->currentFile()).fileName();
    m_reportOptions.date = QDate::currentDate();
    PrintPreview *preview = ShowPrintPreview(m_session, m_boxes, this, m_reportOptions);
    connect(preview, &PrintPreview::optionsChanged, this,
            [this](const ReportOptions &options) { m_reportOptions = options; });
}

void MainWindow::readRadio()
{
    // A running transfer refuses the read with its own message; asking first
    // would be a question for nothing.
    if (!m_transfers->isBusy()) {
        commitPendingEdits();
        if (!m_session.confirmDiscardChanges())
            return;
    }
    m_transfers->read();
}

void MainWindow::writeRadio()
{
    const bool wasBusy = m_transfers->isBusy();
    m_transfers->write();
    // The write took the records as they stand now (it committed every editor).
    // Edits made while it runs are not in the radio.
    m_writtenStep = !wasBusy && m_transfers->isBusy() ? m_history->index() : -1;
    m_writtenCalibration = m_session.hiddenMode(HiddenMode::Calibration);
}

void MainWindow::writeSeveralRadios()
{
    // The main window's own transfer and this one would share nothing, but
    // two writes at once would leave the user unsure which radio got what.
    if (m_transfers->refuseWhileBusy())
        return;
    // Every radio gets the records as they stand now, edits being typed
    // included; nothing can change them while the dialog is up.
    m_session.encodeImage();
    WriteSeveralDialog::Job job;
    job.image = m_session.image();
    job.band = m_session.bandIndex();
    job.bandOverrideMode = m_session.hiddenMode(HiddenMode::BandOverride);
    job.calibrationMode = m_session.hiddenMode(HiddenMode::Calibration);
    if (m_severalPorts.isEmpty())
        m_severalPorts = {m_portChooser->chosenPortNumber()};
    const int step = m_history->index();
    WriteSeveralDialog dialog(job, m_severalPorts, m_session.language(), m_boxes, *m_portChooser,
                              *action("MNVerify"), this);
    dialog.exec();
    m_severalPorts = dialog.tickedPorts();
    if (dialog.someRadioHoldsImage() && step == m_history->index())
        m_session.markWritten(job.calibrationMode);
}

void MainWindow::transferEnded(int outcome)
{
    const int written = std::exchange(m_writtenStep, -1);
    if (static_cast<LinkProtocol::Outcome>(outcome) != LinkProtocol::Outcome::WriteCompleted)
        return;
    const auto verify = m_transfers->verifyResult();
    const bool radioHoldsThem = verify == TransferController::VerifyResult::NotRun ||
                                verify == TransferController::VerifyResult::Matched;
    if (radioHoldsThem && written >= 0 && written == m_history->index())
        m_session.markWritten(m_writtenCalibration);
}

void MainWindow::showPortList()
{
    m_portList->show();
    m_portList->setFocus();
    m_portList->showPopup();
}

void MainWindow::showAbout()
{
    // Made anew each time, in the language in force.
    AboutWindow about(this);
    about.setWindowIcon(m_channelWindow->windowIcon());
    ApplyCaptions(m_session.language(), {&about});
    about.exec();
}

void MainWindow::showHelp()
{
    HelpCommand::of(*this, m_session, m_boxes).run();
}

void MainWindow::hiddenModeButtonClicked(int mode)
{
    if (!m_modeGates[mode].click(m_session.secondsOfDay()))
        return;
    m_session.setHiddenMode(static_cast<HiddenMode>(mode), false);
}

void MainWindow::hiddenModeChanged(int mode, bool on)
{
    const char *keys[] = {"TAnMa", "TDebug", "TFMMa"};
    if (mode < 0 || mode > 2)
        return;
    action(keys[mode])->setVisible(on);
    m_modeGates[mode].reset();
    if (static_cast<HiddenMode>(mode) == HiddenMode::ExtraOptions && on)
        action("MNFMset")->setEnabled(true);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    const int answer = m_boxes.show(tr("确定退出本程序？\r\n未保存的更改将全部丢失！"),
                                    StyleOkCancelQuestion, tr("注意"));
    if (answer != IdOk) {
        event->ignore();
        return;
    }
    m_closing = true;
    m_wheelGuard->detach(m_bandBox);
    WriteStoredLanguage(m_languageStore, m_session.language());
    event->accept();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        RetranslateSystemMenu(qobject_cast<QMdiSubWindow *>(watched));
    if (event->type() == QEvent::Close && qobject_cast<QMdiSubWindow *>(watched) && !m_closing) {
        static_cast<QWidget *>(watched)->hide();
        event->ignore();
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress &&
        (watched == m_toolbar || watched == m_bandFrame))
        m_channelWindow->hideTextEditors();
    return QMainWindow::eventFilter(watched, event);
}

} // namespace q731
