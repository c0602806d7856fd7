#pragma once

#include "app/message_box.h"
#include "image/band_list.h"
#include "image/language.h"
#include "image/radio_image.h"
#include "image/records.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QWidget;

namespace q731 {

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

    int PreviousBandIndex = 0;
    bool UserBandChoice = false;
    int PortIndex = 0;
    bool ReadActive = false;
    bool WriteActive = false;

    bool hiddenMode(HiddenMode mode) const;
    void setHiddenMode(HiddenMode mode, bool on);

    // Image -> records (every window refreshes through the signals).
    void decodeImage();
    // Editors commit what is being typed (aboutToEncode), then records -> image.
    void encodeImage();

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
    void optionsChanged();
    void dtmfChanged();
    void fmChanged();
    void calibrationChanged();
    void hiddenModeChanged(q731::HiddenMode mode, bool on);
    // Emitted before every encoding: an editor commits a field still being
    // edited, as if it lost the focus.
    void aboutToEncode();

private:
    Language m_language = Language::Chinese;
    RadioImage m_image{};
    RadioData m_data;
    bool m_bandOverrideMode = false;
    bool m_calibrationMode = false;
    bool m_extraOptionsMode = false;
    QPointer<QWidget> m_messageBoxOwner;
    MessageBoxAnswerer m_answerer;
    std::function<double()> m_clock;
};

} // namespace q731
