#include "cli/Runner.h"

#include "cli/Report.h"
#include "cli/TargetJob.h"
#include "cli/TargetList.h"
#include "common/CommandLineText.h"
#include "common/FileLimit.h"
#include "common/ProcessSignals.h"
#include "common/SafeWrite.h"
#include "link/NetworkConnection.h"
#include "link/TransferProgress.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QLocale>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace
{

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

namespace
{

ProgressLog::Form logForm(const Plan &plan, const Console &console)
{
    if (plan.progress == Plan::Progress::Json)
        return ProgressLog::Form::Json;
    return console.terminal || plan.quiet ? ProgressLog::Form::None : ProgressLog::Form::Lines;
}

} // namespace

Runner::Runner(const Plan &plan, const Console &console)
    : m_plan(plan), m_console(console), m_live(console.terminal && !plan.quiet),
      m_log(logForm(plan, console), console, plan.progressIntervalMs)
{
    const TargetJob::Limits limits{{plan.stallLimitMs, plan.busyLimitMs},
                                   plan.connectTimeoutMs,
                                   plan.discover.ignoreStatus
                                       ? std::nullopt
                                       : std::optional<SnmpOptions>(plan.discover.discovery.snmp)};
    for (const Target &target : plan.targets)
        m_jobs << new TargetJob(target, plan.actions, limits);
    m_waiting = m_jobs;
    m_limit = std::min(descriptorBudget(), plan.jobs > 0 ? plan.jobs : defaultJobs);
    m_ticker.setInterval(100);
    connect(&m_ticker, &QTimer::timeout, this, &Runner::tick);
    connect(&m_shell, &RunShell::interrupted, this, [this] { interrupt(); });
}

Runner::~Runner()
{
    for (TargetJob *job : m_jobs)
        job->cancel();
    qDeleteAll(m_jobs);
}

int Runner::descriptorBudget()
{
    // One descriptor a printer, its port or socket, beside those the
    // program itself holds.
    return std::max(1, FileLimit::raise() - reserved);
}

void Runner::interrupt(const Wording &unstarted)
{
    if (m_interrupted)
        return;
    m_interrupted = true;
    for (TargetJob *job : std::as_const(m_waiting)) {
        job->cancelUnstarted(unstarted);
        m_log.ended(*job);
        ++m_done;
    }
    m_waiting.clear();
    // A job waiting for its printer's status ends at once, leaving the
    // running ones from inside this loop: it goes over a copy.
    const QList<TargetJob *> running = m_running;
    for (TargetJob *job : running)
        job->cancel();
    if (m_running.isEmpty())
        m_shell.finish();
}

void Runner::settle()
{
    if (m_interrupted)
        return;
    QHash<QString, const TargetJob *> named;
    for (int i = 0; i < m_jobs.size();) {
        TargetJob *job = m_jobs[i];
        const QStringList keys = m_lookup.keys(job->target());
        const TargetJob *kept = nullptr;
        for (const QString &key : keys)
            kept = kept ? kept : named.value(key);
        if (!kept) {
            for (const QString &key : keys)
                named.insert(key, job);
            ++i;
            continue;
        }
        if (!m_plan.quiet)
            m_console.say(TargetList::sameAs(job->target(), kept->target()));
        m_waiting.removeOne(job);
        m_jobs.removeAt(i);
        delete job;
    }
    for (TargetJob *job : std::as_const(m_jobs)) {
        const LinkAddress &address = job->target().address;
        const auto found = m_lookup.found().constFind(address.host().toLower());
        if (address.kind() != LinkAddress::Kind::Network || found == m_lookup.found().constEnd() ||
            !found->addresses.isEmpty())
            continue;
        job->failUnstarted(NetworkConnection::nameFailure(
            address.host(), address.port(), !found->answered, m_plan.connectTimeoutMs));
        m_waiting.removeOne(job);
        ++m_done;
        m_log.ended(*job);
        printDone(job);
    }
}

void Runner::startMore()
{
    for (int i = 0; i < m_waiting.size() && m_running.size() < m_limit;) {
        TargetJob *job = m_waiting[i];
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
        connect(job, &TargetJob::finished, this, [this, job] { finished(job); });
        m_log.started(*job);
        job->start();
    }
}

void Runner::finished(TargetJob *job)
{
    m_running.removeOne(job);
    m_busyPorts.remove(job->target().portKey());
    ++m_done;
    m_log.ended(*job);
    printDone(job);
    if (!m_interrupted)
        startMore();
    if (m_running.isEmpty() && m_waiting.isEmpty())
        m_shell.finish();
}

void Runner::printDone(TargetJob *job)
{
    QString line =
        QStringLiteral("[%1/%2] %3: ").arg(m_done).arg(m_jobs.size()).arg(job->target().written);
    switch (job->outcome()) {
    case TargetJob::Outcome::Sent:
        line += CommandLineText::tr("sent %1 bytes in %2 s")
                    .arg(QLocale::c().toString(job->sent()))
                    .arg(job->seconds(), 0, 'f', 1);
        break;
    case TargetJob::Outcome::Failed:
        line += CommandLineText::tr("failed: %1").arg(job->failure().shown(Audience::CommandLine));
        break;
    default:
        line +=
            CommandLineText::tr("cancelled after %1 bytes").arg(QLocale::c().toString(job->sent()));
        break;
    }
    if (m_plan.quiet && job->outcome() != TargetJob::Outcome::Failed)
        return;
    if (m_live)
        m_doneLines << line;
    else
        m_console.say(line);
}

void Runner::tick()
{
    for (TargetJob *job : std::as_const(m_running)) {
        Shown &shown = m_shown.at(job);
        const qint64 elapsed = shown.clock.elapsed();
        shown.progress.update(job->sent(), elapsed);
        m_log.look(*job, shown.progress, elapsed, shown.loggedMs, shown.loggedTenth);
    }
    if (m_live)
        drawProgress();
}

QString Runner::progressLine(TargetJob *job) const
{
    const Shown &line = m_shown.at(job);
    const int action = job->operationIndex();
    // One pass: a %2 in a target's name stays as it is.
    return QStringLiteral("  %1  [%2/%3] %4%  %5")
        .arg(job->target().written, QString::number(action + 1),
             QString::number(job->operations().size()),
             QString::number(line.progress.percent()).rightJustified(3),
             line.progress.describe(CommandLineText::tr("sent")));
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
    for (TargetJob *job : std::as_const(m_running)) {
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
    for (const TargetJob *job : m_jobs) {
        if (job->outcome() != TargetJob::Outcome::Sent)
            return SomeFailed;
    }
    return AllSent;
}

int Runner::run()
{
    // Interrupted while the files were read: no printer gets anything, and
    // that interrupt has been heard.
    if (m_plan.interrupted) {
        Interrupts::drain();
        interrupt(Wording::of(QT_TRANSLATE_NOOP("Failure", "Interrupted while the files were read: "
                                                           "cancelled before sending.")));
    }
    // Every printer runs in the program's one event loop: starting them
    // waits for the loop, so that an end quits a loop that is running.
    connect(&m_lookup, &TargetLookup::finished, this, [this] {
        settle();
        startMore();
        if (m_running.isEmpty())
            m_shell.finish();
    });
    if (!m_interrupted)
        m_lookup.start(m_plan.targets, m_plan.connectTimeoutMs, m_limit);
    if (m_live || m_log.form() != ProgressLog::Form::None)
        m_ticker.start();
    if (!m_waiting.isEmpty())
        m_shell.run();
    // A printer that did not let go in the grace after an interrupt ends
    // the run all the same.
    for (TargetJob *job : std::as_const(m_running)) {
        if (job->outcome() == TargetJob::Outcome::Waiting)
            job->cancelUnstarted(
                Wording::of(QT_TRANSLATE_NOOP("Failure", "Interrupted: the transfer was stopped "
                                                         "and its end not waited for.")));
    }
    m_ticker.stop();
    if (m_live)
        drawProgress();

    const int status = exitStatus();
    // The summary is for people; standard output is the events' alone when
    // a script reads them there.
    const QString table = Report::table(m_jobs);
    if (m_log.form() == ProgressLog::Form::Json)
        m_console.err.write(
            (m_console.errIsTerminal ? TerminalText::escapedLines(table) : table).toUtf8());
    else
        m_console.print(table);
    if (!m_plan.report.isEmpty()) {
        if (!Report::save(m_plan.report, Report::json(m_jobs, status), m_console,
                          CommandLineText::tr("the report")))
            return status == AllSent ? SomeFailed : status;
    }
    return status;
}
