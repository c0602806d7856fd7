#include "product_logo.h"

#include <QPainter>

namespace q731 {

// A handheld radio with its antenna and two waves.
QPixmap ProductLogo()
{
    QPixmap pixmap(87, 73);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(30, 60, 140), 3));
    painter.drawLine(30, 8, 30, 26);
    painter.setBrush(QColor(40, 80, 170));
    painter.drawRoundedRect(22, 24, 24, 44, 4, 4);
    painter.setBrush(QColor(200, 220, 255));
    painter.drawRect(26, 30, 16, 10);
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(44, 10, 20, 24, -60 * 16, 120 * 16);
    painter.drawArc(48, 4, 32, 36, -60 * 16, 120 * 16);
    return pixmap;
}

} // namespace q731
