#include "codec_test_support.h"

#include "image/radio_image.h"
#include "image/settings_codec.h"

#include <gtest/gtest.h>

#include <vector>

namespace q731 {
namespace {

using namespace q731::testing;
using namespace q731::ImageMap;

RadioImage Encoded(const RadioData &data)
{
    RadioImage image = FilledImage(0x00);
    EncodeImage(data, image);
    return image;
}

std::vector<std::uint8_t> Bytes(const RadioImage &image, int from, int count)
{
    return {image.begin() + from, image.begin() + from + count};
}

TEST(SettingsDecode, AllFillerSettingsArea)
{
    RadioData data;
    data.options.backlight = 2;
    data.options.vfoPower = 0;
    data.options.vfoOffsetDirection = 1;
    data.options.callTone = 2;
    data.options.reverseFrequency = 0;
    data.options.allowCancelOperating = true;
    data.bandIndex = 5;
    data.fm.channel(3) = "90.00";
    DecodeImage(FilledImage(0xFF), data);
    const OptionalFeatures &o = data.options;

    EXPECT_EQ(o.displayMode, 1);
    EXPECT_EQ(o.priorityScanChannel, "");
    EXPECT_EQ(o.presentChannel, "");
    EXPECT_EQ(o.frequencyStep, 1);
    EXPECT_EQ(o.channelNameDisplay, 0);
    EXPECT_EQ(o.squelchLevel, 5);
    for (int field : {o.beep, o.channelGroup, o.batterySave, o.keyLock, o.radioMonitorSignal,
                      o.frequencyShift, o.scanMode, o.radioSearchMode, o.endOfCallTone,
                      o.powerOnPasswordSetting, o.tailElimination, o.voxSwitch, o.vfoBusyLock,
                      o.vfoScanAdd, o.vfoBandwidth, o.vfoTxStop, o.vfoScramble, o.vfoCompanding})
        EXPECT_EQ(field, 1);
    EXPECT_TRUE(o.voxOffWhileReceiving);
    EXPECT_EQ(o.lockKeyMode, 3);
    EXPECT_EQ(o.voxDelay, 3);
    EXPECT_EQ(o.voxGain, 7);
    EXPECT_EQ(o.powerOnDisplay, 1);
    EXPECT_EQ(o.memoryChannelDisplay, 1);
    EXPECT_EQ(o.autoPowerOff, 0);
    EXPECT_EQ(o.voiceMode, 0);
    EXPECT_EQ(o.timeoutTimer, 2);
    EXPECT_EQ(o.powerOnText, "");
    EXPECT_EQ(o.powerOnPassword, "");
    EXPECT_EQ(o.vfoFrequency, "FFF.FFFFF");
    EXPECT_EQ(o.vfoOffset, "0.00000");
    EXPECT_EQ(o.vfoRxTone, 0);
    EXPECT_EQ(o.vfoTxTone, 0);
    EXPECT_EQ(data.dtmf.aniEndCode, "");
    for (int n = 1; n <= FmSettings::kChannels; ++n)
        EXPECT_EQ(data.fm.channel(n), "");
    EXPECT_EQ(data.fm.FmFrequencyText, "");

    // Values that name no entry keep the old selection.
    EXPECT_EQ(o.backlight, 2);
    EXPECT_EQ(o.vfoPower, 0);
    EXPECT_EQ(o.vfoOffsetDirection, 1);
    EXPECT_EQ(data.bandIndex, 5);
    // Fields that are not in the image are not touched.
    EXPECT_EQ(o.callTone, 2);
    EXPECT_EQ(o.reverseFrequency, 0);
    EXPECT_TRUE(o.allowCancelOperating);
}

TEST(SettingsDecode, RangeTestFallbackAndOutOfListKeep)
{
    struct Case
    {
        int byte;
        int value;
        int OptionalFeatures::*field;
        int before;
        int expected;
    };
    const Case cases[] = {
        {1792, 2, &OptionalFeatures::displayMode, 0, 0},          // passes the test, no entry 2
        {1792, 3, &OptionalFeatures::displayMode, 0, 0},          //
        {1792, 4, &OptionalFeatures::displayMode, 0, 1},          // fails the test: fallback
        {1792, 0, &OptionalFeatures::displayMode, 1, 0},          //
        {1794, 7, &OptionalFeatures::frequencyStep, 1, 7},        //
        {1794, 8, &OptionalFeatures::frequencyStep, 4, 1},        //
        {1795, 1, &OptionalFeatures::channelNameDisplay, 0, 1},   //
        {1796, 9, &OptionalFeatures::squelchLevel, 0, 9},         //
        {1796, 10, &OptionalFeatures::squelchLevel, 0, 5},        //
        {1801, 2, &OptionalFeatures::powerOnDisplay, 0, 2},       //
        {1801, 3, &OptionalFeatures::powerOnDisplay, 0, 1},       //
        {1802, 2, &OptionalFeatures::memoryChannelDisplay, 0, 1}, //
        {1804, 15, &OptionalFeatures::autoPowerOff, 0, 15},
        {1804, 16, &OptionalFeatures::autoPowerOff, 3, 0},      //
        {1805, 3, &OptionalFeatures::voiceMode, 2, 0},          //
        {1807, 7, &OptionalFeatures::timeoutTimer, 0, 7},       //
        {1807, 8, &OptionalFeatures::timeoutTimer, 0, 2},       //
        {1838, 2, &OptionalFeatures::vfoOffsetDirection, 0, 2}, //
        {1838, 3, &OptionalFeatures::vfoOffsetDirection, 1, 1}, // no range test, no entry
        {1836, 0x03, &OptionalFeatures::vfoPower, 1, 1},
        {1836, 0x02, &OptionalFeatures::vfoPower, 1, 2},
        {1799, 0xC0, &OptionalFeatures::backlight, 1, 1},
        {1799, 0x80, &OptionalFeatures::backlight, 1, 2},
    };
    for (const Case &c : cases) {
        RadioImage image = Encoded(RadioData{});
        image[static_cast<std::size_t>(c.byte)] = static_cast<std::uint8_t>(c.value);
        RadioData data;
        data.options.*c.field = c.before;
        DecodeImage(image, data);
        EXPECT_EQ(data.options.*c.field, c.expected) << "byte " << c.byte << " = " << c.value;
    }
}

TEST(SettingsDecode, ChannelNumberTextsAndBand)
{
    RadioImage image = Encoded(RadioData{});
    image[1793] = 128;
    image[1797] = 129;
    image[kBandIndex] = 7;
    RadioData data;
    DecodeImage(image, data);
    EXPECT_EQ(data.options.priorityScanChannel, "128");
    EXPECT_EQ(data.options.presentChannel, "");
    EXPECT_EQ(data.bandIndex, 7);
    image[kBandIndex] = 8;
    DecodeImage(image, data);
    EXPECT_EQ(data.bandIndex, 7);

    RadioData out;
    out.options.priorityScanChannel = "";
    out.options.presentChannel = "17";
    out.bandIndex = 6;
    const RadioImage encoded = Encoded(out);
    EXPECT_EQ(encoded[1793], 0xFF);
    EXPECT_EQ(encoded[1797], 17);
    EXPECT_EQ(encoded[kBandIndex], 6);
}

// Texts the windows never leave in these fields, but a number of more digits
// than a double holds must still not be written as some other number.
TEST(SettingsEncode, NumbersTooLargeForADoubleAreNoValue)
{
    const std::string manyNines(400, '9');
    RadioData data;
    data.options.priorityScanChannel = manyNines;
    data.options.presentChannel = "1" + std::string(30, '0');
    data.fm.channel(1) = manyNines;
    data.fm.channel(2) = "1" + std::string(20, '0');
    data.fm.FmFrequencyText = "-1" + std::string(20, '0');
    const RadioImage image = Encoded(data);
    EXPECT_EQ(image[1793], 0xFF);
    EXPECT_EQ(image[1797], 0xFF);
    EXPECT_EQ(Bytes(image, kFmChannels, 4), (std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Bytes(image, kFmFrequency, 2), (std::vector<std::uint8_t>{0xFF, 0xFF}));
}

TEST(SettingsEncode, BitFieldsAndTheirConstantBits)
{
    RadioData data;
    OptionalFeatures &o = data.options;
    for (int *field : {&o.beep, &o.channelGroup, &o.batterySave, &o.keyLock, &o.radioMonitorSignal,
                       &o.frequencyShift, &o.scanMode, &o.radioSearchMode, &o.lockKeyMode,
                       &o.endOfCallTone, &o.powerOnPasswordSetting, &o.tailElimination,
                       &o.backlight, &o.voxSwitch, &o.voxDelay, &o.voxGain})
        *field = 0;
    o.voxOffWhileReceiving = false;
    RadioImage image = Encoded(data);
    EXPECT_EQ(image[1798], 0x00);
    EXPECT_EQ(image[1799], 0x10);
    EXPECT_EQ(image[1800], 0x06);

    o.beep = 1;
    o.batterySave = 1;
    o.scanMode = 1;
    o.lockKeyMode = 3;
    o.powerOnPasswordSetting = 1;
    o.backlight = 2;
    o.voxSwitch = 1;
    o.voxDelay = 2;
    o.voxGain = 5;
    image = Encoded(data);
    EXPECT_EQ(image[1798], 0x01 | 0x04 | 0x40);
    EXPECT_EQ(image[1799], 3 | 8 | 0x10 | 0x80);
    EXPECT_EQ(image[1800], 1 | 2 | 4 | 16 | 160);

    RadioData back;
    DecodeImage(image, back);
    EXPECT_EQ(back.options.lockKeyMode, 3);
    EXPECT_EQ(back.options.backlight, 2);
    EXPECT_EQ(back.options.voxDelay, 2);
    EXPECT_EQ(back.options.voxGain, 5);
    EXPECT_EQ(back.options.channelGroup, 0);
    EXPECT_EQ(back.options.scanMode, 1);
    EXPECT_TRUE(back.options.voxOffWhileReceiving);

    // An index too big for its bits must not spill into the neighbouring field.
    o.lockKeyMode = 4;
    EXPECT_EQ(Encoded(data)[1799] & 0x04, 0);
}

TEST(SettingsCharacters, PowerOnTextPasswordAndDtmfSlot)
{
    RadioData data;
    data.options.powerOnText = "AB1";
    data.options.powerOnPassword = "12";
    data.dtmf.aniEndCode = "123";
    RadioImage image = Encoded(data);
    EXPECT_EQ(Bytes(image, kPowerOnText, 6),
              (std::vector<std::uint8_t>{0x41, 0x42, 0x31, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Bytes(image, kPassword, 4), (std::vector<std::uint8_t>{'1', '2', 0xFF, 0xFF}));
    EXPECT_EQ(Bytes(image, kDtmfText, 16), std::vector<std::uint8_t>(16, 0xFF));

    PutBytes(image, kPowerOnText, {0xFF, 0x41, 0xFF, 0x42, 0xFF, 0xFF});
    PutBytes(image, kDtmfText, {'1', '#', 0xFF, '*'});
    data.dtmf.autoDialMemories[0] = "555";
    DecodeImage(image, data);
    EXPECT_EQ(data.options.powerOnText, "AB");
    EXPECT_EQ(data.options.powerOnPassword, "12");
    EXPECT_EQ(data.dtmf.aniEndCode, "1#*");
    EXPECT_EQ(data.dtmf.autoDialMemories[0], "555");
}

// Whatever a radio leaves in the DTMF slot, the ANI end code takes only what
// it can hold: DTMF characters, a..d raised, the rest dropped.
TEST(SettingsCharacters, DtmfSlotKeepsOnlyDtmfCharacters)
{
    RadioData data;
    RadioImage image = Encoded(data);
    PutBytes(
        image, kDtmfText,
        {0x00, '1', 'a', 'E', '#', 0xFF, 'd', '*', 0x80, 0xE9, 'z', ' ', '9', 'B', 0x7F, 0x1B});
    DecodeImage(image, data);
    EXPECT_EQ(data.dtmf.aniEndCode, "1A#D*9B");

    PutBytes(image, kDtmfText,
             {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9', 'A', 'B', 'C', 'D', '*', '#'});
    DecodeImage(image, data);
    EXPECT_EQ(data.dtmf.aniEndCode, "0123456789ABCD*#");

    EXPECT_EQ(DtmfCode("12345678901", 8), "12345678");
    EXPECT_EQ(DtmfCode("e1e2e3", 2), "12");
}

TEST(SettingsVfo, FrequencyOffsetTonesAndOptions)
{
    RadioData data;
    data.options.vfoFrequency = "438.50000";
    data.options.vfoOffset = "10.00000";
    data.options.vfoRxTone = 52;
    data.options.vfoTxTone = 0;
    data.options.vfoPower = 2;
    data.options.vfoCompanding = 1;
    const RadioImage image = Encoded(data);
    EXPECT_EQ(Bytes(image, kVfoFrequency, 4), (std::vector<std::uint8_t>{0x00, 0x00, 0x85, 0x43}));
    EXPECT_EQ(Bytes(image, kVfoOffset, 4), (std::vector<std::uint8_t>{0x00, 0x00, 0x00, 0x01}));
    EXPECT_EQ(Bytes(image, kVfoRxTone, 4), (std::vector<std::uint8_t>{0x23, 0x80, 0xFF, 0xFF}));
    EXPECT_EQ(image[kVfoOptions], 2 | 4 | 8 | 16 | 32 | 64 | 128);

    RadioData back;
    back.options.vfoTxTone = 7;
    DecodeImage(image, back);
    EXPECT_EQ(back.options.vfoFrequency, "438.50000");
    EXPECT_EQ(back.options.vfoOffset, "10.00000");
    EXPECT_EQ(back.options.vfoRxTone, 52);
    EXPECT_EQ(back.options.vfoTxTone, 0);
    EXPECT_EQ(back.options.vfoPower, 2);

    data.options.vfoOffset = "0.6";
    EXPECT_EQ(Bytes(Encoded(data), kVfoOffset, 4),
              (std::vector<std::uint8_t>{0x00, 0x00, 0x06, 0x00}));
}

TEST(SettingsFm, FrequencyWordsAndSettings)
{
    RadioData data;
    data.fm.channel(1) = "88.80";
    data.fm.channel(2) = "107.95";
    data.fm.channel(3) = "88.85";
    data.fm.channel(4) = "76.00";
    data.fm.channel(5) = "108.00";
    data.fm.FmCurrentChannel = 12;
    data.fm.FmDisplayMode = 1;
    data.fm.FmStep = 2;
    data.fm.FmFrequencyText = "";
    RadioImage image = Encoded(data);
    EXPECT_EQ(Bytes(image, kFmChannels, 12),
              (std::vector<std::uint8_t>{0x01, 0x00, 0x02, 0x7F, 0x01, 0x01, 0x00, 0x00, 0x02, 0x80,
                                         0xFF, 0xFF}));
    EXPECT_EQ(Bytes(image, kFmSettings, 6),
              (std::vector<std::uint8_t>{0x0C, 0x01, 0x02, 0xFF, 0xFF, 0xFF}));
    data.fm.FmFrequencyText = "0";
    EXPECT_EQ(Bytes(Encoded(data), kFmFrequency, 2), (std::vector<std::uint8_t>{0xFF, 0xFF}));
    data.fm.FmFrequencyText = "100.10";
    EXPECT_EQ(Bytes(Encoded(data), kFmFrequency, 2), (std::vector<std::uint8_t>{0x01, 0xE2}));

    PutBytes(image, kFmChannels + 2 * 5, {0x02, 0x81}); // channel 6: 108.05 MHz
    PutBytes(image, kFmFrequency, {0x00, 0x64});        // 81.00 MHz
    RadioData back;
    DecodeImage(image, back);
    EXPECT_EQ(back.fm.channel(1), "88.80");
    EXPECT_EQ(back.fm.channel(2), "107.95");
    EXPECT_EQ(back.fm.channel(3), "88.85");
    EXPECT_EQ(back.fm.channel(4), "76.00");
    EXPECT_EQ(back.fm.channel(5), "108.00");
    EXPECT_EQ(back.fm.channel(6), "");
    EXPECT_EQ(back.fm.channel(7), "");
    EXPECT_EQ(back.fm.FmCurrentChannel, 12);
    EXPECT_EQ(back.fm.FmDisplayMode, 1);
    EXPECT_EQ(back.fm.FmStep, 2);
    EXPECT_EQ(back.fm.FmFrequencyText, "81.00");

    // Values outside the window's lists are kept and written back as read.
    image[kFmSettings + 1] = 13;
    image[kFmSettings + 2] = 200;
    DecodeImage(image, back);
    EXPECT_EQ(back.fm.FmDisplayMode, 13);
    EXPECT_EQ(back.fm.FmStep, 200);
    const RadioImage again = Encoded(back);
    EXPECT_EQ(again[kFmSettings + 1], 13);
    EXPECT_EQ(again[kFmSettings + 2], 200);
}

TEST(SettingsCalibration, ByteOrderOfTheSliders)
{
    const RadioData data; // start-up defaults
    const RadioImage image = Encoded(data);
    EXPECT_EQ(Bytes(image, kCalibration, 9),
              (std::vector<std::uint8_t>{208, 160, 116, 218, 218, 160, 160, 124, 124}));

    RadioImage other = image;
    PutBytes(other, kCalibration, {10, 11, 12, 13, 14, 15, 16, 17, 18});
    RadioData back;
    DecodeImage(other, back);
    EXPECT_EQ(back.calibration.values, (std::array<int, 9>{13, 10, 14, 15, 11, 16, 17, 12, 18}));
}

TEST(NewAndBandChange, ResetWhatTheyResetAndKeepTheRest)
{
    RadioData data;
    data.channels.rx(5) = "145.00000";
    data.channels.name(9) = "SPARE";
    data.options.frequencyStep = 0;
    data.options.powerOnPassword = "1234";
    data.dtmf.aniStartCode = "123";
    data.dtmf.aniEndCode = "9#";
    data.fm.channel(1) = "88.50";
    data.calibration.values[0] = 7;

    RadioData changed = data;
    ChangeBandClearing(changed, 5);
    EXPECT_EQ(changed.bandIndex, 5);
    EXPECT_TRUE(changed.channels.rx(5).empty());
    EXPECT_TRUE(changed.channels.name(9).empty());
    EXPECT_EQ(changed.options.vfoFrequency, "460.00000");
    EXPECT_EQ(changed.options.frequencyStep, 0);
    EXPECT_EQ(changed.dtmf.aniStartCode, "123");

    StartNew(data, 0);
    EXPECT_EQ(data.bandIndex, 0);
    EXPECT_TRUE(data.channels.rx(5).empty());
    EXPECT_TRUE(data.channels.name(9).empty());
    EXPECT_EQ(data.options.vfoFrequency, "155.00000");
    EXPECT_EQ(data.options.frequencyStep, 4);
    EXPECT_EQ(data.options.powerOnPassword, "1234");
    EXPECT_TRUE(data.dtmf.aniStartCode.empty());
    EXPECT_EQ(data.dtmf.aniEndCode, "9#");
    EXPECT_EQ(data.fm.channel(1), "88.50");
    EXPECT_EQ(data.calibration.values[0], 7);
}

} // namespace
} // namespace q731
