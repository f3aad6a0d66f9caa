#pragma once

#include "cli/Console.h"
#include "link/TransferProgress.h"

#include <QString>

class TargetJob;

// Progress where nobody watches a terminal: a configuration-management log
// that would take a long silent upload for a hung one. Either a line on
// standard error per printer every interval and at each tenth of the way,
// or JSON Lines events on standard output (start, progress and the end) for
// a script to follow.
class ProgressLog
{
public:
    enum class Form { None, Lines, Json };

    ProgressLog(Form form, const Console &console, int intervalMs);

    Form form() const { return m_form; }

    void started(const TargetJob &job);
    // A look at a running job whose progress `shown` follows, `elapsedMs`
    // after it started; writes when the interval has passed since its last
    // line or a new tenth is reached. `lastMs` and `lastTenth` are the
    // job's own, kept by the caller.
    void look(const TargetJob &job, const TransferProgress &shown, qint64 elapsedMs, qint64 &lastMs,
              int &lastTenth);
    // The end: done, failed or cancelled (also before it started).
    void ended(const TargetJob &job);

    // "tcp://10.0.4.7: [1/2] 24% 1,234,567 of 5,000,000 bytes delivered,
    // 9.6 kB/s, about 7 min left", or "…, the printer has taken no data for
    // 25 s" while it takes nothing.
    static QString line(const TargetJob &job, const TransferProgress &shown);

private:
    void event(const QString &name, const TargetJob &job, qint64 delivered, double seconds,
               const TransferProgress *shown = nullptr);

    Form m_form;
    Console m_console;
    int m_intervalMs;
};
