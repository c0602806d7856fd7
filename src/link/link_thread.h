#pragma once

#include "image/radio_image.h"
#include "link/link_protocol.h"
#include "link/serial_link.h"

#include <QObject>
#include <QString>
#include <QThread>

namespace q731 {

// The serial link of the window program, on a thread of its own: painting,
// message boxes and a window being moved or resized hold the window's
// thread, and none of that may delay a frame to the radio or the watchdog.
// The calls below are carried out on the link's thread and return when it
// has done them; what the link reports comes back as signals on the caller's
// thread, and everything read here is this thread's copy.
class LinkThread : public QObject
{
    Q_OBJECT
public:
    explicit LinkThread(QObject *parent = nullptr);
    // A transfer still running ends as it does when the program closes: the
    // port is closed on the link's thread, then the thread ends.
    ~LinkThread() override;

    LinkThread(const LinkThread &) = delete;
    LinkThread &operator=(const LinkThread &) = delete;

    SerialLink::OpenError open(const QString &device);
    bool startRead(const RadioImage &current);
    bool startWrite(const RadioImage &encoded, int selectedBand, bool bandOverrideMode,
                    bool calibrationMode);
    void answerBandOverride(bool ok);

    // From a start until finished() has been delivered.
    bool isBusy() const { return m_busy; }
    // From bandOverrideQuestion() until it has been answered.
    bool isAskingBand() const { return m_askingBand; }
    // The device of the last open.
    QString device() const { return m_device; }
    // The link's image as the last transfer ended: what a read brought in,
    // what a write sent.
    const RadioImage &image() const { return m_image; }

    // Lives on the link's thread: to be listened to, not called.
    SerialLink *link() const { return m_link; }

signals:
    void progress(int step);
    // The link waits for answerBandOverride(), its watchdog stopped.
    void bandOverrideQuestion();
    // The transfer is over and the port closed; image() holds its result.
    void finished(q731::LinkProtocol::Outcome outcome);

private:
    template<typename F>
    void runOnLink(F f);
    void ended(LinkProtocol::Outcome outcome, const RadioImage &image);

    QThread m_thread;
    SerialLink *m_link = nullptr;
    bool m_busy = false;
    bool m_askingBand = false;
    QString m_device;
    RadioImage m_image{};
};

} // namespace q731
