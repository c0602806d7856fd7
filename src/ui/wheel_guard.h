#pragma once

#include <QObject>

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

} // namespace q731
