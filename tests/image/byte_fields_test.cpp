// The names of the image's bytes, checked against the codec: each setting is
// changed alone, and the bytes in which the two encoded images differ must
// name that setting and nothing else.

#include "codec_test_support.h"

#include "image/byte_fields.h"
#include "image/tones.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace q731 {
namespace {

using namespace q731::testing;

std::vector<std::string> NamesOfChange(const std::function<void(RadioData &)> &change,
                                       Language language)
{
    RadioData data = RealisticData();
    RadioImage before{};
    EncodeImage(data, before);
    change(data);
    RadioImage after{};
    EncodeImage(data, after);
    std::vector<std::string> names;
    for (int i = 0; i < static_cast<int>(kRadioMemorySize); ++i) {
        const auto bits = static_cast<std::uint8_t>(before[i] ^ after[i]);
        for (const std::string &name : ImageByteFields(i, bits, language)) {
            if (std::find(names.begin(), names.end(), name) == names.end())
                names.push_back(name);
        }
    }
    return names;
}

TEST(ImageByteFields, EverySettingIsNamedByItsOwnBytes)
{
    struct Case
    {
        std::function<void(RadioData &)> change;
        const char *chinese;
        const char *english;
    };
    const auto option = [](ChannelTable::Row row, int n, int index) {
        return [=](RadioData &d) { d.channels.index(row, n) = index; };
    };
    const Case cases[] = {
        {[](RadioData &d) { d.channels.rx(13) = "150.00000"; }, "信道 13 的接收频率",
         "channel 13 receive frequency"},
        {[](RadioData &d) { d.channels.tx(13) = "151.00000"; }, "信道 13 的发射频率",
         "channel 13 transmit frequency"},
        {[](RadioData &d) { d.channels.index(ChannelTable::RxTone, 1) = 9; }, "信道 1 的接收亚音频",
         "channel 1 receive tone"},
        {[](RadioData &d) { d.channels.index(ChannelTable::TxTone, 127) = 200; },
         "信道 127 的发射亚音频", "channel 127 transmit tone"},
        {option(ChannelTable::Power, 4, 0), "信道 4 的功率", "channel 4 power"},
        {option(ChannelTable::BusyLock, 4, 1), "信道 4 的繁忙信道锁定",
         "channel 4 busy channel lock"},
        {option(ChannelTable::ScanAdd, 7, 0), "信道 7 的扫描添加", "channel 7 scan add"},
        {option(ChannelTable::Bandwidth, 7, 1), "信道 7 的宽窄带", "channel 7 wide/narrow"},
        {option(ChannelTable::TxStop, 10, 1), "信道 10 的发射禁止", "channel 10 transmit stop"},
        {option(ChannelTable::Scramble, 10, 0), "信道 10 的扰频", "channel 10 scramble"},
        {[](RadioData &d) { d.channels.name(64) = "Z"; }, "信道 64 的名称", "channel 64 name"},
        {[](RadioData &d) { d.options.squelchLevel = 2; }, "可选功能：静噪等级",
         "optional features: squelch level"},
        {[](RadioData &d) { d.options.priorityScanChannel = "99"; }, "可选功能：优先扫描频道",
         "optional features: priority scan channel"},
        {[](RadioData &d) { d.options.beep = 0; }, "可选功能：提示音", "optional features: beep"},
        {[](RadioData &d) { d.options.radioSearchMode = 0; }, "可选功能：收音机搜台模式",
         "optional features: radio search mode"},
        {[](RadioData &d) { d.options.lockKeyMode = 1; }, "可选功能：锁键模式",
         "optional features: lock-key mode"},
        {[](RadioData &d) { d.options.backlight = 0; }, "可选功能：背光灯方式",
         "optional features: backlight"},
        {[](RadioData &d) { d.options.voxGain = 1; }, "可选功能：VOX增益电平",
         "optional features: VOX gain"},
        {[](RadioData &d) { d.options.voxDelay = 3; }, "可选功能：VOX延迟时间",
         "optional features: VOX delay"},
        {[](RadioData &d) { d.options.autoPowerOff = 4; }, "可选功能：自动关机",
         "optional features: automatic power-off"},
        {[](RadioData &d) { d.options.timeoutTimer = 7; }, "可选功能：发射超时",
         "optional features: time-out timer"},
        {[](RadioData &d) { d.bandIndex = 3; }, "频段", "frequency band"},
        {[](RadioData &d) { d.options.powerOnText = "HELLO2"; }, "可选功能：开机显示字符",
         "optional features: power-on text"},
        {[](RadioData &d) { d.options.vfoFrequency = "440.00000"; }, "可选功能：VFO 频率",
         "optional features: VFO frequency"},
        {[](RadioData &d) { d.options.vfoOffset = "7.60000"; }, "可选功能：VFO 异频数",
         "optional features: VFO offset"},
        {[](RadioData &d) { d.options.vfoTxTone = 3; }, "可选功能：VFO 发射亚音频",
         "optional features: VFO transmit tone"},
        {[](RadioData &d) { d.options.vfoPower = 1; }, "可选功能：VFO 功率",
         "optional features: VFO power"},
        {[](RadioData &d) { d.options.vfoCompanding = 1; }, "可选功能：VFO 压扩",
         "optional features: VFO companding"},
        {[](RadioData &d) { d.options.vfoOffsetDirection = 2; }, "可选功能：VFO 异频方向",
         "optional features: VFO offset direction"},
        {[](RadioData &d) { d.options.powerOnPassword = "9999"; }, "可选功能：开机密码",
         "optional features: power-on password"},
        {[](RadioData &d) { d.fm.channel(32) = "90.00"; }, "收音机：频道 32",
         "FM radio: channel 32"},
        {[](RadioData &d) { d.fm.FmStep = 0; }, "收音机：步进频率", "FM radio: step"},
        {[](RadioData &d) { d.fm.FmFrequencyText = "99.00"; }, "收音机：频率",
         "FM radio: frequency"},
        // Slider 4 is the middle section of the middle power tab (byte 2033).
        {[](RadioData &d) { d.calibration.values[4] = 77; }, "调试：中功率，中段",
         "calibration: middle power, middle section"},
        {[](RadioData &d) { d.calibration.values[6] = 77; }, "调试：低功率，高段",
         "calibration: low power, high section"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.english);
        EXPECT_EQ(NamesOfChange(c.change, Language::English), std::vector<std::string>{c.english});
        EXPECT_EQ(NamesOfChange(c.change, Language::Chinese), std::vector<std::string>{c.chinese});
    }
}

TEST(ImageByteFields, BytesOfNoFieldAreNamedByAddress)
{
    EXPECT_EQ(ImageByteFields(1803, 0xFF, Language::English),
              std::vector<std::string>{"memory byte 1803"});
    EXPECT_EQ(ImageByteFields(1700, 0x01, Language::Chinese),
              std::vector<std::string>{"存储字节 1700"});
    // The fixed bit 4 of byte 1799 beside the end-of-call tone (bit 2).
    EXPECT_EQ(
        ImageByteFields(1799, 0x14, Language::English),
        (std::vector<std::string>{"optional features: end-of-call tone", "memory byte 1799"}));
    // Bit 7 of a channel's option byte is always set.
    EXPECT_EQ(ImageByteFields(ImageMap::recordBase(2) + 12, 0x80, Language::English),
              std::vector<std::string>{"channel 2 options"});
    EXPECT_EQ(ImageByteFields(2040, 0x01, Language::English),
              std::vector<std::string>{"calibration: low power, low section"});
    EXPECT_EQ(ImageByteFields(2041, 0x01, Language::English),
              std::vector<std::string>{"memory byte 2041"});
    EXPECT_TRUE(ImageByteFields(1796, 0x00, Language::English).empty());
    EXPECT_TRUE(ImageByteFields(3072, 0xFF, Language::English).empty());
    EXPECT_TRUE(ImageByteFields(-1, 0xFF, Language::English).empty());
}

} // namespace
} // namespace q731
