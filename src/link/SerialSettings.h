#pragma once

#include <QSerialPort>
#include <QString>

#include <optional>

// The line settings of the serial port, as the text "baud,parity,data,stop"
// that the Communication Settings page builds ("9600,N,8,1").
struct SerialSettings {
    qint32 baudRate = 9600;
    QChar parity = QLatin1Char('N');        // N, O, E, M or S
    int dataBits = 8;                       // 4 to 8
    QString stopBits = QStringLiteral("1"); // "1", "1.5" or "2"

    // Reads the text; nothing when a field is missing or out of range. Four
    // fields separated by single commas, no blanks.
    static std::optional<SerialSettings> parse(const QString &text);

    QString toText() const;

    QSerialPort::Parity qtParity() const;
    QSerialPort::StopBits qtStopBits() const;
    // Nothing when the port hardware of this system cannot do it (4 bits).
    std::optional<QSerialPort::DataBits> qtDataBits() const;
};
