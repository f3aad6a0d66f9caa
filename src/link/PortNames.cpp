#include "link/PortNames.h"

#include <QtGlobal>

namespace
{

struct SerialFamily {
    int firstComPort;
    const char *devicePrefix;
};

// Each family covers 32 COM numbers.
constexpr SerialFamily serialFamilies[] = {
    {1, "/dev/ttyS"},
    {33, "/dev/ttyUSB"},
    {65, "/dev/ttyACM"},
};
constexpr int familySize = 32;

} // namespace

QString PortNames::serialLogicalName(int commPort)
{
    return QStringLiteral("COM%1").arg(commPort);
}

QString PortNames::serialDevice(int commPort) const
{
    const QString logical = serialLogicalName(commPort);
    const auto redirected = m_redirects.constFind(logical);
    if (redirected != m_redirects.constEnd())
        return *redirected;
#ifdef Q_OS_WIN
    return logical;
#else
    for (const SerialFamily &family : serialFamilies) {
        if (commPort >= family.firstComPort && commPort < family.firstComPort + familySize)
            return QLatin1String(family.devicePrefix) +
                   QString::number(commPort - family.firstComPort);
    }
    // Beyond the families: a name that exists nowhere, so that the open
    // fails like that of any other missing port.
    return QStringLiteral("/dev/ttyS%1").arg(commPort - 1);
#endif
}

QString PortNames::parallelDevice(const QString &parallelName) const
{
    const auto redirected = m_redirects.constFind(parallelName);
    if (redirected != m_redirects.constEnd())
        return *redirected;
#ifdef Q_OS_WIN
    return parallelName;
#else
    if (parallelName == QLatin1String("LPT1"))
        return QStringLiteral("/dev/lp0");
    if (parallelName == QLatin1String("LPT2"))
        return QStringLiteral("/dev/lp1");
    return parallelName;
#endif
}

int PortNames::commPortOf(const QString &device) const
{
    for (auto it = m_redirects.constBegin(); it != m_redirects.constEnd(); ++it) {
        if (it.value() == device && it.key().startsWith(QLatin1String("COM")))
            return it.key().mid(3).toInt();
    }
#ifdef Q_OS_WIN
    if (device.startsWith(QLatin1String("COM")))
        return device.mid(3).toInt();
#else
    for (const SerialFamily &family : serialFamilies) {
        const QString prefix = QLatin1String(family.devicePrefix);
        if (!device.startsWith(prefix))
            continue;
        bool ok = false;
        const int index = device.mid(prefix.size()).toInt(&ok);
        if (ok && index >= 0 && index < familySize)
            return family.firstComPort + index;
    }
#endif
    return 0;
}

void PortNames::redirect(const QString &logicalName, const QString &devicePath)
{
    m_redirects.insert(logicalName, devicePath);
}

void PortNames::setUsbRoots(const QString &deviceRoot, const QString &identityRoot)
{
    m_usbDeviceRoot = deviceRoot;
    m_usbIdentityRoot = identityRoot;
}
