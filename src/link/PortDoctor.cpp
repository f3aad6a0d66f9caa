#include "link/PortDoctor.h"

#include "link/PortDiscovery.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace PortDoctor
{

namespace
{

QString portLabel(int commPort, const QString &device)
{
    if (commPort <= 0)
        return device;
    const QString logical = PortNames::serialLogicalName(commPort);
    return logical == device ? logical : QStringLiteral("%1 (%2)").arg(logical, device);
}

bool lacksPermission(const QString &device)
{
#ifdef Q_OS_UNIX
    const QByteArray path = device.toLocal8Bit();
    return ::access(path.constData(), F_OK) == 0 &&
           ::faccessat(AT_FDCWD, path.constData(), R_OK | W_OK, AT_EACCESS) != 0;
#else
    Q_UNUSED(device);
    return false;
#endif
}

Failure noSuchPort(int commPort, const QString &device, const PortNames &names)
{
    const Wording available = availablePortsText(names);
    const QString port = portLabel(commPort, device);
    if (available.isEmpty())
        return {FailureCode::PortInvalid,
                Wording::of(QT_TRANSLATE_NOOP("Failure",
                                              "%1 does not exist on this computer. No serial "
                                              "ports were found: check that the printer's cable "
                                              "or USB adapter is plugged in."),
                            {port})};
    return {FailureCode::PortInvalid,
            Wording::either(
                QT_TRANSLATE_NOOP("Failure", "%1 does not exist on this computer. Serial ports "
                                             "found: %2. Choose one of them on the Communication "
                                             "Settings tab and press Apply."),
                QT_TRANSLATE_NOOP("Failure", "%1 does not exist on this computer. Serial ports "
                                             "found: %2. Name one of them with --to."),
                {port, available})};
}

Failure noPermission(int commPort, const QString &device)
{
    const QString group = QFileInfo(device).group();
    const QString port = portLabel(commPort, device);
    if (!group.isEmpty() && group != QLatin1String("root"))
        return {FailureCode::PortUnavailable,
                Wording::of(QT_TRANSLATE_NOOP("Failure",
                                              "Permission denied on %1. Your user must be in "
                                              "the group '%2' that owns the port: run 'sudo "
                                              "usermod -aG %2 $USER', then log out and in again."),
                            {port, group})};
    return {
        FailureCode::PortUnavailable,
        Wording::of(QT_TRANSLATE_NOOP("Failure", "Permission denied on %1. Ask your administrator "
                                                 "for read and write access to it."),
                    {port})};
}

} // namespace

Failure serialOpenFailure(QSerialPort::SerialPortError error, const QString &systemText,
                          int commPort, const QString &device, const PortNames &names)
{
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return noSuchPort(commPort, device, names);
    case QSerialPort::PermissionError:
        if (lacksPermission(device))
            return noPermission(commPort, device);
        {
            const QString holders = holdersOf(device);
            return {FailureCode::PortUnavailable,
                    Wording::of(
                        QT_TRANSLATE_NOOP("Failure", "%1 is in use by another program%2. Close "
                                                     "that program and try again."),
                        {portLabel(commPort, device),
                         holders.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(holders)})};
        }
    case QSerialPort::OpenError:
        return {FailureCode::PortAlreadyOpen,
                Wording::of(QT_TRANSLATE_NOOP("Failure", "%1 is already open: another transfer is "
                                                         "still running."),
                            {portLabel(commPort, device)})};
    case QSerialPort::UnsupportedOperationError:
        return {
            FailureCode::PortSettingsFailed,
            Wording::of(QT_TRANSLATE_NOOP("Failure", "%1 does not accept the line settings: %2"),
                        {portLabel(commPort, device), systemText})};
    default:
        if (!QFileInfo::exists(device) && device.startsWith(QLatin1Char('/')))
            return noSuchPort(commPort, device, names);
        return {FailureCode::PortUnavailable,
                Wording::of(QT_TRANSLATE_NOOP("Failure", "%1 cannot be opened: %2"),
                            {portLabel(commPort, device), systemText})};
    }
}

// Whether two paths are one file. A descriptor's name alone is not enough:
// /dev/pts/0 of another mount namespace can be another terminal.
bool sameFile(const QString &path, const QString &other)
{
#ifdef Q_OS_UNIX
    struct stat one = {}, two = {};
    return ::stat(QFile::encodeName(path).constData(), &one) == 0 &&
           ::stat(QFile::encodeName(other).constData(), &two) == 0 && one.st_dev == two.st_dev &&
           one.st_ino == two.st_ino;
#else
    Q_UNUSED(path)
    Q_UNUSED(other)
    return true;
#endif
}

QString holdersOf(const QString &device)
{
    const QString target = QFileInfo(device).canonicalFilePath();
    if (target.isEmpty())
        return QString();
    QStringList holders;
    // Processes whose descriptors this user may not read are passed over.
    const QStringList processes =
        QDir(QStringLiteral("/proc")).entryList({QStringLiteral("[0-9]*")}, QDir::Dirs);
    for (const QString &process : processes) {
        const QDir descriptors(QStringLiteral("/proc/%1/fd").arg(process));
        const QFileInfoList links = descriptors.entryInfoList(QDir::System | QDir::NoDotAndDotDot);
        for (const QFileInfo &link : links) {
            if (link.symLinkTarget() != target || !sameFile(target, link.filePath()))
                continue;
            QFile comm(QStringLiteral("/proc/%1/comm").arg(process));
            const QString program = comm.open(QIODevice::ReadOnly)
                                        ? QString::fromLocal8Bit(comm.readAll()).trimmed()
                                        : QStringLiteral("unknown");
            holders << QStringLiteral("%1, process %2").arg(program, process);
            break;
        }
    }
    return holders.join(QStringLiteral("; "));
}

Wording availablePortsText(const PortNames &names)
{
    Wording found;
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &port : ports) {
        const QString device = port.systemLocation();
        const int commPort = names.commPortOf(device);
        const Wording named =
            commPort > 0
                ? Wording(portLabel(commPort, device))
                : Wording::of(QT_TRANSLATE_NOOP("Failure", "%1 (no COM number reaches it)"),
                              {device});
        // A list, not a sentence: no translation changes its commas.
        found = found.isEmpty() ? named : Wording::of("%1, %2", {found, named});
    }
    return found;
}

Wording printerPortsAdvice(const PortNames &names)
{
    QStringList found;
    for (const QString &parallel : {QStringLiteral("LPT1"), QStringLiteral("LPT2")}) {
        const QString device = names.parallelDevice(parallel);
        if (QFileInfo::exists(device))
            found << (device == parallel ? parallel
                                         : QStringLiteral("%1 (%2)").arg(parallel, device));
    }
    const QList<PortDiscovery::UsbPrinterEntry> usb = PortDiscovery::usbPrinters(names);
    for (const PortDiscovery::UsbPrinterEntry &printer : usb)
        found << printer.label();
    if (found.isEmpty())
        return Wording::of(
            QT_TRANSLATE_NOOP("Failure", "No parallel or USB printer ports were found."));
    return Wording::either(
        QT_TRANSLATE_NOOP("Failure", "Parallel and USB printer ports found: %1. Choose "
                                     "one of them on the Communication Settings tab."),
        QT_TRANSLATE_NOOP("Failure", "Parallel and USB printer ports found: %1. Name one "
                                     "of them with --to."),
        {found.join(QStringLiteral(", "))});
}

} // namespace PortDoctor
