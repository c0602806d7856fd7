#include "csv_channels.h"

#include "image/channel_fields.h"
#include "image/entry_rules.h"
#include "image/text_helpers.h"
#include "image/texts.h"
#include "image/tones.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <set>

namespace q731 {

namespace {

// Tone list layout: CTCSS tones, then the DCS codes normal, then inverted.
constexpr int kFirstCtcss = 1;
constexpr int kLastCtcss = 50;
constexpr int kFirstDcsNormal = 51;
constexpr int kFirstDcsInverted = 158;

// Values the exchange layout expects in tone columns that a row does not use.
constexpr std::string_view kUnusedCtcss = "88.5";
constexpr std::string_view kUnusedDcs = "023";
constexpr std::string_view kUnusedCrossMode = "Tone->Tone";

// Columns of the exchange layout. Those that carry a channel field are named
// by the field table.
namespace Col {
constexpr std::string_view Location = ChannelFieldNamed("number").csvColumn,
                           Name = ChannelFieldNamed("name").csvColumn,
                           Frequency = ChannelFieldNamed("rx").csvColumn,
                           Offset = ChannelFieldNamed("tx").csvColumn,
                           Tone = ChannelFieldNamed("rx_tone").csvColumn;
constexpr std::string_view Duplex = "Duplex", RToneFreq = "rToneFreq", CToneFreq = "cToneFreq",
                           DtcsCode = "DtcsCode", DtcsPolarity = "DtcsPolarity",
                           RxDtcsCode = "RxDtcsCode", CrossMode = "CrossMode", TStep = "TStep";
} // namespace Col

// The common channel-exchange layout, in its order. Columns of channel
// fields it has no place for follow it.
constexpr std::array<std::string_view, 21> kExchangeColumns = {
    "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
    "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE",
};

enum class ToneKind { None, Tone, Dtcs };

ToneKind KindOf(int index)
{
    if (index >= kFirstCtcss && index <= kLastCtcss)
        return ToneKind::Tone;
    if (index >= kFirstDcsNormal && index < kToneCount)
        return ToneKind::Dtcs;
    return ToneKind::None;
}

std::string_view KindWord(ToneKind kind)
{
    switch (kind) {
    case ToneKind::Tone:
        return "Tone";
    case ToneKind::Dtcs:
        return "DTCS";
    case ToneKind::None:
        break;
    }
    return "";
}

// "D023N" -> "023".
std::string DcsCodeOf(int index)
{
    return ToneListEntry(index).substr(1, 3);
}

char PolarityOf(int index)
{
    return index >= kFirstDcsInverted ? 'R' : 'N';
}

std::string Lower(std::string_view s)
{
    std::string out(s);
    for (char &c : out) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

std::string Trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return std::string(s);
}

// A frequency in 10 Hz units ("145.12500" -> 14512500), as export writes it.
long UnitsOf(const std::string &text)
{
    return std::lround(ParseNumber(text).value_or(0.0) * 100000.0);
}

// The text as a decimal number without the digits that do not change its
// value ("0145.500" and "145.5" -> "145.5"), to tell whether a stored value
// is the one written.
std::string DecimalKey(std::string_view text)
{
    std::string key = Trim(text);
    if (!key.empty() && key.front() == '+')
        key.erase(0, 1);
    if (key.find('.') != std::string::npos) {
        while (key.back() == '0')
            key.pop_back();
        if (key.back() == '.')
            key.pop_back();
    }
    key.erase(0, std::min(key.find_first_not_of('0'), key.size()));
    return key;
}

// A computed frequency as a decimal text, without trailing zeros.
std::string ComputedText(double megahertz)
{
    std::string text = FormatFixed(megahertz, 9);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text;
}

// 10 Hz units -> MHz with six decimals, the precision the exchange files use.
std::string MegahertzText(long units)
{
    char text[32];
    std::snprintf(text, sizeof text, "%ld.%05ld0", units / 100000, units % 100000);
    return text;
}

std::string QuotedField(const std::string &field)
{
    const bool needsQuotes =
        field.find_first_of(",\"\r\n") != std::string::npos ||
        (!field.empty() && (field.front() == ' ' || field.back() == ' ' || field.front() == '#'));
    if (!needsQuotes)
        return field;
    std::string out = "\"";
    for (char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return out;
}

struct Record
{
    int line = 0;
    std::vector<std::string> fields;
};

// RFC 4180 records with their first line number. Comment lines (a '#' where a
// record begins) and blank lines are dropped.
std::vector<Record> ReadRecords(std::string_view text, std::optional<int> &unclosedQuoteLine)
{
    std::vector<Record> records;
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    std::size_t i = 0;
    int line = 1;
    while (i < text.size()) {
        if (text[i] == '#') {
            while (i < text.size() && text[i] != '\n')
                ++i;
            if (i < text.size()) {
                ++i;
                ++line;
            }
            continue;
        }
        Record record;
        record.line = line;
        std::string field;
        bool quoted = false;
        bool endOfRecord = false;
        while (i < text.size() && !endOfRecord) {
            const char c = text[i++];
            if (quoted) {
                if (c == '"') {
                    if (i < text.size() && text[i] == '"') {
                        field += '"';
                        ++i;
                    } else {
                        quoted = false;
                    }
                } else {
                    if (c == '\n')
                        ++line;
                    field += c;
                }
            } else if (c == '"') {
                quoted = true;
            } else if (c == ',') {
                record.fields.push_back(field);
                field.clear();
            } else if (c == '\n') {
                ++line;
                endOfRecord = true;
            } else if (c != '\r') {
                field += c;
            }
        }
        if (quoted) {
            unclosedQuoteLine = record.line;
            return records;
        }
        record.fields.push_back(field);
        const bool blank = std::all_of(record.fields.begin(), record.fields.end(),
                                       [](const std::string &f) { return Trim(f).empty(); });
        if (!blank)
            records.push_back(std::move(record));
    }
    return records;
}

// A channel number of at most three digits; 0 for anything else.
int LocationOf(std::string_view text)
{
    int location = 0;
    if (text.empty() || text.size() > 3)
        return 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), location);
    return error == std::errc{} && end == text.data() + text.size() ? location : 0;
}

std::optional<int> CtcssIndex(std::string_view text)
{
    const std::optional<double> value = ParseNumber(text);
    if (!value)
        return std::nullopt;
    const int index = ToneIndexOf(FormatFixed(*value, 1));
    if (index < kFirstCtcss || index > kLastCtcss)
        return std::nullopt;
    return index;
}

std::optional<int> DcsIndex(std::string_view text, char polarity)
{
    std::string code = Trim(text);
    if (code.empty() || code.size() > 3 ||
        !std::all_of(code.begin(), code.end(), [](char c) { return c >= '0' && c <= '7'; }))
        return std::nullopt;
    code.insert(0, 3 - code.size(), '0');
    const std::string entry = "D" + code + (polarity == 'R' ? "I" : "N");
    const int index = ToneIndexOf(entry);
    if (index < kFirstDcsNormal)
        return std::nullopt;
    return index;
}

// The exchange layout's reading of the tone columns.
struct ToneColumns
{
    std::string mode, rTone, cTone, dtcs, rxDtcs, polarity, crossMode;
};

ToneColumns ExportTones(int rxTone, int txTone)
{
    ToneColumns out{"",
                    std::string(kUnusedCtcss),
                    std::string(kUnusedCtcss),
                    std::string(kUnusedDcs),
                    std::string(kUnusedDcs),
                    "NN",
                    std::string(kUnusedCrossMode)};
    const ToneKind rx = KindOf(rxTone);
    const ToneKind tx = KindOf(txTone);
    if (rx == ToneKind::None && tx == ToneKind::None)
        return out;
    if (tx == ToneKind::Tone && rx == ToneKind::None) {
        out.mode = "Tone";
        out.rTone = ToneListEntry(txTone);
        return out;
    }
    if (tx == ToneKind::Tone && rx == ToneKind::Tone && txTone == rxTone) {
        out.mode = "TSQL";
        out.rTone = out.cTone = ToneListEntry(txTone);
        return out;
    }
    if (tx == ToneKind::Dtcs && rx == ToneKind::Dtcs && DcsCodeOf(txTone) == DcsCodeOf(rxTone)) {
        out.mode = "DTCS";
        out.dtcs = out.rxDtcs = DcsCodeOf(txTone);
        out.polarity = {PolarityOf(txTone), PolarityOf(rxTone)};
        return out;
    }
    out.mode = "Cross";
    out.crossMode = std::string(KindWord(tx)) + "->" + std::string(KindWord(rx));
    if (tx == ToneKind::Tone)
        out.rTone = ToneListEntry(txTone);
    if (tx == ToneKind::Dtcs) {
        out.dtcs = DcsCodeOf(txTone);
        out.polarity[0] = PolarityOf(txTone);
    }
    if (rx == ToneKind::Tone)
        out.cTone = ToneListEntry(rxTone);
    if (rx == ToneKind::Dtcs) {
        out.rxDtcs = DcsCodeOf(rxTone);
        out.polarity[1] = PolarityOf(rxTone);
    }
    return out;
}

// One row being read: the fields by column name, the first problem and the
// values taken changed.
class RowReader
{
public:
    RowReader(const Record &record, const std::map<std::string, std::size_t> &columns)
        : m_record(record)
        , m_columns(columns)
    {
    }

