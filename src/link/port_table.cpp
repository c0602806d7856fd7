#include "link/port_table.h"

#include <QFileInfo>
#include <QSerialPortInfo>
#include <QtGlobal>

#include <algorithm>

namespace q731 {

namespace {

bool IsUsbAdapter(const QString &location)
{
    const QString name = QFileInfo(location).fileName();
    return name.startsWith(QLatin1String("ttyUSB")) || name.startsWith(QLatin1String("ttyACM"));
}

// The number that a run of digits writes, compared by its digits so that no
// length is too long: without leading zeros the longer run is the larger
// number. No digits at all come before every number.
int CompareNumbers(QStringView a, QStringView b)
{
    if (a.isEmpty() || b.isEmpty())
        return int(!a.isEmpty()) - int(!b.isEmpty());
    while (a.size() > 1 && a.front() == QLatin1Char('0'))
        a = a.mid(1);
    while (b.size() > 1 && b.front() == QLatin1Char('0'))
        b = b.mid(1);
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

// Compares names with their trailing numbers taken as numbers.
bool NaturalLess(const QString &a, const QString &b)
{
    auto split = [](const QString &s) {
        qsizetype i = s.size();
        while (i > 0 && s.at(i - 1).isDigit())
            --i;
        return std::pair{QStringView(s).left(i), QStringView(s).mid(i)};
    };
    const auto [stemA, numberA] = split(a);
    const auto [stemB, numberB] = split(b);
    if (stemA != stemB)
        return stemA < stemB;
    if (const int order = CompareNumbers(numberA, numberB); order != 0)
        return order < 0;
    return a < b;
}

} // namespace

PortTable::PortTable(QStringList devices)
    : m_devices(std::move(devices))
{
}

PortTable PortTable::current()
{
#ifdef Q_OS_WIN
    PortTable table({});
    table.m_windowsNames = true;
    return table;
#else
    if (qEnvironmentVariableIsSet("Q731_PORTS")) {
        // Empty entries keep their place, so "a::b" makes port 2 missing.
        return PortTable(
            qEnvironmentVariable("Q731_PORTS").split(QLatin1Char(':'), Qt::KeepEmptyParts));
    }
    QStringList locations;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        locations << info.systemLocation();
    return PortTable(orderSystemDevices(locations));
#endif
}

QString PortTable::deviceOf(int port) const
{
    if (port < 1 || port > kPortCount)
        return {};
    if (m_windowsNames)
        return QStringLiteral("COM%1").arg(port);
    return port <= m_devices.size() ? m_devices.at(port - 1) : QString();
}

PortTable::Descriptions PortTable::systemDescriptions()
{
    Descriptions descriptions;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        descriptions.insert(info.systemLocation(), info.description());
        descriptions.insert(info.portName(), info.description());
    }
    return descriptions;
}

PortTable::PortDevice PortTable::describe(int port, const Descriptions &descriptions) const
{
    PortDevice device;
    device.path = deviceOf(port);
    if (device.path.isEmpty())
        return device;
    const QString target = QFileInfo(device.path).canonicalFilePath();
    if (m_windowsNames) {
        // COMN exists only when the system lists it.
        device.present = descriptions.contains(device.path);
    } else {
        device.present = !target.isEmpty();
    }
    device.description = descriptions.value(device.path);
    if (device.description.isEmpty() && !target.isEmpty())
        device.description = descriptions.value(target);
    return device;
}

QStringList PortTable::orderSystemDevices(QStringList locations)
{
    std::stable_sort(locations.begin(), locations.end(), [](const QString &a, const QString &b) {
        const bool usbA = IsUsbAdapter(a);
        const bool usbB = IsUsbAdapter(b);
        if (usbA != usbB)
            return usbA;
        return NaturalLess(QFileInfo(a).fileName(), QFileInfo(b).fileName());
    });
    return locations;
}

} // namespace q731
