#pragma once

// A simulated radio on a pseudo-terminal served from a thread of its own, as a
// real radio is a device of its own: nothing done on the radio's side, its
// system calls included, runs on the program's thread. A pulled cable then
// reaches the program exactly as it does from another process.

#include "link/pty_radio.h"

#include <QMetaObject>
#include <QObject>
#include <QString>
#include <QThread>

#include <memory>

namespace q731::testing {

class RadioThread
{
public:
    RadioThread()
    {
        m_thread.start();
        m_context.moveToThread(&m_thread);
        run([](PtyRadio &) {});
    }

    ~RadioThread()
    {
        QMetaObject::invokeMethod(
            &m_context, [this] { m_radio.reset(); }, Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }

    RadioThread(const RadioThread &) = delete;
    RadioThread &operator=(const RadioThread &) = delete;

    bool isOpen() const { return m_open; }
    QString devicePath() const { return m_path; }

    // Runs `f` on the radio's thread and waits for it.
    template<typename F>
    void run(F f)
    {
        QMetaObject::invokeMethod(
            &m_context,
            [this, &f] {
                if (!m_radio) {
                    m_radio = std::make_unique<PtyRadio>();
                    m_open = m_radio->open();
                    m_path = m_radio->devicePath();
                }
                f(*m_radio);
            },
            Qt::BlockingQueuedConnection);
    }

private:
    QThread m_thread;
    QObject m_context;
    std::unique_ptr<PtyRadio> m_radio;
    bool m_open = false;
    QString m_path;
};

} // namespace q731::testing
