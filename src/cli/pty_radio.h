#pragma once

// The radio simulator served on a pseudo-terminal: the program (or any
// other) opens the slave device as if it were the cable's serial port.

#include "link/radio_simulator.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <deque>

class QSocketNotifier;

namespace q731::cli {

class TraceLog;

class PtyRadio : public QObject
{
    Q_OBJECT
public:
    PtyRadio(RadioSimulator &radio, bool paced, TraceLog *trace, QObject *parent = nullptr);
    ~PtyRadio() override;

    // False with the reason in errorString() when no pseudo-terminal is to be had.
    bool open();
    QString errorString() const { return m_error; }
    // The slave device, e.g. /dev/pts/3.
    QString devicePath() const { return m_path; }

signals:
    // The PC ended a conversation with the end byte.
    void sessionEnded();

private:
    void readArrived();
    void sendNext();
    void sendChunk(const RadioSimulator::Chunk &chunk);

    RadioSimulator &m_radio;
    bool m_paced = false;
    TraceLog *m_trace = nullptr;
    int m_master = -1;
    // Held open so that the master does not report a hang-up between clients.
    int m_slave = -1;
    QString m_path;
    QString m_error;
    QSocketNotifier *m_notifier = nullptr;
    std::deque<RadioSimulator::Chunk> m_queue;
    QTimer m_pace;
};

} // namespace q731::cli
