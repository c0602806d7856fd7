#pragma once

class QWidget;

namespace q731 {

// Window layout sizes are kept in twips (1/1440 inch) and converted with the
// screen's logical DPI: 15 twips per pixel at 96 DPI.
int TwipsToPixelsX(int twips, const QWidget *widget);
int TwipsToPixelsY(int twips, const QWidget *widget);

} // namespace q731
