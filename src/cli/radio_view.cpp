#include "radio_view.h"

#include "session/qt_translations.h"
#include "session/shown_text.h"

#include "cli/console.h"
#include "image/channel_fields.h"
#include "image/control_names.h"
#include "image/texts.h"
#include "image/tones.h"

#include <QJsonArray>

namespace q731::cli {

namespace {

using C = Control;

// The control that edits a setting, as the windows and the caption table name it.
QString Field(Control control)
{
    return QString::fromStdString(QualifiedControlName(control));
}

QString Field(Control control, int index)
{
    return QString::fromStdString(QualifiedControlName(control, index));
}

QVariant ToneSetting(int index)
{
    return index == 0 ? QVariant() : QVariant(FromUtf8(ToneListEntry(index)));
}

std::vector<SettingValue> OptionSettings(const OptionalFeatures &o)
{
    const auto text = [](const std::string &s) { return QVariant(FromUtf8(s)); };
    return {
        {"display_mode", Field(C::DisplayMode), o.displayMode},
        {"priority_scan_channel", Field(C::PriorityScanChannel), text(o.priorityScanChannel)},
        {"step", Field(C::FrequencyStep), o.frequencyStep},
        {"self_named_channel_name", Field(C::ChannelNameDisplay), o.channelNameDisplay},
        {"squelch", Field(C::SquelchLevel), o.squelchLevel},
        {"present_channel", Field(C::PresentChannel), text(o.presentChannel)},
        {"beep", Field(C::Beep), o.beep},
        {"channel_group", Field(C::ChannelGroup), o.channelGroup},
        {"battery_save", Field(C::BatterySave), o.batterySave},
        {"key_lock", Field(C::KeyLock), o.keyLock},
        {"radio_monitor_signal", Field(C::RadioMonitorSignal), o.radioMonitorSignal},
        {"frequency_shift", Field(C::FrequencyShift), o.frequencyShift},
        {"scan_mode", Field(C::ScanMode), o.scanMode},
        {"radio_search_mode", Field(C::RadioSearchMode), o.radioSearchMode},
        {"lock_key_mode", Field(C::LockKeyMode), o.lockKeyMode},
        {"end_of_call_tone", Field(C::EndOfCallTone), o.endOfCallTone},
        {"power_on_password_setting", Field(C::PowerOnPasswordSetting), o.powerOnPasswordSetting},
        {"tail_elimination", Field(C::TailElimination), o.tailElimination},
        {"backlight", Field(C::Backlight), o.backlight},
        {"vox", Field(C::VoxSwitch), o.voxSwitch},
        {"vox_delay", Field(C::VoxDelay), o.voxDelay},
        {"vox_gain", Field(C::VoxGain), o.voxGain},
        {"prohibit_vox_receiving", Field(C::VoxOffWhileReceiving), o.voxOffWhileReceiving ? 1 : 0},
        {"power_on_display", Field(C::PowerOnDisplay), o.powerOnDisplay},
        {"memory_channel_display", Field(C::MemoryChannelDisplay), o.memoryChannelDisplay},
        {"auto_power_off", Field(C::AutoPowerOff), o.autoPowerOff},
        {"voice_mode", Field(C::VoiceMode), o.voiceMode},
        {"time_out_timer", Field(C::TimeoutTimer), o.timeoutTimer},
        {"power_on_text", Field(C::PowerOnText), text(o.powerOnText)},
        {"power_on_password", Field(C::PowerOnPassword), text(o.powerOnPassword)},
        {"vfo_frequency", Field(C::VfoFrequency), text(o.vfoFrequency)},
        {"vfo_offset", Field(C::VfoOffset), text(o.vfoOffset)},
        {"vfo_offset_direction", Field(C::VfoOffsetDirection), o.vfoOffsetDirection},
        {"vfo_rx_tone", Field(C::VfoRxTone), ToneSetting(o.vfoRxTone)},
        {"vfo_tx_tone", Field(C::VfoTxTone), ToneSetting(o.vfoTxTone)},
        {"vfo_power", Field(C::VfoPower), o.vfoPower},
        {"vfo_busy_lock", Field(C::VfoBusyLock), o.vfoBusyLock},
        {"vfo_scan_add", Field(C::VfoScanAdd), o.vfoScanAdd},
        {"vfo_bandwidth", Field(C::VfoBandwidth), o.vfoBandwidth},
        {"vfo_tx_stop", Field(C::VfoTxStop), o.vfoTxStop},
        {"vfo_scramble", Field(C::VfoScramble), o.vfoScramble},
        {"vfo_companding", Field(C::VfoCompanding), o.vfoCompanding},
    };
}

QJsonValue JsonOf(const ChannelFieldValue &value)
{
    switch (value.type) {
    case ChannelFieldValue::Null:
        break;
    case ChannelFieldValue::Bool:
        return value.on;
    case ChannelFieldValue::Integer:
        return value.integer;
    case ChannelFieldValue::Text:
        return FromUtf8(value.text);
    }
    return {};
}

QString Latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Names and texts come from the file: shown escaped and cut, so that none can
// drive the terminal or pass for a line of its own.
QString Cell(const QString &text)
{
    return text.isEmpty() ? QStringLiteral("-") : ShortEscaped(text);
}

QString AlignedTable(const QStringList &header, const QList<QStringList> &rows)
{
    std::vector<int> widths(static_cast<std::size_t>(header.size()), 0);
    auto measure = [&widths](const QStringList &row) {
        for (qsizetype i = 0; i < row.size(); ++i)
            widths[static_cast<std::size_t>(i)] =
                std::max(widths[static_cast<std::size_t>(i)], DisplayWidth(row[i]));
    };
    measure(header);
    for (const QStringList &row : rows)
        measure(row);
    QString out;
    auto emitRow = [&](const QStringList &row) {
        QString line;
        for (qsizetype i = 0; i < row.size(); ++i) {
            line += i + 1 < row.size() ? PadRight(row[i], widths[static_cast<std::size_t>(i)] + 2)
                                       : row[i];
        }
        out += line + QLatin1Char('\n');
    };
    emitRow(header);
    for (const QStringList &row : rows)
        emitRow(row);
    return out;
}

QString BandText(int index)
{
    const QString band = BandName(index);
    return band.isEmpty() ? QString::number(index) : band;
}

} // namespace

std::vector<SettingValue> Settings(const RadioData &data)
{
    std::vector<SettingValue> out;
    out.push_back({"band", Field(C::Band), BandText(data.bandIndex)});
    for (SettingValue &s : OptionSettings(data.options))
        out.push_back(std::move(s));
    const DtmfSettings &d = data.dtmf;
    for (std::size_t i = 0; i < d.autoDialMemories.size(); ++i) {
        out.push_back({QStringLiteral("dtmf_auto_dial_%1").arg(i + 1),
                       Field(C::DtmfAutoDialMemory, static_cast<int>(i)),
                       FromUtf8(d.autoDialMemories[i])});
    }
    out.push_back({"dtmf_ani_start_code", Field(C::DtmfAniStartCode), FromUtf8(d.aniStartCode)});
    out.push_back({"dtmf_ani_end_code", Field(C::DtmfAniEndCode), FromUtf8(d.aniEndCode)});
    out.push_back({"dtmf_own_code", Field(C::DtmfOwnCode), FromUtf8(d.ownCode)});
    out.push_back({"dtmf_ani_mode", Field(C::DtmfAniMode), d.aniMode});
    out.push_back({"dtmf_rate", Field(C::DtmfRate), d.rate});
    out.push_back({"dtmf_first_digit_delay", Field(C::DtmfFirstDigitDelay), d.firstDigitDelay});
    out.push_back({"dtmf_group_call_code", Field(C::DtmfGroupCallCode), d.groupCallCode});
    for (int n = 1; n <= FmSettings::kChannels; ++n) {
        out.push_back({QStringLiteral("fm_channel_%1").arg(n, 2, 10, QLatin1Char('0')),
                       Field(C::FmChannels, n), FromUtf8(data.fm.channel(n))});
    }
    out.push_back({"fm_current_channel", Field(C::FmCurrentChannel), data.fm.FmCurrentChannel});
    out.push_back({"fm_display_mode", Field(C::FmDisplayMode), data.fm.FmDisplayMode});
    out.push_back({"fm_step", Field(C::FmStep), data.fm.FmStep});
    out.push_back({"fm_frequency", Field(C::FmFrequency), FromUtf8(data.fm.FmFrequencyText)});
    for (std::size_t i = 0; i < data.calibration.values.size(); ++i) {
        out.push_back({QStringLiteral("calibration_%1").arg(i),
                       QStringLiteral("Form4 slider %1").arg(i), data.calibration.values[i]});
    }
    return out;
}

QString SettingText(const SettingValue &setting, Language language)
{
    if (setting.value.isNull())
        return FromUtf8(GridListsIn(language).tones.front());
    return Cell(setting.value.toString());
}

QString ShowTable(const RadioData &data, Language language)
{
    const TextsIn translate(language);
    const GridLists &lists = GridListsIn(language);
    const ChannelTable &t = data.channels;
    QStringList header;
    for (const ChannelField &field : ChannelFields())
        header << TextIn(language, "ChannelFields", field.title);
    QList<QStringList> rows;
    for (int n = 1; n <= kChannelCount; ++n) {
        if (t.rx(n).empty() && t.name(n).empty())
            continue;
        QStringList row;
        for (const ChannelField &field : ChannelFields())
            row << Cell(FromUtf8(ChannelFieldText(field, t, n, lists)));
        rows << row;
    }
    QString out = AlignedTable(header, rows);
    out += QLatin1Char('\n');

    QList<QStringList> settings;
    for (const SettingValue &s : Settings(data))
        settings << QStringList{s.name, SettingText(s, language), s.field};
    out += AlignedTable(
        {translate("Cli", "设置"), translate("Cli", "值"), translate("Cli", "控件")}, settings);
    return out;
}

QJsonObject ShowJson(const RadioData &data)
{
    QJsonArray channels;
    QJsonArray spareNames;
    const ChannelTable &t = data.channels;
    for (int n = 1; n <= kChannelCount; ++n) {
        const QString name = FromUtf8(t.name(n));
        if (t.rx(n).empty()) {
            if (!name.isEmpty())
                spareNames.append(QJsonObject{{"number", n}, {"name", name}});
            continue;
        }
        QJsonObject channel;
        for (const ChannelField &field : ChannelFields())
            channel.insert(Latin1(field.json), JsonOf(ChannelFieldJson(field, t, n)));
        channels.append(channel);
    }
    QJsonObject settings;
    for (const SettingValue &s : Settings(data))
        settings.insert(s.name, QJsonValue::fromVariant(s.value));
    return QJsonObject{
        {"bandIndex", data.bandIndex},
        {"channels", channels},
        {"spareNames", spareNames},
        {"settings", settings},
    };
}

QStringList DiffLines(const RadioData &a, const RadioData &b, Language language)
{
    const GridLists &lists = GridListsIn(language);
    QStringList lines;
    const auto line = [&lines](const QString &key, const QString &from, const QString &to) {
        lines << QStringLiteral("%1: %2 -> %3").arg(key, Cell(from), Cell(to));
    };
    for (int n = 1; n <= kChannelCount; ++n) {
        for (const ChannelField &field : ChannelFields()) {
            if (field.kind == ChannelField::Kind::Number)
                continue;
            const QString from = FromUtf8(ChannelFieldText(field, a.channels, n, lists));
            const QString to = FromUtf8(ChannelFieldText(field, b.channels, n, lists));
            if (from != to)
                line(QStringLiteral("channel %1 %2").arg(n).arg(Latin1(field.key)), from, to);
        }
    }
    const std::vector<SettingValue> sa = Settings(a);
    const std::vector<SettingValue> sb = Settings(b);
    for (std::size_t i = 0; i < sa.size() && i < sb.size(); ++i) {
        if (sa[i].value != sb[i].value) {
            line(QStringLiteral("setting %1").arg(sa[i].name), SettingText(sa[i], language),
                 SettingText(sb[i], language));
        }
    }
    return lines;
}

} // namespace q731::cli
