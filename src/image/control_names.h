#pragma once

#include <string>
#include <vector>

namespace q731 {

// Everything the windows show that the caption table places or names, and
// that `q731-cli show` lists, by what it means. The object names the windows
// and the caption table know these by are data, kept in one table
// (control_names.cpp): code names the thing, never its object name.
enum class Control {
    // Main window
    Band, // the band box and its label

    // Channel window: the in-place editors over the grid
    ChannelFrequencyBox,
    ChannelNameBox,
    ChannelToneList,
    ChannelOptionList, // one per option column, indexed by the column

    // DTMF window
    DtmfMemoriesPageButton,
    DtmfOtherPageButton,
    DtmfAutoDialMemory, // indexed 0..7, the label too
    DtmfAniStartCode,
    DtmfAniEndCode,
    DtmfAniMode,
    DtmfRate,
    DtmfFirstDigitDelay,
    DtmfGroupCallCode,
    DtmfOwnCode,

    // Optional features window: the page buttons, the groups
    FunctionsPageButton,
    VfoPageButton,
    VoxGroup,
    FunctionsGroup,
    VfoGroup,
    // its fields, each with a label in front of it
    PriorityScanChannel,
    PresentChannel,
    DisplayMode,
    FrequencyStep,
    Beep,
    SquelchLevel,
    KeyLock,
    BatterySave,
    ScanMode,
    TimeoutTimer,
    ChannelNameDisplay,
    LockKeyMode,
    PowerOnPasswordSetting,
    EndOfCallTone,
    RadioSearchMode,
    ChannelGroup,
    RadioMonitorSignal,
    Backlight,
    TailElimination,
    MemoryChannelDisplay,
    AutoPowerOff,
    PowerOnText,
    PowerOnDisplay,
    PowerOnPassword,
    FrequencyShift,
    VoiceMode,
    ReverseFrequency,
    VoxSwitch,
    VoxGain,
    VoxDelay,
    VfoFrequency,
    VfoOffset,
    VfoRxTone,
    VfoTxTone,
    VfoPower,
    VfoOffsetDirection,
    VfoBandwidth,
    VfoBusyLock,
    VfoScanAdd,
    VfoTxStop,
    VfoScramble,
    VfoCompanding,
    CallTone,
    // and its check boxes, which carry their own captions
    VoxOffWhileReceiving,
    AllowCancelOperating,

    // Calibration window, each indexed by the level 0..8
    CalibrationLowLabel,
    CalibrationHighLabel,
    CalibrationValue,

    // FM window
    FmChannels,   // the grid; indexed by the channel number for a channel
    FmChannelBox, // the in-place editor over the grid
    FmCurrentChannel,
    FmDisplayMode,
    FmStep,
    FmFrequency,
    FmMessage,

    // CSV import dialog
    ImportFileName,
    ImportToLocation,
    ImportRenumber,
    ImportClearFirst,
    ImportSummary,

    // Transfer progress window
    ProgressText,
};

inline constexpr int kControlCount = static_cast<int>(Control::ProgressText) + 1;

struct ControlNames
{
    Control control;
    const char *window; // object name of the window
    const char *name;   // object name of the control
    const char *label;  // object name of the label in front of it; "" for none
};

// The whole table, one entry per control.
const std::vector<ControlNames> &ControlTable();

const char *ControlWindow(Control control);
const char *ControlName(Control control);
const char *LabelName(Control control);

// The name of element `index` of a control array: the name, then the index
// in parentheses.
std::string ControlName(Control control, int index);
std::string LabelName(Control control, int index);

// "window.control": a control as `show` names it.
std::string QualifiedControlName(Control control);
std::string QualifiedControlName(Control control, int index);

} // namespace q731
