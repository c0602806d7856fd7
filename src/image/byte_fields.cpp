#include "byte_fields.h"

#include "radio_image.h"
#include "records.h"
#include "settings_codec.h"

#include <span>
#include <utility>

namespace q731 {

namespace {

using namespace ImageMap;

struct Text
{
    const char *chinese;
    const char *english;

    std::string in(Language language) const
    {
        return language == Language::English ? english : chinese;
    }
};

// A setting that takes some bits of a byte it shares.
struct BitField
{
    int shift;
    int width;
    Text name;

    int mask() const { return ((1 << width) - 1) << shift; }
};

// The bits of a channel's option byte, as the codec packs them; bit 7 is
// always set.
constexpr BitField kChannelOptions[] = {
    {0, 2, {"功率", "power"}},
    {2, 1, {"繁忙信道锁定", "busy channel lock"}},
    {3, 1, {"扫描添加", "scan add"}},
    {4, 1, {"宽窄带", "wide/narrow"}},
    {5, 1, {"发射禁止", "transmit stop"}},
    {6, 1, {"扰频", "scramble"}},
};

constexpr BitField kByte1798[] = {
    {0, 1, {"提示音", "beep"}},
    {1, 1, {"频道分组", "channel group"}},
    {2, 1, {"省电", "battery save"}},
    {3, 1, {"按键锁", "key lock"}},
    {4, 1, {"收音机监听信号", "radio monitor signal"}},
    {5, 1, {"频移", "frequency shift"}},
    {6, 1, {"扫描模式", "scan mode"}},
    {7, 1, {"收音机搜台模式", "radio search mode"}},
};

// Bit 4 is always set.
constexpr BitField kByte1799[] = {
    {0, 2, {"锁键模式", "lock-key mode"}},
    {2, 1, {"通话结束提示音", "end-of-call tone"}},
    {3, 1, {"开机密码设定", "power-on password setting"}},
    {5, 1, {"尾音消除", "tail elimination"}},
    {6, 2, {"背光灯方式", "backlight"}},
};

// Bit 1 is always set.
constexpr BitField kByte1800[] = {
    {0, 1, {"VOX 开关", "VOX switch"}},
    {2, 1, {"接收时禁止VOX", "prohibit VOX while receiving"}},
    {3, 2, {"VOX延迟时间", "VOX delay"}},
    {5, 3, {"VOX增益电平", "VOX gain"}},
};

constexpr BitField kVfoOptionBits[] = {
    {0, 2, {"VFO 功率", "VFO power"}},
    {2, 1, {"VFO 繁忙信道锁定", "VFO busy channel lock"}},
    {3, 1, {"VFO 扫描添加", "VFO scan add"}},
    {4, 1, {"VFO 宽窄带", "VFO wide/narrow"}},
    {5, 1, {"VFO 发射禁止", "VFO transmit stop"}},
    {6, 1, {"VFO 扰频", "VFO scramble"}},
    {7, 1, {"VFO 压扩", "VFO companding"}},
};

// The window or part of the program a setting is edited in.
constexpr Text kOptions{"可选功能：", "optional features: "};
constexpr Text kMainWindow{"", ""};
constexpr Text kDtmf{"DTMF 信令：", "DTMF: "};
constexpr Text kFm{"收音机：", "FM radio: "};

// A setting of `size` bytes from `first` on, or a byte of settings that share
// it bit by bit.
struct Area
{
    int first;
    int size;
    Text group;
    Text name;
    std::span<const BitField> bits = {};
};

const Area kAreas[] = {
    {1792, 1, kOptions, {"显示模式", "display mode"}},
    {1793, 1, kOptions, {"优先扫描频道", "priority scan channel"}},
    {1794, 1, kOptions, {"步进频率", "step"}},
    {1795, 1, kOptions, {"自命名频道名称", "self-named channel name"}},
    {1796, 1, kOptions, {"静噪等级", "squelch level"}},
    {1797, 1, kOptions, {"当前频道", "present channel"}},
    {1798, 1, kOptions, {}, kByte1798},
    {1799, 1, kOptions, {}, kByte1799},
    {1800, 1, kOptions, {}, kByte1800},
    {1801, 1, kOptions, {"开机信息显示方式", "power-on display"}},
    {1802, 1, kOptions, {"记忆频道显示模式", "memory channel display"}},
    {1804, 1, kOptions, {"自动关机", "automatic power-off"}},
    {1805, 1, kOptions, {"语音模式", "voice mode"}},
    {1807, 1, kOptions, {"发射超时", "time-out timer"}},
    {kIdentText, 6, kMainWindow, {"型号标识", "model identification"}},
    {kBandIndex, 1, kMainWindow, {"频段", "frequency band"}},
    {kPowerOnText, 6, kOptions, {"开机显示字符", "power-on text"}},
    {kVfoFrequency, 4, kOptions, {"VFO 频率", "VFO frequency"}},
    {kVfoOffset, 4, kOptions, {"VFO 异频数", "VFO offset"}},
    {kVfoRxTone, 2, kOptions, {"VFO 接收亚音频", "VFO receive tone"}},
    {kVfoTxTone, 2, kOptions, {"VFO 发射亚音频", "VFO transmit tone"}},
    {kVfoOptions, 1, kOptions, {}, kVfoOptionBits},
    {kVfoOffsetDirection, 1, kOptions, {"VFO 异频方向", "VFO offset direction"}},
    {kDtmfText, 16, kDtmf, {"ANI 结束码", "ANI end code"}},
    {kPassword, 4, kOptions, {"开机密码", "power-on password"}},
    {kFmSettings, 1, kFm, {"当前工作频道", "present channel"}},
    {kFmSettings + 1, 1, kFm, {"显示模式", "display mode"}},
    {kFmSettings + 2, 1, kFm, {"步进频率", "step"}},
    {kFmFrequency, 2, kFm, {"频率", "frequency"}},
};

std::string MemoryByte(int address, Language language)
{
    return (language == Language::English ? "memory byte " : "存储字节 ") + std::to_string(address);
}

std::string ChannelField(int n, const Text &field, Language language)
{
    if (language == Language::English)
        return "channel " + std::to_string(n) + " " + field.english;
    return "信道 " + std::to_string(n) + " 的" + field.chinese;
}

// The names of the fields among `fields` that hold some of `bits`, made by
// `nameOf`, then `rest` when some of `bits` belong to none of them.
template<typename NameOf>
std::vector<std::string> BitFieldNames(std::span<const BitField> fields, std::uint8_t bits,
                                       NameOf nameOf, std::string rest)
{
    std::vector<std::string> names;
    int left = bits;
    for (const BitField &field : fields) {
        if ((bits & field.mask()) != 0)
            names.push_back(nameOf(field.name));
        left &= ~field.mask();
    }
    if (left != 0)
        names.push_back(std::move(rest));
    return names;
}

std::vector<std::string> ChannelRecordFields(int address, std::uint8_t bits, Language language)
{
    static constexpr Text kFields[] = {
        {"接收频率", "receive frequency"},
        {"发射频率", "transmit frequency"},
        {"接收亚音频", "receive tone"},
        {"发射亚音频", "transmit tone"},
    };
    const int n = address / kChannelRecordSize + 1;
    const int offset = address % kChannelRecordSize;
    if (offset < 8)
        return {ChannelField(n, kFields[offset / 4], language)};
    if (offset < 12)
        return {ChannelField(n, kFields[2 + (offset - 8) / 2], language)};
    return BitFieldNames(
        kChannelOptions, bits, [&](const Text &name) { return ChannelField(n, name, language); },
        ChannelField(n, {"选项", "options"}, language));
}

std::string CalibrationField(int address, Language language)
{
    static constexpr Text kPowers[] = {
        {"高功率", "high power"}, {"中功率", "middle power"}, {"低功率", "low power"}};
    static constexpr Text kSections[] = {
        {"高段", "high section"}, {"中段", "middle section"}, {"低段", "low section"}};
    // Slider 3 * tab + frame: the tab is the power, the frame the section of the band.
    const int slider = kCalibrationSliderOfByte[address - kCalibration];
    const Text &power = kPowers[slider / 3];
    const Text &section = kSections[slider % 3];
    if (language == Language::English)
        return std::string("calibration: ") + power.english + ", " + section.english;
    return std::string("调试：") + power.chinese + "，" + section.chinese;
}

} // namespace

std::vector<std::string> ImageByteFields(int address, std::uint8_t bits, Language language)
{
    if (address < 0 || address >= static_cast<int>(kRadioMemorySize) || bits == 0)
        return {};
    if (address < kChannelFillStart)
        return ChannelRecordFields(address, bits, language);
    if (address >= kNames) {
        const int n = (address - kNames) / kNameSize + 1;
        return {ChannelField(n, {"名称", "name"}, language)};
    }
    if (address >= kFmChannels && address < kFmChannels + 2 * FmSettings::kChannels) {
        const int n = (address - kFmChannels) / 2 + 1;
        return {kFm.in(language) + (language == Language::English ? "channel " : "频道 ") +
                std::to_string(n)};
    }
    if (address >= kCalibration && address < kCalibration + 9)
        return {CalibrationField(address, language)};
    for (const Area &area : kAreas) {
        if (address < area.first || address >= area.first + area.size)
            continue;
        if (area.bits.empty())
            return {area.group.in(language) + area.name.in(language)};
        return BitFieldNames(
            area.bits, bits,
            [&](const Text &name) { return area.group.in(language) + name.in(language); },
            MemoryByte(address, language));
    }
    return {MemoryByte(address, language)};
}

} // namespace q731
