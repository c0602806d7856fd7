#pragma once

// A started window program for the file and print tests, its open and save
// dialogs answered by the test.

#include "../support/program_fixture.h"

#include "app/band_box.h"
#include "editors/calibration_window.h"
#include "editors/channel_window.h"
#include "editors/dtmf_window.h"
#include "editors/fm_window.h"
#include "editors/options_window.h"
#include "files/file_commands.h"
#include "files/file_dialogs.h"

#include <QStringList>

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

struct Program : ProgramFixture
{
    ScriptedFileDialogs *dialogs = nullptr; // owned by the window's file commands

    explicit Program(Language language = Language::Chinese)
        : ProgramFixture(language)
    {
        auto scripted = std::make_unique<ScriptedFileDialogs>();
        dialogs = scripted.get();
        window->fileCommands()->setDialogs(std::move(scripted));
    }
};

} // namespace q731::testing
