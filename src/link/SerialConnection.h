#pragma once

#include "link/Connection.h"
#include "link/PortNames.h"
#include "link/SerialSettings.h"

#include <QSerialPort>

// A serial port opened for one send. A fresh port object per send means
// nothing queued by an earlier, failed send can ever reach the printer.
class SerialConnection : public Connection
{
    Q_OBJECT
public:
    // `commPort` names the port in messages; 0 when no COM number reaches
    // `device`.
    SerialConnection(QString device, int commPort, const SerialSettings &settings,
                     const PortNames &names);
    ~SerialConnection() override;

    QString name() const override;
    void open() override { emit opened(openNow()); }
    Written write(QByteArrayView bytes) override;
    // The serial chunk rule: a slow printer gets its data in small pieces,
    // each handed over once the one before has gone.
    qint64 largestWrite() const override { return chunkSize; }
    qint64 queued() const override;
    qint64 unsent() const override;
    SendOutcome linkFailure() const override;
    FailureCode writeFailureCode() const override { return FailureCode::PortWriteFailed; }
    Failure stalled(int limitMs) const override;
    SendOutcome close() override;
    void discard() override;
    QString textFailureText() const override;
    QString textFailureTitle() const override;

    static constexpr qint64 chunkSize = 100;

private:
    SendOutcome openNow();
    // Bytes the system has taken but not yet put on the line.
    qint64 systemQueue() const;

    QString m_device;
    int m_commPort;
    SerialSettings m_settings;
    const PortNames &m_names;
    QSerialPort m_port;
};
