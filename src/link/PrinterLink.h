#pragma once

#include "link/PortNames.h"
#include "link/PrinterBytes.h"
#include "link/SendOutcome.h"
#include "link/SerialPort.h"

#include <QString>

class StopSignal;

// The link state and the two ways every feature reaches the printer. The
// link is chosen at the moment of each call; a port is open only while one
// send runs. Both return their outcome; showing it is the caller's part.
class PrinterLink
{
public:
    explicit PrinterLink(const StopSignal *stop);

    SendOutcome sendText(const QString &text);
    SendOutcome sendBytes(const PrinterBytes &bytes);

    // True: send through the serial port; false: to the parallel device.
    bool serialMode() const { return m_serialMode; }
    void setSerialMode(bool serial) { m_serialMode = serial; }

    // "LPT1" or "LPT2".
    QString parallelPortName() const { return m_parallelPortName; }
    void setParallelPortName(const QString &name) { m_parallelPortName = name; }

    SerialPort &serialPort() { return m_serialPort; }
    PortNames &portNames() { return m_names; }

    void setStallLimitMs(int limitMs) { m_stallLimitMs = limitMs; }

private:
    const StopSignal *m_stop;
    PortNames m_names;
    SerialPort m_serialPort;
    bool m_serialMode = true;
    QString m_parallelPortName = QStringLiteral("LPT1");
    int m_stallLimitMs = defaultStallLimitMs;
};
