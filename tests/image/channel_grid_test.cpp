#include "image/channel_grid.h"
#include "image/codec.h"
#include "image/tones.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

using namespace q731;
using namespace q731::GridColumn;

namespace {

// The lists as the two catalogues give them: the core keeps only the source
// texts, and what the grid does must not depend on which language it shows.
const GridLists &ListsIn(Language language)
{
    static const GridLists chinese =
        GridLists::Translated([](const char *, const char *source) { return source; });
    static const GridLists english =
        GridLists::Translated([](const char *context, const char *source) {
            static const std::map<std::pair<std::string, std::string>, std::string> words = {
                {{"ChannelLists", "关闭"}, "Off"},    {{"ChannelLists", "低"}, "Low"},
                {{"ChannelLists", "高"}, "High"},     {{"ChannelLists", "中"}, "Middle"},
                {{"ChannelLists", "载波"}, "Carry"},  {{"ChannelLists", "关"}, "Off"},
                {{"ChannelLists", "禁止"}, "Off"},    {{"ChannelLists", "使能"}, "On"},
                {{"ChannelLists", "窄带"}, "Narror"}, {{"ChannelLists", "宽带"}, "wide"},
                {{"ChannelLists", "开"}, "On"},       {{"NewChannel", "关闭"}, "Off"},
                {{"NewChannel", "高"}, "High"},       {{"NewChannel", "关"}, "Off"},
                {{"NewChannel", "使能"}, "On"},       {{"NewChannel", "宽带"}, "Wide"},
            };
            return words.at({context, source});
        });
    return language == Language::English ? english : chinese;
}

std::vector<GridLists> EveryLists(Language shown)
{
    const Language other = shown == Language::English ? Language::Chinese : Language::English;
    return {ListsIn(shown), ListsIn(other)};
}

struct Grid
{
    ChannelGrid grid;
    ChannelTable table;
    Language language = Language::English;
    int low = 136;
    int high = 174;

    FrequencyCheck::Status type(int row, int column, std::string_view text)
    {
        return grid.CommitFrequency(table, row, column, text, low, high);
    }
    std::string cell(int n, int column) const
    {
        return grid.cell(table, n, column, ListsIn(language));
    }
    std::vector<std::string> row(int n) const
    {
        std::vector<std::string> cells;
        for (int c = 1; c <= Name; ++c)
            cells.push_back(cell(n, c));
        return cells;
    }
};

} // namespace

TEST(FrequencyEntry, NewChannelGetsTheDefaultsOfTheTable)
{
    for (Language language : {Language::English, Language::Chinese}) {
        Grid g;
        g.language = language;
        g.table.name(7) = "AB";
        g.grid.CommitName(g.table, 7, "AB");
        EXPECT_TRUE(ChannelGrid::isEmptyRow(g.table, 7));
        EXPECT_EQ(g.type(7, Rx, "145.127"), FrequencyCheck::InBand);
        const std::vector<std::string> english = {"145.12500", "145.12500", "Off", "Off",
                                                  "High",      "Off",       "On",  "Wide",
                                                  "Off",       "Off",       "AB"};
        const std::vector<std::string> chinese = {
            "145.12500", "145.12500", "关闭", "关闭", "高", "关", "使能", "宽带", "关", "关", "AB"};
        EXPECT_EQ(g.row(7), language == Language::English ? english : chinese);
        EXPECT_EQ(g.table.rx(7), "145.12500");
        EXPECT_EQ(g.table.tx(7), "145.12500");
        const int indexes[] = {0, 0, 1, 1, 1, 1, 1, 1};
        for (int r = 0; r < ChannelTable::kRows; ++r) {
            EXPECT_EQ(g.table.ColumnIndexes[r][6], indexes[r]) << r;
        }
    }
}

TEST(FrequencyEntry, ExistingChannelChangesOnlyTheTypedCell)
{
    Grid g;
    g.type(3, Rx, "145.5");
    g.grid.ChooseListItem(g.table, 3, Power, 0);
    g.type(3, Rx, "150");
    EXPECT_EQ(g.cell(3, Rx), "150.00000");
    EXPECT_EQ(g.cell(3, Tx), "145.50000");
    EXPECT_EQ(g.cell(3, Power), "Low");
    EXPECT_EQ(g.table.index(ChannelTable::Power, 3), 0);

    g.type(3, Tx, "151.0001");
    EXPECT_EQ(g.table.tx(3), "151.00000");
    EXPECT_EQ(g.table.rx(3), "150.00000");
}

