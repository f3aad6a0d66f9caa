#pragma once

#include "cli/Actions.h"
#include "cli/Target.h"
#include "discovery/SnmpReader.h"
#include "link/SendOutcome.h"
#include "link/Transfer.h"

#include <QElapsedTimer>
#include <QObject>

#include <memory>

class PrinterLink;

// One printer's run: every action in turn, each transmission over a port
// opened for it alone, exactly as the window sends them. It is a job of the
// one event loop that drives every printer: start() returns at once, and
// finished() follows when the last transmission has ended.
class PrinterJob : public QObject
{
    Q_OBJECT
public:
    enum class Outcome { Waiting, Sent, Failed, Cancelled };

    struct Limits {
        Transfer::Limits transfer;
        int connectTimeoutMs;
        // How to read a network printer's status before an action that
        // checks it; none: send without looking.
        std::optional<SnmpOptions> statusCheck;
    };

    PrinterJob(Target target, const QList<Action> &actions, Limits limits);
    ~PrinterJob() override;

    const Target &target() const { return m_target; }
    const QList<Action> &actions() const { return m_actions; }
    qint64 total() const { return m_total; }

    void start();
    // Bytes the printer has taken so far.
    qint64 sent() const { return m_sent; }
    int actionIndex() const { return m_actionIndex; }
    // Ends the running transfer at once (what is queued is discarded) and
    // sends nothing more.
    void cancel();
    // A job that never started ends as cancelled, for the reason given.
    void cancelUnstarted(const QString &why);

    // Once the job has finished (or was cancelled before it started).
    Outcome outcome() const { return m_outcome; }
    QString failure() const { return m_failure; }
    double seconds() const { return m_seconds; }

signals:
    void finished();

private:
    void sendNext();
    // Reads the status once before the first action that checks it; true
    // while the answer is awaited.
    bool checkingStatus();
    void partEnded(qint64 size, const SendOutcome &outcome);
    void end(Outcome outcome);

    const Target m_target;
    const QList<Action> m_actions; // shares the file bytes of every other job
    const Limits m_limits;
    qint64 m_total = 0;

    std::unique_ptr<PrinterLink> m_link;
    std::unique_ptr<SnmpReader> m_status;
    bool m_statusRead = false;
    int m_actionIndex = 0;
    int m_partIndex = 0;
    qint64 m_done = 0; // bytes of the parts already sent
    qint64 m_sent = 0;
    bool m_cancelled = false;
    QElapsedTimer m_clock;

    Outcome m_outcome = Outcome::Waiting;
    QString m_failure;
    double m_seconds = 0;
};
