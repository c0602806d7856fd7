#pragma once

#include "image/language.h"
#include "link/link_protocol.h"
#include "link/write_verify.h"

#include <QString>

#include <vector>

namespace q731 {

// What the user is told when a write ends: the Write command says it in a
// message box, Write Several Radios in each port's row, in the same words.
struct WriteMessage
{
    enum class Kind {
        Written,   // the radio holds what was sent (and matched, when verified)
        Failed,    // the radio may hold part of it, or something else
        Refused,   // nothing was sent: the band did not match
        Cancelled, // the user answered the band question with Cancel; nothing is said
    };
    Kind kind = Kind::Failed;
    QString text;
    int style = 0;
    QString caption;
};

// The write's own end, when it was not verified (or did not complete).
WriteMessage WriteEndMessage(LinkProtocol::Outcome outcome);

// The end of the read back after a completed write: a failed read, the
// fields that differ, or the match. `portText` explains a port that did not
// open again for the read back; otherwise it is empty.
WriteMessage VerifyEndMessage(LinkProtocol::Outcome readBack,
                              const std::vector<ByteDifference> &differences, Language language,
                              const QString &portText = {});

// In the band override mode, the question a write asks of a radio whose band
// differs; and why a transfer must wait for the one running. Both under the
// caption AttentionCaption().
QString BandOverrideQuestion();
QString TransferRunningText();
QString AttentionCaption();

} // namespace q731
