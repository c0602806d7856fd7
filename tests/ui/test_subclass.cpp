#include "ui/scroll_bars.h"
#include "ui/subclass.h"

#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QWheelEvent>
#include <QWidget>

using namespace q731;

namespace {

const auto kProbe = static_cast<QEvent::Type>(QEvent::User + 1);
const auto kOther = static_cast<QEvent::Type>(QEvent::User + 2);

// A widget that logs when its own handling of the probe event runs.
class ProbeWidget : public QWidget
{
public:
    QStringList *log = nullptr;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == kProbe) {
            *log << QStringLiteral("widget");
            return true;
        }
        return QWidget::event(event);
    }
};

class Recorder : public ISubclass
{
public:
    Recorder(QString name, int response, QStringList &log)
        : m_name(std::move(name))
        , m_response(response)
        , m_log(log)
    {
    }
    int MsgResponse() const override { return m_response; }
    void setMsgResponse(int response) override { m_response = response; }
    void WindowProc(QObject *, QEvent *, int &result) override
    {
        m_log << m_name + QStringLiteral(":") + QString::number(result);
        current = GSubclass::CurrentMessage();
        result = 7;
    }
    QEvent::Type current = QEvent::None;

private:
    QString m_name;
    int m_response;
    QStringList &m_log;
};

QStringList Send(QWidget &widget, QStringList &log)
{
    log.clear();
    QEvent probe(kProbe);
    QCoreApplication::sendEvent(&widget, &probe);
    return log;
}

