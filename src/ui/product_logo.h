#pragma once

#include <QPixmap>

namespace q731 {

// The program's logo, 87 x 73: the About box shows it, windows take it as
// their icon and the package's icon is drawn from it.
QPixmap ProductLogo();

} // namespace q731
