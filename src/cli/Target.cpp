#include "cli/Target.h"

#include "link/DeviceIdentity.h"
#include "link/PortNames.h"
#include "link/PrinterLink.h"
#include "link/SerialSettings.h"

#include <QRegularExpression>

namespace
{

const QString kinds =
    QStringLiteral("give COMn[:settings], a serial device path[:settings], LPT1, LPT2, "
                   "usb:DEVICE or tcp://HOST[:PORT]");

QString refused(const QString &written, const QString &why)
{
    return QStringLiteral("target \"%1\": %2").arg(written, why);
}

QString badSettings(const QString &written, const QString &settings)
{
    return refused(written, QStringLiteral("the line settings \"%1\" must read baud,parity,data "
                                           "bits,stop bits, such as 9600,N,8,1")
                                .arg(settings));
}

std::variant<Target, QString> network(const QString &written, const QString &address)
{
    Target target;
    target.kind = Target::Kind::Network;
    target.written = written;
    target.port = PrinterLink::defaultNetworkPort;
    QString rest; // ":PORT" or nothing
    if (address.startsWith(QLatin1Char('['))) {
        const int close = address.indexOf(QLatin1Char(']'));
        if (close < 0)
            return refused(written, QStringLiteral("an IPv6 address needs its closing ]"));
        target.host = address.mid(1, close - 1);
        rest = address.mid(close + 1);
    } else {
        const int colon = address.indexOf(QLatin1Char(':'));
        if (colon >= 0 && address.lastIndexOf(QLatin1Char(':')) != colon)
            return refused(written, QStringLiteral("write an IPv6 address in brackets: "
                                                   "tcp://[2001:db8::5]:9100"));
        target.host = address.left(colon < 0 ? address.size() : colon);
        rest = colon < 0 ? QString() : address.mid(colon);
    }
    if (target.host.isEmpty() || target.host.contains(QLatin1Char('/')))
        return refused(written, QStringLiteral("no printer address: write tcp://HOST[:PORT]"));
    if (rest.isEmpty())
        return target;
    bool ok = false;
    const uint port = rest.startsWith(QLatin1Char(':')) ? rest.mid(1).toUInt(&ok) : 0;
    if (!ok || port < 1 || port > 65535)
        return refused(written, QStringLiteral("the port must be a number from 1 to 65535"));
    target.port = quint16(port);
    return target;
}

// "PATH" or "PATH:settings"; a colon that is not followed by settings
// belongs to the path.
std::variant<Target, QString> serialPath(const QString &written)
{
    Target target;
    target.kind = Target::Kind::Serial;
    target.written = written;
    target.device = written;
    const int colon = written.lastIndexOf(QLatin1Char(':'));
    if (colon > 0 && written.mid(colon + 1).contains(QLatin1Char(','))) {
        target.settings = written.mid(colon + 1);
        target.device = written.left(colon);
        if (!SerialSettings::parse(target.settings))
            return badSettings(written, target.settings);
    }
    return target;
}

} // namespace

std::variant<Target, QString> Target::parse(const QString &text)
{
    const QString written = text.trimmed();
    if (written.isEmpty())
        return QStringLiteral("an empty target: ") + kinds;
    if (written.startsWith(QLatin1String("tcp://"), Qt::CaseInsensitive))
        return network(written, written.mid(6));
    if (written.startsWith(QLatin1String("usb:"), Qt::CaseInsensitive)) {
        Target target;
        target.kind = Kind::UsbPrinter;
        target.written = written;
        target.device = written.mid(4);
        if (target.device.isEmpty())
            return refused(written,
                           QStringLiteral("name the USB printer device: usb:/dev/usb/lp0"));
        return target;
    }
    static const QRegularExpression parallel(QStringLiteral("^LPT[12]$"),
                                             QRegularExpression::CaseInsensitiveOption);
    if (parallel.match(written).hasMatch()) {
        Target target;
        target.kind = Kind::Parallel;
        target.written = written;
        target.parallelName = written.toUpper();
        return target;
    }
    static const QRegularExpression com(QStringLiteral("^COM(\\d+)(?::(.*))?$"),
                                        QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch match = com.match(written); match.hasMatch()) {
        Target target;
        target.kind = Kind::Serial;
        target.written = written;
        bool ok = false;
        target.commPort = match.captured(1).toInt(&ok);
        if (!ok || target.commPort < 1 || target.commPort > 255)
            return refused(written, QStringLiteral("COM ports are numbered 1 to 255"));
        target.settings = match.captured(2);
        if (match.hasCaptured(2) && !SerialSettings::parse(target.settings))
            return badSettings(written, target.settings);
        return target;
    }
    if (written.startsWith(QLatin1Char('/')))
        return serialPath(written);
    return refused(written, kinds);
}

void Target::configure(PrinterLink &link) const
{
    switch (kind) {
    case Kind::Serial:
        link.setKind(PrinterLink::Kind::Serial);
        if (commPort > 0)
            link.serialPort().setCommPort(commPort);
        else
            link.serialPort().setDevicePath(device, link.portNames().commPortOf(device));
        if (!settings.isEmpty())
            link.serialPort().setSettings(settings);
        break;
    case Kind::Parallel:
        link.setKind(PrinterLink::Kind::Parallel);
        link.setParallelPortName(parallelName);
        break;
    case Kind::UsbPrinter:
        link.setKind(PrinterLink::Kind::UsbPrinter);
        link.setUsbDevice(device);
        break;
    case Kind::Network:
        link.setKind(PrinterLink::Kind::Network);
        link.setNetworkPrinter(host, port);
        break;
    }
}

QString Target::identify() const
{
    if (kind == Kind::Network)
        return DeviceIdentity::ofNetwork(host, port);
    return DeviceIdentity::ofDevice(portName());
}

QString Target::portKey() const
{
    return identity.isEmpty() ? portName() : identity;
}

QString Target::portName() const
{
    const PortNames names;
    switch (kind) {
    case Kind::Serial:
        return commPort > 0 ? names.serialDevice(commPort) : device;
    case Kind::Parallel:
        return names.parallelDevice(parallelName);
    case Kind::UsbPrinter:
        return device;
    case Kind::Network:
        return QStringLiteral("tcp:") + host.toLower() + QLatin1Char(':') + QString::number(port);
    }
    return written;
}
