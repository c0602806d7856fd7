#pragma once

#include "image/records.h"
#include "link/link_protocol.h"
#include "link/write_verify.h"

#include <QObject>
#include <QString>

#include <vector>

class QWidget;

namespace q731 {

class LinkThread;
class MessageBoxes;
class PortChooser;
class ProgressWindow;
class Session;
struct WriteMessage;

// The Read and Write commands: open the chosen port, take the editors'
// values, run the transfer on the serial link with the progress window
// FrmWriting, and end it with its message (and, after a read, the decoded
// image in every editor). With "verify after write" a completed write reads
// the radio back and compares it with what was sent before it reports.
// The link runs on a thread of its own; this side hears its progress and
// end through signals and decides everything the user sees. Nothing waits
// for the radio.
class TransferController : public QObject
{
    Q_OBJECT
public:
    TransferController(Session &session, MessageBoxes &boxes, LinkThread &link, PortChooser &ports,
                       QWidget &window, QObject *parent = nullptr);

    void read();
    void write();
    // A read whose result goes to radioCompared(), never into the editors.
    void readToCompare();

    // Verify after write: off at start, never stored. Taken when a write starts.
    void setVerifyAfterWrite(bool on) { m_verifyAfterWrite = on; }
    bool verifyAfterWrite() const { return m_verifyAfterWrite; }

    enum class VerifyResult {
        NotRun,     // no verify, or the write itself did not complete
        Matched,    // the radio holds every byte written
        Differed,   // verifyDifferences() lists what it holds otherwise
        ReadFailed, // the read back did not complete
    };
    // How the last write's verify ended.
    VerifyResult verifyResult() const { return m_verifyResult; }
    const std::vector<ByteDifference> &verifyDifferences() const { return m_differences; }

    // A read / a write runs: from its start until its end has been reported.
    // One conversation at a time, so no transfer starts meanwhile.
    bool isReading() const { return m_reading; }
    bool isWriting() const { return m_writing; }
    bool isBusy() const { return m_reading || m_writing; }
    ProgressWindow *progressWindow() const { return m_progress; }
    // While a transfer runs, says so and returns true: one conversation at a
    // time on the main window's port.
    bool refuseWhileBusy();

signals:
    // The transfer's end has been reported and handled. A write with verify
    // ends as WriteCompleted once the read back completed (verifyResult()
    // says what it found), or with the outcome of the failed read back.
    void transferEnded(q731::LinkProtocol::Outcome outcome);
    // isBusy() changed.
    void busyChanged(bool busy);
    // readToCompare() completed: what the radio holds, decoded over a copy
    // of the records, so that what the image does not carry is the same.
    void radioCompared(const q731::RadioData &radio);

private:
    enum class Phase { Idle, Reading, Comparing, Writing, Verifying };

    void setRunning(bool reading, bool writing);
    bool openPort();
    void linkFinished(LinkProtocol::Outcome outcome);
    void startVerify();
    void reportEnd(LinkProtocol::Outcome outcome);
    void reportVerify(LinkProtocol::Outcome outcome);
    void endCommand(LinkProtocol::Outcome outcome);
    void show(const WriteMessage &message);
    void askBandOverride();

    Session &m_session;
    MessageBoxes &m_boxes;
    LinkThread &m_link;
    PortChooser &m_ports;
    ProgressWindow *m_progress = nullptr;
    Phase m_phase = Phase::Idle;
    bool m_reading = false;
    bool m_writing = false;
    bool m_verifyAfterWrite = false;
    // The write being verified: its device, whether it sent the calibration
    // levels, and the image it sent.
    bool m_verifyThisWrite = false;
    QString m_writtenDevice;
    bool m_writtenCalibration = false;
    RadioImage m_written{};
    VerifyResult m_verifyResult = VerifyResult::NotRun;
    std::vector<ByteDifference> m_differences;
};

} // namespace q731
