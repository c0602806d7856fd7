#pragma once

// The channel table as a CSV channel list in the column layout that
// multi-radio programming tools use to exchange channels, plus three columns
// of our own for what that layout has no place for (busy lock, transmit stop,
// scramble). Import applies the rules of typing into the channel grid.

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

// Every channel in use, one row each, ascending by channel number; LF line ends.
std::string ExportChannelsCsv(const ChannelTable &table);

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
};

struct CsvRowProblem
{
    int line = 0; // 1-based line of the file where the row starts
    CsvProblem problem = CsvProblem::BadLocation;
    std::string column; // header name of the offending column
    std::string value;  // its text as read
};

// One row as it will go into the table.
struct CsvChannel
{
    int line = 0;
    int location = 0;   // channel number 1..128
    bool clear = false; // empty Frequency: the channel is emptied
    std::string rx;     // "DDD.DDDDD"
    std::string tx;     // same, or empty
    // List indexes by ChannelTable row: the tones (ToneList indexes), then
    // the options, as a new channel gets them.
    std::array<int, ChannelTable::kRows> indexes = kNewChannelIndexes;
    std::string name;

    int index(ChannelTable::Row row) const { return indexes[static_cast<std::size_t>(row)]; }
};

struct CsvImport
{
    std::vector<CsvChannel> channels;    // the rows that can be taken, in file order
    std::vector<CsvRowProblem> problems; // the rows that cannot, in file order
};

// Columns are found by header name in any order; a missing column takes the
// value a new channel gets. A byte-order mark, blank lines and lines starting
// with '#' are skipped.
CsvImport ParseChannelsCsv(std::string_view text, BandLimits band);

// Puts the row at its location, with the texts the grid shows in `language`.
void ApplyCsvChannel(const CsvChannel &channel, ChannelTable &table, Language language);

} // namespace q731
