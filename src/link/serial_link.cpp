#include "link/serial_link.h"

#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <poll.h>
#include <unistd.h>
#endif

namespace q731 {

SerialLink::SerialLink(QObject *parent)
    : QObject(parent)
    , m_port(this)
    , m_watchdog(this)
{
    m_port.setObjectName(QStringLiteral("MSComm1"));
    m_watchdog.setObjectName(QStringLiteral("TimerW"));
    m_watchdog.setInterval(LinkProtocol::kTickMs);
    connect(&m_port, &QSerialPort::readyRead, this, &SerialLink::received);
    connect(&m_port, &QSerialPort::errorOccurred, this, &SerialLink::portFailed);
    connect(&m_watchdog, &QTimer::timeout, this, [this] { carryOut(m_protocol.tick()); });
}

SerialLink::~SerialLink()
{
    m_watchdog.stop();
    closePort();
}

void SerialLink::configure(QSerialPort &port, const QString &device)
{
    port.setPortName(device);
    port.setBaudRate(QSerialPort::Baud9600);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    // Every byte value travels, so no XON/XOFF; the cable has no handshake lines.
    port.setFlowControl(QSerialPort::NoFlowControl);
}

SerialLink::OpenError SerialLink::classify(QSerialPort::SerialPortError error,
                                           const QString &device)
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

SerialLink::OpenError SerialLink::probe(const QString &device)
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

SerialLink::OpenError SerialLink::open(const QString &device)
{
    if (isBusy())
        return OpenError::Unusable;
    closePort();
    m_device = device;
    if (device.isEmpty())
        return OpenError::Missing;
    setState(State::Opening);
    configure(m_port, device);
    if (!m_port.open(QIODevice::ReadWrite)) {
        const OpenError error = classify(m_port.error(), device);
        m_port.clearError();
        setState(State::Closed);
        return error;
    }
    // Whatever the line held before is no answer to this transfer.
    m_port.clear();
    setState(State::Open);
    return OpenError::None;
}

void SerialLink::close()
{
    if (!isBusy())
        closePort();
}

bool SerialLink::startRead(const RadioImage &current)
{
    if (m_state != State::Open)
        return false;
    return begin(m_protocol.startRead(current));
}

bool SerialLink::startWrite(const RadioImage &encoded, int selectedBand, bool bandOverrideMode,
                            bool calibrationMode)
{
    if (m_state != State::Open)
        return false;
    return begin(m_protocol.startWrite(encoded, selectedBand, bandOverrideMode, calibrationMode));
}

bool SerialLink::begin(const LinkProtocol::Step &first)
{
    if (first.outcome == LinkProtocol::Outcome::Busy)
        return false;
    setState(State::Running);
    m_watchdog.start();
    carryOut(first);
    return true;
}

void SerialLink::answerBandOverride(bool ok)
{
    if (m_state != State::AskingBand)
        return;
    setState(State::Running);
    if (ok)
        m_watchdog.start();
    carryOut(m_protocol.answerBandOverride(ok));
}

void SerialLink::received()
{
    const QByteArray bytes = m_port.readAll();
    if (!bytes.isEmpty())
        emit traffic(false, bytes);
    if (m_state != State::Running)
        return;
    const auto *first = reinterpret_cast<const std::uint8_t *>(bytes.constData());
    carryOut(m_protocol.feed({first, static_cast<std::size_t>(bytes.size())}));
}

bool SerialLink::lineHungUp() const
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

void SerialLink::portFailed(QSerialPort::SerialPortError error)
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
        if (!lineHungUp()) {
            m_port.clearError();
            return;
        }
        break;
    default:
        return;
    }
    // A pulled cable or USB adapter: waiting for silence would only delay
    // the end by three seconds. Nothing can be flushed into a device that is
    // gone.
    if (m_port.isOpen())
        m_port.close();
    m_port.clearError();
    if (m_state == State::Running || m_state == State::AskingBand)
        carryOut(m_protocol.portLost());
    else
        closePort();
}

void SerialLink::carryOut(const LinkProtocol::Step &step)
{
    if (!step.send.empty() && m_port.isOpen()) {
        const QByteArray bytes(reinterpret_cast<const char *>(step.send.data()),
                               static_cast<qsizetype>(step.send.size()));
        emit traffic(true, bytes);
        // Whatever is waiting on the line arrived before this frame and
        // cannot answer it: a radio streaming ACKs would otherwise acknowledge
        // frames it never saw.
        m_port.clear(QSerialPort::Input);
        if (m_port.isOpen()) {
            m_port.write(bytes);
            // Out now rather than on the next pass of the event loop: the
            // radio waits for every frame.
            m_port.flush();
        }
        // The line failed under the flush or the write, and portFailed()
        // has ended the transfer already.
        if (!m_port.isOpen() && !m_protocol.isActive() && !step.endsTransfer())
            return;
    }
    if (step.progress >= 0)
        emit progress(step.progress);
    if (step.closePort) {
        closePort();
        if (!step.endsTransfer())
            setState(State::Abandoned);
    }
    if (step.outcome == LinkProtocol::Outcome::BandOverrideQuestion) {
        m_watchdog.stop();
        setState(State::AskingBand);
        emit bandOverrideQuestion();
    }
    if (step.endsTransfer()) {
        m_watchdog.stop();
        setState(State::Closed);
        emit finished(step.outcome);
    }
}

void SerialLink::closePort()
{
    if (m_port.isOpen()) {
        // The end byte may still sit in the write buffer.
        m_port.flush();
        m_port.close();
    }
    m_port.clearError();
    if (!m_protocol.isActive())
        setState(State::Closed);
}

void SerialLink::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}

} // namespace q731
