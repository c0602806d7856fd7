#include "codec.h"

#include "band_list.h"
#include "settings_codec.h"
#include "text_helpers.h"
#include "tones.h"

namespace q731 {

namespace {

using namespace ImageMap;

void DecodeChannelTone(const RadioImage &image, int base, ChannelTable::Row row, int n,
                       ChannelTable &table)
{
    // A code outside the tone list is written back as off, so it is held as
    // off: the grid must never show a tone the radio will not get.
    table.index(row, n) = ToneIndexOfCode(image[base], image[base + 1]);
}

void PutChannelTone(const ChannelTable &table, ChannelTable::Row row, int n, int base,
                    RadioImage &image)
{
    const auto [low, high] = EncodeTone(table.index(row, n));
    image[base] = low;
    image[base + 1] = high;
}

struct OptionField
{
    ChannelTable::Row row;
    int shift;
    int mask;
};

constexpr OptionField kOptionFields[] = {
    {ChannelTable::Power, 0, 0x3},   {ChannelTable::BusyLock, 2, 0x1},
    {ChannelTable::ScanAdd, 3, 0x1}, {ChannelTable::Bandwidth, 4, 0x1},
    {ChannelTable::TxStop, 5, 0x1},  {ChannelTable::Scramble, 6, 0x1},
};

void DecodeOptions(std::uint8_t value, int n, ChannelTable &table)
{
    for (const OptionField &field : kOptionFields) {
        int index = (value >> field.shift) & field.mask;
        // Power 3 has no list entry; the radio treats it as middle.
        if (field.row == ChannelTable::Power && index == 3)
            index = 2;
        table.index(field.row, n) = index;
    }
}

std::uint8_t EncodeOptions(const ChannelTable &table, int n)
{
    int value = 0x80; // bit 7 is always set
    for (const OptionField &field : kOptionFields)
        value |= (table.index(field.row, n) & field.mask) << field.shift;
    return static_cast<std::uint8_t>(value);
}

void EncodeChannelRecord(const ChannelTable &table, int n, RadioImage &image)
{
    const int b = recordBase(n);
    if (table.rx(n).empty()) {
        for (int i = 0; i < kChannelRecordSize; ++i)
            image[b + i] = 0xFF;
        return;
    }
    EncodeFrequencyAt(table.rx(n), b, image);
    if (!table.tx(n).empty()) {
        EncodeFrequencyAt(table.tx(n), b + 4, image);
    } else {
        for (int i = 4; i < 8; ++i)
            image[b + i] = 0xFF;
    }
    PutChannelTone(table, ChannelTable::RxTone, n, b + 8, image);
    PutChannelTone(table, ChannelTable::TxTone, n, b + 10, image);
    image[b + 12] = EncodeOptions(table, n);
}

void EncodeNameSlot(const ChannelTable &table, int n, RadioImage &image)
{
    const std::string code = ChannelCode(table.name(n));
    const std::string_view digits(code);
    for (int k = 0; k < kNameSize; ++k)
        image[nameBase(n) + k] = static_cast<std::uint8_t>(HexToNumber(digits.substr(2 * k, 2)));
}

void DecodeNames(const RadioImage &image, ChannelTable &table)
{
    for (int n = 1; n <= kChannelCount; ++n) {
        const auto *slot = reinterpret_cast<const char *>(image.data() + nameBase(n));
        table.name(n) = StripFillChars(Latin1ToUtf8(std::string_view(slot, kNameSize)));
    }
}

} // namespace

std::string DecodeFrequencyAt(const RadioImage &image, int base)
{
    const std::string digits = ByteToHex(image[base + 3]) + ByteToHex(image[base + 2]) +
                               ByteToHex(image[base + 1]) + ByteToHex(image[base]);
    return digits.substr(0, 3).append(".").append(digits, 3);
}

void EncodeFrequencyAt(const std::string &text, int base, RadioImage &image)
{
    for (int pair = 1; pair <= 4; ++pair)
        image[base + 4 - pair] = static_cast<std::uint8_t>(FrequencyBcdByte(text, pair));
}

void SetNumOf(const RadioImage &image, ChannelTable &table)
{
    for (int n = 1; n <= kChannelCount; ++n) {
        const int b = recordBase(n);
        if (image[b] == 0xFF) {
            table.clearChannel(n);
            continue;
        }
        table.rx(n) = DecodeFrequencyAt(image, b);
        table.tx(n) = image[b + 4] != 0xFF ? DecodeFrequencyAt(image, b + 4) : std::string();
        DecodeChannelTone(image, b + 8, ChannelTable::RxTone, n, table);
        DecodeChannelTone(image, b + 10, ChannelTable::TxTone, n, table);
        DecodeOptions(image[b + 12], n, table);
    }
}

bool FrequencyInBand(const std::string &frequencyText, int lowMHz, int highMHz)
{
    const std::optional<double> f = ParseNumber(frequencyText);
    return f && *f >= lowMHz && *f < highMHz;
}

void DropChannelsOutsideBand(ChannelTable &table, int lowMHz, int highMHz)
{
    for (int n = 1; n <= kChannelCount; ++n) {
        if (!FrequencyInBand(table.rx(n), lowMHz, highMHz))
            table.clearChannel(n);
    }
}

std::string ChannelCode(const std::string &name)
{
    // Two digits for every character, so that a code below 0x10 cannot shift
    // the characters after it.
    const std::string bytes = Utf8ToLatin1(name);
    std::string code;
    for (std::size_t i = 0; i < static_cast<std::size_t>(kNameSize); ++i) {
        code += ByteToHex(i < bytes.size() ? static_cast<std::uint8_t>(bytes[i]) : 0xFF);
    }
    return code;
}

void EncodeChannel(const ChannelTable &table, int n, RadioImage &image)
{
    if (n < 1 || n > kChannelCount)
        return;
    EncodeChannelRecord(table, n, image);
    EncodeNameSlot(table, n, image);
}

void DecodeImage(const RadioImage &image, RadioData &data)
{
    SetNumOf(image, data.channels);
    DecodeGeneralSettings(image, data.options);
    DecodeBandIndex(image, data.bandIndex);
    const BandLimits limits = BandLimitsOf(data.bandIndex);
    DropChannelsOutsideBand(data.channels, limits.lowMHz, limits.highMHz);
    DecodeRemainingSettings(image, data);
    DecodeNames(image, data.channels);
}

void EncodeImage(const RadioData &data, RadioImage &image)
{
    for (int n = 1; n <= kChannelCount; ++n)
        EncodeChannelRecord(data.channels, n, image);
    for (int i = kChannelFillStart; i < kSettingsStart; ++i)
        image[static_cast<std::size_t>(i)] = 0xFF;
    EncodeSettings(data, image);
    for (int n = 1; n <= kChannelCount; ++n)
        EncodeNameSlot(data.channels, n, image);
}

} // namespace q731
