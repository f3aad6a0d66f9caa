#include "link/SerialSettings.h"

#include <QStringList>

namespace
{

constexpr qint32 lowestBaud = 50;
constexpr qint32 highestBaud = 4000000;

bool isPlainDigits(const QString &text)
{
    if (text.isEmpty() || text.size() > 9)
        return false;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

} // namespace

std::optional<SerialSettings> SerialSettings::parse(const QString &text)
{
    const QStringList fields = text.split(QLatin1Char(','));
    if (fields.size() != 4)
        return std::nullopt;

    SerialSettings settings;
    if (!isPlainDigits(fields[0]))
        return std::nullopt;
    settings.baudRate = fields[0].toInt();
    if (settings.baudRate < lowestBaud || settings.baudRate > highestBaud)
        return std::nullopt;

    const QString parity = fields[1].toUpper();
    if (parity.size() != 1 || !QStringLiteral("NOEMS").contains(parity[0]))
        return std::nullopt;
    settings.parity = parity[0];

    if (!isPlainDigits(fields[2]))
        return std::nullopt;
    settings.dataBits = fields[2].toInt();
    if (settings.dataBits < 4 || settings.dataBits > 8)
        return std::nullopt;

    if (fields[3] != QLatin1String("1") && fields[3] != QLatin1String("1.5") &&
        fields[3] != QLatin1String("2"))
        return std::nullopt;
    settings.stopBits = fields[3];
    return settings;
}

QString SerialSettings::toText() const
{
    return QStringLiteral("%1,%2,%3,%4").arg(baudRate).arg(parity).arg(dataBits).arg(stopBits);
}

QSerialPort::Parity SerialSettings::qtParity() const
{
    switch (parity.unicode()) {
    case 'O':
        return QSerialPort::OddParity;
    case 'E':
        return QSerialPort::EvenParity;
    case 'M':
        return QSerialPort::MarkParity;
    case 'S':
        return QSerialPort::SpaceParity;
    default:
        return QSerialPort::NoParity;
    }
}

QSerialPort::StopBits SerialSettings::qtStopBits() const
{
    if (stopBits == QLatin1String("2"))
        return QSerialPort::TwoStop;
    if (stopBits == QLatin1String("1.5"))
        return QSerialPort::OneAndHalfStop;
    return QSerialPort::OneStop;
}

std::optional<QSerialPort::DataBits> SerialSettings::qtDataBits() const
{
    switch (dataBits) {
    case 5:
        return QSerialPort::Data5;
    case 6:
        return QSerialPort::Data6;
    case 7:
        return QSerialPort::Data7;
    case 8:
        return QSerialPort::Data8;
    default:
        return std::nullopt;
    }
}
