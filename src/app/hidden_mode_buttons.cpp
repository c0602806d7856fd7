#include "hidden_mode_buttons.h"

#include <cmath>

namespace q731 {

bool DoubleClickGate::click(double secondsOfDay)
{
    const long rounded = std::lround(secondsOfDay);
    if (!m_recorded) {
        m_recorded = rounded;
        return false;
    }
    const double elapsed = secondsOfDay - static_cast<double>(*m_recorded);
    // A negative difference means midnight passed: that is not a quick click.
    if (elapsed >= 1.0 || elapsed < -0.5) {
        m_recorded = rounded;
        return false;
    }
    m_recorded.reset();
    return true;
}

} // namespace q731
