#include "cli/PrinterJob.h"

#include "link/PrinterLink.h"

namespace
{

constexpr int networkPollMs = 100;

} // namespace

PrinterJob::PrinterJob(Target target, const QList<Action> &actions, Limits limits)
    : m_target(std::move(target)), m_actions(actions), m_limits(limits)
{
    for (const Action &action : m_actions)
        m_total += action.size();
}

PrinterJob::~PrinterJob() = default;

void PrinterJob::start()
{
    m_clock.start();
    m_link = std::make_unique<PrinterLink>(nullptr);
    m_link->setAddress(m_target.address);
    m_link->setStallLimitMs(m_limits.transfer.stallLimitMs);
    m_link->setBusyLimitMs(m_limits.transfer.busyLimitMs);
    m_link->setConnectTimeoutMs(m_limits.connectTimeoutMs);
    // A network connection wakes its transfer whenever it takes more; the
    // look at the line is for progress and the end, which a tenth of a
    // second shows well enough, and many printers at once then cost a few
    // percent of a core. Serial, parallel and USB ports take more only when
    // looked at: they keep the quick look.
    if (m_target.address.kind() == LinkAddress::Kind::Network)
        m_link->setPollMs(networkPollMs);
    connect(m_link.get(), &PrinterLink::progress, this,
            [this](qint64 sent, qint64) { m_sent = m_done + sent; });
    // The end of each transfer gives its exact count, early end or not.
    connect(m_link.get(), &PrinterLink::finished, this,
            [this](qint64 sent, qint64, const QString &) { m_sent = m_done + sent; });
    sendNext();
}

void PrinterJob::sendNext()
{
    while (m_actionIndex < m_actions.size() &&
           m_partIndex >= m_actions[m_actionIndex].parts.size()) {
        ++m_actionIndex;
        m_partIndex = 0;
    }
    if (m_actionIndex >= m_actions.size()) {
        m_actionIndex = std::max(0, int(m_actions.size()) - 1);
        end(Outcome::Sent);
        return;
    }
    if (m_cancelled) {
        m_failure = QStringLiteral("Interrupted: nothing more was sent.");
        end(Outcome::Cancelled);
        return;
    }
    if (checkingStatus())
        return;
    const Transmission &part = m_actions[m_actionIndex].parts[m_partIndex];
    const qint64 size = part.size();
    const auto ended = [this, size](const SendOutcome &outcome) { partEnded(size, outcome); };
    if (part.isText)
        m_link->sendLatin1Text(part.bytes, ended);
    else
        m_link->sendBytes(PrinterBytes(part.bytes), ended);
}

bool PrinterJob::checkingStatus()
{
    if (m_statusRead || !m_limits.statusCheck ||
        m_target.address.kind() != LinkAddress::Kind::Network ||
        !m_actions[m_actionIndex].checksStatus)
        return false;
    m_statusRead = true;
    m_status = std::make_unique<SnmpReader>(m_limits.statusCheck->beforeSend());
    m_status->read(m_target.address.host(), [this](const QString &, const SnmpAnswer &answer) {
        m_status.release()->deleteLater();
        if (const QString refusal = answer.refusal(); !refusal.isEmpty() && !m_cancelled) {
            m_failure = m_actions[m_actionIndex].label + QStringLiteral(": ") + refusal;
            end(Outcome::Failed);
            return;
        }
        sendNext();
    });
    return true;
}

void PrinterJob::partEnded(qint64 size, const SendOutcome &outcome)
{
    if (outcome) {
        m_failure = m_cancelled ? QStringLiteral("Interrupted: the transfer was stopped and "
                                                 "what was queued discarded; %1 bytes delivered.")
                                      .arg(m_sent)
                                : m_actions[m_actionIndex].label + QStringLiteral(": ") +
                                      outcome->description;
        end(m_cancelled ? Outcome::Cancelled : Outcome::Failed);
        return;
    }
    m_done += size;
    ++m_partIndex;
    sendNext();
}

void PrinterJob::end(Outcome outcome)
{
    m_outcome = outcome;
    m_seconds = m_clock.nsecsElapsed() / 1e9;
    // The link goes once its last transfer has been let go of.
    m_link.release()->deleteLater();
    emit finished();
}

void PrinterJob::cancel()
{
    m_cancelled = true;
    if (m_link)
        m_link->cancel();
}

void PrinterJob::cancelUnstarted(const QString &why)
{
    m_outcome = Outcome::Cancelled;
    m_failure = why;
}
