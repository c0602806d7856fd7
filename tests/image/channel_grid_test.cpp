#include "image/channel_grid.h"
#include "image/codec.h"

#include <gtest/gtest.h>

using namespace q731;
using namespace q731::GridColumn;

namespace {

struct Grid
{
    ChannelGrid grid;
    ChannelTable table;
    Language language = Language::English;
    int low = 136;
    int high = 174;

    FrequencyCheck::Status type(int row, int column, std::string_view text)
    {
        return grid.CommitFrequency(table, row, column, text, low, high, language);
    }
    std::vector<std::string> row(int n) const
    {
        std::vector<std::string> cells;
        for (int c = 1; c <= Name; ++c)
            cells.push_back(grid.cell(n, c));
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
        EXPECT_TRUE(g.grid.isEmptyRow(7));
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
            EXPECT_EQ(g.table.ColumnTexts[r][6], "") << r; // the encoder needs none
        }
    }
}

TEST(FrequencyEntry, ExistingChannelChangesOnlyTheTypedCell)
{
    Grid g;
    g.type(3, Rx, "145.5");
    g.grid.ChooseListItem(g.table, 3, Power, 0, "Low");
    g.type(3, Rx, "150");
    EXPECT_EQ(g.grid.cell(3, Rx), "150.00000");
    EXPECT_EQ(g.grid.cell(3, Tx), "145.50000");
    EXPECT_EQ(g.grid.cell(3, Power), "Low");
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
    EXPECT_EQ(g.grid.cell(9, Tx), "145.00000");

    EXPECT_EQ(g.type(9, Rx, "abc"), FrequencyCheck::NotANumber);
    EXPECT_EQ(g.type(9, Rx, "200"), FrequencyCheck::OutOfBand);
    EXPECT_EQ(g.table.rx(9), "145.00000");

    EXPECT_EQ(g.type(9, Rx, ""), FrequencyCheck::Empty);
    EXPECT_EQ(g.row(9), std::vector<std::string>(11));
    EXPECT_EQ(g.table.name(9), "");
    EXPECT_EQ(g.table.tx(9), "");
    EXPECT_EQ(g.grid.cell(9, Number), "9");
    EXPECT_TRUE(g.grid.isEmptyRow(9));
}

TEST(NameEntry, CommitStoresTheNameWithoutFillCharacters)
{
    Grid g;
    g.grid.CommitName(g.table, 4, "AB\xC3\xBF");
    EXPECT_EQ(g.table.name(4), "AB");
    EXPECT_EQ(g.grid.cell(4, Name), "AB");
}

TEST(GridRefresh, SetGridShowsTheTableAndNamesOfEmptyRows)
{
    ChannelTable table;
    table.rx(1) = "145.00000";
    table.tx(1) = "";
    table.text(ChannelTable::RxTone, 1) = "67.0";
    table.index(ChannelTable::RxTone, 1) = 1;
    table.text(ChannelTable::TxTone, 1) = "Off";
    for (int r = ChannelTable::Power; r < ChannelTable::kRows; ++r)
        table.text(static_cast<ChannelTable::Row>(r), 1) = "x" + std::to_string(r);
    table.name(2) = "EMPTY";
    // A channel typed in and not decoded has indexes but no texts.
    table.rx(3) = "146.00000";
    table.index(ChannelTable::Bandwidth, 3) = 1;

    ChannelGrid grid;
    grid.SetGrid(table, GridLists::Of(Language::English));
    EXPECT_EQ(grid.cell(1, Rx), "145.00000");
    EXPECT_EQ(grid.cell(1, Tx), "");
    EXPECT_EQ(grid.cell(1, RxTone), "67.0");
    EXPECT_EQ(grid.cell(1, TxTone), "Off");
    EXPECT_EQ(grid.cell(1, Scramble), "x7");
    EXPECT_EQ(grid.cell(2, Rx), "");
    EXPECT_EQ(grid.cell(2, Name), "EMPTY");
    EXPECT_EQ(grid.cell(3, RxTone), "Off");
    EXPECT_EQ(grid.cell(3, Bandwidth), "wide");
    EXPECT_EQ(grid.cell(3, Power), "Low");
}

