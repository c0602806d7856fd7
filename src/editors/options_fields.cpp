#include "options_fields.h"

#include "image/tones.h"
#include "ui/captions.h"

namespace q731 {

namespace {

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
        {"Label2", "Text2", P::Functions, true, nullptr, &F::priorityScanChannel},
        {"Label6", "Text6", P::Functions, true, nullptr, &F::presentChannel},
        {"Label1", "Combo1", P::Functions, true, &F::displayMode},
        {"Label3", "Combo3", P::Functions, true, &F::frequencyStep},
        {"Label7", "Combo7", P::Functions, true, &F::beep},
        {"Label5", "Combo5", P::Functions, true, &F::squelchLevel},
        {"Label9", "Combo9", P::Functions, true, &F::keyLock},
        {"Label8", "Combo8", P::Functions, true, &F::batterySave},
        {"LabelMod", "ComboMod", P::Functions, true, &F::scanMode},
        {"Label19", "Combo19", P::Functions, true, &F::timeoutTimer},
        {"Label32", "Combo17", P::Functions, true, &F::channelNameDisplay},
        {"Label33", "Combo18", P::Functions, true, &F::lockKeyMode},
        {"Label12", "Combo2", P::Functions, true, &F::powerOnPasswordSetting},
        {"Label18", "Combo16", P::Functions, true, &F::endOfCallTone},
        {"Label17", "Combo13", P::Functions, true, &F::radioSearchMode},
        {"Label34", "Combo33", P::Functions, true, &F::channelGroup},
        {"Label13", "Combo6", P::Functions, true, &F::radioMonitorSignal},
        {"Label36", "Combo21", P::Functions, true, &F::backlight},
        {"Label35", "Combo20", P::Functions, true, &F::tailElimination},
        {"Label39", "Combo34", P::Functions, true, &F::memoryChannelDisplay},
        {"Label40", "Combo35", P::Functions, true, &F::autoPowerOff},
        {"Label31", "Text31", P::Functions, true, nullptr, &F::powerOnText},
        {"Label38", "Combo32", P::Functions, true, &F::powerOnDisplay},
        {"Label42", "Text1", P::Functions, true, nullptr, &F::powerOnPassword},
        {"Label10", "Combo10", P::Functions, false, &F::frequencyShift},
        {"Label41", "Combo36", P::Functions, false, &F::voiceMode},
        {"Label11", "Combo11", P::Functions, false, &F::reverseFrequency},

        {"Label37", "Combo31", P::Vox, true, &F::voxSwitch},
        {"Label14", "Combo14", P::Vox, true, &F::voxGain},
        {"Label15", "Combo15", P::Vox, true, &F::voxDelay},

        {"Label20", "Text20", P::Vfo, true, nullptr, &F::vfoFrequency},
        {"Label21", "Text21", P::Vfo, true, nullptr, &F::vfoOffset},
        {"Label22", "Combo22", P::Vfo, true, &F::vfoRxTone},
        {"Label23", "Combo23", P::Vfo, true, &F::vfoTxTone},
        {"Label24", "Combo24", P::Vfo, true, &F::vfoPower},
        {"Label30", "Combo30", P::Vfo, true, &F::vfoOffsetDirection},
        {"Label27", "Combo27", P::Vfo, true, &F::vfoBandwidth},
        {"Label25", "Combo25", P::Vfo, true, &F::vfoBusyLock},
        {"Label26", "Combo26", P::Vfo, false, &F::vfoScanAdd},
        {"Label28", "Combo28", P::Vfo, true, &F::vfoTxStop},
        {"Label16", "Combo12", P::Vfo, false, &F::vfoScramble},
        {"Label29", "Combo29", P::Vfo, false, &F::vfoCompanding},
        {"Label4", "Combo4", P::Vfo, false, &F::callTone},
    };
    return fields;
}

QStringList OptionsListItems(const char *combo, Language language)
{
    const QString name = QString::fromLatin1(combo);
    if (name == QLatin1String("Combo22") || name == QLatin1String("Combo23")) {
        QStringList tones;
        for (int i = 0; i < kToneCount; ++i)
            tones << QString::fromStdString(ToneListEntry(i, language));
        return tones;
    }
    // Lists whose texts are the same in both languages.
    if (name == QLatin1String("Combo3"))
        return {"5K", "6.25K", "10K", "12.5K", "25K", "37.5K", "50K", "100K"};
    if (name == QLatin1String("Combo5"))
        return Numbers(0, 9);
    if (name == QLatin1String("Combo14"))
        return Numbers(1, 8);
    if (name == QLatin1String("Combo15"))
        return Numbers(1, 4, " S");
    if (name == QLatin1String("Combo18"))
        return {"K+S", "PTT", "KEY", "ALL"};
    if (name == QLatin1String("Combo21"))
        return {"OFF", "KEY", "CONT"};
    if (name == QLatin1String("Combo32"))
        return {"OFF", "DC", "MSG"};
    if (name == QLatin1String("Combo36"))
        return {"OFF", "COMP", "SCRAMB"};
    if (name == QLatin1String("Combo4"))
        return QStringList{"关闭"} + Numbers(1, 5, "", "TONE");
    QStringList items = CaptionTexts(kWindow, name, language);
    // The middle power has no English text: the list keeps its Chinese one.
    if (name == QLatin1String("Combo24"))
        items << QStringLiteral("中");
    return items;
}

QString OptionsLabelText(const char *label, Language language)
{
    const QString name = QString::fromLatin1(label);
    // The call tone field is never translated.
    if (name == QLatin1String("Label4"))
        return QStringLiteral("呼叫音:");
    const QStringList texts = CaptionTexts(kWindow, name, language);
    return texts.isEmpty() ? QString() : texts.front();
}

} // namespace q731
