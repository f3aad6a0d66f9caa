#include "link/LinkAddress.h"

#include "link/NetworkConnection.h"
#include "link/PortDiscovery.h"
#include "link/PortNames.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace
{

constexpr int highestCommPort = 255;

const QString kindNames[] = {QStringLiteral("serial"), QStringLiteral("parallel"),
                             QStringLiteral("usb"), QStringLiteral("network")};

Failure refusal(const QString &why)
{
    return {FailureCode::InvalidValue, why};
}

// "PATH" or "PATH:settings"; a colon that is not followed by settings
// belongs to the path.
std::optional<Failure> readSerialPath(LinkAddress &address, const QString &written)
{
    const int colon = written.lastIndexOf(QLatin1Char(':'));
    if (colon > 0 && written.mid(colon + 1).contains(QLatin1Char(','))) {
        address.setSerialPath(written.left(colon));
        return address.setSerialSettings(written.mid(colon + 1));
    }
    address.setSerialPath(written);
    return std::nullopt;
}

// "HOST", "HOST:PORT", "[IPv6]" or "[IPv6]:PORT".
std::optional<Failure> readNetworkPrinter(LinkAddress &address, const QString &written)
{
    QString host = written;
    QString port = QString::number(LinkAddress::defaultNetworkPort);
    if (written.startsWith(QLatin1Char('['))) {
        const int close = written.indexOf(QLatin1Char(']'));
        if (close < 0)
            return refusal(QStringLiteral("an IPv6 address needs its closing ]"));
        host = written.left(close + 1);
        const QString rest = written.mid(close + 1);
        if (!rest.isEmpty())
            port = rest.startsWith(QLatin1Char(':')) ? rest.mid(1) : QString();
    } else if (const int colon = written.indexOf(QLatin1Char(':')); colon >= 0) {
        if (written.lastIndexOf(QLatin1Char(':')) != colon)
            return refusal(QStringLiteral("write an IPv6 address in brackets: "
                                          "tcp://[2001:db8::5]:9100"));
        host = written.left(colon);
        port = written.mid(colon + 1);
    }
    return address.setNetworkPrinter(host, port);
}

} // namespace

