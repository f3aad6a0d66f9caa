#pragma once

#include "common/Failure.h"
#include "link/SerialSettings.h"

#include <QString>

#include <optional>

// The serial port the link sends through: its COM number, or a device
// path given instead, and the line settings. Each send opens it afresh
// (see SerialConnection).
class SerialPort
{
public:
    // The COM number; 0 for a device path no COM number reaches.
    int commPort() const { return m_commPort; }
    // Refuses (InvalidValue) a number no port can have.
    std::optional<Failure> setCommPort(int port);
    // A device path instead of a number, such as /dev/serial/by-id/...
    QString devicePath() const { return m_devicePath; }
    void setDevicePath(const QString &path, int commPort);

    QString settingsText() const { return m_settings.toText(); }
    const SerialSettings &settings() const { return m_settings; }
    // Refuses (InvalidValue) a text that is not "baud,parity,data,stop".
    std::optional<Failure> setSettings(const QString &text);

private:
    int m_commPort = 1;
    QString m_devicePath;
    SerialSettings m_settings;
};
