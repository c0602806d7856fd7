#include "link/transfer_controller.h"

#include "image/codec.h"
#include "link/link_messages.h"
#include "link/link_thread.h"
#include "link/port_chooser.h"
#include "link/progress_window.h"
#include "link/write_messages.h"
#include "session/qt_translations.h"
#include "session/session.h"
#include "ui/message_box.h"

#include <QStringList>

namespace q731 {

using Outcome = LinkProtocol::Outcome;

TransferController::TransferController(Session &session, MessageBoxes &boxes, LinkThread &link,
                                       PortChooser &ports, QWidget &window, QObject *parent)
    : QObject(parent)
    , m_session(session)
    , m_boxes(boxes)
    , m_link(link)
    , m_ports(ports)
{
    // A child of the main window, so that the language switch finds it.
    m_progress = new ProgressWindow(&window);
    m_progress->hide();
    connect(&m_link, &LinkThread::progress, m_progress, &ProgressWindow::setStep);
    connect(&m_link, &LinkThread::finished, this, &TransferController::linkFinished);
    connect(&m_link, &LinkThread::bandOverrideQuestion, this, &TransferController::askBandOverride);
}

void TransferController::setRunning(bool reading, bool writing)
{
    const bool wasBusy = isBusy();
    m_reading = reading;
    m_writing = writing;
    if (isBusy() != wasBusy)
        emit busyChanged(isBusy());
}

bool TransferController::refuseWhileBusy()
{
    // One conversation at a time: a second one would take the first one's
    // replies for its own.
    if (!isBusy())
        return false;
    m_boxes.show(TransferRunningText(), StyleOkExclamation, AttentionCaption());
    return true;
}

bool TransferController::openPort()
{
    const QString device = m_ports.chosenDevice();
    const SerialLink::OpenError error = m_link.open(device);
    if (error == SerialLink::OpenError::None)
        return true;
    m_boxes.show(m_ports.invalidPortText(error, device), StyleOk, QString());
    return false;
}

void TransferController::read()
{
    if (refuseWhileBusy())
        return;
    if (!openPort())
        return;
    // Reads run no encoding: a field still being typed is committed here, as
    // it would be when left, before the read's values come in.
    m_session.commitEdits();
    setRunning(true, false);
    if (!m_link.startRead(m_session.image())) {
        setRunning(false, false);
        return;
    }
    m_phase = Phase::Reading;
    m_progress->prepare(ProgressWindow::Kind::Read, m_session.language());
    m_progress->setWindowModality(Qt::ApplicationModal);
    m_progress->show();
}

void TransferController::readToCompare()
{
    read();
    if (m_phase == Phase::Reading)
        m_phase = Phase::Comparing;
}

void TransferController::write()
{
    if (refuseWhileBusy())
        return;
    if (!openPort())
        return;
    setRunning(false, true);
    // Commits every editor (the frequency being typed included) and fills the
    // image before any reply can be handled: replies wait for the event loop.
    m_session.encodeImage();
    const bool calibration = m_session.hiddenMode(HiddenMode::Calibration);
    if (!m_link.startWrite(m_session.image(), m_session.bandIndex(),
                           m_session.hiddenMode(HiddenMode::BandOverride), calibration)) {
        setRunning(false, false);
        return;
    }
    m_phase = Phase::Writing;
    m_verifyThisWrite = m_verifyAfterWrite;
    m_writtenDevice = m_link.device();
    m_writtenCalibration = calibration;
    m_verifyResult = VerifyResult::NotRun;
    m_differences.clear();
    m_progress->prepare(ProgressWindow::Kind::Write, m_session.language());
    m_progress->setWindowModality(Qt::NonModal);
    m_progress->show();
}

void TransferController::askBandOverride()
{
    if (!m_link.isAskingBand())
        return;
    const int answer =
        m_boxes.show(BandOverrideQuestion(), StyleOkCancelQuestion, AttentionCaption());
    m_link.answerBandOverride(answer == IdOk);
}

void TransferController::linkFinished(Outcome outcome)
{
    // The port is closed and the watchdog stopped already; the transfer stays
    // active until its end has been reported.
    if (m_phase == Phase::Writing && outcome == Outcome::WriteCompleted && m_verifyThisWrite) {
        // What went out, before the read back replaces the link's copy.
        m_written = m_link.image();
        startVerify();
        return;
    }
    // The read back is compared, never decoded: the editors keep what was written.
    if (m_phase == Phase::Verifying && outcome == Outcome::ReadCompleted)
        m_differences = CompareWritten(m_written, m_link.image(), m_writtenCalibration);
    if (m_phase == Phase::Reading && outcome == Outcome::ReadCompleted)
        m_session.setImage(m_link.image());
    if (m_phase == Phase::Comparing && outcome == Outcome::ReadCompleted) {
        m_progress->hide();
        RadioData radio = m_session.data();
        DecodeImage(m_link.image(), radio);
        endCommand(outcome);
        emit radioCompared(radio);
        return;
    }
    reportEnd(outcome);
}

void TransferController::startVerify()
{
    m_phase = Phase::Verifying;
    // The port of the write, whatever has been chosen meanwhile.
    const SerialLink::OpenError error = m_link.open(m_writtenDevice);
    if (error != SerialLink::OpenError::None || !m_link.startRead(m_written)) {
        m_progress->hide();
        m_verifyResult = VerifyResult::ReadFailed;
        show(VerifyEndMessage(Outcome::None, {}, m_session.language(),
                              m_ports.invalidPortText(error, m_writtenDevice)));
        endCommand(Outcome::PortLost);
        return;
    }
    m_progress->prepare(ProgressWindow::Kind::Verify, m_session.language());
}

void TransferController::reportEnd(Outcome outcome)
{
    if (m_phase == Phase::Verifying) {
        reportVerify(outcome);
        // The command was a write; its read back completing is its completion.
        endCommand(outcome == Outcome::ReadCompleted ? Outcome::WriteCompleted : outcome);
        return;
    }
    switch (outcome) {
    case Outcome::ReadCompleted:
        m_progress->hide();
        m_boxes.show(tr("读频成功！"), StyleOkInformation, tr("提示"));
        m_session.decodeImage();
        break;
    case Outcome::WriteCompleted:
    case Outcome::BandRefused:
    case Outcome::BandOverrideCancelled:
        m_progress->hide();
        show(WriteEndMessage(outcome));
        break;
    case Outcome::PortLost:
        m_progress->hide();
        m_boxes.show(LinkMessage::Text(LinkMessage::kConnectionLost), StyleOkStop, tr("错误"));
        break;
    default:
        m_progress->hide();
        m_boxes.show(LinkMessage::Text(LinkMessage::kCommunicationError), StyleOkStop, tr("错误"));
        break;
    }
    endCommand(outcome);
}

void TransferController::endCommand(Outcome outcome)
{
    m_phase = Phase::Idle;
    setRunning(false, false);
    emit transferEnded(outcome);
}

void TransferController::reportVerify(Outcome outcome)
{
    m_progress->hide();
    const WriteMessage message = VerifyEndMessage(outcome, m_differences, m_session.language());
    if (outcome != Outcome::ReadCompleted)
        m_verifyResult = VerifyResult::ReadFailed;
    else
        m_verifyResult = m_differences.empty() ? VerifyResult::Matched : VerifyResult::Differed;
    show(message);
}

void TransferController::show(const WriteMessage &message)
{
    if (message.kind != WriteMessage::Kind::Cancelled)
        m_boxes.show(message.text, message.style, message.caption);
}

} // namespace q731
