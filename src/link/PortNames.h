#pragma once

#include <QHash>
#include <QString>

// The one place that turns the names the user picks (COM port numbers,
// "LPT1", "LPT2") into the devices of this system.
//
// Linux: COM 1 to 32 are /dev/ttyS0 to ttyS31, COM 33 to 64 the USB-serial
// adapters /dev/ttyUSB0 to ttyUSB31, COM 65 to 96 the modem-class adapters
// /dev/ttyACM0 to ttyACM31; LPT1 and LPT2 are /dev/lp0 and /dev/lp1.
// Windows keeps its own names (COMn, LPTn).
//
// A device can be redirected by its logical name ("COM1", "LPT2"), which is
// how a pseudo-terminal or a plain file stands in for a port.
class PortNames
{
public:
    static QString serialLogicalName(int commPort);

    QString serialDevice(int commPort) const;
    QString parallelDevice(const QString &parallelName) const;

    // The COM number that reaches a serial device, or 0 if none does.
    int commPortOf(const QString &device) const;

    void redirect(const QString &logicalName, const QString &devicePath);

    // Where USB printers appear as devices (lp0, lp1, ...) and where each
    // tells its maker and model; a stand-in folder can take their place.
    QString usbDeviceRoot() const { return m_usbDeviceRoot; }
    QString usbIdentityRoot() const { return m_usbIdentityRoot; }
    void setUsbRoots(const QString &deviceRoot, const QString &identityRoot);

private:
    QHash<QString, QString> m_redirects;
    QString m_usbDeviceRoot = QStringLiteral("/dev/usb");
    QString m_usbIdentityRoot = QStringLiteral("/sys/class/usbmisc");
};
