#include "cli/PrinterJob.h"

#include "link/PrinterLink.h"

#include <QMutexLocker>

namespace
{

constexpr int networkPollMs = 100;

} // namespace

PrinterJob::PrinterJob(Target target, const QList<Action> &actions, Limits limits)
    : m_target(std::move(target)), m_actions(actions), m_limits(limits)
{
    for (const Action &action : m_actions)
        m_total += action.size();
    // A transfer needs little stack: many printers at once stay small.
    setStackSize(512 * 1024);
}

PrinterJob::~PrinterJob()
{
    wait();
}

void PrinterJob::cancel()
{
    m_cancelled = true;
    QMutexLocker locker(&m_linkLock);
    // Runs in the job's thread, inside the transfer's wait.
    if (m_link)
        QMetaObject::invokeMethod(m_link, &PrinterLink::cancel, Qt::QueuedConnection);
}

void PrinterJob::cancelUnstarted()
{
    m_outcome = Outcome::Cancelled;
    m_failure = QStringLiteral("Interrupted before this printer's turn: nothing was sent.");
}

void PrinterJob::run()
{
    QElapsedTimer clock;
    clock.start();
    {
        PrinterLink link(nullptr);
        link.setAddress(m_target.address);
        link.setStallLimitMs(m_limits.stallLimitMs);
        link.setConnectTimeoutMs(m_limits.connectTimeoutMs);
        // A network connection wakes its transfer whenever it takes more;
        // the look at the line is for progress and the end, which a tenth
        // of a second shows well enough, and a hundred printers at once
        // then cost a few percent of a core. Serial, parallel and USB
        // ports take more only when looked at: they keep the quick look.
        if (m_target.address.kind() == LinkAddress::Kind::Network)
            link.setPollMs(networkPollMs);
        {
            QMutexLocker locker(&m_linkLock);
            m_link = &link;
        }
        const bool sent = sendAll(link);
        {
            QMutexLocker locker(&m_linkLock);
            m_link = nullptr;
        }
        if (sent)
            m_outcome = Outcome::Sent;
    }
    m_seconds = clock.nsecsElapsed() / 1e9;
}

bool PrinterJob::sendAll(PrinterLink &link)
{
    qint64 done = 0;
    connect(&link, &PrinterLink::progress, &link,
            [this, &done](qint64 sent, qint64) { m_sent = done + sent; });
    for (int i = 0; i < m_actions.size(); ++i) {
        m_actionIndex = i;
        for (const Transmission &part : m_actions[i].parts) {
            if (m_cancelled) {
                cancelUnstarted();
                m_failure = QStringLiteral("Interrupted: nothing more was sent.");
                return false;
            }
            const SendOutcome outcome = part.isText ? link.sendLatin1Text(part.bytes)
                                                    : link.sendBytes(PrinterBytes(part.bytes));
            if (outcome) {
                m_outcome = m_cancelled ? Outcome::Cancelled : Outcome::Failed;
                m_failure = m_cancelled
                                ? QStringLiteral("Interrupted: the transfer was stopped "
                                                 "and what was queued discarded.")
                                : m_actions[i].label + QStringLiteral(": ") + outcome->description;
                return false;
            }
            done += part.size();
            m_sent = done;
        }
    }
    return true;
}
