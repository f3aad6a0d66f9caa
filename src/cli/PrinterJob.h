#pragma once

#include "cli/Actions.h"
#include "cli/Target.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QThread>

#include <atomic>

class PrinterLink;

// One printer's run: every action in turn, each transmission over a port
// opened for it alone, exactly as the window sends them. It runs in a
// thread of its own, where its link, ports and sockets live: a transfer
// waits for its line in an event loop of its own, and loops of different
// printers must not wait on each other.
class PrinterJob : public QThread
{
    Q_OBJECT
public:
    enum class Outcome { Waiting, Sent, Failed, Cancelled };

    struct Limits {
        int stallLimitMs;
        int connectTimeoutMs;
    };

    PrinterJob(Target target, const QList<Action> &actions, Limits limits);
    ~PrinterJob() override;

    const Target &target() const { return m_target; }
    const QList<Action> &actions() const { return m_actions; }
    qint64 total() const { return m_total; }

    // Safe from any thread while the job runs.
    qint64 sent() const { return m_sent.load(); }
    int actionIndex() const { return m_actionIndex.load(); }
    // Ends the running transfer at once (what is queued is discarded) and
    // sends nothing more. A job that never started ends as cancelled.
    void cancel();

    // Once the job has finished (or was cancelled before it started).
    Outcome outcome() const { return m_outcome; }
    QString failure() const { return m_failure; }
    double seconds() const { return m_seconds; }
    void cancelUnstarted();

protected:
    void run() override;

private:
    bool sendAll(PrinterLink &link);

    const Target m_target;
    const QList<Action> m_actions; // shares the file bytes of every other job
    const Limits m_limits;
    qint64 m_total = 0;

    std::atomic<qint64> m_sent{0};
    std::atomic<int> m_actionIndex{0};
    std::atomic<bool> m_cancelled{false};
    QMutex m_linkLock;
    PrinterLink *m_link = nullptr;

    Outcome m_outcome = Outcome::Waiting;
    QString m_failure;
    double m_seconds = 0;
};
