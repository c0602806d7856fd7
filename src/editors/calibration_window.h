#pragma once

#include "editors/editor_window.h"

#include <array>

class QLabel;
class QSlider;
class QTabWidget;

namespace q731 {

enum class HiddenMode;

// The calibration levels window (Form4): three tabs (high, mid, low power)
// of three framed sliders (high, mid, low section of the band). A slider
// movement is stored in the session's calibration record at once.
class CalibrationWindow : public EditorWindow
{
    Q_OBJECT
public:
    static constexpr int kSliders = 9;

    explicit CalibrationWindow(Session &session, QWidget *parent = nullptr);

private:
    QWidget *createTab(int tab);
    void refreshFromRecord();
    void sliderMoved(int index, int value);
    void hiddenModeChanged(HiddenMode mode, bool on);

    QTabWidget *m_tabs = nullptr;
    std::array<QSlider *, kSliders> m_sliders{};
    std::array<QLabel *, kSliders> m_values{};
};

} // namespace q731