    int line() const { return m_record.line; }
    bool has(std::string_view column) const { return m_columns.count(Lower(column)) > 0; }

    std::string field(std::string_view column) const
    {
        const auto it = m_columns.find(Lower(column));
        if (it == m_columns.end() || it->second >= m_record.fields.size())
            return {};
        return Trim(m_record.fields[it->second]);
    }

    bool fail(CsvProblem problem, std::string_view column, std::string value)
    {
        if (!m_problem)
            m_problem =
                CsvRowProblem{m_record.line, problem, std::string(column), std::move(value)};
        return false;
    }
    bool fail(CsvProblem problem, std::string_view column)
    {
        return fail(problem, column, field(column));
    }
    const std::optional<CsvRowProblem> &problem() const { return m_problem; }

    void note(CsvChange change)
    {
        change.line = m_record.line;
        m_changes.push_back(std::move(change));
    }
    // A frequency stored at another value than the one written.
    void noteMoved(CsvChange::Kind kind, std::string_view written, const std::string &stored)
    {
        if (DecimalKey(written) != DecimalKey(stored))
            note({.kind = kind, .from = std::string(written), .to = stored});
    }
    const std::vector<CsvChange> &changes() const { return m_changes; }

private:
    const Record &m_record;
    const std::map<std::string, std::size_t> &m_columns;
    std::optional<CsvRowProblem> m_problem;
    std::vector<CsvChange> m_changes;
};

// Duplex and Offset as the exchange layout means them: "" the receive
// frequency, + and - a distance (none written: 0), split the transmit
// frequency itself (none written: no transmit frequency). off inhibits
// transmitting; its Offset is the transmit frequency as with split, or, below
// 100 MHz, a distance kept for when transmitting is allowed again, and the
// transmit frequency is the receive frequency.
bool ReadFrequencies(RowReader &row, BandLimits band, CsvChannel &channel, bool &txStop)
{
    const std::string rxText = row.field(Col::Frequency);
    const FrequencyCheck rx = CheckFrequency(rxText, band);
    switch (rx.status) {
    case FrequencyCheck::Empty:
        channel.clear = true;
        return true;
    case FrequencyCheck::NotANumber:
        return row.fail(CsvProblem::BadFrequency, Col::Frequency);
    case FrequencyCheck::OutOfBand:
        return row.fail(CsvProblem::OutOfBand, Col::Frequency);
    case FrequencyCheck::InBand:
        break;
    }
    channel.rx = rx.text;
    row.noteMoved(CsvChange::Kind::Frequency, rxText, channel.rx);

    const std::string duplex = Lower(row.field(Col::Duplex));
    if (duplex != "" && duplex != "+" && duplex != "-" && duplex != "split" && duplex != "off")
        return row.fail(CsvProblem::BadDuplex, Col::Duplex);
    txStop = duplex == "off";
    const std::string offsetText = row.field(Col::Offset);
    const bool distance = duplex == "+" || duplex == "-";
    if (duplex.empty() || (distance && offsetText.empty())) {
        channel.tx = channel.rx;
        return true;
    }
    if (offsetText.empty()) {
        channel.tx.clear();
        return true;
    }
    const NumberReading offset = ReadNumber(offsetText);
    if (offset.status == NumberReading::NotANumber)
        return row.fail(CsvProblem::BadOffset, Col::Offset);
    // An offset of more digits than a number holds puts the transmit
    // frequency outside every band.
    if (offset.status == NumberReading::OutOfRange)
        return row.fail(CsvProblem::OutOfBand, Col::Offset);
    if (txStop && offset.value <= kHighestOffsetMHz) {
        channel.tx = channel.rx;
        return true;
    }
    // From the receive frequency as written, as typing both would give.
    const double rxValue = ParseNumber(rxText).value_or(0.0);
    const double tx = !distance       ? offset.value
                      : duplex == "+" ? rxValue + offset.value
                                      : rxValue - offset.value;
    const std::optional<std::string> txStored = StoredFrequency(tx, band);
    if (!txStored)
        return row.fail(CsvProblem::OutOfBand, Col::Offset, FormatFixed(tx, 5));
    channel.tx = *txStored;
    row.noteMoved(CsvChange::Kind::TxFrequency, distance ? ComputedText(tx) : offsetText,
                  channel.tx);
    return true;
}

bool ReadCtcss(RowReader &row, std::string_view column, int &tone)
{
    const std::optional<int> index = CtcssIndex(row.field(column));
    if (!index)
        return row.fail(CsvProblem::BadTone, column);
    tone = *index;
    return true;
}

bool ReadDcs(RowReader &row, std::string_view column, char polarity, int &tone)
{
    const std::optional<int> index = DcsIndex(row.field(column), polarity);
    if (!index)
        return row.fail(CsvProblem::BadDcsCode, column);
    tone = *index;
    return true;
}

bool ReadTones(RowReader &row, CsvChannel &channel)
{
    int &rxTone = channel.indexes[ChannelTable::RxTone];
    int &txTone = channel.indexes[ChannelTable::TxTone];
    const std::string mode = Lower(row.field(Col::Tone));
    std::string polarity = row.field(Col::DtcsPolarity);
    if (polarity.empty())
        polarity = "NN";
    for (char &c : polarity) {
        if (c == 'n' || c == 'r')
            c = static_cast<char>(c - 'a' + 'A');
    }
    const bool usesDcs =
        mode == "dtcs" ||
        (mode == "cross" && Lower(row.field(Col::CrossMode)).find("dtcs") != std::string::npos);
    if (usesDcs && (polarity.size() != 2 || (polarity[0] != 'N' && polarity[0] != 'R') ||
                    (polarity[1] != 'N' && polarity[1] != 'R')))
        return row.fail(CsvProblem::BadPolarity, Col::DtcsPolarity);

    rxTone = txTone = 0;
    if (mode.empty())
        return true;
    if (mode == "tone")
        return ReadCtcss(row, Col::RToneFreq, txTone);
    if (mode == "tsql") {
        // Lists written by hand often give the one tone as rToneFreq alone.
        const bool rToneOnly =
            row.field(Col::CToneFreq).empty() && !row.field(Col::RToneFreq).empty();
        if (!ReadCtcss(row, rToneOnly ? Col::RToneFreq : Col::CToneFreq, txTone))
            return false;
        rxTone = txTone;
        return true;
    }
    if (mode == "dtcs") {
        return ReadDcs(row, Col::DtcsCode, polarity[0], txTone) &&
               ReadDcs(row, Col::DtcsCode, polarity[1], rxTone);
    }
    if (mode != "cross")
        return row.fail(CsvProblem::BadToneMode, Col::Tone);

    const std::string cross = row.field(Col::CrossMode);
    const std::size_t arrow = cross.find("->");
    if (arrow == std::string::npos)
        return row.fail(CsvProblem::BadCrossMode, Col::CrossMode);
    const std::string txKind = Lower(cross.substr(0, arrow));
    const std::string rxKind = Lower(cross.substr(arrow + 2));
    const auto known = [](const std::string &kind) {
        return kind.empty() || kind == "tone" || kind == "dtcs";
    };
    if (!known(txKind) || !known(rxKind) || (txKind.empty() && rxKind.empty()))
        return row.fail(CsvProblem::BadCrossMode, Col::CrossMode);
    if (txKind == "tone" && !ReadCtcss(row, Col::RToneFreq, txTone))
        return false;
    if (txKind == "dtcs" && !ReadDcs(row, Col::DtcsCode, polarity[0], txTone))
        return false;
    if (rxKind == "tone" && !ReadCtcss(row, Col::CToneFreq, rxTone))
        return false;
    if (rxKind == "dtcs" && !ReadDcs(row, Col::RxDtcsCode, polarity[1], rxTone))
        return false;
    return true;
}

// The watts a Power word is written with ("2.5W" -> 2.5).
std::optional<double> WattsOf(std::string_view written)
{
    if (!written.empty() && (written.back() == 'W' || written.back() == 'w'))
        written.remove_suffix(1);
    return ParseNumber(written);
}

// Power may be written as watts: the level whose written watts are nearest,
// halfway between two going to the lower one.
std::optional<int> NearestWattLevel(const ChannelField &field, double watts)
{
    std::optional<int> nearest;
    double nearestWatts = 0.0;
    for (std::size_t i = 0; i < field.csvWords.size(); ++i) {
        const std::optional<double> level = WattsOf(field.csvWords[i].write);
        if (!level)
            continue;
        const double distance = std::fabs(watts - *level);
        const double nearestDistance = std::fabs(watts - nearestWatts);
        if (!nearest || distance < nearestDistance ||
            (distance == nearestDistance && *level < nearestWatts)) {
            nearest = static_cast<int>(i);
            nearestWatts = *level;
        }
    }
    return nearest;
}

CsvProblem ProblemOf(const ChannelField &field)
{
    switch (field.row) {
    case ChannelTable::Power:
        return CsvProblem::BadPower;
    case ChannelTable::Bandwidth:
        return CsvProblem::BadMode;
    case ChannelTable::ScanAdd:
        return CsvProblem::BadSkip;
    default:
        return CsvProblem::BadOption;
    }
}

// The entry of an option list that `word` (lower case) names.
std::optional<int> OptionEntryOf(const ChannelField &field, const std::string &word)
{
    const auto entries = static_cast<std::size_t>(ChannelOptionCount(field.row + 3));
    for (std::size_t i = 0; i < entries && i < field.csvWords.size(); ++i) {
        if (IsCsvWordOf(field.csvWords[i], word))
            return static_cast<int>(i);
    }
    return std::nullopt;
}

// An option field's column: one of the entry's words, or empty for what a
// new channel gets.
bool ReadOption(RowReader &row, const ChannelField &field, int &index)
{
    const std::string written = row.field(field.csvColumn);
    const std::string word = Lower(written);
    if (word.empty()) {
        index = NewChannelIndex(field.row);
        return true;
    }
    if (const std::optional<int> entry = OptionEntryOf(field, word)) {
        index = *entry;
        return true;
    }
    if (field.row == ChannelTable::Power) {
        std::string_view number = word;
        if (number.back() == 'w')
            number.remove_suffix(1);
        const NumberReading watts = ReadNumber(number);
        if (watts.status == NumberReading::OutOfRange)
            return row.fail(CsvProblem::NumberOutOfRange, field.csvColumn);
        if (watts && watts.value >= 0) {
            if (const std::optional<int> level = NearestWattLevel(field, watts.value)) {
                index = *level;
                const std::string_view levelWord =
                    field.csvWords[static_cast<std::size_t>(*level)].write;
                if (WattsOf(levelWord) != watts.value)
                    row.note({.kind = CsvChange::Kind::Power,
                              .from = written,
                              .to = std::string(levelWord)});
                return true;
            }
        }
    }
    return row.fail(ProblemOf(field), field.csvColumn);
}

// The option fields in the order of their columns.
bool ReadOptions(RowReader &row, CsvChannel &channel)
{
    for (const std::string &column : CsvChannelColumns()) {
        for (const ChannelField &field : ChannelFields()) {
            if (field.kind != ChannelField::Kind::Option || field.csvColumn != column)
                continue;
            if (!ReadOption(row, field, channel.indexes[static_cast<std::size_t>(field.row)]))
                return false;
        }
    }
    return true;
}

void ReadName(RowReader &row, CsvChannel &channel)
{
    const std::string written = row.field(Col::Name);
    FilteredName filtered = FilterName(written, kStoredNameLength);
    if (filtered.raised || filtered.dropped > 0 || filtered.cut)
        row.note({.kind = CsvChange::Kind::Name,
                  .from = written,
                  .to = filtered.name,
                  .raised = filtered.raised,
                  .dropped = filtered.dropped,
                  .cut = filtered.cut});
    channel.name = std::move(filtered.name);
}

// What export writes for an option: the word of its entry; an index outside
// the list is written as what a new channel gets.
std::string_view WordOf(const ChannelField &field, int index)
{
    const int entries = ChannelOptionCount(field.row + 3);
    if (index < 0 || index >= entries)
        index = NewChannelIndex(field.row);
    return field.csvWords[static_cast<std::size_t>(index)].write;
}

// A frequency of the table that import would refuse: not a number (hex
// letters decoded from a damaged image) or outside the band.
std::optional<CsvExportProblem> ExportCheck(const std::string &frequency, BandLimits band,
                                            int channel, bool transmit)
{
    using Problem = CsvExportProblem;
    switch (CheckFrequency(frequency, band).status) {
    case FrequencyCheck::Empty:
    case FrequencyCheck::InBand:
        return std::nullopt;
    case FrequencyCheck::NotANumber:
        return Problem{channel, transmit, Problem::NotAFrequency, frequency};
    case FrequencyCheck::OutOfBand:
        break;
    }
    return Problem{channel, transmit, Problem::OutOfBand, frequency};
}

// Duplex and Offset of a channel (see ReadFrequencies).
std::pair<std::string, std::string> ExportDuplex(const ChannelTable &table, int n)
{
    const std::string &rxText = table.rx(n);
    const std::string &txText = table.tx(n);
    const bool txStop =
        table.index(ChannelTable::TxStop, n) == ChannelFieldNamed("tx_stop").onIndex;
    if (txText.empty())
        return {txStop ? "off" : "split", ""};
    const long rx = UnitsOf(rxText);
    const long tx = UnitsOf(txText);
    if (txStop)
        return {"off", tx == rx ? MegahertzText(0) : MegahertzText(tx)};
    if (tx > rx)
        return {"+", MegahertzText(tx - rx)};
    if (tx < rx)
        return {"-", MegahertzText(rx - tx)};
    return {"", MegahertzText(0)};
}

// A frequency's channel raster: 5 kHz unless it sits only on the 6.25 kHz one.
std::string_view StepOf(long units)
{
    return units % 500 == 0 ? "5.00" : "6.25";
}

} // namespace

