#include "edit_history.h"

#include "session/session.h"

namespace q731 {

namespace {

// Steps kept for undo; a step holds only the channels it changed.
constexpr int kHistorySteps = 500;

constexpr int kSettingsStepId = 1;

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

SettingsStep::SettingsStep(Session &session, const QString &field, SettingsState before,
                           SettingsState after, bool separate)
    : QUndoCommand(field)
    , m_session(session)
    , m_before(std::move(before))
    , m_after(std::move(after))
    , m_separate(separate)
{
}

void SettingsStep::undo()
{
    m_session.restoreSettings(m_before);
}

void SettingsStep::redo()
{
    if (m_applied) {
        m_applied = false;
        return;
    }
    m_session.restoreSettings(m_after);
}

int SettingsStep::id() const
{
    return m_separate ? -1 : kSettingsStepId;
}

bool SettingsStep::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const SettingsStep *>(other);
    if (next->text() != text())
        return false;
    m_after = next->m_after;
    // An edit that ends where the step began leaves nothing to undo; QUndoStack
    // drops a step that has become obsolete.
    setObsolete(m_after == m_before);
    return true;
}

EditHistory::EditHistory(Session &session, QObject *parent)
    : QUndoStack(parent)
    , m_session(session)
{
    setUndoLimit(kHistorySteps);
    connect(&m_session, &Session::channelsEdited, this,
            [this](const QString &label, const ChannelState &before, const ChannelState &after) {
                push(new ChannelStep(m_session, label, before, after));
            });
    connect(&m_session, &Session::settingsEdited, this,
            [this](const QString &field, const SettingsState &before, const SettingsState &after,
                   bool separate) {
                push(new SettingsStep(m_session, field, before, after, separate));
            });
    connect(&m_session, &Session::recordsReplaced, this, &QUndoStack::clear);
    connect(&m_session, &Session::recordsSaved, this, &QUndoStack::setClean);
    connect(this, &QUndoStack::cleanChanged, &m_session,
            [this](bool clean) { m_session.setUnsavedChanges(!clean); });
}

} // namespace q731
