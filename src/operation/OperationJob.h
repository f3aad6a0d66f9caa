#pragma once

#include "common/SendLog.h"
#include "discovery/SnmpReader.h"
#include "link/SendOutcome.h"
#include "operation/Operation.h"

#include <QElapsedTimer>
#include <QObject>

#include <memory>
#include <optional>

class PrinterLink;

// Runs operations on one printer, in turn, over its PrinterLink: the
// unapplied change of the link asked about, the printer's status read where
// an operation's policy says so, the parts in order, each over a port opened
// for it alone; the first part that fails ends the job, and nothing after it
// is sent. A job of the one event loop: start() returns at once, finished()
// follows. It never shows anything: what needs the user's word is asked by
// question() and goes on once answer() is called.
class OperationJob : public QObject
{
    Q_OBJECT
public:
    enum class Outcome { Waiting, Sent, Failed, Cancelled };

    enum class Question {
        // A change of the link is shown but not applied: Go sends to the
        // link in force (the asker may apply the change first).
        UnappliedChange,
        // The printer's status reports an error, given as the question's text.
        PrinterNotReady,
    };
    // Go on; end as cancelled by the user; end as failed for the reason asked.
    enum class Answer { Go, Cancel, Refuse };

    struct Options {
        // How to read a network printer's status before an operation that
        // asks for it; none: send without looking.
        std::optional<SnmpOptions> statusCheck;
        // The unapplied change to ask about before the first part; empty: none.
        QString unappliedChange;
        // Each operation that sends becomes one row here, if given.
        SendLog *log = nullptr;
    };

    OperationJob(QList<Operation> operations, Options options, QObject *parent = nullptr);
    ~OperationJob() override;

    const QList<Operation> &operations() const { return m_operations; }
    qint64 total() const { return m_total; }

    // Runs on `link`, which must outlive the job's end.
    void start(PrinterLink &link);
    void answer(Answer answer);
    // Ends the running transfer at once (what is queued is discarded) and
    // sends nothing more; a question waiting for its answer, or a status
    // read waiting for the printer, ends too, at once.
    void cancel();
    // A job that never started ends as cancelled, for the reason given.
    void cancelUnstarted(const Wording &why);
    // A job that cannot start ends as failed, as its first part would have.
    void failUnstarted(const Failure &failure);

    // Bytes the printer has taken so far, of every operation.
    qint64 sent() const { return m_sent; }
    int operationIndex() const { return m_operationIndex; }
    bool isRunning() const { return m_link != nullptr; }

    // Once the job has finished (or was cancelled before it started).
    Outcome outcome() const { return m_outcome; }
    // Why it did not send everything, for the command line: "label: cause";
    // English in reports, shown() to people.
    const Wording &failure() const { return m_failure; }
    // The failed part's own failure, for the window's box; none when no
    // part failed (refused, cancelled, not ready).
    const std::optional<Failure> &partFailure() const { return m_partFailure; }
    double seconds() const { return m_seconds; }

signals:
    void question(OperationJob::Question question, const QString &text);
    // As each part begins: which operation and which of its parts.
    void partStarted(int operation, int part);
    // Bytes the printer has taken of all the job's bytes.
    void progress(qint64 sent, qint64 total);
    void finished();

private:
    void next();
    // Reads the status once before the first operation whose policy asks
    // for it; true while the answer is awaited.
    bool readingStatus();
    void ask(Question question, const QString &text);
    void partEnded(qint64 size, const SendOutcome &outcome);
    void openRow();
    void closeRow(const SendOutcome &outcome);
    void end(Outcome outcome);

    const QList<Operation> m_operations; // shares the file bytes of every other job
    const Options m_options;
    qint64 m_total = 0;

    PrinterLink *m_link = nullptr;
    QList<QMetaObject::Connection> m_watches;
    std::unique_ptr<SnmpReader> m_status;
    bool m_changeAsked = false;
    bool m_statusRead = false;
    std::optional<Question> m_asking;
    QString m_notReady;
    int m_operationIndex = 0;
    int m_partIndex = 0;
    qint64 m_done = 0; // bytes of the parts already sent
    qint64 m_sent = 0;
    bool m_cancelled = false;
    QElapsedTimer m_clock;
    // The log row of the running operation, from its first part to its end.
    std::optional<SendLog::Entry> m_row;
    QElapsedTimer m_rowClock;

    Outcome m_outcome = Outcome::Waiting;
    Wording m_failure;
    std::optional<Failure> m_partFailure;
    double m_seconds = 0;
};
