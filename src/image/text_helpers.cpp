#include "text_helpers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace q731 {

namespace {

// Value of one hex digit; 0 for any other character.
int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return 0;
}

int DigitValue(char c)
{
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view TrimSpaces(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// The longest prefix of s of the form [sign] digits [. digits], with at least
// one digit; empty when there is none.
std::string_view DecimalPrefix(std::string_view s)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        std::size_t j = i + 1;
        std::size_t decimals = 0;
        while (j < s.size() && IsDigit(s[j])) {
            ++j;
            ++decimals;
        }
        if (digits + decimals > 0)
            i = j;
        digits += decimals;
    }
    return digits == 0 ? std::string_view{} : s.substr(0, i);
}

// Converts a text already known to be [sign] digits [. digits].
NumberReading ConvertDecimal(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    double value = 0.0;
    const std::errc error =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed).ec;
    if (error == std::errc::result_out_of_range) {
        // Below 1 the only way out of range is towards 0, which is what the
        // number rounds to; from 1 up it is too large.
        const std::string_view whole = text.substr(0, text.find('.'));
        if (whole.find_first_not_of('0') != std::string_view::npos)
            return {NumberReading::OutOfRange, negative ? -HUGE_VAL : HUGE_VAL};
        value = 0.0;
    } else if (error != std::errc{}) {
        return {NumberReading::NotANumber, 0.0};
    }
    return {NumberReading::Number, negative ? -value : value};
}

char HexChar(int value)
{
    return "0123456789ABCDEF"[value & 0xF];
}

} // namespace

std::string StripFillChars(std::string_view s)
{
    std::string result;
    result.reserve(s.size());
    std::size_t pos = 0;
    while (pos < s.size()) {
        if (s.substr(pos, kFillChar.size()) == kFillChar) {
            pos += kFillChar.size();
            continue;
        }
        result.push_back(s[pos]);
        ++pos;
    }
    return result;
}

double SnapFrequencyStep(std::string_view s)
{
    if (s.size() < 4)
        return LeadingNumber(s);
    const std::string_view head = s.substr(0, s.size() - 4);
    int a = static_cast<int>(LeadingNumber(s.substr(s.size() - 4)));
    const int r5 = a % 500;
    const int r6 = a % 625;
    if (r5 == 0 || r6 == 0)
        return LeadingNumber(s);
    a -= r6 > r5 ? r5 : r6;
    char tail[8];
    std::snprintf(tail, sizeof tail, "%04d", a);
    return LeadingNumber(std::string(head) + tail);
}

int FrequencyBcdByte(std::string_view s, int n)
{
    std::string digits;
    for (char c : s) {
        if (c != '.')
            digits.push_back(c);
    }
    std::string_view pair;
    switch (n) {
    case 1:
        pair = s.substr(0, 2);
        break;
    case 2:
        pair = std::string_view(digits).substr(std::min<std::size_t>(2, digits.size()), 2);
        break;
    case 3:
        pair = std::string_view(digits).substr(std::min<std::size_t>(4, digits.size()), 2);
        break;
    case 4:
        pair = s.size() >= 2 ? s.substr(s.size() - 2) : s;
        break;
    default:
        return 0;
    }
    return static_cast<int>(HexToNumber(pair));
}

std::string ToneToHex(std::string_view t)
{
    // 1-based character k of t, or nothing past its end.
    auto at = [t](std::size_t k) {
        return k <= t.size() ? t.substr(k - 1, 1) : std::string_view{};
    };
    if (t.find('N') != std::string_view::npos || t.find('I') != std::string_view::npos) {
        const char polarity = t.find('N') != std::string_view::npos ? '8' : 'C';
        std::string hex;
        hex += at(3);
        hex += at(4);
        hex += polarity;
        hex += at(2);
        return hex;
    }
    std::string digits;
    for (char c : t) {
        if (c != '.')
            digits.push_back(c);
    }
    while (digits.size() < 4)
        digits.insert(digits.begin(), '0');
    return digits.substr(digits.size() - 2) + digits.substr(0, 2);
}

double HexToNumber(std::string_view s)
{
    double sum = 0.0;
    for (char c : s)
        sum = sum * 16.0 + HexDigitValue(c);
    return sum;
}

std::string HexToBinaryText(std::string_view s)
{
    static constexpr std::string_view kNibbles =
        "0000000100100011010001010110011110001001101010111100110111101111";
    std::string result;
    result.reserve(4 * s.size());
    for (char c : s) {
        result += kNibbles.substr(static_cast<std::size_t>(4 * HexDigitValue(c)), 4);
    }
    return result;
}

