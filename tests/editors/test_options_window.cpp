#include "editor_program.h"

#include "editors/calibration_window.h"
#include "editors/dtmf_window.h"
#include "editors/fm_window.h"
#include "editors/hidden_mode_labels.h"
#include "editors/options_window.h"
#include "ui/edit_history.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QWheelEvent>

using namespace q731;
using q731::testing::Program;

namespace {

QLineEdit *Edit(OptionsWindow *form, const char *name)
{
    return Program::child<QLineEdit>(form, name);
}

QComboBox *Combo(OptionsWindow *form, const char *name)
{
    return Program::child<QComboBox>(form, name);
}

void ClickLabel(OptionsWindow *form, const char *name)
{
    QLabel *label = Program::child<QLabel>(form, name);
    QVERIFY(label);
    QTest::mouseClick(label, Qt::LeftButton);
}

void Wheel(QWidget *widget, int delta)
{
    const QPointF local = QRectF(widget->rect()).center();
    QWheelEvent wheel(local, widget->mapToGlobal(local), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

void Undo(Program &program)
{
    QTest::keyClick(program.window.get(), Qt::Key_Z, Qt::ControlModifier);
}

void Redo(Program &program)
{
    QTest::keyClick(program.window.get(), Qt::Key_Y, Qt::ControlModifier);
}

} // namespace

class OptionsWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void channelNumbersClampWhileTypingAndOnLeave_data();
    void channelNumbersClampWhileTypingAndOnLeave();
    void channelNumberPastedWithMoreDigitsThanANumberHolds();
    void vfoFrequencyIsSnappedOrReplacedByTheBandsLowerLimit_data();
    void vfoFrequencyIsSnappedOrReplacedByTheBandsLowerLimit();
    void vfoOffsetIsClampedThenSnapped_data();
    void vfoOffsetIsClampedThenSnapped();
    void powerOnTextAndPasswordFilters();
    void halfTypedFieldIsCheckedBeforeEncoding();
    void pagesSwitchAndTakeTheFocus();
    void codecRoundTripThroughTheWindow();
    void hiddenFieldsTakePartInTheCodec();
    void newResetsButKeepsPasswordAndCheckBoxes();
    void listsFollowTheLanguage();
    void gestureNeedsThreeLabelsWithinFiveSeconds();
    void gestureSetsAreDisjoint();
    void gestureAcrossMidnight();
    void extraOptionsEnableAndDisableTheServiceFields();
    void calibrationGestureUnlocksTheSliders();
    void everySettingsWindowIsUndoable();
    void wheelChangesOnlyAFocusedControl();
};

void OptionsWindowTest::channelNumbersClampWhileTypingAndOnLeave_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("whileTyping");
    QTest::addColumn<QString>("afterLeave");
    QTest::newRow("200") << "Text2"
                         << "200"
                         << "128"
                         << "128";
    QTest::newRow("129") << "Text6"
                         << "129"
                         << "128"
                         << "128";
    QTest::newRow("007") << "Text6"
                         << "007"
                         << "007"
                         << "7";
    QTest::newRow("0") << "Text6"
                       << "0"
                       << "0"
                       << "";
    QTest::newRow("empty") << "Text2"
                           << ""
                           << ""
                           << "";
    QTest::newRow("letters dropped") << "Text2"
                                     << "1a2."
                                     << "12"
                                     << "12";
}

void OptionsWindowTest::channelNumbersClampWhileTypingAndOnLeave()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, whileTyping);
    QFETCH(QString, afterLeave);
    Program program;
    OptionsWindow *form = program.open(program.optionsWindow());
    QLineEdit *edit = Edit(form, field.toLatin1().constData());
    Program::typeInto(edit, typed);
    QCOMPARE(edit->text(), whileTyping);
    // Leaving by the mouse: a click into the other channel field.
    QLineEdit *other = Edit(form, field == "Text2" ? "Text6" : "Text2");
    QTest::mouseClick(other, Qt::LeftButton);
    QTRY_VERIFY(other->hasFocus());
    QCOMPARE(edit->text(), afterLeave);
    const OptionalFeatures &o = program.session.data().options;
    QCOMPARE(QString::fromStdString(field == "Text2" ? o.priorityScanChannel : o.presentChannel),
             afterLeave);
}

