#pragma once

// The texts of the channel grid's lists: the off tone entry and the items of
// the option lists. The core keeps them as source texts marked for the
// translator; a layer that knows the user's language makes the GridLists of
// that language from them (session/qt_translations.h).

#include "marked_text.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace q731 {

// The translator's context of every list text.
inline constexpr const char *kListTextContext = "ChannelLists";

// "关闭" (context kListTextContext): what the tone lists and an off setting
// show for off.
const char *OffSource();

// Number of items in the option list of channel grid column 5..10 (power,
// busy lock, scan add, bandwidth, transmit stop, scramble); 0 for others.
int ChannelOptionCount(int column);

// Indexes a new channel receives in ColumnIndexes rows 0..7: the tones off,
// every option at entry 1.
inline constexpr std::array<int, 8> kNewChannelIndexes = {0, 0, 1, 1, 1, 1, 1, 1};
int NewChannelIndex(int row);

// The item texts of the grid's drop-down lists in one language: the tone list
// (265 entries, entry 0 off) and the six option lists of columns 5..10, and
// what a new channel shows in columns 3..10, which differs from the list
// items in places (bandwidth "Wide" against the list's "wide").
struct GridLists
{
    std::vector<std::string> tones;
    std::array<std::vector<std::string>, 6> options;
    std::array<std::string, 8> newChannelCells;

    // The lists with every source text put through `translate` (context,
    // source); returning the source gives the source language.
    using Translate = std::function<std::string(const char *context, const char *source)>;
    static GridLists Translated(const Translate &translate);

    // The list behind grid column 3..10; empty for any other column.
    const std::vector<std::string> &forColumn(int column) const;
    // What list `row` of a channel (ChannelTable row 0..7: the two tones,
    // then the options) shows for entry `index`; empty outside the list.
    std::string item(int row, int index) const;
    // What a new channel shows in grid column 3..10; empty for others.
    const std::string &newChannelCell(int column) const;
};

} // namespace q731
