#include "settings_codec.h"

#include "band_list.h"
#include "codec.h"
#include "text_helpers.h"
#include "tones.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

namespace q731 {

namespace {

using namespace ImageMap;

constexpr int kFmWordNone = 0xFFFF;
// 108 MHz: 76 MHz + 640 steps of 50 kHz.
constexpr int kFmHighestWord = 640;

// A byte that passes the range test selects its entry when the list has one
// and leaves the field alone when not; a byte that fails takes the fallback.
void DecodeListByte(std::uint8_t byte, int bound, int listLength, int fallback, int &field)
{
    if (byte >= bound)
        field = fallback;
    else if (byte < listLength)
        field = byte;
}

// A bit field whose value names no entry keeps the old selection.
void DecodeBits(std::uint8_t byte, int shift, int width, int listLength, int &field)
{
    const int value = (byte >> shift) & ((1 << width) - 1);
    if (value < listLength)
        field = value;
}

int Bits(int index, int shift, int width)
{
    return (index & ((1 << width) - 1)) << shift;
}

std::uint8_t Byte(int value)
{
    return static_cast<std::uint8_t>(value & 0xFF);
}

std::string ChannelNumberText(std::uint8_t byte)
{
    return byte < 129 ? std::to_string(byte) : std::string();
}

// An empty text is unset (0xFF); so is a text that holds no byte-sized number.
std::uint8_t ChannelNumberByte(const std::string &text)
{
    const std::optional<double> value = ParseNumber(text);
    if (!value || *value < 0 || *value > 254)
        return 0xFF;
    return static_cast<std::uint8_t>(std::lround(*value));
}

std::string DecodeCharacters(const RadioImage &image, int base, int count)
{
    std::string bytes;
    for (int i = 0; i < count; ++i) {
        if (image[base + i] != 0xFF)
            bytes.push_back(static_cast<char>(image[base + i]));
    }
    return Latin1ToUtf8(bytes);
}

void EncodeCharacters(const std::string &text, int base, int count, RadioImage &image)
{
    const std::string bytes = Utf8ToLatin1(text);
    for (int i = 0; i < count; ++i) {
        const auto k = static_cast<std::size_t>(i);
        image[base + i] = k < bytes.size() ? static_cast<std::uint8_t>(bytes[k]) : 0xFF;
    }
}

// The offset as the radio stores it: three integer digits, five decimals.
std::string OffsetDigits(const std::string &text)
{
    std::string fixed = FormatFixed(std::fabs(LeadingNumber(text)), 5);
    while (fixed.find('.') < 3)
        fixed.insert(fixed.begin(), '0');
    return fixed;
}

// Frequency text in MHz -> 50 kHz steps above 76 MHz, worked out on the
// decimal digits (thousandths of a MHz) so that 88.85 gives exactly 257.
std::optional<int> FmWord(const std::string &text)
{
    const std::optional<double> value = ParseNumber(text);
    if (!value)
        return std::nullopt;
    std::string fixed = FormatFixed(*value, 3);
    fixed.erase(fixed.find('.'), 1);
    long long thousandths = 0;
    // A value of more digits than the conversion takes is far outside the FM band.
    if (std::from_chars(fixed.data(), fixed.data() + fixed.size(), thousandths).ec != std::errc{})
        return std::nullopt;
    const long long above = thousandths - 76000;
    if (above < 0)
        return std::nullopt;
    const long long word = (above + 25) / 50;
    if (word >= kFmWordNone)
        return std::nullopt;
    return static_cast<int>(word);
}

void PutFmWord(std::optional<int> word, int base, RadioImage &image)
{
    const int value = word.value_or(kFmWordNone);
    image[base] = Byte(value >> 8);
    image[base + 1] = Byte(value);
}

// "" for no frequency (0xFF 0xFF) and for one above 108 MHz.
std::string DecodeFmWord(const RadioImage &image, int base)
{
    const int word = 256 * image[base] + image[base + 1];
    if (word == kFmWordNone || word > kFmHighestWord)
        return {};
    const int hundredths = 7600 + 5 * word;
    char text[16];
    std::snprintf(text, sizeof text, "%d.%02d", hundredths / 100, hundredths % 100);
    return FormatFmFrequency(text);
}

void PutTone(int index, int base, RadioImage &image)
{
    const auto [low, high] = EncodeTone(index);
    image[base] = low;
    image[base + 1] = high;
}

} // namespace

void DecodeGeneralSettings(const RadioImage &image, OptionalFeatures &o)
{
    namespace L = OptionListLength;
    const auto at = [&image](int i) { return image[static_cast<std::size_t>(i)]; };
    DecodeListByte(at(1792), 4, L::displayMode, 1, o.displayMode);
    o.priorityScanChannel = ChannelNumberText(at(1793));
    DecodeListByte(at(1794), 8, L::frequencyStep, 1, o.frequencyStep);
    DecodeListByte(at(1795), 2, L::channelNameDisplay, 0, o.channelNameDisplay);
    DecodeListByte(at(1796), 10, L::squelchLevel, 5, o.squelchLevel);
    o.presentChannel = ChannelNumberText(at(1797));

    const std::uint8_t b1798 = at(1798);
    DecodeBits(b1798, 0, 1, L::beep, o.beep);
    DecodeBits(b1798, 1, 1, L::channelGroup, o.channelGroup);
    DecodeBits(b1798, 2, 1, L::batterySave, o.batterySave);
    DecodeBits(b1798, 3, 1, L::keyLock, o.keyLock);
    DecodeBits(b1798, 4, 1, L::radioMonitorSignal, o.radioMonitorSignal);
    DecodeBits(b1798, 5, 1, L::frequencyShift, o.frequencyShift);
    DecodeBits(b1798, 6, 1, L::scanMode, o.scanMode);
    DecodeBits(b1798, 7, 1, L::radioSearchMode, o.radioSearchMode);

    const std::uint8_t b1799 = at(1799);
    DecodeBits(b1799, 0, 2, L::lockKeyMode, o.lockKeyMode);
    DecodeBits(b1799, 2, 1, L::endOfCallTone, o.endOfCallTone);
    DecodeBits(b1799, 3, 1, L::powerOnPasswordSetting, o.powerOnPasswordSetting);
    DecodeBits(b1799, 5, 1, L::tailElimination, o.tailElimination);
    DecodeBits(b1799, 6, 2, L::backlight, o.backlight);

    const std::uint8_t b1800 = at(1800);
    DecodeBits(b1800, 0, 1, L::voxSwitch, o.voxSwitch);
    o.voxOffWhileReceiving = (b1800 & 0x04) != 0;
    DecodeBits(b1800, 3, 2, L::voxDelay, o.voxDelay);
    DecodeBits(b1800, 5, 3, L::voxGain, o.voxGain);

    DecodeListByte(at(1801), 3, L::powerOnDisplay, 1, o.powerOnDisplay);
    DecodeListByte(at(1802), 2, L::memoryChannelDisplay, 1, o.memoryChannelDisplay);
    DecodeListByte(at(1804), 16, L::autoPowerOff, 0, o.autoPowerOff);
    DecodeListByte(at(1805), 3, L::voiceMode, 0, o.voiceMode);
    DecodeListByte(at(1807), 8, L::timeoutTimer, 2, o.timeoutTimer);
}

void DecodeBandIndex(const RadioImage &image, int &bandIndex)
{
    const int byte = image[kBandIndex];
    if (byte < static_cast<int>(kBandItems.size()))
        bandIndex = byte;
}

void DecodeRemainingSettings(const RadioImage &image, RadioData &data)
{
    namespace L = OptionListLength;
    OptionalFeatures &o = data.options;
    o.powerOnText = DecodeCharacters(image, kPowerOnText, 6);

    o.vfoFrequency = DecodeFrequencyAt(image, kVfoFrequency);
    o.vfoOffset = FormatFixed(LeadingNumber(DecodeFrequencyAt(image, kVfoOffset)), 5);
    o.vfoRxTone = ToneIndexOfCode(image[kVfoRxTone], image[kVfoRxTone + 1]);
    o.vfoTxTone = ToneIndexOfCode(image[kVfoTxTone], image[kVfoTxTone + 1]);

    const std::uint8_t options = image[kVfoOptions];
    DecodeBits(options, 0, 2, L::vfoPower, o.vfoPower);
    DecodeBits(options, 2, 1, L::vfoBusyLock, o.vfoBusyLock);
    DecodeBits(options, 3, 1, L::vfoScanAdd, o.vfoScanAdd);
    DecodeBits(options, 4, 1, L::vfoBandwidth, o.vfoBandwidth);
    DecodeBits(options, 5, 1, L::vfoTxStop, o.vfoTxStop);
    DecodeBits(options, 6, 1, L::vfoScramble, o.vfoScramble);
    DecodeBits(options, 7, 1, L::vfoCompanding, o.vfoCompanding);
    if (image[kVfoOffsetDirection] < L::vfoOffsetDirection)
        o.vfoOffsetDirection = image[kVfoOffsetDirection];

    // A radio may leave anything in the slot; the ANI end code takes only what
    // it can hold, so that a file saved from it opens again with every DTMF
    // setting.
    const auto *slot = reinterpret_cast<const char *>(image.data() + kDtmfText);
    data.dtmf.aniEndCode = DtmfCode(std::string_view(slot, 16), 16);
    o.powerOnPassword = DecodeCharacters(image, kPassword, 4);

    FmSettings &fm = data.fm;
    for (int n = 1; n <= FmSettings::kChannels; ++n)
        fm.channel(n) = DecodeFmWord(image, kFmChannels + 2 * (n - 1));
    fm.FmCurrentChannel = image[kFmSettings];
    fm.FmDisplayMode = image[kFmSettings + 1];
    fm.FmStep = image[kFmSettings + 2];
    fm.FmFrequencyText = DecodeFmWord(image, kFmFrequency);

    for (int i = 0; i < 9; ++i)
        data.calibration.values[static_cast<std::size_t>(kCalibrationSliderOfByte[i])] =
            image[kCalibration + i];
}

void EncodeSettings(const RadioData &data, RadioImage &image)
{
    const OptionalFeatures &o = data.options;
    for (int i = kSettingsStart; i < kSettingsEnd; ++i)
        image[static_cast<std::size_t>(i)] = 0xFF;

    image[1792] = Byte(o.displayMode);
    image[1793] = ChannelNumberByte(o.priorityScanChannel);
    image[1794] = Byte(o.frequencyStep);
    image[1795] = Byte(o.channelNameDisplay);
    image[1796] = Byte(o.squelchLevel);
    image[1797] = ChannelNumberByte(o.presentChannel);
    image[1798] =
        Byte(Bits(o.beep, 0, 1) | Bits(o.channelGroup, 1, 1) | Bits(o.batterySave, 2, 1) |
             Bits(o.keyLock, 3, 1) | Bits(o.radioMonitorSignal, 4, 1) |
             Bits(o.frequencyShift, 5, 1) | Bits(o.scanMode, 6, 1) | Bits(o.radioSearchMode, 7, 1));
    // Bit 4 must stay set.
    image[1799] = Byte(Bits(o.lockKeyMode, 0, 2) | Bits(o.endOfCallTone, 2, 1) |
                       Bits(o.powerOnPasswordSetting, 3, 1) | 0x10 | Bits(o.tailElimination, 5, 1) |
                       Bits(o.backlight, 6, 2));
    // Bits 1 and 2 are always written set, whatever voxOffWhileReceiving holds.
    image[1800] = Byte(Bits(o.voxSwitch, 0, 1) | 0x02 | 0x04 | Bits(o.voxDelay, 3, 2) |
                       Bits(o.voxGain, 5, 3));
    image[1801] = Byte(o.powerOnDisplay);
    image[1802] = Byte(o.memoryChannelDisplay);
    image[1804] = Byte(o.autoPowerOff);
    image[1805] = Byte(o.voiceMode);
    image[1807] = Byte(o.timeoutTimer);

    static constexpr std::uint8_t kIdent[6] = {0x5A, 0x51, 0x57, 0x2D, 0x37, 0x56};
    for (int i = 0; i < 6; ++i)
        image[kIdentText + i] = kIdent[i];
    image[kBandIndex] = Byte(data.bandIndex);
    EncodeCharacters(o.powerOnText, kPowerOnText, 6, image);

    EncodeFrequencyAt(o.vfoFrequency, kVfoFrequency, image);
    EncodeFrequencyAt(OffsetDigits(o.vfoOffset), kVfoOffset, image);
    PutTone(o.vfoRxTone, kVfoRxTone, image);
    PutTone(o.vfoTxTone, kVfoTxTone, image);
    image[kVfoOptions] =
        Byte(Bits(o.vfoPower, 0, 2) | Bits(o.vfoBusyLock, 2, 1) | Bits(o.vfoScanAdd, 3, 1) |
             Bits(o.vfoBandwidth, 4, 1) | Bits(o.vfoTxStop, 5, 1) | Bits(o.vfoScramble, 6, 1) |
             Bits(o.vfoCompanding, 7, 1));
    image[kVfoOffsetDirection] = Byte(o.vfoOffsetDirection);

    // The DTMF slot (1840..1855) stays 0xFF: the DTMF fields are not carried.
    EncodeCharacters(o.powerOnPassword, kPassword, 4, image);

    const FmSettings &fm = data.fm;
    for (int n = 1; n <= FmSettings::kChannels; ++n) {
        const std::string &text = fm.channel(n);
        PutFmWord(text.empty() ? std::nullopt : FmWord(text), kFmChannels + 2 * (n - 1), image);
    }
    image[kFmSettings] = Byte(fm.FmCurrentChannel);
    // Raw values, also those outside the window's lists, go back as they came.
    image[kFmSettings + 1] = Byte(fm.FmDisplayMode);
    image[kFmSettings + 2] = Byte(fm.FmStep);
    const std::optional<double> fmValue = ParseNumber(fm.FmFrequencyText);
    PutFmWord(fmValue && *fmValue != 0 ? FmWord(fm.FmFrequencyText) : std::nullopt, kFmFrequency,
              image);

    static constexpr std::uint8_t kFixed[4] = {0x00, 0x01, 0x00, 0x00};
    for (int i = 0; i < 4; ++i)
        image[kFixedBytes + i] = kFixed[i];

    for (int i = 0; i < 9; ++i)
        image[kCalibration + i] =
            Byte(data.calibration.values[static_cast<std::size_t>(kCalibrationSliderOfByte[i])]);
}

std::string DtmfCode(std::string_view bytes, std::size_t width)
{
    std::string code;
    for (const char byte : bytes) {
        if (code.size() >= width)
            break;
        const char c = byte >= 'a' && byte <= 'd' ? static_cast<char>(byte - 'a' + 'A') : byte;
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'D') || c == '*' || c == '#')
            code.push_back(c);
    }
    return code;
}

} // namespace q731
