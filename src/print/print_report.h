#pragma once

#include "image/language.h"

#include <QPointer>
#include <QWidget>

class QPagedPaintDevice;

namespace q731 {

class ReportWriter;

// The windows the report is read from, at the moment it is built.
struct ReportWindows
{
    QPointer<QWidget> channels;    // Form1, with the grid Grid1
    QPointer<QWidget> options;     // Form3
    QPointer<QWidget> calibration; // Form4
};

// Builds the whole report on `device`: the maker and title, the function
// settings, the VFO channel, VOX, the three high-power calibration levels and
// the channel grid. Every label and value is taken from the live controls, so
// it is in the language the windows show. False when the device could not be
// painted on.
bool PrintContent(ReportWriter &writer, QPagedPaintDevice *device, const ReportWindows &windows,
                  Language language);

// What a control shows: the text of a box, label, frame or button, the chosen
// text of a list, the position of a slider. Empty for a missing control.
QString ShownText(const QWidget *control);

// Keeps a widget from repainting while it is read, and lets it repaint again
// however the reading ends.
class RepaintPause
{
public:
    explicit RepaintPause(QWidget *widget);
    ~RepaintPause();
    RepaintPause(const RepaintPause &) = delete;
    RepaintPause &operator=(const RepaintPause &) = delete;

private:
    QPointer<QWidget> m_widget;
    bool m_wasEnabled = true;
};

} // namespace q731