void OptionsWindowTest::channelNumberPastedWithMoreDigitsThanANumberHolds()
{
    Program program;
    OptionsWindow *form = program.open(program.optionsWindow());
    QLineEdit *edit = Edit(form, "Text2");
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    QApplication::clipboard()->setText(QString(400, '9'));
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), QStringLiteral("128"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(edit->text(), QStringLiteral("128"));
    QCOMPARE(program.session.data().options.priorityScanChannel, std::string("128"));
}

void OptionsWindowTest::vfoFrequencyIsSnappedOrReplacedByTheBandsLowerLimit_data()
{
    QTest::addColumn<int>("band");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("upper limit refused") << 3 << "470"
                                         << "400.00000";
    QTest::newRow("inside, on raster") << 3 << "469.99"
                                       << "469.99000";
    QTest::newRow("below band") << 3 << "399.99"
                                << "400.00000";
    QTest::newRow("empty") << 3 << ""
                           << "400.00000";
    QTest::newRow("snapped to 6.25k") << 0 << "145.107"
                                      << "145.10625";
    QTest::newRow("snapped to 5k") << 0 << "145.127"
                                   << "145.12500";
    QTest::newRow("lower limit accepted") << 0 << "136"
                                          << "136.00000";
}

void OptionsWindowTest::vfoFrequencyIsSnappedOrReplacedByTheBandsLowerLimit()
{
    QFETCH(int, band);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    Program program;
    program.session.setBandIndex(band);
    OptionsWindow *form = program.open(program.optionsWindow());
    QTest::mouseClick(Program::child<QRadioButton>(form, "Option2"), Qt::LeftButton);
    QLineEdit *edit = Edit(form, "Text20");
    Program::typeInto(edit, typed);
    // Enter runs the leave check and keeps the focus.
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(edit->text(), shown);
    QVERIFY(edit->hasFocus());
    QCOMPARE(QString::fromStdString(program.session.data().options.vfoFrequency), shown);
}

void OptionsWindowTest::vfoOffsetIsClampedThenSnapped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("150") << "150"
                         << "99.99500";
    QTest::newRow("99.999") << "99.999"
                            << "99.99500";
    QTest::newRow("10") << "10"
                        << "10.00000";
    QTest::newRow("5.127") << "5.127"
                           << "5.12500";
    QTest::newRow("empty") << ""
                           << "0.00000";
}

void OptionsWindowTest::vfoOffsetIsClampedThenSnapped()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    Program program;
    OptionsWindow *form = program.open(program.optionsWindow());
    Program::choosePage(form, "Option2");
    QLineEdit *edit = Edit(form, "Text21");
    Program::typeInto(edit, typed);
    QTest::keyClick(edit, Qt::Key_Tab);
    QTRY_VERIFY(!edit->hasFocus());
    QCOMPARE(edit->text(), shown);
    QCOMPARE(QString::fromStdString(program.session.data().options.vfoOffset), shown);
}

