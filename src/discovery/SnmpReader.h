#pragma once

#include "common/Wording.h"
#include "discovery/PrinterState.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

// How to ask a printer over SNMP: v2c with a community, or v3 with a user
// (authentication SHA and privacy AES when their pass phrases are given).
struct SnmpOptions {
    QString community = QStringLiteral("public");
    QString user;     // v3 when set
    QString authPass; // SHA
    QString privPass; // AES-128; needs authPass
    int timeoutMs = 1000;
    int retries = 1;
    quint16 port = 161;

    bool isV3() const { return !user.isEmpty(); }
    // Before a send: a printer that has not answered within a second in
    // all is sent to as if it had no SNMP.
    SnmpOptions beforeSend() const
    {
        SnmpOptions quick = *this;
        quick.timeoutMs = 500;
        quick.retries = 1;
        return quick;
    }
    // Why these options cannot work, or empty.
    QString problem() const;
};

// One standing alert of a printer's alert table.
struct PrinterAlert {
    int index = 0;    // the row's index, stable while the alert stands
    int severity = 0; // other(1), critical(3), warning(4), warningBinaryChangeEvent(5)
    int group = 0;    // the kind of part the alert is about (cover, input, marker...)
    int code = 0;     // what happened (jam, subunitEmpty, doorOpen...)
    QString description;
    qint64 time = -1; // the printer's uptime when raised, in hundredths of a second

    // "critical", "warning", "other".
    QString severityWord() const;
    bool operator==(const PrinterAlert &other) const;
};

// What one printer answered.
struct SnmpAnswer {
    bool answered = false;
    Wording failure; // why not, when not answered
    QString sysName;
    QString sysDescr;
    QString sysObjectId;
    QString sysLocation;
    qint64 upTime = -1; // hundredths of a second, -1 when not told
    QString deviceDescr;
    QString serial;
    PrinterState state;
    QStringList consoleLines; // the front panel's lines, top first
    QList<PrinterAlert> alerts;
    qint64 lifeCount = -1; // the odometer, in counterUnit
    int counterUnit = 0;
    QStringList media; // the media name of each input
    QDateTime readAt;  // when the answer came, UTC

    // "impressions", "feet", "meters"... of the odometer's unit; the window
    // translates the word in the context "SnmpAnswer".
    QString counterUnitWord() const;

    // Why a send to this printer is refused, or empty when it may go (no
    // answer refuses nothing).
    Wording refusal() const { return answered ? state.refusal() : Wording(); }
};

// A printer's uptime, given in hundredths of a second, as "1 d 02:03:04":
// as scripts read it, and as a person reads it in the program's language.
QString uptimeWords(qint64 hundredths);
QString uptimeShown(qint64 hundredths);

// Reads the system group, the printer's status, front panel, alerts,
// odometer and media from one host. Every query runs in the event loop of
// this object's thread, however many are under way (a v3 one first learns
// the agent's engine, also without blocking). Once this object is gone,
// answers still under way are dropped.
class SnmpReader : public QObject
{
    Q_OBJECT
public:
    explicit SnmpReader(SnmpOptions options, QObject *parent = nullptr);
    ~SnmpReader() override;

    const SnmpOptions &options() const { return m_options; }

    using Done = std::function<void(const QString &host, const SnmpAnswer &answer)>;
    // Starts the query; `done` follows from the event loop.
    void read(const QString &host, Done done);
    int pending() const { return m_pending; }

    // Runs one query to its end on the calling thread.
    static SnmpAnswer readNow(const QString &host, const SnmpOptions &options);

private:
    // Asks `address`; the answer is `host`'s.
    void query(const QString &host, const QString &address, Done done);

    class Reading;
    class Query;
    QList<Query *> m_queries;
    SnmpOptions m_options;
    int m_pending = 0;
};
