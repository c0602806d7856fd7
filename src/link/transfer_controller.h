#pragma once

#include "link/link_protocol.h"

#include <QObject>

class QWidget;

namespace q731 {

class EditorWindow;
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
    TransferController(Session &session, SerialLink &link, PortChooser &ports,
                       EditorWindow &channelWindow, QWidget &window, QObject *parent = nullptr);

    void read();
    void write();

    // A transfer runs (or its end is still being reported).
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
    SerialLink &m_link;
    PortChooser &m_ports;
    EditorWindow &m_channelWindow;
    ProgressWindow *m_progress = nullptr;
    // Between the link's end and its message: no new transfer yet.
    bool m_reporting = false;
};

} // namespace q731