void OptionsWindowTest::powerOnTextAndPasswordFilters()
{
    Program program;
    OptionsWindow *form = program.open(program.optionsWindow());
    QLineEdit *text31 = Edit(form, "Text31");
    Program::typeInto(text31, "ab-1");
    QCOMPARE(text31->text(), QStringLiteral("AB-1"));
    QTest::keyClicks(text31, "!*#z9");
    QCOMPARE(text31->text(), QStringLiteral("AB-1*#")); // "!" dropped, six characters at most
    QTest::keyClick(text31, Qt::Key_Backspace);
    QTest::keyClicks(text31, "q");
    QCOMPARE(text31->text(), QStringLiteral("AB-1*Q"));
    QCOMPARE(program.session.data().options.powerOnText, std::string("AB-1*Q"));

    QLineEdit *text1 = Edit(form, "Text1");
    Program::typeInto(text1, "12a34.5");
    QCOMPARE(text1->text(), QStringLiteral("1234"));
    QCOMPARE(program.session.data().options.powerOnPassword, std::string("1234"));

    program.session.encodeImage();
    const RadioImage &image = program.session.image();
    QCOMPARE(image[1816], std::uint8_t('A'));
    QCOMPARE(image[1821], std::uint8_t('Q'));
    QCOMPARE(image[1856], std::uint8_t('1'));
    QCOMPARE(image[1859], std::uint8_t('4'));
}

void OptionsWindowTest::halfTypedFieldIsCheckedBeforeEncoding()
{
    Program program;
    program.session.setBandIndex(3);
    OptionsWindow *form = program.open(program.optionsWindow());
    Program::choosePage(form, "Option2");
    QLineEdit *edit = Edit(form, "Text20");
    Program::typeInto(edit, "470");
    QVERIFY(edit->hasFocus());
    // Save, write and print encode through the session, with the field still focused.
    program.session.encodeImage();
    const RadioImage &image = program.session.image();
    QCOMPARE(edit->text(), QStringLiteral("400.00000"));
    QCOMPARE(image[1827], std::uint8_t(0x40));
    QCOMPARE(image[1826], std::uint8_t(0x00));
    QCOMPARE(image[1825], std::uint8_t(0x00));
    QCOMPARE(image[1824], std::uint8_t(0x00));

    // A channel number typed and not left goes through its check as well.
    Program::choosePage(form, "Option1");
    Program::typeInto(Edit(form, "Text2"), "0");
    program.session.encodeImage();
    QCOMPARE(program.session.image()[1793], std::uint8_t(0xFF));
}

void OptionsWindowTest::pagesSwitchAndTakeTheFocus()
{
    Program program;
    OptionsWindow *form = program.open(program.optionsWindow());
    auto *frame1 = Program::child<QGroupBox>(form, "Frame1");
    auto *frame2 = Program::child<QGroupBox>(form, "Frame2");
    auto *frame3 = Program::child<QGroupBox>(form, "Frame3");
    QVERIFY(frame2->isVisible());
    QVERIFY(!frame3->isVisible());
    QTest::mouseClick(Program::child<QRadioButton>(form, "Option2"), Qt::LeftButton);
    QVERIFY(frame3->isVisible());
    QVERIFY(!frame2->isVisible());
    QVERIFY(frame1->isVisible());
    QTRY_VERIFY(Edit(form, "Text20")->hasFocus());
    QTest::mouseClick(Program::child<QRadioButton>(form, "Option1"), Qt::LeftButton);
    QVERIFY(frame2->isVisible());
    QTRY_VERIFY(Edit(form, "Text2")->hasFocus());
}

