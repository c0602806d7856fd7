#include "product.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPixmap>

namespace q731 {

QString ProductTitle(Language language)
{
    return language == Language::English ? QStringLiteral("Q-731 Radio Programming Software")
                                         : QStringLiteral("Q-731 对讲机编程软件");
}

QString MainWindowCaption(Language language)
{
    return language == Language::English ? QStringLiteral("Q-731 Radio Programming Software V1.10")
                                         : QStringLiteral("Q-731 对讲机编程软件V1.10");
}

QString MakerName(Language language)
{
    return language == Language::English ? QStringLiteral("Q-731 Software Team")
                                         : QStringLiteral("Q-731 编程软件开发组");
}

QString ProgramFolder()
{
    return QCoreApplication::applicationDirPath();
}

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
