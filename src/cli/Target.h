#pragma once

#include <QString>

#include <variant>

class PrinterLink;

// One printer named on the command line: "COM1", "COM1:9600,N,8,1",
// "/dev/ttyUSB0", "/dev/ttyUSB0:19200,N,8,1", "LPT1", "usb:/dev/usb/lp0",
// "tcp://host", "tcp://host:9100", "tcp://[::1]:9100".
struct Target {
    enum class Kind { Serial, Parallel, UsbPrinter, Network };

    Kind kind = Kind::Serial;
    QString written;  // as given
    int commPort = 0; // serial by number
    QString device;   // serial device path, USB device
    QString settings; // serial line settings, empty for the link's own
    QString parallelName;
    QString host;
    quint16 port = 0;
    // What the printer is (identify()), fixed when the targets are gathered.
    QString identity;

    // The target, or why the text names none.
    static std::variant<Target, QString> parse(const QString &written);

    // Sets up a fresh link to send to this printer only.
    void configure(PrinterLink &link) const;

    // Targets that share a key share a port: one transfer at a time. The
    // identity, once set; until then the port's name.
    QString portKey() const;
    // The device or network printer this target leads to now, whatever it
    // is called (DeviceIdentity).
    QString identify() const;
    // The device the target names, or "tcp:host:port".
    QString portName() const;
    // Network and USB printers can all be sent to at once; serial and
    // parallel ports are usually a handful on one computer.
    bool isPort() const { return kind == Kind::Serial || kind == Kind::Parallel; }
};
