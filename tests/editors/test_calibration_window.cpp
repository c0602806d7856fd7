#include "editor_program.h"

#include "editors/calibration_window.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTabWidget>

using namespace q731;
using q731::testing::Program;

namespace {

// Image byte of each slider's level.
constexpr int kByteOfSlider[9] = {2035, 2032, 2036, 2037, 2033, 2038, 2039, 2034, 2040};

QPoint HandleCentre(QSlider *slider)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    option.tickPosition = slider->tickPosition();
    option.subControls = QStyle::SC_All;
    return slider->style()
        ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider)
        .center();
}

void Unlock(Program &program)
{
    program.session.setHiddenMode(HiddenMode::Calibration, true);
}

} // namespace

class CalibrationWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void startUpValuesOnTheirTabs();
    void slidersAreLockedUntilTheCalibrationMode();
    void sliderToByteOrder();
    void keysStepByOneAndFiveAndStayInRange();
    void draggingUpdatesTheLabelWhileMoving();
    void decodingRefreshesEverySliderAndLabel();
    void languageSwitchChangesTextsButNoValue();
};

void CalibrationWindowTest::startUpValuesOnTheirTabs()
{
    Program program;
    CalibrationWindow *form = program.open(program.calibrationWindow());
    auto *tabs = Program::child<QTabWidget>(form, "SSTab1");
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(0), QStringLiteral("高功率等级"));
    QCOMPARE(tabs->currentIndex(), 0);
    const int expected[9] = {218, 208, 218, 160, 160, 160, 124, 116, 124};
    for (int i = 0; i < 9; ++i) {
        QCOMPARE(Program::slider(form, i)->value(), expected[i]);
        QCOMPARE(Program::valueLabel(form, i)->text(), QString::number(expected[i]));
        QSlider *slider = Program::slider(form, i);
        QCOMPARE(slider->minimum(), 0);
        QCOMPARE(slider->maximum(), 255);
        QCOMPARE(slider->singleStep(), 1);
        QCOMPARE(slider->pageStep(), 5);
        QCOMPARE(slider->tickInterval(), 15);
        // Tab k holds frames 3k .. 3k + 2, high section on top.
        QVERIFY(tabs->widget(i / 3)->isAncestorOf(slider));
        auto *frame = Program::child<QGroupBox>(
            form, QStringLiteral("Frame1(%1)").arg(i).toLatin1().constData());
        QVERIFY(frame->isAncestorOf(slider));
    }
    QCOMPARE(Program::child<QGroupBox>(form, "Frame1(4)")->title(), QStringLiteral("中段等级"));
    QCOMPARE(Program::child<QLabel>(form, "Label1(8)")->text(), QStringLiteral("低"));
    QCOMPARE(Program::child<QLabel>(form, "Label2(8)")->text(), QStringLiteral("高"));
    QVERIFY(Program::slider(form, 0)->parentWidget()->y() <
            Program::slider(form, 1)->parentWidget()->y());
    QVERIFY(Program::slider(form, 1)->parentWidget()->y() <
            Program::slider(form, 2)->parentWidget()->y());

    // Saving right after start-up stores the start-up values.
    program.session.encodeImage();
    const std::uint8_t bytes[9] = {208, 160, 116, 218, 218, 160, 160, 124, 124};
    for (int k = 0; k < 9; ++k)
        QCOMPARE(program.session.image()[2032 + static_cast<std::size_t>(k)], bytes[k]);
}

void CalibrationWindowTest::slidersAreLockedUntilTheCalibrationMode()
{
    Program program;
    CalibrationWindow *form = program.open(program.calibrationWindow());
    QSlider *slider = Program::slider(form, 3);
    QVERIFY(!slider->isEnabled());
    QTest::mouseClick(slider, Qt::LeftButton, {},
                      QPoint(slider->width() - 2, slider->height() / 2));
    QCOMPARE(program.session.data().calibration.values[3], 160);
    Unlock(program);
    for (int i = 0; i < 9; ++i)
        QVERIFY(Program::slider(form, i)->isEnabled());
    program.session.setHiddenMode(HiddenMode::Calibration, false);
    for (int i = 0; i < 9; ++i)
        QCOMPARE(Program::slider(form, i)->isEnabled(), i >= 3);
}

