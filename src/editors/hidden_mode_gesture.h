#pragma once

#include <array>

namespace q731 {

// The unlocking state of one hidden service mode: three labels that must all
// be clicked within 5 seconds of the first click of an attempt.
class HiddenModeGesture
{
public:
    // A click on label `label` (0..2) at `secondsOfDay`. Returns true when this
    // click completes the gesture.
    bool click(int label, double secondsOfDay);
    // Clears the flags and the start time (the mode was switched off).
    void reset();

    bool clicked(int label) const { return m_clicked[static_cast<unsigned>(label)]; }

private:
    std::array<bool, 3> m_clicked{};
    long m_start = 0; // whole seconds, rounded
};

} // namespace q731
