#pragma once

#include <QObject>

class QWidget;

namespace q731 {

// Swallows mouse-wheel events of the widget it is installed on, so that turning
// the wheel over a list box never changes its selection; every other event
// passes on unchanged.
class WheelGuard : public QObject
{
    Q_OBJECT
public:
    explicit WheelGuard(QObject *parent = nullptr);
    void attach(QObject *target);
    void detach(QObject *target);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// A wheel turned while scrolling past a window must not change what it holds.
// Over every list, spin box and slider inside `window` that does not have the
// keyboard focus the wheel scrolls the nearest scrolling area around it (or
// does nothing); with the focus (clicked or tabbed into) it changes the value.
// The wheel no longer gives these controls the focus.
void GuardValueWheels(QWidget *window);

} // namespace q731
