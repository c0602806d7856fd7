#pragma once

// The words the window program's file commands tell a failure in: a path as
// the user's language quotes it and why a file could not be read or written.

#include "image/language.h"

#include <QString>

namespace q731 {

class MessageBoxes;

// "path" in English, “path” in Chinese, with the system's separators.
QString Quoted(const QString &path, Language language);

QString SpecialFileReason(Language language);

// Why a file could not be read or written, in the user's language where the
// cause is plain; otherwise the system's own words.
QString ReadReason(const QString &path, const QString &systemReason, Language language);
QString WriteReason(const QString &path, const QString &systemReason, Language language);

// A failure of a file command: OK only, stop icon, "错误" / "Mistake".
void ShowFileError(MessageBoxes &boxes, Language language, const QString &text);
// "Cannot open the file "path": reason."
void ShowCannotOpen(MessageBoxes &boxes, Language language, const QString &path,
                    const QString &reason);

} // namespace q731
