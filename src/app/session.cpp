#include "session.h"

#include "app/channel_history.h"
#include "app/product.h"
#include "app/qt_translations.h"
#include "image/codec.h"
#include "image/text_helpers.h"

#include <QTime>
#include <QUndoStack>
#include <QWidget>

namespace q731 {

namespace {

// Steps kept for undo; a step holds only the channels it changed.
constexpr int kHistorySteps = 500;

} // namespace

Session::Session(QObject *parent)
    : QObject(parent)
    , m_history(new QUndoStack(this))
{
    m_history->setUndoLimit(kHistorySteps);
    // The optional features window starts from the defaults of the band
    // selected at load (band 0).
    m_data.options.StartForm(bandLowMHz(), bandHighMHz());
}

void Session::setLanguage(Language language)
{
    m_language = language;
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

void Session::startFreshHistory()
{
    m_history->clear();
}

void Session::recordChannelEdit(const QString &label, const ChannelTable &before)
{
    ChannelDifference difference = CompareChannels(before, m_data.channels);
    if (!difference.reachesRadio)
        return;
    m_history->push(new ChannelStep(*this, label, std::move(difference.before),
                                    std::move(difference.after), true));
}

void Session::replaceChannels(const QString &label, const ChannelTable &channels)
{
    ChannelDifference difference = CompareChannels(m_data.channels, channels);
    if (difference.reachesRadio) {
        m_history->push(new ChannelStep(*this, label, std::move(difference.before),
                                        std::move(difference.after), false));
    } else if (!difference.after.rows.empty()) {
        // Nothing the radio would see: taken without a step of its own.
        restoreChannelState(difference.after);
    }
}

void Session::clearChannelsForBand(int previousBand)
{
    ChannelTable empty;
    empty.ClearAll();
    ChannelDifference difference = CompareChannels(m_data.channels, empty);
    difference.before.bandIndex = previousBand;
    difference.before.vfoFrequency = m_data.options.Text20;
    difference.after.bandIndex = m_data.bandIndex;
    difference.after.vfoFrequency = FormatFixed((bandLowMHz() + bandHighMHz()) / 2.0, 5);
    m_history->push(new ChannelStep(*this, QStringLiteral("band change"),
                                    std::move(difference.before), std::move(difference.after),
                                    false));
}

void Session::restoreChannelState(const ChannelState &state)
{
    QList<int> rows;
    for (const auto &[n, row] : state.rows) {
        PutRow(m_data.channels, n, row);
        rows << n;
    }
    if (state.bandIndex >= 0) {
        m_data.options.Text20 = state.vfoFrequency;
        setBandIndex(state.bandIndex);
        emit optionsChanged();
    }
    emit channelRowsRestored(rows);
}

void Session::decodeImage()
{
    startFreshHistory();
    const int bandBefore = m_data.bandIndex;
    DecodeImage(m_image, m_data, m_language);
    announceDecoded(bandBefore);
}

void Session::takeDecoded(const RadioImage &image, RadioData data)
{
    startFreshHistory();
    const int bandBefore = m_data.bandIndex;
    m_image = image;
    m_data = std::move(data);
    announceDecoded(bandBefore);
}

void Session::announceDecoded(int bandBefore)
{
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

int Session::messageBox(const QString &text, int style, const QString &caption)
{
    return LocalizedMessageBox(m_messageBoxOwner, m_language, text, style, caption,
                               ProductTitle(m_language), m_answerer);
}

void Session::setMessageBoxOwner(QWidget *owner)
{
    m_messageBoxOwner = owner;
}

double Session::secondsOfDay() const
{
    if (m_clock)
        return m_clock();
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

QString Session::tr2(const char *chinese, const char *english) const
{
    return QString::fromUtf8(m_language == Language::English ? english : chinese);
}

} // namespace q731
