#include "texts.h"

#include "tones.h"

namespace q731 {

namespace {

constexpr int kFirstOptionColumn = 5;
constexpr int kLastOptionColumn = 10;
constexpr std::size_t kOptionColumns = kLastOptionColumn - kFirstOptionColumn + 1;

// Option lists of grid columns 5..10.
const std::array<std::vector<const char *>, kOptionColumns> kOptionSources = {{
    {Q731_TRANSLATE_NOOP("ChannelLists", "低"), Q731_TRANSLATE_NOOP("ChannelLists", "高"),
     Q731_TRANSLATE_NOOP("ChannelLists", "中")},
    {Q731_TRANSLATE_NOOP("ChannelLists", "载波"), Q731_TRANSLATE_NOOP("ChannelLists", "关")},
    {Q731_TRANSLATE_NOOP("ChannelLists", "禁止"), Q731_TRANSLATE_NOOP("ChannelLists", "使能")},
    {Q731_TRANSLATE_NOOP("ChannelLists", "窄带"), Q731_TRANSLATE_NOOP("ChannelLists", "宽带")},
    {Q731_TRANSLATE_NOOP("ChannelLists", "开"), Q731_TRANSLATE_NOOP("ChannelLists", "关")},
    {Q731_TRANSLATE_NOOP("ChannelLists", "开"), Q731_TRANSLATE_NOOP("ChannelLists", "关")},
}};

// What a new channel shows in columns 3..10. The same source text may read
// otherwise here than in a list, so these have a context of their own.
constexpr std::array<const char *, 8> kNewChannelSources = {
    Q731_TRANSLATE_NOOP("NewChannel", "关闭"), Q731_TRANSLATE_NOOP("NewChannel", "关闭"),
    Q731_TRANSLATE_NOOP("NewChannel", "高"),   Q731_TRANSLATE_NOOP("NewChannel", "关"),
    Q731_TRANSLATE_NOOP("NewChannel", "使能"), Q731_TRANSLATE_NOOP("NewChannel", "宽带"),
    Q731_TRANSLATE_NOOP("NewChannel", "关"),   Q731_TRANSLATE_NOOP("NewChannel", "关"),
};

bool IsOptionColumn(int column)
{
    return column >= kFirstOptionColumn && column <= kLastOptionColumn;
}

} // namespace

const char *OffSource()
{
    return Q731_TRANSLATE_NOOP("ChannelLists", "关闭");
}

int ChannelOptionCount(int column)
{
    return IsOptionColumn(column)
               ? static_cast<int>(
                     kOptionSources[static_cast<std::size_t>(column - kFirstOptionColumn)].size())
               : 0;
}

int NewChannelIndex(int row)
{
    if (row < 0 || row >= static_cast<int>(kNewChannelIndexes.size()))
        return 0;
    return kNewChannelIndexes[static_cast<std::size_t>(row)];
}

GridLists GridLists::Translated(const Translate &translate)
{
    GridLists lists;
    lists.tones.push_back(translate(kListTextContext, OffSource()));
    for (int i = 1; i < kToneCount; ++i)
        lists.tones.push_back(ToneListEntry(i));
    for (std::size_t c = 0; c < kOptionColumns; ++c) {
        for (const char *source : kOptionSources[c])
            lists.options[c].push_back(translate(kListTextContext, source));
    }
    for (std::size_t c = 0; c < kNewChannelSources.size(); ++c)
        lists.newChannelCells[c] = translate("NewChannel", kNewChannelSources[c]);
    return lists;
}

const std::vector<std::string> &GridLists::forColumn(int column) const
{
    static const std::vector<std::string> none;
    if (column == 3 || column == 4)
        return tones;
    if (IsOptionColumn(column))
        return options[static_cast<std::size_t>(column - kFirstOptionColumn)];
    return none;
}

std::string GridLists::item(int row, int index) const
{
    const std::vector<std::string> &items = forColumn(row + 3);
    if (index < 0 || index >= static_cast<int>(items.size()))
        return {};
    return items[static_cast<std::size_t>(index)];
}

const std::string &GridLists::newChannelCell(int column) const
{
    static const std::string none;
    if (column < 3 || column > 10)
        return none;
    return newChannelCells[static_cast<std::size_t>(column - 3)];
}

} // namespace q731