TEST(GridRefresh, ShowRowDrawsTheTableInTheListsGiven)
{
    Grid g;
    g.language = Language::Chinese;
    g.type(1, Rx, "145");
    g.grid.ChooseListItem(g.table, 1, Power, 2, "中");
    g.grid.CommitName(g.table, 1, "AB");
    g.grid.CommitName(g.table, 2, "SPARE");
    const ChannelTable kept = g.table;
    g.type(1, Rx, "");
    g.type(2, Rx, "146");
    EXPECT_TRUE(g.grid.cell(1, Power).empty());

    // The kept channels come back in the lists of the language now shown,
    // whatever texts the table still holds from before.
    g.table = kept;
    const GridLists english = GridLists::Of(Language::English);
    g.grid.ShowRow(g.table, 1, english);
    g.grid.ShowRow(g.table, 2, english);
    EXPECT_EQ(g.row(1), (std::vector<std::string>{"145.00000", "145.00000", "Off", "Off", "Middle",
                                                  "Off", "On", "wide", "Off", "Off", "AB"}));
    EXPECT_EQ(g.row(2),
              (std::vector<std::string>{"", "", "", "", "", "", "", "", "", "", "SPARE"}));
    EXPECT_TRUE(g.grid.isEmptyRow(2));
    g.grid.ShowRow(g.table, 0, english); // not a channel: nothing
    g.grid.ShowRow(g.table, 129, english);
}

TEST(LanguageSwitch, EveryCellShowsTheSameEntryInTheOtherLanguage)
{
    Grid g;
    g.language = Language::Chinese;
    g.type(1, Rx, "145");
    g.grid.ChooseListItem(g.table, 1, Power, 2, "中");
    g.grid.ChooseListItem(g.table, 1, TxTone, 6, "79.7");
    g.type(2, Rx, "146");

    g.grid.ReadGridIntoTable(g.table, GridLists::Of(Language::Chinese));
    g.grid.FillGridFromTable(g.table, GridLists::Of(Language::English));
    EXPECT_EQ(g.row(1), (std::vector<std::string>{"145.00000", "145.00000", "Off", "79.7", "Middle",
                                                  "Off", "On", "wide", "Off", "Off", ""}));
    EXPECT_EQ(g.grid.cell(2, Power), "High");

    g.grid.ReadGridIntoTable(g.table, GridLists::Of(Language::English));
    g.grid.FillGridFromTable(g.table, GridLists::Of(Language::Chinese));
    EXPECT_EQ(g.row(1), (std::vector<std::string>{"145.00000", "145.00000", "关闭", "79.7", "中",
                                                  "关", "使能", "宽带", "关", "关", ""}));
    EXPECT_EQ(g.table.index(ChannelTable::Power, 1), 2);
    EXPECT_EQ(g.table.index(ChannelTable::TxTone, 1), 6);
}

TEST(LanguageSwitch, ReadGridMatchesCellsOnlyAgainstTheShownLists)
{
    Grid g;
    g.type(1, Rx, "145");
    // "Wide" is the new channel's text, not an item of the list: the index stays.
    g.table.index(ChannelTable::Bandwidth, 1) = 1;
    g.table.index(ChannelTable::RxTone, 1) = 7;
    g.grid.ReadGridIntoTable(g.table, GridLists::Of(Language::English));
    EXPECT_EQ(g.table.index(ChannelTable::Bandwidth, 1), 1);
    EXPECT_EQ(g.table.index(ChannelTable::RxTone, 1), 0); // the cell shows "Off"
}

