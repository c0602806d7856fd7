#include "link/fleet_write.h"

#include "link/link_thread.h"

namespace q731 {

using Outcome = LinkProtocol::Outcome;

bool FleetWrite::Port::holdsImage() const
{
    if (write != Outcome::WriteCompleted)
        return false;
    return !verified || (readBack == Outcome::ReadCompleted && differences.empty());
}

FleetWrite::FleetWrite(QObject *parent)
    : QObject(parent)
{
}

FleetWrite::~FleetWrite() = default;

void FleetWrite::start(const QStringList &devices, const RadioImage &image, int selectedBand,
                       bool bandOverrideMode, bool calibrationMode, bool verify)
{
    if (m_running)
        return;
    // The threads of the last run are idle: their transfers have ended.
    m_links.clear();
    m_ports.assign(devices.size(), Port{});
    m_written.assign(devices.size(), RadioImage{});
    m_calibration = calibrationMode;
    m_verify = verify;
    m_running = true;
    m_open = int(devices.size());
    for (int i = 0; i < int(devices.size()); ++i) {
        m_ports[i].device = devices[i];
        auto link = std::make_unique<LinkThread>();
        connect(link.get(), &LinkThread::progress, this, [this, i](int step) {
            m_ports[i].step = step;
            emit progressed(i);
        });
        connect(link.get(), &LinkThread::bandOverrideQuestion, this,
                [this, i] { emit bandOverrideQuestion(i); });
        connect(link.get(), &LinkThread::finished, this,
                [this, i](Outcome outcome) { linkFinished(i, outcome); });
        m_links.push_back(std::move(link));
    }
    for (int i = 0; i < int(devices.size()); ++i) {
        Port &port = m_ports[i];
        LinkThread &link = *m_links[i];
        port.openError = link.open(port.device);
        if (port.openError == SerialLink::OpenError::None &&
            link.startWrite(image, selectedBand, bandOverrideMode, calibrationMode))
            continue;
        if (port.openError == SerialLink::OpenError::None)
            port.openError = SerialLink::OpenError::Unusable;
        end(i);
    }
}

void FleetWrite::answerBandOverride(int port, bool ok)
{
    if (port >= 0 && port < int(m_links.size()))
        m_links[port]->answerBandOverride(ok);
}

void FleetWrite::linkFinished(int i, Outcome outcome)
{
    Port &port = m_ports[i];
    LinkThread &link = *m_links[i];
    if (port.stage == Stage::Writing) {
        port.write = outcome;
        if (outcome != Outcome::WriteCompleted || !m_verify) {
            end(i);
            return;
        }
        // The radio is read back on the same port and compared with what
        // went out (the link's copy of it), never decoded.
        m_written[i] = link.image();
        port.verified = true;
        port.stage = Stage::Verifying;
        port.step = LinkProtocol::kFirstStep;
        port.readBackOpenError = link.open(port.device);
        if (port.readBackOpenError != SerialLink::OpenError::None ||
            !link.startRead(m_written[i])) {
            if (port.readBackOpenError == SerialLink::OpenError::None)
                port.readBackOpenError = SerialLink::OpenError::Unusable;
            end(i);
            return;
        }
        emit progressed(i);
        return;
    }
    if (port.stage != Stage::Verifying)
        return;
    port.readBack = outcome;
    if (outcome == Outcome::ReadCompleted)
        port.differences = CompareWritten(m_written[i], link.image(), m_calibration);
    end(i);
}

void FleetWrite::end(int i)
{
    m_ports[i].stage = Stage::Ended;
    emit portEnded(i);
    if (--m_open == 0) {
        m_running = false;
        emit finished();
    }
}

} // namespace q731
