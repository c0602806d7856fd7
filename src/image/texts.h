#pragma once

// The texts that the codec itself stores into the records, in both languages:
// the off tone entry and the item texts of the channel grid's option lists.

#include "language.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace q731 {

// "关闭" / "Off".
std::string_view OffText(Language language);

// Items of the option list of channel grid column 5..10 (power, busy lock,
// scan add, bandwidth, transmit stop, scramble). Empty for other columns.
const std::vector<std::string> &ChannelOptionItems(int column, Language language);

// Cell texts that a new channel receives in columns 3..10 (they differ from the
// list items in places: bandwidth "Wide" against the list's "wide").
std::string_view NewChannelCellText(int column, Language language);
// Indexes a new channel receives in ColumnIndexes rows 0..7: the tones off,
// every option at entry 1.
inline constexpr std::array<int, 8> kNewChannelIndexes = {0, 0, 1, 1, 1, 1, 1, 1};
int NewChannelIndex(int row);

// What list `row` of a channel (ChannelTable row 0..7: the two tones, then the
// options) shows for entry `index`; empty for an index outside the list.
std::string ChannelListText(int row, int index, Language language);

} // namespace q731
