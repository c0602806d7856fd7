#pragma once

// Small stateless text conversions shared by the codec and the field entry
// code. Each has a defined result for every input and never throws.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace q731 {

// The character a 0xFF byte becomes through the single-byte conversion
// (Latin-1): U+00FF, as UTF-8.
inline constexpr std::string_view kFillChar = "\xC3\xBF";

// Removes every fill character, wherever it stands.
std::string StripFillChars(std::string_view s);

// s has exactly five decimals ("145.12700"); moves it down to the nearest lower
// point of the 5 kHz or the 6.25 kHz raster, whichever is closer.
double SnapFrequencyStep(std::string_view s);

// Digit pair n (1..4) of "DDD.DDDDD" read as hex, i.e. a BCD byte; 0 otherwise.
int FrequencyBcdByte(std::string_view s, int n);

// Tone text -> four hex digits, low byte first ("D023N" -> "2380", "67.0" -> "7006").
std::string ToneToHex(std::string_view t);

// Hex digit text -> number; a character that is not a hex digit counts 0.
double HexToNumber(std::string_view s);

// Each hex digit -> four "0"/"1" characters.
std::string HexToBinaryText(std::string_view s);

// Pads s with leading "0" to a multiple of 4 (the caller sees the padded text),
// then each group of four -> one hex digit.
std::string BinaryTextToHex(std::string &s);

// FM frequency -> two decimals, the last one 0 or 5, never above the input.
std::string FormatFmFrequency(std::string_view s);

// Number formatting and parsing that do not depend on the C locale.

// value with exactly `decimals` decimals, rounded half away from zero.
std::string FormatFixed(double value, int decimals);

// A text read as a decimal number. A number beyond the range of a double is
// an error of its own: it must never pass for 0 or for any other value.
struct NumberReading
{
    enum Status { Number, NotANumber, OutOfRange };
    Status status = NotANumber;
    double value = 0.0; // only meaningful for Number

    explicit operator bool() const { return status == Number; }
};

// The whole text (surrounding spaces allowed) as a decimal number such as
// "145", "145.1", ".5" or "-3". Anything else ("", ".", "1.2.3", "1e5", "nan",
// "inf") is NotANumber; digits too many for a double ("1" followed by 400
// zeros) are OutOfRange. A non-zero number too close to 0 for a double reads
// as 0, the value it rounds to.
NumberReading ReadNumber(std::string_view s);

// The value of ReadNumber when it is a Number; nothing otherwise.
std::optional<double> ParseNumber(std::string_view s);

// The number formed by the text's leading digits and point ("12ab" -> 12,
// "" -> 0), the way a lenient field reads what the user typed. Digits too
// many for a double give infinity with the sign of the text, so that every
// range check still sees a number beyond its limit.
double LeadingNumber(std::string_view s);

// The byte as two upper-case hex digits ("0A").
std::string ByteToHex(std::uint8_t value);

// Latin-1 byte <-> UTF-8 character, for the single-byte character fields.
std::string Latin1ToUtf8(std::string_view bytes);
// Each character's code; a character above U+00FF becomes '?'.
std::string Utf8ToLatin1(std::string_view utf8);

} // namespace q731
