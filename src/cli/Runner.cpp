#include "cli/Runner.h"

#include "cli/PrinterJob.h"
#include "cli/Report.h"
#include "common/SafeWrite.h"
#include "link/TransferProgress.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QLocale>
#include <QSocketNotifier>

#include <csignal>
#include <cstdlib>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace
{

#ifdef Q_OS_UNIX
// The self-pipe: a signal handler may only write; the event loop reads.
int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    const ssize_t written = ::write(signalPipe[1], &byte, 1);
    (void)written;
}
#endif

int terminalRows()
{
#ifdef Q_OS_UNIX
    winsize size{};
    if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_row > 4)
        return size.ws_row;
#endif
    return 24;
}

} // namespace

Runner::Runner(const Plan &plan, const Console &console) : m_plan(plan), m_console(console)
{
    const PrinterJob::Limits limits{{plan.stallLimitMs, plan.busyLimitMs},
                                    plan.connectTimeoutMs,
                                    plan.discover.ignoreStatus
                                        ? std::nullopt
                                        : std::optional<SnmpOptions>(plan.discover.discovery.snmp)};
    for (const Target &target : plan.targets)
        m_jobs << new PrinterJob(target, plan.actions, limits);
    m_waiting = m_jobs;
    m_limit = std::min(descriptorBudget(), plan.jobs > 0 ? plan.jobs : defaultJobs);
    m_ticker.setInterval(100);
    connect(&m_ticker, &QTimer::timeout, this, &Runner::drawProgress);
}

Runner::~Runner()
{
    for (PrinterJob *job : m_jobs)
        job->cancel();
    qDeleteAll(m_jobs);
}

int Runner::descriptorBudget()
{
#ifdef Q_OS_UNIX
    rlimit files{};
    if (::getrlimit(RLIMIT_NOFILE, &files) == 0) {
        // Many printers need many descriptors: take what the system allows.
        if (files.rlim_cur < files.rlim_max) {
            files.rlim_cur = files.rlim_max;
            ::setrlimit(RLIMIT_NOFILE, &files);
            ::getrlimit(RLIMIT_NOFILE, &files);
        }
        // One descriptor a printer, its port or socket, beside those the
        // program itself holds.
        if (files.rlim_cur != RLIM_INFINITY)
            return std::max<int>(1, int(std::min<rlim_t>(files.rlim_cur, 1 << 20)) - reserved);
    }
#endif
    return 1 << 16;
}

void Runner::interrupt()
{
    if (m_interrupted)
        return;
    m_interrupted = true;
    for (PrinterJob *job : std::as_const(m_waiting)) {
        job->cancelUnstarted();
        ++m_done;
    }
    m_waiting.clear();
    for (PrinterJob *job : std::as_const(m_running))
        job->cancel();
    if (m_running.isEmpty())
        QCoreApplication::exit(0);
}

void Runner::startMore()
{
    for (int i = 0; i < m_waiting.size() && m_running.size() < m_limit;) {
        PrinterJob *job = m_waiting[i];
        const QString port = job->target().portKey();
        if (m_busyPorts.contains(port)) {
            ++i;
            continue;
        }
        m_waiting.removeAt(i);
        m_busyPorts.insert(port);
        m_running << job;
        m_shown.erase(job);
        m_shown.emplace(job, Shown{TransferProgress(job->total()), {}}).first->second.clock.start();
        connect(job, &PrinterJob::finished, this, [this, job] { finished(job); });
        job->start();
    }
}

void Runner::finished(PrinterJob *job)
{
    m_running.removeOne(job);
    m_busyPorts.remove(job->target().portKey());
    ++m_done;
    printDone(job);
    if (!m_interrupted)
        startMore();
    if (m_running.isEmpty() && m_waiting.isEmpty())
        QCoreApplication::exit(0);
}

