#include "editor_program.h"

#include "editors/dtmf_window.h"
#include "files/dtmf_block.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

using namespace q731;
using q731::testing::Program;

namespace {

QLineEdit *Edit(DtmfWindow *form, const char *name)
{
    return Program::child<QLineEdit>(form, name);
}

QComboBox *Combo(DtmfWindow *form, const char *name)
{
    return Program::child<QComboBox>(form, name);
}

} // namespace

class DtmfWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void keyFilterTurnsLettersUpAndDropsTheRest_data();
    void keyFilterTurnsLettersUpAndDropsTheRest();
    void lengthLimits();
    void pastedTextIsFilteredToo();
    void pagesSwitchAndTakeTheFocus();
    void newKeepsTheAniEndCode();
    void decodingFillsTheAniEndCode();
    void listsAndCaptionsInBothLanguages();
    void extensionBlockRoundTripThroughTheWindow();
};

void DtmfWindowTest::keyFilterTurnsLettersUpAndDropsTheRest_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("memory") << "Text1(0)"
                            << "12ab*#e"
                            << "12AB*#";
    QTest::newRow("last memory") << "Text1(7)"
                                 << "cdxyz09"
                                 << "CD09";
    QTest::newRow("ANI start") << "Text2"
                               << "a-b+c d"
                               << "ABCD";
    QTest::newRow("own code") << "Text3"
                              << "#*1."
                              << "#*1";
}

void DtmfWindowTest::keyFilterTurnsLettersUpAndDropsTheRest()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    Program program;
    DtmfWindow *form = program.open(program.dtmfWindow());
    if (!field.startsWith("Text1"))
        Program::choosePage(form, "Option2");
    QLineEdit *edit = Edit(form, field.toLatin1().constData());
    Program::typeInto(edit, typed);
    QTest::keyClick(edit, Qt::Key_Return); // dropped
    QCOMPARE(edit->text(), shown);
    const DtmfSettings &dtmf = program.session.data().dtmf;
    const std::string stored = field == "Text1(0)"   ? dtmf.autoDialMemories[0]
                               : field == "Text1(7)" ? dtmf.autoDialMemories[7]
                               : field == "Text2"    ? dtmf.aniStartCode
                                                     : dtmf.ownCode;
    QCOMPARE(QString::fromStdString(stored), shown);
}

void DtmfWindowTest::lengthLimits()
{
    Program program;
    DtmfWindow *form = program.open(program.dtmfWindow());
    Program::choosePage(form, "Option2");
    Program::typeInto(Edit(form, "Text2"), "0123456789ABCD*#1");
    QCOMPARE(Edit(form, "Text2")->text(), QStringLiteral("0123456789ABCD*#"));
    Program::typeInto(Edit(form, "Text4"), "aaaaaaaaaaaaaaaab");
    QCOMPARE(Edit(form, "Text4")->text(), QStringLiteral("AAAAAAAAAAAAAAAA"));
    Program::typeInto(Edit(form, "Text3"), "123456789");
    QCOMPARE(Edit(form, "Text3")->text(), QStringLiteral("12345678"));
    QCOMPARE(program.session.data().dtmf.ownCode, std::string("12345678"));
}

void DtmfWindowTest::pastedTextIsFilteredToo()
{
    Program program;
    DtmfWindow *form = program.open(program.dtmfWindow());
    QApplication::clipboard()->setText(QStringLiteral("12-ab EF#"));
    if (QApplication::clipboard()->text() != QStringLiteral("12-ab EF#"))
        QSKIP("no clipboard on this platform");
    QLineEdit *edit = Edit(form, "Text1(1)");
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), QStringLiteral("12AB#"));
    QCOMPARE(program.session.data().dtmf.autoDialMemories[1], std::string("12AB#"));
}

void DtmfWindowTest::pagesSwitchAndTakeTheFocus()
{
    Program program;
    DtmfWindow *form = program.open(program.dtmfWindow());
    auto *frame1 = Program::child<QGroupBox>(form, "Frame1");
    auto *frame2 = Program::child<QGroupBox>(form, "Frame2");
    QVERIFY(frame1->isVisible());
    QVERIFY(!frame2->isVisible());
    QTest::mouseClick(Program::child<QRadioButton>(form, "Option2"), Qt::LeftButton);
    QVERIFY(!frame1->isVisible());
    QVERIFY(frame2->isVisible());
    QTRY_VERIFY(Combo(form, "Combo16")->hasFocus());
    QTest::mouseClick(Program::child<QRadioButton>(form, "Option1"), Qt::LeftButton);
    QVERIFY(frame1->isVisible());
    QTRY_VERIFY(Edit(form, "Text1(0)")->hasFocus());
}

void DtmfWindowTest::newKeepsTheAniEndCode()
{
    Program program;
    DtmfWindow *form = program.open(program.dtmfWindow());
    Program::typeInto(Edit(form, "Text1(3)"), "123");
    Program::choosePage(form, "Option2");
    Program::typeInto(Edit(form, "Text2"), "A1");
    Program::typeInto(Edit(form, "Text4"), "B2");
    Program::typeInto(Edit(form, "Text3"), "C3");
    for (const char *name : {"Combo1", "Combo16", "Combo17", "Combo18"}) {
        QComboBox *combo = Combo(form, name);
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_End);
    }
    QCOMPARE(program.session.data().dtmf.firstDigitDelay, 9);

    program.answers = {IdOk};
    program.action("MNNew")->trigger();
    QCOMPARE(Edit(form, "Text1(3)")->text(), QString());
    QCOMPARE(Edit(form, "Text2")->text(), QString());
    QCOMPARE(Edit(form, "Text3")->text(), QString());
    QCOMPARE(Edit(form, "Text4")->text(), QStringLiteral("B2"));
    QCOMPARE(Combo(form, "Combo1")->currentIndex(), 0);
    QCOMPARE(Combo(form, "Combo16")->currentIndex(), 0);
    QCOMPARE(Combo(form, "Combo17")->currentText(), QStringLiteral("1200毫秒"));
    QCOMPARE(Combo(form, "Combo18")->currentIndex(), 0);
}

