#include "control_names.h"

namespace q731 {

namespace {

using C = Control;

// In the order of the enum: an entry is found by its position.
const std::vector<ControlNames> kTable = {
    {C::Band, "MDIForm1", "Combo1", "Label1"},

    {C::ChannelFrequencyBox, "Form1", "Text1", ""},
    {C::ChannelNameBox, "Form1", "Text2", ""},
    {C::ChannelToneList, "Form1", "Combo1", ""},
    {C::ChannelOptionList, "Form1", "Combo5", ""},

    {C::DtmfMemoriesPageButton, "Form2", "Option1", ""},
    {C::DtmfOtherPageButton, "Form2", "Option2", ""},
    {C::DtmfAutoDialMemory, "Form2", "Text1", "Label1"},
    {C::DtmfAniStartCode, "Form2", "Text2", "Label2"},
    {C::DtmfAniEndCode, "Form2", "Text4", "Label4"},
    {C::DtmfAniMode, "Form2", "Combo1", "Label32"},
    {C::DtmfRate, "Form2", "Combo16", "Label16"},
    {C::DtmfFirstDigitDelay, "Form2", "Combo17", "Label17"},
    {C::DtmfGroupCallCode, "Form2", "Combo18", "Label18"},
    {C::DtmfOwnCode, "Form2", "Text3", "Label3"},

    {C::FunctionsPageButton, "Form3", "Option1", ""},
    {C::VfoPageButton, "Form3", "Option2", ""},
    {C::VoxGroup, "Form3", "Frame1", ""},
    {C::FunctionsGroup, "Form3", "Frame2", ""},
    {C::VfoGroup, "Form3", "Frame3", ""},
    {C::PriorityScanChannel, "Form3", "Text2", "Label2"},
    {C::PresentChannel, "Form3", "Text6", "Label6"},
    {C::DisplayMode, "Form3", "Combo1", "Label1"},
    {C::FrequencyStep, "Form3", "Combo3", "Label3"},
    {C::Beep, "Form3", "Combo7", "Label7"},
    {C::SquelchLevel, "Form3", "Combo5", "Label5"},
    {C::KeyLock, "Form3", "Combo9", "Label9"},
    {C::BatterySave, "Form3", "Combo8", "Label8"},
    {C::ScanMode, "Form3", "ComboMod", "LabelMod"},
    {C::TimeoutTimer, "Form3", "Combo19", "Label19"},
    {C::ChannelNameDisplay, "Form3", "Combo17", "Label32"},
    {C::LockKeyMode, "Form3", "Combo18", "Label33"},
    {C::PowerOnPasswordSetting, "Form3", "Combo2", "Label12"},
    {C::EndOfCallTone, "Form3", "Combo16", "Label18"},
    {C::RadioSearchMode, "Form3", "Combo13", "Label17"},
    {C::ChannelGroup, "Form3", "Combo33", "Label34"},
    {C::RadioMonitorSignal, "Form3", "Combo6", "Label13"},
    {C::Backlight, "Form3", "Combo21", "Label36"},
    {C::TailElimination, "Form3", "Combo20", "Label35"},
    {C::MemoryChannelDisplay, "Form3", "Combo34", "Label39"},
    {C::AutoPowerOff, "Form3", "Combo35", "Label40"},
    {C::PowerOnText, "Form3", "Text31", "Label31"},
    {C::PowerOnDisplay, "Form3", "Combo32", "Label38"},
    {C::PowerOnPassword, "Form3", "Text1", "Label42"},
    {C::FrequencyShift, "Form3", "Combo10", "Label10"},
    {C::VoiceMode, "Form3", "Combo36", "Label41"},
    {C::ReverseFrequency, "Form3", "Combo11", "Label11"},
    {C::VoxSwitch, "Form3", "Combo31", "Label37"},
    {C::VoxGain, "Form3", "Combo14", "Label14"},
    {C::VoxDelay, "Form3", "Combo15", "Label15"},
    {C::VfoFrequency, "Form3", "Text20", "Label20"},
    {C::VfoOffset, "Form3", "Text21", "Label21"},
    {C::VfoRxTone, "Form3", "Combo22", "Label22"},
    {C::VfoTxTone, "Form3", "Combo23", "Label23"},
    {C::VfoPower, "Form3", "Combo24", "Label24"},
    {C::VfoOffsetDirection, "Form3", "Combo30", "Label30"},
    {C::VfoBandwidth, "Form3", "Combo27", "Label27"},
    {C::VfoBusyLock, "Form3", "Combo25", "Label25"},
    {C::VfoScanAdd, "Form3", "Combo26", "Label26"},
    {C::VfoTxStop, "Form3", "Combo28", "Label28"},
    {C::VfoScramble, "Form3", "Combo12", "Label16"},
    {C::VfoCompanding, "Form3", "Combo29", "Label29"},
    {C::CallTone, "Form3", "Combo4", "Label4"},
    {C::VoxOffWhileReceiving, "Form3", "Check13", ""},
    {C::AllowCancelOperating, "Form3", "Check12", ""},

    {C::CalibrationLowLabel, "Form4", "Label1", ""},
    {C::CalibrationHighLabel, "Form4", "Label2", ""},
    {C::CalibrationValue, "Form4", "Label3", ""},

    {C::FmChannels, "Form5", "MSFGrid", ""},
    {C::FmChannelBox, "Form5", "Text1", ""},
    {C::FmCurrentChannel, "Form5", "Combo1(0)", "Label1(0)"},
    {C::FmDisplayMode, "Form5", "Combo1(1)", "Label1(1)"},
    {C::FmStep, "Form5", "Combo1(2)", "Label1(2)"},
    {C::FmFrequency, "Form5", "Text2", "Label1(3)"},
    {C::FmMessage, "Form5", "Label2", ""},

    {C::ImportFileName, "FrmImport", "Label1", ""},
    {C::ImportToLocation, "FrmImport", "Option1", ""},
    {C::ImportRenumber, "FrmImport", "Option2", ""},
    {C::ImportClearFirst, "FrmImport", "Check1", ""},
    {C::ImportSummary, "FrmImport", "Text1", ""},

    {C::ProgressText, "FrmWriting", "Label1", ""},
};

const ControlNames &Entry(Control control)
{
    return kTable.at(static_cast<std::size_t>(control));
}

std::string Indexed(const char *name, int index)
{
    return std::string(name) + '(' + std::to_string(index) + ')';
}

} // namespace

const std::vector<ControlNames> &ControlTable()
{
    return kTable;
}

const char *ControlWindow(Control control)
{
    return Entry(control).window;
}

const char *ControlName(Control control)
{
    return Entry(control).name;
}

const char *LabelName(Control control)
{
    return Entry(control).label;
}

std::string ControlName(Control control, int index)
{
    return Indexed(ControlName(control), index);
}

std::string LabelName(Control control, int index)
{
    return Indexed(LabelName(control), index);
}

std::string QualifiedControlName(Control control)
{
    return std::string(ControlWindow(control)) + '.' + ControlName(control);
}

std::string QualifiedControlName(Control control, int index)
{
    return std::string(ControlWindow(control)) + '.' + ControlName(control, index);
}

} // namespace q731
