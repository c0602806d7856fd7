#pragma once

#include "image/radio_image.h"
#include "link/line_port.h"
#include "link/link_protocol.h"

#include <QObject>
#include <QString>
#include <QTimer>

namespace q731 {

// Owns the serial port and the link watchdog for the two programs: the port
// is open only for a test or a transfer, received bytes go to the protocol,
// the watchdog ticks it every 50 ms, and whatever the protocol answers goes
// back on the line. Nothing here shows anything; listeners get the signals.
class SerialLink : public QObject
{
    Q_OBJECT
public:
    enum class State {
        Closed,
        Opening,
        Open,       // opened, no transfer yet
        Running,    // a transfer waits for the radio
        AskingBand, // the band question is open, the watchdog stands still
        Abandoned,  // the write gave up and closed the port; the watchdog reports it
    };
    Q_ENUM(State)

    using OpenError = LinePort::OpenError;

    explicit SerialLink(QObject *parent = nullptr);
    ~SerialLink() override;

    // Opens and closes the device at once, without touching a transfer.
    static OpenError probe(const QString &device);

    OpenError open(const QString &device);
    // Ends nothing: a transfer still running is left to the watchdog.
    void close();

    // On an open port: send the handshake and start the watchdog. False when
    // the port is not open or a transfer runs.
    bool startRead(const RadioImage &current);
    bool startWrite(const RadioImage &encoded, int selectedBand, bool bandOverrideMode,
                    bool calibrationMode);
    void answerBandOverride(bool ok);

    State state() const { return m_state; }
    bool isBusy() const { return m_protocol.isActive(); }
    bool isOpen() const { return m_line->isOpen(); }
    QString device() const { return m_device; }
    const LinkProtocol &protocol() const { return m_protocol; }
    const QTimer &watchdog() const { return m_watchdog; }

signals:
    void progress(int step);
    // The protocol waits for answerBandOverride().
    void bandOverrideQuestion();
    // The transfer is over and the port closed.
    void finished(q731::LinkProtocol::Outcome outcome);
    void stateChanged(q731::SerialLink::State state);
    // Every byte put on the line (sent) or taken from it, for a trace.
    void traffic(bool sent, const QByteArray &bytes);

private:
    void received(const QByteArray &bytes);
    void lineLost();
    // Runs the first step of a transfer the protocol agreed to start.
    bool begin(const LinkProtocol::Step &first);
    void carryOut(const LinkProtocol::Step &step);
    void closePort();
    void setState(State state);

    // Children, so that both move with their owner to the thread it runs on.
    LinePort *m_line;
    QTimer m_watchdog;
    LinkProtocol m_protocol;
    QString m_device;
    State m_state = State::Closed;
};

} // namespace q731
