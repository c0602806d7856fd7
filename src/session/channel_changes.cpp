#include "channel_changes.h"

#include "image/codec.h"

#include <algorithm>

namespace q731 {

ChannelRow TakeRow(const ChannelTable &table, int n)
{
    ChannelRow row;
    row.rx = table.rx(n);
    row.tx = table.tx(n);
    for (int r = 0; r < ChannelTable::kRows; ++r)
        row.indexes[static_cast<std::size_t>(r)] =
            table.index(static_cast<ChannelTable::Row>(r), n);
    row.name = table.name(n);
    return row;
}

void PutRow(ChannelTable &table, int n, const ChannelRow &row)
{
    table.rx(n) = row.rx;
    table.tx(n) = row.tx;
    for (int r = 0; r < ChannelTable::kRows; ++r)
        table.index(static_cast<ChannelTable::Row>(r), n) =
            row.indexes[static_cast<std::size_t>(r)];
    table.name(n) = row.name;
}

ChannelDifference CompareChannels(const ChannelTable &before, const ChannelTable &after)
{
    ChannelDifference difference;
    RadioImage old{};
    RadioImage now{};
    for (int n = 1; n <= kChannelCount; ++n) {
        ChannelRow was = TakeRow(before, n);
        ChannelRow is = TakeRow(after, n);
        if (was == is)
            continue;
        difference.before.rows.emplace_back(n, std::move(was));
        difference.after.rows.emplace_back(n, std::move(is));
        if (difference.reachesRadio)
            continue;
        EncodeChannel(before, n, old);
        EncodeChannel(after, n, now);
        const auto record = ImageMap::recordBase(n);
        const auto name = ImageMap::nameBase(n);
        difference.reachesRadio =
            !std::equal(old.begin() + record, old.begin() + record + ImageMap::kChannelRecordSize,
                        now.begin() + record) ||
            !std::equal(old.begin() + name, old.begin() + name + ImageMap::kNameSize,
                        now.begin() + name);
    }
    return difference;
}

} // namespace q731