void DtmfWindowTest::decodingFillsTheAniEndCode()
{
    Program program;
    DtmfWindow *form = program.dtmfWindow();
    Program::typeInto(Edit(form, "Text2"), "77");
    RadioImage image = program.session.image();
    image.fill(0xFF);
    image[1840] = 0x31;
    image[1841] = 0x32;
    program.session.setImage(image);
    program.session.decodeImage();
    QCOMPARE(Edit(form, "Text4")->text(), QStringLiteral("12"));
    // Fields the image does not carry keep their values.
    QCOMPARE(Edit(form, "Text2")->text(), QStringLiteral("77"));
    // The slot is always written empty.
    program.session.encodeImage();
    image = program.session.image();
    for (int i = 1840; i < 1856; ++i)
        QCOMPARE(image[static_cast<std::size_t>(i)], std::uint8_t(0xFF));
}

void DtmfWindowTest::listsAndCaptionsInBothLanguages()
{
    Program program;
    DtmfWindow *form = program.dtmfWindow();
    QComboBox *delay = Combo(form, "Combo17");
    QCOMPARE(delay->count(), 10);
    QCOMPARE(delay->itemText(9), QStringLiteral("1800毫秒"));
    QComboBox *group = Combo(form, "Combo18");
    QCOMPARE(group->count(), 7);
    QCOMPARE(group->itemText(0), QStringLiteral("空"));
    QCOMPARE(group->itemText(6), QStringLiteral("D"));

    program.switchLanguage(Language::English);
    QCOMPARE(delay->count(), 10);
    QCOMPARE(delay->itemText(0), QStringLiteral("0MS"));
    QCOMPARE(delay->currentText(), QStringLiteral("1200MS"));
    QCOMPARE(group->itemText(0), QStringLiteral("Empty"));
    QCOMPARE(group->itemText(1), QStringLiteral("*"));
    QCOMPARE(Combo(form, "Combo1")->itemText(2), QStringLiteral("Both"));
    QCOMPARE(Program::child<QLabel>(form, "Label1(7)")->text(),
             QStringLiteral("Eight Autodial Memory"));
    QCOMPARE(Program::child<QLabel>(form, "Label32")->text(), QStringLiteral("ANI："));
    QCOMPARE(Program::child<QRadioButton>(form, "Option2")->text(),
             QStringLiteral("Other Features"));
}

void DtmfWindowTest::extensionBlockRoundTripThroughTheWindow()
{
    Program program;
    DtmfWindow *form = program.open(program.dtmfWindow());
    Program::typeInto(Edit(form, "Text1(0)"), "5551234");
    Program::typeInto(Edit(form, "Text1(7)"), "*#0");
    Program::choosePage(form, "Option2");
    Program::typeInto(Edit(form, "Text2"), "101");
    Program::typeInto(Edit(form, "Text4"), "102");
    Program::typeInto(Edit(form, "Text3"), "abcd");
    QComboBox *rate = Combo(form, "Combo16");
    rate->setFocus();
    QTest::keyClick(rate, Qt::Key_Down);
    QComboBox *group = Combo(form, "Combo18");
    group->setFocus();
    QTest::keyClick(group, Qt::Key_Down);
    QTest::keyClick(group, Qt::Key_Down);

    // Saving: the image, then the block after it.
    program.session.encodeImage();
    const std::vector<std::uint8_t> block = EncodeDtmfBlock(program.session.data().dtmf);

    // Opening in another run of the program: the image first, then the block.
    Program next;
    DtmfWindow *opened = next.dtmfWindow();
    next.session.setImage(program.session.image());
    next.session.decodeImage();
    bool decoded = false;
    next.putRecords([&](RadioData &data) { decoded = DecodeDtmfBlock(block, data.dtmf); });
    QVERIFY(decoded);
    QCOMPARE(Edit(opened, "Text1(0)")->text(), QStringLiteral("5551234"));
    QCOMPARE(Edit(opened, "Text1(7)")->text(), QStringLiteral("*#0"));
    QCOMPARE(Edit(opened, "Text2")->text(), QStringLiteral("101"));
    QCOMPARE(Edit(opened, "Text4")->text(), QStringLiteral("102"));
    QCOMPARE(Edit(opened, "Text3")->text(), QStringLiteral("ABCD"));
    QCOMPARE(Combo(opened, "Combo16")->currentIndex(), 1);
    QCOMPARE(Combo(opened, "Combo18")->currentText(), QStringLiteral("#"));
    QCOMPARE(Combo(opened, "Combo17")->currentIndex(), 6);

    // A file without the block: the window shows what the image holds.
    Program plain;
    plain.session.setImage(program.session.image());
    plain.session.decodeImage();
    DtmfSettings dtmf = plain.session.data().dtmf;
    QVERIFY(!DecodeDtmfBlock({}, dtmf));
    QCOMPARE(Edit(plain.dtmfWindow(), "Text4")->text(), QString());
    QCOMPARE(Edit(plain.dtmfWindow(), "Text1(0)")->text(), QString());
}

QTEST_MAIN(DtmfWindowTest)
#include "test_dtmf_window.moc"
