#include "records.h"

#include "band_list.h"
#include "text_helpers.h"

namespace q731 {

void ChannelTable::ClearNO(int n)
{
    if (n < 1 || n > kChannelCount)
        return;
    rx(n).clear();
    tx(n).clear();
    for (int row = 0; row < kRows; ++row) {
        ColumnIndexes[row][n - 1] = 0;
        ColumnTexts[row][n - 1].clear();
    }
    name(n).clear();
}

void ChannelTable::ClearAll()
{
    for (int n = 1; n <= kChannelCount; ++n)
        ClearNO(n);
}

void OptionalFeatures::StartForm(int bandLowMHz, int bandHighMHz)
{
    const std::string password = Text1;
    const bool check12 = Check12;
    const bool check13 = Check13;
    *this = OptionalFeatures{};
    Text1 = password;
    Check12 = check12;
    Check13 = check13;
    Text20 = FormatFixed((bandLowMHz + bandHighMHz) / 2.0, 5);
}

void DtmfSettings::StartForm()
{
    const std::string aniEnd = Text4;
    *this = DtmfSettings{};
    Text4 = aniEnd;
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
    data.channels.ClearAll();
    data.dtmf.StartForm();
    const BandLimits band = BandLimitsOf(bandIndex);
    data.options.StartForm(band.lowMHz, band.highMHz);
}

void ChangeBandClearing(RadioData &data, int bandIndex)
{
    data.bandIndex = bandIndex;
    data.channels.ClearAll();
    data.options.Text20 = MiddleOfBand(bandIndex);
}

bool DiffersBeyondWrite(const RadioData &edited, const RadioData &kept, bool calibrationSent)
{
    const OptionalFeatures &a = edited.options;
    const OptionalFeatures &b = kept.options;
    return edited.dtmf != kept.dtmf || a.Combo4 != b.Combo4 || a.Combo11 != b.Combo11 ||
           a.Check12 != b.Check12 || (!calibrationSent && edited.calibration != kept.calibration);
}

} // namespace q731
