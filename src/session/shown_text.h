#pragma once

// Texts from files and command lines as the programs show them: q731-cli on
// a terminal, the window program in its summaries.

#include <QString>

namespace q731 {

// Control characters (C0, DEL, the C1 range U+0080..U+009F that Latin-1
// names can hold) as \xHH, Unicode format characters and line or paragraph
// separators as \uHHHH, so that no text can move the cursor, clear the screen
// or start a line of its own. Other characters, backslashes included, stay as
// they are.
QString Escaped(const QString &text);

// Escaped(), cut to at most `maxLength` characters, the last one "…", when
// longer: for values echoed back in messages and listings.
inline constexpr int kShownValueLength = 40;
QString ShortEscaped(const QString &text, int maxLength = kShownValueLength);

// The band list's item `bandIndex` ("136-174MHz"); empty for an index outside
// the list (a damaged image).
QString BandName(int bandIndex);

} // namespace q731
