#include "link/pty_radio.h"

#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#ifdef __linux__
#include <sys/timerfd.h>
#endif

namespace q731 {

namespace {

QString SystemError(const char *what)
{
    return QStringLiteral("%1: %2").arg(QString::fromLatin1(what),
                                        QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

PtyRadio::PtyRadio(QObject *parent)
    : QObject(parent)
{
}

PtyRadio::~PtyRadio()
{
    closeTerminal();
    if (m_alarmFd >= 0)
        ::close(m_alarmFd);
}

bool PtyRadio::open()
{
    if (isOpen())
        return true;
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0) {
        m_error = SystemError("posix_openpt");
        return false;
    }
    if (::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        m_error = SystemError("grantpt/unlockpt");
        ::close(master);
        return false;
    }
    const char *name = ::ptsname(master);
    const int slave = name ? ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK) : -1;
    if (slave < 0) {
        m_error = SystemError("open slave");
        ::close(master);
        return false;
    }
    // Raw both ways: no echo, no line editing, no CR/LF translation, so every
    // byte value crosses unchanged even before a program sets the line up.
    termios settings{};
    if (::tcgetattr(slave, &settings) == 0) {
        ::cfmakeraw(&settings);
        ::cfsetispeed(&settings, B9600);
        ::cfsetospeed(&settings, B9600);
        ::tcsetattr(slave, TCSANOW, &settings);
    }
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    m_master = master;
    m_slave = slave;
    m_path = QString::fromLocal8Bit(name);

    m_reader = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_reader, &QSocketNotifier::activated, this, &PtyRadio::readProgram);

    if (!m_alarm && !m_fallbackAlarm) {
#ifdef __linux__
        // Millisecond timers would add up to a millisecond to every reply of
        // a paced transfer; a timer file fires to the microsecond.
        m_alarmFd = ::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
#endif
        if (m_alarmFd >= 0) {
            m_alarm = new QSocketNotifier(m_alarmFd, QSocketNotifier::Read, this);
            connect(m_alarm, &QSocketNotifier::activated, this, [this] {
                std::uint64_t expirations = 0;
                [[maybe_unused]] auto n = ::read(m_alarmFd, &expirations, sizeof expirations);
                serve();
            });
        } else {
            m_fallbackAlarm = new QTimer(this);
            m_fallbackAlarm->setSingleShot(true);
            m_fallbackAlarm->setTimerType(Qt::PreciseTimer);
            connect(m_fallbackAlarm, &QTimer::timeout, this, &PtyRadio::serve);
        }
    }
    return true;
}

void PtyRadio::readProgram()
{
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        m_bytesIn += n;
        emit traffic(true, QByteArray(buffer, static_cast<qsizetype>(n)));
        RadioSimulator::Chunk bytes(buffer, buffer + n);
        const Clock::time_point now = Clock::now();
        if (m_paced) {
            // The radio has the bytes once the last one has crossed the line.
            m_toRadioFree = std::max(now, m_toRadioFree) + n * kByteTime;
            enqueue({m_toRadioFree, true, std::move(bytes)});
        } else {
            enqueue({now, true, std::move(bytes)});
        }
    }
    serve();
}

void PtyRadio::enqueue(Pending pending)
{
    const auto later =
        std::upper_bound(m_pending.begin(), m_pending.end(), pending.due,
                         [](Clock::time_point due, const Pending &p) { return due < p.due; });
    m_pending.insert(later, std::move(pending));
}

void PtyRadio::feedRadio(const RadioSimulator::Chunk &bytes, Clock::time_point at)
{
    const int endsBefore = m_simulator.endsReceived();
    Clock::time_point due = at;
    for (auto &chunk : m_simulator.feed(bytes)) {
        if (m_paced) {
            due = std::max(due, m_toProgramFree) + static_cast<int>(chunk.size()) * kByteTime;
            m_toProgramFree = due;
        }
        enqueue({due, false, std::move(chunk)});
    }
    if (m_simulator.pulled())
        m_pullWhenSent = true;
    if (m_simulator.endsReceived() > endsBefore)
        emit endReceived();
}

