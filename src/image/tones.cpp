#include "tones.h"

#include "text_helpers.h"

#include <array>
#include <unordered_map>

namespace q731 {

namespace {

constexpr std::array<std::string_view, 50> kCtcssTones = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1",
};

constexpr std::array<std::string_view, 107> kDcsCodes = {
    "017", "023", "025", "026", "031", "032", "036", "043", "047", "050", "051", "053",
    "054", "065", "071", "072", "073", "074", "114", "115", "116", "122", "125", "131",
    "132", "134", "143", "145", "152", "155", "156", "162", "165", "172", "174", "205",
    "212", "223", "225", "226", "243", "244", "245", "246", "251", "252", "255", "261",
    "263", "265", "266", "271", "274", "306", "311", "315", "325", "331", "332", "343",
    "346", "351", "356", "364", "365", "371", "411", "412", "413", "423", "431", "432",
    "445", "446", "452", "454", "455", "462", "464", "465", "466", "503", "506", "516",
    "523", "526", "532", "546", "565", "606", "612", "624", "627", "631", "632", "645",
    "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754",
};

constexpr int kFirstCtcss = 1;
constexpr int kFirstDcsNormal = kFirstCtcss + static_cast<int>(kCtcssTones.size());
constexpr int kFirstDcsInverted = kFirstDcsNormal + static_cast<int>(kDcsCodes.size());
static_assert(kFirstDcsInverted + static_cast<int>(kDcsCodes.size()) == kToneCount);

// The list without its language-dependent entry 0, built once.
const std::array<std::string, kToneCount> &FixedEntries()
{
    static const std::array<std::string, kToneCount> entries = [] {
        std::array<std::string, kToneCount> list;
        for (std::size_t i = 0; i < kCtcssTones.size(); ++i)
            list[kFirstCtcss + i] = std::string(kCtcssTones[i]);
        for (std::size_t i = 0; i < kDcsCodes.size(); ++i) {
            list[kFirstDcsNormal + i] = std::string("D").append(kDcsCodes[i]).append("N");
            list[kFirstDcsInverted + i] = std::string("D").append(kDcsCodes[i]).append("I");
        }
        return list;
    }();
    return entries;
}

std::string Hex2(std::uint8_t value)
{
    return ByteToHex(value);
}

// Hex without a leading zero: 0x06 gives "6".
std::string HexNoPad(std::uint8_t value)
{
    const std::string hex = ByteToHex(value);
    return value < 0x10 ? hex.substr(1) : hex;
}

} // namespace

std::string ToneListEntry(int index)
{
    if (index <= 0 || index >= kToneCount)
        return {};
    return FixedEntries()[static_cast<std::size_t>(index)];
}

int ToneIndexOf(std::string_view text)
{
    // Every entry but the off entry is unique, so a lookup table finds the first.
    static const std::unordered_map<std::string_view, int> positions = [] {
        std::unordered_map<std::string_view, int> map;
        const auto &entries = FixedEntries();
        for (int i = kToneCount - 1; i >= 1; --i)
            map[entries[static_cast<std::size_t>(i)]] = i;
        return map;
    }();
    const auto found = positions.find(text);
    return found == positions.end() ? 0 : found->second;
}

DecodedTone DecodeTone(std::uint8_t low, std::uint8_t high)
{
    DecodedTone tone;
    if (low == 0xFF) {
        tone.off = true;
        return tone;
    }
    const std::string highHex = Hex2(high);
    const std::string highShort = HexNoPad(high);
    if (highHex[0] == '8') {
        tone.text = std::string("D").append(highHex, 1, 1).append(Hex2(low)).append("N");
    } else if (highShort[0] == 'C') {
        // A high byte of 0x0C also reads as inverted: its short hex form is "C".
        tone.text = std::string("D").append(highHex, 1, 1).append(Hex2(low)).append("I");
    } else {
        const std::string lowShort = HexNoPad(low);
        tone.text = highShort;
        if (lowShort.size() == 2)
            tone.text += lowShort.substr(0, 1) + "." + lowShort.substr(1, 1);
        else
            tone.text.append("0.").append(lowShort);
    }
    tone.index = ToneIndexOf(tone.text);
    return tone;
}

int ToneIndexOfCode(std::uint8_t low, std::uint8_t high)
{
    return DecodeTone(low, high).index;
}

std::pair<std::uint8_t, std::uint8_t> EncodeTone(int index)
{
    if (index == 0)
        return {0xFF, 0xFF};
    const std::string hex = ToneToHex(ToneListEntry(index));
    const std::string_view view(hex);
    const auto low = static_cast<std::uint8_t>(HexToNumber(view.substr(0, 2)));
    const auto high =
        static_cast<std::uint8_t>(HexToNumber(view.size() > 2 ? view.substr(2, 2) : ""));
    return {low, high};
}

} // namespace q731
