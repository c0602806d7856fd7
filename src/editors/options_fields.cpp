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
        {"Label2", "Text2", P::Functions, true, nullptr, &F::Text2},
        {"Label6", "Text6", P::Functions, true, nullptr, &F::Text6},
        {"Label1", "Combo1", P::Functions, true, &F::Combo1},
        {"Label3", "Combo3", P::Functions, true, &F::Combo3},
        {"Label7", "Combo7", P::Functions, true, &F::Combo7},
        {"Label5", "Combo5", P::Functions, true, &F::Combo5},
        {"Label9", "Combo9", P::Functions, true, &F::Combo9},
        {"Label8", "Combo8", P::Functions, true, &F::Combo8},
        {"LabelMod", "ComboMod", P::Functions, true, &F::ComboMod},
        {"Label19", "Combo19", P::Functions, true, &F::Combo19},
        {"Label32", "Combo17", P::Functions, true, &F::Combo17},
        {"Label33", "Combo18", P::Functions, true, &F::Combo18},
        {"Label12", "Combo2", P::Functions, true, &F::Combo2},
        {"Label18", "Combo16", P::Functions, true, &F::Combo16},
        {"Label17", "Combo13", P::Functions, true, &F::Combo13},
        {"Label34", "Combo33", P::Functions, true, &F::Combo33},
        {"Label13", "Combo6", P::Functions, true, &F::Combo6},
        {"Label36", "Combo21", P::Functions, true, &F::Combo21},
        {"Label35", "Combo20", P::Functions, true, &F::Combo20},
        {"Label39", "Combo34", P::Functions, true, &F::Combo34},
        {"Label40", "Combo35", P::Functions, true, &F::Combo35},
        {"Label31", "Text31", P::Functions, true, nullptr, &F::Text31},
        {"Label38", "Combo32", P::Functions, true, &F::Combo32},
        {"Label42", "Text1", P::Functions, true, nullptr, &F::Text1},
        {"Label10", "Combo10", P::Functions, false, &F::Combo10},
        {"Label41", "Combo36", P::Functions, false, &F::Combo36},
        {"Label11", "Combo11", P::Functions, false, &F::Combo11},

        {"Label37", "Combo31", P::Vox, true, &F::Combo31},
        {"Label14", "Combo14", P::Vox, true, &F::Combo14},
        {"Label15", "Combo15", P::Vox, true, &F::Combo15},

        {"Label20", "Text20", P::Vfo, true, nullptr, &F::Text20},
        {"Label21", "Text21", P::Vfo, true, nullptr, &F::Text21},
        {"Label22", "Combo22", P::Vfo, true, &F::Combo22},
        {"Label23", "Combo23", P::Vfo, true, &F::Combo23},
        {"Label24", "Combo24", P::Vfo, true, &F::Combo24},
        {"Label30", "Combo30", P::Vfo, true, &F::Combo30},
        {"Label27", "Combo27", P::Vfo, true, &F::Combo27},
        {"Label25", "Combo25", P::Vfo, true, &F::Combo25},
        {"Label26", "Combo26", P::Vfo, false, &F::Combo26},
        {"Label28", "Combo28", P::Vfo, true, &F::Combo28},
        {"Label16", "Combo12", P::Vfo, false, &F::Combo12},
        {"Label29", "Combo29", P::Vfo, false, &F::Combo29},
        {"Label4", "Combo4", P::Vfo, false, &F::Combo4},
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
