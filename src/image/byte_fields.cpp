#include "byte_fields.h"

#include "radio_image.h"
#include "records.h"
#include "settings_codec.h"

#include <span>
#include <utility>

namespace q731 {

namespace {

using namespace ImageMap;

// A marked text of context "ByteFields".
using Text = const char *;

constexpr const char *kContext = "ByteFields";

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
    {0, 2, Q731_TRANSLATE_NOOP("ByteFields", "功率")},
    {2, 1, Q731_TRANSLATE_NOOP("ByteFields", "繁忙信道锁定")},
    {3, 1, Q731_TRANSLATE_NOOP("ByteFields", "扫描添加")},
    {4, 1, Q731_TRANSLATE_NOOP("ByteFields", "宽窄带")},
    {5, 1, Q731_TRANSLATE_NOOP("ByteFields", "发射禁止")},
    {6, 1, Q731_TRANSLATE_NOOP("ByteFields", "扰频")},
};

constexpr BitField kByte1798[] = {
    {0, 1, Q731_TRANSLATE_NOOP("ByteFields", "提示音")},
    {1, 1, Q731_TRANSLATE_NOOP("ByteFields", "频道分组")},
    {2, 1, Q731_TRANSLATE_NOOP("ByteFields", "省电")},
    {3, 1, Q731_TRANSLATE_NOOP("ByteFields", "按键锁")},
    {4, 1, Q731_TRANSLATE_NOOP("ByteFields", "收音机监听信号")},
    {5, 1, Q731_TRANSLATE_NOOP("ByteFields", "频移")},
    {6, 1, Q731_TRANSLATE_NOOP("ByteFields", "扫描模式")},
    {7, 1, Q731_TRANSLATE_NOOP("ByteFields", "收音机搜台模式")},
};

// Bit 4 is always set.
constexpr BitField kByte1799[] = {
    {0, 2, Q731_TRANSLATE_NOOP("ByteFields", "锁键模式")},
    {2, 1, Q731_TRANSLATE_NOOP("ByteFields", "通话结束提示音")},
    {3, 1, Q731_TRANSLATE_NOOP("ByteFields", "开机密码设定")},
    {5, 1, Q731_TRANSLATE_NOOP("ByteFields", "尾音消除")},
    {6, 2, Q731_TRANSLATE_NOOP("ByteFields", "背光灯方式")},
};

// Bit 1 is always set.
constexpr BitField kByte1800[] = {
    {0, 1, Q731_TRANSLATE_NOOP("ByteFields", "VOX 开关")},
    {2, 1, Q731_TRANSLATE_NOOP("ByteFields", "接收时禁止VOX")},
    {3, 2, Q731_TRANSLATE_NOOP("ByteFields", "VOX延迟时间")},
    {5, 3, Q731_TRANSLATE_NOOP("ByteFields", "VOX增益电平")},
};

constexpr BitField kVfoOptionBits[] = {
    {0, 2, Q731_TRANSLATE_NOOP("ByteFields", "VFO 功率")},
    {2, 1, Q731_TRANSLATE_NOOP("ByteFields", "VFO 繁忙信道锁定")},
    {3, 1, Q731_TRANSLATE_NOOP("ByteFields", "VFO 扫描添加")},
    {4, 1, Q731_TRANSLATE_NOOP("ByteFields", "VFO 宽窄带")},
    {5, 1, Q731_TRANSLATE_NOOP("ByteFields", "VFO 发射禁止")},
    {6, 1, Q731_TRANSLATE_NOOP("ByteFields", "VFO 扰频")},
    {7, 1, Q731_TRANSLATE_NOOP("ByteFields", "VFO 压扩")},
};

// The window or part of the program a setting is edited in.
constexpr const char *kOptions = Q731_TRANSLATE_NOOP("ByteFields", "可选功能：%1");
constexpr const char *kMainWindow = "%1";
constexpr const char *kDtmf = Q731_TRANSLATE_NOOP("ByteFields", "DTMF 信令：%1");
constexpr const char *kFm = Q731_TRANSLATE_NOOP("ByteFields", "收音机：%1");

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
    {1792, 1, kOptions, Q731_TRANSLATE_NOOP("ByteFields", "显示模式")},
    {1793, 1, kOptions, Q731_TRANSLATE_NOOP("ByteFields", "优先扫描频道")},
    {1794, 1, kOptions, Q731_TRANSLATE_NOOP("ByteFields", "步进频率")},
    {1795, 1, kOptions, Q731_TRANSLATE_NOOP("ByteFields", "自命名频道名称")},
    {1796, 1, kOptions, Q731_TRANSLATE_NOOP("ByteFields", "静噪等级")},
    {1797, 1, kOptions, Q731_TRANSLATE_NOOP("ByteFields", "当前频道")},
    {1798, 1, kOptions, {}, kByte1798},
    {1799, 1, kOptions, {}, kByte1799},
    {1800, 1, kOptions, {}, kByte1800},
    {1801, 1, kOptions, Q731_TRANSLATE_NOOP("ByteFields", "开机信息显示方式")},
    {1802, 1, kOptions, Q731_TRANSLATE_NOOP("ByteFields", "记忆频道显示模式")},
    {1804, 1, kOptions, Q731_TRANSLATE_NOOP("ByteFields", "自动关机")},
    {1805, 1, kOptions, Q731_TRANSLATE_NOOP("ByteFields", "语音模式")},
    {1807, 1, kOptions, Q731_TRANSLATE_NOOP("ByteFields", "发射超时")},
    {kIdentText, 6, kMainWindow, Q731_TRANSLATE_NOOP("ByteFields", "型号标识")},
    {kBandIndex, 1, kMainWindow, Q731_TRANSLATE_NOOP("ByteFields", "频段")},
    {kPowerOnText, 6, kOptions, Q731_TRANSLATE_NOOP("ByteFields", "开机显示字符")},
    {kVfoFrequency, 4, kOptions, Q731_TRANSLATE_NOOP("ByteFields", "VFO 频率")},
    {kVfoOffset, 4, kOptions, Q731_TRANSLATE_NOOP("ByteFields", "VFO 异频数")},
    {kVfoRxTone, 2, kOptions, Q731_TRANSLATE_NOOP("ByteFields", "VFO 接收亚音频")},
    {kVfoTxTone, 2, kOptions, Q731_TRANSLATE_NOOP("ByteFields", "VFO 发射亚音频")},
    {kVfoOptions, 1, kOptions, {}, kVfoOptionBits},
    {kVfoOffsetDirection, 1, kOptions, Q731_TRANSLATE_NOOP("ByteFields", "VFO 异频方向")},
    {kDtmfText, 16, kDtmf, Q731_TRANSLATE_NOOP("ByteFields", "ANI 结束码")},
    {kPassword, 4, kOptions, Q731_TRANSLATE_NOOP("ByteFields", "开机密码")},
    {kFmSettings, 1, kFm, Q731_TRANSLATE_NOOP("ByteFields", "当前工作频道")},
    {kFmSettings + 1, 1, kFm, Q731_TRANSLATE_NOOP("ByteFields", "显示模式")},
    {kFmSettings + 2, 1, kFm, Q731_TRANSLATE_NOOP("ByteFields", "步进频率")},
    {kFmFrequency, 2, kFm, Q731_TRANSLATE_NOOP("ByteFields", "频率")},
};

