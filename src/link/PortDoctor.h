#pragma once

#include "common/Failure.h"
#include "link/PortNames.h"

#include <QSerialPort>

// Turns a port's failure into a description that tells the user what went
// wrong and what to do about it.
namespace PortDoctor
{

Failure serialOpenFailure(QSerialPort::SerialPortError error, const QString &systemText,
                          int commPort, const QString &device, const PortNames &names);

// The programs that have `device` open, for example
// "brltty (process 812)", as far as the system lets this user see; empty
// when none is seen.
QString holdersOf(const QString &device);

// The serial ports that exist, each with the COM number that reaches it,
// for example "COM1 (/dev/ttyS0), COM33 (/dev/ttyUSB0)"; empty when none.
QString availablePortsText(const PortNames &names);

// What to do when a parallel or USB printer device is missing: which of
// them exist, for example "Parallel and USB printer ports found: LPT2
// (/dev/lp1), /dev/usb/lp0 (Acme T4). Choose ...", or that none does.
Wording printerPortsAdvice(const PortNames &names);

} // namespace PortDoctor
