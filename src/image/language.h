#pragma once

namespace q731 {

// The program's language. The stored value and the menu commands only ever
// produce these two.
enum class Language { Chinese = 0, English = 1 };

} // namespace q731
