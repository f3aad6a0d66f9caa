#pragma once

#include "common/Failure.h"
#include "link/SerialSettings.h"

#include <QString>

#include <optional>
#include <variant>

class PortNames;

// Where the printer is and how a send reaches it: a serial port (a COM
// number or a device path) with its line settings, the parallel port LPT1
// or LPT2, a USB printer device, or a network printer's host and port. The
// kind says which of them a send uses; the others keep their values, so
// that choosing a kind again finds it as it was left.
//
// The one place that reads, checks and writes a link: the Communication
// Settings tab, the remembered settings and the command line's targets all
// go through it, so that they take and refuse the same links with the same
// texts.
class LinkAddress
{
public:
    enum class Kind { Serial, Parallel, UsbPrinter, Network };
    static constexpr quint16 defaultNetworkPort = 9100;

    // A target as the command line writes it: "COM1", "COM1:9600,N,8,1",
    // "/dev/ttyUSB0", "/dev/ttyUSB0:19200,N,8,1", "LPT1", "usb:/dev/usb/lp0",
    // "tcp://host", "tcp://host:9100", "tcp://[::1]:9100". A refusal says
    // why, without the text itself.
    static std::variant<LinkAddress, QString> parse(const QString &written);

    // How the settings name a kind: "serial", "parallel", "usb", "network".
    static QString kindName(Kind kind);
    static std::optional<Kind> kindNamed(const QString &name);

    Kind kind() const { return m_kind; }
    void setKind(Kind kind) { m_kind = kind; }

    // The serial port: a COM number, or a device path given instead (then
    // commPort() is 0 and the path is the port).
    int commPort() const { return m_serialPath.isEmpty() ? m_commPort : 0; }
    QString serialPath() const { return m_serialPath; }
    // Refuses (InvalidValue) a number no port can have.
    std::optional<Failure> setCommPort(int port);
    void setSerialPath(const QString &path);
    // "COM3", or the device path.
    QString serialPortName() const;
    const SerialSettings &serialSettings() const { return m_settings; }
    // Refuses (InvalidValue) a text that is not "baud,parity,data,stop".
    std::optional<Failure> setSerialSettings(const QString &text);

    // "LPT1" or "LPT2".
    QString parallelName() const { return m_parallelName; }
    // Refuses (InvalidValue, "Invalid Parallel Port") any other text,
    // compared exactly.
    std::optional<Failure> setParallelName(const QString &name);

    // The USB printer device, such as /dev/usb/lp0; empty when none exists.
    QString usbDevice() const { return m_usbDevice; }
    void setUsbDevice(const QString &device) { m_usbDevice = device; }

    // Empty until a network printer is set.
    QString host() const { return m_host; }
    quint16 port() const { return m_port; }
    // The host and port as typed; an IPv6 address may be in brackets.
    // Refuses (InvalidValue) a host that is empty or holds a blank, and a
    // port that is not a number from 1 to 65535; the description is the
    // text the user sees.
    std::optional<Failure> setNetworkPrinter(const QString &host, const QString &port);
    // No network printer, on the usual port: the starting state.
    void clearNetworkPrinter();

    // The serial device a send opens, and the COM number that reaches it
    // (0 when none does).
    QString serialDevice(const PortNames &names) const;
    int serialCommPort(const PortNames &names) const;

    // The link a send uses, as the status bar shows it: "Serial COM1
    // (/dev/ttyS0) 9600,N,8,1", "Parallel LPT1 (/dev/lp0)", "USB Printer
    // /dev/usb/lp0" (or "USB Printer /dev/usb/lp0 (not connected)"),
    // "Network 127.0.0.1:9100".
    QString description(const PortNames &names) const;
    // Links with the same key share a port: one transfer at a time.
    QString portKey(const PortNames &names) const;

private:
    Kind m_kind = Kind::Serial;
    int m_commPort = 1;
    QString m_serialPath;
    SerialSettings m_settings;
    QString m_parallelName = QStringLiteral("LPT1");
    QString m_usbDevice;
    QString m_host;
    quint16 m_port = defaultNetworkPort;
};
