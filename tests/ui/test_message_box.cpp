#include "session/session.h"
#include "ui/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace q731;

namespace {

QStringList ButtonTexts(QMessageBox &box)
{
    QStringList texts;
    for (QAbstractButton *button : box.buttons())
        texts << button->text();
    texts.sort();
    return texts;
}

int IdentifierOf(QAbstractButton *button)
{
    return button ? button->property("q731Identifier").toInt() : 0;
}

} // namespace

class MessageBoxTest : public QObject
{
    Q_OBJECT
private slots:
    void buttonTextsFollowTheLanguage_data();
    void buttonTextsFollowTheLanguage();
    void styleGivesIconAndDefaultButton();
    void emptyCaptionShowsTheApplicationTitle();
    void realClicksReturnTheButtonIdentifier_data();
    void realClicksReturnTheButtonIdentifier();
    void escapeOnOkCancelIsCancel();
    void sessionQuestionsAreOkCancelBoxes();
    void boxesSpeakTheSessionsLanguage();
};

void MessageBoxTest::buttonTextsFollowTheLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("style");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("zh ok") << 0 << 0 << QStringList{"确定"};
    QTest::newRow("zh ok/cancel") << 0 << 4385 << QStringList{"取消", "确定"};
    QTest::newRow("zh yes/no") << 0 << 4 << QStringList{"否", "是"};
    QTest::newRow("zh abort/retry/ignore") << 0 << 2 << QStringList{"忽略", "放弃", "重试"};
    QTest::newRow("en ok") << 1 << 48 << QStringList{"OK"};
    QTest::newRow("en ok/cancel") << 1 << 4385 << QStringList{"Cancel", "OK"};
    QTest::newRow("en yes/no/cancel") << 1 << 3 << QStringList{"Cancel", "No", "Yes"};
}

void MessageBoxTest::buttonTextsFollowTheLanguage()
{
    QFETCH(int, language);
    QFETCH(int, style);
    QFETCH(QStringList, texts);
    QStringList seen;
    LocalizedMessageBox(nullptr, static_cast<Language>(language), "text", style, "caption", "title",
                        [&](QMessageBox &box) {
                            seen = ButtonTexts(box);
                            return IdOk;
                        });
    QStringList expected = texts;
    expected.sort();
    QCOMPARE(seen, expected);
}

void MessageBoxTest::styleGivesIconAndDefaultButton()
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int defaultId = 0;
    int escapeId = 0;
    Qt::WindowModality modality = Qt::NonModal;
    LocalizedMessageBox(nullptr, Language::Chinese, "t", StyleOkCancelQuestion, "c", "title",
                        [&](QMessageBox &box) {
                            icon = box.icon();
                            defaultId = IdentifierOf(box.defaultButton());
                            escapeId = IdentifierOf(box.escapeButton());
                            modality = box.windowModality();
                            return IdCancel;
                        });
    QCOMPARE(icon, QMessageBox::Question);
    QCOMPARE(defaultId, int(IdCancel));
    QCOMPARE(escapeId, int(IdCancel));
    QCOMPARE(modality, Qt::ApplicationModal);

    const std::pair<int, QMessageBox::Icon> icons[] = {{16, QMessageBox::Critical},
                                                       {48, QMessageBox::Warning},
                                                       {64, QMessageBox::Information},
                                                       {0, QMessageBox::NoIcon}};
    for (const auto &[style, expected] : icons) {
        LocalizedMessageBox(nullptr, Language::English, "t", style, "c", "title",
                            [&](QMessageBox &box) {
                                icon = box.icon();
                                defaultId = IdentifierOf(box.defaultButton());
                                return IdOk;
                            });
        QCOMPARE(icon, expected);
        QCOMPARE(defaultId, int(IdOk));
    }
}

