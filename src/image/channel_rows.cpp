#include "channel_rows.h"

#include "text_helpers.h"

#include <algorithm>
#include <cctype>
#include <numeric>

namespace q731 {

namespace {

bool Valid(int n)
{
    return n >= 1 && n <= kChannelCount;
}

// The rows once each, in order, without any outside 1..128.
std::vector<int> Clean(std::vector<int> rows)
{
    std::erase_if(rows, [](int n) { return !Valid(n); });
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

// A name compared without regard to ASCII case.
std::string Folded(const std::string &name)
{
    std::string folded = name;
    for (char &c : folded)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return folded;
}

} // namespace

ChannelOrder KeepOrder()
{
    ChannelOrder order{};
    std::iota(order.begin(), order.end(), 1);
    return order;
}

void Rearrange(ChannelTable &table, const ChannelOrder &order)
{
    const ChannelTable before = table;
    for (int n = 1; n <= kChannelCount; ++n) {
        const int from = order[static_cast<std::size_t>(n - 1)];
        table.clearChannel(n);
        if (!Valid(from))
            continue;
        table.rx(n) = before.rx(from);
        table.tx(n) = before.tx(from);
        for (int r = 0; r < ChannelTable::kRows; ++r) {
            const auto row = static_cast<ChannelTable::Row>(r);
            table.index(row, n) = before.index(row, from);
        }
        table.name(n) = before.name(from);
    }
}

int PlaceOf(const ChannelOrder &order, int from)
{
    const auto found = std::find(order.begin(), order.end(), from);
    return found == order.end() ? 0 : static_cast<int>(found - order.begin()) + 1;
}

bool HoldsChannel(const ChannelTable &table, int n)
{
    return !table.rx(n).empty() || !table.name(n).empty();
}

std::optional<ChannelOrder> InsertEmpty(const ChannelTable &table, int first, int count)
{
    if (!Valid(first) || count < 1 || count > kChannelCount - first + 1)
        return std::nullopt;
    for (int n = kChannelCount - count + 1; n <= kChannelCount; ++n) {
        if (HoldsChannel(table, n))
            return std::nullopt;
    }
    std::vector<int> order(static_cast<std::size_t>(kChannelCount));
    std::iota(order.begin(), order.end(), 1);
    order.insert(order.begin() + (first - 1), static_cast<std::size_t>(count), 0);
    ChannelOrder result{};
    std::copy_n(order.begin(), kChannelCount, result.begin());
    return result;
}

ChannelOrder DeleteShifting(const std::vector<int> &rows)
{
    const std::vector<int> gone = Clean(rows);
    ChannelOrder order{};
    std::size_t next = 0;
    for (int n = 1; n <= kChannelCount; ++n) {
        if (!std::binary_search(gone.begin(), gone.end(), n))
            order[next++] = n;
    }
    return order;
}

std::optional<ChannelOrder> MoveByOne(const std::vector<int> &rows, int step)
{
    const std::vector<int> moved = Clean(rows);
    if (moved.empty() || (step != -1 && step != 1))
        return std::nullopt;
    if ((step < 0 && moved.front() == 1) || (step > 0 && moved.back() == kChannelCount))
        return std::nullopt;
    ChannelOrder order = KeepOrder();
    // Walk towards the move so that a block slides as one: each moved channel
    // changes place with the one ahead of it.
    const auto swapAhead = [&order, step](int n) {
        std::swap(order[static_cast<std::size_t>(n - 1)],
                  order[static_cast<std::size_t>(n - 1 + step)]);
    };
    if (step < 0)
        std::for_each(moved.begin(), moved.end(), swapAhead);
    else
        std::for_each(moved.rbegin(), moved.rend(), swapAhead);
    return order;
}

ChannelOrder MoveBefore(const std::vector<int> &rows, int target)
{
    const std::vector<int> moved = Clean(rows);
    target = std::clamp(target, 1, kChannelCount + 1);
    std::vector<int> order;
    for (int n = 1; n <= kChannelCount; ++n) {
        if (n == target)
            order.insert(order.end(), moved.begin(), moved.end());
        if (!std::binary_search(moved.begin(), moved.end(), n))
            order.push_back(n);
    }
    if (target == kChannelCount + 1)
        order.insert(order.end(), moved.begin(), moved.end());
    ChannelOrder result{};
    std::copy_n(order.begin(), kChannelCount, result.begin());
    return result;
}

ChannelOrder Sorted(const ChannelTable &table, std::vector<int> rows, ChannelSortKey key)
{
    rows = Clean(rows);
    if (rows.empty()) {
        rows.resize(kChannelCount);
        std::iota(rows.begin(), rows.end(), 1);
    }
    std::vector<int> channels = rows;
    const auto rank = [&table, key](int n) {
        if (table.rx(n).empty())
            return 2;
        return key == ChannelSortKey::Name && table.name(n).empty() ? 1 : 0;
    };
    std::stable_sort(channels.begin(), channels.end(), [&](int a, int b) {
        if (rank(a) != rank(b))
            return rank(a) < rank(b);
        if (rank(a) != 0)
            return false;
        if (key == ChannelSortKey::Name)
            return Folded(table.name(a)) < Folded(table.name(b));
        // A frequency that is no number (from a damaged image) after the others.
        const std::optional<double> fa = ParseNumber(table.rx(a));
        const std::optional<double> fb = ParseNumber(table.rx(b));
        if (fa.has_value() != fb.has_value())
            return fa.has_value();
        if (fa && fb && *fa != *fb)
            return *fa < *fb;
        return !fa && table.rx(a) < table.rx(b);
    });
    ChannelOrder order = KeepOrder();
    for (std::size_t i = 0; i < rows.size(); ++i)
        order[static_cast<std::size_t>(rows[i] - 1)] = channels[i];
    return order;
}

} // namespace q731
