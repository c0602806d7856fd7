#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace q731 {

// The port list offers the numbers 1..16; this says which device each one
// reaches. On Windows item N is COMN. Elsewhere the numbers index a table:
// the paths in Q731_PORTS (colon-separated) when that variable is set, else
// the system's serial devices with the USB adapters first, because that is
// where a programming cable shows up.
class PortTable
{
public:
    static constexpr int kPortCount = 16;

    // Looks at the environment and the system now: an adapter plugged in
    // after start-up gets a number at the next choice.
    static PortTable current();

    explicit PortTable(QStringList devices);

    // The device of port number `port` (1-based); empty when there is none.
    QString deviceOf(int port) const;
    const QStringList &devices() const { return m_devices; }

    // What the system calls the serial devices it knows ("USB-Serial
    // Controller"), by path (and on Windows also by port name). Looked up now.
    using Descriptions = QHash<QString, QString>;
    static Descriptions systemDescriptions();

    struct PortDevice
    {
        QString path;         // empty: the number reaches no device
        QString description;  // empty when the system has none
        bool present = false; // the device is there now
    };
    // The device of port number `port`, with its description among
    // `descriptions` (found also through a symbolic link such as
    // /dev/serial/by-id/...).
    PortDevice describe(int port, const Descriptions &descriptions) const;

    // USB adapters (ttyUSB*, ttyACM*) first, then the rest, each group in
    // natural name order (ttyS2 before ttyS10).
    static QStringList orderSystemDevices(QStringList locations);

private:
    QStringList m_devices;
    bool m_windowsNames = false;
};

} // namespace q731
