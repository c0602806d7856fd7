#pragma once

#include <QString>

namespace q731 {

// A question the session asks before it throws records away.
struct SessionQuestion
{
    enum class Kind {
        NewData,        // New: unsaved data will be lost
        BandChange,     // another band: the channel table will be emptied
        UnsavedChanges, // Open or Read would replace changes not yet saved
    };

    Kind kind;
    // In the session's language.
    QString caption;
    QString text;
};

// How the session reaches the user. The session shows nothing itself: the
// window program answers with its message boxes, a command-line program with
// what its options say.
class SessionPrompts
{
public:
    virtual ~SessionPrompts() = default;

    // An OK/Cancel question; true when the answer is OK.
    virtual bool confirm(const SessionQuestion &question) = 0;
};

} // namespace q731
