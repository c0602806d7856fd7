#include "scroll_bars.h"

#include <QApplication>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <QWidget>

namespace q731 {

namespace {

// Events of the window that the bars live on.
constexpr QEvent::Type kWindowEvents[] = {QEvent::Wheel, QEvent::Resize};

// The bars belong to the window: a wheel turned over one of them is handed
// to the window, which scrolls by vertical turns only. A bar on its own would
// also take sideways turns, and the horizontal bar would take vertical ones.
class WindowScrollBar : public QScrollBar
{
public:
    using QScrollBar::QScrollBar;

protected:
    void wheelEvent(QWheelEvent *event) override
    {
        event->accept();
        QWidget *window = parentWidget();
        if (!window)
            return;
        QWheelEvent handed(mapToParent(event->position()), event->globalPosition(),
                           event->pixelDelta(), event->angleDelta(), event->buttons(),
                           event->modifiers(), event->phase(), event->inverted(), event->source());
        QApplication::sendEvent(window, &handed);
    }
};

} // namespace

cScrollBars::cScrollBars(QObject *parent)
    : QObject(parent)
{
}

cScrollBars::~cScrollBars()
{
    release();
}

void cScrollBars::release()
{
    for (int eBar : {Horizontal, Vertical}) {
        delete m_bars[eBar];
        m_bars[eBar] = nullptr;
    }
    if (m_window) {
        for (QEvent::Type type : kWindowEvents)
            GSubclass::DetachMessage(this, m_window, type);
    }
    m_window = nullptr;
}

void cScrollBars::Create(QWidget *window)
{
    release();
    if (!window)
        return;
    m_window = window;
    for (int eBar : {Horizontal, Vertical}) {
        auto *scrollBar =
            new WindowScrollBar(eBar == Horizontal ? Qt::Horizontal : Qt::Vertical, window);
        scrollBar->setObjectName(eBar == Horizontal ? QStringLiteral("HScroll")
                                                    : QStringLiteral("VScroll"));
        scrollBar->setRange(0, 0);
        m_bars[eBar] = scrollBar;
        m_reported[eBar] = 0;
        connect(scrollBar, &QScrollBar::valueChanged, this,
                [this, eBar, scrollBar] { report(eBar, scrollBar->isSliderDown()); });
        connect(scrollBar, &QScrollBar::sliderReleased, this,
                [this, eBar] { report(eBar, false); });
    }
    setOrientation(m_orientation);
    for (QEvent::Type type : kWindowEvents)
        (void)GSubclass::AttachMessage(this, window, type);
    const int lines = QApplication::wheelScrollLines();
    m_wheelLines = lines > 0 ? lines : 3;
    placeBars();
}

QScrollBar *cScrollBars::bar(int eBar) const
{
    return validBar(eBar) ? m_bars[eBar].data() : nullptr;
}

bool cScrollBars::validBar(int eBar) const
{
    return (eBar == Horizontal || eBar == Vertical) && m_bars[eBar];
}

QRect cScrollBars::clientRect() const
{
    if (!m_window)
        return {};
    QRect client = m_window->rect();
    if (Visible(Vertical))
        client.setRight(client.right() - m_bars[Vertical]->sizeHint().width());
    if (Visible(Horizontal))
        client.setBottom(client.bottom() - m_bars[Horizontal]->sizeHint().height());
    return client;
}

void cScrollBars::placeBars()
{
    if (!m_window)
        return;
    const QRect client = clientRect();
    if (QScrollBar *vertical = m_bars[Vertical])
        vertical->setGeometry(client.right() + 1, 0, vertical->sizeHint().width(), client.height());
    if (QScrollBar *horizontal = m_bars[Horizontal])
        horizontal->setGeometry(0, client.bottom() + 1, client.width(),
                                horizontal->sizeHint().height());
}

void cScrollBars::setOrientation(int orientation)
{
    m_orientation = orientation;
    if (validBar(Horizontal))
        m_bars[Horizontal]->setVisible(orientation == 0 || orientation == 2);
    if (validBar(Vertical))
        m_bars[Vertical]->setVisible(orientation == 1 || orientation == 2);
    placeBars();
}

bool cScrollBars::Visible(int eBar) const
{
    return validBar(eBar) && !m_bars[eBar]->isHidden();
}

void cScrollBars::setVisible(int eBar, bool visible)
{
    if (!validBar(eBar))
        return;
    m_bars[eBar]->setVisible(visible);
    placeBars();
}

bool cScrollBars::Enabled(int eBar) const
{
    return validBar(eBar) && m_bars[eBar]->isEnabled();
}

void cScrollBars::setEnabled(int eBar, bool enabled)
{
    if (validBar(eBar))
        m_bars[eBar]->setEnabled(enabled);
}

int cScrollBars::Min(int eBar) const
{
    return validBar(eBar) ? m_bars[eBar]->minimum() : 0;
}

void cScrollBars::setMin(int eBar, int value)
{
    if (!validBar(eBar))
        return;
    // A value pushed along by the new minimum is not the user's scrolling.
    m_quiet = true;
    m_bars[eBar]->setMinimum(value);
    m_quiet = false;
}

// The bar's own maximum is already the range maximum less the page size.
int cScrollBars::Max(int eBar) const
{
    return validBar(eBar) ? m_bars[eBar]->maximum() : 0;
}

void cScrollBars::setMax(int eBar, int value)
{
    if (!validBar(eBar))
        return;
    m_bars[eBar]->setMaximum(value);
    report(eBar, false);
}

int cScrollBars::Value(int eBar) const
{
    return validBar(eBar) ? m_bars[eBar]->value() : 0;
}

void cScrollBars::setValue(int eBar, int value)
{
    if (!validBar(eBar) || m_bars[eBar]->value() == value)
        return;
    m_bars[eBar]->setValue(value);
    report(eBar, false);
}

int cScrollBars::LargeChange(int eBar) const
{
    return validBar(eBar) ? m_bars[eBar]->pageStep() : 0;
}

void cScrollBars::setLargeChange(int eBar, int value)
{
    if (validBar(eBar))
        m_bars[eBar]->setPageStep(value);
}

int cScrollBars::SmallChange(int eBar) const
{
    return validBar(eBar) ? m_bars[eBar]->singleStep() : 0;
}

void cScrollBars::setSmallChange(int eBar, int value)
{
    if (validBar(eBar))
        m_bars[eBar]->setSingleStep(value);
}

void cScrollBars::report(int eBar, bool scrolling)
{
    if (m_quiet || !validBar(eBar) || m_bars[eBar]->value() == m_reported[eBar])
        return;
    if (scrolling)
        emit Scroll(eBar);
    else
        emit Change(eBar);
    if (validBar(eBar))
        m_reported[eBar] = m_bars[eBar]->value();
}

void cScrollBars::WindowProc(QObject *window, QEvent *event, int &result)
{
    switch (event->type()) {
    case QEvent::Wheel: {
        auto *wheel = static_cast<QWheelEvent *>(event);
        // Partial notches (touchpads) add nothing until a whole one is reached.
        const int notches = wheel->angleDelta().y() / 120;
        int amount = -notches * SmallChange(Vertical) * m_wheelLines;
        emit MouseWheel(Vertical, amount);
        if (amount != 0) {
            setValue(Vertical, Value(Vertical) + amount);
            result = 1;
        }
        break;
    }
    case QEvent::Resize:
        if (window == m_window)
            placeBars();
        break;
    default:
        break;
    }
}

} // namespace q731
