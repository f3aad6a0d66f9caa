#include "cli/TargetJob.h"

#include "link/PrinterLink.h"

namespace
{

constexpr int networkPollMs = 100;

OperationJob::Options optionsOf(const TargetJob::Limits &limits)
{
    OperationJob::Options options;
    options.statusCheck = limits.statusCheck;
    return options;
}

} // namespace

TargetJob::TargetJob(Target target, const QList<Operation> &operations, Limits limits)
    : OperationJob(operations, optionsOf(limits)), m_target(std::move(target)), m_limits(limits)
{
    connect(this, &OperationJob::question, this,
            [this](Question, const QString &) { answer(Answer::Refuse); });
    // The link goes once its last transfer has been let go of.
    connect(this, &OperationJob::finished, this, [this] {
        if (m_link)
            m_link.release()->deleteLater();
    });
}

TargetJob::~TargetJob() = default;

void TargetJob::start()
{
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
    OperationJob::start(*m_link);
}
