#pragma once

// The plain records that the image codec reads and writes and that the editor
// windows show and edit. Values are held the way the windows show them: list
// indexes and texts (UTF-8). Bytes exist only in the RadioImage.

#include "radio_image.h"

#include <array>
#include <string>

namespace q731 {

// The 128 channels. Channel n (1..128) is entry n-1 of every array.
struct ChannelTable
{
    // Rows of ColumnIndexes / ColumnTexts; grid column c (3..10) is row c-3.
    enum Row {
        RxTone = 0,
        TxTone = 1,
        Power = 2,
        BusyLock = 3,
        ScanAdd = 4,
        Bandwidth = 5,
        TxStop = 6,
        Scramble = 7,
    };
    static constexpr int kRows = 8;

    // [0] receive, [1] transmit: "145.12500" (three integer digits, five
    // decimals) or empty. An empty receive frequency means the channel is unused.
    std::array<std::array<std::string, kChannelCount>, 2> FrequencyTexts;
    // List index behind grid columns 3..10 (tone index into ToneList, option
    // index into the channel option lists). 0 when cleared.
    std::array<std::array<int, kChannelCount>, kRows> ColumnIndexes{};
    // The texts that go with ColumnIndexes as last decoded. Rows 0..1 hold the
    // tone texts from which EncodeImage builds the tone bytes.
    std::array<std::array<std::string, kChannelCount>, kRows> ColumnTexts;
    // Names, at most 8 characters; independent of the frequencies.
    std::array<std::string, kChannelCount> ChannelNames;

    std::string &rx(int n) { return FrequencyTexts[0][n - 1]; }
    const std::string &rx(int n) const { return FrequencyTexts[0][n - 1]; }
    std::string &tx(int n) { return FrequencyTexts[1][n - 1]; }
    const std::string &tx(int n) const { return FrequencyTexts[1][n - 1]; }
    int &index(Row row, int n) { return ColumnIndexes[row][n - 1]; }
    int index(Row row, int n) const { return ColumnIndexes[row][n - 1]; }
    std::string &text(Row row, int n) { return ColumnTexts[row][n - 1]; }
    const std::string &text(Row row, int n) const { return ColumnTexts[row][n - 1]; }
    std::string &name(int n) { return ChannelNames[n - 1]; }
    const std::string &name(int n) const { return ChannelNames[n - 1]; }

    // Empties channel n (1..128): both frequencies, every index and text, the name.
    void ClearNO(int n);
    // ClearNO for every channel.
    void ClearAll();
};

// The fields of the optional features window, named after its controls. List
// fields hold the selected index (0-based), text fields the text shown.
// Combo4, Combo11 and Check12 are in the window but not in the image.
struct OptionalFeatures
{
    // General functions.
    std::string Text2 = "1"; // priority scan channel, "" or 1..128
    std::string Text6 = "1"; // present channel, "" or 1..128
    int Combo1 = 0;          // display mode: frequency, channel
    int Combo3 = 4;          // step: 5K 6.25K 10K 12.5K 25K 37.5K 50K 100K
    int Combo7 = 1;          // beep
    int Combo5 = 4;          // squelch 0..9
    int Combo9 = 1;          // key lock: lock, normal
    int Combo8 = 1;          // battery save
    int ComboMod = 1;        // scan mode: carrier, time
    int Combo19 = 2;         // time-out timer: off, 1..7 minutes
    int Combo17 = 1;         // self-named channel name: on, off
    int Combo18 = 0;         // lock-key mode: K+S PTT KEY ALL
    int Combo2 = 1;          // power-on password setting: on, off
    int Combo16 = 1;         // end-of-call tone: on, off
    int Combo13 = 1;         // radio search mode: manual, auto
    int Combo33 = 1;         // channel group: on, off
    int Combo6 = 1;          // radio monitor signal: off, on
    int Combo21 = 1;         // backlight: OFF KEY CONT
    int Combo20 = 1;         // tail elimination: off, on
    int Combo34 = 1;         // memory channel display: channel, frequency
    int Combo35 = 0;         // automatic power-off: off, 1..15 hours
    std::string Text31;      // power-on text, at most 6 characters
    int Combo32 = 1;         // power-on display: OFF DC MSG
    std::string Text1;       // power-on password, at most 4 digits (not reset by New)
    int Combo10 = 1;         // frequency shift (hidden)
    int Combo36 = 0;         // voice mode: OFF COMP SCRAMB (hidden)
    int Combo11 = 1;         // reverse frequency (hidden, not in the image)

    // VOX group.
    int Combo31 = 0;      // VOX switch: off, on
    int Combo14 = 4;      // VOX gain 1..8
    int Combo15 = 1;      // VOX delay 1 S .. 4 S
    bool Check13 = false; // prohibit VOX while receiving (hidden, read only)
    bool Check12 = false; // allow to cancel operating (hidden, not in the image)