TEST(CopyPaste, RowsRoundTripBetweenPositions)
{
    Grid g;
    g.type(1, Rx, "145.1");
    g.grid.ChooseListItem(g.table, 1, RxTone, 3, "71.9");
    g.grid.ChooseListItem(g.table, 1, ScanAdd, 0, "Off");
    g.grid.CommitName(g.table, 1, "ONE");
    g.grid.CommitName(g.table, 2, "NAME2");
    const std::string copied = g.grid.CopyRows({1, 2});
    EXPECT_EQ(copied, "145.10000\t145.10000\t71.9\tOff\tHigh\tOff\tOff\tWide\tOff\tOff\tONE\n"
                      "\t\t\t\t\t\t\t\t\t\tNAME2\n");

    g.type(11, Rx, "150");
    int pasted = 0;
    EXPECT_EQ(g.grid.PasteRows(g.table, 10, copied, g.low, g.high, GridLists::Of(Language::English),
                               g.language, &pasted),
              ChannelGrid::PasteStatus::Applied);
    EXPECT_EQ(pasted, 2);
    EXPECT_EQ(g.row(10), (std::vector<std::string>{"145.10000", "145.10000", "71.9", "Off", "High",
                                                   "Off", "Off", "wide", "Off", "Off", "ONE"}));
    EXPECT_EQ(g.table.index(ChannelTable::RxTone, 10), 3);
    EXPECT_EQ(g.table.text(ChannelTable::RxTone, 10), "71.9");
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
    const GridLists lists = GridLists::Of(Language::English);
    using S = ChannelGrid::PasteStatus;
    EXPECT_EQ(g.grid.PasteRows(g.table, 1, "150\n200\n", g.low, g.high, lists, g.language),
              S::OutOfBand);
    EXPECT_EQ(g.grid.PasteRows(g.table, 1, "150\t180\n", g.low, g.high, lists, g.language),
              S::OutOfBand);
    EXPECT_EQ(g.grid.PasteRows(g.table, 1, "hello world", g.low, g.high, lists, g.language),
              S::NotChannelRows);
    EXPECT_EQ(g.grid.PasteRows(g.table, 1, "150\t150\tbogus", g.low, g.high, lists, g.language),
              S::NotChannelRows);
    EXPECT_EQ(g.grid.PasteRows(g.table, 1, "", g.low, g.high, lists, g.language),
              S::NotChannelRows);
    EXPECT_EQ(g.table.rx(1), before.rx(1));
    EXPECT_EQ(g.table.rx(2), "");
    EXPECT_EQ(g.grid.cell(1, Rx), "145.00000");
}

TEST(CopyPaste, FrequencyColumnAloneMakesNewChannelsAndKeepsExisting)
{
    Grid g;
    g.type(2, Rx, "145");
    g.grid.ChooseListItem(g.table, 2, Power, 0, "Low");
    const GridLists lists = GridLists::Of(Language::English);
    EXPECT_EQ(g.grid.PasteRows(g.table, 127, "146.107\r\n147\r\n148\r\n", g.low, g.high, lists,
                               g.language),
              ChannelGrid::PasteStatus::Applied);
    EXPECT_EQ(g.grid.cell(127, Rx), "146.10625");
    EXPECT_EQ(g.grid.cell(127, Tx), "146.10625");
    EXPECT_EQ(g.grid.cell(128, Power), "High");
    // Lines beyond the last channel are left out.
    EXPECT_EQ(g.grid.cell(128, Rx), "147.00000");

    EXPECT_EQ(g.grid.PasteRows(g.table, 2, "150", g.low, g.high, lists, g.language),
              ChannelGrid::PasteStatus::Applied);
    EXPECT_EQ(g.grid.cell(2, Rx), "150.00000");
    EXPECT_EQ(g.grid.cell(2, Tx), "145.00000");
    EXPECT_EQ(g.grid.cell(2, Power), "Low");
}

TEST(CopyPaste, RowsCopiedInChinesePasteInEnglish)
{
    Grid g;
    g.language = Language::Chinese;
    g.type(1, Rx, "145");
    const std::string copied = g.grid.CopyRows({1});
    g.language = Language::English;
    EXPECT_EQ(g.grid.PasteRows(g.table, 5, copied, g.low, g.high, GridLists::Of(Language::English),
                               g.language),
              ChannelGrid::PasteStatus::Applied);
    EXPECT_EQ(g.row(5), (std::vector<std::string>{"145.00000", "145.00000", "Off", "Off", "High",
                                                  "Off", "On", "wide", "Off", "Off", ""}));
}