void OptionsWindowTest::codecRoundTripThroughTheWindow()
{
    Program program;
    OptionsWindow *form = program.open(program.optionsWindow());
    RadioImage image = program.session.image();
    image.fill(0xFF);
    image[1796] = 7;    // squelch
    image[1793] = 12;   // priority channel
    image[1799] = 0x52; // lock-key mode 2, backlight 1, bit 4
    image[1800] = 0x6B; // VOX on, delay 1, gain 3
    image[1814] = 3;
    image[1824] = 0x00; // 438.50000
    image[1825] = 0x00;
    image[1826] = 0x85;
    image[1827] = 0x43;
    image[1832] = 0x70; // receive tone 67.0
    image[1833] = 0x06;
    program.session.setImage(image);
    program.session.decodeImage();
    QCOMPARE(Combo(form, "Combo5")->currentIndex(), 7);
    QCOMPARE(Edit(form, "Text2")->text(), QStringLiteral("12"));
    QCOMPARE(Combo(form, "Combo18")->currentText(), QStringLiteral("KEY"));
    QCOMPARE(Combo(form, "Combo21")->currentText(), QStringLiteral("KEY"));
    QCOMPARE(Combo(form, "Combo31")->currentIndex(), 1);
    QCOMPARE(Combo(form, "Combo15")->currentText(), QStringLiteral("2 S"));
    QCOMPARE(Combo(form, "Combo14")->currentText(), QStringLiteral("4"));
    QCOMPARE(Edit(form, "Text20")->text(), QStringLiteral("438.50000"));
    QCOMPARE(Combo(form, "Combo22")->currentText(), QStringLiteral("67.0"));

    // The user changes fields with the keyboard.
    QComboBox *squelch = Combo(form, "Combo5");
    squelch->setFocus();
    QTest::keyClick(squelch, Qt::Key_Down);
    QComboBox *gain = Combo(form, "Combo14");
    gain->setFocus();
    QTest::keyClick(gain, Qt::Key_End);
    Program::choosePage(form, "Option2");
    QComboBox *power = Combo(form, "Combo24");
    power->setFocus();
    QTest::keyClick(power, Qt::Key_Down);
    QCOMPARE(power->currentText(), QStringLiteral("中"));
    program.session.encodeImage();
    image = program.session.image();
    QCOMPARE(image[1796], std::uint8_t(8));
    QCOMPARE(image[1800], std::uint8_t(0x01 | 0x02 | 0x04 | (1 << 3) | (7 << 5)));
    QCOMPARE(image[1836] & 0x03, 2);
    QCOMPARE(image[1793], std::uint8_t(12));
    QCOMPARE(image[1826], std::uint8_t(0x85));
    QCOMPARE(image[1827], std::uint8_t(0x43));
    QCOMPARE(image[1832], std::uint8_t(0x70));
}

void OptionsWindowTest::hiddenFieldsTakePartInTheCodec()
{
    Program program;
    OptionsWindow *form = program.open(program.optionsWindow());
    for (const char *name : {"Combo10", "Combo36", "Combo11", "Combo26", "Combo12", "Combo29",
                             "Combo4", "Label10", "Label41", "Label4", "Check13", "Check12"}) {
        QWidget *widget = Program::child(form, name);
        QVERIFY2(widget, name);
        QVERIFY2(widget->isHidden(), name);
    }
    QCOMPARE(Program::child<QLabel>(form, "Label4")->text(), QStringLiteral("呼叫音:"));
    QCOMPARE(Combo(form, "Combo4")->count(), 6);
    QCOMPARE(Combo(form, "Combo4")->currentText(), QStringLiteral("TONE4"));

    RadioImage image = program.session.image();
    image.fill(0xFF);
    image[1798] = 0xDF; // bit 5: frequency shift off
    image[1805] = 2;    // voice mode SCRAMB
    image[1836] = 0x37; // scan add off, scramble on, companding off
    image[1800] = 0x02; // bit 2 clear: Check13 off
    program.session.setImage(image);
    program.session.decodeImage();
    QCOMPARE(Combo(form, "Combo10")->currentIndex(), 0);
    QCOMPARE(Combo(form, "Combo36")->currentText(), QStringLiteral("SCRAMB"));
    QCOMPARE(Combo(form, "Combo26")->currentIndex(), 0);
    QCOMPARE(Combo(form, "Combo12")->currentIndex(), 0);
    QCOMPARE(Combo(form, "Combo29")->currentIndex(), 0);
    QVERIFY(!Program::child<QCheckBox>(form, "Check13")->isChecked());
    image.fill(0x00);
    program.session.setImage(image);
    program.session.encodeImage();
    image = program.session.image();
    QCOMPARE(image[1798] & 0x20, 0);
    QCOMPARE(image[1805], std::uint8_t(2));
    QCOMPARE(image[1836] & 0xC8, 0);
}

