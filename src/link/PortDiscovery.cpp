#include "link/PortDiscovery.h"

#include "link/PortNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>

#include <algorithm>

namespace PortDiscovery
{

QString SerialPortEntry::label() const
{
    const QString dash = QStringLiteral(" \u2014 ");
    QString text = (commPort > 0 ? QString::number(commPort) : QStringLiteral("-")) + dash + device;
    if (!description.isEmpty())
        text += dash + description;
    return text;
}

QString UsbPrinterEntry::label() const
{
    const QString identity = (maker + QLatin1Char(' ') + model).trimmed();
    return identity.isEmpty() ? device
                              : device + QStringLiteral(" (") + identity + QLatin1Char(')');
}

QList<SerialPortEntry> serialPorts(const PortNames &names)
{
    QList<SerialPortEntry> ports;
    const QList<QSerialPortInfo> found = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &port : found) {
        const QString device = port.systemLocation();
        ports.append({names.commPortOf(device), device, port.description()});
    }
    std::sort(ports.begin(), ports.end(), [](const SerialPortEntry &a, const SerialPortEntry &b) {
        return a.commPort != b.commPort ? a.commPort < b.commPort : a.device < b.device;
    });
    return ports;
}

UsbPrinterEntry parseDeviceId(const QByteArray &deviceId)
{
    UsbPrinterEntry entry;
    const QList<QByteArray> fields = deviceId.split(';');
    for (const QByteArray &field : fields) {
        const qsizetype colon = field.indexOf(':');
        if (colon < 0)
            continue;
        const QByteArray key = field.left(colon).trimmed().toUpper();
        const QString value = QString::fromLatin1(field.mid(colon + 1)).trimmed();
        if (key == "MFG" || key == "MANUFACTURER")
            entry.maker = value;
        else if (key == "MDL" || key == "MODEL")
            entry.model = value;
    }
    return entry;
}

QList<UsbPrinterEntry> usbPrinters(const PortNames &names)
{
    const QString devRoot = names.usbDeviceRoot();
    const QString sysRoot = names.usbIdentityRoot();
    QList<UsbPrinterEntry> printers;
    QStringList devices =
        QDir(devRoot).entryList({QStringLiteral("lp*")}, QDir::System | QDir::Files, QDir::Name);
    // In the order of their numbers: lp2 before lp10.
    std::stable_sort(devices.begin(), devices.end(),
                     [](const QString &a, const QString &b) { return a.size() < b.size(); });
    for (const QString &device : devices) {
        QFile id(sysRoot + QLatin1Char('/') + device + QStringLiteral("/device/ieee1284_id"));
        // The ID can be long; the maker and model come first.
        UsbPrinterEntry entry =
            id.open(QIODevice::ReadOnly) ? parseDeviceId(id.read(4096)) : UsbPrinterEntry{};
        entry.device = devRoot + QLatin1Char('/') + device;
        printers.append(entry);
    }
    return printers;
}

QString usbPrinterShown(const QString &device)
{
    return QFileInfo::exists(device)
               ? device
               : QCoreApplication::translate("PortDiscovery", "%1 (not connected)").arg(device);
}

} // namespace PortDiscovery