TEST(FrequencyEntry, EmptyReceiveClearsEmptyTransmitKeeps)
{
    Grid g;
    g.type(9, Rx, "145");
    g.grid.CommitName(g.table, 9, "CH9");

    EXPECT_EQ(g.type(9, Tx, ""), FrequencyCheck::Empty);
    EXPECT_EQ(g.table.tx(9), "145.00000");
    EXPECT_EQ(g.cell(9, Tx), "145.00000");

    EXPECT_EQ(g.type(9, Rx, "abc"), FrequencyCheck::NotANumber);
    EXPECT_EQ(g.type(9, Rx, "200"), FrequencyCheck::OutOfBand);
    EXPECT_EQ(g.table.rx(9), "145.00000");

    EXPECT_EQ(g.type(9, Rx, ""), FrequencyCheck::Empty);
    EXPECT_EQ(g.row(9), std::vector<std::string>(11));
    EXPECT_EQ(g.table.name(9), "");
    EXPECT_EQ(g.table.tx(9), "");
    EXPECT_EQ(g.cell(9, Number), "9");
    EXPECT_TRUE(ChannelGrid::isEmptyRow(g.table, 9));
}

TEST(NameEntry, CommitStoresTheNameWithoutFillCharacters)
{
    Grid g;
    g.grid.CommitName(g.table, 4, "AB\xC3\xBF");
    EXPECT_EQ(g.table.name(4), "AB");
    EXPECT_EQ(g.cell(4, Name), "AB");
}

TEST(GridRefresh, SetGridShowsTheTableAndNamesOfEmptyRows)
{
    ChannelTable table;
    table.rx(1) = "145.00000";
    table.tx(1) = "";
    table.index(ChannelTable::RxTone, 1) = 1;
    table.index(ChannelTable::Scramble, 1) = 1;
    table.name(2) = "EMPTY";
    table.rx(3) = "146.00000";
    table.index(ChannelTable::Bandwidth, 3) = 1;

    ChannelGrid grid;
    grid.SetGrid();
    const auto cellOf = [&](int n, int column) {
        return grid.cell(table, n, column, ListsIn(Language::English));
    };
    EXPECT_EQ(cellOf(1, Rx), "145.00000");
    EXPECT_EQ(cellOf(1, Tx), "");
    EXPECT_EQ(cellOf(1, RxTone), "67.0");
    EXPECT_EQ(cellOf(1, TxTone), "Off");
    EXPECT_EQ(cellOf(1, Scramble), "Off");
    EXPECT_EQ(cellOf(2, Rx), "");
    EXPECT_EQ(cellOf(2, Name), "EMPTY");
    EXPECT_EQ(cellOf(3, RxTone), "Off");
    EXPECT_EQ(cellOf(3, Bandwidth), "wide");
    EXPECT_EQ(cellOf(3, Power), "Low");
}

TEST(GridRefresh, ShowRowDrawsTheTableInTheListsGiven)
{
    Grid g;
    g.language = Language::Chinese;
    g.type(1, Rx, "145");
    g.grid.ChooseListItem(g.table, 1, Power, 2);
    g.grid.CommitName(g.table, 1, "AB");
    g.grid.CommitName(g.table, 2, "SPARE");
    const ChannelTable kept = g.table;
    g.type(1, Rx, "");
    g.type(2, Rx, "146");
    EXPECT_TRUE(g.cell(1, Power).empty());

    // The kept channels come back in the lists of the language now shown.
    g.table = kept;
    g.language = Language::English;
    g.grid.ShowRow(1);
    g.grid.ShowRow(2);
    EXPECT_EQ(g.row(1), (std::vector<std::string>{"145.00000", "145.00000", "Off", "Off", "Middle",
                                                  "Off", "On", "wide", "Off", "Off", "AB"}));
    EXPECT_EQ(g.row(2),
              (std::vector<std::string>{"", "", "", "", "", "", "", "", "", "", "SPARE"}));
    EXPECT_TRUE(ChannelGrid::isEmptyRow(g.table, 2));
    g.grid.ShowRow(0); // not a channel: nothing
    g.grid.ShowRow(129);
}

