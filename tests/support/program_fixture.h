#pragma once

// The started window program that the window tests drive: session, language
// store and main window, shown with its captions. Every message box is
// recorded and answered from `answers` (front first, `unqueuedAnswer` when
// none is left); what start-up showed is kept apart in `startupBoxes`.

#include "../session/fake_language_store.h"

#include "app/band_box.h"
#include "app/main_window.h"
#include "editors/calibration_window.h"
#include "editors/channel_grid_model.h"
#include "editors/channel_grid_view.h"
#include "editors/channel_window.h"
#include "editors/dtmf_window.h"
#include "editors/fm_window.h"
#include "editors/options_window.h"
#include "files/channel_list_commands.h"
#include "files/file_commands.h"
#include "link/link_thread.h"
#include "link/transfer_controller.h"
#include "session/language_store.h"
#include "session/session.h"
#include "ui/edit_history.h"
#include "ui/message_box.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QTest>
#include <QToolBar>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

namespace q731::testing {

struct ShownBox
{
    QString text;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    // A transfer running while the box was up.
    bool reading = false;
    bool writing = false;
};

struct ProgramFixture
{
    FakeLanguageStore store;
    Session session;
    MessageBoxes messageBoxes{session};
    std::unique_ptr<MainWindow> window;
    QList<int> answers;
    int unqueuedAnswer;
    QList<ShownBox> boxes;
    QList<ShownBox> startupBoxes;
    // Done for every box while it is up, before it is answered.
    std::function<void(QMessageBox &)> onEveryBox;
    // Done once while the next box is up, as a person could.
    std::function<void()> whileBoxIsUp;
    double now = 1000.0;

    // Starts with `stored` as the language store's value (none: no key).
    explicit ProgramFixture(std::optional<QByteArray> stored, int unqueued = IdCancel,
                            std::function<void(QMessageBox &)> everyBox = {})
        : unqueuedAnswer(unqueued)
        , onEveryBox(std::move(everyBox))
    {
        store.value = std::move(stored);
        messageBoxes.setAnswerer([this](QMessageBox &box) {
            // A box of the window's start comes before any transfer.
            const auto *transfers = window ? child<TransferController>("transfers") : nullptr;
            boxes << ShownBox{box.text(), box.windowTitle(), box.icon(),
                              transfers && transfers->isReading(),
                              transfers && transfers->isWriting()};
            if (onEveryBox)
                onEveryBox(box);
            if (auto action = std::exchange(whileBoxIsUp, {}))
                action();
            return answers.isEmpty() ? unqueuedAnswer : answers.takeFirst();
        });
        session.setClock([this] { return now; });
        session.setLanguage(ReadStoredLanguage(store));
        window = std::make_unique<MainWindow>(session, messageBoxes, store);
        window->show();
        window->applyCaptions();
        // The test environment has no serial ports (Q731_PORTS is empty), so
        // the load's port test may report port 1; that box is not the test's.
        startupBoxes = std::exchange(boxes, {});
    }
    explicit ProgramFixture(Language language, int unqueued = IdCancel,
                            std::function<void(QMessageBox &)> everyBox = {})
        : ProgramFixture(StoredValueForLanguage(language), unqueued, std::move(everyBox))
    {
    }

    // Records as an Open of a file that holds them leaves them: every window
    // shows them, and there is nothing to undo or to save.
    void putRecords(const std::function<void(RadioData &)> &change)
    {
        RadioData data = session.data();
        change(data);
        session.takeDecoded(session.image(), std::move(data));
    }
    // The image as a read brings it in, not yet decoded.
    void putImage(const std::function<void(RadioImage &)> &change)
    {
        RadioImage image = session.image();
        change(image);
        session.setImage(image);
    }

    QStringList boxTexts() const
    {
        QStringList texts;
        for (const ShownBox &box : boxes)
            texts << box.text;
        return texts;
    }

    // Focus changes, and with them commits and shortcuts, need the main
    // window to be the active one.
    bool activate()
    {
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }

    // The objects are looked up by name, as a person finds them by their
    // place; a missing one stops the test program with its name instead of
    // a crash on a null pointer further on.
    template<typename T = QWidget>
    static T *child(const QObject *parent, const char *name)
    {
        T *found = parent->findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qFatal("no %s named \"%s\" in %s", T::staticMetaObject.className(), name,
                   qPrintable(parent->objectName()));
        return found;
    }
    template<typename T = QWidget>
    T *child(const char *name) const
    {
        return child<T>(window.get(), name);
    }
    QAction *action(const char *name) const { return child<QAction>(name); }
    QToolBar *toolbar() const { return child<QToolBar>("Toolbar1"); }
    QMdiArea *mdiArea() const { return child<QMdiArea>("MDIArea"); }
    BandBox *bandBox() const { return child<BandBox>("Combo1"); }
    QComboBox *portList() const { return child<QComboBox>("ComboCom"); }
    QLabel *portPanel() const { return child<QLabel>("StatusBar1.Panel1"); }
    ChannelWindow *channelWindow() const { return child<ChannelWindow>("Form1"); }
    ChannelGridView *channelGrid() const { return child<ChannelGridView>("Grid1"); }
    ChannelGridModel *channelModel() const
    {
        return qobject_cast<ChannelGridModel *>(channelGrid()->model());
    }
    DtmfWindow *dtmfWindow() const { return child<DtmfWindow>("Form2"); }
    OptionsWindow *optionsWindow() const { return child<OptionsWindow>("Form3"); }
    CalibrationWindow *calibrationWindow() const { return child<CalibrationWindow>("Form4"); }
    FmWindow *fmWindow() const { return child<FmWindow>("Form5"); }
    EditHistory &history() const { return *child<EditHistory>("history"); }
    FileCommands *fileCommands() const { return child<FileCommands>("files"); }
    ChannelListCommands *channelLists() const { return child<ChannelListCommands>("channelLists"); }
    TransferController *transfers() const { return child<TransferController>("transfers"); }
    // Lives on the link's thread: to be listened to.
    SerialLink *serialLink() const { return child<LinkThread>("link")->link(); }

    // Brings an editor to the front as its menu command does; the FM
    // command stays disabled until its service mode is on.
    void showEditor(QWidget *editor) const
    {
        auto *sub = qobject_cast<QMdiSubWindow *>(editor->parentWidget());
        QVERIFY(sub);
        editor->show();
        sub->show();
        mdiArea()->setActiveSubWindow(sub);
        sub->raise();
        editor->activateWindow();
    }
    // MNChinese / MNEnglish, as chosen in the menu.
    void switchLanguage(Language language) const
    {
        action(language == Language::Chinese ? "MNChinese" : "MNEnglish")->trigger();
    }

    void clickToolButton(const char *key)
    {
        QWidget *button = toolbar()->widgetForAction(action(key));
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // Focuses a text field, selects its text and types over it.
    static void typeInto(QLineEdit *edit, const QString &text)
    {
        edit->setFocus();
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text);
    }
};

} // namespace q731::testing
