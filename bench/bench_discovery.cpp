// A /22 swept for printers: 40 raw ports answering on loopback addresses
// (127.0.4.0/22 only), each also answering SNMP when snmpd is installed;
// the rest of the range refuses. Baseline: the same range with nobody there.
// Then the same printers silent over SNMP, with a name whose name server
// keeps silent: the threads the program runs meanwhile, and its longest
// event-loop turn. In a network namespace of its own where it may make one
// (its name server is a silent socket there), else on the machine's
// loopback without the name.

#include "discovery/Discovery.h"
#include "support/PrivateNetwork.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHostAddress>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <QUdpSocket>

#include <sys/resource.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace
{

double peakMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

struct Swept {
    double seconds;
    int printers;
    int answeredSnmp;
};

struct Watched {
    int threads = 0;
    qint64 longestTurnMs = 0;
};

Swept sweep(const QStringList &ranges, quint16 snmpPort, Watched *watched = nullptr)
{
    Discovery discovery;
    DiscoveryOptions options;
    options.ranges = ranges;
    options.snmp.community = QStringLiteral("bench");
    options.snmp.port = snmpPort;
    QObject::connect(&discovery, &Discovery::finished, [] { QCoreApplication::exit(0); });
    // A tick every 10 ms: how late it comes is how long a turn took.
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QElapsedTimer sinceTick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const int threads = QDir(QStringLiteral("/proc/self/task"))
                                .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
                                .size();
        watched->threads = std::max(watched->threads, threads);
        watched->longestTurnMs = std::max(watched->longestTurnMs, sinceTick.restart() - 10);
    });
    if (watched) {
        sinceTick.start();
        tick.start(10);
    }
    QElapsedTimer clock;
    clock.start();
    discovery.start(options);
    QCoreApplication::exec();
    Swept swept{clock.nsecsElapsed() / 1e9, int(discovery.printers().size()), 0};
    for (const FoundPrinter &printer : discovery.printers())
        swept.answeredSnmp += printer.snmpAnswered;
    return swept;
}

} // namespace

int main(int argc, char **argv)
{
    PrivateNetwork::enter();
    QCoreApplication application(argc, argv);
    const QString range = QStringLiteral("127.0.4.0/22");
    QStringList addresses;
    for (int i = 0; i < 40; ++i)
        addresses << QHostAddress(quint32(0x7f000400) + 2 + quint32(i) * 25).toString();

    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    const quint16 snmpPort = probe.localPort();
    probe.close();

    const double before = peakMiB();
    const Swept empty = sweep({range}, snmpPort);
    const double afterEmpty = peakMiB();

    std::vector<std::unique_ptr<QTcpServer>> printers;
    for (const QString &address : addresses) {
        printers.push_back(std::make_unique<QTcpServer>());
        if (!printers.back()->listen(QHostAddress(address), 9100)) {
            std::fprintf(stderr, "cannot listen on %s\n", qPrintable(address));
            return 1;
        }
    }
    QTemporaryDir dir;
    QProcess agent;
    const QString snmpd = QStandardPaths::findExecutable(
        QStringLiteral("snmpd"), {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")});
    if (!snmpd.isEmpty()) {
        QFile config(dir.filePath(QStringLiteral("snmpd.conf")));
        config.open(QIODevice::WriteOnly);
        config.write("rocommunity bench 127.0.0.0/8\n"
                     "override 1.3.6.1.2.1.25.3.5.1.1.1 integer 3\n"
                     "override 1.3.6.1.2.1.25.3.5.1.2.1 octet_str 0x0000\n");
        config.close();
        QStringList endpoints;
        for (const QString &address : addresses)
            endpoints << QStringLiteral("udp:%1:%2").arg(address).arg(snmpPort);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("MIBS"), QString());
        environment.insert(QStringLiteral("SNMP_PERSISTENT_DIR"),
                           dir.filePath(QStringLiteral("p")));
        agent.setProcessEnvironment(environment);
        agent.start(snmpd, {QStringLiteral("-f"), QStringLiteral("-Lf"),
                            QStringLiteral("/dev/null"), QStringLiteral("-C"), QStringLiteral("-c"),
                            config.fileName(), endpoints.join(QLatin1Char(','))});
        agent.waitForStarted();
        QElapsedTimer ready;
        ready.start();
        while (ready.elapsed() < 5000 && !SnmpReader::readNow(addresses.last(),
                                                              [&] {
                                                                  SnmpOptions options;
                                                                  options.community =
                                                                      QStringLiteral("bench");
                                                                  options.port = snmpPort;
                                                                  options.timeoutMs = 200;
                                                                  return options;
                                                              }())
                                              .answered) {
        }
    }
    const Swept full = sweep({range}, snmpPort);
    const double afterFull = peakMiB();
    agent.terminate();
    agent.waitForFinished();

    // Silent over SNMP: a socket on every address takes the questions.
    QUdpSocket mute;
    mute.bind(QHostAddress::AnyIPv4, snmpPort);
    QStringList ranges{range};
    QUdpSocket nameServer;
    const bool named = PrivateNetwork::refusal().isEmpty() &&
                       nameServer.bind(QHostAddress::LocalHost, 53) &&
                       PrivateNetwork::useResolverConfiguration("nameserver 127.0.0.1\n").isEmpty();
    if (named)
        ranges << QStringLiteral("printer.invalid");
    Watched watched;
    const Swept silent = sweep(ranges, snmpPort, &watched);
    if (named)
        PrivateNetwork::restoreResolverConfiguration();

    std::printf("/22 sweep (1022 addresses, 128 connects at once), loopback:\n");
    std::printf("  nobody there:         %.2f s, %d printers\n", empty.seconds, empty.printers);
    std::printf("  40 printers answering: %.2f s, %d printers, %d answered SNMP\n", full.seconds,
                full.printers, full.answeredSnmp);
    std::printf("  40 printers silent over SNMP%s: %.2f s, %d printers; at most %d threads, "
                "longest event-loop turn %lld ms\n",
                named ? ", and a name no server answers" : " (no namespace: without the name)",
                silent.seconds, silent.printers, watched.threads, watched.longestTurnMs);
    std::printf("  peak memory: %.1f MiB at start, %.1f MiB after the empty sweep, %.1f MiB after "
                "the full one\n",
                before, afterEmpty, afterFull);
    return full.printers == 40 ? 0 : 1;
}