TEST(LanguageSwitch, EveryCellShowsTheSameEntryInTheOtherLanguage)
{
    Grid g;
    g.language = Language::Chinese;
    g.type(1, Rx, "145");
    g.grid.ChooseListItem(g.table, 1, Power, 2);
    g.grid.ChooseListItem(g.table, 1, TxTone, 6);
    g.type(2, Rx, "146");

    g.language = Language::English;
    g.grid.LanguageSwitched();
    EXPECT_EQ(g.row(1), (std::vector<std::string>{"145.00000", "145.00000", "Off", "79.7", "Middle",
                                                  "Off", "On", "wide", "Off", "Off", ""}));
    EXPECT_EQ(g.cell(2, Power), "High");

    g.language = Language::Chinese;
    g.grid.LanguageSwitched();
    EXPECT_EQ(g.row(1), (std::vector<std::string>{"145.00000", "145.00000", "关闭", "79.7", "中",
                                                  "关", "使能", "宽带", "关", "关", ""}));
    EXPECT_EQ(g.table.index(ChannelTable::Power, 1), 2);
    EXPECT_EQ(g.table.index(ChannelTable::TxTone, 1), 6);
}

TEST(LanguageSwitch, ChangesNoValueAndEndsTheNewChannelTexts)
{
    Grid g;
    g.type(1, Rx, "145");
    g.table.index(ChannelTable::RxTone, 1) = 7;
    EXPECT_EQ(g.cell(1, Bandwidth), "Wide");
    EXPECT_EQ(g.cell(1, RxTone), "82.5");
    const ChannelTable before = g.table;
    // Back in the same language, "Wide" is the list's "wide": a new channel's
    // own text does not survive a switch.
    g.grid.LanguageSwitched();
    EXPECT_EQ(g.table.ColumnIndexes, before.ColumnIndexes);
    EXPECT_EQ(g.table.FrequencyTexts, before.FrequencyTexts);
    EXPECT_EQ(g.cell(1, Bandwidth), "wide");
    EXPECT_EQ(g.cell(1, RxTone), "82.5");
}

TEST(CopyPaste, RowsRoundTripBetweenPositions)
{
    Grid g;
    g.type(1, Rx, "145.1");
    g.grid.ChooseListItem(g.table, 1, RxTone, 3);
    g.grid.ChooseListItem(g.table, 1, ScanAdd, 0);
    g.grid.CommitName(g.table, 1, "ONE");
    g.grid.CommitName(g.table, 2, "NAME2");
    const std::string copied = g.grid.CopyRows(g.table, {1, 2}, ListsIn(g.language));
    EXPECT_EQ(copied, "145.10000\t145.10000\t71.9\tOff\tHigh\tOff\tOff\tWide\tOff\tOff\tONE\n"
                      "\t\t\t\t\t\t\t\t\t\tNAME2\n");

    g.type(11, Rx, "150");
    const ChannelGrid::PasteResult pasted =
        g.grid.PasteRows(g.table, 10, copied, g.low, g.high, EveryLists(Language::English));
    EXPECT_EQ(pasted.status, ChannelGrid::PasteResult::Applied);
    EXPECT_EQ(pasted.count, 2);
    EXPECT_EQ(g.row(10), (std::vector<std::string>{"145.10000", "145.10000", "71.9", "Off", "High",
                                                   "Off", "Off", "wide", "Off", "Off", "ONE"}));
    EXPECT_EQ(g.table.index(ChannelTable::RxTone, 10), 3);
    EXPECT_EQ(g.table.index(ChannelTable::ScanAdd, 10), 0);
    EXPECT_TRUE(g.table.rx(11).empty());
    EXPECT_EQ(g.table.name(11), "NAME2");

    RadioData data;
    data.channels = g.table;
    RadioImage image{};
    EncodeImage(data, image);
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(image[13 * 9 + i], image[i]) << i; // channel 10 == channel 1
}

