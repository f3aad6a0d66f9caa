// SNMP reads on the one event loop, on loopback only:
// 1. 100 silent printers asked for their status before a send, over v2c
//    and over v3 (whose agent's engine is asked for first): how long until
//    every answer is in, and the longest turn of the event loop meanwhile.
// 2. A watch of many printers answered by one snmpd: the share of a core,
//    the peak memory and the threads it takes; the longest turn of the
//    event loop, split into the loop's time on a core and its time waiting
//    for one, and the slowest event it handled with what received it.
//
//   bench_fleet [printers to watch] [interval s] [duration s]   (default 1000, 60, 60)

#include "discovery/PrinterWatch.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHostAddress>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QUdpSocket>

#include <fcntl.h>
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace
{

int threads()
{
    return int(QDir(QStringLiteral("/proc/self/task"))
                   .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
                   .size());
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double peakMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

// Times every event the loop hands out, so that a long turn is named by
// what took it: the receiver's class and the event's type.
class TimedApplication : public QCoreApplication
{
public:
    using QCoreApplication::QCoreApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        // Only the outermost delivery: what it sends on is part of it.
        if (m_depth++ > 0) {
            const bool taken = QCoreApplication::notify(receiver, event);
            --m_depth;
            return taken;
        }
        const int type = int(event->type());
        // Taken first: the receiver may be gone once its event is handled.
        const char *name = receiver->metaObject()->className();
        QElapsedTimer clock;
        clock.start();
        const bool taken = QCoreApplication::notify(receiver, event);
        const double ms = clock.nsecsElapsed() / 1e6;
        --m_depth;
        if (ms > m_slowestMs) {
            m_slowestMs = ms;
            m_slowest = QStringLiteral("%1, event type %2").arg(QLatin1String(name)).arg(type);
        }
        return taken;
    }

    void resetSlowest()
    {
        m_slowestMs = 0;
        m_slowest.clear();
    }
    QString slowest() const
    {
        return QStringLiteral("%1 ms (%2)").arg(m_slowestMs, 0, 'f', 1).arg(m_slowest);
    }

private:
    int m_depth = 0;
    double m_slowestMs = 0;
    QString m_slowest;
};

TimedApplication *application()
{
    return static_cast<TimedApplication *>(QCoreApplication::instance());
}

// The longest gap between two turns of a timer that asks for one every
// millisecond: how long the event loop was kept from its work; and, of that
// gap, how long the loop's thread was on a core and how long it waited for
// one (the kernel's schedstat). A long gap the thread spent waiting is the
// scheduler giving the cores to other programs, not work of the loop.
class TurnWatch
{
public:
    TurnWatch()
    {
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const qint64 gap = m_clock.restart();
            const double cpu = threadCpuMs();
            const double waited = waitedMs();
            if (gap > m_longest) {
                m_longest = gap;
                m_longestCpuMs = cpu - m_lastCpuMs;
                m_longestWaitedMs = waited - m_lastWaitedMs;
            }
            m_lastCpuMs = cpu;
            m_lastWaitedMs = waited;
        });
    }
    void start()
    {
        m_longest = 0;
        m_longestCpuMs = 0;
        m_longestWaitedMs = 0;
        m_lastCpuMs = threadCpuMs();
        m_lastWaitedMs = waitedMs();
        m_clock.start();
        m_timer.start();
    }
    qint64 stop()
    {
        m_timer.stop();
        return m_longest;
    }
    // The loop's time on a core during the longest gap, and its time
    // waiting for one.
    double longestCpuMs() const { return m_longestCpuMs; }
    double longestWaitedMs() const { return m_longestWaitedMs; }
    ~TurnWatch()
    {
        if (m_schedstat >= 0)
            ::close(m_schedstat);
    }

private:
    static double threadCpuMs()
    {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
    }

    // "on-core run-queue-wait slices", in nanoseconds; -1 without schedstat.
    double waitedMs() const
    {
        char text[96] = {};
        if (m_schedstat < 0 || ::pread(m_schedstat, text, sizeof text - 1, 0) <= 0)
            return -1;
        unsigned long long onCore = 0, waiting = 0;
        return std::sscanf(text, "%llu %llu", &onCore, &waiting) == 2 ? waiting / 1e6 : -1;
    }

    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_longest = 0;
    double m_longestCpuMs = 0;
    double m_lastCpuMs = 0;
    double m_longestWaitedMs = 0;
    double m_lastWaitedMs = 0;
    int m_schedstat = ::open("/proc/thread-self/schedstat", O_RDONLY | O_CLOEXEC);
};

QString address(int i, int base)
{
    return QHostAddress(quint32(base) + 1 + quint32(i)).toString();
}

void silentPrinters()
{
    // 100 printers that take SNMP datagrams and never answer.
    QUdpSocket first;
    first.bind(QHostAddress(address(0, 0x7f000600)), 0);
    const quint16 port = first.localPort();
    std::vector<std::unique_ptr<QUdpSocket>> silent;
    for (int i = 1; i < 100; ++i) {
        silent.push_back(std::make_unique<QUdpSocket>());
        silent.back()->bind(QHostAddress(address(i, 0x7f000600)), port);
    }
    std::printf("100 silent printers asked before a send (0.5 s, one retry), loopback:\n");
    for (const bool v3 : {false, true}) {
        SnmpOptions options;
        options.port = port;
        if (v3) {
            options.user = QStringLiteral("bench");
            options.authPass = QStringLiteral("benchpass1");
            options.privPass = QStringLiteral("benchpass2");
        }
        SnmpReader reader(options.beforeSend());
        TurnWatch turns;
        int answered = 0;
        int most = threads();
        QElapsedTimer clock;
        clock.start();
        turns.start();
        for (int i = 0; i < 100; ++i)
            reader.read(address(i, 0x7f000600), [&](const QString &, const SnmpAnswer &) {
                most = std::max(most, threads());
                if (++answered == 100)
                    QCoreApplication::exit(0);
            });
        QCoreApplication::exec();
        std::printf("  %-4s %.2f s until all had ended, longest event-loop turn %lld ms, "
                    "%d threads\n",
                    v3 ? "v3:" : "v2c:", clock.nsecsElapsed() / 1e9, turns.stop(), most);
    }
}

