#pragma once

// What the channel window tells the user, in both languages.

#include "image/channel_grid.h"
#include "image/language.h"

#include <QString>

namespace q731 {

// A typed frequency outside the band.
QString BandMessageText(Language language);

// Why a paste changed nothing, naming the clipboard row and the channel it
// was bound for; empty for a paste that was applied. `bandIndex`: the band in
// force.
QString PasteMessageText(const ChannelGrid::PasteResult &result, int bandIndex, Language language);

// Insert refused: channel `channel` would be pushed off the end.
QString InsertRefusedText(int channel, Language language);

} // namespace q731
