#include "wheel_guard.h"

#include <QEvent>

namespace q731 {

WheelGuard::WheelGuard(QObject *parent)
    : QObject(parent)
{
}

void WheelGuard::attach(QObject *target)
{
    if (target)
        target->installEventFilter(this);
}

void WheelGuard::detach(QObject *target)
{
    if (target)
        target->removeEventFilter(this);
}

bool WheelGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel)
        return true;
    return QObject::eventFilter(watched, event);
}

} // namespace q731
