#pragma once

#include <QString>

// What a printer is, whatever name it was given: two names that lead to one
// device or one network printer give one identity. The program sends to
// each identity once, and to each device one transfer at a time; by name
// alone, COM33 and a /dev/serial/by-id link to the same port were opened
// twice and their streams interleaved.
namespace DeviceIdentity
{

// A device node by its device number (symbolic links followed); anything
// else that exists by its canonical path; a missing one by its clean
// absolute path.
QString ofDevice(const QString &path);

// A network printer by its host, without case, a final dot or any other
// spelling of the same address, and its port.
QString ofNetwork(const QString &host, quint16 port);

} // namespace DeviceIdentity
