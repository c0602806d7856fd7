#include "files/csv_channels.h"

#include "image/band_list.h"
#include "image/channel_fields.h"
#include "image/codec.h"
#include "image/entry_rules.h"
#include "image/text_helpers.h"
#include "image/tones.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <tuple>

namespace q731 {
namespace {

using Row = ChannelTable::Row;

constexpr BandLimits kVhf{136, 174};

void PutChannel(ChannelTable &t, int n, const std::string &rx, const std::string &tx, int rxTone,
                int txTone, std::array<int, 6> options = {1, 1, 1, 1, 1, 1})
{
    t.rx(n) = rx;
    t.tx(n) = tx;
    t.index(Row::RxTone, n) = rxTone;
    t.index(Row::TxTone, n) = txTone;
    for (int row = Row::Power; row <= Row::Scramble; ++row)
        t.index(static_cast<Row>(row), n) = options[static_cast<std::size_t>(row - Row::Power)];
}

const CsvChannel *ChannelAt(const CsvImport &import, int location)
{
    for (const CsvChannel &c : import.channels) {
        if (c.location == location)
            return &c;
    }
    return nullptr;
}

std::string Header()
{
    std::string header;
    for (const std::string &column : CsvChannelColumns())
        header += (header.empty() ? "" : ",") + column;
    return header;
}

TEST(CsvChannels, ExportThenImportKeepsEveryToneCombinationAndOption)
{
    // Off, two CTCSS tones, a DCS code in both polarities and another code.
    const std::vector<int> tones = {0, 1, 50, 52, 159, 157};
    ChannelTable table;
    int n = 1;
    for (int rx : tones) {
        for (int tx : tones) {
            const std::array<int, 6> options = {n % 3,       n % 2,       (n / 2) % 2,
                                                (n / 3) % 2, (n / 5) % 2, (n / 7) % 2};
            const bool split = n % 4 == 0;
            PutChannel(table, n, "145.12500", split ? "" : (n % 2 ? "146.72500" : "144.52500"), rx,
                       tx, options);
            table.name(n) = n % 5 ? "CH" + std::to_string(n) : "A,B#C";
            ++n;
        }
    }
    const std::string csv = ExportChannelsCsv(table, kVhf).text;
    const CsvImport import = ParseChannelsCsv(csv, kVhf);
    ASSERT_TRUE(import.problems.empty()) << import.problems.front().line;
    // Only the repeated names are told; no value changed.
    for (const CsvChange &change : import.changes)
        EXPECT_EQ(change.kind, CsvChange::Kind::DuplicateName) << change.line;
    ASSERT_EQ(import.channels.size(), tones.size() * tones.size());

    ChannelTable back;
    for (const CsvChannel &channel : import.channels)
        ApplyCsvChannel(channel, back);
    for (int c = 1; c < n; ++c) {
        SCOPED_TRACE(c);
        EXPECT_EQ(back.rx(c), table.rx(c));
        EXPECT_EQ(back.tx(c), table.tx(c));
        EXPECT_EQ(back.name(c), table.name(c));
        for (int row = 0; row < ChannelTable::kRows; ++row)
            EXPECT_EQ(back.index(static_cast<Row>(row), c), table.index(static_cast<Row>(row), c));
    }
}

TEST(CsvChannels, ExportUsesTheExchangeForms)
{
    ChannelTable table;
    PutChannel(table, 3, "145.12500", "145.72500", 9, 9, {2, 0, 0, 0, 1, 0});
    table.name(3) = "RPT";
    // Transmit stop on: Duplex off, the transmit frequency kept in Offset.
    PutChannel(table, 4, "145.10625", "145.72500", 0, 0, {0, 1, 1, 1, 0, 1});
    const CsvExport exported = ExportChannelsCsv(table, kVhf);
    const std::string &csv = exported.text;
    EXPECT_TRUE(exported.leftOut.empty());
    EXPECT_EQ(csv.substr(0, csv.find('\n')), Header());
    EXPECT_EQ(csv.substr(csv.find('\n') + 1),
              "3,RPT,145.125000,+,0.600000,TSQL,88.5,88.5,023,NN,023,Tone->Tone,NFM,5.00,S,"
              "2.5W,,,,,,Carrier,Off,On\n"
              "4,,145.106250,off,145.725000,,88.5,88.5,023,NN,023,Tone->Tone,FM,6.25,,"
              "1.0W,,,,,,Off,On,Off\n");
}

TEST(CsvChannels, HandWrittenListWithEveryToneModeAndDuplexKind)
{
    const std::string csv =
        "\xEF\xBB\xBF# written by hand\r\n"
        "Frequency,Location,Name,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
        "DtcsPolarity,RxDtcsCode,CrossMode,Mode,Skip,Power\r\n"
        "146.52,1,simplex,,,,,,,,,,FM,,High\r\n"
        "145.5,2,rpt+,+,0.6,Tone,100,,,,,,NFM,S,5.0W\r\n"
        "# a comment between rows\r\n"
        "145.5,3,rpt-,-,0.6,TSQL,,127.3,,,,,FM,,Low\r\n"
        "150.0,4,split,split,160.0,DTCS,,,23,NR,,,FM,P,Mid\r\n"
        "150.0,5,txstop,off,0,Cross,,,25,RN,754,DTCS->DTCS,FM,,0.5W\r\n"
        "150.0,6,tone2dcs,,,Cross,67,,,NR,17,Tone->DTCS,FM,,3W\r\n"
        "150.0,7,dcs2tone,,,Cross,,254.1,754,RN,,DTCS->Tone,FM,,1W\r\n"
        "150.0,8,rxtone,,,Cross,,88.5,,,,->Tone,FM,,\r\n"
        "150.0,9,rxdcs,,,Cross,,,,NR,31,->DTCS,FM,,\r\n"
        "150.0,10,txdcs,,,Cross,,,31,NN,,DTCS->,FM,,\r\n"
        "150.0,11,t2t,,,Cross,67.0,69.3,,,,Tone->Tone,FM,,\r\n";
    const CsvImport import = ParseChannelsCsv(csv, kVhf);
    ASSERT_TRUE(import.problems.empty()) << import.problems.front().line;
    ASSERT_EQ(import.channels.size(), 11u);

    const auto tone = [](const char *text) { return ToneIndexOf(text); };
    struct Expected
    {
        int location;
        const char *rx, *tx;
        int rxTone, txTone, power, scan, bandwidth;
        const char *name;
        int line;
    };
    const Expected expected[] = {
        {1, "146.52000", "146.52000", 0, 0, 1, 1, 1, "SIMPLEX", 3},
        {2, "145.50000", "146.10000", 0, tone("100.0"), 1, 0, 0, "RPT+", 4},
        {3, "145.50000", "144.90000", tone("127.3"), tone("127.3"), 0, 1, 1, "RPT-", 6},
        {4, "150.00000", "160.00000", tone("D023I"), tone("D023N"), 2, 1, 1, "SPLIT", 7},
        {5, "150.00000", "150.00000", tone("D754N"), tone("D025I"), 0, 1, 1, "TXSTOP", 8},
        {6, "150.00000", "150.00000", tone("D017I"), tone("67.0"), 2, 1, 1, "TONE2DCS", 9},
        {7, "150.00000", "150.00000", tone("254.1"), tone("D754I"), 0, 1, 1, "DCS2TONE", 10},
        {8, "150.00000", "150.00000", tone("88.5"), 0, 1, 1, 1, "RXTONE", 11},
        {9, "150.00000", "150.00000", tone("D031I"), 0, 1, 1, 1, "RXDCS", 12},
        {10, "150.00000", "150.00000", 0, tone("D031N"), 1, 1, 1, "TXDCS", 13},
        {11, "150.00000", "150.00000", tone("69.3"), tone("67.0"), 1, 1, 1, "T2T", 14},
    };
    for (const Expected &e : expected) {
        SCOPED_TRACE(e.location);
        const CsvChannel *c = ChannelAt(import, e.location);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->rx, e.rx);
        EXPECT_EQ(c->tx, e.tx);
        EXPECT_EQ(c->index(Row::RxTone), e.rxTone);
        EXPECT_EQ(c->index(Row::TxTone), e.txTone);
        EXPECT_EQ(c->index(Row::Power), e.power);
        EXPECT_EQ(c->index(Row::ScanAdd), e.scan);
        EXPECT_EQ(c->index(Row::Bandwidth), e.bandwidth);
        EXPECT_EQ(c->name, e.name);
        EXPECT_EQ(c->line, e.line);
        // Columns the list lacks take what a new channel gets.
        EXPECT_EQ(c->index(Row::BusyLock), 1);
        // Duplex off inhibits transmitting.
        EXPECT_EQ(c->index(Row::TxStop), e.location == 5 ? 0 : 1);
        EXPECT_EQ(c->index(Row::Scramble), 1);
    }
}

TEST(CsvChannels, TypingRulesForFrequenciesAndNames)
{
    const std::string csv = "Location,Frequency,Name,Duplex,Offset\n"
                            "1,145.127,abcdefghij,,\n" // snapped; name upper-cased, 8 kept
                            "2,145.107,a b!c~d,,\n"    // 6.25 kHz raster; space ! ~ dropped
                            "3,136,,+,37.99\n"         // lower limit is in the band
                            ",,,,\n"                   // a row of empty fields is skipped
                            "5,,old,,\n";              // empty frequency clears the channel
    const CsvImport import = ParseChannelsCsv(csv, kVhf);
    ASSERT_TRUE(import.problems.empty());
    ASSERT_EQ(import.channels.size(), 4u);
    EXPECT_EQ(ChannelAt(import, 1)->rx, "145.12500");
    EXPECT_EQ(ChannelAt(import, 1)->name, "ABCDEFGH");
    EXPECT_EQ(ChannelAt(import, 2)->rx, "145.10625");
    EXPECT_EQ(ChannelAt(import, 2)->name, "ABCD");
    EXPECT_EQ(ChannelAt(import, 3)->tx, "173.99000");
    ASSERT_NE(ChannelAt(import, 5), nullptr);
    EXPECT_TRUE(ChannelAt(import, 5)->clear);

    ChannelTable table;
    PutChannel(table, 5, "150.00000", "150.00000", 1, 1);
    table.name(5) = "KEEP";
    ApplyCsvChannel(*ChannelAt(import, 5), table);
    EXPECT_TRUE(table.rx(5).empty());
    EXPECT_TRUE(table.name(5).empty());
}

TEST(CsvChannels, InvalidRowsAreReportedWithTheirLines)
{
    const std::string csv = "Location,Frequency,Duplex,Offset,Tone,rToneFreq,DtcsCode,"
                            "DtcsPolarity,Mode,Skip,Power,TxStop,Name\n"
                            "0,145,,,,,,,,,,,\n" // 2 location
                            "1,174,,,,,,,,,,,\n" // 3 upper band limit
                            "# comment\n"
                            "2,14x,,,,,,,,,,,\n"                // 5 not a number
                            "3,145,+,x,,,,,,,,,\n"              // 6 offset not a number
                            "4,145,+,30,,,,,,,,,\n"             // 7 tx beyond the band
                            "5,145,*,,,,,,,,,,\n"               // 8 duplex
                            "6,145,,,Tone,72.5,,,,,,,\n"        // 9 tone not in the list
                            "7,145,,,DTCS,,024,,,,,,\n"         // 10 code not in the list
                            "8,145,,,DTCS,,023,NX,,,,,\n"       // 11 polarity
                            "9,145,,,TSQL-R,,,,,,,,\n"          // 12 tone mode
                            "10,145,,,,,,,AM,,,,\n"             // 13 mode
                            "11,145,,,,,,,,X,,,\n"              // 14 skip
                            "12,145,,,,,,,,,lots,,\n"           // 15 power
                            "13,145,,,,,,,,,,maybe,\n"          // 16 own column
                            "14,145,,,,,,,,,,,\"two\nlines\"\n" // 17 fine, spans 2 lines
                            "14,146,,,,,,,,,,,\n"               // 19 duplicate
                            "15,145,,,,,,,,,,,ok\n";            // 20 fine
    const CsvImport import = ParseChannelsCsv(csv, kVhf);
    const std::vector<std::pair<int, CsvProblem>> expected = {
        {2, CsvProblem::BadLocation},
        {3, CsvProblem::OutOfBand},
        {5, CsvProblem::BadFrequency},
        {6, CsvProblem::BadOffset},
        {7, CsvProblem::OutOfBand},
        {8, CsvProblem::BadDuplex},
        {9, CsvProblem::BadTone},
        {10, CsvProblem::BadDcsCode},
        {11, CsvProblem::BadPolarity},
        {12, CsvProblem::BadToneMode},
        {13, CsvProblem::BadMode},
        {14, CsvProblem::BadSkip},
        {15, CsvProblem::BadPower},
        {16, CsvProblem::BadOption},
        {19, CsvProblem::DuplicateLocation},
    };
    ASSERT_EQ(import.problems.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(import.problems[i].line, expected[i].first);
        EXPECT_EQ(import.problems[i].problem, expected[i].second);
    }
    EXPECT_EQ(import.problems[1].column, "Frequency");
    EXPECT_EQ(import.problems[1].value, "174");
    EXPECT_EQ(import.problems[4].value, "175.00000");
    ASSERT_EQ(import.channels.size(), 2u);
    EXPECT_EQ(import.channels[0].line, 17);
    EXPECT_EQ(import.channels[1].name, "OK");
}

// The band is held against the value that will be stored, and a number of
// more digits than can be read is never taken for 0.
TEST(CsvChannels, ValuesRoundingOntoTheBandLimitOrTooLargeAreRefused)
{
    const std::string nines(400, '9');
    const std::string tiny = "0." + std::string(400, '0') + "1";
    const std::vector<std::string> rows = {
        "Location,Frequency,Duplex,Offset,Power",
        "1,469.999996,,,",            // line 2: stored as 470.00000
        "2,469.99999,,,",             // 3: fine, 469.99500
        "3,465,+,4.9999996,",         // 4: transmit 470.00000
        "4,465,+," + nines + ",",     // 5: was simplex
        "5,465,split," + nines + ",", // 6
        "6,465,,," + nines,           // 7: was low power
        "7,465,,," + nines + "W",     // 8
        "8," + nines + ",,,",         // 9
        "9,465,-," + tiny + ",5",     // 10: fine, the offset rounds to 0
        "10,-" + nines + ",,,",       // 11
    };
    std::string csv;
    for (const std::string &row : rows)
        csv += row + "\n";
    const CsvImport import = ParseChannelsCsv(csv, BandLimitsOf(3));
    struct Expected
    {
        int line;
        CsvProblem problem;
        const char *column;
        std::string value;
    };
    const Expected expected[] = {
        {2, CsvProblem::OutOfBand, "Frequency", "469.999996"},
        {4, CsvProblem::OutOfBand, "Offset", "470.00000"},
        {5, CsvProblem::OutOfBand, "Offset", nines},
        {6, CsvProblem::OutOfBand, "Offset", nines},
        {7, CsvProblem::NumberOutOfRange, "Power", nines},
        {8, CsvProblem::NumberOutOfRange, "Power", nines + "W"},
        {9, CsvProblem::OutOfBand, "Frequency", nines},
        {11, CsvProblem::OutOfBand, "Frequency", "-" + nines},
    };
    ASSERT_EQ(import.problems.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(expected[i].line);
        EXPECT_EQ(import.problems[i].line, expected[i].line);
        EXPECT_EQ(import.problems[i].problem, expected[i].problem);
        EXPECT_EQ(import.problems[i].column, expected[i].column);
        EXPECT_EQ(import.problems[i].value, expected[i].value);
    }
    ASSERT_EQ(import.channels.size(), 2u);
    EXPECT_EQ(import.channels[0].rx, "469.99500");
    EXPECT_EQ(import.channels[1].tx, "465.00000");
    EXPECT_EQ(import.channels[1].index(Row::Power), 1);

    // The transmit frequency at the upper limit that reached a radio.
    const CsvImport vhf = ParseChannelsCsv("Location,Frequency,Duplex,Offset\n"
                                           "1,173.99999995,,\n"
                                           "2,173.99,+,0.0099996\n"
                                           "3,173.99,split,173.9999996\n",
                                           kVhf);
    EXPECT_TRUE(vhf.channels.empty());
    ASSERT_EQ(vhf.problems.size(), 3u);
    for (const CsvRowProblem &problem : vhf.problems)
        EXPECT_EQ(problem.problem, CsvProblem::OutOfBand) << problem.line;
}

// The rule import had before: the band held against the value as written,
// then rounded. Every row it took into the band is taken the same way now;
// only what it stored on or beyond a band limit is refused.
TEST(CsvChannels, RowsThatNeverReachedALimitImportAsBefore)
{
    const auto bandBeforeRounding = [](double value,
                                       BandLimits band) -> std::optional<std::string> {
        if (value < band.lowMHz || value >= band.highMHz)
            return std::nullopt;
        return FormatFixed(SnapFrequencyStep(FormatFixed(value, 5)), 5);
    };
    const auto inBand = [](const std::string &stored, BandLimits band) {
        return FrequencyInBand(stored, band.lowMHz, band.highMHz);
    };
    std::mt19937 random(469);
    std::uniform_int_distribution<int> bandIndex(0, 7);
    std::uniform_int_distribution<int> digits(0, 9);
    std::uniform_int_distribution<int> decimals(0, 9);
    int refusedNow = 0;
    for (int round = 0; round < 4000; ++round) {
        const BandLimits band = BandLimitsOf(bandIndex(random));
        // Mostly near a band limit, where rounding matters.
        std::uniform_int_distribution<int> whole(band.lowMHz - 1, band.highMHz);
        auto number = [&](int integer) {
            std::string text = std::to_string(integer) + ".";
            const int count = decimals(random);
            for (int i = 0; i < count; ++i)
                text += static_cast<char>('0' + (round % 3 == 0 ? 9 : digits(random)));
            return text;
        };
        const std::string rx = number(round % 2 ? whole(random) : band.highMHz - 1);
        const std::string offset = number(round % 5);
        const char *duplex = round % 4 == 0 ? "+" : round % 4 == 1 ? "-" : "";
        const CsvImport import = ParseChannelsCsv(
            "Location,Frequency,Duplex,Offset\n1," + rx + "," + duplex + "," + offset + "\n", band);
        SCOPED_TRACE(rx + " " + duplex + " " + offset);

        const double rxValue = *ParseNumber(rx);
        std::optional<std::string> rxBefore = bandBeforeRounding(rxValue, band);
        std::optional<std::string> txBefore = rxBefore;
        if (rxBefore && *duplex) {
            const double sign = *duplex == '+' ? 1 : -1;
            txBefore = bandBeforeRounding(rxValue + sign * *ParseNumber(offset), band);
        }
        if (!rxBefore || !txBefore) {
            EXPECT_TRUE(import.channels.empty());
            continue;
        }
        if (!inBand(*rxBefore, band) || !inBand(*txBefore, band)) {
            ASSERT_EQ(import.problems.size(), 1u);
            EXPECT_EQ(import.problems[0].problem, CsvProblem::OutOfBand);
            ++refusedNow;
            continue;
        }
        ASSERT_EQ(import.channels.size(), 1u);
        EXPECT_EQ(import.channels[0].rx, *rxBefore);
        EXPECT_EQ(import.channels[0].tx, *txBefore);
    }
    // The rows the old rule let through onto a limit did come up.
    EXPECT_GT(refusedNow, 10);
}

TEST(CsvChannels, PowerWordsAndWatts)
{
    // clang-format off
    const std::vector<std::pair<std::string, int>> cases = {
        {"Low", 0},  {"mid", 2},  {"HIGH", 1}, {"5.0W", 1},
        {"1.0W", 0}, {"2.5W", 2}, {"0.5W", 0},
        {"1.75W", 0}, {"1.8W", 2}, {"3.75W", 2}, {"3.8W", 1},
        {"50W", 1},  {"4", 1},    {"", 1},
    };
    // clang-format on
    std::string csv = "Location,Frequency,Power\n";
    for (std::size_t i = 0; i < cases.size(); ++i)
        csv += std::to_string(i + 1) + ",145," + cases[i].first + "\n";
    const CsvImport import = ParseChannelsCsv(csv, kVhf);
    ASSERT_TRUE(import.problems.empty());
    for (std::size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(import.channels[i].index(Row::Power), cases[i].second) << cases[i].first;
}

TEST(CsvChannels, FileProblems)
{
    CsvImport import = ParseChannelsCsv("Location,Name\n1,A\n", kVhf);
    ASSERT_EQ(import.problems.size(), 1u);
    EXPECT_EQ(import.problems[0].problem, CsvProblem::MissingColumn);
    EXPECT_EQ(import.problems[0].column, "Frequency");

    import = ParseChannelsCsv("# only a comment\n\n", kVhf);
    ASSERT_EQ(import.problems.size(), 1u);
    EXPECT_EQ(import.problems[0].problem, CsvProblem::NoHeader);

    import = ParseChannelsCsv("Location,Frequency,Name\n1,145,ok\n2,145,\"open\n", kVhf);
    ASSERT_EQ(import.channels.size(), 1u);
    ASSERT_EQ(import.problems.size(), 1u);
    EXPECT_EQ(import.problems[0].problem, CsvProblem::UnclosedQuote);
    EXPECT_EQ(import.problems[0].line, 3);
}

// What typing would change is taken and told, by line: a frequency moved
// onto the raster, a name raised, with characters dropped, cut or left
// empty, a wattage of no level, a name that an earlier row already took.
TEST(CsvChannels, ValuesTakenChangedAreToldByLine)
{
    const std::string csv = "Location,Frequency,Duplex,Offset,Name,Power\n"
                            "1,160.2225,+,0.6,AAR 07a,\n"    // 2: both moved; raised, dropped
                            "2,160.2150,,,Yard Channel,4W\n" // 3: on the raster; dropped, cut
                            "3,161.100,split,160.5075,!!,\n" // 4: transmit moved; left empty
                            "4,160.8000,,,AAR07A,5W\n"       // 5: the name of line 2
                            "5,160.8,,,NORTH,\n";            // 6: nothing changed
    const CsvImport import = ParseChannelsCsv(csv, kVhf);
    ASSERT_TRUE(import.problems.empty());
    ASSERT_EQ(import.channels.size(), 5u);
    using Kind = CsvChange::Kind;
    struct Expected
    {
        int line;
        Kind kind;
        std::string from, to;
    };
    const std::vector<Expected> expected = {
        {2, Kind::Frequency, "160.2225", "160.22000"},
        {2, Kind::TxFrequency, "160.8225", "160.82000"},
        {2, Kind::Name, "AAR 07a", "AAR07A"},
        {3, Kind::Power, "4W", "5.0W"},
        {3, Kind::Name, "Yard Channel", "YARDCHAN"},
        {4, Kind::TxFrequency, "160.5075", "160.50625"},
        {4, Kind::Name, "!!", ""},
        {5, Kind::DuplicateName, "AAR07A", "AAR07A"},
    };
    ASSERT_EQ(import.changes.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(import.changes[i].line, expected[i].line);
        EXPECT_EQ(import.changes[i].kind, expected[i].kind);
        EXPECT_EQ(import.changes[i].from, expected[i].from);
        EXPECT_EQ(import.changes[i].to, expected[i].to);
        EXPECT_FALSE(import.changes[i].refused);
    }
    EXPECT_TRUE(import.changes[2].raised);
    EXPECT_EQ(import.changes[2].dropped, 1);
    EXPECT_FALSE(import.changes[2].cut);
    EXPECT_TRUE(import.changes[4].raised);
    EXPECT_EQ(import.changes[4].dropped, 1);
    EXPECT_TRUE(import.changes[4].cut);
    EXPECT_EQ(import.changes[6].dropped, 2);
    EXPECT_EQ(import.changes[7].otherLine, 2);
    EXPECT_EQ(import.rowsWithWarnings(), 4);
    // Taken as typing takes them.
    EXPECT_EQ(import.channels[0].rx, "160.22000");
    EXPECT_EQ(import.channels[0].tx, "160.82000");
    EXPECT_EQ(import.channels[1].index(Row::Power), 1);
    EXPECT_EQ(import.channels[2].name, "");

    // Strict: every row with a change is left out, its changes told as the reason.
    const CsvImport strict = ImportChannelsCsv(csv, kVhf, {}, {.placement = {}, .strict = true});
    ASSERT_EQ(strict.channels.size(), 2u);
    EXPECT_EQ(strict.channels[0].line, 5); // its name no longer repeats a row taken
    EXPECT_EQ(strict.channels[1].line, 6);
    ASSERT_EQ(strict.problems.size(), 3u);
    for (const CsvRowProblem &problem : strict.problems)
        EXPECT_EQ(problem.problem, CsvProblem::ValueChanged) << problem.line;
    ASSERT_EQ(strict.changes.size(), 7u);
    for (const CsvChange &change : strict.changes)
        EXPECT_TRUE(change.refused) << change.line;
    EXPECT_EQ(strict.rowsWithWarnings(), 0);
}

TEST(CsvChannels, PlacementByLocationRenumberedOrIntoAnEmptiedTable)
{
    // A list that counts from 0, as some radios do.
    std::string fromZero = "Location,Frequency,Name\n";
    for (int i = 0; i < 5; ++i)
        fromZero +=
            std::to_string(i) + ",146." + std::to_string(i) + ",R" + std::to_string(i) + "\n";
    ChannelTable table;
    PutChannel(table, 3, "150.00000", "150.00000", 0, 0);
    PutChannel(table, 10, "150.00000", "150.00000", 0, 0);

    // By Location, the row of channel 0 has no channel.
    CsvImport byLocation = ImportChannelsCsv(fromZero, kVhf, table, {});
    ASSERT_EQ(byLocation.problems.size(), 1u);
    EXPECT_EQ(byLocation.problems[0].problem, CsvProblem::BadLocation);
    EXPECT_EQ(byLocation.channels.size(), 4u);
    // Channel 3 in use is overwritten; channel 10 is left alone.
    EXPECT_EQ(byLocation.replaced, std::vector<int>{3});
    EXPECT_TRUE(byLocation.emptied.empty());
    // A row with the values a channel has replaces nothing; one without a
    // frequency empties it.
    const CsvImport sameOrEmpty =
        ImportChannelsCsv("Location,Frequency,Name\n3,150,\n10,,\n", kVhf, table, {});
    EXPECT_TRUE(sameOrEmpty.replaced.empty());
    EXPECT_EQ(sameOrEmpty.emptied, std::vector<int>{10});

    // Renumbered from 2: the free channels 2, 4, 5, 6, 7 in file order.
    CsvImport renumbered =
        ImportChannelsCsv(fromZero, kVhf, table, {.placement = {.renumber = true, .first = 2}});
    ASSERT_TRUE(renumbered.problems.empty());
    std::vector<int> locations;
    for (const CsvChannel &c : renumbered.channels)
        locations.push_back(c.location);
    EXPECT_EQ(locations, (std::vector<int>{2, 4, 5, 6, 7}));
    EXPECT_TRUE(renumbered.replaced.empty() && renumbered.emptied.empty());
    ChannelTable after = ApplyCsvImport(renumbered, table);
    EXPECT_EQ(after.rx(3), "150.00000"); // channels in use stay
    EXPECT_EQ(after.name(4), "R1");
    EXPECT_TRUE(after.rx(1).empty());

    // Emptied first, channel 3 and 10 are free as well.
    renumbered = ImportChannelsCsv(fromZero, kVhf, table,
                                   {.placement = {.renumber = true, .first = 2, .clear = true}});
    locations.clear();
    for (const CsvChannel &c : renumbered.channels)
        locations.push_back(c.location);
    EXPECT_EQ(locations, (std::vector<int>{2, 3, 4, 5, 6}));
    EXPECT_EQ(renumbered.replaced, std::vector<int>{3});
    EXPECT_EQ(renumbered.emptied, std::vector<int>{10});
    after = ApplyCsvImport(renumbered, table);
    EXPECT_TRUE(after.rx(10).empty());
    EXPECT_EQ(after.name(3), "R1");

    // 140 rows with Locations above 128, no Location column needed: 128 fit,
    // the others are left out for want of a channel. Empty Frequencies have
    // nothing to empty.
    std::string large = "Frequency,Name\n,EMPTY\n";
    for (int i = 0; i < 140; ++i)
        large += "145." + std::to_string(100 + i * 5) + ",\n";
    const CsvImport full =
        ImportChannelsCsv(large, kVhf, table, {.placement = {.renumber = true, .clear = true}});
    EXPECT_EQ(full.channels.size(), 128u);
    EXPECT_EQ(full.channels.back().location, 128);
    ASSERT_EQ(full.problems.size(), 13u);
    EXPECT_EQ(full.problems[0].problem, CsvProblem::NoFrequency);
    EXPECT_EQ(full.problems[0].line, 2);
    for (std::size_t i = 1; i < full.problems.size(); ++i)
        EXPECT_EQ(full.problems[i].problem, CsvProblem::NoFreeChannel);
    EXPECT_EQ(full.problems[1].line, 131);
    // Without renumbering the Location column stays required.
    EXPECT_TRUE(ImportChannelsCsv(large, kVhf, table, {}).fileProblem());

    // A first channel outside 1..128 is held to it.
    const CsvImport last =
        ImportChannelsCsv(fromZero, kVhf, {}, {.placement = {.renumber = true, .first = 500}});
    ASSERT_EQ(last.channels.size(), 1u);
    EXPECT_EQ(last.channels[0].location, 128);
}

// Duplex and Offset both ways: every kind of channel goes out and comes back
// as it was, and lists written by hand read as their authors mean them.
TEST(CsvChannels, DuplexMappingBothWays)
{
    struct Case
    {
        const char *tx;
        int txStop; // option index: 0 on
        const char *duplex;
        const char *offset;
    };
    const Case cases[] = {
        {"145.50000", 1, "", "0.000000"},
        {"146.10000", 1, "+", "0.600000"},
        {"144.90000", 1, "-", "0.600000"},
        {"", 1, "split", ""},
        {"145.50000", 0, "off", "0.000000"},
        {"150.00625", 0, "off", "150.006250"},
        {"", 0, "off", ""},
    };
    ChannelTable table;
    int n = 1;
    for (const Case &c : cases) {
        PutChannel(table, n, "145.50000", c.tx, 0, 0, {1, 1, 1, 1, c.txStop, 1});
        ++n;
    }
    const CsvExport exported = ExportChannelsCsv(table, kVhf);
    const CsvImport back = ParseChannelsCsv(exported.text, kVhf);
    ASSERT_EQ(back.channels.size(), std::size(cases));
    EXPECT_TRUE(back.changes.empty());
    std::size_t start = exported.text.find('\n') + 1;
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        const std::size_t end = exported.text.find('\n', start);
        const std::string row = exported.text.substr(start, end - start);
        start = end + 1;
        EXPECT_NE(
            row.find(std::string(",145.500000,") + cases[i].duplex + "," + cases[i].offset + ","),
            std::string::npos)
            << row;
        EXPECT_EQ(back.channels[i].tx, cases[i].tx);
        EXPECT_EQ(back.channels[i].index(Row::TxStop), cases[i].txStop);
    }

    // The way lists are written by hand and by other programs.
    const CsvImport hand = ParseChannelsCsv("Location,Frequency,Duplex,Offset,Tone,rToneFreq\n"
                                            "1,146.94,-,,TSQL,100.0\n" // no offset: 0
                                            "2,146.94,+,,,\n"
                                            "3,146.94,off,0.6,,\n" // a distance kept with off
                                            "4,146.94,OFF,147.5,,\n"
                                            "5,146.94,off,200,,\n"
                                            "6,146.94,split,,,\n",
                                            kVhf);
    ASSERT_EQ(hand.channels.size(), 5u);
    const auto tone = ToneIndexOf("100.0");
    EXPECT_EQ(hand.channels[0].tx, "146.94000");
    EXPECT_EQ(hand.channels[0].index(Row::TxTone), tone); // rToneFreq alone, both ways
    EXPECT_EQ(hand.channels[0].index(Row::RxTone), tone);
    EXPECT_EQ(hand.channels[1].tx, "146.94000");
    EXPECT_EQ(hand.channels[2].tx, "146.94000");
    EXPECT_EQ(hand.channels[2].index(Row::TxStop), 0);
    EXPECT_EQ(hand.channels[3].tx, "147.50000");
    EXPECT_EQ(hand.channels[3].index(Row::TxStop), 0);
    EXPECT_EQ(hand.channels[4].tx, "");
    EXPECT_EQ(hand.channels[4].index(Row::TxStop), 1);
    ASSERT_EQ(hand.problems.size(), 1u);
    EXPECT_EQ(hand.problems[0].line, 6); // 200 MHz is no frequency of the band
    EXPECT_EQ(hand.problems[0].problem, CsvProblem::OutOfBand);
}

// Option columns read the words `show` prints, in both languages, where the
// column means what the field means.
TEST(CsvChannels, OptionColumnsReadTheWordsShowPrints)
{
    const std::vector<std::tuple<std::string, std::string, Row, int>> cases = {
        {"BusyLock", "Carry", Row::BusyLock, 0}, {"BusyLock", "carrier", Row::BusyLock, 0},
        {"BusyLock", "ON", Row::BusyLock, 0},    {"BusyLock", "载波", Row::BusyLock, 0},
        {"BusyLock", "关", Row::BusyLock, 1},    {"Power", "Middle", Row::Power, 2},
        {"Power", "高", Row::Power, 1},          {"Mode", "Narror", Row::Bandwidth, 0},
        {"Mode", "Wide", Row::Bandwidth, 1},     {"Mode", "窄带", Row::Bandwidth, 0},
        {"TxStop", "开", Row::TxStop, 0},        {"Scramble", "关", Row::Scramble, 1},
    };
    for (const auto &[column, word, row, index] : cases) {
        SCOPED_TRACE(column + " " + word);
        const CsvImport import =
            ParseChannelsCsv("Location,Frequency," + column + "\n1,145," + word + "\n", kVhf);
        ASSERT_EQ(import.channels.size(), 1u);
        EXPECT_EQ(import.channels[0].index(row), index);
    }
    // Every item of every option list in the program's source language is
    // read as its entry (but Skip's, which says the opposite of the list).
    const GridLists source =
        GridLists::Translated([](const char *, const char *text) { return text; });
    for (const ChannelField &field : ChannelFields()) {
        if (field.kind != ChannelField::Kind::Option || field.csvColumn == "Skip")
            continue;
        const std::vector<std::string> &items = source.forColumn(field.row + 3);
        for (std::size_t i = 0; i < items.size(); ++i) {
            SCOPED_TRACE(items[i]);
            const CsvImport import = ParseChannelsCsv(
                "Location,Frequency," + std::string(field.csvColumn) + "\n1,145," + items[i] + "\n",
                kVhf);
            ASSERT_EQ(import.channels.size(), 1u);
            EXPECT_EQ(import.channels[0].index(static_cast<Row>(field.row)), int(i));
        }
    }
    // Skip says the opposite of "add to scan": On and Off would read backwards.
    const CsvImport skip = ParseChannelsCsv("Location,Frequency,Skip\n1,145,On\n", kVhf);
    ASSERT_EQ(skip.problems.size(), 1u);
    EXPECT_EQ(skip.problems[0].problem, CsvProblem::BadSkip);
}

TEST(CsvChannels, ExportLeavesOutFrequenciesDecodedFromADamagedImage)
{
    RadioImage image{};
    std::fill(image.begin(), image.end(), std::uint8_t{0xFF});
    const auto put = [&image](int n, std::array<std::uint8_t, 8> frequencies) {
        std::copy(frequencies.begin(), frequencies.end(), image.begin() + 13 * (n - 1));
        image[13 * (n - 1) + 12] = 0xFF; // every option off or at its top entry
    };
    // BCD, the lowest digit pair first.
    put(1, {0x00, 0x25, 0x51, 0x14, 0x00, 0x25, 0x57, 0x14}); // fine: 145.12500 / 145.72500
    put(2, {0x00, 0x25, 0x51, 0x14, 0x00, 0x25, 0x51, 0x4A}); // 4A5.12500
    put(3, {0x00, 0x25, 0x51, 0x14, 0x00, 0x00, 0x00, 0x18}); // 180.00000, outside the band
    put(4, {0x00, 0x25, 0x51, 0x14, 0x45, 0x23, 0x51, 0x14}); // 145.12345, off the raster
    image[1814] = 0;                                          // band 136-174MHz
    RadioData data;
    DecodeImage(image, data);
    ASSERT_EQ(data.channels.tx(2), "4A5.12500");

    const CsvExport exported = ExportChannelsCsv(data.channels, kVhf);
    ASSERT_EQ(exported.leftOut.size(), 2u);
    EXPECT_EQ(exported.leftOut[0].channel, 2);
    EXPECT_TRUE(exported.leftOut[0].transmit);
    EXPECT_EQ(exported.leftOut[0].reason, CsvExportProblem::NotAFrequency);
    EXPECT_EQ(exported.leftOut[0].value, "4A5.12500");
    EXPECT_EQ(exported.leftOut[1].channel, 3);
    EXPECT_EQ(exported.leftOut[1].reason, CsvExportProblem::OutOfBand);
    EXPECT_EQ(exported.leftOut[1].value, "180.00000");

    // What is written, import takes; the value off the raster is told.
    const CsvImport back = ParseChannelsCsv(exported.text, kVhf);
    EXPECT_TRUE(back.problems.empty());
    ASSERT_EQ(back.channels.size(), 2u);
    ASSERT_EQ(back.changes.size(), 1u);
    EXPECT_EQ(back.changes[0].kind, CsvChange::Kind::TxFrequency);
    EXPECT_EQ(back.changes[0].from, "145.12345");
    EXPECT_EQ(back.changes[0].to, "145.12000");
}

// Random channel tables, and tables decoded from random images of every
// band, go out and come back: each channel exactly as it was, unless import
// told the change by line; each channel export left out has a damaged
// frequency; no row is refused.
TEST(CsvChannels, ExportThenImportGivesTheSameChannelsOrTellsWhy)
{
    std::mt19937 random(2026);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> percent(0, 99);
    const std::string nameCharacters = "#0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ[]^_`@-";
    int channelsCompared = 0;
    int changesSeen = 0;
    int leftOutSeen = 0;
    for (int round = 0; round < 300; ++round) {
        const int bandIndex = round % 8;
        const BandLimits band = BandLimitsOf(bandIndex);
        RadioData data;
        data.bandIndex = bandIndex;
        if (round % 2 == 0) {
            // An image as a damaged radio or another program may leave it.
            RadioImage image{};
            for (std::uint8_t &b : image)
                b = static_cast<std::uint8_t>(byte(random));
            // Mostly frequencies of the band (BCD, lowest pair first), so
            // that channels survive Open, on the raster or off it.
            const auto putFrequency = [&](int at) {
                const long units = std::uniform_int_distribution<long>(
                    band.lowMHz * 100000L, band.highMHz * 100000L - 1)(random);
                const std::string text = FormatFixed(double(units) / 100000.0, 5);
                const std::string digits = text.substr(0, 3) + text.substr(4);
                for (int pair = 0; pair < 4; ++pair)
                    image[std::size_t(at + 3 - pair)] = static_cast<std::uint8_t>(
                        std::stoi(digits.substr(std::size_t(2 * pair), 2), nullptr, 16));
            };
            for (int n = 1; n <= kChannelCount; ++n) {
                if (percent(random) < 70)
                    putFrequency(13 * (n - 1));
                if (percent(random) < 50)
                    putFrequency(13 * (n - 1) + 4);
            }
            image[1814] = static_cast<std::uint8_t>(bandIndex);
            DecodeImage(image, data);
            ASSERT_EQ(data.bandIndex, bandIndex);
        } else {
            // A table as the grid makes it.
            for (int n = 1; n <= kChannelCount; ++n) {
                if (percent(random) < 30)
                    continue;
                const auto frequency = [&] {
                    const double f =
                        std::uniform_real_distribution<double>(band.lowMHz, band.highMHz)(random);
                    return *StoredFrequency(f, band);
                };
                const int kind = percent(random);
                const std::string rx = frequency();
                const std::string tx = kind < 10 ? "" : kind < 50 ? rx : frequency();
                std::array<int, 6> options{};
                for (std::size_t i = 0; i < options.size(); ++i)
                    options[i] = std::uniform_int_distribution<int>(0, i == 0 ? 2 : 1)(random);
                PutChannel(data.channels, n, rx, tx, byte(random) % kToneCount,
                           byte(random) % kToneCount, options);
                std::string name;
                for (int i = std::uniform_int_distribution<int>(0, 8)(random); i > 0; --i)
                    name += nameCharacters[std::size_t(byte(random)) % nameCharacters.size()];
                data.channels.name(n) = name;
            }
        }
        const ChannelTable &table = data.channels;
        const CsvExport exported = ExportChannelsCsv(table, band);
        const CsvImport import = ParseChannelsCsv(exported.text, band);
        SCOPED_TRACE(round);
        ASSERT_TRUE(import.problems.empty()) << import.problems.front().line;

        std::set<int> leftOut;
        for (const CsvExportProblem &problem : exported.leftOut) {
            leftOut.insert(problem.channel);
            const std::string &frequency =
                problem.transmit ? table.tx(problem.channel) : table.rx(problem.channel);
            EXPECT_EQ(problem.value, frequency);
            EXPECT_NE(CheckFrequency(frequency, band).status, FrequencyCheck::InBand);
        }
        leftOutSeen += int(leftOut.size());
        std::map<int, std::set<CsvChange::Kind>> told;
        for (const CsvChange &change : import.changes)
            told[change.line].insert(change.kind);
        changesSeen += int(import.changes.size());

        std::size_t next = 0;
        for (int n = 1; n <= kChannelCount; ++n) {
            if (table.rx(n).empty() || leftOut.count(n))
                continue;
            SCOPED_TRACE(n);
            ASSERT_LT(next, import.channels.size());
            const CsvChannel &c = import.channels[next++];
            ASSERT_EQ(c.location, n);
            // A name may hold a line break: the row then takes two lines.
            const std::set<CsvChange::Kind> &kinds = told[c.line];
            // A simplex channel's transmit frequency follows its receive frequency.
            if (!kinds.count(CsvChange::Kind::Frequency)) {
                EXPECT_EQ(c.rx, table.rx(n));
                if (!kinds.count(CsvChange::Kind::TxFrequency)) {
                    EXPECT_EQ(c.tx, table.tx(n));
                }
            }
            if (!kinds.count(CsvChange::Kind::Name)) {
                EXPECT_EQ(c.name, table.name(n));
            }
            for (int row = 0; row < ChannelTable::kRows; ++row)
                EXPECT_EQ(c.index(Row(row)), table.index(Row(row), n)) << row;
            ++channelsCompared;
        }
        EXPECT_EQ(next, import.channels.size());
    }
    // Both kinds of tables were there in numbers.
    EXPECT_GT(channelsCompared, 10000);
    EXPECT_GT(changesSeen, 1000);
    EXPECT_GT(leftOutSeen, 1000);
}

} // namespace
} // namespace q731
