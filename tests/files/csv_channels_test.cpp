#include "files/csv_channels.h"

#include "image/band_list.h"
#include "image/codec.h"
#include "image/text_helpers.h"
#include "image/tones.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

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
    t.text(Row::RxTone, n) = ToneListEntry(rxTone, Language::English);
    t.text(Row::TxTone, n) = ToneListEntry(txTone, Language::English);
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
    const std::string csv = ExportChannelsCsv(table);
    const CsvImport import = ParseChannelsCsv(csv, kVhf);
    ASSERT_TRUE(import.problems.empty()) << import.problems.front().line;
    ASSERT_EQ(import.channels.size(), tones.size() * tones.size());

    ChannelTable back;
    for (const CsvChannel &channel : import.channels)
        ApplyCsvChannel(channel, back, Language::English);
    for (int c = 1; c < n; ++c) {
        SCOPED_TRACE(c);
        EXPECT_EQ(back.rx(c), table.rx(c));
        EXPECT_EQ(back.tx(c), table.tx(c));
        EXPECT_EQ(back.name(c), table.name(c));
        for (int row = 0; row < ChannelTable::kRows; ++row)
            EXPECT_EQ(back.index(static_cast<Row>(row), c), table.index(static_cast<Row>(row), c));
        EXPECT_EQ(back.text(Row::TxTone, c), table.text(Row::TxTone, c));
    }
}

TEST(CsvChannels, ExportUsesTheExchangeForms)
{
    ChannelTable table;
    PutChannel(table, 3, "145.12500", "145.72500", 9, 9, {2, 0, 0, 0, 0, 0});
    table.name(3) = "RPT";
    const std::string csv = ExportChannelsCsv(table);
    EXPECT_EQ(csv.substr(0, csv.find('\n')), Header());
    EXPECT_EQ(csv.substr(csv.find('\n') + 1),
              "3,RPT,145.125000,+,0.600000,TSQL,88.5,88.5,023,NN,023,Tone->Tone,NFM,5.00,S,"
              "2.5W,,,,,,Carrier,On,On\n");
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
        "150.0,5,rxonly,off,0,Cross,,,25,RN,754,DTCS->DTCS,FM,,0.5W\r\n"
        "150.0,6,tone2dcs,,,Cross,67,,,NR,17,Tone->DTCS,FM,,3W\r\n"
        "150.0,7,dcs2tone,,,Cross,,254.1,754,RN,,DTCS->Tone,FM,,1W\r\n"
        "150.0,8,rxtone,,,Cross,,88.5,,,,->Tone,FM,,\r\n"
        "150.0,9,rxdcs,,,Cross,,,,NR,31,->DTCS,FM,,\r\n"
        "150.0,10,txdcs,,,Cross,,,31,NN,,DTCS->,FM,,\r\n"
        "150.0,11,t2t,,,Cross,67.0,69.3,,,,Tone->Tone,FM,,\r\n";
    const CsvImport import = ParseChannelsCsv(csv, kVhf);
    ASSERT_TRUE(import.problems.empty()) << import.problems.front().line;
    ASSERT_EQ(import.channels.size(), 11u);

    const auto tone = [](const char *text) { return ToneIndexOf(text, Language::English); };
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
        {5, "150.00000", "", tone("D754N"), tone("D025I"), 0, 1, 1, "RXONLY", 8},
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
        EXPECT_EQ(c->index(Row::TxStop), 1);
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
    ApplyCsvChannel(*ChannelAt(import, 5), table, Language::English);
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
                            "3,145,+,,,,,,,,,,\n"               // 6 offset missing
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

} // namespace
} // namespace q731
