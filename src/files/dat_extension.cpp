#include "dat_extension.h"

#include "files/dtmf_block.h"

namespace q731 {

// The DTMF settings are the only ones the image has no room for.
std::vector<std::uint8_t> DatExtensionOf(const RadioData &data)
{
    return EncodeDtmfBlock(data.dtmf);
}

bool ApplyDatExtension(const std::vector<std::uint8_t> &extension, RadioData &data)
{
    return DecodeDtmfBlock(extension, data.dtmf);
}

} // namespace q731
