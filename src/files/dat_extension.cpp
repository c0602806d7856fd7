#include "dat_extension.h"

namespace q731 {

// The DTMF settings are the only ones the image does not hold; their block
// is not part of this build yet, so files are written without an extension
// and an extension found in a file is left unread.
std::vector<std::uint8_t> DatExtensionOf(const RadioData &)
{
    return {};
}

bool ApplyDatExtension(const std::vector<std::uint8_t> &, RadioData &)
{
    return false;
}

} // namespace q731