MarkedText Named(const char *pattern, std::vector<MarkedText::Argument> arguments)
{
    return {kContext, pattern, std::move(arguments)};
}

MarkedText MemoryByte(int address)
{
    return Named(Q731_TRANSLATE_NOOP("ByteFields", "存储字节 %1"), {{nullptr, address}});
}

MarkedText ChannelField(int n, Text field)
{
    return Named(Q731_TRANSLATE_NOOP("ByteFields", "信道 %1 的%2"), {{nullptr, n}, {field}});
}

// The names of the fields among `fields` that hold some of `bits`, made by
// `nameOf`, then `rest` when some of `bits` belong to none of them.
template<typename NameOf>
std::vector<MarkedText> BitFieldNames(std::span<const BitField> fields, std::uint8_t bits,
                                      NameOf nameOf, MarkedText rest)
{
    std::vector<MarkedText> names;
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

std::vector<MarkedText> ChannelRecordFields(int address, std::uint8_t bits)
{
    static constexpr Text kFields[] = {
        Q731_TRANSLATE_NOOP("ByteFields", "接收频率"),
        Q731_TRANSLATE_NOOP("ByteFields", "发射频率"),
        Q731_TRANSLATE_NOOP("ByteFields", "接收亚音频"),
        Q731_TRANSLATE_NOOP("ByteFields", "发射亚音频"),
    };
    const int n = address / kChannelRecordSize + 1;
    const int offset = address % kChannelRecordSize;
    if (offset < 8)
        return {ChannelField(n, kFields[offset / 4])};
    if (offset < 12)
        return {ChannelField(n, kFields[2 + (offset - 8) / 2])};
    return BitFieldNames(
        kChannelOptions, bits, [&](Text name) { return ChannelField(n, name); },
        ChannelField(n, Q731_TRANSLATE_NOOP("ByteFields", "选项")));
}

MarkedText CalibrationField(int address)
{
    static constexpr Text kPowers[] = {
        Q731_TRANSLATE_NOOP("ByteFields", "高功率"),
        Q731_TRANSLATE_NOOP("ByteFields", "中功率"),
        Q731_TRANSLATE_NOOP("ByteFields", "低功率"),
    };
    static constexpr Text kSections[] = {
        Q731_TRANSLATE_NOOP("ByteFields", "高段"),
        Q731_TRANSLATE_NOOP("ByteFields", "中段"),
        Q731_TRANSLATE_NOOP("ByteFields", "低段"),
    };
    // Slider 3 * tab + frame: the tab is the power, the frame the section of the band.
    const int slider = kCalibrationSliderOfByte[address - kCalibration];
    return Named(Q731_TRANSLATE_NOOP("ByteFields", "调试：%1，%2"),
                 {{kPowers[slider / 3]}, {kSections[slider % 3]}});
}

} // namespace

std::vector<MarkedText> ImageByteFields(int address, std::uint8_t bits)
{
    if (address < 0 || address >= static_cast<int>(kRadioMemorySize) || bits == 0)
        return {};
    if (address < kChannelFillStart)
        return ChannelRecordFields(address, bits);
    if (address >= kNames) {
        const int n = (address - kNames) / kNameSize + 1;
        return {ChannelField(n, Q731_TRANSLATE_NOOP("ByteFields", "名称"))};
    }
    if (address >= kFmChannels && address < kFmChannels + 2 * FmSettings::kChannels) {
        const int n = (address - kFmChannels) / 2 + 1;
        return {Named(Q731_TRANSLATE_NOOP("ByteFields", "收音机：频道 %1"), {{nullptr, n}})};
    }
    if (address >= kCalibration && address < kCalibration + 9)
        return {CalibrationField(address)};
    for (const Area &area : kAreas) {
        if (address < area.first || address >= area.first + area.size)
            continue;
        if (area.bits.empty())
            return {Named(area.group, {{area.name}})};
        return BitFieldNames(
            area.bits, bits, [&](Text name) { return Named(area.group, {{name}}); },
            MemoryByte(address));
    }
    return {MemoryByte(address)};
}

} // namespace q731
