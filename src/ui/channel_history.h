#pragma once

// The undo history of the channel table. A step keeps the channels it
// changed as they were before and after, and for a band change also the band
// and the VFO frequency: channels of one band must never come back under
// another band's number.

#include "image/records.h"

#include <QUndoCommand>

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace q731 {

class Session;

// One channel of the ChannelTable, every field of it.
struct ChannelRow
{
    std::string rx;
    std::string tx;
    std::array<int, ChannelTable::kRows> indexes{};
    std::array<std::string, ChannelTable::kRows> texts;
    std::string name;

    bool operator==(const ChannelRow &) const = default;
};

ChannelRow TakeRow(const ChannelTable &table, int n);
void PutRow(ChannelTable &table, int n, const ChannelRow &row);

// What undoing or redoing a step sets.
struct ChannelState
{
    // Channel number and its contents.
    std::vector<std::pair<int, ChannelRow>> rows;
    // Part of the step only for a band change (-1 otherwise).
    int bandIndex = -1;
    std::string vfoFrequency;
};

// The channels in which `after` differs from `before`, as the two states of a
// step; `reachesRadio` tells whether any of them would be written differently
// (a step that changes no byte of the radio is not worth an undo).
struct ChannelDifference
{
    ChannelState before;
    ChannelState after;
    bool reachesRadio = false;
};
ChannelDifference CompareChannels(const ChannelTable &before, const ChannelTable &after);

class ChannelStep : public QUndoCommand
{
public:
    // `applied`: the change is already in the records (an edit made in the
    // grid); the first redo, which QUndoStack::push runs, then does nothing.
    ChannelStep(Session &session, const QString &label, ChannelState before, ChannelState after,
                bool applied);

    void undo() override;
    void redo() override;

private:
    Session &m_session;
    ChannelState m_before;
    ChannelState m_after;
    bool m_applied;
};

} // namespace q731