void MessageBoxTest::emptyCaptionShowsTheApplicationTitle()
{
    QString title;
    LocalizedMessageBox(nullptr, Language::Chinese, "t", 0, "", "Q-731 对讲机编程软件",
                        [&](QMessageBox &box) {
                            title = box.windowTitle();
                            return IdOk;
                        });
    QCOMPARE(title, QStringLiteral("Q-731 对讲机编程软件"));
    LocalizedMessageBox(nullptr, Language::Chinese, "t", 0, "错误", "x", [&](QMessageBox &box) {
        title = box.windowTitle();
        return IdOk;
    });
    QCOMPARE(title, QStringLiteral("错误"));
}

void MessageBoxTest::realClicksReturnTheButtonIdentifier_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("press");
    QTest::addColumn<int>("expected");
    QTest::newRow("ok of ok/cancel") << 4385 << "OK" << int(IdOk);
    QTest::newRow("cancel of ok/cancel") << 4385 << "Cancel" << int(IdCancel);
    QTest::newRow("no of yes/no") << 4 << "No" << int(IdNo);
    QTest::newRow("ok alone") << 64 << "OK" << int(IdOk);
}

void MessageBoxTest::realClicksReturnTheButtonIdentifier()
{
    QFETCH(int, style);
    QFETCH(QString, press);
    QFETCH(int, expected);
    // The box is shown for real; a click on the named button ends it.
    QTimer::singleShot(0, this, [press] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == press)
                QTest::mouseClick(button, Qt::LeftButton);
        }
    });
    const int result =
        LocalizedMessageBox(nullptr, Language::English, "text", style, "caption", "title");
    QCOMPARE(result, expected);
}

void MessageBoxTest::escapeOnOkCancelIsCancel()
{
    QTimer::singleShot(0, this, [] {
        QWidget *box = QApplication::activeModalWidget();
        QVERIFY(box);
        QTest::keyClick(box, Qt::Key_Escape);
    });
    QCOMPARE(LocalizedMessageBox(nullptr, Language::Chinese, "t", 4385, "c", "title"),
             int(IdCancel));
}

void MessageBoxTest::sessionQuestionsAreOkCancelBoxes()
{
    Session session;
    session.setLanguage(Language::English);
    MessageBoxes boxes(session);
    session.setPrompts(&boxes);
    session.alterChannels([](ChannelTable &channels) { channels.rx(1) = "145.12500"; });

    // Shown for real: its look is read and a click on OK answers it.
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int defaultId = 0;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        defaultId = IdentifierOf(box->defaultButton());
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == QLatin1String("OK"))
                QTest::mouseClick(button, Qt::LeftButton);
        }
    });
    QVERIFY(session.startNew());
    QCOMPARE(title, QStringLiteral("Attention"));
    QCOMPARE(text, QStringLiteral("Unsaved data will be lost, sure?"));
    QCOMPARE(icon, QMessageBox::Question);
    QCOMPARE(defaultId, int(IdCancel));
    QCOMPARE(session.bandIndex(), 3);

    session.alterChannels([](ChannelTable &channels) { channels.rx(1) = "435.12500"; });
    QTimer::singleShot(0, this, [] {
        QWidget *box = QApplication::activeModalWidget();
        QVERIFY(box);
        QTest::keyClick(box, Qt::Key_Escape);
    });
    QVERIFY(!session.chooseBand(0));
    QCOMPARE(session.bandIndex(), 3);
    QCOMPARE(session.data().channels.rx(1), std::string("435.12500"));
}

void MessageBoxTest::boxesSpeakTheSessionsLanguage()
{
    Session session;
    MessageBoxes boxes(session);
    QStringList seen;
    boxes.setAnswerer([&](QMessageBox &box) {
        seen << box.windowTitle() << ButtonTexts(box);
        return int(IdOk);
    });
    QCOMPARE(boxes.show(QStringLiteral("t"), StyleOk), int(IdOk));
    session.setLanguage(Language::English);
    QCOMPARE(boxes.show(QStringLiteral("t"), StyleOkCancelQuestion, QStringLiteral("c")),
             int(IdOk));
    QCOMPARE(seen, (QStringList{"Q-731 对讲机编程软件", "确定", "c", "Cancel", "OK"}));
}

QTEST_MAIN(MessageBoxTest)
#include "test_message_box.moc"
