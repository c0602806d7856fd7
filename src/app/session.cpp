#include "session.h"

#include "app/product.h"
#include "app/qt_translations.h"
#include "image/codec.h"

#include <QTime>
#include <QWidget>

namespace q731 {

Session::Session(QObject *parent)
    : QObject(parent)
{
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

void Session::decodeImage()
{
    const int bandBefore = m_data.bandIndex;
    DecodeImage(m_image, m_data, m_language);
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
    emit aboutToEncode();
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
