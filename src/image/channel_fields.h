#pragma once

// Every field of a channel and the names it goes by outside the program: the
// table and the diff lines of `q731-cli show` and `diff`, the JSON of
// `show --json` and the columns of a CSV channel list. All of them read this
// table, so a field added to a channel is one row here.

#include "marked_text.h"
#include "records.h"
#include "texts.h"

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
    // lower-case words that it reads as that entry ('|' between them). The
    // words read include those that `show` printed for the entry in either
    // language ("carry", "载波"), fixed here so that files stay readable
    // whatever a translation says, unless they say the opposite of the field
    // (Skip: not in scan).
    struct CsvWords
    {
        std::string_view write;
        std::string_view read;
    };

    Kind kind = Kind::Name;
    int row = 0;
    std::string_view key; // diff: "channel 5 busy_lock: ..."
    // The show table's column title, a source text of context "ChannelFields".
    const char *title = "";
    std::string_view json; // member of a channel in `show --json`
    // For on/off option fields: the entry that means on (JSON true). -1 for
    // the others, whose JSON value is the word of the entry.
    int onIndex = -1;
    std::array<std::string_view, 3> jsonWords{};
    // The CSV column that carries the field. The transmit frequency is the
    // Offset column with Duplex; both tones share Tone and the columns it
    // names.
    std::string_view csvColumn;
    std::array<CsvWords, 3> csvWords{};
};

// Every field, in the order of the show table. The names that doc/formats.md
// documents (show --json, CSV channel lists) are a contract with scripts and
// other programs: they never change.
inline constexpr std::array kChannelFields = {
    ChannelField{.kind = ChannelField::Kind::Number,
                 .key = "number",
                 .title = Q731_TRANSLATE_NOOP("ChannelFields", "频道"),
                 .json = "number",
                 .csvColumn = "Location"},
    ChannelField{.kind = ChannelField::Kind::Frequency,
                 .row = 0,
                 .key = "rx",
                 .title = Q731_TRANSLATE_NOOP("ChannelFields", "接收"),
                 .json = "rx",
                 .csvColumn = "Frequency"},
    ChannelField{.kind = ChannelField::Kind::Frequency,
                 .row = 1,
                 .key = "tx",
                 .title = Q731_TRANSLATE_NOOP("ChannelFields", "发射"),
                 .json = "tx",
                 .csvColumn = "Offset"},
    ChannelField{.kind = ChannelField::Kind::Tone,
                 .row = ChannelTable::RxTone,
                 .key = "rx_tone",
                 .title = Q731_TRANSLATE_NOOP("ChannelFields", "接收亚音"),
                 .json = "rxTone",
                 .csvColumn = "Tone"},
    ChannelField{.kind = ChannelField::Kind::Tone,
                 .row = ChannelTable::TxTone,
                 .key = "tx_tone",
                 .title = Q731_TRANSLATE_NOOP("ChannelFields", "发射亚音"),
                 .json = "txTone",
                 .csvColumn = "Tone"},
    ChannelField{.kind = ChannelField::Kind::Option,
                 .row = ChannelTable::Power,
                 .key = "power",
                 .title = Q731_TRANSLATE_NOOP("ChannelFields", "功率"),
                 .json = "power",
                 .jsonWords = {"low", "high", "middle"},
                 .csvColumn = "Power",
                 // Written as watts; any wattage is read too (the nearest level).
                 .csvWords = {{{"1.0W", "low|l|低"},
                               {"5.0W", "high|h|高"},
                               {"2.5W", "mid|middle|medium|m|中"}}}},
    ChannelField{.kind = ChannelField::Kind::Option,
                 .row = ChannelTable::BusyLock,
                 .key = "busy_lock",
                 .title = Q731_TRANSLATE_NOOP("ChannelFields", "繁忙锁定"),
                 .json = "busyLock",
                 .onIndex = 0,
                 .csvColumn = "BusyLock",
                 .csvWords = {{{"Carrier", "carrier|on|carry|载波"}, {"Off", "off|关"}}}},
    ChannelField{.kind = ChannelField::Kind::Option,
                 .row = ChannelTable::ScanAdd,
                 .key = "scan_add",
                 .title = Q731_TRANSLATE_NOOP("ChannelFields", "扫描"),
                 .json = "scanAdd",
                 .onIndex = 1,
                 .csvColumn = "Skip",
                 .csvWords = {{{"S", "s"}, {"", "p"}}}},
    ChannelField{.kind = ChannelField::Kind::Option,
                 .row = ChannelTable::Bandwidth,
                 .key = "bandwidth",
                 .title = Q731_TRANSLATE_NOOP("ChannelFields", "宽窄带"),
                 .json = "bandwidth",
                 .jsonWords = {"narrow", "wide"},
                 .csvColumn = "Mode",
                 .csvWords = {{{"NFM", "nfm|narror|窄带"}, {"FM", "fm|wide|宽带"}}}},
    ChannelField{.kind = ChannelField::Kind::Option,
                 .row = ChannelTable::TxStop,
                 .key = "tx_stop",
                 .title = Q731_TRANSLATE_NOOP("ChannelFields", "发射禁止"),
                 .json = "txStop",
                 .onIndex = 0,
                 .csvColumn = "TxStop",
                 .csvWords = {{{"On", "on|开"}, {"Off", "off|关"}}}},
    ChannelField{.kind = ChannelField::Kind::Option,
                 .row = ChannelTable::Scramble,
                 .key = "scramble",
                 .title = Q731_TRANSLATE_NOOP("ChannelFields", "扰频"),
                 .json = "scramble",
                 .onIndex = 0,
                 .csvColumn = "Scramble",
                 .csvWords = {{{"On", "on|开"}, {"Off", "off|关"}}}},
    ChannelField{.kind = ChannelField::Kind::Name,
                 .key = "name",
                 .title = Q731_TRANSLATE_NOOP("ChannelFields", "名称"),
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
// frequency, the list entry of `lists` (an off tone as its off entry), the
// name, the number. Empty for every field of an unused channel but its name
// and number.
std::string ChannelFieldText(const ChannelField &field, const ChannelTable &table, int n,
                             const GridLists &lists);

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
