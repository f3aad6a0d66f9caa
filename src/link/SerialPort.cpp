#include "link/SerialPort.h"

namespace
{

constexpr int highestCommPort = 255;

} // namespace

std::optional<Failure> SerialPort::setCommPort(int port)
{
    if (port < 1 || port > highestCommPort)
        return Failures::invalidValue();
    m_commPort = port;
    m_devicePath.clear();
    return std::nullopt;
}

void SerialPort::setDevicePath(const QString &path, int commPort)
{
    m_devicePath = path;
    m_commPort = commPort;
}

std::optional<Failure> SerialPort::setSettings(const QString &text)
{
    const std::optional<SerialSettings> parsed = SerialSettings::parse(text);
    if (!parsed)
        return Failures::invalidValue();
    m_settings = *parsed;
    return std::nullopt;
}