TEST(CopyPaste, OutOfBandOrForeignTextChangesNothing)
{
    Grid g;
    g.type(1, Rx, "145");
    const ChannelTable before = g.table;
    const std::vector<GridLists> lists = EveryLists(Language::English);
    using R = ChannelGrid::PasteResult;
    struct Refusal
    {
        std::string_view text;
        R::Status status;
        int line;
        int column;
        std::string value;
    };
    const Refusal refusals[] = {
        {"150\n200\n", R::OutOfBand, 2, Rx, "200"},
        {"150\t180\n", R::OutOfBand, 1, Tx, "180"},
        {"hello world", R::NotAChannelRow, 1, Rx, "hello world"},
        {"150\n150\t150\tbogus", R::NotAChannelRow, 2, RxTone, "bogus"},
        {"1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12", R::NotAChannelRow, 1, Number,
         "1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12"},
        {"", R::NoRows, 0, 0, ""},
        {"\r\n\n", R::NoRows, 0, 0, ""},
    };
    for (const Refusal &refusal : refusals) {
        const R result = g.grid.PasteRows(g.table, 20, refusal.text, g.low, g.high, lists);
        EXPECT_EQ(result.status, refusal.status) << refusal.text;
        EXPECT_EQ(result.line, refusal.line) << refusal.text;
        EXPECT_EQ(result.channel, refusal.line == 0 ? 0 : 19 + refusal.line) << refusal.text;
        EXPECT_EQ(result.column, refusal.column) << refusal.text;
        EXPECT_EQ(result.value, refusal.value) << refusal.text;
    }
    EXPECT_EQ(g.table.rx(1), before.rx(1));
    EXPECT_EQ(g.table.rx(20), "");
    EXPECT_EQ(g.cell(1, Rx), "145.00000");
}

TEST(CopyPaste, FrequencyColumnAloneMakesNewChannelsAndKeepsExisting)
{
    Grid g;
    g.type(2, Rx, "145");
    g.grid.ChooseListItem(g.table, 2, Power, 0);
    const std::vector<GridLists> lists = EveryLists(Language::English);
    // Lines that would go beyond the last channel refuse the whole paste.
    const ChannelGrid::PasteResult beyond =
        g.grid.PasteRows(g.table, 127, "146.107\r\n147\r\n148\r\n", g.low, g.high, lists);
    EXPECT_EQ(beyond.status, ChannelGrid::PasteResult::DoesNotFit);
    EXPECT_EQ(beyond.count, 1);
    EXPECT_EQ(beyond.lines, 3);
    EXPECT_EQ(beyond.channel, 127);
    EXPECT_EQ(g.cell(127, Rx), "");
    EXPECT_EQ(
        g.grid.PasteRows(g.table, 126, "146.107\r\n147\r\n148\r\n", g.low, g.high, lists).status,
        ChannelGrid::PasteResult::Applied);
    EXPECT_EQ(g.cell(126, Rx), "146.10625");
    EXPECT_EQ(g.cell(126, Tx), "146.10625");
    EXPECT_EQ(g.cell(128, Power), "High");
    EXPECT_EQ(g.cell(128, Rx), "148.00000");

    EXPECT_EQ(g.grid.PasteRows(g.table, 2, "150", g.low, g.high, lists).status,
              ChannelGrid::PasteResult::Applied);
    EXPECT_EQ(g.cell(2, Rx), "150.00000");
    EXPECT_EQ(g.cell(2, Tx), "145.00000");
    EXPECT_EQ(g.cell(2, Power), "Low");
}

TEST(CopyPaste, RowsCopiedInChinesePasteInEnglish)
{
    Grid g;
    g.language = Language::Chinese;
    g.type(1, Rx, "145");
    const std::string copied = g.grid.CopyRows(g.table, {1}, ListsIn(g.language));
    g.language = Language::English;
    EXPECT_EQ(
        g.grid.PasteRows(g.table, 5, copied, g.low, g.high, EveryLists(Language::English)).status,
        ChannelGrid::PasteResult::Applied);
    EXPECT_EQ(g.row(5), (std::vector<std::string>{"145.00000", "145.00000", "Off", "Off", "High",
                                                  "Off", "On", "wide", "Off", "Off", ""}));
}

