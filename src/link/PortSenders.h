#pragma once

#include "link/PrinterBytes.h"
#include "link/SendOutcome.h"

#include <QString>

class SerialPort;
class PortNames;
class StopSignal;

// The only code that touches a port: writes one text or one byte buffer to
// the serial port or to a parallel device, then closes the port. Each
// sender returns its own outcome, with the box its caller shows on failure.
class PortSenders
{
public:
    PortSenders(const PortNames &names, const StopSignal *stop, int stallLimitMs);

    SendOutcome serialText(const QString &text, SerialPort &port) const;
    SendOutcome serialBytes(const PrinterBytes &bytes, SerialPort &port) const;
    SendOutcome parallelText(const QString &text, const QString &parallelName) const;
    SendOutcome parallelBytes(const PrinterBytes &bytes, const QString &parallelName) const;

    // Size of the pieces that the serial byte sender hands the port, each
    // drained before the next.
    static constexpr int serialChunkSize = 100;

private:
    const PortNames &m_names;
    const StopSignal *m_stop;
    int m_stallLimitMs;
};
