#pragma once

#include "discovery/DnsSdBrowser.h"
#include "discovery/SnmpReader.h"
#include "discovery/Sweep.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QSet>
#include <QStringList>

// One printer found, however many ways found it.
struct FoundPrinter {
    QString address;
    quint16 port = 0; // the raw port; 0 while only SNMP or IPP named it
    QString name;
    QString makeModel;
    QString serial;
    bool snmpAnswered = false;
    PrinterState state;
    QStringList foundBy; // "sweep", "dns-sd", "snmp"
    SnmpAnswer details;  // the last answer: location, uptime, panel, alerts, odometer, media

    // "ready", "no paper"...; "unknown" while SNMP has not answered.
    QString status() const { return snmpAnswered ? state.words() : QStringLiteral("unknown"); }
    bool isError() const { return snmpAnswered && state.isError(); }
    // tcp://address:port, for a targets file.
    QString target() const;
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

// What to look through and how.
struct DiscoveryOptions {
    QStringList ranges; // CIDR ranges or hosts
    QList<quint16> ports{9100};
    bool dnsSd = false;
    SnmpOptions snmp;
};

// Finds printers three ways at once (a sweep of the ranges given, DNS-SD,
// SNMP at every address either finds) and keeps one row per printer,
// matched by serial number, else by address; rows change live.
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

    const QList<FoundPrinter> &printers() const { return m_printers; }
    // Things worth saying once, such as DNS-SD being unavailable.
    const QStringList &notes() const { return m_notes; }

signals:
    void printerAdded(int row);
    void printerChanged(int row);
    void printerRemoved(int row);
    void progress(int done, int total);
    void note(const QString &text);
    void finished();

private:
    int rowOf(const QString &address, quint16 port) const;
    int addOrFind(const QString &address, quint16 port);
    void found(const QString &address, quint16 port, const QString &how);
    void dnsSdFound(const DnsSdService &service);
    void askSnmp(const QString &address);
    void snmpAnswered(const QString &address, const SnmpAnswer &answer);
    void mergeSerial(const QString &serial);
    void checkEnd();

    Sweep m_sweep;
    DnsSdBrowser m_dnsSd;
    std::unique_ptr<SnmpReader> m_snmp;
    QList<FoundPrinter> m_printers;
    QSet<QString> m_asked;
    QStringList m_notes;
    bool m_running = false;
    bool m_dnsSdSettling = false;
};
