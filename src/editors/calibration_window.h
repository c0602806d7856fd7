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
// movement is stored in session.data().calibration at once.
class CalibrationWindow : public EditorWindow
{
    Q_OBJECT
public:
    static constexpr int kSliders = 9;

    explicit CalibrationWindow(Session &session, QWidget *parent = nullptr);

    QSlider *slider(int index) const { return m_sliders[static_cast<std::size_t>(index)]; }
    QLabel *valueLabel(int index) const { return m_values[static_cast<std::size_t>(index)]; }

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
