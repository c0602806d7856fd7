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

// The names in the source language; their translations are the catalogues'
// business (tests/session).
std::vector<std::string> NamesOfChange(const std::function<void(RadioData &)> &change)
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
        for (const MarkedText &field : ImageByteFields(i, bits)) {
            const std::string name = field.source();
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
    };
    const auto option = [](ChannelTable::Row row, int n, int index) {
        return [=](RadioData &d) { d.channels.index(row, n) = index; };
    };
    const Case cases[] = {
        {[](RadioData &d) { d.channels.rx(13) = "150.00000"; }, "信道 13 的接收频率"},
        {[](RadioData &d) { d.channels.tx(13) = "151.00000"; }, "信道 13 的发射频率"},
        {[](RadioData &d) { d.channels.index(ChannelTable::RxTone, 1) = 9; },
         "信道 1 的接收亚音频"},
        {[](RadioData &d) { d.channels.index(ChannelTable::TxTone, 127) = 200; },
         "信道 127 的发射亚音频"},
        {option(ChannelTable::Power, 4, 0), "信道 4 的功率"},
        {option(ChannelTable::BusyLock, 4, 1), "信道 4 的繁忙信道锁定"},
        {option(ChannelTable::ScanAdd, 7, 0), "信道 7 的扫描添加"},
        {option(ChannelTable::Bandwidth, 7, 1), "信道 7 的宽窄带"},
        {option(ChannelTable::TxStop, 10, 1), "信道 10 的发射禁止"},
        {option(ChannelTable::Scramble, 10, 0), "信道 10 的扰频"},
        {[](RadioData &d) { d.channels.name(64) = "Z"; }, "信道 64 的名称"},
        {[](RadioData &d) { d.options.squelchLevel = 2; }, "可选功能：静噪等级"},
        {[](RadioData &d) { d.options.priorityScanChannel = "99"; }, "可选功能：优先扫描频道"},
        {[](RadioData &d) { d.options.beep = 0; }, "可选功能：提示音"},
        {[](RadioData &d) { d.options.radioSearchMode = 0; }, "可选功能：收音机搜台模式"},
        {[](RadioData &d) { d.options.lockKeyMode = 1; }, "可选功能：锁键模式"},
        {[](RadioData &d) { d.options.backlight = 0; }, "可选功能：背光灯方式"},
        {[](RadioData &d) { d.options.voxGain = 1; }, "可选功能：VOX增益电平"},
        {[](RadioData &d) { d.options.voxDelay = 3; }, "可选功能：VOX延迟时间"},
        {[](RadioData &d) { d.options.autoPowerOff = 4; }, "可选功能：自动关机"},
        {[](RadioData &d) { d.options.timeoutTimer = 7; }, "可选功能：发射超时"},
        {[](RadioData &d) { d.bandIndex = 3; }, "频段"},
        {[](RadioData &d) { d.options.powerOnText = "HELLO2"; }, "可选功能：开机显示字符"},
        {[](RadioData &d) { d.options.vfoFrequency = "440.00000"; }, "可选功能：VFO 频率"},
        {[](RadioData &d) { d.options.vfoOffset = "7.60000"; }, "可选功能：VFO 异频数"},
        {[](RadioData &d) { d.options.vfoTxTone = 3; }, "可选功能：VFO 发射亚音频"},
        {[](RadioData &d) { d.options.vfoPower = 1; }, "可选功能：VFO 功率"},
        {[](RadioData &d) { d.options.vfoCompanding = 1; }, "可选功能：VFO 压扩"},
        {[](RadioData &d) { d.options.vfoOffsetDirection = 2; }, "可选功能：VFO 异频方向"},
        {[](RadioData &d) { d.options.powerOnPassword = "9999"; }, "可选功能：开机密码"},
        {[](RadioData &d) { d.fm.channel(32) = "90.00"; }, "收音机：频道 32"},
        {[](RadioData &d) { d.fm.FmStep = 0; }, "收音机：步进频率"},
        {[](RadioData &d) { d.fm.FmFrequencyText = "99.00"; }, "收音机：频率"},
        // Slider 4 is the middle section of the middle power tab (byte 2033).
        {[](RadioData &d) { d.calibration.values[4] = 77; }, "调试：中功率，中段"},
        {[](RadioData &d) { d.calibration.values[6] = 77; }, "调试：低功率，高段"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.chinese);
        EXPECT_EQ(NamesOfChange(c.change), std::vector<std::string>{c.chinese});
    }
}

std::vector<std::string> Sources(const std::vector<MarkedText> &fields)
{
    std::vector<std::string> out;
    for (const MarkedText &field : fields)
        out.push_back(field.source());
    return out;
}

TEST(ImageByteFields, BytesOfNoFieldAreNamedByAddress)
{
    EXPECT_EQ(Sources(ImageByteFields(1803, 0xFF)), std::vector<std::string>{"存储字节 1803"});
    // The fixed bit 4 of byte 1799 beside the end-of-call tone (bit 2).
    EXPECT_EQ(Sources(ImageByteFields(1799, 0x14)),
              (std::vector<std::string>{"可选功能：通话结束提示音", "存储字节 1799"}));
    // Bit 7 of a channel's option byte is always set.
    EXPECT_EQ(Sources(ImageByteFields(ImageMap::recordBase(2) + 12, 0x80)),
              std::vector<std::string>{"信道 2 的选项"});
    EXPECT_EQ(Sources(ImageByteFields(2040, 0x01)), std::vector<std::string>{"调试：低功率，低段"});
    EXPECT_EQ(Sources(ImageByteFields(2041, 0x01)), std::vector<std::string>{"存储字节 2041"});
    EXPECT_TRUE(ImageByteFields(1796, 0x00).empty());
    EXPECT_TRUE(ImageByteFields(3072, 0xFF).empty());
    EXPECT_TRUE(ImageByteFields(-1, 0xFF).empty());
}

} // namespace
} // namespace q731
