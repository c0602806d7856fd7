#include "pty_radio.h"

#include "cli/trace_log.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cmath>
#include <cstring>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace q731::cli {

namespace {
// Ten bits a byte at 9600 baud.
constexpr double kMsPerByte = 10.0 * 1000.0 / 9600.0;
const QString kTraceName = QStringLiteral("radio");
} // namespace

PtyRadio::PtyRadio(RadioSimulator &radio, bool paced, TraceLog *trace, QObject *parent)
    : QObject(parent)
    , m_radio(radio)
    , m_paced(paced)
    , m_trace(trace)
{
    m_pace.setSingleShot(true);
    m_pace.setTimerType(Qt::PreciseTimer);
    connect(&m_pace, &QTimer::timeout, this, &PtyRadio::sendNext);
}

PtyRadio::~PtyRadio()
{
#ifndef Q_OS_WIN
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
#endif
}

bool PtyRadio::open()
{
#ifdef Q_OS_WIN
    m_error = QStringLiteral("pseudo-terminals are not available on this system");
    return false;
#else
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    const char *name = ::ptsname(m_master);
    if (!name) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    m_path = QString::fromLocal8Bit(name);
    m_slave = ::open(name, O_RDWR | O_NOCTTY);
    if (m_slave < 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    // Raw from the start: no echo and no line discipline on radio bytes, even
    // before a client sets its own mode.
    termios mode{};
    if (::tcgetattr(m_slave, &mode) == 0) {
        ::cfmakeraw(&mode);
        ::cfsetspeed(&mode, B9600);
        ::tcsetattr(m_slave, TCSANOW, &mode);
    }
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &PtyRadio::readArrived);
    return true;
#endif
}

void PtyRadio::readArrived()
{
#ifndef Q_OS_WIN
    std::uint8_t buffer[512];
    const ssize_t n = ::read(m_master, buffer, sizeof buffer);
    if (n <= 0)
        return;
    const std::span<const std::uint8_t> received(buffer, static_cast<std::size_t>(n));
    if (m_trace)
        m_trace->record(kTraceName, TraceLog::Direction::Received, received);
    const int endsBefore = m_radio.endsReceived();
    for (RadioSimulator::Chunk &chunk : m_radio.feed(received)) {
        if (m_paced)
            m_queue.push_back(std::move(chunk));
        else
            sendChunk(chunk);
    }
    if (m_paced && !m_pace.isActive() && !m_queue.empty())
        m_pace.start(static_cast<int>(std::ceil(m_queue.front().size() * kMsPerByte)));
    if (m_radio.endsReceived() != endsBefore)
        emit sessionEnded();
#endif
}

void PtyRadio::sendNext()
{
    if (m_queue.empty())
        return;
    sendChunk(m_queue.front());
    m_queue.pop_front();
    if (!m_queue.empty())
        m_pace.start(static_cast<int>(std::ceil(m_queue.front().size() * kMsPerByte)));
}

void PtyRadio::sendChunk(const RadioSimulator::Chunk &chunk)
{
#ifndef Q_OS_WIN
    if (m_trace)
        m_trace->record(kTraceName, TraceLog::Direction::Sent, chunk);
    std::size_t done = 0;
    while (done < chunk.size()) {
        const ssize_t n = ::write(m_master, chunk.data() + done, chunk.size() - done);
        if (n <= 0)
            break; // nobody is reading a full line: the bytes are lost, as on a cable
        done += static_cast<std::size_t>(n);
    }
#else
    (void)chunk;
#endif
}

} // namespace q731::cli
