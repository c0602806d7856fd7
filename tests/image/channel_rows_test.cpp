#include "image/channel_rows.h"

#include <gtest/gtest.h>

using namespace q731;

namespace {

// Channel n holds frequency "1nn.00000" and name "Cn" for each n given.
ChannelTable With(std::initializer_list<int> used)
{
    ChannelTable table;
    for (int n : used) {
        table.rx(n) = std::to_string(100 + n) + ".00000";
        table.tx(n) = table.rx(n);
        table.index(ChannelTable::Power, n) = n % 3;
        table.name(n) = "C" + std::to_string(n);
    }
    return table;
}

// The names of channels 1..count after `order`, "-" for an empty one.
std::string Names(ChannelTable table, const ChannelOrder &order, int count = 6)
{
    Rearrange(table, order);
    std::string names;
    for (int n = 1; n <= count; ++n)
        names += (table.name(n).empty() ? std::string("-") : table.name(n)) + " ";
    return names;
}

} // namespace

TEST(ChannelRows, InsertDeleteAndMoveCarryWholeChannels)
{
    const ChannelTable table = With({1, 2, 3, 4});
    // Two empty channels before 2; the frequencies, lists and names go along.
    const auto inserted = InsertEmpty(table, 2, 2);
    ASSERT_TRUE(inserted);
    EXPECT_EQ(Names(table, *inserted), "C1 - - C2 C3 C4 ");
    ChannelTable moved = table;
    Rearrange(moved, *inserted);
    EXPECT_EQ(moved.rx(4), "102.00000");
    EXPECT_EQ(moved.index(ChannelTable::Power, 4), 2);
    EXPECT_EQ(PlaceOf(*inserted, 2), 4);
    // Refused when what falls off the end holds a channel or just a name.
    ChannelTable full = table;
    full.name(128) = "SPARE";
    EXPECT_FALSE(InsertEmpty(full, 1, 1));
    EXPECT_FALSE(InsertEmpty(table, 128, 2));

    EXPECT_EQ(Names(table, DeleteShifting({2, 3, 2, 999})), "C1 C4 - - - - ");

    EXPECT_EQ(Names(table, *MoveByOne({2, 3}, -1)), "C2 C3 C1 C4 - - ");
    EXPECT_EQ(Names(table, *MoveByOne({1, 3}, 1)), "C2 C1 C4 C3 - - ");
    EXPECT_FALSE(MoveByOne({1, 2}, -1));
    EXPECT_FALSE(MoveByOne({128}, 1));

    EXPECT_EQ(Names(table, MoveBefore({1, 3}, 5)), "C2 C4 C1 C3 - - ");
    EXPECT_EQ(Names(table, MoveBefore({4}, 1)), "C4 C1 C2 C3 - - ");
    const ChannelOrder toEnd = MoveBefore({1}, kChannelCount + 1);
    EXPECT_EQ(PlaceOf(toEnd, 1), kChannelCount);
}

TEST(ChannelRows, SortingKeepsUnusedChannelsLastAndEqualOnesInTheirOrder)
{
    ChannelTable table = With({1, 2, 3, 4, 5});
    table.rx(1) = "146.00000";
    table.rx(2) = "4A5.12500"; // from a damaged image
    table.rx(3) = "145.50000";
    table.rx(4) = ""; // a spare name
    table.rx(5) = "145.50000";
    table.name(3) = "b";
    table.name(5) = "";
    EXPECT_EQ(Names(table, Sorted(table, {}, ChannelSortKey::RxFrequency)), "b - C1 C2 C4 - ");
    EXPECT_EQ(Names(table, Sorted(table, {}, ChannelSortKey::Name)), "b C1 C2 - C4 - ");
    // Only the selected places take part.
    EXPECT_EQ(Names(table, Sorted(table, {1, 3}, ChannelSortKey::RxFrequency)), "b C2 C1 C4 - - ");
}
