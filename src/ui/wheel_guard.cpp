#include "wheel_guard.h"

#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <QWidget>

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

namespace {

class ValueWheelGuard : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Wheel)
            return false;
        auto *control = static_cast<QWidget *>(watched);
        if (control->hasFocus())
            return false;
        for (QWidget *up = control->parentWidget(); up; up = up->parentWidget()) {
            auto *area = qobject_cast<QAbstractScrollArea *>(up);
            if (!area)
                continue;
            const auto *wheel = static_cast<QWheelEvent *>(event);
            QWidget *viewport = area->viewport();
            const QPointF at = viewport->mapFromGlobal(wheel->globalPosition());
            QWheelEvent forwarded(at, wheel->globalPosition(), wheel->pixelDelta(),
                                  wheel->angleDelta(), wheel->buttons(), wheel->modifiers(),
                                  wheel->phase(), wheel->inverted(), wheel->source());
            QCoreApplication::sendEvent(viewport, &forwarded);
            break;
        }
        // Taken here: neither the control nor, a second time, its parents.
        event->accept();
        return true;
    }
};

} // namespace

void GuardValueWheels(QWidget *window)
{
    auto *guard = new ValueWheelGuard(window);
    const QList<QWidget *> controls = window->findChildren<QWidget *>();
    for (QWidget *control : controls) {
        // Scroll bars are there to scroll.
        if (qobject_cast<QScrollBar *>(control))
            continue;
        if (!qobject_cast<QComboBox *>(control) && !qobject_cast<QAbstractSpinBox *>(control) &&
            !qobject_cast<QAbstractSlider *>(control))
            continue;
        if (control->focusPolicy() == Qt::WheelFocus)
            control->setFocusPolicy(Qt::StrongFocus);
        control->installEventFilter(guard);
    }
}

} // namespace q731
