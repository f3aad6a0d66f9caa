#pragma once

#include "discovery/SnmpReader.h"
#include "ui/Settings.h"

#include <QHostAddress>
#include <QProcess>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QUdpSocket>

// The "tested" community on `port`.
inline SnmpOptions testedCommunity(quint16 port)
{
    SnmpOptions options;
    options.community = QStringLiteral("tested");
    options.port = port;
    return options;
}

// The window asks printers over SNMP as its settings file says: the
// "tested" community on `port`.
inline void askWindowWith(quint16 port)
{
    QSettings settings(Settings::filePath(), QSettings::IniFormat);
    settings.setValue("link/snmpCommunity", "tested");
    settings.setValue("link/snmpPort", port);
}

// A printer's system group and device, as start() takes them: its name (as
// snmpd's override reads it), its location, a Varimonde LX-4, running.
inline QStringList printerSystem(const QString &name)
{
    return {QStringLiteral("1.3.6.1.2.1.1.5.0 octet_str \"%1\"").arg(name),
            "1.3.6.1.2.1.1.6.0 octet_str \"Dock 3\"",
            "1.3.6.1.2.1.25.3.2.1.3.1 octet_str \"Varimonde LX-4\"",
            "1.3.6.1.2.1.25.3.5.1.1.1 integer 3"};
}

// The printer's tables as set() takes them: error bits (hex bytes), odometer,
// and what else is given.
inline QStringList printerTables(const char *bits, int odometer, const QStringList &more = {})
{
    return QStringList{QStringLiteral(".1.3.6.1.2.1.25.3.5.1.2.1 octet %1").arg(bits),
                       ".1.3.6.1.2.1.43.5.1.1.17.1 string SN77",
                       ".1.3.6.1.2.1.43.8.2.1.12.1.1 string 4x6 direct thermal",
                       ".1.3.6.1.2.1.43.10.2.1.3.1.1 integer 7",
                       QStringLiteral(".1.3.6.1.2.1.43.10.2.1.4.1.1 counter %1").arg(odometer)} +
           more;
}

// A standing alert: critical, input group, "media empty".
inline const QStringList paperOut{
    ".1.3.6.1.2.1.43.18.1.1.2.1.7 integer 3", ".1.3.6.1.2.1.43.18.1.1.4.1.7 integer 8",
    ".1.3.6.1.2.1.43.18.1.1.7.1.7 integer 808", ".1.3.6.1.2.1.43.18.1.1.8.1.7 string Load labels",
    ".1.3.6.1.2.1.43.18.1.1.9.1.7 timeticks 12345"};

// Debian's snmpd on loopback addresses and a free port, whose printer tables
// (the Printer-MIB and the printer's error bits) are answered from a state
// file the test rewrites while it runs, so that a printer's alerts, panel,
// odometer and media change, come and go. The "tested" community and the v3
// user "printeruser" (authpass123, privpass123) may read it. Stopped with the
// test.
class PrinterAgent
{
public:
    // `system`: override lines for the system group and the device
    // (OID, type, value), fixed for the agent's life. True once it answers.
    bool start(const QStringList &system = {})
    {
        if (!port) {
            QUdpSocket probe;
            probe.bind(QHostAddress(addresses.first()), 0);
            port = probe.localPort();
        }
        const QString script = QStringLiteral(VARIMONDE_TEST_SUPPORT_DIR "/printer-agent.py");
        QFile config(dir.filePath("snmpd.conf"));
        config.open(QIODevice::WriteOnly);
        config.write("rocommunity tested 127.0.0.0/8\n"
                     "createUser printeruser SHA \"authpass123\" AES \"privpass123\"\n"
                     "rouser printeruser priv\n");
        for (const QString &line : system)
            config.write(("override " + line + "\n").toUtf8());
        for (const char *root : {".1.3.6.1.2.1.43", ".1.3.6.1.2.1.25.3.5.1.2.1"})
            config.write(QStringLiteral("pass_persist %1 /usr/bin/python3 %2 %3 %1\n")
                             .arg(QLatin1String(root), script, statePath())
                             .toUtf8());
        config.close();
        QStringList endpoints;
        for (const QString &address : std::as_const(addresses))
            endpoints << QStringLiteral("udp:%1:%2").arg(address).arg(port);
        // In the foreground, with only this configuration, no MIB files and
        // its state here.
        const QString program = QStandardPaths::findExecutable("snmpd", {"/usr/sbin", "/usr/bin"});
        if (program.isEmpty())
            return false;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("MIBS", QString());
        environment.insert("SNMP_PERSISTENT_DIR", dir.filePath("p"));
        environment.insert("SNMPCONFPATH", dir.path());
        agent.setProcessEnvironment(environment);
        agent.start(program, {"-f", "-Lo", "-C", "-c", config.fileName(), "-M",
                              dir.filePath("none"), endpoints.join(',')});
        if (!agent.waitForStarted())
            return false;
        SnmpOptions options = testedCommunity(port);
        options.timeoutMs = 200;
        for (int tries = 0; tries < 25; ++tries)
            if (SnmpReader::readNow(addresses.first(), options).answered)
                return true;
        return false;
    }

    void stop()
    {
        agent.terminate();
        agent.waitForFinished(3000);
    }

    ~PrinterAgent() { stop(); }

    // The printer's objects from now on: "OID TYPE VALUE" each, TYPE as
    // snmpd's pass takes it (string, integer, counter, timeticks, octet).
    void set(const QStringList &objects)
    {
        QSaveFile file(statePath());
        file.open(QIODevice::WriteOnly);
        file.write((objects.join('\n') + '\n').toUtf8());
        file.commit();
    }

    QString statePath() const { return dir.filePath("state"); }

    QTemporaryDir dir;
    QProcess agent;
    QStringList addresses{QStringLiteral("127.0.0.1")}; // the first is asked whether it is ready
    quint16 port = 0;
};

// Starts an agent. snmpd is installed with the tests, so an agent that does
// not start fails the test rather than skipping it unseen.
#define START_AGENT_OR_FAIL(started)                                                               \
    do {                                                                                           \
        if (!(started))                                                                            \
            QFAIL("snmpd is not installed or did not start: scripts/install-deps.sh --tests");     \
    } while (false)