std::variant<LinkAddress, QString> LinkAddress::parse(const QString &written)
{
    LinkAddress address;
    std::optional<Failure> refused;
    static const QRegularExpression com(QStringLiteral("^COM(\\d+)(?::(.*))?$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch comMatch = com.match(written);
    if (written.startsWith(QLatin1String("tcp://"), Qt::CaseInsensitive)) {
        address.setKind(Kind::Network);
        refused = readNetworkPrinter(address, written.mid(6));
    } else if (written.startsWith(QLatin1String("usb:"), Qt::CaseInsensitive)) {
        address.setKind(Kind::UsbPrinter);
        address.setUsbDevice(written.mid(4));
        if (address.usbDevice().isEmpty())
            refused = refusal(QStringLiteral("name the USB printer device: usb:/dev/usb/lp0"));
    } else if (written.startsWith(QLatin1String("LPT"), Qt::CaseInsensitive)) {
        address.setKind(Kind::Parallel);
        refused = address.setParallelName(written.toUpper());
    } else if (comMatch.hasMatch()) {
        // A number too long for an int reads as 0, which no port has.
        refused = address.setCommPort(comMatch.captured(1).toInt());
        if (!refused && comMatch.hasCaptured(2))
            refused = address.setSerialSettings(comMatch.captured(2));
    } else if (written.startsWith(QLatin1Char('/'))) {
        refused = readSerialPath(address, written);
    } else {
        return QStringLiteral("give COMn[:settings], a serial device path[:settings], LPT1, LPT2, "
                              "usb:DEVICE or tcp://HOST[:PORT]");
    }
    if (refused)
        return refused->shown();
    return address;
}

QString LinkAddress::kindName(Kind kind)
{
    return kindNames[int(kind)];
}

std::optional<LinkAddress::Kind> LinkAddress::kindNamed(const QString &name)
{
    for (const Kind kind : {Kind::Serial, Kind::Parallel, Kind::UsbPrinter, Kind::Network}) {
        if (kindName(kind) == name)
            return kind;
    }
    return std::nullopt;
}

std::optional<Failure> LinkAddress::setCommPort(int port)
{
    if (port < 1 || port > highestCommPort)
        return refusal(QStringLiteral("COM ports are numbered 1 to %1").arg(highestCommPort));
    m_commPort = port;
    m_serialPath.clear();
    return std::nullopt;
}

void LinkAddress::setSerialPath(const QString &path)
{
    m_serialPath = path;
}

QString LinkAddress::serialPortName() const
{
    return m_serialPath.isEmpty() ? PortNames::serialLogicalName(m_commPort) : m_serialPath;
}

std::optional<Failure> LinkAddress::setSerialSettings(const QString &text)
{
    const std::optional<SerialSettings> parsed = SerialSettings::parse(text);
    if (!parsed)
        return refusal(QStringLiteral("the line settings \"%1\" must read baud,parity,data "
                                      "bits,stop bits, such as 9600,N,8,1")
                           .arg(text));
    m_settings = *parsed;
    return std::nullopt;
}

std::optional<Failure> LinkAddress::setParallelName(const QString &name)
{
    if (name != QLatin1String("LPT1") && name != QLatin1String("LPT2"))
        return refusal(QStringLiteral("Invalid Parallel Port"));
    m_parallelName = name;
    return std::nullopt;
}

std::optional<Failure> LinkAddress::setNetworkPrinter(const QString &host, const QString &port)
{
    QString name = host.trimmed();
    // An IPv6 address is often written in brackets, as in a web address.
    if (name.startsWith(QLatin1Char('[')) && name.endsWith(QLatin1Char(']')))
        name = name.mid(1, name.size() - 2);
    // No name or address holds a blank, a slash or a stray bracket.
    static const QRegularExpression unusable(QStringLiteral("[\\s/\\[\\]]"));
    if (name.isEmpty() || name.contains(unusable))
        return refusal(QStringLiteral("Invalid Network Printer: enter the printer's network name "
                                      "or its IPv4 or IPv6 address."));
    bool number = false;
    const uint portNumber = port.trimmed().toUInt(&number);
    if (!number || portNumber < 1 || portNumber > 65535)
        return refusal(QStringLiteral("Invalid Network Port: enter a number from 1 to 65535 "
                                      "(9100 on most printers)."));
    m_host = name;
    m_port = quint16(portNumber);
    return std::nullopt;
}

void LinkAddress::clearNetworkPrinter()
{
    m_host.clear();
    m_port = defaultNetworkPort;
}

QString LinkAddress::serialDevice(const PortNames &names) const
{
    return m_serialPath.isEmpty() ? names.serialDevice(m_commPort) : m_serialPath;
}

int LinkAddress::serialCommPort(const PortNames &names) const
{
    return m_serialPath.isEmpty() ? m_commPort : names.commPortOf(m_serialPath);
}

QString LinkAddress::description(const PortNames &names) const
{
    // The kinds' words are read by people only: the status bar, the log,
    // the questions before a send. Ports, paths and settings stay as written.
    switch (m_kind) {
    case Kind::Serial: {
        const QString device = serialDevice(names);
        const int commPort = serialCommPort(names);
        const QString port = commPort > 0 ? PortNames::serialLogicalName(commPort) +
                                                QStringLiteral(" (") + device + QLatin1Char(')')
                                          : device;
        return QCoreApplication::translate("LinkAddress", "Serial %1 %2")
            .arg(port, m_settings.toText());
    }
    case Kind::Parallel:
        return QCoreApplication::translate("LinkAddress", "Parallel %1 (%2)")
            .arg(m_parallelName, names.parallelDevice(m_parallelName));
    case Kind::UsbPrinter:
        return QCoreApplication::translate("LinkAddress", "USB Printer %1")
            .arg(m_usbDevice.isEmpty() ? QCoreApplication::translate("LinkAddress", "(none found)")
                                       : PortDiscovery::usbPrinterShown(m_usbDevice));
    case Kind::Network:
        return QCoreApplication::translate("LinkAddress", "Network %1")
            .arg(m_host.isEmpty() ? QCoreApplication::translate("LinkAddress", "(no address set)")
                                  : NetworkConnection::displayName(m_host, m_port));
    }
    return QString();
}

QString LinkAddress::portKey(const PortNames &names) const
{
    switch (m_kind) {
    case Kind::Serial:
        return serialDevice(names);
    case Kind::Parallel:
        return names.parallelDevice(m_parallelName);
    case Kind::UsbPrinter:
        return m_usbDevice;
    case Kind::Network:
        return QStringLiteral("tcp:") + m_host.toLower() + QLatin1Char(':') +
               QString::number(m_port);
    }
    return QString();
}
