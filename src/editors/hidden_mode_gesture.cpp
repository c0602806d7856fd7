#include "hidden_mode_gesture.h"

#include <cmath>

namespace q731 {

namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr double kWindowSeconds = 5.0;

} // namespace

bool HiddenModeGesture::click(int label, double secondsOfDay)
{
    if (label < 0 || label > 2)
        return false;
    const auto index = static_cast<unsigned>(label);
    if (!m_clicked[0] && !m_clicked[1] && !m_clicked[2])
        m_start = std::lround(secondsOfDay);
    // The clock is a time of day: an attempt begun before midnight goes on
    // after it, and a start time "later" than now is from an earlier day.
    double elapsed = secondsOfDay - static_cast<double>(m_start);
    if (elapsed < -0.5)
        elapsed += kSecondsPerDay;
    if (elapsed <= kWindowSeconds) {
        m_clicked[index] = true;
        return m_clicked[0] && m_clicked[1] && m_clicked[2];
    }
    m_clicked = {};
    m_clicked[index] = true;
    m_start = std::lround(secondsOfDay);
    return false;
}

void HiddenModeGesture::reset()
{
    m_clicked = {};
    m_start = 0;
}

} // namespace q731
