#pragma once

// One radio on one serial port: owns the QSerialPort and the 50 ms watchdog
// and carries out what the link protocol asks for. Several of these run side
// by side on one event loop when a file goes to several radios.

#include "link/link_protocol.h"

#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QTimer>

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
    QString portError() const { return m_portError; }
    // Blocks moved so far in the current transfer, 0..192.
    int block() const { return m_block; }
    const RadioImage &image() const { return m_protocol.image(); }

signals:
    void progressed();
    void finished();

private:
    bool openPort();
    void carryOut(const LinkProtocol::Step &step);
    void closePort();
    void finish(Result result);
    void readArrived();
    void tick();
    void portFailed(QSerialPort::SerialPortError error);

    QString m_device;
    TraceLog *m_trace = nullptr;
    QSerialPort m_port;
    QTimer m_watchdog;
    LinkProtocol m_protocol;
    bool m_forceBand = false;
    Result m_result = Result::Running;
    QString m_portError;
    int m_block = 0;
};

} // namespace q731::cli
