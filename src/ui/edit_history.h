#pragma once

// The undo history of everything the user edits: the channel table, the band
// change, and the records of the settings windows (optional features with the
// VFO, DTMF, FM, calibration). The session reports every change worth a step
// with the records as they were before and after; a step puts one of the two
// back through the session. The history's clean state is the session's
// "no unsaved changes": Read, Open and New start it afresh, Save and a
// completed write mark it.

#include "session/channel_changes.h"

#include <QUndoCommand>
#include <QUndoStack>

namespace q731 {

class Session;

class ChannelStep : public QUndoCommand
{
public:
    // The change is already in the records when the step is made; the first
    // redo, which QUndoStack::push runs, does nothing.
    ChannelStep(Session &session, const QString &label, ChannelState before, ChannelState after);

    void undo() override;
    void redo() override;

private:
    Session &m_session;
    ChannelState m_before;
    ChannelState m_after;
    bool m_applied = true;
};

// An edit of one field of a settings window. Edits of the same field that
// follow each other make one step: a word typed, a slider dragged, a list
// stepped through with the arrow keys. A separate edit (the FM window's OK)
// is a step of its own.
class SettingsStep : public QUndoCommand
{
public:
    SettingsStep(Session &session, const QString &field, SettingsState before, SettingsState after,
                 bool separate);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand *other) override;

private:
    Session &m_session;
    SettingsState m_before;
    SettingsState m_after;
    bool m_separate = false;
    bool m_applied = true;
};

class EditHistory : public QUndoStack
{
    Q_OBJECT
public:
    explicit EditHistory(Session &session, QObject *parent = nullptr);

private:
    Session &m_session;
};

} // namespace q731