void PtyRadio::serve()
{
    if (!isOpen())
        return;
    const Clock::time_point now = Clock::now();
    // Unpaced, split replies still leave one piece per pass of the event
    // loop, so the program gets a chance to read each one on its own.
    const bool onePiece = !m_paced && m_simulator.faults().splitReplies;
    bool wrote = false;
    while (!m_pending.empty() && m_pending.front().due <= now) {
        if (m_pending.front().toRadio) {
            Pending p = std::move(m_pending.front());
            m_pending.pop_front();
            feedRadio(p.bytes, p.due);
            continue;
        }
        if (onePiece && wrote)
            break;
        if (!writeProgram(m_pending.front().bytes)) {
            // The terminal's buffer is full; try again shortly.
            m_pending.front().due = now + std::chrono::milliseconds(1);
            break;
        }
        m_pending.pop_front();
        wrote = true;
    }
    keepFlooding(now);
    if (m_pending.empty() && m_pullWhenSent) {
        pullCable();
        return;
    }
    if (!m_pending.empty())
        arm(std::max(now, m_pending.front().due));
}

void PtyRadio::keepFlooding(Clock::time_point now)
{
    if (!m_simulator.isFlooding() || m_pullWhenSent)
        return;
    // One piece on its way at a time: the stream goes as fast as the line
    // (or, unpaced, the terminal) takes it.
    for (const Pending &p : m_pending) {
        if (!p.toRadio)
            return;
    }
    RadioSimulator::Chunk piece = m_simulator.stream();
    Clock::time_point due = now;
    if (m_paced) {
        due = std::max(now, m_toProgramFree) + static_cast<int>(piece.size()) * kByteTime;
        m_toProgramFree = due;
    }
    enqueue({due, false, std::move(piece)});
}

bool PtyRadio::writeProgram(RadioSimulator::Chunk &bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(m_master, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN)
            return false;
        if (n <= 0) {
            bytes.clear(); // nobody can read it
            return true;
        }
        m_bytesOut += n;
        emit traffic(false, QByteArray(reinterpret_cast<const char *>(bytes.data()),
                                       static_cast<qsizetype>(n)));
        bytes.erase(bytes.begin(), bytes.begin() + n);
    }
    return true;
}

void PtyRadio::arm(Clock::time_point when)
{
    if (m_alarmFd >= 0) {
#ifdef __linux__
        const auto since =
            std::chrono::duration_cast<std::chrono::nanoseconds>(when.time_since_epoch());
        itimerspec alarm{};
        alarm.it_value.tv_sec = static_cast<time_t>(since.count() / 1'000'000'000);
        alarm.it_value.tv_nsec = static_cast<long>(since.count() % 1'000'000'000);
        if (alarm.it_value.tv_sec == 0 && alarm.it_value.tv_nsec == 0)
            alarm.it_value.tv_nsec = 1; // zero would disarm it
        ::timerfd_settime(m_alarmFd, TFD_TIMER_ABSTIME, &alarm, nullptr);
#endif
        return;
    }
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(when - Clock::now());
    m_fallbackAlarm->start(std::max<int>(0, static_cast<int>(wait.count())));
}

void PtyRadio::pullCable()
{
    if (!isOpen())
        return;
    closeTerminal();
    emit cablePulled();
}

void PtyRadio::putOnLine(const QByteArray &bytes)
{
    if (!isOpen())
        return;
    // A full terminal takes what it can; the rest is lost, as noise is.
    RadioSimulator::Chunk chunk(bytes.begin(), bytes.end());
    writeProgram(chunk);
}

void PtyRadio::closeTerminal()
{
    m_pending.clear();
    m_pullWhenSent = false;
    // The cable may go from inside the reader's own notification.
    if (m_reader) {
        m_reader->setEnabled(false);
        m_reader->deleteLater();
    }
    m_reader = nullptr;
    if (m_master >= 0)
        ::close(m_master);
    if (m_slave >= 0)
        ::close(m_slave);
    m_master = -1;
    m_slave = -1;
}

} // namespace q731