void OptionsWindowTest::newResetsButKeepsPasswordAndCheckBoxes()
{
    Program program;
    OptionsWindow *form = program.open(program.optionsWindow());
    Program::typeInto(Edit(form, "Text1"), "4321");
    Program::typeInto(Edit(form, "Text31"), "HELLO");
    Program::typeInto(Edit(form, "Text2"), "55");
    QTest::keyClick(Edit(form, "Text2"), Qt::Key_Return);
    QComboBox *step = Combo(form, "Combo3");
    step->setFocus();
    QTest::keyClick(step, Qt::Key_Home);
    QCOMPARE(program.session.data().options.frequencyStep, 0);
    program.putRecords([](RadioData &data) { data.options.voxOffWhileReceiving = true; });

    program.answers = {IdOk};
    program.action("MNNew")->trigger();
    QCOMPARE(Edit(form, "Text1")->text(), QStringLiteral("4321"));
    QCOMPARE(Edit(form, "Text31")->text(), QString());
    QCOMPARE(Edit(form, "Text2")->text(), QStringLiteral("1"));
    QCOMPARE(Edit(form, "Text20")->text(), QStringLiteral("435.00000"));
    QCOMPARE(Edit(form, "Text21")->text(), QStringLiteral("10.00000"));
    QCOMPARE(step->currentText(), QStringLiteral("25K"));
    QCOMPARE(Combo(form, "Combo19")->currentIndex(), 2);
    QVERIFY(Program::child<QCheckBox>(form, "Check13")->isChecked());
}

void OptionsWindowTest::listsFollowTheLanguage()
{
    Program program;
    OptionsWindow *form = program.open(program.optionsWindow());
    QCOMPARE(Combo(form, "Combo19")->count(), 8);
    QCOMPARE(Combo(form, "Combo19")->itemText(1), QStringLiteral("1 分钟"));
    QCOMPARE(Combo(form, "Combo35")->count(), 16);
    QCOMPARE(Combo(form, "Combo22")->count(), 265);
    QCOMPARE(Combo(form, "Combo22")->itemText(0), QStringLiteral("关闭"));
    QComboBox *power = Combo(form, "Combo24");
    power->setCurrentIndex(2);

    program.switchLanguage(Language::English);
    QCOMPARE(form->windowTitle(), QStringLiteral("Optional Features"));
    QCOMPARE(Combo(form, "Combo19")->itemText(0), QStringLiteral("Off"));
    QCOMPARE(Combo(form, "Combo19")->itemText(7), QStringLiteral("7 Minute"));
    QCOMPARE(Combo(form, "Combo35")->itemText(15), QStringLiteral("15 Hour"));
    QCOMPARE(Combo(form, "Combo22")->itemText(0), QStringLiteral("Off"));
    QCOMPARE(Combo(form, "Combo22")->itemText(1), QStringLiteral("67.0"));
    QCOMPARE(power->itemText(1), QStringLiteral("High"));
    QCOMPARE(power->itemText(2), QStringLiteral("中"));
    QCOMPARE(power->currentIndex(), 2);
    QCOMPARE(Program::child<QLabel>(form, "Label6")->text(), QStringLiteral(" Present Channel:"));
    QCOMPARE(Program::child<QGroupBox>(form, "Frame3")->title(), QStringLiteral("VFO"));
    QCOMPARE(Program::child<QLabel>(form, "Label4")->text(), QStringLiteral("呼叫音:"));
}

