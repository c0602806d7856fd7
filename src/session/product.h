#pragma once

#include "image/language.h"

#include <QString>

namespace q731 {

// Names the program shows about itself.
QString ProductTitle(Language language); // title of boxes without a caption
// The version, as the build's project version defines it (major.minor).
QString ProgramVersion();
// The title followed by "V" and the version.
QString MainWindowCaption(Language language);
// The About box's edition line: the language's edition and the version.
QString EditionText(Language language);
QString MakerName(Language language); // status bar, About box, print report
QString ProgramFolder();              // the folder that holds the executable

} // namespace q731
