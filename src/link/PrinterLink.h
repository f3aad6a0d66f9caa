#pragma once

#include "link/PortNames.h"
#include "link/PrinterBytes.h"
#include "link/SendOutcome.h"
#include "link/SerialPort.h"
#include "link/Transfer.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class Connection;
class StopSignal;

// The link state and the two ways every feature reaches the printer. The
// link is chosen at the moment of each call and opened only for that send;
// one transfer runs at a time, and a send asked for meanwhile is refused.
// Both return their outcome; showing it is the caller's part.
class PrinterLink : public QObject
{
    Q_OBJECT
public:
    explicit PrinterLink(const StopSignal *stop, QObject *parent = nullptr);
    ~PrinterLink() override;

    // The bytes a text goes out as: one byte a character.
    static QByteArray textBytes(const QString &text) { return text.toLatin1(); }

    // What a send ends in, heard once it has ended (never from inside the
    // call that started it).
    using Done = std::function<void(const SendOutcome &)>;

    // A text goes out one byte a character; a failed text send carries the
    // fixed box of its kind of port, with the cause as its description.
    void sendText(const QString &text, Done done = {});
    // The same for a text already in its bytes, one a character: a large
    // label format need not be held twice.
    void sendLatin1Text(const QByteArray &text, Done done = {});
    // A failed byte send shows its cause, titled with its number.
    void sendBytes(const PrinterBytes &bytes, Done done = {});

    bool isBusy() const { return m_transfer != nullptr; }
    // Ends the running transfer, if any: nothing more is written and what
    // is queued is discarded.
    void cancel();

    enum class Kind { Serial, Parallel, UsbPrinter, Network };
    Kind kind() const { return m_kind; }
    void setKind(Kind kind);

    // "LPT1" or "LPT2".
    QString parallelPortName() const { return m_parallelPortName; }
    void setParallelPortName(const QString &name);

    // The USB printer device, such as /dev/usb/lp0; empty when none exists.
    QString usbDevice() const { return m_usbDevice; }
    void setUsbDevice(const QString &device);

    QString networkHost() const { return m_networkHost; }
    quint16 networkPort() const { return m_networkPort; }
    void setNetworkPrinter(const QString &host, quint16 port);
    static constexpr quint16 defaultNetworkPort = 9100;

    // Changing the port or line settings: call linkChanged() after.
    SerialPort &serialPort() { return m_serialPort; }
    PortNames &portNames() { return m_names; }
    void linkChanged() { emit changed(); }

    // The link the next send uses: "Serial COM1 (/dev/ttyS0) 9600,N,8,1",
    // "Parallel LPT1 (/dev/lp0)", "USB Printer /dev/usb/lp0",
    // "Network 127.0.0.1:9100".
    QString description() const;

    void setStallLimitMs(int limitMs) { m_stallLimitMs = limitMs; }
    void setConnectTimeoutMs(int timeoutMs) { m_connectTimeoutMs = timeoutMs; }
    // See Transfer::setPollMs.
    void setPollMs(int ms) { m_pollMs = ms; }

signals:
    void busyChanged(bool busy);
    // Bytes of the running transfer that have reached the line.
    void progress(qint64 sent, qint64 total);
    // As a send begins: the exact bytes about to go out.
    void sending(const QByteArray &data);
    // After each send: the bytes the printer took of how many, and why it
    // failed (empty when it did not).
    void finished(qint64 sent, qint64 total, const QString &failure);
    // The link the next send uses has changed.
    void changed();

private:
    std::unique_ptr<Connection> openableConnection() const;
    QString serialDevice() const;
    // Starts one transfer of `data`; `shape` gives a failure the box of
    // the kind of send, with the connection's own texts at hand.
    using Shape = std::function<void(Failure &, const Connection &)>;
    void send(QByteArray data, Shape shape, Done done);
    void stopTransfer();

    const StopSignal *m_stop;
    PortNames m_names;
    SerialPort m_serialPort;
    Kind m_kind = Kind::Serial;
    QString m_parallelPortName = QStringLiteral("LPT1");
    QString m_usbDevice;
    QString m_networkHost;
    quint16 m_networkPort = defaultNetworkPort;
    int m_stallLimitMs = defaultStallLimitMs;
    int m_connectTimeoutMs = 5000;
    int m_pollMs = Transfer::pollMs;
    Transfer *m_transfer = nullptr;
};
