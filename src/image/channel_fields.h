#pragma once

// Every field of a channel and the names it goes by outside the program: the
// table and the diff lines of `q731-cli show` and `diff`, the JSON of
// `show --json` and the columns of a CSV channel list. All of them read this
// table, so a field added to a channel is one row here.

#include "language.h"
#include "records.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace q731 {

struct ChannelField
{
    enum class Kind {
        Number,    // the channel number itself
        Frequency, // `row` 0: receive, 1: transmit
        Tone,      // a ToneList entry; `row` is its ChannelTable row
        Option,    // an entry of the channel option list of ChannelTable row `row`
        Name,
    };
    // How a CSV channel list writes one entry of an option list, and the
    // lower-case words that it reads as that entry ('|' between them).
    struct CsvWords
    {
        std::string_view write;
        std::string_view read;
    };

    Kind kind = Kind::Name;
    int row = 0;
    std::string_view key;                  // diff: "channel 5 busy_lock: ..."
    std::array<std::string_view, 2> title; // show table column: Chinese, English
    std::string_view json;                 // member of a channel in `show --json`
    // For on/off option fields: the entry that means on (JSON true). -1 for
    // the others, whose JSON value is the word of the entry.
    int onIndex = -1;
    std::array<std::string_view, 3> jsonWords{};
    // The CSV column that carries the field. The transmit frequency is the
    // Offset column with Duplex; both tones share Tone and the columns it
    // names.
    std::string_view csvColumn;
    std::array<CsvWords, 3> csvWords{};
    // The column also reads the words that `show` prints for the entries, in
    // both languages ("Carry", "载波"), unless it says the opposite of the
    // field (Skip: not in scan).
    bool csvReadsShowWords = true;
};

// Every field, in the order of the show table. The names that doc/formats.md
// documents (show --json, CSV channel lists) are a contract with scripts and
// other programs: they never change.
inline constexpr std::array kChannelFields = {
    ChannelField{.kind = ChannelField::Kind::Number,
                 .key = "number",
                 .title = {"频道", "Ch"},
                 .json = "number",
                 .csvColumn = "Location"},
    ChannelField{.kind = ChannelField::Kind::Frequency,
                 .row = 0,
                 .key = "rx",
                 .title = {"接收", "RX MHz"},
                 .json = "rx",
                 .csvColumn = "Frequency"},
    ChannelField{.kind = ChannelField::Kind::Frequency,
                 .row = 1,
                 .key = "tx",
                 .title = {"发射", "TX MHz"},
                 .json = "tx",
                 .csvColumn = "Offset"},
    ChannelField{.kind = ChannelField::Kind::Tone,
                 .row = ChannelTable::RxTone,
                 .key = "rx_tone",
                 .title = {"接收亚音", "RX tone"},
                 .json = "rxTone",
                 .csvColumn = "Tone"},
    ChannelField{.kind = ChannelField::Kind::Tone,
                 .row = ChannelTable::TxTone,
                 .key = "tx_tone",
                 .title = {"发射亚音", "TX tone"},
                 .json = "txTone",
                 .csvColumn = "Tone"},
    ChannelField{
        .kind = ChannelField::Kind::Option,
        .row = ChannelTable::Power,
        .key = "power",
        .title = {"功率", "Power"},
        .json = "power",
        .jsonWords = {"low", "high", "middle"},
        .csvColumn = "Power",
        // Written as watts; any wattage is read too (the nearest level).
        .csvWords = {{{"1.0W", "low|l"}, {"5.0W", "high|h"}, {"2.5W", "mid|middle|medium|m"}}}},
    ChannelField{.kind = ChannelField::Kind::Option,
                 .row = ChannelTable::BusyLock,
                 .key = "busy_lock",
                 .title = {"繁忙锁定", "Busy lock"},
                 .json = "busyLock",
                 .onIndex = 0,
                 .csvColumn = "BusyLock",
                 .csvWords = {{{"Carrier", "carrier|on"}, {"Off", "off"}}}},
    ChannelField{.kind = ChannelField::Kind::Option,
                 .row = ChannelTable::ScanAdd,
                 .key = "scan_add",
                 .title = {"扫描", "Scan"},
                 .json = "scanAdd",
                 .onIndex = 1,
                 .csvColumn = "Skip",
                 .csvWords = {{{"S", "s"}, {"", "p"}}},
                 .csvReadsShowWords = false},
    ChannelField{.kind = ChannelField::Kind::Option,
                 .row = ChannelTable::Bandwidth,
                 .key = "bandwidth",
                 .title = {"宽窄带", "Width"},
                 .json = "bandwidth",
                 .jsonWords = {"narrow", "wide"},
                 .csvColumn = "Mode",
                 .csvWords = {{{"NFM", "nfm"}, {"FM", "fm"}}}},
    ChannelField{.kind = ChannelField::Kind::Option,
                 .row = ChannelTable::TxStop,
                 .key = "tx_stop",
                 .title = {"发射禁止", "TX stop"},
                 .json = "txStop",
                 .onIndex = 0,
                 .csvColumn = "TxStop",
                 .csvWords = {{{"On", "on"}, {"Off", "off"}}}},
    ChannelField{.kind = ChannelField::Kind::Option,
                 .row = ChannelTable::Scramble,
                 .key = "scramble",
                 .title = {"扰频", "Scramble"},
                 .json = "scramble",
                 .onIndex = 0,
                 .csvColumn = "Scramble",
                 .csvWords = {{{"On", "on"}, {"Off", "off"}}}},
    ChannelField{.kind = ChannelField::Kind::Name,
                 .key = "name",
                 .title = {"名称", "Name"},
                 .json = "name",
                 .csvColumn = "Name"},
};

inline std::span<const ChannelField> ChannelFields()
{
    return kChannelFields;
}

// The field with that key; a key that names none does not compile where the
// lookup is a constant expression.
constexpr const ChannelField &ChannelFieldNamed(std::string_view key)
{
    for (const ChannelField &field : kChannelFields) {
        if (field.key == key)
            return field;
    }
    throw "no channel field of that key";
}

// The field of channel n as the show table and the diff lines print it: the
// frequency, the list entry in `language` (an off tone as "关闭" / "Off"),
// the name, the number. Empty for every field of an unused channel but its
// name and number.
std::string ChannelFieldText(const ChannelField &field, const ChannelTable &table, int n,
                             Language language);

// The field of channel n as a JSON value.
struct ChannelFieldValue
{
    enum Type { Null, Bool, Integer, Text };
    Type type = Null;
    bool on = false;
    int integer = 0;
    std::string text;
};
// Frequencies, English tone texts and names as text (none or an off tone is
// null), on/off options as a bool, the other options as their word.
ChannelFieldValue ChannelFieldJson(const ChannelField &field, const ChannelTable &table, int n);

// True when `word` (lower case) is one of the words that `words.read` lists.
bool IsCsvWordOf(const ChannelField::CsvWords &words, std::string_view word);

} // namespace q731
