#pragma once

#include "editors/hidden_mode_gesture.h"

#include <QObject>

#include <array>

class QLabel;
class QWidget;

namespace q731 {

class Session;
enum class HiddenMode;

// The optional features window's gestures that switch the hidden service
// modes on: each mode has three labels of its own, to be clicked in any order
// within 5 seconds of the first click.
class HiddenModeLabels : public QObject
{
    Q_OBJECT
public:
    // The labels of each mode, by object name, in HiddenMode order.
    static const std::array<std::array<const char *, 3>, 3> &LabelNames();

    // Finds the labels inside `window` and watches their clicks.
    HiddenModeLabels(Session &session, QWidget *window);

    const HiddenModeGesture &gesture(HiddenMode mode) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void modeChanged(HiddenMode mode, bool on);

    Session &m_session;
    std::array<std::array<QLabel *, 3>, 3> m_labels{};
    std::array<HiddenModeGesture, 3> m_gestures;
};

} // namespace q731