std::string BinaryTextToHex(std::string &s)
{
    while (s.size() % 4 != 0)
        s.insert(s.begin(), '0');
    std::string result;
    for (std::size_t i = 0; i < s.size(); i += 4) {
        int value = 0;
        for (std::size_t k = 0; k < 4; ++k)
            value = 2 * value + (s[i + k] == '1' ? 1 : 0);
        result.push_back(HexChar(value));
    }
    return result;
}

std::string FormatFmFrequency(std::string_view s)
{
    const std::size_t point = s.find('.');
    if (point == std::string_view::npos)
        return std::string(s) + ".00";
    const std::size_t decimals = s.size() - point - 1;
    if (decimals == 0)
        return std::string(s) + "00";
    if (decimals == 1)
        return std::string(s) + "0";
    const char second = s[point + 2];
    return std::string(s.substr(0, point + 2)) + (DigitValue(second) >= 5 ? "5" : "0");
}

std::string FormatFixed(double value, int decimals)
{
    if (!std::isfinite(value))
        return "0";
    if (decimals < 0)
        decimals = 0;
    // Round on the shortest decimal text of the value, so that 2.675 (stored as
    // 2.67499999...) rounds the way it reads.
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed);
    if (ec != std::errc{})
        return "0";
    std::string text(buffer, end);
    std::size_t point = text.find('.');
    if (point == std::string::npos) {
        point = text.size();
        text.push_back('.');
    }
    std::string intPart = text.substr(0, point);
    std::string fraction = text.substr(point + 1);
    const std::size_t want = static_cast<std::size_t>(decimals);
    bool roundUp = fraction.size() > want && fraction[want] >= '5';
    fraction.resize(want, '0');
    std::string digits = intPart + fraction;
    if (roundUp) {
        std::size_t i = digits.size();
        while (i > 0) {
            --i;
            if (digits[i] == '9') {
                digits[i] = '0';
            } else {
                ++digits[i];
                roundUp = false;
                break;
            }
        }
        if (roundUp)
            digits.insert(digits.begin(), '1');
    }
    std::string result = digits.substr(0, digits.size() - want);
    if (want > 0)
        result.append(".").append(digits, digits.size() - want);
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    return value < 0 && !zero ? result.insert(0, 1, '-') : result;
}

NumberReading ReadNumber(std::string_view s)
{
    s = TrimSpaces(s);
    const std::string_view number = DecimalPrefix(s);
    if (number.empty() || number.size() != s.size())
        return {NumberReading::NotANumber, 0.0};
    return ConvertDecimal(number);
}

std::optional<double> ParseNumber(std::string_view s)
{
    const NumberReading reading = ReadNumber(s);
    if (!reading)
        return std::nullopt;
    return reading.value;
}

double LeadingNumber(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    const std::string_view number = DecimalPrefix(s);
    // An out-of-range reading carries the infinity of its sign.
    return number.empty() ? 0.0 : ConvertDecimal(number).value;
}

std::string ByteToHex(std::uint8_t value)
{
    return {HexChar(value >> 4), HexChar(value)};
}

std::string Latin1ToUtf8(std::string_view bytes)
{
    std::string result;
    result.reserve(2 * bytes.size());
    for (char c : bytes) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x80) {
            result.push_back(static_cast<char>(code));
        } else {
            result.push_back(static_cast<char>(0xC0 | (code >> 6)));
            result.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }
    return result;
}

std::string Utf8ToLatin1(std::string_view utf8)
{
    std::string result;
    result.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t length = 1;
        std::uint32_t code = lead;
        if (lead >= 0xF0 && lead < 0xF8) {
            length = 4;
            code = lead & 0x07;
        } else if (lead >= 0xE0) {
            length = 3;
            code = lead & 0x0F;
        } else if (lead >= 0xC0) {
            length = 2;
            code = lead & 0x1F;
        } else if (lead >= 0x80) {
            // A stray continuation byte is not a character of its own.
            result.push_back('?');
            ++i;
            continue;
        }
        bool valid = i + length <= utf8.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        if (!valid) {
            result.push_back('?');
            ++i;
            continue;
        }
        result.push_back(code <= 0xFF ? static_cast<char>(code) : '?');
        i += length;
    }
    return result;
}

} // namespace q731