void OptionsWindowTest::gestureNeedsThreeLabelsWithinFiveSeconds()
{
    Program program;
    OptionsWindow *form = program.open(program.optionsWindow());
    const auto &names = HiddenModeLabels::LabelNames()[0];
    program.now = 1000.2;
    ClickLabel(form, names[0]);
    program.now = 1002.0;
    ClickLabel(form, names[1]);
    program.now = 1006.0; // six seconds after the first click
    ClickLabel(form, names[2]);
    QVERIFY(!program.session.hiddenMode(HiddenMode::BandOverride));
    QVERIFY(!program.action("TAnMa")->isVisible());
    // That click began a new attempt: only its own flag is set.
    const HiddenModeGesture &gesture = Program::child<HiddenModeLabels>(form, "hiddenModeLabels")
                                           ->gesture(HiddenMode::BandOverride);
    QVERIFY(!gesture.clicked(0));
    QVERIFY(!gesture.clicked(1));
    QVERIFY(gesture.clicked(2));

    program.now = 1009.0;
    ClickLabel(form, names[1]);
    program.now = 1011.4; // 1011.4 - 1006 = 5.4 > 5: again a new attempt
    ClickLabel(form, names[0]);
    QVERIFY(!program.session.hiddenMode(HiddenMode::BandOverride));
    program.now = 1014.0;
    ClickLabel(form, names[2]);
    QVERIFY(!program.session.hiddenMode(HiddenMode::BandOverride));
    program.now = 1016.0; // 5 s after 1011 (rounded): still in time
    ClickLabel(form, names[1]);
    QVERIFY(program.session.hiddenMode(HiddenMode::BandOverride));
    QVERIFY(program.action("TAnMa")->isVisible());
}

void OptionsWindowTest::gestureSetsAreDisjoint()
{
    Program program;
    OptionsWindow *form = program.open(program.optionsWindow());
    Program::choosePage(form, "Option2"); // the calibration labels are on the VFO page
    QStringList all;
    for (const auto &set : HiddenModeLabels::LabelNames()) {
        for (const char *name : set)
            all << QString::fromLatin1(name);
    }
    all.removeDuplicates();
    QCOMPARE(all.size(), 9);
    // Three labels, but each from another set, all at the same time: no mode
    // comes on.
    for (int k = 0; k < 3; ++k) {
        for (int mode = 0; mode < 3; ++mode) {
            if (mode == k)
                continue;
            const char *name = HiddenModeLabels::LabelNames()[mode][k];
            if (mode != 1)
                Program::choosePage(form, "Option1");
            else
                Program::choosePage(form, "Option2");
            ClickLabel(form, name);
        }
    }
    QVERIFY(!program.session.hiddenMode(HiddenMode::BandOverride));
    QVERIFY(!program.session.hiddenMode(HiddenMode::Calibration));
    QVERIFY(!program.session.hiddenMode(HiddenMode::ExtraOptions));
}

void OptionsWindowTest::gestureAcrossMidnight()
{
    Program program;
    OptionsWindow *form = program.open(program.optionsWindow());
    const auto &names = HiddenModeLabels::LabelNames()[2];
    program.now = 86398.0;
    ClickLabel(form, names[0]);
    program.now = 86399.5;
    ClickLabel(form, names[1]);
    program.now = 1.0; // three seconds later, after midnight
    ClickLabel(form, names[2]);
    QVERIFY(program.session.hiddenMode(HiddenMode::ExtraOptions));

    // Two clicks of an attempt left yesterday do not count today.
    Program later;
    OptionsWindow *other = later.open(later.optionsWindow());
    later.now = 36000.0;
    ClickLabel(other, names[0]);
    ClickLabel(other, names[1]);
    later.now = 35990.0; // the next day, ten seconds before that time of day
    ClickLabel(other, names[2]);
    QVERIFY(!later.session.hiddenMode(HiddenMode::ExtraOptions));
}

