#pragma once

// The two whole-image operations and the channel steps they are made of.

#include "radio_image.h"
#include "records.h"

#include <string>

namespace q731 {

// Image -> records, in the radio's order: channel records (SetNumOf), settings
// 1792..1807, band byte 1814, the band filter (SetGrid), the remaining
// settings, DTMF text, FM and calibration, then the 128 names. The records
// get values only (frequency texts, list indexes, names), in no language.
// Never fails: a step that cannot be carried out keeps the field's old value.
void DecodeImage(const RadioImage &image, RadioData &data);

// Records -> image bytes 0..3071, every byte written (fillers and fixed bytes
// included). Element 3072 is not touched. The records are not changed.
void EncodeImage(const RadioData &data, RadioImage &image);

// The channel step of DecodeImage: records -> ChannelTable.
void SetNumOf(const RadioImage &image, ChannelTable &table);

// The band filter of SetGrid: every channel whose receive frequency is empty,
// not a plain decimal number, below lowMHz or at/above highMHz is cleared.
void DropChannelsOutsideBand(ChannelTable &table, int lowMHz, int highMHz);

// True when a receive frequency text lies in [lowMHz, highMHz).
bool FrequencyInBand(const std::string &frequencyText, int lowMHz, int highMHz);

// Name -> the 16 hex digits of its name slot ("FFFF..." for an empty name).
// Every character takes exactly two digits, so no name shifts its slot.
std::string ChannelCode(const std::string &name);

// Four BCD bytes image[base..base+3], most significant pair last, as the text
// DDD.DDDDD. A nibble above 9 gives a letter.
std::string DecodeFrequencyAt(const RadioImage &image, int base);
// The text's digit pairs into image[base+3] (first pair) .. image[base].
void EncodeFrequencyAt(const std::string &text, int base, RadioImage &image);

// One channel record (13 bytes) and name slot (8 bytes) of channel n.
void EncodeChannel(const ChannelTable &table, int n, RadioImage &image);

} // namespace q731
