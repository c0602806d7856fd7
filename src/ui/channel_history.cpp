#include "channel_history.h"

#include "session/session.h"

namespace q731 {

namespace {

// Steps kept for undo; a step holds only the channels it changed.
constexpr int kHistorySteps = 500;

} // namespace

ChannelStep::ChannelStep(Session &session, const QString &label, ChannelState before,
                         ChannelState after)
    : QUndoCommand(label)
    , m_session(session)
    , m_before(std::move(before))
    , m_after(std::move(after))
{
}

void ChannelStep::undo()
{
    m_session.restoreChannelState(m_before);
}

void ChannelStep::redo()
{
    if (m_applied) {
        m_applied = false;
        return;
    }
    m_session.restoreChannelState(m_after);
}

ChannelHistory::ChannelHistory(Session &session, QObject *parent)
    : QUndoStack(parent)
    , m_session(session)
{
    setUndoLimit(kHistorySteps);
    connect(&m_session, &Session::channelsEdited, this,
            [this](const QString &label, const ChannelState &before, const ChannelState &after) {
                push(new ChannelStep(m_session, label, before, after));
            });
    connect(&m_session, &Session::recordsReplaced, this, &QUndoStack::clear);
}

} // namespace q731