void OptionsWindowTest::extraOptionsEnableAndDisableTheServiceFields()
{
    Program program;
    OptionsWindow *form = program.open(program.optionsWindow());
    const char *service[] = {"Label12", "Combo2", "Label17", "Combo13", "Label18", "Combo16"};
    for (const char *name : service)
        QVERIFY2(!Program::child(form, name)->isEnabled(), name);
    QVERIFY(!program.action("MNFMset")->isEnabled());

    const auto &names = HiddenModeLabels::LabelNames()[2];
    for (const char *name : names)
        ClickLabel(form, name);
    QVERIFY(program.session.hiddenMode(HiddenMode::ExtraOptions));
    for (const char *name : service)
        QVERIFY2(Program::child(form, name)->isEnabled(), name);
    QVERIFY(program.action("MNFMset")->isEnabled());
    QVERIFY(program.action("TFMMa")->isVisible());

    // The toolbar button ends the mode: the labels are disabled again and the
    // gesture starts from nothing.
    program.clickToolButton("TFMMa");
    program.clickToolButton("TFMMa");
    QVERIFY(!program.session.hiddenMode(HiddenMode::ExtraOptions));
    for (const char *name : {"Label12", "Label17", "Label18"})
        QVERIFY2(!Program::child(form, name)->isEnabled(), name);
    const HiddenModeGesture &gesture = Program::child<HiddenModeLabels>(form, "hiddenModeLabels")
                                           ->gesture(HiddenMode::ExtraOptions);
    QVERIFY(!gesture.clicked(0) && !gesture.clicked(1) && !gesture.clicked(2));
    ClickLabel(form, names[0]);
    QVERIFY(!program.session.hiddenMode(HiddenMode::ExtraOptions));
}

void OptionsWindowTest::calibrationGestureUnlocksTheSliders()
{
    Program program;
    OptionsWindow *form = program.open(program.optionsWindow());
    CalibrationWindow *calibration = program.calibrationWindow();
    for (int i = 0; i < CalibrationWindow::kSliders; ++i)
        QVERIFY(!Program::slider(calibration, i)->isEnabled());
    Program::choosePage(form, "Option2");
    for (const char *name : HiddenModeLabels::LabelNames()[1])
        ClickLabel(form, name);
    QVERIFY(program.action("TDebug")->isVisible());
    for (int i = 0; i < CalibrationWindow::kSliders; ++i)
        QVERIFY(Program::slider(calibration, i)->isEnabled());
    program.clickToolButton("TDebug");
    program.clickToolButton("TDebug");
    for (int i = 0; i < CalibrationWindow::kSliders; ++i)
        QCOMPARE(Program::slider(calibration, i)->isEnabled(), i >= 3);
}

