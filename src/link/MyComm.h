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

// The serial port object of the main window: a port number and line
// settings that the next open uses, an open state, an output queue and the
// count of bytes still queued.
class MyComm : public QObject
{
    Q_OBJECT
public:
    // A transfer that makes no progress for this long has failed.
    static constexpr int stallLimitMs = 10000;

    explicit MyComm(const PortNames &names, QObject *parent = nullptr);
    ~MyComm() override;

    int commPort() const { return m_commPort; }
    // Refuses (InvalidValue) a number no port can have.
    std::optional<Failure> setCommPort(int port);

    QString settings() const { return m_settings.toText(); }
    // Refuses (InvalidValue) a text that is not "baud,parity,data,stop".
    std::optional<Failure> setSettings(const QString &text);

    int inputMode() const { return m_inputMode; }
    void setInputMode(int mode) { m_inputMode = mode; }

    // PortOpen = True: opens the port with the current number and settings.
    std::optional<Failure> open();
    bool isOpen() const { return m_port.isOpen(); }
    // PortOpen = False. Output still queued is handed to the port first,
    // unless the port has failed.
    void close();
    // Closes at once, throwing away whatever is still queued: for a transfer
    // that has failed.
    void abort();

    // Output: queues bytes; returns before they have left.
    void output(QByteArrayView bytes);
    // OutBufferCount: bytes still queued.
    qint64 outBufferCount() const { return m_port.bytesToWrite(); }

    // Waits until everything queued has been handed to the port. The window
    // keeps processing events while the port is slow; the wait ends early
    // with a failure when the port fails, stalls for stallLimitMs, or the
    // stop signal is raised.
    std::optional<Failure> drain(const StopSignal *stop = nullptr);

    QString deviceName() const;

private:
    std::optional<Failure> portFailure() const;

    const PortNames &m_names;
    QSerialPort m_port;
    int m_commPort = 1;
    SerialSettings m_settings;
    int m_inputMode = 0;
};
