#pragma once

#include "cli/Target.h"
#include "link/Transfer.h"
#include "operation/OperationJob.h"

#include <memory>

// The command line's run of the operations on one printer it was given:
// an operation job over a link of its own, opened when the job starts and
// let go once it has ended. Its questions are answered by the options: a
// printer that reports an error is refused (--ignore-status skips the look).
class TargetJob : public OperationJob
{
    Q_OBJECT
public:
    struct Limits {
        Transfer::Limits transfer;
        int connectTimeoutMs;
        // How to read a network printer's status before an operation that
        // asks for it; none: send without looking.
        std::optional<SnmpOptions> statusCheck;
    };

    TargetJob(Target target, const QList<Operation> &operations, Limits limits);
    ~TargetJob() override;

    const Target &target() const { return m_target; }
    void start();

private:
    const Target m_target;
    const Limits m_limits;
    std::unique_ptr<PrinterLink> m_link;
};
