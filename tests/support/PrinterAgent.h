#pragma once

#include <QHostAddress>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QUdpSocket>

// Starts snmpd in the foreground with only the configuration given, no MIB
// files and its state in `dir`, listening on `endpoints`.
inline bool startSnmpd(QProcess &agent, const QTemporaryDir &dir, const QString &config,
                       const QString &endpoints)
{
    const QString program = QStandardPaths::findExecutable("snmpd", {"/usr/sbin", "/usr/bin"});
    if (program.isEmpty())
        return false;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("MIBS", QString());
    environment.insert("SNMP_PERSISTENT_DIR", dir.filePath("p"));
    environment.insert("SNMPCONFPATH", dir.path());
    agent.setProcessEnvironment(environment);
    agent.start(program, {"-f", "-Lo", "-C", "-c", config, "-M", dir.filePath("none"), endpoints});
    return agent.waitForStarted();
}

// Debian's snmpd on loopback and a free port, whose printer tables (the
// Printer-MIB and the printer's error bits) are answered from a state file
// the test rewrites while it runs, so that a printer's alerts, panel,
// odometer and media change, come and go. Stopped with the test.
class PrinterAgent
{
public:
    // `system`: override lines for the system group and the device
    // (OID, type, value), fixed for the agent's life.
    bool start(const QStringList &system = {})
    {
        if (!port) {
            QUdpSocket probe;
            probe.bind(QHostAddress(address), 0);
            port = probe.localPort();
        }
        const QString script = QStringLiteral(VARIMONDE_TEST_SUPPORT_DIR "/printer-agent.py");
        QFile config(dir.filePath("snmpd.conf"));
        config.open(QIODevice::WriteOnly);
        config.write("rocommunity tested 127.0.0.0/8\n");
        for (const QString &line : system)
            config.write(("override " + line + "\n").toUtf8());
        for (const char *root : {".1.3.6.1.2.1.43", ".1.3.6.1.2.1.25.3.5.1.2.1"})
            config.write(QStringLiteral("pass_persist %1 /usr/bin/python3 %2 %3 %1\n")
                             .arg(QLatin1String(root), script, statePath())
                             .toUtf8());
        config.close();
        return startSnmpd(agent, dir, config.fileName(),
                          QStringLiteral("udp:%1:%2").arg(address).arg(port));
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
    QString address = QStringLiteral("127.0.0.1");
    quint16 port = 0;
};
