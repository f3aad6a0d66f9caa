#pragma once

#include "discovery/PrinterState.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

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

// What one printer answered.
struct SnmpAnswer {
    bool answered = false;
    QString failure; // why not, when not answered
    QString sysName;
    QString sysDescr;
    QString sysObjectId;
    QString deviceDescr;
    QString serial;
    PrinterState state;

    // Why a send to this printer is refused, or empty when it may go (no
    // answer refuses nothing).
    QString refusal() const { return answered ? state.refusal() : QString(); }
};

// Reads the system group and the printer's status from one host. A v1 or
// v2c query runs in the event loop of this object's thread, however many
// are under way; a v3 one on one of a few workers (opening its session
// blocks). Once this object is gone, answers still under way are dropped.
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
    // Asks `address` on a worker; the answer is `host`'s.
    void query(const QString &host, const QString &address, Done done);

    class Query;
    struct Alive;
    QList<Query *> m_queries;
    SnmpOptions m_options;
    std::shared_ptr<Alive> m_alive;
    int m_pending = 0;
};
