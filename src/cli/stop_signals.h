#pragma once

// SIGINT, SIGTERM and SIGHUP as a Qt signal. The handler only writes the
// signal's number into a pipe whose other end the event loop watches, so that
// what must happen on stopping (the simulator storing its memory) runs in the
// loop, after which the program ends normally. Unix only.

#include <QObject>

class QSocketNotifier;

namespace q731::cli {

class StopSignals : public QObject
{
    Q_OBJECT
public:
    // Takes over the three signals until it is destroyed; one at a time.
    explicit StopSignals(QObject *parent = nullptr);
    ~StopSignals() override;

    // False when the pipe or the handlers could not be set up: the signals
    // then end the program as they would without it.
    bool isActive() const { return m_notifier != nullptr; }

signals:
    void received(int signalNumber);

private:
    void readPipe();

    QSocketNotifier *m_notifier = nullptr;
};

} // namespace q731::cli
