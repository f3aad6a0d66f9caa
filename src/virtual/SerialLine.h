#pragma once

#include "link/SerialSettings.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

class QSocketNotifier;
class VirtualPrinter;

// A serial printer on a pseudo-terminal: the utility opens its path as a
// serial port. Bytes are taken at the line's pace (baud / 10 a second), and
// when the sender's line settings differ from the printer's, what arrives
// is garbled as on a real line. A quiet spell ends a transmission.
class SerialLine : public QObject
{
    Q_OBJECT
public:
    SerialLine(VirtualPrinter &printer, const SerialSettings &settings, QObject *parent = nullptr);
    ~SerialLine() override;

    bool isOpen() const { return m_master >= 0; }
    QString failure() const { return m_failure; }
    // The path to give the utility.
    QString path() const { return m_path; }
    qint64 bytesPerSecond() const { return m_settings.baudRate / 10; }

    // Whether the sender's settings (the terminal's, as it last set them)
    // match the printer's.
    bool settingsMatch() const;

    static constexpr int quietMs = 500;

private:
    void readable();

    VirtualPrinter &m_printer;
    SerialSettings m_settings;
    int m_master = -1;
    int m_slave = -1;
    QString m_path;
    QString m_failure;
    QSocketNotifier *m_notifier = nullptr;
    QTimer m_resume;
    QTimer m_quiet;
    bool m_inTransmission = false;
};
