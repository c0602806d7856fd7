#pragma once

#include "link/line_port.h"

#include <QSerialPort>

namespace q731 {

// The line through QSerialPort, on systems where its event-driven reading
// serves (not on Windows, see WinLinePort).
class QtLinePort final : public LinePort
{
    Q_OBJECT
public:
    explicit QtLinePort(QObject *parent = nullptr);
    ~QtLinePort() override;

    static OpenError probeDevice(const QString &device);

    OpenError open(const QString &device) override;
    bool isOpen() const override { return m_port.isOpen(); }
    void send(const QByteArray &bytes) override;
    void close() override;

private:
    static void configure(QSerialPort &port, const QString &device);
    static OpenError classify(QSerialPort::SerialPortError error, const QString &device);
    void readAvailable();
    void failed(QSerialPort::SerialPortError error);
    bool hungUp() const;

    QSerialPort m_port;
};

} // namespace q731
