#include "link/qt_line_port.h"

#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <poll.h>
#include <unistd.h>
#endif

namespace q731 {

#ifndef Q_OS_WIN
LinePort *LinePort::create(QObject *parent)
{
    return new QtLinePort(parent);
}

LinePort::OpenError LinePort::probe(const QString &device)
{
    return QtLinePort::probeDevice(device);
}
#endif

QtLinePort::QtLinePort(QObject *parent)
    : LinePort(parent)
    , m_port(this)
{
    connect(&m_port, &QSerialPort::readyRead, this, &QtLinePort::readAvailable);
    connect(&m_port, &QSerialPort::errorOccurred, this, &QtLinePort::failed);
}

QtLinePort::~QtLinePort()
{
    close();
}

void QtLinePort::configure(QSerialPort &port, const QString &device)
{
    port.setPortName(device);
    port.setBaudRate(QSerialPort::Baud9600);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    // Every byte value travels, so no XON/XOFF; the cable has no handshake lines.
    port.setFlowControl(QSerialPort::NoFlowControl);
}

LinePort::OpenError QtLinePort::classify(QSerialPort::SerialPortError error, const QString &device)
{
    switch (error) {
    case QSerialPort::NoError:
        return OpenError::None;
    case QSerialPort::DeviceNotFoundError:
        return OpenError::Missing;
    case QSerialPort::PermissionError:
#ifdef Q_OS_UNIX
        // The driver says "permission" also for a port that another program
        // holds; only the file's own rights tell the two apart.
        if (::access(QFileInfo(device).absoluteFilePath().toLocal8Bit().constData(), R_OK | W_OK) !=
                0 &&
            errno == EACCES)
            return OpenError::PermissionDenied;
#else
        Q_UNUSED(device);
#endif
        return OpenError::Unusable;
    default:
        return OpenError::Unusable;
    }
}

LinePort::OpenError QtLinePort::probeDevice(const QString &device)
{
    if (device.isEmpty())
        return OpenError::Missing;
    QSerialPort port;
    configure(port, device);
    if (!port.open(QIODevice::ReadWrite))
        return classify(port.error(), device);
    port.close();
    return OpenError::None;
}

LinePort::OpenError QtLinePort::open(const QString &device)
{
    close();
    if (device.isEmpty())
        return OpenError::Missing;
    configure(m_port, device);
    if (!m_port.open(QIODevice::ReadWrite)) {
        const OpenError error = classify(m_port.error(), device);
        m_port.clearError();
        return error;
    }
    m_port.clear();
    return OpenError::None;
}

void QtLinePort::send(const QByteArray &bytes)
{
    if (!m_port.isOpen())
        return;
    m_port.clear(QSerialPort::Input);
    // clear() can find the line gone, and failed() has closed it then.
    if (!m_port.isOpen())
        return;
    m_port.write(bytes);
    m_port.flush();
}

void QtLinePort::close()
{
    if (m_port.isOpen()) {
        // The end byte may still sit in the write buffer.
        m_port.flush();
        m_port.close();
    }
    m_port.clearError();
}

void QtLinePort::readAvailable()
{
    const QByteArray bytes = m_port.readAll();
    if (!bytes.isEmpty())
        emit received(bytes);
}

bool QtLinePort::hungUp() const
{
#ifdef Q_OS_UNIX
    pollfd line{static_cast<int>(m_port.handle()), POLLIN, 0};
    if (line.fd < 0)
        return true;
    int ready = 0;
    do {
        ready = ::poll(&line, 1, 0);
    } while (ready < 0 && errno == EINTR);
    return ready > 0 && (line.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
#else
    return true;
#endif
}

void QtLinePort::failed(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::ResourceError:
        // A pulled USB adapter, or a read on a line that is gone.
        break;
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
        // A hung-up line (the cable's far end closed) reads as end of file.
        // The port calls that a read error and, unless errno happens to hold
        // a resource error, keeps polling the line, which stays readable: it
        // would be read tens of thousands of times until the watchdog ends
        // the transfer. Only the line itself tells a hang-up from a passing
        // failure.
        if (!hungUp()) {
            m_port.clearError();
            return;
        }
        break;
    default:
        return;
    }
    // Nothing can be flushed into a device that is gone.
    if (m_port.isOpen())
        m_port.close();
    m_port.clearError();
    emit lost();
}

} // namespace q731
