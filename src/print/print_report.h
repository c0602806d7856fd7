#pragma once

#include "image/language.h"
#include "image/records.h"
#include "print/report_writer.h"

#include <QByteArray>
#include <QDate>
#include <QPageSize>
#include <QString>

class QPagedPaintDevice;

namespace q731 {

// What a report for a customer may leave out or add; the default report has
// none of it.
struct ReportOptions
{
    bool usedChannelsOnly = false; // the channel table lists only channels in use
    bool header = false;           // every page starts with the file, band and date
    QString fileName;              // the header's file; empty: the data is in no file
    QDate date;                    // the header's date
};

// Builds the whole report on `device`: the maker and title, the function
// settings, the VFO channel, VOX, the three high-power calibration levels and
// the channel table. Every value is read from the records and every label and
// list text is the one the windows show in `language`, so the preview, a
// printer and `q731-cli report` print the same pages. False when the device
// could not be painted on.
bool PrintContent(ReportWriter &writer, QPagedPaintDevice *device, const RadioData &data,
                  Language language, const ReportOptions &options = {});

// The header line of every page: "文件：radio.dat    频段：136-174MHz    日期：2026-12-08".
QString ReportHeader(const RadioData &data, Language language, const ReportOptions &options);

// The five settings the preview hands the writer when it is made.
ReportSettings PreviewReportSettings();

// Letter where the system measures in US units, A4 elsewhere.
QPageSize DefaultReportPaper();

// The report as a PDF document on `paper`, named `title` in its properties.
// Empty when it could not be painted.
QByteArray ReportPdf(const RadioData &data, Language language, const QPageSize &paper,
                     const QString &title, const ReportOptions &options = {});

} // namespace q731
