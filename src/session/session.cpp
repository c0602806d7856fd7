#include "session.h"

#include "image/codec.h"
#include "session/qt_translations.h"

#include <QTime>

namespace q731 {

Session::Session(QObject *parent)
    : QObject(parent)
{
    // The optional features window starts from the defaults of the band
    // selected at load (band 0).
    m_data.options.resetToNew(bandLowMHz(), bandHighMHz());
    m_kept = m_data;
    // A session starts in its language whatever an earlier one installed.
    ApplyProgramTranslations(m_language);
}

void Session::setLanguage(Language language)
{
    m_language = language;
    // The catalogue goes in before anyone hears of the change: the windows
    // take their texts anew on languageChanged.
    ApplyProgramTranslations(language);
    // Qt's own dialogs and menus speak the language of the program.
    ApplyQtTranslations(language);
    emit languageChanged();
}

void Session::setBandIndex(int index)
{
    if (index < 0 || index >= static_cast<int>(kBandItems.size()))
        return;
    m_data.bandIndex = index;
    emit bandChanged();
}

bool Session::hiddenMode(HiddenMode mode) const
{
    switch (mode) {
    case HiddenMode::BandOverride:
        return m_bandOverrideMode;
    case HiddenMode::Calibration:
        return m_calibrationMode;
    case HiddenMode::ExtraOptions:
        return m_extraOptionsMode;
    }
    return false;
}

void Session::setHiddenMode(HiddenMode mode, bool on)
{
    switch (mode) {
    case HiddenMode::BandOverride:
        m_bandOverrideMode = on;
        break;
    case HiddenMode::Calibration:
        m_calibrationMode = on;
        break;
    case HiddenMode::ExtraOptions:
        m_extraOptionsMode = on;
        break;
    }
    emit hiddenModeChanged(mode, on);
}

bool Session::confirm(SessionQuestion::Kind kind, const char *caption, const char *text)
{
    if (!m_prompts)
        return false;
    return m_prompts->confirm({kind, tr(caption), tr(text)});
}

bool Session::chooseBand(int index)
{
    if (index < 0 || index >= static_cast<int>(kBandItems.size()))
        return false;
    const int previous = m_data.bandIndex;
    if (index == previous)
        return true;
    if (!confirm(SessionQuestion::Kind::BandChange, QT_TR_NOOP("注意！"),
                 QT_TR_NOOP("改变频段将清除频道列表，确定吗？")))
        return false;
    const ChannelTable channelsBefore = m_data.channels;
    const std::string vfoBefore = m_data.options.vfoFrequency;
    ChangeBandClearing(m_data, index);
    ChannelDifference difference = CompareChannels(channelsBefore, m_data.channels);
    difference.before.bandIndex = previous;
    difference.before.vfoFrequency = vfoBefore;
    difference.after.bandIndex = index;
    difference.after.vfoFrequency = m_data.options.vfoFrequency;
    QList<int> rows;
    for (const auto &[n, row] : difference.after.rows)
        rows << n;
    emit bandChanged();
    emit optionsChanged();
    emit channelRowsRestored(rows);
    emit channelsEdited(QStringLiteral("band change"), difference.before, difference.after);
    return true;
}

bool Session::startNew()
{
    if (!confirm(SessionQuestion::Kind::NewData, QT_TR_NOOP("注意"),
                 QT_TR_NOOP("未保存的数据将会丢失，确定吗？")))
        return false;
    StartNew(m_data, kDefaultBandIndex);
    m_kept = m_data;
    emit bandChanged();
    emit channelsChanged();
    emit dtmfChanged();
    emit optionsChanged();
    emit recordsReplaced();
    return true;
}

void Session::setImage(const RadioImage &image)
{
    m_image = image;
    emit imageChanged();
}

void Session::alterChannels(const std::function<void(ChannelTable &)> &change)
{
    change(m_data.channels);
    emit channelsAltered();
}

void Session::editChannels(const QString &label, const std::function<void(ChannelTable &)> &change,
                           const ChannelTable *before)
{
    const ChannelTable start = before ? *before : m_data.channels;
    alterChannels(change);
    ChannelDifference difference = CompareChannels(start, m_data.channels);
    if (difference.reachesRadio)
        emit channelsEdited(label, difference.before, difference.after);
}

void Session::replaceChannels(const QString &label, const ChannelTable &channels)
{
    ChannelDifference difference = CompareChannels(m_data.channels, channels);
    if (difference.after.rows.empty())
        return;
    restoreChannelState(difference.after);
    // A change that no radio would see is taken without a step of its own.
    if (difference.reachesRadio)
        emit channelsEdited(label, difference.before, difference.after);
}

void Session::restoreChannelState(const ChannelState &state)
{
    QList<int> rows;
    for (const auto &[n, row] : state.rows) {
        PutRow(m_data.channels, n, row);
        rows << n;
    }
    if (state.bandIndex >= 0) {
        m_data.options.vfoFrequency = state.vfoFrequency;
        setBandIndex(state.bandIndex);
        emit optionsChanged();
    }
    emit channelRowsRestored(rows);
}

SettingsState Session::settings() const
{
    return {m_data.options, m_data.dtmf, m_data.fm, m_data.calibration};
}

void Session::editSettings(const QString &field, const std::function<void(RadioData &)> &change,
                           bool separate)
{
    const SettingsState before = settings();
    change(m_data);
    const SettingsState after = settings();
    if (after != before)
        emit settingsEdited(field, before, after, separate);
}

void Session::restoreSettings(const SettingsState &state)
{
    const SettingsState before = settings();
    m_data.options = state.options;
    m_data.dtmf = state.dtmf;
    m_data.fm = state.fm;
    m_data.calibration = state.calibration;
    if (state.options != before.options)
        emit optionsChanged();
    if (state.dtmf != before.dtmf)
        emit dtmfChanged();
    if (state.fm != before.fm)
        emit fmChanged();
    if (state.calibration != before.calibration)
        emit calibrationChanged();
}

void Session::setUnsavedChanges(bool unsaved)
{
    if (unsaved == m_unsavedChanges)
        return;
    m_unsavedChanges = unsaved;
    emit unsavedChangesChanged(unsaved);
}

void Session::markSaved()
{
    m_kept = m_data;
    emit recordsSaved();
}

void Session::markWritten(bool calibrationSent)
{
    if (!DiffersBeyondWrite(m_data, m_kept, calibrationSent))
        markSaved();
}

bool Session::confirmDiscardChanges()
{
    if (!m_unsavedChanges)
        return true;
    return confirm(SessionQuestion::Kind::UnsavedChanges, QT_TR_NOOP("注意"),
                   QT_TR_NOOP("未保存的数据将会丢失，确定吗？"));
}

void Session::decodeImage()
{
    emit recordsReplaced();
    const int bandBefore = m_data.bandIndex;
    DecodeImage(m_image, m_data);
    announceDecoded(bandBefore);
}

void Session::takeDecoded(const RadioImage &image, RadioData data)
{
    emit recordsReplaced();
    const int bandBefore = m_data.bandIndex;
    m_image = image;
    m_data = std::move(data);
    announceDecoded(bandBefore);
}

void Session::announceDecoded(int bandBefore)
{
    m_kept = m_data;
    if (m_data.bandIndex != bandBefore)
        emit bandChanged();
    emit channelsChanged();
    emit optionsChanged();
    emit dtmfChanged();
    emit fmChanged();
    emit calibrationChanged();
}

void Session::encodeImage()
{
    commitEdits();
    EncodeImage(m_data, m_image);
}

double Session::secondsOfDay() const
{
    if (m_clock)
        return m_clock();
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

} // namespace q731
