#pragma once

#include "image/language.h"
#include "image/records.h"

#include <QString>

#include <vector>

namespace q731 {

// One field that differs between two sets of records.
struct RadioDifference
{
    QString name;   // as verify names the field: "channel 5 Power", "optional features: ..."
    QString theirs; // the radio's or the file's value, as the windows show it
    QString ours;   // this program's value
};

// Every field of `theirs` (what a radio or a file holds) that differs from
// `ours` (what the editors hold), in the order the windows show them, in
// `language`: the band, the channels, the optional features with the VFO,
// DTMF, FM and the calibration levels. Values from a radio or a file are
// shown escaped and cut, as everywhere else.
std::vector<RadioDifference> CompareRadios(const RadioData &theirs, const RadioData &ours,
                                           Language language);

} // namespace q731