const std::vector<std::string> &CsvChannelColumns()
{
    static const std::vector<std::string> columns = [] {
        std::vector<std::string> names(kExchangeColumns.begin(), kExchangeColumns.end());
        for (const ChannelField &field : ChannelFields()) {
            if (std::find(names.begin(), names.end(), field.csvColumn) == names.end())
                names.emplace_back(field.csvColumn);
        }
        return names;
    }();
    return columns;
}

CsvExport ExportChannelsCsv(const ChannelTable &table, BandLimits band)
{
    CsvExport result;
    std::string &out = result.text;
    const std::vector<std::string> &columns = CsvChannelColumns();
    for (std::size_t i = 0; i < columns.size(); ++i)
        out += (i ? "," : "") + columns[i];
    out += '\n';

    for (int n = 1; n <= kChannelCount; ++n) {
        if (table.rx(n).empty())
            continue;
        std::optional<CsvExportProblem> problem = ExportCheck(table.rx(n), band, n, false);
        if (!problem)
            problem = ExportCheck(table.tx(n), band, n, true);
        if (problem) {
            result.leftOut.push_back(std::move(*problem));
            continue;
        }
        const long rx = UnitsOf(table.rx(n));
        const auto [duplex, offset] = ExportDuplex(table, n);
        const ToneColumns tones =
            ExportTones(table.index(ChannelTable::RxTone, n), table.index(ChannelTable::TxTone, n));
        std::map<std::string_view, std::string> cells = {
            {Col::Location, std::to_string(n)},
            {Col::Name, table.name(n)},
            {Col::Frequency, MegahertzText(rx)},
            {Col::Duplex, duplex},
            {Col::Offset, offset},
            {Col::Tone, tones.mode},
            {Col::RToneFreq, tones.rTone},
            {Col::CToneFreq, tones.cTone},
            {Col::DtcsCode, tones.dtcs},
            {Col::DtcsPolarity, tones.polarity},
            {Col::RxDtcsCode, tones.rxDtcs},
            {Col::CrossMode, tones.crossMode},
            {Col::TStep, std::string(StepOf(rx))},
        };
        for (const ChannelField &field : ChannelFields()) {
            if (field.kind == ChannelField::Kind::Option) {
                const auto row = static_cast<ChannelTable::Row>(field.row);
                cells[field.csvColumn] = WordOf(field, table.index(row, n));
            }
        }
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (i)
                out += ',';
            out += QuotedField(cells[columns[i]]);
        }
        out += '\n';
    }
    return result;
}