void CalibrationWindowTest::sliderToByteOrder()
{
    Program program;
    CalibrationWindow *form = program.open(program.calibrationWindow());
    Unlock(program);
    auto *tabs = Program::child<QTabWidget>(form, "SSTab1");
    for (int i = 0; i < 9; ++i) {
        tabs->setCurrentIndex(i / 3);
        QSlider *slider = Program::slider(form, i);
        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_Home);
        for (int step = 0; step < 10 + i; ++step)
            QTest::keyClick(slider, Qt::Key_Right);
    }
    program.session.encodeImage();
    for (int i = 0; i < 9; ++i) {
        QCOMPARE(program.session.data().calibration.values[static_cast<std::size_t>(i)], 10 + i);
        QCOMPARE(int(program.session.image()[static_cast<std::size_t>(kByteOfSlider[i])]), 10 + i);
    }
}

void CalibrationWindowTest::keysStepByOneAndFiveAndStayInRange()
{
    Program program;
    CalibrationWindow *form = program.open(program.calibrationWindow());
    Unlock(program);
    QSlider *slider = Program::slider(form, 1);
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_PageUp);
    QCOMPARE(Program::valueLabel(form, 1)->text(), QStringLiteral("213"));
    QTest::keyClick(slider, Qt::Key_Left);
    QCOMPARE(Program::valueLabel(form, 1)->text(), QStringLiteral("212"));
    QTest::keyClick(slider, Qt::Key_End);
    QTest::keyClick(slider, Qt::Key_Right);
    QCOMPARE(program.session.data().calibration.values[1], 255);
    QTest::keyClick(slider, Qt::Key_Home);
    QTest::keyClick(slider, Qt::Key_PageDown);
    QCOMPARE(program.session.data().calibration.values[1], 0);
    QCOMPARE(Program::valueLabel(form, 1)->text(), QStringLiteral("0"));
}

void CalibrationWindowTest::draggingUpdatesTheLabelWhileMoving()
{
    Program program;
    CalibrationWindow *form = program.open(program.calibrationWindow());
    Unlock(program);
    QSlider *slider = Program::slider(form, 0);
    const QPoint start = HandleCentre(slider);
    QTest::mousePress(slider, Qt::LeftButton, {}, start);
    const QPoint to(start.x() - slider->width() / 3, start.y());
    QMouseEvent move(QEvent::MouseMove, to, slider->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(slider, &move);
    QVERIFY(slider->isSliderDown());
    const int during = program.session.data().calibration.values[0];
    QVERIFY(during < 218);
    QCOMPARE(Program::valueLabel(form, 0)->text(), QString::number(during));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, to);
    QCOMPARE(program.session.data().calibration.values[0], during);
}

void CalibrationWindowTest::decodingRefreshesEverySliderAndLabel()
{
    Program program;
    CalibrationWindow *form = program.open(program.calibrationWindow());
    RadioImage image = program.session.image();
    image.fill(0xFF);
    for (int i = 0; i < 9; ++i)
        image[static_cast<std::size_t>(kByteOfSlider[i])] = static_cast<std::uint8_t>(100 + i);
    program.session.setImage(image);
    program.session.decodeImage();
    for (int i = 0; i < 9; ++i) {
        QCOMPARE(Program::slider(form, i)->value(), 100 + i);
        QCOMPARE(Program::valueLabel(form, i)->text(), QString::number(100 + i));
    }
    // A closed window shows the same after opening it again.
    qobject_cast<QMdiSubWindow *>(form->parentWidget())->close();
    QVERIFY(!form->isVisible());
    program.action("MNDebug")->trigger();
    QVERIFY(form->isVisible());
    QCOMPARE(Program::slider(form, 8)->value(), 108);
}

void CalibrationWindowTest::languageSwitchChangesTextsButNoValue()
{
    Program program;
    CalibrationWindow *form = program.calibrationWindow();
    program.switchLanguage(Language::English);
    auto *tabs = Program::child<QTabWidget>(form, "SSTab1");
    QCOMPARE(form->windowTitle(), QStringLiteral("Debugging"));
    QCOMPARE(tabs->tabText(2), QStringLiteral("Low Power Grades"));
    QCOMPARE(Program::child<QGroupBox>(form, "Frame1(6)")->title(),
             QStringLiteral("High Sect Grades"));
    QCOMPARE(Program::child<QLabel>(form, "Label2(3)")->text(), QStringLiteral("High"));
    QCOMPARE(Program::valueLabel(form, 7)->text(), QStringLiteral("116"));

    // Created in English, the window carries English texts from the start.
    Program english(Language::English);
    CalibrationWindow *other = english.calibrationWindow();
    QCOMPARE(Program::child<QTabWidget>(other, "SSTab1")->tabText(1),
             QStringLiteral("Mid Power Grades"));
    QCOMPARE(Program::child<QLabel>(other, "Label1(0)")->text(), QStringLiteral("Low"));
}

QTEST_MAIN(CalibrationWindowTest)
#include "test_calibration_window.moc"
