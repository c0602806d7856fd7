#include "csv_channels.h"

#include "image/text_helpers.h"
#include "image/texts.h"
#include "image/tones.h"

#include <algorithm>
#include <array>
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

namespace Col {
constexpr std::string_view Location = "Location", Name = "Name", Frequency = "Frequency",
                           Duplex = "Duplex", Offset = "Offset", Tone = "Tone",
                           RToneFreq = "rToneFreq", CToneFreq = "cToneFreq", DtcsCode = "DtcsCode",
                           DtcsPolarity = "DtcsPolarity", RxDtcsCode = "RxDtcsCode",
                           CrossMode = "CrossMode", Mode = "Mode", TStep = "TStep", Skip = "Skip",
                           Power = "Power", Comment = "Comment", BusyLock = "BusyLock",
                           TxStop = "TxStop", Scramble = "Scramble";
} // namespace Col

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

std::string ToneText(int index)
{
    return ToneListEntry(index, Language::English);
}

// "D023N" -> "023".
std::string DcsCodeOf(int index)
{
    return ToneText(index).substr(1, 3);
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

// "145.12500" -> 14512500 (10 Hz units); nothing for a text that is not
// three digits, a point and five digits.
std::optional<long> Units(std::string_view text)
{
    if (text.size() != 9 || text[3] != '.')
        return std::nullopt;
    long value = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == 3)
            continue;
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
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

// The typing rule of the frequency box: in the band, then onto the raster.
std::optional<std::string> TypedFrequency(double value, BandLimits band)
{
    if (value < band.lowMHz || value >= band.highMHz)
        return std::nullopt;
    return FormatFixed(SnapFrequencyStep(FormatFixed(value, 5)), 5);
}

// The name box's key filter: a..z become A..Z, codes outside 35..96 are
// dropped. A name slot holds 8 characters; names read from a radio may use
// all of them, so import keeps up to 8.
std::string FilteredName(std::string_view name)
{
    std::string out;
    for (char c : name) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        const auto code = static_cast<unsigned char>(c);
        if (code >= 35 && code <= 96 && out.size() < static_cast<std::size_t>(ImageMap::kNameSize))
            out += c;
    }
    return out;
}

std::optional<int> CtcssIndex(std::string_view text)
{
    const std::optional<double> value = ParseNumber(text);
    if (!value)
        return std::nullopt;
    const int index = ToneIndexOf(FormatFixed(*value, 1), Language::English);
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
    const int index = ToneIndexOf(entry, Language::English);
    if (index < kFirstDcsNormal)
        return std::nullopt;
    return index;
}

std::optional<int> PowerIndex(std::string_view text)
{
    const std::string word = Lower(Trim(text));
    if (word.empty() || word == "high" || word == "h")
        return 1;
    if (word == "low" || word == "l")
        return 0;
    if (word == "mid" || word == "middle" || word == "medium" || word == "m")
        return 2;
    std::string number = word;
    if (!number.empty() && number.back() == 'w')
        number.pop_back();
    const std::optional<double> watts = ParseNumber(number);
    if (!watts || *watts < 0)
        return std::nullopt;
    // Nearest level; halfway between two goes to the lower one.
    if (*watts <= (kCsvLowWatts + kCsvMiddleWatts) / 2)
        return 0;
    if (*watts <= (kCsvMiddleWatts + kCsvHighWatts) / 2)
        return 2;
    return 1;
}

std::string PowerText(int index)
{
    const double watts = index == 0 ? kCsvLowWatts : index == 2 ? kCsvMiddleWatts : kCsvHighWatts;
    return FormatFixed(watts, 1) + "W";
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
        out.rTone = ToneText(txTone);
        return out;
    }
    if (tx == ToneKind::Tone && rx == ToneKind::Tone && txTone == rxTone) {
        out.mode = "TSQL";
        out.rTone = out.cTone = ToneText(txTone);
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
        out.rTone = ToneText(txTone);
    if (tx == ToneKind::Dtcs) {
        out.dtcs = DcsCodeOf(txTone);
        out.polarity[0] = PolarityOf(txTone);
    }
    if (rx == ToneKind::Tone)
        out.cTone = ToneText(rxTone);
    if (rx == ToneKind::Dtcs) {
        out.rxDtcs = DcsCodeOf(rxTone);
        out.polarity[1] = PolarityOf(rxTone);
    }
    return out;
}

// One row being read: the fields by column name, and the first problem.
class RowReader
{
public:
    RowReader(const Record &record, const std::map<std::string, std::size_t> &columns)
        : m_record(record)
        , m_columns(columns)
    {
    }

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

private:
    const Record &m_record;
    const std::map<std::string, std::size_t> &m_columns;
    std::optional<CsvRowProblem> m_problem;
};