bool CsvImport::fileProblem() const
{
    return channels.empty() && problems.size() == 1 &&
           (problems.front().problem == CsvProblem::MissingColumn ||
            problems.front().problem == CsvProblem::NoHeader);
}

int CsvImport::rowsWithWarnings() const
{
    std::set<int> lines;
    for (const CsvChange &change : changes) {
        if (!change.refused)
            lines.insert(change.line);
    }
    return static_cast<int>(lines.size());
}

namespace {

bool SameValues(const CsvChannel &channel, const ChannelTable &table, int n)
{
    if (channel.rx != table.rx(n) || channel.tx != table.tx(n) || channel.name != table.name(n))
        return false;
    for (int row = 0; row < ChannelTable::kRows; ++row) {
        if (channel.indexes[static_cast<std::size_t>(row)] !=
            table.index(static_cast<ChannelTable::Row>(row), n))
            return false;
    }
    return true;
}

} // namespace

CsvImport ImportChannelsCsv(std::string_view text, BandLimits band, const ChannelTable &table,
                            const CsvImportOptions &options)
{
    CsvImport result;
    result.placement = options.placement;
    result.placement.first = std::clamp(result.placement.first, 1, kChannelCount);
    const bool renumber = result.placement.renumber;

    std::optional<int> unclosedQuoteLine;
    const std::vector<Record> records = ReadRecords(text, unclosedQuoteLine);
    if (records.empty()) {
        if (unclosedQuoteLine)
            result.problems.push_back({*unclosedQuoteLine, CsvProblem::UnclosedQuote, {}, {}});
        else
            result.problems.push_back({1, CsvProblem::NoHeader, {}, {}});
        return result;
    }

    std::map<std::string, std::size_t> columns;
    const Record &header = records.front();
    for (std::size_t i = 0; i < header.fields.size(); ++i)
        columns.emplace(Lower(Trim(header.fields[i])), i);
    for (std::string_view required : {Col::Location, Col::Frequency}) {
        if (renumber && required == Col::Location)
            continue;
        if (!columns.count(Lower(required))) {
            result.problems.push_back(
                {header.line, CsvProblem::MissingColumn, std::string(required), {}});
            return result;
        }
    }

    // Channels a renumbered row may take: those not in use, from the first up.
    std::array<bool, kChannelCount> taken{};
    for (int n = 1; n <= kChannelCount; ++n)
        taken[n - 1] = !result.placement.clear && !table.rx(n).empty();
    int next = result.placement.first;
    std::set<int> seen;
    std::map<std::string, int> names; // name -> line of the row taken with it

    for (std::size_t r = 1; r < records.size(); ++r) {
        RowReader row(records[r], columns);
        CsvChannel channel;
        channel.line = records[r].line;
        if (!renumber) {
            channel.location = LocationOf(row.field(Col::Location));
            if (channel.location < 1 || channel.location > kChannelCount)
                row.fail(CsvProblem::BadLocation, Col::Location);
            else if (!seen.insert(channel.location).second)
                row.fail(CsvProblem::DuplicateLocation, Col::Location);
        }
        bool txStop = false;
        if (!row.problem() && ReadFrequencies(row, band, channel, txStop) && !channel.clear &&
            ReadTones(row, channel) && ReadOptions(row, channel)) {
            if (txStop)
                channel.indexes[ChannelTable::TxStop] = ChannelFieldNamed("tx_stop").onIndex;
            ReadName(row, channel);
        }
        if (!row.problem() && renumber && channel.clear)
            row.fail(CsvProblem::NoFrequency, Col::Frequency);
        const auto named = names.find(channel.name);
        if (!row.problem() && !channel.name.empty() && named != names.end())
            row.note({.kind = CsvChange::Kind::DuplicateName,
                      .from = channel.name,
                      .to = channel.name,
                      .otherLine = named->second});
        if (!row.problem() && options.strict && !row.changes().empty())
            row.fail(CsvProblem::ValueChanged, {}, {});
        if (!row.problem() && renumber) {
            while (next <= kChannelCount && taken[next - 1])
                ++next;
            if (next > kChannelCount) {
                row.fail(CsvProblem::NoFreeChannel, {}, {});
            } else {
                channel.location = next;
                taken[next - 1] = true;
            }
        }

        if (row.problem()) {
            result.problems.push_back(*row.problem());
            if (row.problem()->problem == CsvProblem::ValueChanged) {
                for (CsvChange change : row.changes()) {
                    change.refused = true;
                    result.changes.push_back(std::move(change));
                }
            }
            continue;
        }
        if (!channel.name.empty())
            names.emplace(channel.name, channel.line);
        result.changes.insert(result.changes.end(), row.changes().begin(), row.changes().end());
        result.channels.push_back(std::move(channel));
    }
    if (unclosedQuoteLine)
        result.problems.push_back({*unclosedQuoteLine, CsvProblem::UnclosedQuote, {}, {}});

    // A channel in use that a row gives the values it has already loses nothing.
    std::map<int, const CsvChannel *> placed;
    for (const CsvChannel &channel : result.channels)
        placed[channel.location] = &channel;
    for (int n = 1; n <= kChannelCount; ++n) {
        if (table.rx(n).empty())
            continue;
        const auto row = placed.find(n);
        if (row == placed.end()) {
            if (result.placement.clear)
                result.emptied.push_back(n);
        } else if (row->second->clear) {
            result.emptied.push_back(n);
        } else if (!SameValues(*row->second, table, n)) {
            result.replaced.push_back(n);
        }
    }
    return result;
}

CsvImport ParseChannelsCsv(std::string_view text, BandLimits band)
{
    return ImportChannelsCsv(text, band, ChannelTable{}, {});
}

void ApplyCsvChannel(const CsvChannel &channel, ChannelTable &table)
{
    const int n = channel.location;
    if (n < 1 || n > kChannelCount)
        return;
    table.clearChannel(n);
    if (channel.clear)
        return;
    table.rx(n) = channel.rx;
    table.tx(n) = channel.tx;
    for (int row = 0; row < ChannelTable::kRows; ++row)
        table.index(static_cast<ChannelTable::Row>(row), n) =
            channel.indexes[static_cast<std::size_t>(row)];
    table.name(n) = channel.name;
}

ChannelTable ApplyCsvImport(const CsvImport &import, const ChannelTable &table)
{
    ChannelTable result = table;
    if (import.placement.clear)
        result.clearAll();
    for (const CsvChannel &channel : import.channels)
        ApplyCsvChannel(channel, result);
    return result;
}

} // namespace q731
