#include "radio_compare.h"

#include "editors/options_fields.h"
#include "image/byte_fields.h"
#include "image/channel_fields.h"
#include "image/radio_image.h"
#include "image/settings_codec.h"
#include "session/qt_translations.h"
#include "session/shown_text.h"
#include "ui/captions.h"
#include "ui/object_names.h"

#include <algorithm>
#include <iterator>
#include <tuple>

namespace q731 {

namespace {

QString FromStd(const std::string &text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The name verify gives the byte (and bits) that hold a field.
QString ByteName(int address, std::uint8_t bits, Language language)
{
    const std::vector<MarkedText> names = ImageByteFields(address, bits);
    return names.empty() ? QString() : TextIn(language, names.front());
}

// Where a channel field is kept in the image, as verify names it.
QString ChannelFieldName(int n, const ChannelField &field, Language language)
{
    using Kind = ChannelField::Kind;
    const int record = ImageMap::recordBase(n);
    switch (field.kind) {
    case Kind::Frequency:
        return ByteName(record + 4 * field.row, 0xFF, language);
    case Kind::Tone:
        return ByteName(record + 8 + 2 * field.row, 0xFF, language);
    case Kind::Option: {
        // The option byte: power in bits 0-1, then one bit each.
        const int bits = field.row == ChannelTable::Power ? 0x03 : 1 << (field.row - 1);
        return ByteName(record + 12, static_cast<std::uint8_t>(bits), language);
    }
    case Kind::Name:
        return ByteName(ImageMap::nameBase(n), 0xFF, language);
    case Kind::Number:
        break;
    }
    return {};
}

// A label's text as a field's name: without the colon it ends in.
QString Unlabelled(QString label)
{
    label = label.trimmed();
    while (label.endsWith(QLatin1Char(':')) || label.endsWith(QChar(0xFF1A)))
        label.chop(1);
    return label.trimmed();
}

// A list value as the window's list shows it; its number when the list has
// no such item.
QString Item(const QStringList &items, int index)
{
    return index >= 0 && index < items.size() ? items.at(index) : QString::number(index);
}

class Comparison
{
public:
    Comparison(Language language)
        : m_language(language)
    {
    }

    void add(const QString &name, const QString &theirs, const QString &ours)
    {
        if (theirs != ours)
            m_out.push_back({name, ShortEscaped(theirs), ShortEscaped(ours)});
    }

    // A field of window `window` named by its label.
    QString label(const char *window, Control control, int index = -1) const
    {
        const QString name = index < 0 ? LabelObjectName(control) : LabelObjectName(control, index);
        return Unlabelled(CaptionTexts(QString::fromLatin1(window), name, m_language).value(0));
    }
    QStringList items(const char *window, Control control) const
    {
        return CaptionTexts(QString::fromLatin1(window), ObjectName(control), m_language);
    }

    std::vector<RadioDifference> take() { return std::move(m_out); }

private:
    Language m_language;
    std::vector<RadioDifference> m_out;
};

// The band, or its number when the list has no such item.
QString BandText(int index)
{
    const QString band = BandName(index);
    return band.isEmpty() ? QString::number(index) : band;
}

} // namespace

std::vector<RadioDifference> CompareRadios(const RadioData &theirs, const RadioData &ours,
                                           Language language)
{
    Comparison compare(language);
    compare.add(ByteName(ImageMap::kBandIndex, 0xFF, language), BandText(theirs.bandIndex),
                BandText(ours.bandIndex));

    const GridLists &lists = GridListsIn(language);
    for (int n = 1; n <= kChannelCount; ++n) {
        for (const ChannelField &field : ChannelFields()) {
            if (field.kind == ChannelField::Kind::Number)
                continue;
            compare.add(ChannelFieldName(n, field, language),
                        FromStd(ChannelFieldText(field, theirs.channels, n, lists)),
                        FromStd(ChannelFieldText(field, ours.channels, n, lists)));
        }
    }

    for (const OptionsField &field : OptionsFields()) {
        const QString name = Unlabelled(OptionsLabelText(field.control, language));
        if (field.text) {
            compare.add(name, FromStd(theirs.options.*field.text),
                        FromStd(ours.options.*field.text));
        } else {
            const QStringList items = OptionsListItems(field.control, language);
            compare.add(name, Item(items, theirs.options.*field.list),
                        Item(items, ours.options.*field.list));
        }
    }

    const DtmfSettings &a = theirs.dtmf;
    const DtmfSettings &b = ours.dtmf;
    for (std::size_t i = 0; i < a.autoDialMemories.size(); ++i) {
        compare.add(compare.label("Form2", Control::DtmfAutoDialMemory, static_cast<int>(i)),
                    FromStd(a.autoDialMemories[i]), FromStd(b.autoDialMemories[i]));
    }
    compare.add(compare.label("Form2", Control::DtmfAniStartCode), FromStd(a.aniStartCode),
                FromStd(b.aniStartCode));
    compare.add(compare.label("Form2", Control::DtmfAniEndCode), FromStd(a.aniEndCode),
                FromStd(b.aniEndCode));
    compare.add(compare.label("Form2", Control::DtmfOwnCode), FromStd(a.ownCode),
                FromStd(b.ownCode));
    for (const auto &[control, theirsValue, oursValue] :
         {std::tuple{Control::DtmfAniMode, a.aniMode, b.aniMode},
          std::tuple{Control::DtmfRate, a.rate, b.rate},
          std::tuple{Control::DtmfFirstDigitDelay, a.firstDigitDelay, b.firstDigitDelay},
          std::tuple{Control::DtmfGroupCallCode, a.groupCallCode, b.groupCallCode}}) {
        const QStringList items = compare.items("Form2", control);
        compare.add(compare.label("Form2", control), Item(items, theirsValue),
                    Item(items, oursValue));
    }

    for (int n = 1; n <= FmSettings::kChannels; ++n) {
        compare.add(ByteName(ImageMap::kFmChannels + 2 * (n - 1), 0xFF, language),
                    FromStd(theirs.fm.channel(n)), FromStd(ours.fm.channel(n)));
    }
    for (const auto &[control, theirsValue, oursValue] :
         {std::tuple{Control::FmCurrentChannel, theirs.fm.FmCurrentChannel,
                     ours.fm.FmCurrentChannel},
          std::tuple{Control::FmDisplayMode, theirs.fm.FmDisplayMode, ours.fm.FmDisplayMode},
          std::tuple{Control::FmStep, theirs.fm.FmStep, ours.fm.FmStep}}) {
        const QStringList items = compare.items("Form5", control);
        compare.add(compare.label("Form5", control), Item(items, theirsValue),
                    Item(items, oursValue));
    }
    compare.add(compare.label("Form5", Control::FmFrequency), FromStd(theirs.fm.FmFrequencyText),
                FromStd(ours.fm.FmFrequencyText));

    // The levels in the window's order; the image keeps them in another.
    const auto *order = std::begin(kCalibrationSliderOfByte);
    for (int level = 0; level < static_cast<int>(std::size(kCalibrationSliderOfByte)); ++level) {
        const auto byte = std::find(order, std::end(kCalibrationSliderOfByte), level) - order;
        const auto slot = static_cast<std::size_t>(level);
        compare.add(ByteName(ImageMap::kCalibration + static_cast<int>(byte), 0xFF, language),
                    QString::number(theirs.calibration.values[slot]),
                    QString::number(ours.calibration.values[slot]));
    }
    return compare.take();
}

} // namespace q731
