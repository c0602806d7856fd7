#include "editor_program.h"

#include "editors/fm_window.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

using namespace q731;
using q731::testing::Program;

namespace {

struct Fm
{
    FmWindow *form;
    QTableWidget *grid;
    QLineEdit *cellEditor;
    QLineEdit *frequency;
    QLabel *message;

    explicit Fm(Program &program)
        : form(program.open(program.fmWindow()))
        , grid(Program::child<QTableWidget>(form, "MSFGrid"))
        , cellEditor(Program::child<QLineEdit>(form, "Text1"))
        , frequency(Program::child<QLineEdit>(form, "Text2"))
        , message(Program::child<QLabel>(form, "Label2"))
    {
    }

    QString cell(int channel) const { return grid->item(channel - 1, 1)->text(); }

    // Clicks a channel's row, types and ends the entry with Enter.
    void enter(int channel, const QString &typed, int column = 1)
    {
        const QRect rect = grid->visualItemRect(grid->item(channel - 1, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
        QVERIFY(cellEditor->isVisible());
        QTRY_VERIFY(cellEditor->hasFocus());
        cellEditor->selectAll();
        if (typed.isEmpty())
            QTest::keyClick(cellEditor, Qt::Key_Delete);
        else
            QTest::keyClicks(cellEditor, typed);
        QTest::keyClick(cellEditor, Qt::Key_Return);
        QTRY_VERIFY(!cellEditor->isVisible());
    }

    void enterFrequency(const QString &typed)
    {
        Program::typeInto(frequency, typed);
        QTest::keyClick(frequency, Qt::Key_Return);
        QTRY_VERIFY(!frequency->hasFocus());
    }

    void click(const char *button)
    {
        QTest::mouseClick(Program::child<QPushButton>(form, button), Qt::LeftButton);
    }
};

const QString kChannelMessage = QStringLiteral("超出频率范围(76-108)，请重输。");

} // namespace

class FmWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void channelEntry_data();
    void channelEntry();
    void channelNumberColumnIsNeverEdited();
    void messageStaysUntilClicked();
    void frequencyBox_data();
    void frequencyBox();
    void cancelKeepsPendingEditsAndOkCommitsThem();
    void clearedChannelIsEmptyInTheImage();
    void decodingReloadsTheWindow();
    void captionsFollowTheLanguage();
};

void FmWindowTest::channelEntry_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("refused");
    QTest::newRow("107.95") << "107.95"
                            << "107.95" << false;
    QTest::newRow("107.96") << "107.96"
                            << "90.00" << true;
    QTest::newRow("75.99") << "75.99"
                           << "90.00" << true;
    QTest::newRow("76") << "76"
                        << "76.00" << false;
    QTest::newRow("88") << "88"
                        << "88.00" << false;
    QTest::newRow("88.5") << "88.5"
                          << "88.50" << false;
    QTest::newRow("88.57") << "88.57"
                           << "88.55" << false;
    QTest::newRow("88.541") << "88.541"
                            << "88.50" << false;
    QTest::newRow("letters dropped") << "9a9.1"
                                     << "99.10" << false;
    QTest::newRow("not a number") << "8.8.8"
                                  << "90.00" << false;
    QTest::newRow("more digits than a number holds") << QString(400, '9') << "90.00" << true;
    QTest::newRow("empty") << ""
                           << "" << false;
}

void FmWindowTest::channelEntry()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(bool, refused);
    Program program;
    program.putRecords([](RadioData &data) { data.fm.channel(5) = "90.00"; });
    Fm fm(program);
    fm.enter(5, typed);
    QCOMPARE(fm.cell(5), stored);
    QCOMPARE(fm.message->isVisible(), refused);
    if (refused) {
        QCOMPARE(fm.message->text(), kChannelMessage);
        QVERIFY(fm.cellEditor->text().isEmpty());
    }
    // Only OK reaches the record.
    QCOMPARE(program.session.data().fm.channel(5), std::string("90.00"));
}

void FmWindowTest::channelNumberColumnIsNeverEdited()
{
    Program program;
    Fm fm(program);
    fm.enter(3, "100", 0);
    QCOMPARE(fm.grid->item(2, 0)->text(), QStringLiteral("3"));
    QCOMPARE(fm.cell(3), QStringLiteral("100.00"));
}

void FmWindowTest::messageStaysUntilClicked()
{
    Program program;
    Fm fm(program);
    fm.enter(1, "200");
    QVERIFY(fm.message->isVisible());
    fm.enter(2, "99.9");
    QCOMPARE(fm.cell(2), QStringLiteral("99.90"));
    QVERIFY(fm.message->isVisible());
    QTest::mouseClick(fm.message, Qt::LeftButton);
    QVERIFY(!fm.message->isVisible());
    QVERIFY(fm.cellEditor->text().isEmpty());
}

void FmWindowTest::frequencyBox_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("refused");
    QTest::newRow("107.99") << "107.99"
                            << "107.95" << false;
    QTest::newRow("108") << "108"
                         << "" << true;
    QTest::newRow("75.99") << "75.99"
                           << "" << true;
    QTest::newRow("76.01") << "76.01"
                           << "76.00" << false;
    QTest::newRow("empty") << ""
                           << "" << false;
    QTest::newRow("not a number") << "1.2.3"
                                  << "1.2.3" << false;
    QTest::newRow("more digits than a number holds") << QString(400, '9') << "" << true;
}

