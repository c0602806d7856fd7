#pragma once

// The undo history of the channel table. The session reports every change
// worth a step (an edit, an import, a confirmed band change) with the
// channels as they were before and after; a step puts one of the two back
// through the session.

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

// The steps of the running session. Read, Open and New start it afresh.
class ChannelHistory : public QUndoStack
{
    Q_OBJECT
public:
    explicit ChannelHistory(Session &session, QObject *parent = nullptr);

private:
    Session &m_session;
};

} // namespace q731
