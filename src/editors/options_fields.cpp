#include "options_fields.h"

#include "image/tones.h"
#include "session/qt_translations.h"
#include "ui/captions.h"
#include "ui/object_names.h"

namespace q731 {

namespace {

using C = Control;
using F = OptionalFeatures;
using P = OptionsPage;

const QString kWindow = QStringLiteral("Form3");

QStringList Numbers(int from, int to, const char *suffix = "", const char *prefix = "")
{
    QStringList items;
    for (int n = from; n <= to; ++n)
        items << QString::fromUtf8(prefix) + QString::number(n) + QString::fromUtf8(suffix);
    return items;
}

} // namespace

const std::vector<OptionsField> &OptionsFields()
{
    static const std::vector<OptionsField> fields = {
        {C::PriorityScanChannel, P::Functions, true, nullptr, &F::priorityScanChannel},
        {C::PresentChannel, P::Functions, true, nullptr, &F::presentChannel},
        {C::DisplayMode, P::Functions, true, &F::displayMode},
        {C::FrequencyStep, P::Functions, true, &F::frequencyStep},
        {C::Beep, P::Functions, true, &F::beep},
        {C::SquelchLevel, P::Functions, true, &F::squelchLevel},
        {C::KeyLock, P::Functions, true, &F::keyLock},
        {C::BatterySave, P::Functions, true, &F::batterySave},
        {C::ScanMode, P::Functions, true, &F::scanMode},
        {C::TimeoutTimer, P::Functions, true, &F::timeoutTimer},
        {C::ChannelNameDisplay, P::Functions, true, &F::channelNameDisplay},
        {C::LockKeyMode, P::Functions, true, &F::lockKeyMode},
        {C::PowerOnPasswordSetting, P::Functions, true, &F::powerOnPasswordSetting},
        {C::EndOfCallTone, P::Functions, true, &F::endOfCallTone},
        {C::RadioSearchMode, P::Functions, true, &F::radioSearchMode},
        {C::ChannelGroup, P::Functions, true, &F::channelGroup},
        {C::RadioMonitorSignal, P::Functions, true, &F::radioMonitorSignal},
        {C::Backlight, P::Functions, true, &F::backlight},
        {C::TailElimination, P::Functions, true, &F::tailElimination},
        {C::MemoryChannelDisplay, P::Functions, true, &F::memoryChannelDisplay},
        {C::AutoPowerOff, P::Functions, true, &F::autoPowerOff},
        {C::PowerOnText, P::Functions, true, nullptr, &F::powerOnText},
        {C::PowerOnDisplay, P::Functions, true, &F::powerOnDisplay},
        {C::PowerOnPassword, P::Functions, true, nullptr, &F::powerOnPassword},
        {C::FrequencyShift, P::Functions, false, &F::frequencyShift},
        {C::VoiceMode, P::Functions, false, &F::voiceMode},
        {C::ReverseFrequency, P::Functions, false, &F::reverseFrequency},

        {C::VoxSwitch, P::Vox, true, &F::voxSwitch},
        {C::VoxGain, P::Vox, true, &F::voxGain},
        {C::VoxDelay, P::Vox, true, &F::voxDelay},

        {C::VfoFrequency, P::Vfo, true, nullptr, &F::vfoFrequency},
        {C::VfoOffset, P::Vfo, true, nullptr, &F::vfoOffset},
        {C::VfoRxTone, P::Vfo, true, &F::vfoRxTone},
        {C::VfoTxTone, P::Vfo, true, &F::vfoTxTone},
        {C::VfoPower, P::Vfo, true, &F::vfoPower},
        {C::VfoOffsetDirection, P::Vfo, true, &F::vfoOffsetDirection},
        {C::VfoBandwidth, P::Vfo, true, &F::vfoBandwidth},
        {C::VfoBusyLock, P::Vfo, true, &F::vfoBusyLock},
        {C::VfoScanAdd, P::Vfo, false, &F::vfoScanAdd},
        {C::VfoTxStop, P::Vfo, true, &F::vfoTxStop},
        {C::VfoScramble, P::Vfo, false, &F::vfoScramble},
        {C::VfoCompanding, P::Vfo, false, &F::vfoCompanding},
        {C::CallTone, P::Vfo, false, &F::callTone},
    };
    return fields;
}

QStringList OptionsListItems(Control list, Language language)
{
    if (list == C::VfoRxTone || list == C::VfoTxTone) {
        QStringList tones;
        for (const std::string &tone : GridListsIn(language).tones)
            tones << QString::fromStdString(tone);
        return tones;
    }
    // Lists whose texts are the same in both languages.
    switch (list) {
    case C::FrequencyStep:
        return {"5K", "6.25K", "10K", "12.5K", "25K", "37.5K", "50K", "100K"};
    case C::SquelchLevel:
        return Numbers(0, 9);
    case C::VoxGain:
        return Numbers(1, 8);
    case C::VoxDelay:
        return Numbers(1, 4, " S");
    case C::LockKeyMode:
        return {"K+S", "PTT", "KEY", "ALL"};
    case C::Backlight:
        return {"OFF", "KEY", "CONT"};
    case C::PowerOnDisplay:
        return {"OFF", "DC", "MSG"};
    case C::VoiceMode:
        return {"OFF", "COMP", "SCRAMB"};
    case C::CallTone: {
        // Its "off" reads in Chinese in English too.
        const TextsIn translate(language);
        return QStringList{translate("OptionsWindow", "关闭", "call tone off")} +
               Numbers(1, 5, "", "TONE");
    }
    default:
        break;
    }
    QStringList items = CaptionTexts(kWindow, ObjectName(list), language);
    // The middle power is not in the window's list, and its English is the
    // Chinese text.
    if (list == C::VfoPower) {
        const TextsIn translate(language);
        items << translate("OptionsWindow", "中", "the middle power");
    }
    return items;
}

QString OptionsLabelText(Control control, Language language)
{
    // The call tone field's English is its Chinese text.
    if (control == C::CallTone) {
        const TextsIn translate(language);
        return translate("OptionsWindow", "呼叫音:");
    }
    const QString name = *LabelName(control) ? LabelObjectName(control) : ObjectName(control);
    const QStringList texts = CaptionTexts(kWindow, name, language);
    return texts.isEmpty() ? QString() : texts.front();
}

} // namespace q731