void FmWindowTest::frequencyBox()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(bool, refused);
    Program program(Language::English);
    Fm fm(program);
    fm.enterFrequency(typed);
    QCOMPARE(fm.frequency->text(), shown);
    QCOMPARE(fm.message->isVisible(), refused);
    if (refused) {
        QCOMPARE(fm.message->text(),
                 QStringLiteral("Beyond the scope of frequency(76-107.95), please input again."));
    }
}

void FmWindowTest::cancelKeepsPendingEditsAndOkCommitsThem()
{
    Program program;
    Fm fm(program);
    auto *sub = qobject_cast<QMdiSubWindow *>(fm.form->parentWidget());
    QVERIFY(sub);
    fm.enter(1, "88.8");
    fm.enterFrequency("99");
    QComboBox *channel = Program::child<QComboBox>(fm.form, "Combo1(0)");
    channel->setFocus();
    channel->lineEdit()->selectAll();
    QTest::keyClicks(channel, "12");
    QComboBox *step = Program::child<QComboBox>(fm.form, "Combo1(2)");
    step->setFocus();
    QTest::keyClick(step, Qt::Key_End);

    fm.click("Command2");
    QVERIFY(!sub->isVisible());
    const FmSettings &record = program.session.data().fm;
    QCOMPARE(record.channel(1), std::string());
    QCOMPARE(record.FmFrequencyText, std::string());
    QCOMPARE(record.FmStep, 0);

    program.action("MNFMset")->setEnabled(true);
    program.action("MNFMset")->trigger();
    QVERIFY(sub->isVisible());
    QCOMPARE(fm.cell(1), QStringLiteral("88.80"));
    QCOMPARE(fm.frequency->text(), QStringLiteral("99.00"));

    fm.click("Command1");
    QVERIFY(!sub->isVisible());
    QCOMPARE(record.channel(1), std::string("88.80"));
    QCOMPARE(record.FmFrequencyText, std::string("99.00"));
    QCOMPARE(record.FmCurrentChannel, 12);
    QCOMPARE(record.FmStep, 2);
    program.session.encodeImage();
    const RadioImage &image = program.session.image();
    QCOMPARE(image[1888], std::uint8_t(0x01));
    QCOMPARE(image[1889], std::uint8_t(0x00));
    QCOMPARE(image[1952], std::uint8_t(0x0C));
    QCOMPARE(image[1954], std::uint8_t(2));
    QCOMPARE(image[1956], std::uint8_t(0x01)); // (99 - 76) * 20 = 460 = 0x01CC
    QCOMPARE(image[1957], std::uint8_t(0xCC));
}

void FmWindowTest::clearedChannelIsEmptyInTheImage()
{
    Program program;
    program.putRecords([](RadioData &data) { data.fm.channel(7) = "100.00"; });
    Fm fm(program);
    QCOMPARE(fm.cell(7), QStringLiteral("100.00"));
    fm.enter(7, "");
    QCOMPARE(fm.cell(7), QString());
    fm.click("Command1");
    program.session.encodeImage();
    QCOMPARE(program.session.image()[1900], std::uint8_t(0xFF));
    QCOMPARE(program.session.image()[1901], std::uint8_t(0xFF));
}

void FmWindowTest::decodingReloadsTheWindow()
{
    Program program;
    Fm fm(program);
    fm.enter(2, "95"); // a pending entry, replaced by the decoded one
    RadioImage image = program.session.image();
    image.fill(0xFF);
    image[1890] = 0x02; // channel 2: 107.95
    image[1891] = 0x7F;
    image[1952] = 12;
    image[1953] = 1;
    image[1954] = 7; // no entry of the step list
    image[1956] = 0x00;
    image[1957] = 0xF8; // 76 + 248 * 0.05 = 88.40
    program.session.setImage(image);
    program.session.decodeImage();
    QCOMPARE(fm.cell(2), QStringLiteral("107.95"));
    QCOMPARE(fm.cell(1), QString());
    QCOMPARE(fm.frequency->text(), QStringLiteral("88.40"));
    QCOMPARE(Program::child<QComboBox>(fm.form, "Combo1(0)")->currentText(), QStringLiteral("12"));
    QCOMPARE(Program::child<QComboBox>(fm.form, "Combo1(1)")->currentIndex(), 1);
    QCOMPARE(Program::child<QComboBox>(fm.form, "Combo1(2)")->currentIndex(), 0);
    // The raw step goes back as it came.
    program.session.encodeImage();
    image = program.session.image();
    QCOMPARE(image[1954], std::uint8_t(7));
    QCOMPARE(image[1952], std::uint8_t(12));
}

void FmWindowTest::captionsFollowTheLanguage()
{
    Program program;
    Fm fm(program);
    QCOMPARE(fm.grid->rowCount(), 32);
    QCOMPARE(fm.grid->item(31, 0)->text(), QStringLiteral("32"));
    QCOMPARE(fm.grid->horizontalHeaderItem(1)->text(), QStringLiteral("频率(MHz)"));
    program.switchLanguage(Language::English);
    QCOMPARE(fm.form->windowTitle(), QStringLiteral("FM Channel Set"));
    QCOMPARE(fm.grid->horizontalHeaderItem(0)->text(), QStringLiteral("Channel"));
    QCOMPARE(Program::child<QComboBox>(fm.form, "Combo1(1)")->itemText(1),
             QStringLiteral("Frequency"));
    QCOMPARE(Program::child<QPushButton>(fm.form, "Command2")->text(), QStringLiteral("Cancel"));
    fm.enter(1, "50");
    QCOMPARE(fm.message->text(),
             QStringLiteral("Beyond the scope of frequency(76-108), please input again."));
}

QTEST_MAIN(FmWindowTest)
#include "test_fm_window.moc"
