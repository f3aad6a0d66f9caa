#pragma once

#include "link/MyComm.h"
#include "link/PortNames.h"
#include "link/PrinterBytes.h"

#include <QString>

class QWidget;
class StopSignal;

// The link state and the two ways every feature reaches the printer. The
// link is chosen at the moment of each call; a port is open only while one
// send runs. Both return whether the data went out; on failure the sender
// has already shown its message.
class PrinterLink
{
public:
    PrinterLink(QWidget *window, const StopSignal *stop);

    bool String_Print(const QString &text);
    bool Array_Print(const PrinterBytes &bytes);

    // True: send through the serial port object; false: to the parallel device.
    bool serialMode() const { return m_serialMode; }
    void setSerialMode(bool serial) { m_serialMode = serial; }

    // "LPT1" or "LPT2".
    QString parallelPortName() const { return m_parallelPortName; }
    void setParallelPortName(const QString &name) { m_parallelPortName = name; }

    MyComm &comm() { return m_comm; }
    PortNames &portNames() { return m_names; }

private:
    QWidget *m_window;
    const StopSignal *m_stop;
    PortNames m_names;
    MyComm m_comm;
    bool m_serialMode = true;
    QString m_parallelPortName = QStringLiteral("LPT1");
};
