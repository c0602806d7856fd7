#include "calibration_window.h"

#include "session/session.h"
#include "ui/captions.h"
#include "ui/object_names.h"
#include "ui/twips.h"
#include "ui/wheel_guard.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

namespace q731 {

namespace {

const QString kWindow = QStringLiteral("Form4");

QString Caption(const QString &control, Language language)
{
    const QStringList texts = CaptionTexts(kWindow, control, language);
    return texts.isEmpty() ? QString() : texts.front();
}

} // namespace

CalibrationWindow::CalibrationWindow(Session &session, QWidget *parent)
    : EditorWindow(session, QStringLiteral("Form4"), parent)
{
    const Language language = m_session.language();
    setWindowTitle(Caption(QString(), language));
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    // All three tabs stay in sight, in either language: the window is at
    // least as wide as their captions.
    m_tabs->setUsesScrollButtons(false);
    m_tabs->setElideMode(Qt::ElideNone);
    const QStringList tabTexts = CaptionTexts(kWindow, QStringLiteral("SSTab1"), language);
    for (int tab = 0; tab < 3; ++tab)
        m_tabs->addTab(createTab(tab), tabTexts.value(tab));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);

    // The levels are a service setting: the sliders stay locked until the
    // calibration mode is unlocked.
    for (QSlider *slider : m_sliders)
        slider->setEnabled(false);

    connect(&m_session, &Session::calibrationChanged, this, &CalibrationWindow::refreshFromRecord);
    connect(&m_session, &Session::hiddenModeChanged, this, &CalibrationWindow::hiddenModeChanged);
    refreshFromRecord();
    resize(TwipsToPixelsX(6600, this), TwipsToPixelsY(5400, this));
    GuardValueWheels(this);
}

QWidget *CalibrationWindow::createTab(int tab)
{
    const Language language = m_session.language();
    auto *page = new QWidget;
    auto *column = new QVBoxLayout(page);
    for (int section = 0; section < 3; ++section) {
        const int i = 3 * tab + section;
        const auto k = static_cast<std::size_t>(i);
        const QString frameName = QStringLiteral("Frame1(%1)").arg(i);
        auto *frame = new QGroupBox(Caption(frameName, language), page);
        frame->setObjectName(frameName);
        auto *grid = new QGridLayout(frame);

        const QString lowName = ObjectName(Control::CalibrationLowLabel, i);
        auto *low = new QLabel(Caption(lowName, language), frame);
        low->setObjectName(lowName);
        const QString highName = ObjectName(Control::CalibrationHighLabel, i);
        auto *high = new QLabel(Caption(highName, language), frame);
        high->setObjectName(highName);
        auto *slider = new QSlider(Qt::Horizontal, frame);
        slider->setObjectName(QStringLiteral("Slider1(%1)").arg(i));
        slider->setRange(0, 255);
        slider->setSingleStep(1);
        slider->setPageStep(5);
        slider->setTickInterval(15);
        slider->setTickPosition(QSlider::TicksBelow);
        // Tracking on: the value is stored and shown while the handle is dragged.
        slider->setTracking(true);
        auto *value = new QLabel(frame);
        value->setObjectName(ObjectName(Control::CalibrationValue, i));
        value->setAlignment(Qt::AlignCenter);
        grid->addWidget(low, 0, 0);
        grid->addWidget(slider, 0, 1);
        grid->addWidget(high, 0, 2);
        grid->addWidget(value, 1, 1);
        connect(slider, &QSlider::valueChanged, this,
                [this, i](int position) { sliderMoved(i, position); });
        m_sliders[k] = slider;
        m_values[k] = value;
        column->addWidget(frame);
    }
    return page;
}

void CalibrationWindow::refreshFromRecord()
{
    const CalibrationLevels &levels = m_session.data().calibration;
    // All sliders first, then all value labels.
    for (std::size_t k = 0; k < m_sliders.size(); ++k) {
        const QSignalBlocker blocker(m_sliders[k]);
        m_sliders[k]->setValue(levels.values[k]);
    }
    for (std::size_t k = 0; k < m_values.size(); ++k)
        m_values[k]->setText(QString::number(levels.values[k]));
}

void CalibrationWindow::sliderMoved(int index, int value)
{
    const auto k = static_cast<std::size_t>(index);
    m_values[k]->setText(QString::number(value));
    m_session.editSettings(objectName() + QLatin1Char('.') + m_sliders[k]->objectName(),
                           [&](RadioData &data) { data.calibration.values[k] = value; });
}

void CalibrationWindow::hiddenModeChanged(HiddenMode mode, bool on)
{
    if (mode != HiddenMode::Calibration)
        return;
    if (on) {
        for (QSlider *slider : m_sliders)
            slider->setEnabled(true);
    } else {
        for (std::size_t k = 0; k < 3; ++k)
            m_sliders[k]->setEnabled(false);
    }
}

} // namespace q731