void Wheel(QWidget *widget, int delta)
{
    const QPointF local(widget->width() / 2.0, widget->height() / 2.0);
    QWheelEvent wheel(local, widget->mapToGlobal(local), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

} // namespace

class SubclassTest : public QObject
{
    Q_OBJECT
private slots:
    void secondAttachOfTheSameHandlerFails();
    void invalidAndForeignWindowsAreRefused();
    void firstAttachedRunsLastAndDecides_data();
    void firstAttachedRunsLastAndDecides();
    void lastDetachRestoresTheWidget();
    void callOldWindowProcNeedsASubclassedWindow();
    void gridHookRaisesTheWheelInsteadOfScrolling();

    void rangeSettersKeepMaxAndReportChanges();
    void keyboardStepsUseSmallAndLargeChange();
    void draggingTheThumbRaisesScroll();
    void wheelMovesByNotchesTimesLinesTimesSmallChange();
    void orientationShowsTheBars();
};

void SubclassTest::secondAttachOfTheSameHandlerFails()
{
    ProbeWidget widget;
    QStringList log;
    widget.log = &log;
    Recorder handler(QStringLiteral("a"), 0, log);
    QVERIFY(!GSubclass::AttachMessage(&handler, &widget, kProbe));
    const auto error = GSubclass::AttachMessage(&handler, &widget, kProbe);
    QVERIFY(error);
    QCOMPARE(error->code, SubclassError::AlreadyHandled);
    QCOMPARE(error->description(), QStringLiteral("Message already handled by another class"));
    QVERIFY(error->source().endsWith(QStringLiteral(".WindowProc")));
    QCOMPARE(GSubclass::HandlerCount(&widget, kProbe), 1);
    // Another event of the same widget is a new attachment.
    QVERIFY(!GSubclass::AttachMessage(&handler, &widget, kOther));
    GSubclass::DetachMessage(&handler, &widget, kProbe);
    GSubclass::DetachMessage(&handler, &widget, kOther);
    QVERIFY(!GSubclass::IsSubclassed(&widget));
}

void SubclassTest::invalidAndForeignWindowsAreRefused()
{
    QStringList log;
    Recorder handler(QStringLiteral("a"), 0, log);
    const auto invalid = GSubclass::AttachMessage(&handler, nullptr, kProbe);
    QVERIFY(invalid);
    QCOMPARE(invalid->code, SubclassError::InvalidWindow);
    QCOMPARE(invalid->description(), QStringLiteral("Invalid window"));

    QThread thread;
    QObject foreign;
    foreign.moveToThread(&thread);
    const auto external = GSubclass::AttachMessage(&handler, &foreign, kProbe);
    QVERIFY(external);
    QCOMPARE(external->code, SubclassError::ExternalWindow);
    QCOMPARE(external->description(), QStringLiteral("Can't modify external window"));
    QVERIFY(!GSubclass::IsSubclassed(&foreign));
    // Detaching what was never attached is no error.
    GSubclass::DetachMessage(&handler, &foreign, kProbe);
    GSubclass::DetachMessage(&handler, nullptr, kProbe);
}

void SubclassTest::firstAttachedRunsLastAndDecides_data()
{
    QTest::addColumn<int>("response");
    QTest::addColumn<QStringList>("expected");
    // c and b run first with no widget result; the first-attached a decides.
    QTest::newRow("0: widget never sees it") << 0 << QStringList{"c:0", "b:7", "a:7"};
    QTest::newRow("1: widget after the handlers")
        << 1 << QStringList{"c:0", "b:7", "a:7", "widget"};
    QTest::newRow("2: widget before the first-attached, its result handed on")
        << 2 << QStringList{"c:0", "b:7", "widget", "a:1"};
}

void SubclassTest::firstAttachedRunsLastAndDecides()
{
    QFETCH(int, response);
    QFETCH(QStringList, expected);
    ProbeWidget widget;
    QStringList log;
    widget.log = &log;
    Recorder a(QStringLiteral("a"), response, log);
    Recorder b(QStringLiteral("b"), 0, log);
    Recorder c(QStringLiteral("c"), 1, log);
    for (Recorder *handler : {&a, &b, &c})
        QVERIFY(!GSubclass::AttachMessage(handler, &widget, kProbe));
    QCOMPARE(Send(widget, log), expected);
    QCOMPARE(a.current, kProbe);
    QCOMPARE(GSubclass::CurrentMessage(), QEvent::None);
    for (Recorder *handler : {&a, &b, &c})
        GSubclass::DetachMessage(handler, &widget, kProbe);
}

void SubclassTest::lastDetachRestoresTheWidget()
{
    ProbeWidget widget;
    QStringList log;
    widget.log = &log;
    Recorder a(QStringLiteral("a"), 0, log);
    Recorder b(QStringLiteral("b"), 0, log);
    QVERIFY(!GSubclass::AttachMessage(&a, &widget, kProbe));
    QVERIFY(!GSubclass::AttachMessage(&b, &widget, kProbe));
    GSubclass::DetachMessage(&a, &widget, kProbe);
    QCOMPARE(Send(widget, log), QStringList{"b:0"});
    QVERIFY(GSubclass::IsSubclassed(&widget));
    GSubclass::DetachMessage(&b, &widget, kProbe);
    QVERIFY(!GSubclass::IsSubclassed(&widget));
    QCOMPARE(Send(widget, log), QStringList{"widget"});

    // A widget destroyed while hooked leaves nothing behind.
    auto *doomed = new ProbeWidget;
    QVERIFY(!GSubclass::AttachMessage(&a, doomed, kProbe));
    delete doomed;
    QCOMPARE(GSubclass::HandlerCount(doomed, kProbe), 0);
}

void SubclassTest::callOldWindowProcNeedsASubclassedWindow()
{
    ProbeWidget widget;
    QStringList log;
    widget.log = &log;
    QEvent probe(kProbe);
    QCOMPARE(GSubclass::CallOldWindowProc(&widget, &probe), 0);
    QVERIFY(log.isEmpty());
    Recorder a(QStringLiteral("a"), 0, log);
    QVERIFY(!GSubclass::AttachMessage(&a, &widget, kProbe));
    QCOMPARE(GSubclass::CallOldWindowProc(&widget, &probe), 1);
    QCOMPARE(log, QStringList{"widget"}); // straight to the widget, no handler
    GSubclass::DetachMessage(&a, &widget, kProbe);
}

void SubclassTest::gridHookRaisesTheWheelInsteadOfScrolling()
{
    QScrollBar bar(Qt::Vertical);
    bar.setRange(0, 100);
    bar.setValue(50);
    bar.resize(20, 200);
    bar.show();
    QList<int> rotations;
    {
        SubClassGrid hook;
        QVERIFY(!hook.HookGrid(&bar));
        QVERIFY(hook.HookGrid(&bar)); // the second hook of one widget is refused
        connect(&hook, &SubClassGrid::MouseWheel, this,
                [&rotations](int rotation, int, int) { rotations << rotation; });
        Wheel(&bar, 120);
        Wheel(&bar, -120);
        QCOMPARE(rotations, (QList<int>{120, -120}));
        QCOMPARE(bar.value(), 50);
    }
    // Destroying the hook gives the bar its wheel back.
    Wheel(&bar, -120);
    QVERIFY(bar.value() > 50);
    QCOMPARE(rotations.size(), 2);
}

void SubclassTest::rangeSettersKeepMaxAndReportChanges()
{
    QWidget window;
    window.resize(300, 200);
    cScrollBars bars;
    bars.Create(&window);
    QCOMPARE(bars.SmallChange(cScrollBars::Vertical), 1);
    QCOMPARE(bars.Orientation(), 2);
    QSignalSpy changes(&bars, &cScrollBars::Change);

    bars.setLargeChange(cScrollBars::Vertical, 40);
    bars.setMax(cScrollBars::Vertical, 100);
    QCOMPARE(bars.Max(cScrollBars::Vertical), 100);
    bars.setLargeChange(cScrollBars::Vertical, 60);
    QCOMPARE(bars.Max(cScrollBars::Vertical), 100);
    bars.setMin(cScrollBars::Vertical, 10);
    QCOMPARE(bars.Max(cScrollBars::Vertical), 100);
    QCOMPARE(bars.Value(cScrollBars::Vertical), 10); // the position follows Min
    QCOMPARE(changes.count(), 0);                    // nothing the user did

    bars.setValue(cScrollBars::Vertical, 30);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.last().at(0).toInt(), int(cScrollBars::Vertical));
    bars.setValue(cScrollBars::Vertical, 30);
    QCOMPARE(changes.count(), 1);
    // Lowering Max below the value moves the value and reports it.
    bars.setMax(cScrollBars::Vertical, 20);
    QCOMPARE(bars.Value(cScrollBars::Vertical), 20);
    QCOMPARE(changes.count(), 2);
}

