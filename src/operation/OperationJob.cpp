#include "operation/OperationJob.h"

#include "link/PrinterLink.h"

#include <QTimer>

namespace
{

Wording nothingMoreSent()
{
    return Wording::of(QT_TRANSLATE_NOOP("Failure", "Interrupted: nothing more was sent."));
}

// The operation's own name, as its builder was given it, before the cause.
Wording labelled(const QString &label, const Wording &cause)
{
    return Wording::of("%1: %2", {label, cause});
}

} // namespace

OperationJob::OperationJob(QList<Operation> operations, Options options, QObject *parent)
    : QObject(parent), m_operations(std::move(operations)), m_options(std::move(options))
{
    for (const Operation &operation : m_operations)
        m_total += operation.size();
}

OperationJob::~OperationJob()
{
    for (const QMetaObject::Connection &watch : std::as_const(m_watches))
        disconnect(watch);
}

void OperationJob::start(PrinterLink &link)
{
    m_clock.start();
    m_link = &link;
    m_watches << connect(m_link, &PrinterLink::progress, this, [this](qint64 sent, qint64) {
        m_sent = m_done + sent;
        emit progress(m_sent, m_total);
    });
    // The end of each transfer gives its exact count, early end or not.
    m_watches << connect(m_link, &PrinterLink::finished, this,
                         [this](qint64 sent, qint64, const QString &) {
                             m_sent = m_done + sent;
                             if (m_row)
                                 m_row->delivered += sent;
                         });
    // The link reports the very bytes it sends, after its own conversions.
    m_watches << connect(m_link, &PrinterLink::sending, this, [this](const QByteArray &data) {
        if (m_row)
            m_row->append(data);
    });
    // Heard from the event loop, as every later step.
    QTimer::singleShot(0, this, &OperationJob::next);
}

void OperationJob::next()
{
    if (!m_link)
        return;
    while (m_operationIndex < m_operations.size() &&
           m_partIndex >= m_operations[m_operationIndex].parts.size()) {
        ++m_operationIndex;
        m_partIndex = 0;
    }
    if (m_operationIndex >= m_operations.size()) {
        m_operationIndex = std::max(0, int(m_operations.size()) - 1);
        end(Outcome::Sent);
        return;
    }
    if (m_cancelled) {
        m_failure = nothingMoreSent();
        end(Outcome::Cancelled);
        return;
    }
    if (!m_changeAsked && !m_options.unappliedChange.isEmpty()) {
        m_changeAsked = true;
        ask(Question::UnappliedChange, m_options.unappliedChange);
        return;
    }
    if (readingStatus())
        return;
    if (m_partIndex == 0)
        openRow();
    const OperationPart &part = m_operations[m_operationIndex].parts[m_partIndex];
    const qint64 size = part.size();
    const auto ended = [this, size](const SendOutcome &outcome) { partEnded(size, outcome); };
    emit partStarted(m_operationIndex, m_partIndex);
    if (part.isText)
        m_link->sendLatin1Text(part.bytes, ended);
    else
        m_link->sendBytes(part.unfilled ? PrinterBytes() : PrinterBytes(part.bytes), ended);
}

bool OperationJob::readingStatus()
{
    if (m_statusRead || !m_options.statusCheck || m_link->kind() != LinkAddress::Kind::Network ||
        m_operations[m_operationIndex].status != StatusPolicy::ReadFirst)
        return false;
    m_statusRead = true;
    m_status = std::make_unique<SnmpReader>(*m_options.statusCheck);
    m_status->read(m_link->address().host(), [this](const QString &, const SnmpAnswer &answer) {
        m_status.release()->deleteLater();
        m_notReady = answer.refusal();
        if (!m_notReady.isEmpty() && !m_cancelled)
            ask(Question::PrinterNotReady, m_notReady);
        else
            next();
    });
    return true;
}

void OperationJob::ask(Question asked, const QString &text)
{
    m_asking = asked;
    emit question(asked, text);
}

void OperationJob::answer(Answer answer)
{
    const std::optional<Question> asked = std::exchange(m_asking, std::nullopt);
    if (!asked || !m_link)
        return;
    switch (answer) {
    case Answer::Go:
        next();
        return;
    case Answer::Cancel:
        end(Outcome::Cancelled);
        return;
    case Answer::Refuse:
        m_failure =
            labelled(m_operations[m_operationIndex].label,
                     asked == Question::PrinterNotReady ? m_notReady : m_options.unappliedChange);
        end(Outcome::Failed);
        return;
    }
}

void OperationJob::partEnded(qint64 size, const SendOutcome &outcome)
{
    if (outcome) {
        closeRow(outcome);
        m_partFailure = outcome;
        m_failure = m_cancelled
                        ? Wording::of(QT_TRANSLATE_NOOP("Failure",
                                                        "Interrupted: the transfer was stopped and "
                                                        "what was queued discarded; %1 bytes "
                                                        "delivered."),
                                      {QString::number(m_sent)})
                        : labelled(m_operations[m_operationIndex].label, outcome->description);
        end(m_cancelled || outcome->code == FailureCode::Cancelled ? Outcome::Cancelled
                                                                   : Outcome::Failed);
        return;
    }
    m_done += size;
    ++m_partIndex;
    if (m_partIndex >= m_operations[m_operationIndex].parts.size())
        closeRow(outcome);
    next();
}

void OperationJob::openRow()
{
    if (!m_options.log)
        return;
    m_row = SendLog::Entry{};
    m_row->time = QDateTime::currentDateTime();
    m_row->link = m_link->description();
    m_row->what = m_operations[m_operationIndex].label;
    m_rowClock.start();
}

void OperationJob::closeRow(const SendOutcome &outcome)
{
    if (!m_row)
        return;
    using End = SendLog::Entry::End;
    m_row->end = !outcome                                  ? End::Sent
                 : outcome->code == FailureCode::Cancelled ? End::Cancelled
                                                           : End::Failed;
    if (outcome)
        m_row->cause = outcome->shown();
    m_row->durationMs = m_rowClock.elapsed();
    m_options.log->add(std::move(*m_row));
    m_row.reset();
}

void OperationJob::end(Outcome outcome)
{
    m_outcome = outcome;
    m_seconds = m_clock.nsecsElapsed() / 1e9;
    for (const QMetaObject::Connection &watch : std::as_const(m_watches))
        disconnect(watch);
    m_watches.clear();
    m_link = nullptr;
    emit finished();
}

void OperationJob::cancel()
{
    m_cancelled = true;
    if (!m_link)
        return;
    // A question or a status read under way is dropped at once: a silent
    // agent would otherwise keep the job for the whole of its timeout, and
    // its session's socket open with it.
    if (m_asking || m_status) {
        m_asking.reset();
        m_status.reset();
        m_failure = nothingMoreSent();
        end(Outcome::Cancelled);
        return;
    }
    m_link->cancel();
}

void OperationJob::failUnstarted(const Failure &failure)
{
    m_outcome = Outcome::Failed;
    m_partFailure = failure;
    m_failure = m_operations.isEmpty() ? failure.description
                                       : labelled(m_operations.first().label, failure.description);
}

void OperationJob::cancelUnstarted(const Wording &why)
{
    m_outcome = Outcome::Cancelled;
    m_failure = why;
}
