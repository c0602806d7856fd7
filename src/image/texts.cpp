#include "texts.h"

#include "tones.h"

#include <array>

namespace q731 {

namespace {

constexpr int kFirstOptionColumn = 5;
constexpr int kLastOptionColumn = 10;
constexpr std::size_t kOptionColumns = kLastOptionColumn - kFirstOptionColumn + 1;

std::size_t LanguageSlot(Language language)
{
    return language == Language::English ? 1 : 0;
}

// Option lists of grid columns 5..10, [language][column - 5].
const std::array<std::array<std::vector<std::string>, kOptionColumns>, 2> &OptionLists()
{
    static const std::array<std::array<std::vector<std::string>, kOptionColumns>, 2> lists = {{
        {{
            {"低", "高", "中"},
            {"载波", "关"},
            {"禁止", "使能"},
            {"窄带", "宽带"},
            {"开", "关"},
            {"开", "关"},
        }},
        {{
            {"Low", "High", "Middle"},
            {"Carry", "Off"},
            {"Off", "On"},
            {"Narror", "wide"},
            {"On", "Off"},
            {"On", "Off"},
        }},
    }};
    return lists;
}

// What a new channel shows in columns 3..10, [language][column - 3]. The
// bandwidth cell reads "Wide" here although the list item is "wide".
constexpr std::array<std::array<std::string_view, 8>, 2> kNewChannelCells = {{
    {"关闭", "关闭", "高", "关", "使能", "宽带", "关", "关"},
    {"Off", "Off", "High", "Off", "On", "Wide", "Off", "Off"},
}};

} // namespace

std::string_view OffText(Language language)
{
    return language == Language::English ? "Off" : "关闭";
}

const std::vector<std::string> &ChannelOptionItems(int column, Language language)
{
    static const std::vector<std::string> none;
    if (column < kFirstOptionColumn || column > kLastOptionColumn)
        return none;
    return OptionLists()[LanguageSlot(language)]
                        [static_cast<std::size_t>(column - kFirstOptionColumn)];
}

std::string_view NewChannelCellText(int column, Language language)
{
    if (column < 3 || column > 10)
        return {};
    return kNewChannelCells[LanguageSlot(language)][static_cast<std::size_t>(column - 3)];
}

std::string ChannelListText(int row, int index, Language language)
{
    if (row == 0 || row == 1)
        return ToneListEntry(index, language);
    const std::vector<std::string> &items = ChannelOptionItems(row + 3, language);
    if (index < 0 || index >= static_cast<int>(items.size()))
        return {};
    return items[static_cast<std::size_t>(index)];
}

int NewChannelIndex(int row)
{
    if (row < 0 || row >= static_cast<int>(kNewChannelIndexes.size()))
        return 0;
    return kNewChannelIndexes[static_cast<std::size_t>(row)];
}

} // namespace q731
