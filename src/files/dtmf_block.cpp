#include "dtmf_block.h"

#include "image/settings_codec.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <string_view>

namespace q731 {

namespace {

constexpr std::string_view kTag = "Q731DTMF";
constexpr std::uint8_t kVersion = 1;
constexpr std::size_t kHeaderSize = 11;
constexpr std::size_t kPayloadSize = 8 * 16 + 16 + 16 + 8 + 4;
static_assert(kHeaderSize + kPayloadSize + 1 == kDtmfBlockSize);

// Entries of the lists: ANI mode, rate, first-digit delay, group-call code.
constexpr std::array<int, 4> kListLengths = {3, 2, 10, 7};

bool IsDtmfCharacter(std::uint8_t c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'D') || c == '*' || c == '#';
}

// Only what Open takes back is written, whatever the record holds: a block
// that Open refused would lose every DTMF setting at once.
void PutText(const std::string &text, std::size_t width, std::vector<std::uint8_t> &out)
{
    const std::string code = DtmfCode(text, width);
    for (std::size_t i = 0; i < width; ++i)
        out.push_back(i < code.size() ? static_cast<std::uint8_t>(code[i]) : 0xFF);
}

// An index outside its list is written as the list's start value.
std::uint8_t ListByte(int index, int listLength, int startValue)
{
    return static_cast<std::uint8_t>(index >= 0 && index < listLength ? index : startValue);
}

// 0xFF bytes are padding wherever they stand, as in the image.
bool TakeText(const std::uint8_t *&at, std::size_t width, std::string &text)
{
    text.clear();
    for (std::size_t i = 0; i < width; ++i, ++at) {
        if (*at == 0xFF)
            continue;
        if (!IsDtmfCharacter(*at))
            return false;
        text.push_back(static_cast<char>(*at));
    }
    return true;
}

} // namespace

std::vector<std::uint8_t> EncodeDtmfBlock(const DtmfSettings &dtmf)
{
    std::vector<std::uint8_t> out(kTag.begin(), kTag.end());
    out.push_back(kVersion);
    out.push_back(static_cast<std::uint8_t>(kPayloadSize & 0xFF));
    out.push_back(static_cast<std::uint8_t>(kPayloadSize >> 8));
    for (const std::string &memory : dtmf.autoDialMemories)
        PutText(memory, 16, out);
    PutText(dtmf.aniStartCode, 16, out);
    PutText(dtmf.aniEndCode, 16, out);
    PutText(dtmf.ownCode, 8, out);
    const DtmfSettings start;
    out.push_back(ListByte(dtmf.aniMode, kListLengths[0], start.aniMode));
    out.push_back(ListByte(dtmf.rate, kListLengths[1], start.rate));
    out.push_back(ListByte(dtmf.firstDigitDelay, kListLengths[2], start.firstDigitDelay));
    out.push_back(ListByte(dtmf.groupCallCode, kListLengths[3], start.groupCallCode));
    const unsigned sum = std::accumulate(out.begin() + kHeaderSize, out.end(), 0u);
    out.push_back(static_cast<std::uint8_t>(sum & 0xFF));
    return out;
}

bool DecodeDtmfBlock(const std::vector<std::uint8_t> &extension, DtmfSettings &dtmf)
{
    if (extension.size() < kDtmfBlockSize)
        return false;
    if (!std::equal(kTag.begin(), kTag.end(), extension.begin()))
        return false;
    if (extension[8] != kVersion)
        return false;
    if (extension[9] + 256u * extension[10] != kPayloadSize)
        return false;
    const auto payload = extension.begin() + kHeaderSize;
    const unsigned sum = std::accumulate(payload, payload + kPayloadSize, 0u);
    if ((sum & 0xFF) != extension[kHeaderSize + kPayloadSize])
        return false;

    DtmfSettings read = dtmf;
    const std::uint8_t *at = extension.data() + kHeaderSize;
    for (std::string &memory : read.autoDialMemories) {
        if (!TakeText(at, 16, memory))
            return false;
    }
    if (!TakeText(at, 16, read.aniStartCode) || !TakeText(at, 16, read.aniEndCode) ||
        !TakeText(at, 8, read.ownCode))
        return false;
    int *const lists[] = {&read.aniMode, &read.rate, &read.firstDigitDelay, &read.groupCallCode};
    for (std::size_t k = 0; k < kListLengths.size(); ++k, ++at) {
        if (*at >= kListLengths[k])
            return false;
        *lists[k] = *at;
    }
    dtmf = read;
    return true;
}

} // namespace q731