    // VFO channel.
    std::string Text20 = "155.00000"; // VFO frequency DDD.DDDDD
    std::string Text21 = "10.00000";  // VFO offset "0.00000"
    int Combo22 = 0;                  // VFO receive tone (ToneList index)
    int Combo23 = 0;                  // VFO transmit tone (ToneList index)
    int Combo24 = 1;                  // power: low, high, middle
    int Combo30 = 2;                  // offset direction: plus, minus, none
    int Combo27 = 1;                  // bandwidth: narrow, wide
    int Combo25 = 1;                  // busy-channel lock: carrier, off
    int Combo26 = 1;                  // scan add: off, on (hidden)
    int Combo28 = 1;                  // transmit stop: on, off
    int Combo12 = 1;                  // scramble: on, off (hidden)
    int Combo29 = 1;                  // companding: off, on (hidden)
    int Combo4 = 4;                   // call tone: off, TONE1..TONE5 (hidden, not in the image)

    // Every field back to its default, as New does. The VFO frequency becomes
    // the middle of the given band. Text1, Check12 and Check13 keep their values.
    void StartForm(int bandLowMHz, int bandHighMHz);

    bool operator==(const OptionalFeatures &) const = default;
};

// Number of entries in each list field of OptionalFeatures, by field name. A
// decoded index that names no entry leaves the field as it was.
namespace OptionListLength {
inline constexpr int Combo1 = 2, Combo3 = 8, Combo7 = 2, Combo5 = 10, Combo9 = 2, Combo8 = 2,
                     ComboMod = 2, Combo19 = 8, Combo17 = 2, Combo18 = 4, Combo2 = 2, Combo16 = 2,
                     Combo13 = 2, Combo33 = 2, Combo6 = 2, Combo21 = 3, Combo20 = 2, Combo34 = 2,
                     Combo35 = 16, Combo32 = 3, Combo10 = 2, Combo36 = 3, Combo11 = 2, Combo31 = 2,
                     Combo14 = 8, Combo15 = 4, Combo22 = 265, Combo23 = 265, Combo24 = 3,
                     Combo30 = 3, Combo27 = 2, Combo25 = 2, Combo26 = 2, Combo28 = 2, Combo12 = 2,
                     Combo29 = 2, Combo4 = 6;
} // namespace OptionListLength

// The DTMF window's fields. Only Text4 (ANI end code) is ever decoded from the
// image; none is encoded into it.
struct DtmfSettings
{
    std::array<std::string, 8> Text1; // auto-dial memories, 16 DTMF characters each
    std::string Text2;                // ANI start code, 16
    std::string Text4;                // ANI end code, 16 (not reset by New)
    std::string Text3;                // own code, 8
    int Combo1 = 0;                   // ANI: start send, end send, both
    int Combo16 = 0;                  // rate: fast, slow
    int Combo17 = 6;                  // first-digit delay: 200 ms * index
    int Combo18 = 0;                  // group-call code: empty * # A B C D

    // Defaults as New sets them; Text4 keeps its text.
    void StartForm();

    bool operator==(const DtmfSettings &) const = default;
};

// The FM broadcast receiver, as committed by the FM window's OK.
struct FmSettings
{
    static constexpr int kChannels = 32;
    // Channel n (1..32) is entry n-1: "" or a frequency such as "88.50".
    std::array<std::string, kChannels> FmChannelTexts;
    int FmCurrentChannel = 0;
    // Raw values: one outside the window's list is kept and written back.
    int FmDisplayMode = 0;       // 0 channel, 1 frequency
    int FmStep = 0;              // 0 50K, 1 100K, 2 200K
    std::string FmFrequencyText; // "" or a frequency in MHz

    std::string &channel(int n) { return FmChannelTexts[n - 1]; }
    const std::string &channel(int n) const { return FmChannelTexts[n - 1]; }

    bool operator==(const FmSettings &) const = default;
};

// Nine transmitter calibration levels by slider index 0..8: tab (high, mid,
// low power) times frame (high, mid, low section of the band).
struct CalibrationLevels
{
    std::array<int, 9> values = {218, 208, 218, 160, 160, 160, 124, 116, 124};

    bool operator==(const CalibrationLevels &) const = default;
};

// Everything the codec reads and writes besides the image itself.
struct RadioData
{
    ChannelTable channels;
    OptionalFeatures options;
    DtmfSettings dtmf;
    FmSettings fm;
    CalibrationLevels calibration;
    int bandIndex = 0; // band list index 0..7
};

// New: band `bandIndex`, every channel empty, the DTMF and optional features
// fields at their start values (the VFO frequency in the band's middle). The
// FM settings, the calibration levels and the fields that New keeps (power-on
// password, ANI end code, the hidden check boxes) are left as they are.
void StartNew(RadioData &data, int bandIndex);

// Whether `edited` differs from `kept` in something a write to the radio does
// not carry: the DTMF settings, the optional features the image has no room
// for (call tone, reverse frequency, cancel operating), and the calibration
// levels unless the write sends them.
bool DiffersBeyondWrite(const RadioData &edited, const RadioData &kept, bool calibrationSent);

// The band change that the user confirmed: band `bandIndex`, every channel
// empty, the VFO frequency in the middle of the new band; nothing else changes.
void ChangeBandClearing(RadioData &data, int bandIndex);

} // namespace q731
