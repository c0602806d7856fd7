#pragma once

// The plain records that the image codec reads and writes and that the editor
// windows show and edit. They hold values in no language: frequencies as
// their text, list indexes, names (UTF-8). Every view makes its texts from
// them in the language it shows. Bytes exist only in the RadioImage.

#include "radio_image.h"

#include <array>
#include <string>

namespace q731 {

// The 128 channels. Channel n (1..128) is entry n-1 of every array.
struct ChannelTable
{
    // Rows of ColumnIndexes; grid column c (3..10) is row c-3.
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
    // Names, at most 8 characters; independent of the frequencies.
    std::array<std::string, kChannelCount> ChannelNames;

    std::string &rx(int n) { return FrequencyTexts[0][n - 1]; }
    const std::string &rx(int n) const { return FrequencyTexts[0][n - 1]; }
    std::string &tx(int n) { return FrequencyTexts[1][n - 1]; }
    const std::string &tx(int n) const { return FrequencyTexts[1][n - 1]; }
    int &index(Row row, int n) { return ColumnIndexes[row][n - 1]; }
    int index(Row row, int n) const { return ColumnIndexes[row][n - 1]; }
    std::string &name(int n) { return ChannelNames[n - 1]; }
    const std::string &name(int n) const { return ChannelNames[n - 1]; }

    // Empties channel n (1..128): both frequencies, every index, the name.
    void clearChannel(int n);
    // clearChannel for every channel.
    void clearAll();
};

// The optional features and the VFO channel. List fields hold the selected
// index (0-based), text fields the text shown. The call tone, the reverse
// frequency and "allow to cancel operating" are in the window but not in the
// image.
struct OptionalFeatures
{
    // General functions.
    std::string priorityScanChannel = "1"; // priority scan channel, "" or 1..128
    std::string presentChannel = "1";      // present channel, "" or 1..128
    int displayMode = 0;                   // display mode: frequency, channel
    int frequencyStep = 4;                 // step: 5K 6.25K 10K 12.5K 25K 37.5K 50K 100K
    int beep = 1;                          // beep
    int squelchLevel = 4;                  // squelch 0..9
    int keyLock = 1;                       // key lock: lock, normal
    int batterySave = 1;                   // battery save
    int scanMode = 1;                      // scan mode: carrier, time
    int timeoutTimer = 2;                  // time-out timer: off, 1..7 minutes
    int channelNameDisplay = 1;            // self-named channel name: on, off
    int lockKeyMode = 0;                   // lock-key mode: K+S PTT KEY ALL
    int powerOnPasswordSetting = 1;        // power-on password setting: on, off
    int endOfCallTone = 1;                 // end-of-call tone: on, off
    int radioSearchMode = 1;               // radio search mode: manual, auto
    int channelGroup = 1;                  // channel group: on, off
    int radioMonitorSignal = 1;            // radio monitor signal: off, on
    int backlight = 1;                     // backlight: OFF KEY CONT
    int tailElimination = 1;               // tail elimination: off, on
    int memoryChannelDisplay = 1;          // memory channel display: channel, frequency
    int autoPowerOff = 0;                  // automatic power-off: off, 1..15 hours
    std::string powerOnText;               // power-on text, at most 6 characters
    int powerOnDisplay = 1;                // power-on display: OFF DC MSG
    std::string powerOnPassword;           // power-on password, at most 4 digits (not reset by New)
    int frequencyShift = 1;                // frequency shift (hidden)
    int voiceMode = 0;                     // voice mode: OFF COMP SCRAMB (hidden)
    int reverseFrequency = 1;              // reverse frequency (hidden, not in the image)

    // VOX group.
    int voxSwitch = 0;                 // VOX switch: off, on
    int voxGain = 4;                   // VOX gain 1..8
    int voxDelay = 1;                  // VOX delay 1 S .. 4 S
    bool voxOffWhileReceiving = false; // prohibit VOX while receiving (hidden, read only)
    bool allowCancelOperating = false; // allow to cancel operating (hidden, not in the image)

    // VFO channel.
    std::string vfoFrequency = "155.00000"; // VFO frequency DDD.DDDDD
    std::string vfoOffset = "10.00000";     // VFO offset "0.00000"
    int vfoRxTone = 0;                      // VFO receive tone (ToneList index)
    int vfoTxTone = 0;                      // VFO transmit tone (ToneList index)
    int vfoPower = 1;                       // power: low, high, middle
    int vfoOffsetDirection = 2;             // offset direction: plus, minus, none
    int vfoBandwidth = 1;                   // bandwidth: narrow, wide
    int vfoBusyLock = 1;                    // busy-channel lock: carrier, off
    int vfoScanAdd = 1;                     // scan add: off, on (hidden)
    int vfoTxStop = 1;                      // transmit stop: on, off
    int vfoScramble = 1;                    // scramble: on, off (hidden)
    int vfoCompanding = 1;                  // companding: off, on (hidden)
    int callTone = 4; // call tone: off, TONE1..TONE5 (hidden, not in the image)

    // Every field back to its default, as New does. The VFO frequency becomes
    // the middle of the given band. powerOnPassword, allowCancelOperating and voxOffWhileReceiving
    // keep their values.
    void resetToNew(int bandLowMHz, int bandHighMHz);

    bool operator==(const OptionalFeatures &) const = default;
};

// Number of entries in each list field of OptionalFeatures, by field name. A
// decoded index that names no entry leaves the field as it was.
namespace OptionListLength {
inline constexpr int displayMode = 2, frequencyStep = 8, beep = 2, squelchLevel = 10, keyLock = 2,
                     batterySave = 2, scanMode = 2, timeoutTimer = 8, channelNameDisplay = 2,
                     lockKeyMode = 4, powerOnPasswordSetting = 2, endOfCallTone = 2,
                     radioSearchMode = 2, channelGroup = 2, radioMonitorSignal = 2, backlight = 3,
                     tailElimination = 2, memoryChannelDisplay = 2, autoPowerOff = 16,
                     powerOnDisplay = 3, frequencyShift = 2, voiceMode = 3, reverseFrequency = 2,
                     voxSwitch = 2, voxGain = 8, voxDelay = 4, vfoRxTone = 265, vfoTxTone = 265,
                     vfoPower = 3, vfoOffsetDirection = 3, vfoBandwidth = 2, vfoBusyLock = 2,
                     vfoScanAdd = 2, vfoTxStop = 2, vfoScramble = 2, vfoCompanding = 2,
                     callTone = 6;
} // namespace OptionListLength

// The DTMF settings. Only the ANI end code is ever decoded from the
// image; none is encoded into it.
struct DtmfSettings
{
    std::array<std::string, 8> autoDialMemories; // auto-dial memories, 16 DTMF characters each
    std::string aniStartCode;                    // ANI start code, 16
    std::string aniEndCode;                      // ANI end code, 16 (not reset by New)
    std::string ownCode;                         // own code, 8
    int aniMode = 0;                             // ANI: start send, end send, both
    int rate = 0;                                // rate: fast, slow
    int firstDigitDelay = 6;                     // first-digit delay: 200 ms * index
    int groupCallCode = 0;                       // group-call code: empty * # A B C D

    // Defaults as New sets them; aniEndCode keeps its text.
    void resetToNew();

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
