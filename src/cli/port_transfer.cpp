#include "port_transfer.h"

#include "cli/trace_log.h"

#include <algorithm>

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
    m_watchdog.setInterval(LinkProtocol::kTickMs);
    connect(&m_watchdog, &QTimer::timeout, this, &PortTransfer::tick);
    connect(&m_port, &QSerialPort::readyRead, this, &PortTransfer::readArrived);
    connect(&m_port, &QSerialPort::errorOccurred, this, &PortTransfer::portFailed);
}

bool PortTransfer::openPort()
{
    m_result = Result::Running;
    m_block = 0;
    m_port.setPortName(m_device);
    if (m_device.isEmpty() || !m_port.open(QIODevice::ReadWrite)) {
        m_portError = m_port.errorString();
        finish(Result::PortInvalid);
        return false;
    }
    // The link carries every byte value: no in-band flow control.
    m_port.setBaudRate(QSerialPort::Baud9600);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    m_port.clear();
    return true;
}

void PortTransfer::startRead()
{
    if (!openPort())
        return;
    m_watchdog.start();
    carryOut(m_protocol.startRead());
}

void PortTransfer::startWrite(const RadioImage &image, int band, bool forceBand, bool calibration)
{
    if (!openPort())
        return;
    m_forceBand = forceBand;
    m_watchdog.start();
    carryOut(m_protocol.startWrite(image, band, forceBand, calibration));
}

void PortTransfer::carryOut(const LinkProtocol::Step &step)
{
    if (!step.send.empty() && m_port.isOpen()) {
        if (m_trace)
            m_trace->record(m_device, TraceLog::Direction::Sent, step.send);
        m_port.write(reinterpret_cast<const char *>(step.send.data()),
                     static_cast<qint64>(step.send.size()));
        // The end byte goes out before the close below drops the buffer.
        if (step.closePort)
            m_port.flush();
    }
    if (step.progress >= 0) {
        const int block = std::clamp(step.progress - 2, 0, kBlocks);
        if (block != m_block) {
            m_block = block;
            emit progressed();
        }
    }
    if (step.closePort)
        closePort();

    using Outcome = LinkProtocol::Outcome;
    switch (step.outcome) {
    case Outcome::BandOverrideQuestion:
        // --force-band is the question answered with OK; without it the
        // protocol refuses and never asks.
        carryOut(m_protocol.answerBandOverride(m_forceBand));
        return;
    case Outcome::ReadCompleted:
    case Outcome::WriteCompleted:
        m_block = kBlocks;
        finish(Result::Completed);
        return;
    case Outcome::BandRefused:
    case Outcome::BandOverrideCancelled:
        finish(Result::BandRefused);
        return;
    case Outcome::Timeout:
        finish(Result::Silence);
        return;
    case Outcome::None:
    case Outcome::Busy:
    case Outcome::WriteAbandoned:
        return;
    }
}

void PortTransfer::closePort()
{
    if (m_port.isOpen())
        m_port.close();
}

void PortTransfer::finish(Result result)
{
    m_watchdog.stop();
    closePort();
    if (m_result != Result::Running)
        return;
    m_result = result;
    if (m_trace)
        m_trace->note(m_device, QStringLiteral("end: ") + ResultName(result));
    emit finished();
}

void PortTransfer::readArrived()
{
    const QByteArray bytes = m_port.readAll();
    if (bytes.isEmpty())
        return;
    const std::span<const std::uint8_t> data(reinterpret_cast<const std::uint8_t *>(bytes.data()),
                                             static_cast<std::size_t>(bytes.size()));
    if (m_trace)
        m_trace->record(m_device, TraceLog::Direction::Received, data);
    carryOut(m_protocol.feed(data));
}

void PortTransfer::tick()
{
    carryOut(m_protocol.tick());
}

void PortTransfer::portFailed(QSerialPort::SerialPortError error)
{
    // A device that goes away under an open port: report it once and stop,
    // rather than waiting out the watchdog on a port that is gone.
    if (error != QSerialPort::ResourceError || m_result != Result::Running || !m_port.isOpen())
        return;
    m_portError = m_port.errorString();
    finish(Result::PortLost);
}

} // namespace q731::cli