void SubclassTest::keyboardStepsUseSmallAndLargeChange()
{
    QWidget window;
    window.resize(300, 200);
    cScrollBars bars;
    bars.Create(&window);
    window.show();
    bars.setLargeChange(cScrollBars::Vertical, 25);
    bars.setMax(cScrollBars::Vertical, 100);
    bars.setSmallChange(cScrollBars::Vertical, 2);
    QSignalSpy changes(&bars, &cScrollBars::Change);
    QScrollBar *vertical = bars.bar(cScrollBars::Vertical);
    QTest::keyClick(vertical, Qt::Key_Down);
    QCOMPARE(bars.Value(cScrollBars::Vertical), 2);
    QTest::keyClick(vertical, Qt::Key_PageDown);
    QCOMPARE(bars.Value(cScrollBars::Vertical), 27);
    QTest::keyClick(vertical, Qt::Key_End);
    QCOMPARE(bars.Value(cScrollBars::Vertical), 100);
    QTest::keyClick(vertical, Qt::Key_Down);
    QCOMPARE(bars.Value(cScrollBars::Vertical), 100); // not above Max
    QCOMPARE(changes.count(), 3);
    QTest::keyClick(vertical, Qt::Key_Home);
    QCOMPARE(bars.Value(cScrollBars::Vertical), 0);
    QCOMPARE(changes.count(), 4);
}