TEST(CopyPaste, ExactRowsPasteByteForByte)
{
    Grid g;
    g.table.rx(2) = "146.00000";
    g.table.tx(2) = "";
    g.table.index(ChannelTable::Power, 2) = 2;
    g.table.index(ChannelTable::RxTone, 2) = 1;
    // A decoded name may hold any byte: a tab, a line end, '%', Latin-1 letters.
    g.table.name(2) = "a\tb\n%\xC3\xA9Z";
    g.table.name(3) = "UNUSED78";
    g.grid.SetGrid();
    g.type(1, Rx, "145.1"); // shows the new channel's "Wide"
    g.grid.ChooseListItem(g.table, 1, TxTone, 120);
    g.grid.CommitName(g.table, 1, "VTAC11");
    const std::string exact =
        g.grid.CopyRowsExact(g.table, {1, 2, 3}, ListsIn(g.language), g.language);
    const std::vector<GridLists> lists = EveryLists(Language::English);

    using R = ChannelGrid::PasteResult;
    const R pasted =
        g.grid.PasteRowsExact(g.table, 10, exact, g.low, g.high, lists.front(), g.language);
    EXPECT_EQ(pasted.status, R::Applied);
    EXPECT_EQ(pasted.count, 3);
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(g.table.rx(n + 9), g.table.rx(n)) << n;
        EXPECT_EQ(g.table.tx(n + 9), g.table.tx(n)) << n;
        EXPECT_EQ(g.table.name(n + 9), g.table.name(n)) << n;
        for (int r = 0; r < ChannelTable::kRows; ++r) {
            EXPECT_EQ(g.table.ColumnIndexes[r][n + 8], g.table.ColumnIndexes[r][n - 1]) << n;
        }
        EXPECT_EQ(g.row(n + 9), g.row(n)) << n;
    }
    RadioData data;
    data.channels = g.table;
    RadioImage image{};
    EncodeImage(data, image);
    for (int n = 0; n < 3; ++n) {
        for (int i = 0; i < 13; ++i)
            EXPECT_EQ(image[13 * (n + 9) + i], image[13 * n + i]) << n << ' ' << i;
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(image[2048 + 8 * (n + 9) + i], image[2048 + 8 * n + i]) << n << ' ' << i;
    }
    // Text from elsewhere goes by the name box's rule.
    EXPECT_EQ(g.grid
                  .PasteRows(g.table, 20, g.grid.CopyRows(g.table, {1}, ListsIn(g.language)), g.low,
                             g.high, lists)
                  .status,
              R::Applied);
    EXPECT_EQ(g.table.name(20), "VTAC1");

    // Copied in Chinese, the list cells show in the lists now in force.
    const std::string chinese =
        g.grid.CopyRowsExact(g.table, {1}, ListsIn(Language::Chinese), Language::Chinese);
    EXPECT_EQ(g.grid.PasteRowsExact(g.table, 30, chinese, g.low, g.high, lists.front(), g.language)
                  .status,
              R::Applied);
    EXPECT_EQ(g.cell(30, Bandwidth), "wide");
    EXPECT_EQ(g.cell(1, Bandwidth), "Wide");

    // Refused: a frequency of another band, a name no slot holds, rows beyond
    // channel 128, a damaged row. Nothing changes.
    const ChannelTable before = g.table;
    EXPECT_EQ(
        g.grid.PasteRowsExact(g.table, 127, exact, g.low, g.high, lists.front(), g.language).status,
        R::DoesNotFit);
    const R band = g.grid.PasteRowsExact(g.table, 40, exact, 400, 470, lists.front(), g.language);
    EXPECT_EQ(band.status, R::OutOfBand);
    EXPECT_EQ(band.line, 1);
    EXPECT_EQ(band.channel, 40);
    EXPECT_EQ(band.value, "145.10000");
    g.table.name(3) = "NINECHARS";
    const std::string long_name =
        g.grid.CopyRowsExact(g.table, {1, 3}, ListsIn(g.language), g.language);
    g.table.name(3) = before.name(3);
    const R name =
        g.grid.PasteRowsExact(g.table, 40, long_name, g.low, g.high, lists.front(), g.language);
    EXPECT_EQ(name.status, R::NameTooLong);
    EXPECT_EQ(name.line, 2);
    EXPECT_EQ(name.channel, 41);
    EXPECT_EQ(name.value, "NINECHARS");
    std::string damaged = exact;
    damaged.replace(damaged.find("VTAC11"), 6, "%ZZ");
    EXPECT_EQ(g.grid.PasteRowsExact(g.table, 40, damaged, g.low, g.high, lists.front(), g.language)
                  .status,
              R::Damaged);
    EXPECT_EQ(
        g.grid.PasteRowsExact(g.table, 40, "", g.low, g.high, lists.front(), g.language).status,
        R::NoRows);
    EXPECT_EQ(g.table.FrequencyTexts, before.FrequencyTexts);
    EXPECT_EQ(g.table.ChannelNames, before.ChannelNames);
}
