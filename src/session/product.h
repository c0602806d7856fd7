#pragma once

#include "image/language.h"

#include <QString>

namespace q731 {

// Names the program shows about itself.
QString ProductTitle(Language language); // title of boxes without a caption
QString MainWindowCaption(Language language);
QString MakerName(Language language); // status bar, About box, print report
QString ProgramFolder();              // the folder that holds the executable

} // namespace q731
