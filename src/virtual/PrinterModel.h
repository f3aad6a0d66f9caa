#pragma once

#include "virtual/CommandStream.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QMap>
#include <QString>

#include <deque>
#include <optional>

// What a virtual printer is at one moment: its condition, the faults it
// plays, what it has been sent and what it keeps. No links: the fleet
// feeds it and reads it.
class PrinterModel
{
public:
    // The conditions a trainer or a test puts a printer in; words as the
    // control channel and the state file write them.
    enum class Condition { Ready, PaperLow, NoPaper, RibbonOut, HeadOpen, Jammed, Paused };
    static QString conditionWord(Condition condition);
    static std::optional<Condition> conditionOf(const QString &word);
    // Every condition's word, in the order above.
    static QStringList conditionWords();
    // Whether a label comes out in this condition.
    static bool prints(Condition condition);

    // How the printer's links misbehave.
    struct Faults {
        qint64 readRate = 0;       // bytes a second taken; 0 for as fast as sent
        bool stopsReading = false; // takes nothing more, still answers SNMP
        qint64 resetAfter = 0;     // a connection is reset once it brought this many bytes
        bool vanished = false;     // no port, no SNMP
        bool snmpSilent = false;
        int snmpDelayMs = 0;
    };

    struct StoredObject {
        QString kind; // "BMP", "PCX" or "format"
        qint64 size = 0;
        QByteArray sha256;
        QByteArray png; // a graphic's picture
    };

    struct Firmware {
        qint64 size = 0;
        QByteArray sha256;
        int received = 0;
    };

    explicit PrinterModel(QString name);

    const QString &name() const { return m_name; }
    QString serialNumber;
    QString community = QStringLiteral("public");

    Condition condition() const { return m_condition; }
    void setCondition(Condition condition);
    // The condition to take once the odometer reaches a count.
    void schedule(Condition condition, qint64 afterLabels);

    Faults faults;
    bool restarting = false;

    // What was sent, as the stream read it; returns whether a firmware
    // image has just arrived whole (the printer restarts).
    bool apply(const PrinterCommand &command);
    void noteBytes(qint64 count) { m_bytesReceived += count; }
    // A line of the transcript in the printer's own words.
    void note(const QString &what);

    qint64 odometer() const { return m_odometer; }
    qint64 bytesReceived() const { return m_bytesReceived; }
    const QMap<QString, QString> &settings() const { return m_settings; }
    const QMap<QString, StoredObject> &objects() const { return m_objects; }
    const std::optional<Firmware> &firmware() const { return m_firmware; }
    bool calibrated() const { return m_calibrations > 0; }
    // What the display shows: the condition, or what it is busy with.
    QString display() const;
    QStringList transcript() const;

    QJsonObject toJson() const;

    // Entries the transcript keeps; the oldest go first.
    static constexpr int transcriptLength = 200;

private:
    void printLabels(const QString &what, qint64 count);

    QString m_name;
    Condition m_condition = Condition::Ready;
    std::optional<std::pair<Condition, qint64>> m_scheduled;
    QMap<QString, QString> m_settings;
    int m_calibrations = 0;
    qint64 m_odometer = 0;
    qint64 m_testLabels = 0;
    qint64 m_recalledLabels = 0;
    qint64 m_otherLabels = 0;
    qint64 m_refusedLabels = 0;
    qint64 m_bytesReceived = 0;
    qint64 m_unknownBytes = 0;
    QMap<QString, StoredObject> m_objects;
    std::optional<Firmware> m_firmware;
    std::deque<QString> m_transcript;
};