bool ReadFrequencies(RowReader &row, BandLimits band, CsvChannel &channel)
{
    const std::string rxText = row.field(Col::Frequency);
    if (rxText.empty()) {
        channel.clear = true;
        return true;
    }
    const std::optional<double> rx = ParseNumber(rxText);
    if (!rx)
        return row.fail(CsvProblem::BadFrequency, Col::Frequency);
    const std::optional<std::string> rxTyped = TypedFrequency(*rx, band);
    if (!rxTyped)
        return row.fail(CsvProblem::OutOfBand, Col::Frequency);
    channel.rx = *rxTyped;

    const std::string duplex = Lower(row.field(Col::Duplex));
    if (duplex == "off") {
        channel.tx.clear();
        return true;
    }
    if (duplex.empty()) {
        channel.tx = channel.rx;
        return true;
    }
    if (duplex != "+" && duplex != "-" && duplex != "split")
        return row.fail(CsvProblem::BadDuplex, Col::Duplex);
    const std::optional<double> offset = ParseNumber(row.field(Col::Offset));
    if (!offset)
        return row.fail(CsvProblem::BadOffset, Col::Offset);
    const double tx = duplex == "split" ? *offset : duplex == "+" ? *rx + *offset : *rx - *offset;
    const std::optional<std::string> txTyped = TypedFrequency(tx, band);
    if (!txTyped)
        return row.fail(CsvProblem::OutOfBand, Col::Offset, FormatFixed(tx, 5));
    channel.tx = *txTyped;
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

    channel.rxTone = channel.txTone = 0;
    if (mode.empty())
        return true;
    if (mode == "tone")
        return ReadCtcss(row, Col::RToneFreq, channel.txTone);
    if (mode == "tsql") {
        if (!ReadCtcss(row, Col::CToneFreq, channel.txTone))
            return false;
        channel.rxTone = channel.txTone;
        return true;
    }
    if (mode == "dtcs") {
        return ReadDcs(row, Col::DtcsCode, polarity[0], channel.txTone) &&
               ReadDcs(row, Col::DtcsCode, polarity[1], channel.rxTone);
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
    if (txKind == "tone" && !ReadCtcss(row, Col::RToneFreq, channel.txTone))
        return false;
    if (txKind == "dtcs" && !ReadDcs(row, Col::DtcsCode, polarity[0], channel.txTone))
        return false;
    if (rxKind == "tone" && !ReadCtcss(row, Col::CToneFreq, channel.rxTone))
        return false;
    if (rxKind == "dtcs" && !ReadDcs(row, Col::RxDtcsCode, polarity[1], channel.rxTone))
        return false;
    return true;
}

// Our own on/off columns: `onWords` select index 0 (the list's first item).
bool ReadOwnOption(RowReader &row, std::string_view column,
                   std::initializer_list<std::string_view> onWords, int &index)
{
    const std::string value = Lower(row.field(column));
    if (value.empty() || value == "off") {
        index = 1;
        return true;
    }
    for (std::string_view word : onWords) {
        if (value == word) {
            index = 0;
            return true;
        }
    }
    return row.fail(CsvProblem::BadOption, column);
}

bool ReadOptions(RowReader &row, CsvChannel &channel)
{
    const std::string mode = Lower(row.field(Col::Mode));
    if (mode.empty() || mode == "fm")
        channel.bandwidth = 1;
    else if (mode == "nfm")
        channel.bandwidth = 0;
    else
        return row.fail(CsvProblem::BadMode, Col::Mode);

    const std::string skip = Lower(row.field(Col::Skip));
    if (skip.empty() || skip == "p")
        channel.scanAdd = 1;
    else if (skip == "s")
        channel.scanAdd = 0;
    else
        return row.fail(CsvProblem::BadSkip, Col::Skip);

    const std::optional<int> power = PowerIndex(row.field(Col::Power));
    if (!power)
        return row.fail(CsvProblem::BadPower, Col::Power);
    channel.power = *power;

    return ReadOwnOption(row, Col::BusyLock, {"carrier", "on"}, channel.busyLock) &&
           ReadOwnOption(row, Col::TxStop, {"on"}, channel.txStop) &&
           ReadOwnOption(row, Col::Scramble, {"on"}, channel.scramble);
}

} // namespace

const std::vector<std::string> &CsvChannelColumns()
{
    static const std::vector<std::string> columns = {
        "Location",  "Name",      "Frequency", "Duplex",       "Offset",     "Tone",
        "rToneFreq", "cToneFreq", "DtcsCode",  "DtcsPolarity", "RxDtcsCode", "CrossMode",
        "Mode",      "TStep",     "Skip",      "Power",        "Comment",    "URCALL",
        "RPT1CALL",  "RPT2CALL",  "DVCODE",    "BusyLock",     "TxStop",     "Scramble",
    };
    return columns;
}

