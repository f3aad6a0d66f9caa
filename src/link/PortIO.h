#pragma once

#include "common/Failure.h"
#include "link/PrinterBytes.h"

#include <QString>

class MyComm;
class PortNames;
class QWidget;
class StopSignal;

// The only code that touches a port: writes one text or one byte buffer to
// the serial port object or to a parallel device, then closes the port.
// Each sender reports its own failure in a message box and tells its caller
// whether the data went out.
class PortIO
{
public:
    PortIO(QWidget *window, const PortNames &names, const StopSignal *stop);

    bool SComString(const QString &text, MyComm &port);
    bool SComByte(const PrinterBytes &bytes, MyComm &port);
    bool SLptString(const QString &text, const QString &parallelName);
    bool SLptByte(const PrinterBytes &bytes, const QString &parallelName);

    // Size of the pieces that the serial byte sender hands the port, each
    // drained before the next.
    static constexpr int serialChunkSize = 100;

private:
    bool stopping() const;
    // Shows a sender's failure, unless the window is closing.
    void report(const QString &text, const QString &title) const;
    void report(const Failure &failure) const;

    QWidget *m_window;
    const PortNames &m_names;
    const StopSignal *m_stop;
};
