#include "records.h"

#include "band_list.h"
#include "text_helpers.h"

namespace q731 {

void ChannelTable::clearChannel(int n)
{
    if (n < 1 || n > kChannelCount)
        return;
    rx(n).clear();
    tx(n).clear();
    for (int row = 0; row < kRows; ++row)
        ColumnIndexes[row][n - 1] = 0;
    name(n).clear();
}

void ChannelTable::clearAll()
{
    for (int n = 1; n <= kChannelCount; ++n)
        clearChannel(n);
}

void OptionalFeatures::resetToNew(int bandLowMHz, int bandHighMHz)
{
    const std::string password = powerOnPassword;
    const bool cancelOperating = allowCancelOperating;
    const bool voxOff = voxOffWhileReceiving;
    *this = OptionalFeatures{};
    powerOnPassword = password;
    allowCancelOperating = cancelOperating;
    voxOffWhileReceiving = voxOff;
    vfoFrequency = FormatFixed((bandLowMHz + bandHighMHz) / 2.0, 5);
}

void DtmfSettings::resetToNew()
{
    const std::string aniEnd = aniEndCode;
    *this = DtmfSettings{};
    aniEndCode = aniEnd;
}

namespace {

std::string MiddleOfBand(int bandIndex)
{
    const BandLimits band = BandLimitsOf(bandIndex);
    return FormatFixed((band.lowMHz + band.highMHz) / 2.0, 5);
}

} // namespace

void StartNew(RadioData &data, int bandIndex)
{
    data.bandIndex = bandIndex;
    data.channels.clearAll();
    data.dtmf.resetToNew();
    const BandLimits band = BandLimitsOf(bandIndex);
    data.options.resetToNew(band.lowMHz, band.highMHz);
}

void ChangeBandClearing(RadioData &data, int bandIndex)
{
    data.bandIndex = bandIndex;
    data.channels.clearAll();
    data.options.vfoFrequency = MiddleOfBand(bandIndex);
}

bool DiffersBeyondWrite(const RadioData &edited, const RadioData &kept, bool calibrationSent)
{
    const OptionalFeatures &a = edited.options;
    const OptionalFeatures &b = kept.options;
    return edited.dtmf != kept.dtmf || a.callTone != b.callTone ||
           a.reverseFrequency != b.reverseFrequency ||
           a.allowCancelOperating != b.allowCancelOperating ||
           (!calibrationSent && edited.calibration != kept.calibration);
}

} // namespace q731
