#pragma once

#include "image/language.h"

#include <QPointer>
#include <QUrl>
#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTextBrowser;
class QToolButton;

namespace q731 {

class MessageBoxes;
class Session;

// The texts of the help window and of the help command's messages.
enum class HelpText {
    Title,
    Contents,
    Back,
    Forward,
    Find,
    FindNext,
    NotFound,      // %1: what was looked for
    ManualMissing, // %1: the places looked at, one a line
    BrowserFailed, // %1: the link
};
QString HelpWindowText(HelpText text, Language language);

// The program's own manual viewer: the manual page of a language with its
// sections as a contents list, back and forward, and a find box. Links within
// the manual stay in the window; links to the outside go to the system
// (`setSystemOpener`, QDesktopServices by default), and a failure says so.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    HelpWindow(Session &session, MessageBoxes &boxes, QWidget *parent = nullptr);

    // Shows `page` (a manual page file); the window is not raised here.
    void showManual(const QString &page);
    void setSystemOpener(std::function<bool(const QUrl &)> open) { m_openSystem = std::move(open); }

private:
    void findNext();
    void retranslate();
    void linkClicked(const QUrl &url);
    void sourceChanged(const QUrl &url);
    void fillContents();
    void contentsItemChosen(QListWidgetItem *item);

    Session &m_session;
    MessageBoxes &m_boxes;
    std::function<bool(const QUrl &)> m_openSystem;
    QString m_page;
    QLabel *m_contentsLabel = nullptr;
    QListWidget *m_contents = nullptr;
    QTextBrowser *m_view = nullptr;
    QToolButton *m_back = nullptr;
    QToolButton *m_forward = nullptr;
    QLineEdit *m_findBox = nullptr;
    QToolButton *m_findNext = nullptr;
    QLabel *m_findStatus = nullptr;
};

// Help Theme (F1) of a main window: the compiled help on Windows when it is
// there, otherwise the manual in one help window, reused and raised at every
// call and following the language; when no manual is found a message names
// the places looked at.
class HelpCommand : public QObject
{
    Q_OBJECT
public:
    // The help command of `owner`, made at the first call.
    static HelpCommand &of(QWidget &owner, Session &session, MessageBoxes &boxes);

    void run();
    // Where the help files are looked for; the program's folder unless set.
    void setProgramFolder(const QString &folder) { m_programFolder = folder; }
    // How a compiled help file and the links to the outside reach the
    // system; QDesktopServices unless set.
    void setSystemOpener(std::function<bool(const QUrl &)> open);

private:
    HelpCommand(QWidget &owner, Session &session, MessageBoxes &boxes);
    HelpWindow *ensureWindow();
    void languageChanged();

    QWidget &m_owner;
    Session &m_session;
    MessageBoxes &m_boxes;
    QString m_programFolder;
    std::function<bool(const QUrl &)> m_openSystem;
    QPointer<HelpWindow> m_window;
};

} // namespace q731
