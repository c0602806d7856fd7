#include "link/serial_link.h"

namespace q731 {

SerialLink::SerialLink(QObject *parent)
    : QObject(parent)
    , m_line(LinePort::create(this))
    , m_watchdog(this)
{
    m_line->setObjectName(QStringLiteral("MSComm1"));
    m_watchdog.setObjectName(QStringLiteral("TimerW"));
    m_watchdog.setInterval(LinkProtocol::kTickMs);
    connect(m_line, &LinePort::received, this, &SerialLink::received);
    connect(m_line, &LinePort::lost, this, &SerialLink::lineLost);
    connect(&m_watchdog, &QTimer::timeout, this, [this] { carryOut(m_protocol.tick()); });
}

SerialLink::~SerialLink()
{
    m_watchdog.stop();
    closePort();
}

SerialLink::OpenError SerialLink::probe(const QString &device)
{
    // Each system's line refuses an empty name as a missing device.
    return LinePort::probe(device);
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
    // Whatever the line held before is no answer to this transfer: open()
    // drops it.
    if (const OpenError error = m_line->open(device); error != OpenError::None) {
        setState(State::Closed);
        return error;
    }
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

void SerialLink::received(const QByteArray &bytes)
{
    emit traffic(false, bytes);
    if (m_state != State::Running)
        return;
    const auto *first = reinterpret_cast<const std::uint8_t *>(bytes.constData());
    carryOut(m_protocol.feed({first, static_cast<std::size_t>(bytes.size())}));
}

void SerialLink::lineLost()
{
    // A pulled cable or USB adapter: waiting for silence would only delay
    // the end by three seconds.
    if (m_state == State::Running || m_state == State::AskingBand)
        carryOut(m_protocol.portLost());
    else
        closePort();
}

void SerialLink::carryOut(const LinkProtocol::Step &step)
{
    if (!step.send.empty() && m_line->isOpen()) {
        const QByteArray bytes(reinterpret_cast<const char *>(step.send.data()),
                               static_cast<qsizetype>(step.send.size()));
        emit traffic(true, bytes);
        // Whatever is waiting on the line arrived before this frame and
        // cannot answer it: a radio streaming ACKs would otherwise acknowledge
        // frames it never saw. send() drops it.
        m_line->send(bytes);
        // The line failed under the send, and lineLost() has ended the
        // transfer already.
        if (!m_line->isOpen() && !m_protocol.isActive() && !step.endsTransfer())
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
    m_line->close();
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
