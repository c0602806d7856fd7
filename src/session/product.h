#pragma once

#include "image/language.h"

#include <QString>

class QPixmap;

namespace q731 {

// Names the program shows about itself.
QString ProductTitle(Language language); // title of boxes without a caption
QString MainWindowCaption(Language language);
QString MakerName(Language language); // status bar, About box, print report
QString ProgramFolder();
QPixmap ProductLogo(); // 87 x 73, also the window icon                     // the folder that holds
                       // the executable

} // namespace q731
