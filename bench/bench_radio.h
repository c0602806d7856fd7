// What the link benchmarks share: the simulated radio served from a thread of
// its own, as a real radio is a device of its own, so its pacing never waits
// for the program under test; and one transfer on the serial link alone, as
// q731-cli runs it.
#pragma once

#include "link/pty_radio.h"
#include "link/serial_link.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <functional>

namespace q731::bench {

class RadioThread
{
public:
    // `fill` writes the radio's memory before it serves.
    RadioThread(bool paced, const std::function<void(RadioSimulator::Memory &)> &fill)
    {
        m_thread.start();
        m_inThread.moveToThread(&m_thread);
        QMetaObject::invokeMethod(
            &m_inThread,
            [&] {
                m_radio = new PtyRadio;
                m_radio->open();
                m_radio->setPaced(paced);
                fill(m_radio->simulator().memory());
                m_device = m_radio->devicePath();
            },
            Qt::BlockingQueuedConnection);
    }

    ~RadioThread()
    {
        QMetaObject::invokeMethod(
            &m_inThread, [this] { delete m_radio; }, Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }

    RadioThread(const RadioThread &) = delete;
    RadioThread &operator=(const RadioThread &) = delete;

    QString device() const { return m_device; }

    // The time the bytes exchanged so far take on a 9600 8N1 line. Each end
    // byte is sent as its transfer ends; nobody waits for it.
    double wireSeconds()
    {
        std::int64_t bytes = 0;
        QMetaObject::invokeMethod(
            &m_inThread,
            [&] {
                bytes = m_radio->bytesFromProgram() + m_radio->bytesToProgram() -
                        m_radio->simulator().endsReceived();
            },
            Qt::BlockingQueuedConnection);
        return bytes * std::chrono::duration<double>(PtyRadio::kByteTime).count();
    }

private:
    QThread m_thread;
    QObject m_inThread;
    PtyRadio *m_radio = nullptr;
    QString m_device;
};

struct LinkRun
{
    bool opened = false;
    LinkProtocol::Outcome outcome = LinkProtocol::Outcome::None;
    // From opening the port to the transfer's end.
    double seconds = 0;

    bool done(bool write) const
    {
        return outcome == (write ? LinkProtocol::Outcome::WriteCompleted
                                 : LinkProtocol::Outcome::ReadCompleted);
    }
};

// One read or write of `image` on the serial link alone; a transfer that
// does not end within 30 s counts as not done.
inline LinkRun RunLinkTransfer(const QString &device, const RadioImage &image, bool write)
{
    SerialLink link;
    QEventLoop loop;
    LinkRun run;
    QObject::connect(&link, &SerialLink::finished, &loop, [&](LinkProtocol::Outcome outcome) {
        run.outcome = outcome;
        loop.quit();
    });
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    if (link.open(device) != SerialLink::OpenError::None)
        return run;
    run.opened = true;
    if (write)
        link.startWrite(image, 0, false, false);
    else
        link.startRead(image);
    loop.exec();
    run.seconds = clock.nsecsElapsed() / 1e9;
    return run;
}

} // namespace q731::bench
