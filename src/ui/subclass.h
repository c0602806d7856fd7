#pragma once

// Per-widget, per-event interception of events, for the few places where a
// window must handle an event before (or instead of) the widget itself: the
// channel grid's wheel and the channel window's own scroll bars.

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QString>

#include <map>
#include <optional>
#include <vector>

class QWidget;

namespace q731 {

// A receiver of intercepted events.
class ISubclass
{
public:
    virtual ~ISubclass() = default;
    // 0: the handler's result is final, the widget never sees the event;
    // 1: the widget handles the event after the handlers;
    // 2: the widget handles it first and its result reaches the handler.
    virtual int MsgResponse() const = 0;
    virtual void setMsgResponse(int response) = 0;
    // `result` is in/out: what the interception answers for this event.
    virtual void WindowProc(QObject *window, QEvent *event, int &result) = 0;
};

struct SubclassError
{
    enum Code {
        AlreadyHandled,
        InvalidWindow,
        ExternalWindow,
    };

    Code code = InvalidWindow;
    QString source() const;
    QString description() const;
};

// The dispatcher. Its operations are static; one instance lives for the run
// of the program and is the event filter of every widget with an attachment.
class GSubclass : public QObject
{
    Q_OBJECT
public:
    // Handler `iwp` receives `message` events of `window` from now on. Fails
    // for a null window, a window of another thread and a second attachment
    // of the same handler to the same event of the same window.
    [[nodiscard]] static std::optional<SubclassError> AttachMessage(ISubclass *iwp, QObject *window,
                                                                    QEvent::Type message);
    // Removes that attachment; an unknown window or handler is no error. The
    // last detachment gives the window back its own handling.
    static void DetachMessage(ISubclass *iwp, QObject *window, QEvent::Type message);
    // The event type being dispatched (valid inside a handler only).
    static QEvent::Type CurrentMessage();
    // The window's own handling of `event`, as if nothing intercepted it;
    // 1 if it handled the event, 0 otherwise and 0 for a window without
    // attachments.
    static int CallOldWindowProc(QObject *window, QEvent *event);
    static bool IsSubclassed(const QObject *window);
    // Number of handlers attached to `message` of `window`.
    static int HandlerCount(const QObject *window, QEvent::Type message);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    GSubclass() = default;
    static GSubclass &instance();

    struct Window
    {
        int attachments = 0;
        std::map<int, std::vector<ISubclass *>> handlers;
    };
    std::map<const QObject *, Window> m_windows;
    QEvent::Type m_current = QEvent::None;
};

// The grid hook: turns wheel events of the hooked widgets into MouseWheel,
// and the widgets never scroll by their own means.
class SubClassGrid
    : public QObject
    , public ISubclass
{
    Q_OBJECT
public:
    explicit SubClassGrid(QObject *parent = nullptr);
    ~SubClassGrid() override;

    // May be called for several widgets of one grid (its viewport, its bar).
    std::optional<SubclassError> HookGrid(QWidget *window);

    int MsgResponse() const override { return 0; }
    void setMsgResponse(int) override {}
    void WindowProc(QObject *window, QEvent *event, int &result) override;

signals:
    // rotation: 120 per notch, positive away from the user; x, y: screen position.
    void MouseWheel(int rotation, int x, int y);

private:
    std::vector<QPointer<QObject>> m_hooked;
};

} // namespace q731
