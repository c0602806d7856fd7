#pragma once

#include "app/message_box.h"
#include "image/band_list.h"
#include "image/language.h"
#include "image/radio_image.h"
#include "image/records.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QUndoStack;
class QWidget;

namespace q731 {

struct ChannelState;

enum class HiddenMode { BandOverride, Calibration, ExtraOptions };

// The state that lives as long as the main window: the language, the radio
// image, every record the editors show, the band, the link flags and the
// hidden service modes. Windows show and edit the records and listen to the
// signals; nothing here knows a widget except the owner of message boxes.
class Session : public QObject
{
    Q_OBJECT
public:
    explicit Session(QObject *parent = nullptr);

    Language language() const { return m_language; }
    void setLanguage(Language language);

    RadioImage &image() { return m_image; }
    const RadioImage &image() const { return m_image; }
    RadioData &data() { return m_data; }
    const RadioData &data() const { return m_data; }

    // Band list index 0..7 and the limits parsed from its item text.
    int bandIndex() const { return m_data.bandIndex; }
    void setBandIndex(int index);
    int bandLowMHz() const { return BandLimitsOf(m_data.bandIndex).lowMHz; }
    int bandHighMHz() const { return BandLimitsOf(m_data.bandIndex).highMHz; }

    // The band before the change the band box is handling, and whether that
    // change is the user's (true only while the band box handles it).
    int PreviousBandIndex = 0;
    bool UserBandChoice = false;
    int PortIndex = 0;
    bool ReadActive = false;
    bool WriteActive = false;

    bool hiddenMode(HiddenMode mode) const;
    void setHiddenMode(HiddenMode mode, bool on);

    // Image -> records (every window refreshes through the signals).
    void decodeImage();
    // An image and the records decoded from it elsewhere (Open) take the place
    // of the session's, as decodeImage() would have left them.
    void takeDecoded(const RadioImage &image, RadioData data);
    // Editors commit what is being typed (aboutToEncode).
    void commitEdits() { emit aboutToEncode(); }
    // commitEdits(), then records -> image.
    void encodeImage();

    // The undo history of the channel table. Read, Open and New start it
    // afresh (decodeImage and startFreshHistory).
    QUndoStack &history() { return *m_history; }
    void startFreshHistory();
    // An edit of the channel table has been made (the table differs from
    // `before`): it becomes one step of the history, unless no channel would
    // reach the radio any differently.
    void recordChannelEdit(const QString &label, const ChannelTable &before);
    // Replaces the whole channel table as one step (an import of many channels).
    void replaceChannels(const QString &label, const ChannelTable &channels);
    // The user's band change was confirmed: empties the channel table and puts
    // the VFO frequency in the middle of the band now selected, as one step
    // that undoes to `previousBand` with its channels and VFO frequency.
    void clearChannelsForBand(int previousBand);
    // Undo and redo: the channels, and with a band change the band and the VFO
    // frequency, as the step kept them.
    void restoreChannelState(const ChannelState &state);

    // Announce that a record was replaced outside its window.
    void notifyChannelsChanged() { emit channelsChanged(); }
    void notifyOptionsChanged() { emit optionsChanged(); }
    void notifyDtmfChanged() { emit dtmfChanged(); }
    void notifyFmChanged() { emit fmChanged(); }
    void notifyCalibrationChanged() { emit calibrationChanged(); }

    // Message boxes, in the session's language, owned by `owner` (the channel
    // window once it exists).
    int messageBox(const QString &text, int style, const QString &caption = {});
    void setMessageBoxOwner(QWidget *owner);
    // Tests answer boxes through this instead of a person.
    void setMessageBoxAnswerer(MessageBoxAnswerer answerer) { m_answerer = std::move(answerer); }

    // Time of day in seconds (with fraction); replaceable for tests.
    double secondsOfDay() const;
    void setClock(std::function<double()> clock) { m_clock = std::move(clock); }

    // Picks the text of the session's language.
    QString tr2(const char *chinese, const char *english) const;

signals:
    void languageChanged();
    void bandChanged();
    void channelsChanged();
    // These channels were put back by the history.
    void channelRowsRestored(const QList<int> &rows);
    void optionsChanged();
    void dtmfChanged();
    void fmChanged();
    void calibrationChanged();
    void hiddenModeChanged(q731::HiddenMode mode, bool on);
    // Emitted before every encoding: an editor commits a field still being
    // edited, as if it lost the focus.
    void aboutToEncode();

private:
    void announceDecoded(int bandBefore);

    Language m_language = Language::Chinese;
    RadioImage m_image{};
    RadioData m_data;
    QUndoStack *m_history = nullptr;
    bool m_bandOverrideMode = false;
    bool m_calibrationMode = false;
    bool m_extraOptionsMode = false;
    QPointer<QWidget> m_messageBoxOwner;
    MessageBoxAnswerer m_answerer;
    std::function<double()> m_clock;
};

} // namespace q731
