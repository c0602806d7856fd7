#include "image/control_names.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace q731 {
namespace {

// Entries are found by their position, and a window finds its controls by
// object name: an entry out of place, or two controls (or labels) of one
// window under one name, would put a caption or a `show` line on the wrong
// control.
TEST(ControlNames, EveryControlHasItsOwnEntryAndNameInItsWindow)
{
    const std::vector<ControlNames> &table = ControlTable();
    ASSERT_EQ(table.size(), static_cast<std::size_t>(kControlCount));
    std::map<std::string, std::set<std::string>> names;
    for (int i = 0; i < kControlCount; ++i) {
        const ControlNames &entry = table[static_cast<std::size_t>(i)];
        EXPECT_EQ(static_cast<int>(entry.control), i);
        EXPECT_STRNE(entry.name, "") << i;
        std::set<std::string> &taken = names[entry.window];
        EXPECT_TRUE(taken.insert(entry.name).second) << entry.window << '.' << entry.name;
        if (*entry.label) {
            EXPECT_TRUE(taken.insert(entry.label).second) << entry.window << '.' << entry.label;
        }
    }
}

} // namespace
} // namespace q731