int watchMany(int printers, int intervalS, int durationS)
{
    const QString snmpd = QStandardPaths::findExecutable(
        QStringLiteral("snmpd"), {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")});
    if (snmpd.isEmpty()) {
        std::printf("snmpd is not installed: no watch\n");
        return 0;
    }
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    const quint16 port = probe.localPort();
    probe.close();
    QTemporaryDir dir;
    QFile config(dir.filePath(QStringLiteral("snmpd.conf")));
    config.open(QIODevice::WriteOnly);
    config.write("rocommunity bench 127.0.0.0/8\n"
                 "override 1.3.6.1.2.1.25.3.5.1.1.1 integer 3\n"
                 "override 1.3.6.1.2.1.25.3.5.1.2.1 octet_str 0x0000\n"
                 "override 1.3.6.1.2.1.43.10.2.1.4.1.1 counter 4711\n"
                 "override 1.3.6.1.2.1.43.10.2.1.3.1.1 integer 7\n"
                 "override 1.3.6.1.2.1.43.16.5.1.2.1.1 octet_str \"READY\"\n"
                 "override 1.3.6.1.2.1.43.16.5.1.2.1.2 octet_str \"LX-4 V2.1\"\n"
                 "override 1.3.6.1.2.1.43.8.2.1.12.1.1 octet_str \"4x6 direct thermal\"\n"
                 "override 1.3.6.1.2.1.43.18.1.1.2.1.1 integer 4\n"
                 "override 1.3.6.1.2.1.43.18.1.1.4.1.1 integer 8\n"
                 "override 1.3.6.1.2.1.43.18.1.1.7.1.1 integer 807\n"
                 "override 1.3.6.1.2.1.43.18.1.1.8.1.1 octet_str \"Labels low\"\n"
                 "override 1.3.6.1.2.1.43.18.1.1.9.1.1 timeticks 100\n");
    config.close();
    // The printers' addresses, 127.0.8.1 on, answered by one agent.
    QStringList endpoints;
    for (int i = 0; i < printers; ++i)
        endpoints << QStringLiteral("udp:%1:%2").arg(address(i, 0x7f000800)).arg(port);
    QProcess agent;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("MIBS"), QString());
    environment.insert(QStringLiteral("SNMP_PERSISTENT_DIR"), dir.filePath(QStringLiteral("p")));
    agent.setProcessEnvironment(environment);
    agent.start(snmpd, {QStringLiteral("-f"), QStringLiteral("-Lf"), QStringLiteral("/dev/null"),
                        QStringLiteral("-C"), QStringLiteral("-c"), config.fileName(),
                        endpoints.join(QLatin1Char(','))});
    agent.waitForStarted();
    QThread::sleep(1);

    SnmpOptions options;
    options.community = QStringLiteral("bench");
    options.port = port;
    PrinterWatch watch(options, intervalS * 1000);
    for (int i = 0; i < printers; ++i)
        watch.add(address(i, 0x7f000800), address(i, 0x7f000800));
    int events = 0;
    QObject::connect(&watch, &PrinterWatch::event, [&events](const QJsonObject &) { ++events; });
    const double cpuBefore = cpuSeconds();
    TurnWatch turns;
    int most = threads();
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&most] { most = std::max(most, threads()); });
    sampler.start(500);
    QElapsedTimer clock;
    clock.start();
    turns.start();
    application()->resetSlowest();
    watch.start();
    QTimer::singleShot(durationS * 1000, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    const double seconds = clock.nsecsElapsed() / 1e9;
    const double cpu = cpuSeconds() - cpuBefore;
    watch.stop();
    // The reads are spread over the interval: a run as long as one interval
    // ends before the last few printers had their turn.
    int online = 0;
    int read = 0;
    for (const WatchedPrinter &printer : watch.printers()) {
        online += printer.online;
        read += printer.known;
    }
    agent.terminate();
    agent.waitForFinished();
    std::printf("%d printers watched every %d s for %.0f s (one snmpd answering all):\n", printers,
                intervalS, seconds);
    std::printf("  %d reads, %d events; of the %d printers read, %d online at the end\n",
                watch.reads(), events, read, online);
    std::printf("  %.1f %% of a core, peak memory %.1f MiB, at most %d threads, longest "
                "event-loop turn %lld ms\n",
                100 * cpu / seconds, peakMiB(), most, turns.stop());
    std::printf("  in the longest turn %.1f ms on a core, %.1f ms waiting for one; slowest "
                "event handled: %s\n",
                turns.longestCpuMs(), turns.longestWaitedMs(),
                qPrintable(application()->slowest()));
    return read > 0 && online == read ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    TimedApplication application(argc, argv);
    silentPrinters();
    return watchMany(argc > 1 ? std::atoi(argv[1]) : 1000, argc > 2 ? std::atoi(argv[2]) : 60,
                     argc > 3 ? std::atoi(argv[3]) : 60);
}
