#pragma once

// What a change of the channel table changed: the channels it touched as they
// were before and after, and for a band change also the band and the VFO
// frequency, so that channels of one band never come back under another
// band's number. The undo history keeps these states.

#include "image/records.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace q731 {

// One channel of the ChannelTable, every field of it.
struct ChannelRow
{
    std::string rx;
    std::string tx;
    std::array<int, ChannelTable::kRows> indexes{};
    std::string name;

    bool operator==(const ChannelRow &) const = default;
};

ChannelRow TakeRow(const ChannelTable &table, int n);
void PutRow(ChannelTable &table, int n, const ChannelRow &row);

// What undoing or redoing a change sets.
struct ChannelState
{
    // Channel number and its contents.
    std::vector<std::pair<int, ChannelRow>> rows;
    // Part of the state only for a band change (-1 otherwise).
    int bandIndex = -1;
    std::string vfoFrequency;
};

// The channels in which `after` differs from `before`, as the two states of a
// change; `reachesRadio` tells whether any of them would be written
// differently (a change that moves no byte of the radio is not worth an undo).
struct ChannelDifference
{
    ChannelState before;
    ChannelState after;
    bool reachesRadio = false;
};
ChannelDifference CompareChannels(const ChannelTable &before, const ChannelTable &after);

// The records of the settings windows: the optional features with the VFO,
// DTMF, FM and calibration. A step of their undo keeps them whole; they are
// small beside the channel table.
struct SettingsState
{
    OptionalFeatures options;
    DtmfSettings dtmf;
    FmSettings fm;
    CalibrationLevels calibration;

    bool operator==(const SettingsState &) const = default;
};

} // namespace q731
