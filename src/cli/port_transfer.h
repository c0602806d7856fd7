#pragma once

// One radio on one port, on the serial owner the window program uses, with
// the outcome as the command line reports it. Several of these run side by
// side on one event loop when a file goes to several radios.

#include "link/serial_link.h"

#include <QObject>
#include <QString>

namespace q731::cli {

class TraceLog;

class PortTransfer : public QObject
{
    Q_OBJECT
public:
    enum class Result {
        Running,
        Completed,
        PortInvalid, // the port cannot be opened
        Silence,     // the watchdog ended it
        BadReply,    // a reply no radio gives (several ACKs, a block for another address)
        PortLost,    // the port failed under us (cable pulled)
        BandRefused,
    };

    PortTransfer(QString device, TraceLog *trace, QObject *parent = nullptr);

    const QString &device() const { return m_device; }
    // Both report through finished(); a port that cannot be opened finishes
    // before they return.
    void startRead();
    void startWrite(const RadioImage &image, int band, bool forceBand, bool calibration);

    Result result() const { return m_result; }
    SerialLink::OpenError openError() const { return m_openError; }
    // Blocks moved so far in the current transfer, 0..192.
    int block() const { return m_block; }
    const RadioImage &image() const { return m_link.protocol().image(); }

signals:
    void progressed();
    void finished();

private:
    bool open();
    void ended(LinkProtocol::Outcome outcome);
    void finish(Result result);

    QString m_device;
    TraceLog *m_trace = nullptr;
    SerialLink m_link;
    bool m_forceBand = false;
    Result m_result = Result::Running;
    SerialLink::OpenError m_openError = SerialLink::OpenError::None;
    int m_block = 0;
};

} // namespace q731::cli
