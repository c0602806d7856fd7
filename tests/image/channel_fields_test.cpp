#include "image/channel_fields.h"

#include "image/texts.h"
#include "image/tones.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace q731 {
namespace {

using Kind = ChannelField::Kind;
using Row = ChannelTable::Row;

std::size_t ListLength(const ChannelField &field)
{
    return static_cast<std::size_t>(ChannelOptionCount(field.row + 3));
}

std::string Lower(std::string_view s)
{
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

TEST(ChannelFields, EveryOutputNamesEveryFieldOnce)
{
    std::set<std::string_view> keys, json, titles, csv;
    std::set<int> rows;
    for (const ChannelField &field : ChannelFields()) {
        EXPECT_TRUE(keys.insert(field.key).second) << field.key;
        EXPECT_TRUE(json.insert(field.json).second) << field.key;
        EXPECT_TRUE(titles.insert(field.title).second) << field.key;
        // Both tones are carried by the Tone column and the columns it names.
        EXPECT_TRUE(csv.insert(field.csvColumn).second || field.kind == Kind::Tone) << field.key;
        if (field.kind == Kind::Tone || field.kind == Kind::Option) {
            EXPECT_TRUE(rows.insert(field.row).second) << field.key;
        }
    }
    // Every list of a channel has its field.
    EXPECT_EQ(rows.size(), static_cast<std::size_t>(ChannelTable::kRows));
    // The names scripts rely on (doc/formats.md, show --json).
    std::vector<std::string_view> names;
    for (const ChannelField &field : ChannelFields())
        names.push_back(field.json);
    EXPECT_EQ(names, (std::vector<std::string_view>{"number", "rx", "tx", "rxTone", "txTone",
                                                    "power", "busyLock", "scanAdd", "bandwidth",
                                                    "txStop", "scramble", "name"}));
}

// The JSON and CSV words of an option field go with the entries of its list:
// one for every entry, none beyond.
TEST(ChannelFields, WordsCoverEveryEntryOfTheirList)
{
    for (const ChannelField &field : ChannelFields()) {
        if (field.kind != Kind::Option)
            continue;
        SCOPED_TRACE(std::string(field.key));
        const std::size_t entries = ListLength(field);
        ASSERT_GE(entries, 2u);
        if (field.onIndex >= 0) {
            EXPECT_LT(static_cast<std::size_t>(field.onIndex), entries);
            for (std::string_view word : field.jsonWords)
                EXPECT_TRUE(word.empty());
        }
        std::set<std::string_view> written;
        for (std::size_t i = 0; i < field.csvWords.size(); ++i) {
            const ChannelField::CsvWords &words = field.csvWords[i];
            const std::string_view json = field.jsonWords[i];
            if (i >= entries) {
                EXPECT_TRUE(words.write.empty() && words.read.empty() && json.empty()) << i;
                continue;
            }
            EXPECT_FALSE(words.read.empty()) << i;
            EXPECT_TRUE(field.onIndex >= 0 || !json.empty()) << i;
            EXPECT_TRUE(written.insert(words.write).second) << i;
            // What export writes, import reads back as the same entry (power
            // as watts, see the CSV tests).
            if (field.row != Row::Power && !words.write.empty()) {
                EXPECT_TRUE(IsCsvWordOf(words, Lower(words.write))) << i;
            }
            for (std::size_t other = 0; other < entries; ++other) {
                if (other != i) {
                    EXPECT_FALSE(IsCsvWordOf(field.csvWords[other], Lower(words.write))) << i;
                }
            }
        }
    }
}

TEST(ChannelFields, CsvWordListsMatchWholeWords)
{
    const ChannelField::CsvWords words{"Mid", "mid|middle|m"};
    EXPECT_TRUE(IsCsvWordOf(words, "mid"));
    EXPECT_TRUE(IsCsvWordOf(words, "middle"));
    EXPECT_TRUE(IsCsvWordOf(words, "m"));
    EXPECT_FALSE(IsCsvWordOf(words, "mi"));
    EXPECT_FALSE(IsCsvWordOf(words, ""));
    EXPECT_FALSE(IsCsvWordOf(words, "mid|middle"));
}

TEST(ChannelFields, TextAndJsonOfAChannel)
{
    ChannelTable table;
    table.rx(5) = "145.12500";
    table.index(Row::RxTone, 5) = ToneIndexOf("D023N");
    table.index(Row::Power, 5) = 2;
    table.index(Row::BusyLock, 5) = 0;
    table.index(Row::ScanAdd, 5) = 0;
    table.index(Row::Bandwidth, 5) = 0;
    table.index(Row::TxStop, 5) = 1;
    table.index(Row::Scramble, 5) = 0;
    table.name(5) = "AB";
    table.name(6) = "SPARE";

    // The lists in the source language; their translation is the session's.
    const GridLists lists =
        GridLists::Translated([](const char *, const char *source) { return source; });
    std::vector<std::string> chinese, unused;
    std::vector<ChannelFieldValue> json;
    for (const ChannelField &field : ChannelFields()) {
        chinese.push_back(ChannelFieldText(field, table, 5, lists));
        unused.push_back(ChannelFieldText(field, table, 6, lists));
        json.push_back(ChannelFieldJson(field, table, 5));
    }
    EXPECT_EQ(chinese, (std::vector<std::string>{"5", "145.12500", "", "D023N", "关闭", "中",
                                                 "载波", "禁止", "窄带", "关", "开", "AB"}));
    EXPECT_EQ(unused,
              (std::vector<std::string>{"6", "", "", "", "", "", "", "", "", "", "", "SPARE"}));

    using V = ChannelFieldValue;
    const auto text = [](const char *s) { return V{V::Text, false, 0, s}; };
    const auto flag = [](bool on) { return V{V::Bool, on, 0, {}}; };
    const std::vector<V> expected = {
        {V::Integer, false, 5, {}},
        text("145.12500"),
        V{},
        text("D023N"),
        V{},
        text("middle"),
        flag(true),
        flag(false),
        text("narrow"),
        flag(false),
        flag(true),
        text("AB"),
    };
    ASSERT_EQ(json.size(), expected.size());
    for (std::size_t i = 0; i < json.size(); ++i) {
        SCOPED_TRACE(std::string(ChannelFields()[i].key));
        EXPECT_EQ(json[i].type, expected[i].type);
        EXPECT_EQ(json[i].on, expected[i].on);
        EXPECT_EQ(json[i].integer, expected[i].integer);
        EXPECT_EQ(json[i].text, expected[i].text);
    }

    // An index that names no entry shows as its number; a tone code outside
    // the list as off.
    table.index(Row::Power, 5) = 7;
    table.index(Row::TxTone, 5) = 999;
    EXPECT_EQ(ChannelFieldText(ChannelFields()[5], table, 5, lists), "7");
    EXPECT_EQ(ChannelFieldText(ChannelFields()[4], table, 5, lists), "关闭");
    EXPECT_EQ(ChannelFieldJson(ChannelFields()[4], table, 5).type, V::Null);
}

} // namespace
} // namespace q731
