#include "link/DeviceIdentity.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

namespace DeviceIdentity
{

QString ofDevice(const QString &path)
{
    // No file has such a name, and the system would read it cut short.
    if (path.contains(QChar(0)))
        return QStringLiteral("path:") + path;
#ifdef Q_OS_UNIX
    struct stat status {
    };
    if (::stat(QFile::encodeName(path).constData(), &status) == 0 &&
        (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode)))
        return QStringLiteral("device:%1:%2")
            .arg(QString::number(major(status.st_rdev)), QString::number(minor(status.st_rdev)));
#endif
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return QStringLiteral("path:") +
           (canonical.isEmpty() ? QDir::cleanPath(QFileInfo(path).absoluteFilePath()) : canonical);
}

QString ofNetwork(const QString &host, quint16 port)
{
    QString name = host.toLower();
    if (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    QHostAddress address;
    if (address.setAddress(name)) {
        // An IPv4 address written as IPv6 is the same printer.
        bool isIpv4 = false;
        const quint32 ipv4 = address.toIPv4Address(&isIpv4);
        name = isIpv4 ? QHostAddress(ipv4).toString() : address.toString();
    }
    return QStringLiteral("tcp:%1:%2").arg(name, QString::number(port));
}

} // namespace DeviceIdentity
