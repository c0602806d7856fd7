#pragma once

#include <optional>

namespace q731 {

// The toolbar buttons that switch a hidden service mode off need two clicks
// within one second. Each button keeps its own recorded time.
class DoubleClickGate
{
public:
    // `secondsOfDay` is the time of day of the click. Returns true when this
    // click is the second one within a second of the recorded first.
    bool click(double secondsOfDay);
    void reset() { m_recorded.reset(); }

private:
    std::optional<long> m_recorded; // whole seconds, rounded
};

} // namespace q731
