#pragma once

#include "app/hidden_mode_buttons.h"
#include "image/language.h"
#include "image/records.h"
#include "print/print_report.h"

#include <QMainWindow>

class QAction;
class QComboBox;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace q731 {

class BandBox;
class CalibrationWindow;
class EditHistory;
class ChannelListCommands;
class ChannelWindow;
class DtmfWindow;
class EditorWindow;
class FileCommands;
class FmWindow;
class LanguageStore;
class LinkThread;
class MessageBoxes;
class OptionsWindow;
class PortChooser;
class RecentFiles;
class TransferController;
class Session;
class WheelGuard;

// The frame window (MDIForm1): menus, toolbar with the band box, status bar
// and the editor windows as MDI children. Every command starts here and is
// handed to the part that carries it out.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // Gives the session `boxes` for its questions while the window lives.
    MainWindow(Session &session, MessageBoxes &boxes, LanguageStore &languageStore,
               QWidget *parent = nullptr);
    ~MainWindow() override;

    // The open and save commands; the program start opens a file named on
    // the command line through them.
    FileCommands *fileCommands() const { return m_fileCommands; }
    void applyCaptions();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *action(const char *objectName) const;
    // The windows that ApplyCaptions sets, in its order.
    QList<QWidget *> captionWindows() const;
    // The program's title, then the name of the current file (if any).
    void updateTitle();
    // MNChinese / MNEnglish.
    void switchLanguage(Language language);
    // Shows an editor window (already loaded) and brings it to the front.
    void showEditor(EditorWindow *editor);

    // Commands.
    void newFile();
    void undo();
    void redo();
    void openFile();
    void saveFile();
    void saveFileAs();
    void compareWithFile();
    void compareWithRadio();
    // The comparison of `theirs` (a radio's or a file's records, called
    // `name`) with the editors; Write in it starts the write command.
    void showComparison(bool radio, const RadioData &theirs, const QString &name);
    void importChannels();
    void exportChannels();
    void printReport();
    void readRadio();
    void writeRadio();
    void writeSeveralRadios();
    void showPortList();
    void showAbout();
    void showHelp();

    void createMenus();
    void createRecentMenu();
    void fillRecentMenu();
    void createToolbar();
    void createStatusBar();
    void createEditors();
    QMdiSubWindow *addEditor(EditorWindow *editor);
    void commitPendingEdits();
    void hiddenModeButtonClicked(int mode);
    void hiddenModeChanged(int mode, bool on);
    // A completed write that the radio holds marks the records saved.
    void transferEnded(int outcome);

    Session &m_session;
    MessageBoxes &m_boxes;
    LanguageStore &m_languageStore;
    EditHistory *m_history = nullptr;
    QMdiArea *m_mdi = nullptr;
    QToolBar *m_toolbar = nullptr;
    QWidget *m_bandFrame = nullptr;
    BandBox *m_bandBox = nullptr;
    QComboBox *m_portList = nullptr;
    QLabel *m_portPanel = nullptr;
    QLabel *m_makerPanel = nullptr;
    QLabel *m_clockPanel = nullptr;
    WheelGuard *m_wheelGuard = nullptr;
    ChannelWindow *m_channelWindow = nullptr;
    DtmfWindow *m_dtmfWindow = nullptr;
    OptionsWindow *m_optionsWindow = nullptr;
    CalibrationWindow *m_calibrationWindow = nullptr;
    FmWindow *m_fmWindow = nullptr;
    FileCommands *m_fileCommands = nullptr;
    RecentFiles *m_recentFiles = nullptr;
    QMenu *m_recentMenu = nullptr;
    ChannelListCommands *m_channelLists = nullptr;
    LinkThread *m_link = nullptr;
    PortChooser *m_portChooser = nullptr;
    TransferController *m_transfers = nullptr;
    DoubleClickGate m_modeGates[3];
    bool m_closing = false;
    ReportOptions m_reportOptions;
    // The history's step when the running write took the records; -1 when none.
    int m_writtenStep = -1;
    bool m_writtenCalibration = false;
    // The ports ticked when Write Several Radios closed last.
    QList<int> m_severalPorts;
};

} // namespace q731
