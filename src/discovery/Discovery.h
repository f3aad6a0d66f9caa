#pragma once

#include "common/Wording.h"
#include "discovery/DnsSdBrowser.h"
#include "discovery/SnmpReader.h"
#include "discovery/Sweep.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QSet>
#include <QStringList>

#include <functional>

// One printer found, however many ways found it.
struct FoundPrinter {
    // A printer on a serial, parallel or USB line, as its target was
    // written: its status cannot be asked, as such a line carries nothing
    // back that says it.
    QString line;
    QString address;
    quint16 port = 0; // the raw port; 0 while only SNMP or IPP named it
    QString name;
    QString makeModel;
    QString serial;
    bool snmpAnswered = false;
    PrinterState state;
    QStringList foundBy; // "sweep", "dns-sd", "snmp"
    SnmpAnswer details;  // the last answer: location, uptime, panel, alerts, odometer, media
    // The DNS-SD services that named this row, by type and instance name: one
    // service heard on several interfaces stays one printer.
    QStringList services;

    // "ready", "no paper"...; "unknown" while SNMP has not answered;
    // "cannot be read" on a line.
    QString status() const;
    bool isError() const { return snmpAnswered && state.isError(); }
    // tcp://address:port, for a targets file; empty while no raw port is
    // known, as nothing can be sent to a printer only named.
    QString target() const;
    // The target, or the address and why there is none: for people.
    QString shownTarget() const;
    // {"target", "address", "port", "name", "makeModel", "serial",
    //  "snmp", "status", "conditions", "error", "foundBy", "location",
    //  "uptimeSeconds", "console", "alerts", "odometer", "odometerUnit",
    //  "media", "readAt"}
    QJsonObject json() const;
    void takeSnmp(const SnmpAnswer &answer);
};

// {"index", "severity" ("critical", "warning", "other"), "group", "code",
//  "description", "uptimeSeconds" (the printer's uptime when raised)}
QJsonArray alertsJson(const QList<PrinterAlert> &alerts);
// The rows of what was found, and how the ways of finding join: one row per
// raw port that answers (a print server's ports are printers of their
// own); a service that only names a printer, or SNMP, joins a row of its
// address; the same serial number at another address on the same port is
// the same printer reached twice. Each row added, changed or removed is
// told as it happens, so that a view of the rows follows them.
class FoundRows
{
public:
    struct Change {
        enum class Kind { Added, Changed, Removed };
        Kind kind;
        int row;
    };
    std::function<void(const Change &)> onChange;

    // The lowest port a DNS-SD raw service may give: ports below are the
    // system's own services (a shell, IPP, the line printer daemon), never
    // a printer's raw port, whatever an announcement claims.
    static constexpr quint16 lowestRawPort = 1024;

    void sweepFound(const QString &address, quint16 port);
    void serviceFound(const DnsSdService &service);
    void snmpAnswered(const QString &address, const SnmpAnswer &answer);

    const QList<FoundPrinter> &printers() const { return m_printers; }
    void clear();

private:
    int rowOf(const QString &address, quint16 port) const;
    int addOrFind(const QString &address, quint16 port);
    void takeKnownAnswer(int row);
    void mergeSerial(const QString &serial);
    void merge(int from, int into);
    void tell(const Change &change) const;

    QList<FoundPrinter> m_printers;
    QHash<QString, SnmpAnswer> m_answers; // by address
};

// What to look through and how.
struct DiscoveryOptions {
    QStringList ranges; // CIDR ranges or hosts
    QList<quint16> ports{9100};
    bool dnsSd = false;
    SnmpOptions snmp;
};

// Finds printers three ways at once (a sweep of the ranges given, DNS-SD,
// SNMP at every address either finds) and keeps their rows (FoundRows);
// rows change live.
class Discovery : public QObject
{
    Q_OBJECT
public:
    explicit Discovery(QObject *parent = nullptr);
    ~Discovery() override;

    // Why the options cannot work (a bad range), or empty; nothing starts.
    QString start(const DiscoveryOptions &options);
    void stop();
    bool isRunning() const { return m_running; }

    const QList<FoundPrinter> &printers() const { return m_rows.printers(); }
    // Things worth saying once, such as DNS-SD being unavailable: shown to
    // people in their language, written to a report in English.
    const QList<Wording> &notes() const { return m_notes; }
    // Whether every address and port asked for was tried: false when
    // connects could not even be made (no descriptors left), and a printer
    // may have been missed.
    bool isComplete() const { return m_sweep.untried() == 0; }

signals:
    void printerAdded(int row);
    void printerChanged(int row);
    void printerRemoved(int row);
    void progress(int done, int total);
    void note(const Wording &text);
    void finished();

private:
    void askSnmp(const QString &address);
    void checkEnd();

    Sweep m_sweep;
    DnsSdBrowser m_dnsSd;
    std::unique_ptr<SnmpReader> m_snmp;
    FoundRows m_rows;
    QSet<QString> m_asked;
    QList<Wording> m_notes;
    bool m_running = false;
    bool m_dnsSdSettling = false;
};
