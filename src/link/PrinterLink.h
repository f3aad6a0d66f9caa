#pragma once

#include "link/PortNames.h"
#include "link/PrinterBytes.h"
#include "link/SendOutcome.h"
#include "link/SerialPort.h"

#include <QObject>
#include <QString>

#include <memory>

class Connection;
class StopSignal;
class Transfer;

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

    // A text goes out one byte a character; a failed text send carries the
    // fixed box of its kind of port, with the cause as its description.
    SendOutcome sendText(const QString &text);
    // A failed byte send shows its cause, titled with its number.
    SendOutcome sendBytes(const PrinterBytes &bytes);

    bool isBusy() const { return m_transfer != nullptr; }
    // Ends the running transfer, if any: nothing more is written and what
    // is queued is discarded.
    void cancel();

    // True: send through the serial port; false: to the parallel device.
    bool serialMode() const { return m_serialMode; }
    void setSerialMode(bool serial) { m_serialMode = serial; }

    // "LPT1" or "LPT2".
    QString parallelPortName() const { return m_parallelPortName; }
    void setParallelPortName(const QString &name) { m_parallelPortName = name; }

    SerialPort &serialPort() { return m_serialPort; }
    PortNames &portNames() { return m_names; }

    void setStallLimitMs(int limitMs) { m_stallLimitMs = limitMs; }

signals:
    void busyChanged(bool busy);
    // Bytes of the running transfer that have reached the line.
    void progress(qint64 sent, qint64 total);

private:
    std::unique_ptr<Connection> openableConnection() const;
    SendOutcome send(Connection &connection, QByteArrayView data);

    const StopSignal *m_stop;
    PortNames m_names;
    SerialPort m_serialPort;
    bool m_serialMode = true;
    QString m_parallelPortName = QStringLiteral("LPT1");
    int m_stallLimitMs = defaultStallLimitMs;
    Transfer *m_transfer = nullptr;
};
