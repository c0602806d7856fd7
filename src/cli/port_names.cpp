#include "port_names.h"

#include <QSerialPortInfo>

#include <algorithm>

namespace q731::cli {

QStringList PortTable()
{
    QStringList table;
#ifdef Q_OS_WIN
    for (int n = 1; n <= kPortNumbers; ++n)
        table << QStringLiteral("COM%1").arg(n);
#else
    const QByteArray listed = qgetenv("Q731_PORTS");
    if (qEnvironmentVariableIsSet("Q731_PORTS")) {
        for (const QByteArray &path : listed.split(':')) {
            if (!path.isEmpty())
                table << QString::fromLocal8Bit(path);
        }
        return table;
    }
    QStringList usb;
    QStringList other;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        const QString name = info.portName();
        const bool isUsb =
            name.startsWith(QLatin1String("ttyUSB")) || name.startsWith(QLatin1String("ttyACM"));
        (isUsb ? usb : other) << info.systemLocation();
    }
    usb.sort();
    other.sort();
    table = usb + other;
#endif
    return table;
}

std::optional<ResolvedPort> ResolvePort(const QString &text)
{
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    if (!isNumber)
        return ResolvedPort{text, false};
    if (number < 1 || number > kPortNumbers)
        return std::nullopt;
    const QStringList table = PortTable();
    return ResolvedPort{number <= table.size() ? table[number - 1] : QString(), true};
}

} // namespace q731::cli
