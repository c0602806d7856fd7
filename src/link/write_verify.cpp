#include "link/write_verify.h"

#include "image/byte_fields.h"
#include "link/link_protocol.h"

#include <algorithm>

namespace q731 {

bool IsWrittenByte(int address, bool calibrationMode)
{
    if (address < 0 || address >= static_cast<int>(kRadioMemorySize))
        return false;
    if (address < LinkFrame::kLowerBlocksTop || address >= LinkFrame::kUpperBlocksStart)
        return true;
    return calibrationMode && address >= LinkFrame::kCalibrationAddress;
}

std::vector<ByteDifference> CompareWritten(const RadioImage &written, const RadioImage &readBack,
                                           bool calibrationMode)
{
    std::vector<ByteDifference> differences;
    for (int address = 0; address < static_cast<int>(kRadioMemorySize); ++address) {
        const auto i = static_cast<std::size_t>(address);
        if (IsWrittenByte(address, calibrationMode) && written[i] != readBack[i])
            differences.push_back({address, written[i], readBack[i]});
    }
    return differences;
}

std::vector<MarkedText> DifferingFields(std::span<const ByteDifference> differences)
{
    std::vector<MarkedText> names;
    for (const ByteDifference &d : differences) {
        const auto bits = static_cast<std::uint8_t>(d.written ^ d.readBack);
        for (MarkedText &name : ImageByteFields(d.address, bits)) {
            // A frequency or a name spans several bytes; it is one field.
            if (std::find(names.begin(), names.end(), name) == names.end())
                names.push_back(std::move(name));
        }
    }
    return names;
}

} // namespace q731
