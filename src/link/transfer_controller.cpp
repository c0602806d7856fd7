#include "link/transfer_controller.h"

#include "link/link_messages.h"
#include "link/port_chooser.h"
#include "link/progress_window.h"
#include "link/serial_link.h"
#include "session/session.h"
#include "ui/message_box.h"

#include <QTimer>

namespace q731 {

using Outcome = LinkProtocol::Outcome;

TransferController::TransferController(Session &session, MessageBoxes &boxes, SerialLink &link,
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
    connect(&m_link, &SerialLink::progress, m_progress, &ProgressWindow::setStep);
    connect(&m_link, &SerialLink::finished, this, &TransferController::linkFinished);
    // Message boxes run an event loop of their own; they wait until the
    // receive handler that ended the step has returned.
    connect(&m_link, &SerialLink::bandOverrideQuestion, this, &TransferController::askBandOverride,
            Qt::QueuedConnection);
}

bool TransferController::isBusy() const
{
    return m_session.transferActive();
}

bool TransferController::refuseWhileBusy()
{
    // One conversation at a time: a second one would take the first one's
    // replies for its own.
    if (!isBusy())
        return false;
    m_boxes.show(m_session.tr2("正在与对讲机通信，请等它结束后再试。",
                               "A transfer with the radio is running, please try "
                               "again when it has ended."),
                 StyleOkExclamation, m_session.tr2("注意", "Be careful"));
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
    m_session.ReadActive = true;
    if (!m_link.startRead(m_session.image())) {
        m_session.ReadActive = false;
        return;
    }
    m_progress->prepare(ProgressWindow::Kind::Read, m_session.language());
    m_progress->setWindowModality(Qt::ApplicationModal);
    m_progress->show();
}

void TransferController::write()
{
    if (refuseWhileBusy())
        return;
    if (!openPort())
        return;
    m_session.WriteActive = true;
    // Commits every editor (the frequency being typed included) and fills the
    // image before any reply can be handled: replies wait for the event loop.
    m_session.encodeImage();
    if (!m_link.startWrite(m_session.image(), m_session.bandIndex(),
                           m_session.hiddenMode(HiddenMode::BandOverride),
                           m_session.hiddenMode(HiddenMode::Calibration))) {
        m_session.WriteActive = false;
        return;
    }
    m_progress->prepare(ProgressWindow::Kind::Write, m_session.language());
    m_progress->setWindowModality(Qt::NonModal);
    m_progress->show();
}

void TransferController::askBandOverride()
{
    if (m_link.state() != SerialLink::State::AskingBand)
        return;
    const int answer = m_boxes.show(
        m_session.tr2("频段不符，是否强制写入？",
                      "The frequency band is not accorded with, whether write into by force?"),
        StyleOkCancelQuestion, m_session.tr2("注意", "Be careful"));
    m_link.answerBandOverride(answer == IdOk);
}

void TransferController::linkFinished(Outcome outcome)
{
    // The port is closed and the watchdog stopped already; the transfer stays
    // active until its end has been reported.
    // After a read the image is taken now: the next transfer cannot start
    // before the report, but the link's copy is its own.
    if (outcome == Outcome::ReadCompleted)
        m_session.image() = m_link.protocol().image();
    QTimer::singleShot(0, this, [this, outcome] { reportEnd(outcome); });
}

void TransferController::reportEnd(Outcome outcome)
{
    switch (outcome) {
    case Outcome::ReadCompleted:
        m_progress->hide();
        m_boxes.show(m_session.tr2("读频成功！", "Reading succeeds frequently!"),
                     StyleOkInformation, m_session.tr2("提示", "Suggestion"));
        m_session.decodeImage();
        break;
    case Outcome::WriteCompleted:
        m_progress->hide();
        m_boxes.show(m_session.tr2("写频成功！", "Writing succeeds frequently!"),
                     StyleOkInformation, m_session.tr2("提示", "Suggestion"));
        break;
    case Outcome::BandRefused:
        m_boxes.show(m_session.tr2("频段不符，不能写入！",
                                   "The frequency band is not accorded with, can't "
                                   "write into!"),
                     StyleOkExclamation, m_session.tr2("错误", "Mistake"));
        m_progress->hide();
        break;
    case Outcome::BandOverrideCancelled:
        m_progress->hide();
        break;
    case Outcome::PortLost:
        m_progress->hide();
        m_boxes.show(m_session.tr2(LinkMessage::kConnectionLost.chinese,
                                   LinkMessage::kConnectionLost.english),
                     StyleOkStop, m_session.tr2("错误", "Mistake"));
        break;
    default:
        m_progress->hide();
        m_boxes.show(m_session.tr2(LinkMessage::kCommunicationError.chinese,
                                   LinkMessage::kCommunicationError.english),
                     StyleOkStop, m_session.tr2("错误", "Mistake"));
        break;
    }
    m_session.ReadActive = false;
    m_session.WriteActive = false;
    emit transferEnded(outcome);
}

} // namespace q731