void SubclassTest::draggingTheThumbRaisesScroll()
{
    QWidget window;
    window.resize(300, 300);
    cScrollBars bars;
    bars.Create(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    bars.setLargeChange(cScrollBars::Vertical, 10);
    bars.setMax(cScrollBars::Vertical, 100);
    QSignalSpy scrolls(&bars, &cScrollBars::Scroll);
    QSignalSpy changes(&bars, &cScrollBars::Change);
    QScrollBar *vertical = bars.bar(cScrollBars::Vertical);
    const int x = vertical->width() / 2;
    // The thumb sits at the top, just below the up arrow.
    const QPoint thumb(x, vertical->width() + 3);
    QTest::mousePress(vertical, Qt::LeftButton, {}, thumb);
    QVERIFY(vertical->isSliderDown());
    QTest::mouseMove(vertical, thumb + QPoint(0, 40));
    QTest::mouseMove(vertical, thumb + QPoint(0, 80));
    QTest::mouseRelease(vertical, Qt::LeftButton, {}, thumb + QPoint(0, 80));
    QVERIFY(scrolls.count() >= 2);
    QVERIFY(bars.Value(cScrollBars::Vertical) > 0);
    // Every value was reported while dragging: the release has nothing new.
    QCOMPARE(changes.count(), 0);
}

void SubclassTest::wheelMovesByNotchesTimesLinesTimesSmallChange()
{
    QApplication::setWheelScrollLines(3);
    QWidget window;
    window.resize(300, 200);
    cScrollBars bars;
    bars.Create(&window);
    QCOMPARE(bars.WheelLines(), 3);
    bars.setSmallChange(cScrollBars::Vertical, 2);
    bars.setLargeChange(cScrollBars::Vertical, 50);
    bars.setMax(cScrollBars::Vertical, 100);
    bars.setValue(cScrollBars::Vertical, 50);
    QList<int> amounts;
    bool zero = false;
    connect(&bars, &cScrollBars::MouseWheel, this, [&](int eBar, int &amount) {
        QCOMPARE(eBar, int(cScrollBars::Vertical));
        amounts << amount;
        if (zero)
            amount = 0;
    });
    Wheel(&window, -120); // towards the user: down
    QCOMPARE(bars.Value(cScrollBars::Vertical), 56);
    Wheel(&window, 240);
    QCOMPARE(bars.Value(cScrollBars::Vertical), 44);
    Wheel(&window, 60); // half a notch is nothing
    QCOMPARE(bars.Value(cScrollBars::Vertical), 44);
    zero = true;
    Wheel(&window, -120);
    QCOMPARE(bars.Value(cScrollBars::Vertical), 44);
    QCOMPARE(amounts, (QList<int>{6, -12, 0, 6}));
}

void SubclassTest::orientationShowsTheBars()
{
    QWidget window;
    window.resize(300, 200);
    cScrollBars bars;
    bars.Create(&window);
    QVERIFY(bars.Visible(0) && bars.Visible(1));
    QCOMPARE(bars.clientRect().width(), 300 - bars.bar(1)->sizeHint().width());
    bars.setOrientation(1);
    QVERIFY(!bars.Visible(0) && bars.Visible(1));
    QCOMPARE(bars.clientRect().height(), 200);
    bars.setOrientation(0);
    QVERIFY(bars.Visible(0) && !bars.Visible(1));
    bars.setEnabled(0, false);
    QVERIFY(!bars.Enabled(0));
    // A second Create moves the bars to the new window.
    QWidget other;
    bars.Create(&other);
    QCOMPARE(bars.bar(0)->parentWidget(), &other);
    QVERIFY(!GSubclass::IsSubclassed(&window));
}

QTEST_MAIN(SubclassTest)
#include "test_subclass.moc"
