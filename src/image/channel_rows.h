#pragma once

// Work on whole channels of the table: insert, delete, move and sort. Each is
// an order, where channel n of the result comes from, so that a caller can
// tell where the rows went; Rearrange applies it. A channel moves with all it
// holds, its name included.

#include "records.h"

#include <array>
#include <optional>
#include <vector>

namespace q731 {

// order[n - 1]: the channel (1..128) that channel n takes, 0 for an empty one.
using ChannelOrder = std::array<int, kChannelCount>;

ChannelOrder KeepOrder();
void Rearrange(ChannelTable &table, const ChannelOrder &order);
// Where channel `from` is after `order`; 0 when it was left out.
int PlaceOf(const ChannelOrder &order, int from);

// A channel that holds something a shift off the end would lose: a frequency
// or a name.
bool HoldsChannel(const ChannelTable &table, int n);

// `count` empty channels before channel `first`, the rest one further down;
// nothing when the channels pushed off the end hold something.
std::optional<ChannelOrder> InsertEmpty(const ChannelTable &table, int first, int count);
// The channels `rows` (1..128) taken out, the rest moved up, empty ones at the end.
ChannelOrder DeleteShifting(const std::vector<int> &rows);
// Each of `rows` one place up (step -1) or down (+1), past the channel beside
// the block it belongs to; nothing when the block touches channel 1 or 128.
std::optional<ChannelOrder> MoveByOne(const std::vector<int> &rows, int step);
// `rows` taken out and put back together, in their order, before channel
// `target` (1..129, 129: at the end) as the table stood.
ChannelOrder MoveBefore(const std::vector<int> &rows, int target);

enum class ChannelSortKey { RxFrequency, Name };
// The channels at `rows` (every channel when empty) sorted among those places:
// channels in use by the key, those equal in their order; for a name, channels
// without one after those with one; channels not in use last, in their order.
ChannelOrder Sorted(const ChannelTable &table, std::vector<int> rows, ChannelSortKey key);

} // namespace q731
