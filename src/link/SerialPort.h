#pragma once

#include "common/Failure.h"
#include "link/PortNames.h"
#include "link/SerialSettings.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QObject>
#include <QSerialPort>

#include <optional>

class StopSignal;

// The serial port of the link: a port number and line settings that the
// next open uses, an open state and an output queue.
class SerialPort : public QObject
{
    Q_OBJECT
public:
    explicit SerialPort(const PortNames &names, QObject *parent = nullptr);
    ~SerialPort() override;

    int commPort() const { return m_commPort; }
    // Refuses (InvalidValue) a number no port can have.
    std::optional<Failure> setCommPort(int port);

    QString settings() const { return m_settings.toText(); }
    // Refuses (InvalidValue) a text that is not "baud,parity,data,stop".
    std::optional<Failure> setSettings(const QString &text);

    // Opens the port with the current number and settings.
    std::optional<Failure> open();
    bool isOpen() const { return m_port.isOpen(); }
    // Closes the port once a drain has handed it everything queued.
    void close();
    // Closes at once, throwing away whatever is still queued: for a transfer
    // that has failed.
    void abort();

    // Queues bytes; returns before they have left.
    void output(QByteArrayView bytes);

    // Waits until everything queued has been handed to the port. The window
    // keeps processing events while the port is slow; the wait ends early
    // with a failure when the port fails, makes no progress for the stall
    // limit, or the stop signal is raised.
    std::optional<Failure> drain(const StopSignal *stop, int stallLimitMs);

    QString deviceName() const;

private:
    std::optional<Failure> portFailure() const;

    const PortNames &m_names;
    QSerialPort m_port;
    int m_commPort = 1;
    SerialSettings m_settings;
};
