#pragma once

// The channel table as a CSV channel list in the column layout that
// multi-radio programming tools use to exchange channels, plus three columns
// of our own for what that layout has no place for (busy lock, transmit stop,
// scramble). Import applies the rules of typing into the channel grid and
// tells every value it takes other than the list writes it.

#include "image/band_list.h"
#include "image/language.h"
#include "image/records.h"
#include "image/texts.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace q731 {

// The largest CSV channel list import reads (128 rows take a few KiB; the
// room is for comments and columns of other tools).
inline constexpr std::size_t kCsvFileSizeLimit = 16 * 1024 * 1024;

// The exchange columns in the order export writes them, then our own: the
// columns of the channel fields (image/channel_fields.h) the layout lacks.
const std::vector<std::string> &CsvChannelColumns();

// A channel that export leaves out, because import would refuse its row: a
// frequency decoded from a damaged image.
struct CsvExportProblem
{
    enum Reason {
        NotAFrequency, // hex letters where BCD digits belong
        OutOfBand,     // outside the band of the file
    };
    int channel = 0;
    bool transmit = true; // the transmit frequency; false: the receive frequency
    Reason reason = NotAFrequency;
    std::string value;
};

struct CsvExport
{
    std::string text;                      // LF line ends
    std::vector<CsvExportProblem> leftOut; // ascending by channel
};

// Every channel in use that import takes back, one row each, ascending by
// channel number. Import gives each of them back exactly, but for what
// typing would change in a value decoded from a damaged image (a frequency
// off the raster, a name with characters the name box refuses), which
// import reports.
CsvExport ExportChannelsCsv(const ChannelTable &table, BandLimits band);

// What stops one row from being taken.
enum class CsvProblem {
    MissingColumn,     // the header lacks Location or Frequency (line of the header)
    NoHeader,          // nothing but comments and blank lines
    BadLocation,       // not a channel number 1..128
    DuplicateLocation, // a row for this channel came earlier
    BadFrequency,      // not a number
    OutOfBand,         // outside the band of the file being imported into
    BadDuplex,         // not "", +, -, split or off
    BadOffset,         // not a number
    BadToneMode,       // not "", Tone, TSQL, DTCS or Cross
    BadCrossMode,
    BadTone,          // a CTCSS tone the radio does not have
    BadDcsCode,       // a DCS code the radio does not have
    BadPolarity,      // not NN, NR, RN or RR
    BadMode,          // not FM or NFM
    BadSkip,          // not "", S or P
    BadPower,         // neither a word Low/Mid/High nor watts
    NumberOutOfRange, // a number of more digits than can be read (Power)
    BadOption,        // an own column (busy lock, transmit stop, scramble) not On/Off
    UnclosedQuote,    // the file ends inside a quoted field
    NoFrequency,      // renumbering: an empty Frequency has no channel to empty
    NoFreeChannel,    // renumbering: every channel from the first one up is taken
    ValueChanged,     // strict: a value would be taken changed (see the changes)
};

struct CsvRowProblem
{
    int line = 0; // 1-based line of the file where the row starts
    CsvProblem problem = CsvProblem::BadLocation;
    std::string column; // header name of the offending column
    std::string value;  // its text as read
};

// A value that import takes other than the list writes it, as typing it into
// the channel grid would take it.
struct CsvChange
{
    enum class Kind {
        Frequency,     // moved onto the 5 / 6.25 kHz raster
        TxFrequency,   // the transmit frequency that Duplex and Offset give, moved so
        Name,          // upper-cased, characters dropped, cut to 8, left empty
        DuplicateName, // the name of an earlier row taken (`otherLine`)
        Power,         // a wattage of no level: the nearest level
    };
    int line = 0;
    Kind kind = Kind::Frequency;
    std::string from;     // as the list writes it (the transmit frequency as computed)
    std::string to;       // as it is stored
    bool raised = false;  // Name: a..z became A..Z
    int dropped = 0;      // Name: characters the name box refuses
    bool cut = false;     // Name: more than 8 characters were left
    int otherLine = 0;    // DuplicateName
    bool refused = false; // strict: the row was left out for it
};

// One row as it will go into the table.
struct CsvChannel
{
    int line = 0;
    int location = 0;   // the channel 1..128 the row goes to
    bool clear = false; // empty Frequency: the channel is emptied
    std::string rx;     // "DDD.DDDDD"
    std::string tx;     // same, or empty
    // List indexes by ChannelTable row: the tones (ToneList indexes), then
    // the options, as a new channel gets them.
    std::array<int, ChannelTable::kRows> indexes = kNewChannelIndexes;
    std::string name;

    int index(ChannelTable::Row row) const { return indexes[static_cast<std::size_t>(row)]; }
};

// Where the rows go.
struct CsvPlacement
{
    // false: each row to the channel of its Location. true: the rows in file
    // order into the channels not in use, from channel `first` up; Location
    // is not read.
    bool renumber = false;
    int first = 1;
    // The channel table is emptied before the rows go in.
    bool clear = false;
};

struct CsvImportOptions
{
    CsvPlacement placement;
    // A row that would be taken with a changed value is left out instead.
    bool strict = false;
};

struct CsvImport
{
    std::vector<CsvChannel> channels;    // the rows taken, in file order
    std::vector<CsvRowProblem> problems; // the rows left out, in file order
    std::vector<CsvChange> changes;      // in file order
    CsvPlacement placement;
    // Channels in use that the import overwrites with a row, and those it
    // empties (a row without a frequency, or the table emptied first);
    // ascending.
    std::vector<int> replaced;
    std::vector<int> emptied;

    // The file has no usable header: no row was read at all.
    bool fileProblem() const;
    // Rows taken with at least one changed value.
    int rowsWithWarnings() const;
};

// Columns are found by header name in any order; a missing column takes the
// value a new channel gets. A byte-order mark, blank lines and lines starting
// with '#' are skipped. `table` is the channel table the rows go into (which
// channels are free for renumbering).
CsvImport ImportChannelsCsv(std::string_view text, BandLimits band, const ChannelTable &table,
                            const CsvImportOptions &options);

// Each row to its Location, into an empty table.
CsvImport ParseChannelsCsv(std::string_view text, BandLimits band);

// Puts the row at its location.
void ApplyCsvChannel(const CsvChannel &channel, ChannelTable &table);

// `table` with the import's rows in place (emptied first when it says so).
ChannelTable ApplyCsvImport(const CsvImport &import, const ChannelTable &table);

} // namespace q731
