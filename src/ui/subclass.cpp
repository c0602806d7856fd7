#include "subclass.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QThread>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>

namespace q731 {

QString SubclassError::source() const
{
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return program + QStringLiteral(".WindowProc");
}

QString SubclassError::description() const
{
    switch (code) {
    case AlreadyHandled:
        return QStringLiteral("Message already handled by another class");
    case InvalidWindow:
        return QStringLiteral("Invalid window");
    case ExternalWindow:
        return QStringLiteral("Can't modify external window");
    }
    return {};
}

GSubclass &GSubclass::instance()
{
    static GSubclass dispatcher;
    return dispatcher;
}

std::optional<SubclassError> GSubclass::AttachMessage(ISubclass *iwp, QObject *window,
                                                      QEvent::Type message)
{
    GSubclass &self = instance();
    if (!window || !iwp)
        return SubclassError{SubclassError::InvalidWindow};
    // Events of an object of another thread are not ours to intercept.
    if (window->thread() != self.thread())
        return SubclassError{SubclassError::ExternalWindow};

    Window &entry = self.m_windows[window];
    std::vector<ISubclass *> &handlers = entry.handlers[message];
    if (std::find(handlers.begin(), handlers.end(), iwp) != handlers.end())
        return SubclassError{SubclassError::AlreadyHandled};
    handlers.push_back(iwp);
    if (entry.attachments == 0) {
        window->installEventFilter(&self);
        connect(window, &QObject::destroyed, &self,
                [window] { instance().m_windows.erase(window); });
    }
    ++entry.attachments;
    return std::nullopt;
}

void GSubclass::DetachMessage(ISubclass *iwp, QObject *window, QEvent::Type message)
{
    GSubclass &self = instance();
    const auto found = self.m_windows.find(window);
    if (found == self.m_windows.end())
        return;
    Window &entry = found->second;
    const auto list = entry.handlers.find(message);
    if (list == entry.handlers.end())
        return;
    const auto position = std::find(list->second.begin(), list->second.end(), iwp);
    if (position == list->second.end())
        return;
    list->second.erase(position);
    if (list->second.empty())
        entry.handlers.erase(list);
    if (--entry.attachments == 0) {
        window->removeEventFilter(&self);
        disconnect(window, &QObject::destroyed, &self, nullptr);
        self.m_windows.erase(found);
    }
}

QEvent::Type GSubclass::CurrentMessage()
{
    return instance().m_current;
}

int GSubclass::CallOldWindowProc(QObject *window, QEvent *event)
{
    if (!IsSubclassed(window) || !event)
        return 0;
    // QObject::event is the object's own handling; event filters (ours
    // included) are not run again.
    return window->event(event) ? 1 : 0;
}

bool GSubclass::IsSubclassed(const QObject *window)
{
    return window && instance().m_windows.count(window) > 0;
}

int GSubclass::HandlerCount(const QObject *window, QEvent::Type message)
{
    const GSubclass &self = instance();
    const auto found = self.m_windows.find(window);
    if (found == self.m_windows.end())
        return 0;
    const auto list = found->second.handlers.find(message);
    return list == found->second.handlers.end() ? 0 : static_cast<int>(list->second.size());
}

bool GSubclass::eventFilter(QObject *watched, QEvent *event)
{
    const auto found = m_windows.find(watched);
    if (found == m_windows.end())
        return false;
    const auto list = found->second.handlers.find(event->type());
    if (list == found->second.handlers.end() || list->second.empty())
        return false;

    // A copy: a handler may detach another one while it runs.
    const std::vector<ISubclass *> handlers = list->second;
    const QEvent::Type outer = m_current;
    int result = 0;
    bool ownHandlingDone = false;
    // The handler attached first runs last and decides about the widget.
    for (std::size_t k = handlers.size(); k >= 1; --k) {
        m_current = event->type();
        ISubclass *handler = handlers[k - 1];
        if (k == 1 && handler->MsgResponse() == 2 && !ownHandlingDone) {
            result = watched->event(event) ? 1 : 0;
            ownHandlingDone = true;
        }
        handler->WindowProc(watched, event, result);
    }
    m_current = outer;
    if (handlers.front()->MsgResponse() == 1 && !ownHandlingDone)
        return false; // the widget's own handling follows in the normal way
    return true;
}

SubClassGrid::SubClassGrid(QObject *parent)
    : QObject(parent)
{
}

SubClassGrid::~SubClassGrid()
{
    for (const QPointer<QObject> &window : m_hooked) {
        if (window)
            GSubclass::DetachMessage(this, window, QEvent::Wheel);
    }
}

std::optional<SubclassError> SubClassGrid::HookGrid(QWidget *window)
{
    auto error = GSubclass::AttachMessage(this, window, QEvent::Wheel);
    if (!error)
        m_hooked.emplace_back(window);
    return error;
}

void SubClassGrid::WindowProc(QObject *, QEvent *event, int &result)
{
    if (event->type() == QEvent::Wheel) {
        auto *wheel = static_cast<QWheelEvent *>(event);
        // Only a vertical turn is a rotation. Sideways turns and the empty
        // events that touchpads send at the end of a gesture move nothing.
        if (wheel->angleDelta().y() != 0) {
            const QPoint screen = wheel->globalPosition().toPoint();
            emit MouseWheel(wheel->angleDelta().y(), screen.x(), screen.y());
        }
        wheel->accept();
    }
    result = 0;
}

} // namespace q731
