#pragma once

#include "link/radio_simulator.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>

class QSocketNotifier;
class QTimer;

namespace q731 {

// A simulated radio behind a pseudo-terminal: the program opens the device
// path like any serial port. The radio side is served from the event loop of
// the thread that created it. Paced, every byte takes as long in each
// direction as on a 9600 8N1 line. Unix only.
class PtyRadio : public QObject
{
    Q_OBJECT
public:
    using Clock = std::chrono::steady_clock;
    // 10 bits per byte (start, 8 data, stop) at 9600 baud.
    static constexpr std::chrono::nanoseconds kByteTime{1'000'000'000LL * 10 / 9600};

    explicit PtyRadio(QObject *parent = nullptr);
    ~PtyRadio() override;

    // Creates the terminal pair. False with errorString() when the system
    // has none to give.
    bool open();
    bool isOpen() const { return m_master >= 0; }
    QString errorString() const { return m_error; }
    // The path a serial port opens, e.g. /dev/pts/3.
    QString devicePath() const { return m_path; }

    RadioSimulator &simulator() { return m_simulator; }
    // stopAfterBlocks and pullAtMessage in the faults also pull the cable:
    // the terminal is closed once the replies before it are out. An ACK
    // flood streams for as long as the radio floods.
    RadioSimulator::Faults &faults() { return m_simulator.faults(); }

    void setPaced(bool paced) { m_paced = paced; }
    bool isPaced() const { return m_paced; }

    // Closes the radio's side at once: the program's port is hung up, as
    // with a pulled cable.
    void pullCable();
    // Puts bytes on the line to the program at once, past the radio and its
    // pace, as noise on the line would.
    void putOnLine(const QByteArray &bytes);

    std::int64_t bytesFromProgram() const { return m_bytesIn; }
    std::int64_t bytesToProgram() const { return m_bytesOut; }

signals:
    // The program sent the end byte.
    void endReceived();
    void cablePulled();
    // Every byte the program sent (fromProgram) or received, for a trace.
    void traffic(bool fromProgram, const QByteArray &bytes);

private:
    struct Pending
    {
        Clock::time_point due;
        bool toRadio = false; // else: to the program
        RadioSimulator::Chunk bytes;
    };

    void readProgram();
    void serve();
    void arm(Clock::time_point when);
    void enqueue(Pending pending);
    void feedRadio(const RadioSimulator::Chunk &bytes, Clock::time_point at);
    void keepFlooding(Clock::time_point now);
    bool writeProgram(RadioSimulator::Chunk &bytes);
    void closeTerminal();

    RadioSimulator m_simulator;
    bool m_paced = false;
    int m_master = -1;
    int m_slave = -1; // held open so the line stays up between the program's opens
    int m_alarmFd = -1;
    QString m_path;
    QString m_error;
    QSocketNotifier *m_reader = nullptr;
    QSocketNotifier *m_alarm = nullptr;
    QTimer *m_fallbackAlarm = nullptr;
    std::deque<Pending> m_pending;
    Clock::time_point m_toRadioFree{};
    Clock::time_point m_toProgramFree{};
    bool m_pullWhenSent = false;
    std::int64_t m_bytesIn = 0;
    std::int64_t m_bytesOut = 0;
};

} // namespace q731
