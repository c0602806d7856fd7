#include "hidden_mode_labels.h"

#include "image/control_names.h"
#include "session/session.h"

#include <QLabel>
#include <QMouseEvent>

namespace q731 {

const std::array<std::array<const char *, 3>, 3> &HiddenModeLabels::LabelNames()
{
    // Labels that are always enabled, so that their clicks arrive.
    static const std::array<std::array<const char *, 3>, 3> names = {{
        // band override
        {LabelName(Control::PriorityScanChannel), LabelName(Control::PresentChannel),
         LabelName(Control::DisplayMode)},
        // calibration
        {LabelName(Control::VfoFrequency), LabelName(Control::VfoOffset),
         LabelName(Control::VfoRxTone)},
        // extra options: the VOX group
        {LabelName(Control::VoxSwitch), LabelName(Control::VoxGain), LabelName(Control::VoxDelay)},
    }};
    return names;
}

HiddenModeLabels::HiddenModeLabels(Session &session, QWidget *window)
    : QObject(window)
    , m_session(session)
{
    for (std::size_t mode = 0; mode < 3; ++mode) {
        for (std::size_t k = 0; k < 3; ++k) {
            const QString name = QString::fromLatin1(LabelNames()[mode][k]);
            QLabel *label = window->findChild<QLabel *>(name);
            m_labels[mode][k] = label;
            if (label)
                label->installEventFilter(this);
        }
    }
    connect(&m_session, &Session::hiddenModeChanged, this, &HiddenModeLabels::modeChanged);
}

const HiddenModeGesture &HiddenModeLabels::gesture(HiddenMode mode) const
{
    return m_gestures[static_cast<std::size_t>(mode)];
}

bool HiddenModeLabels::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseButtonRelease ||
        static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
        return QObject::eventFilter(watched, event);
    for (std::size_t mode = 0; mode < 3; ++mode) {
        for (std::size_t k = 0; k < 3; ++k) {
            if (m_labels[mode][k] != watched)
                continue;
            const auto which = static_cast<HiddenMode>(mode);
            // Once on, the mode stays on until its toolbar button ends it.
            if (m_session.hiddenMode(which))
                return false;
            if (m_gestures[mode].click(static_cast<int>(k), m_session.secondsOfDay()))
                m_session.setHiddenMode(which, true);
            return false;
        }
    }
    return QObject::eventFilter(watched, event);
}

void HiddenModeLabels::modeChanged(HiddenMode mode, bool on)
{
    if (!on)
        m_gestures[static_cast<std::size_t>(mode)].reset();
}

} // namespace q731
