#pragma once

#include "link/link_protocol.h"

#include <QObject>

class QWidget;

namespace q731 {

class MessageBoxes;
class PortChooser;
class ProgressWindow;
class SerialLink;
class Session;

// The Read and Write commands: open the chosen port, take the editors'
// values, run the transfer on the serial link with the progress window
// FrmWriting, and end it with its message (and, after a read, the decoded
// image in every editor). Everything runs from the event loop; nothing waits.
class TransferController : public QObject
{
    Q_OBJECT
public:
    TransferController(Session &session, MessageBoxes &boxes, SerialLink &link, PortChooser &ports,
                       QWidget &window, QObject *parent = nullptr);

    void read();
    void write();

    // A transfer runs (or its end is still being reported): the session's
    // ReadActive or WriteActive.
    bool isBusy() const;
    ProgressWindow *progressWindow() const { return m_progress; }

signals:
    // The transfer's end has been reported and handled.
    void transferEnded(q731::LinkProtocol::Outcome outcome);

private:
    bool refuseWhileBusy();
    bool openPort();
    void linkFinished(LinkProtocol::Outcome outcome);
    void reportEnd(LinkProtocol::Outcome outcome);
    void askBandOverride();

    Session &m_session;
    MessageBoxes &m_boxes;
    SerialLink &m_link;
    PortChooser &m_ports;
    ProgressWindow *m_progress = nullptr;
};

} // namespace q731
