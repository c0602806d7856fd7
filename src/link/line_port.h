#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

namespace q731 {

// The programming cable's serial line as the link needs it: 9600 baud, 8 data
// bits, no parity, one stop bit, no flow control, received bytes as they come
// and a signal when the line is gone. Each system has its own (QSerialPort
// where it serves, Win32 on Windows); create() gives the one built here.
class LinePort : public QObject
{
    Q_OBJECT
public:
    enum class OpenError {
        None,
        Missing,          // no such device (or no device for that number)
        Unusable,         // held by another program or refused by the driver
        PermissionDenied, // the user may not open it (e.g. not in the dialout group)
    };
    Q_ENUM(OpenError)

    using QObject::QObject;

    static LinePort *create(QObject *parent);
    // Opens and closes `device` at once.
    static OpenError probe(const QString &device);

    // Whatever the line held before is dropped.
    virtual OpenError open(const QString &device) = 0;
    virtual bool isOpen() const = 0;
    // Drops what arrived and was not yet delivered (it cannot answer this
    // frame), then puts `bytes` on the line without waiting for the next pass
    // of the event loop. A line that fails here emits lost() before this
    // returns.
    virtual void send(const QByteArray &bytes) = 0;
    // Lets what was sent leave, then closes. Safe on a closed port.
    virtual void close() = 0;

signals:
    void received(const QByteArray &bytes);
    // The line is gone (cable or USB adapter pulled); the port is closed.
    void lost();
};

} // namespace q731
