#pragma once

#include "image/language.h"
#include "image/records.h"
#include "print/report_writer.h"

#include <QByteArray>
#include <QPageSize>
#include <QString>

class QPagedPaintDevice;

namespace q731 {

// Builds the whole report on `device`: the maker and title, the function
// settings, the VFO channel, VOX, the three high-power calibration levels and
// the channel table. Every value is read from the records and every label and
// list text is the one the windows show in `language`, so the preview, a
// printer and `q731-cli report` print the same pages. False when the device
// could not be painted on.
bool PrintContent(ReportWriter &writer, QPagedPaintDevice *device, const RadioData &data,
                  Language language);

// The five settings the preview hands the writer when it is made.
ReportSettings PreviewReportSettings();

// Letter where the system measures in US units, A4 elsewhere.
QPageSize DefaultReportPaper();

// The report as a PDF document on `paper`, named `title` in its properties.
// Empty when it could not be painted.
QByteArray ReportPdf(const RadioData &data, Language language, const QPageSize &paper,
                     const QString &title);

} // namespace q731
