#pragma once

#include <QList>
#include <QString>

class PortNames;

// The ports that exist on this computer, for the lists the user picks from.
namespace PortDiscovery
{

struct SerialPortEntry {
    int commPort = 0; // 0 when no COM number reaches the device
    QString device;
    QString description;
    // "33 — /dev/ttyUSB0 — USB-Serial Controller"
    QString label() const;
};

struct UsbPrinterEntry {
    QString device;
    QString maker;
    QString model;
    // "/dev/usb/lp0 (MAKER MODEL)", or the device alone when it says nothing.
    QString label() const;
};

QList<SerialPortEntry> serialPorts(const PortNames &names);

// USB printer-class devices (lp0, lp1, ...) under the names' USB device
// root, with the maker and model each reports in its IEEE 1284 device ID.
QList<UsbPrinterEntry> usbPrinters(const PortNames &names);

// A USB printer chosen stays chosen while it is unplugged, shown so:
// "/dev/usb/lp1 (not connected)"; the device alone while it is there.
QString usbPrinterShown(const QString &device);

// The maker and model fields of an IEEE 1284 device ID
// ("MFG:Maker;MDL:Model;CMD:...;").
UsbPrinterEntry parseDeviceId(const QByteArray &deviceId);

} // namespace PortDiscovery
