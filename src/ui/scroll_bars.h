#pragma once

// A window's own horizontal and vertical scroll bars, reporting the user's
// scrolling as events, so that the window can move a panel larger than itself.

#include "ui/subclass.h"

#include <QObject>
#include <QPointer>
#include <QRect>

#include <array>

class QScrollBar;
class QWidget;

namespace q731 {

class cScrollBars
    : public QObject
    , public ISubclass
{
    Q_OBJECT
public:
    enum EBar { Horizontal = 0, Vertical = 1 };

    explicit cScrollBars(QObject *parent = nullptr);
    ~cScrollBars() override;

    // Gives `window` the two bars (a previous window loses them).
    void Create(QWidget *window);
    QScrollBar *bar(int eBar) const;
    // The part of the window that the visible bars leave free.
    QRect clientRect() const;

    // 0 horizontal only, 1 vertical only, 2 both.
    int Orientation() const { return m_orientation; }
    void setOrientation(int orientation);
    int Style() const { return m_style; }
    void setStyle(int style) { m_style = style; }
    bool Visible(int eBar) const;
    void setVisible(int eBar, bool visible);
    bool Enabled(int eBar) const;
    void setEnabled(int eBar, bool enabled);
    int Min(int eBar) const;
    void setMin(int eBar, int value);
    int Max(int eBar) const;
    void setMax(int eBar, int value);
    int Value(int eBar) const;
    void setValue(int eBar, int value);
    int LargeChange(int eBar) const;
    void setLargeChange(int eBar, int value);
    int SmallChange(int eBar) const;
    void setSmallChange(int eBar, int value);
    // Lines per wheel notch, read from the system when a window is attached.
    int WheelLines() const { return m_wheelLines; }

    int MsgResponse() const override { return 1; }
    void setMsgResponse(int) override {}
    void WindowProc(QObject *window, QEvent *event, int &result) override;

signals:
    // The thumb is being dragged to a new value.
    void Scroll(int eBar);
    // Any other scrolling ended on a new value.
    void Change(int eBar);
    // The wheel turned over the window; a handler may change or zero lAmount.
    void MouseWheel(int eBar, int &lAmount);

private:
    bool validBar(int eBar) const;
    void report(int eBar, bool scrolling);
    void placeBars();
    void release();

    QPointer<QWidget> m_window;
    std::array<QPointer<QScrollBar>, 2> m_bars;
    std::array<int, 2> m_reported{};
    int m_orientation = 2;
    int m_style = 0;
    int m_wheelLines = 3;
    bool m_quiet = false;
};

} // namespace q731
