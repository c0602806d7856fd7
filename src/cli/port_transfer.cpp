#include "port_transfer.h"

#include "cli/trace_log.h"

#include <algorithm>
#include <span>

namespace q731::cli {

namespace {

constexpr int kBlocks = 192;

QString ResultName(PortTransfer::Result result)
{
    switch (result) {
    case PortTransfer::Result::Running:
        return QStringLiteral("running");
    case PortTransfer::Result::Completed:
        return QStringLiteral("completed");
    case PortTransfer::Result::PortInvalid:
        return QStringLiteral("port cannot be opened");
    case PortTransfer::Result::Silence:
        return QStringLiteral("no answer");
    case PortTransfer::Result::BadReply:
        return QStringLiteral("wrong reply");
    case PortTransfer::Result::PortLost:
        return QStringLiteral("port lost");
    case PortTransfer::Result::BandRefused:
        return QStringLiteral("band refused");
    }
    return {};
}

} // namespace

PortTransfer::PortTransfer(QString device, TraceLog *trace, QObject *parent)
    : QObject(parent)
    , m_device(std::move(device))
    , m_trace(trace)
{
    connect(&m_link, &SerialLink::progress, this, [this](int step) {
        // Steps 3..194 move the 192 blocks, of a read and of a write alike.
        const int block = std::clamp(step - 2, 0, kBlocks);
        if (block != m_block) {
            m_block = block;
            emit progressed();
        }
    });
    // --force-band is the question answered with OK; without it the protocol
    // refuses and never asks.
    connect(&m_link, &SerialLink::bandOverrideQuestion, this,
            [this] { m_link.answerBandOverride(m_forceBand); });
    connect(&m_link, &SerialLink::finished, this, &PortTransfer::ended);
    connect(&m_link, &SerialLink::traffic, this, [this](bool sent, const QByteArray &bytes) {
        if (!m_trace)
            return;
        m_trace->record(m_device, sent ? TraceLog::Direction::Sent : TraceLog::Direction::Received,
                        std::span(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                                  static_cast<std::size_t>(bytes.size())));
    });
}

bool PortTransfer::open()
{
    m_result = Result::Running;
    m_block = 0;
    m_openError = m_link.open(m_device);
    if (m_openError == SerialLink::OpenError::None)
        return true;
    finish(Result::PortInvalid);
    return false;
}

void PortTransfer::startRead()
{
    if (open())
        m_link.startRead(RadioImage{});
}

void PortTransfer::startWrite(const RadioImage &image, int band, bool forceBand, bool calibration)
{
    m_forceBand = forceBand;
    if (open())
        m_link.startWrite(image, band, forceBand, calibration);
}

void PortTransfer::ended(LinkProtocol::Outcome outcome)
{
    using Outcome = LinkProtocol::Outcome;
    switch (outcome) {
    case Outcome::ReadCompleted:
    case Outcome::WriteCompleted:
        m_block = kBlocks;
        finish(Result::Completed);
        return;
    case Outcome::BandRefused:
    case Outcome::BandOverrideCancelled:
        finish(Result::BandRefused);
        return;
    case Outcome::BadReply:
        finish(Result::BadReply);
        return;
    case Outcome::PortLost:
        finish(Result::PortLost);
        return;
    case Outcome::Timeout:
    default:
        finish(Result::Silence);
        return;
    }
}

void PortTransfer::finish(Result result)
{
    if (m_result != Result::Running)
        return;
    m_result = result;
    if (m_trace)
        m_trace->note(m_device, QStringLiteral("end: ") + ResultName(result));
    emit finished();
}

} // namespace q731::cli
