#pragma once

// A started window program for the file and print tests: session, language
// store and main window, every message box answered and recorded.

#include "../session/fake_language_store.h"
#include "app/band_box.h"
#include "app/main_window.h"
#include "editors/calibration_window.h"
#include "editors/channel_window.h"
#include "editors/dtmf_window.h"
#include "editors/fm_window.h"
#include "editors/options_window.h"
#include "files/file_commands.h"
#include "files/file_dialogs.h"
#include "session/session.h"
#include "ui/message_box.h"

#include <QMessageBox>
#include <QStringList>

#include <memory>
#include <optional>

namespace q731::testing {

// Answers the open and save dialogs with a prepared name and records what
// each was shown.
class ScriptedFileDialogs : public FileDialogs
{
public:
    QString answer;
    int calls = 0;
    QString lastCaption;
    QString lastFolder;
    QString lastFilter;

    QString openFileName(QWidget *, const QString &caption, const QString &folder,
                         const QString &filter) override
    {
        return record(caption, folder, filter);
    }
    QString saveFileName(QWidget *, const QString &caption, const QString &folder,
                         const QString &filter) override
    {
        return record(caption, folder, filter);
    }

private:
    QString record(const QString &caption, const QString &folder, const QString &filter)
    {
        ++calls;
        lastCaption = caption;
        lastFolder = folder;
        lastFilter = filter;
        return answer;
    }
};

struct ShownBox
{
    QString text;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

struct Program
{
    FakeLanguageStore store;
    Session session;
    MessageBoxes messageBoxes{session};
    std::unique_ptr<MainWindow> window;
    ScriptedFileDialogs *dialogs = nullptr; // owned by the window's file commands
    QList<int> answers;
    QList<ShownBox> boxes;

    explicit Program(Language language = Language::Chinese)
    {
        store.value = QByteArray(4, char(language == Language::English ? 1 : 0));
        messageBoxes.setAnswerer([this](QMessageBox &box) {
            boxes << ShownBox{box.text(), box.windowTitle(), box.icon()};
            return answers.isEmpty() ? int(IdCancel) : answers.takeFirst();
        });
        session.setClock([] { return 1000.0; });
        session.setLanguage(ReadStoredLanguage(store));
        window = std::make_unique<MainWindow>(session, messageBoxes, store);
        auto scripted = std::make_unique<ScriptedFileDialogs>();
        dialogs = scripted.get();
        window->fileCommands()->setDialogs(std::move(scripted));
        window->show();
        window->applyCaptions();
        // Only what the commands under test show counts (start-up may already
        // have told that no serial port is there).
        boxes.clear();
    }
};

} // namespace q731::testing