QTEST_MAIN(OptionsWindowTest)
void OptionsWindowTest::everySettingsWindowIsUndoable()
{
    Program program;
    const OptionalFeatures &options = program.session.data().options;
    OptionsWindow *form = program.open(program.optionsWindow());

    // Typed and erased again: nothing to undo, nothing unsaved.
    Program::typeInto(Edit(form, "Text31"), "A");
    QTest::keyClick(Edit(form, "Text31"), Qt::Key_Backspace);
    QVERIFY(!program.history().canUndo());
    QVERIFY(!program.window->isWindowModified());

    // A word typed is one step, a list stepped through with the keys another.
    Program::typeInto(Edit(form, "Text31"), "AB");
    QComboBox *squelch = Combo(form, "Combo5");
    squelch->setFocus();
    QTest::keyClick(squelch, Qt::Key_Down);
    QTest::keyClick(squelch, Qt::Key_Down);
    QCOMPARE(options.squelchLevel, 6);
    Undo(program);
    QCOMPARE(options.squelchLevel, 4);
    QCOMPARE(squelch->currentIndex(), 4);
    QCOMPARE(options.powerOnText, std::string("AB"));
    Undo(program);
    QCOMPARE(options.powerOnText, std::string());
    QCOMPARE(Edit(form, "Text31")->text(), QString());
    Redo(program);
    QCOMPARE(Edit(form, "Text31")->text(), QStringLiteral("AB"));

    // The VFO frequency counts when it is left, as its check does.
    Program::choosePage(form, "Option2");
    Program::typeInto(Edit(form, "Text20"), "150");
    QTest::keyClick(Edit(form, "Text20"), Qt::Key_Tab);
    QCOMPARE(options.vfoFrequency, std::string("150.00000"));
    Undo(program);
    QCOMPARE(options.vfoFrequency, std::string("155.00000"));
    QCOMPARE(Edit(form, "Text20")->text(), QStringLiteral("155.00000"));

    DtmfWindow *dtmf = program.open(program.dtmfWindow());
    Program::choosePage(dtmf, "Option2");
    Program::typeInto(Program::child<QLineEdit>(dtmf, "Text2"), "12a");
    QCOMPARE(program.session.data().dtmf.aniStartCode, std::string("12A"));
    Undo(program);
    QCOMPARE(program.session.data().dtmf.aniStartCode, std::string());
    QCOMPARE(Program::child<QLineEdit>(dtmf, "Text2")->text(), QString());

    // A slider dragged or stepped is one step; its value label follows undo.
    program.session.setHiddenMode(HiddenMode::Calibration, true);
    CalibrationWindow *calibration = program.open(program.calibrationWindow());
    QSlider *level = Program::slider(calibration, 1);
    level->setFocus();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(level, Qt::Key_Left);
    QCOMPARE(program.session.data().calibration.values[1], 205);
    Undo(program);
    QCOMPARE(program.session.data().calibration.values[1], 208);
    QCOMPARE(level->value(), 208);
    QCOMPARE(Program::child<QLabel>(calibration, "Label3(1)")->text(), QStringLiteral("208"));

    // FM: what OK takes is one step; an open window shows the undone values.
    FmWindow *fm = program.open(program.fmWindow());
    QComboBox *display = Program::child<QComboBox>(fm, "Combo1(1)");
    display->setFocus();
    QTest::keyClick(display, Qt::Key_Down);
    QTest::mouseClick(Program::child<QPushButton>(fm, "Command1"), Qt::LeftButton);
    QCOMPARE(program.session.data().fm.FmDisplayMode, 1);
    program.open(fm);
    Undo(program);
    QCOMPARE(program.session.data().fm.FmDisplayMode, 0);
    QCOMPARE(display->currentIndex(), 0);

    // Everything back: the four windows' steps, then the word typed.
    Undo(program);
    Undo(program);
    Undo(program);
    QVERIFY(!program.history().canUndo());
    QVERIFY(!program.window->isWindowModified());
}

void OptionsWindowTest::wheelChangesOnlyAFocusedControl()
{
    Program program;
    program.session.setHiddenMode(HiddenMode::Calibration, true);
    // A frame smaller than the windows, so that the area around them scrolls.
    program.window->resize(500, 300);
    QMdiArea *area = program.mdiArea();
    OptionsWindow *form = program.open(program.optionsWindow());
    form->parentWidget()->resize(form->parentWidget()->sizeHint() * 2);
    QTRY_VERIFY(area->verticalScrollBar()->maximum() > 0);
    area->verticalScrollBar()->setValue(0);
    QComboBox *squelch = Combo(form, "Combo5");
    Edit(form, "Text2")->setFocus();

    Wheel(squelch, -120);
    Wheel(squelch, -120);
    QCOMPARE(squelch->currentIndex(), 4);
    QCOMPARE(program.session.data().options.squelchLevel, 4);
    QVERIFY(!squelch->hasFocus());
    QVERIFY(area->verticalScrollBar()->value() > 0);

    squelch->setFocus(Qt::TabFocusReason);
    Wheel(squelch, -120);
    QCOMPARE(program.session.data().options.squelchLevel, 5);

    CalibrationWindow *calibration = program.open(program.calibrationWindow());
    QSlider *level = Program::slider(calibration, 1);
    Wheel(level, -120);
    QCOMPARE(program.session.data().calibration.values[1], 208);
    QTest::mouseClick(level, Qt::LeftButton, {}, QPoint(level->width() - 2, level->height() / 2));
    QVERIFY(level->hasFocus());
    const int clicked = level->value();
    Wheel(level, 120);
    QVERIFY(level->value() != clicked);
    QCOMPARE(program.session.data().calibration.values[1], level->value());
}

#include "test_options_window.moc"