void Runner::printDone(PrinterJob *job)
{
    QString line =
        QStringLiteral("[%1/%2] %3: ").arg(m_done).arg(m_jobs.size()).arg(job->target().written);
    switch (job->outcome()) {
    case PrinterJob::Outcome::Sent:
        line += QStringLiteral("sent %1 bytes in %2 s")
                    .arg(QLocale::c().toString(job->sent()))
                    .arg(job->seconds(), 0, 'f', 1);
        break;
    case PrinterJob::Outcome::Failed:
        line += QStringLiteral("failed: ") + job->failure();
        break;
    default:
        line += QStringLiteral("cancelled after %1 bytes").arg(QLocale::c().toString(job->sent()));
        break;
    }
    if (m_console.terminal)
        m_doneLines << line;
    else
        m_console.say(line);
}

QString Runner::progressLine(PrinterJob *job) const
{
    Shown &line = m_shown.at(job);
    line.progress.update(job->sent(), line.clock.elapsed());
    const int action = job->actionIndex();
    // One pass: a %2 in a target's name stays as it is.
    return QStringLiteral("  %1  [%2/%3] %4%  %5")
        .arg(job->target().written, QString::number(action + 1),
             QString::number(job->actions().size()),
             QString::number(line.progress.percent()).rightJustified(3),
             line.progress.describe(QStringLiteral("sent")));
}

void Runner::drawProgress()
{
    QString text;
    // Back to the top of the live block; everything below it is redrawn.
    if (m_drawnLines > 0)
        text += QStringLiteral("\r\x1b[%1A").arg(m_drawnLines);
    text += QStringLiteral("\r\x1b[J");
    for (const QString &line : std::as_const(m_doneLines))
        text += TerminalText::escaped(line) + QLatin1Char('\n');
    m_doneLines.clear();
    const int room = terminalRows() - 2;
    int lines = 0;
    for (PrinterJob *job : std::as_const(m_running)) {
        if (lines == room - 1 && m_running.size() > room) {
            text += QStringLiteral("  ... and %1 more sending\n").arg(m_running.size() - lines);
            ++lines;
            break;
        }
        text += TerminalText::escaped(progressLine(job)) + QLatin1Char('\n');
        ++lines;
    }
    m_drawnLines = lines;
    m_console.err.write(text.toUtf8());
}

int Runner::exitStatus() const
{
    if (m_interrupted)
        return Interrupted;
    for (const PrinterJob *job : m_jobs) {
        if (job->outcome() != PrinterJob::Outcome::Sent)
            return SomeFailed;
    }
    return AllSent;
}

int Runner::run()
{
#ifdef Q_OS_UNIX
    struct sigaction previous[2]{};
    if (m_catchInterrupts && ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) == 0) {
        m_signals = std::make_unique<QSocketNotifier>(signalPipe[0], QSocketNotifier::Read);
        connect(m_signals.get(), &QSocketNotifier::activated, this, [this] {
            char bytes[16];
            while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
            }
            // A second interrupt: the user will not wait any longer.
            if (m_interrupted)
                std::_Exit(Interrupted);
            interrupt();
        });
        struct sigaction action {
        };
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        ::sigaction(SIGINT, &action, &previous[0]);
        ::sigaction(SIGTERM, &action, &previous[1]);
    }
#endif
    // Every printer runs in the program's one event loop: starting them
    // waits for the loop, so that an end quits a loop that is running.
    QTimer::singleShot(0, this, [this] {
        startMore();
        if (m_running.isEmpty())
            QCoreApplication::exit(0);
    });
    if (m_console.terminal)
        m_ticker.start();
    if (!m_waiting.isEmpty())
        QCoreApplication::exec();
    m_ticker.stop();
    if (m_console.terminal)
        drawProgress();
#ifdef Q_OS_UNIX
    if (m_signals) {
        ::sigaction(SIGINT, &previous[0], nullptr);
        ::sigaction(SIGTERM, &previous[1], nullptr);
        m_signals.reset();
        ::close(signalPipe[0]);
        ::close(signalPipe[1]);
    }
#endif

    const int status = exitStatus();
    m_console.print(Report::table(m_jobs));
    if (!m_plan.report.isEmpty()) {
        if (!Report::save(m_plan.report, Report::json(m_jobs, status), m_console,
                          QStringLiteral("the report")))
            return status == AllSent ? SomeFailed : status;
    }
    return status;
}
