#include "twips.h"

#include <QWidget>

#include <cmath>

namespace q731 {

namespace {

int Convert(int twips, int dpi)
{
    if (dpi <= 0)
        dpi = 96;
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

} // namespace

int TwipsToPixelsX(int twips, const QWidget *widget)
{
    return Convert(twips, widget ? widget->logicalDpiX() : 96);
}

int TwipsToPixelsY(int twips, const QWidget *widget)
{
    return Convert(twips, widget ? widget->logicalDpiY() : 96);
}

} // namespace q731