std::string ExportChannelsCsv(const ChannelTable &table)
{
    std::string out;
    const std::vector<std::string> &columns = CsvChannelColumns();
    for (std::size_t i = 0; i < columns.size(); ++i)
        out += (i ? "," : "") + columns[i];
    out += '\n';

    for (int n = 1; n <= kChannelCount; ++n) {
        if (table.rx(n).empty())
            continue;
        const std::optional<long> rx = Units(table.rx(n));
        const std::optional<long> tx = Units(table.tx(n));
        std::string duplex;
        std::string offset = "0.000000";
        if (table.tx(n).empty()) {
            duplex = "off";
        } else if (rx && tx) {
            if (*tx > *rx) {
                duplex = "+";
                offset = MegahertzText(*tx - *rx);
            } else if (*tx < *rx) {
                duplex = "-";
                offset = MegahertzText(*rx - *tx);
            }
        } else {
            duplex = "split";
            offset = table.tx(n) + "0";
        }
        const ToneColumns tones =
            ExportTones(table.index(ChannelTable::RxTone, n), table.index(ChannelTable::TxTone, n));
        // The 5 kHz raster unless the frequency sits only on the 6.25 kHz one.
        const bool on5k = rx && *rx % 500 == 0;
        const std::vector<std::string> fields = {
            std::to_string(n),
            table.name(n),
            rx ? MegahertzText(*rx) : table.rx(n),
            duplex,
            offset,
            tones.mode,
            tones.rTone,
            tones.cTone,
            tones.dtcs,
            tones.polarity,
            tones.rxDtcs,
            tones.crossMode,
            table.index(ChannelTable::Bandwidth, n) == 0 ? "NFM" : "FM",
            on5k ? "5.00" : "6.25",
            table.index(ChannelTable::ScanAdd, n) == 0 ? "S" : "",
            PowerText(table.index(ChannelTable::Power, n)),
            "",
            "",
            "",
            "",
            "",
            table.index(ChannelTable::BusyLock, n) == 0 ? "Carrier" : "Off",
            table.index(ChannelTable::TxStop, n) == 0 ? "On" : "Off",
            table.index(ChannelTable::Scramble, n) == 0 ? "On" : "Off",
        };
        for (std::size_t i = 0; i < fields.size(); ++i)
            out += (i ? "," : "") + QuotedField(fields[i]);
        out += '\n';
    }
    return out;
}

CsvImport ParseChannelsCsv(std::string_view text, BandLimits band)
{
    CsvImport result;
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
        if (!columns.count(Lower(required))) {
            result.problems.push_back(
                {header.line, CsvProblem::MissingColumn, std::string(required), {}});
            return result;
        }
    }

    std::set<int> seen;
    for (std::size_t r = 1; r < records.size(); ++r) {
        RowReader row(records[r], columns);
        CsvChannel channel;
        channel.line = records[r].line;
        const std::string location = row.field(Col::Location);
        const bool digits = !location.empty() && location.size() <= 3 &&
                            std::all_of(location.begin(), location.end(),
                                        [](char c) { return c >= '0' && c <= '9'; });
        channel.location = digits ? std::stoi(location) : 0;
        if (channel.location < 1 || channel.location > kChannelCount) {
            row.fail(CsvProblem::BadLocation, Col::Location);
        } else if (!seen.insert(channel.location).second) {
            row.fail(CsvProblem::DuplicateLocation, Col::Location);
        } else if (ReadFrequencies(row, band, channel) &&
                   (channel.clear || (ReadTones(row, channel) && ReadOptions(row, channel)))) {
            channel.name = FilteredName(row.field(Col::Name));
        }
        if (row.problem())
            result.problems.push_back(*row.problem());
        else
            result.channels.push_back(std::move(channel));
    }
    if (unclosedQuoteLine)
        result.problems.push_back({*unclosedQuoteLine, CsvProblem::UnclosedQuote, {}, {}});
    return result;
}

void ApplyCsvChannel(const CsvChannel &channel, ChannelTable &table, Language language)
{
    const int n = channel.location;
    if (n < 1 || n > kChannelCount)
        return;
    table.ClearNO(n);
    if (channel.clear)
        return;
    table.rx(n) = channel.rx;
    table.tx(n) = channel.tx;
    const std::array<int, ChannelTable::kRows> indexes = {
        channel.rxTone,  channel.txTone,    channel.power,  channel.busyLock,
        channel.scanAdd, channel.bandwidth, channel.txStop, channel.scramble,
    };
    for (int row = 0; row < ChannelTable::kRows; ++row) {
        const auto r = static_cast<ChannelTable::Row>(row);
        table.index(r, n) = indexes[static_cast<std::size_t>(row)];
        if (row <= ChannelTable::TxTone) {
            table.text(r, n) = ToneListEntry(indexes[static_cast<std::size_t>(row)], language);
        } else {
            const std::vector<std::string> &items = ChannelOptionItems(row + 3, language);
            const auto index = static_cast<std::size_t>(indexes[static_cast<std::size_t>(row)]);
            if (index < items.size())
                table.text(r, n) = items[index];
        }
    }
    table.name(n) = channel.name;
}

} // namespace q731
