#include "link/Transfer.h"

#include "link/Connection.h"

#include <algorithm>

namespace
{

constexpr int fastestReportMs = 100;
constexpr int slowestReportMs = 1000;
// How long one pass may hand bytes to a line that keeps up before the event
// loop gets its turn: the window repaints, other printers' transfers run.
constexpr int sliceMs = 10;
// A link that wakes its transfer itself and has taken nothing for a while
// is looked at this often: the limits and the progress keep within a quarter
// of a second, and the steps of a printer that acknowledges every few seconds
// are still timed closely enough for its rate.
constexpr int idleAfterMs = 5000;
constexpr int idlePollMs = 250;

} // namespace

Transfer::Transfer(std::unique_ptr<Connection> connection, QByteArray data, Limits limits,
                   QObject *parent)
    : QObject(parent), m_connection(std::move(connection)), m_data(std::move(data)),
      m_limits(limits)
{
    m_wake.setSingleShot(true);
    connect(&m_wake, &QTimer::timeout, this, &Transfer::step);
    connect(m_connection.get(), &Connection::opened, this, &Transfer::opened);
    connect(m_connection.get(), &Connection::changed, this, &Transfer::step);
}

Transfer::~Transfer()
{
    m_connection->disconnect(this);
    if (isRunning())
        m_connection->discard();
}

void Transfer::start()
{
    if (m_state != State::Idle)
        return;
    m_state = State::Opening;
    QTimer::singleShot(0, this, [this] {
        if (SendOutcome end = interruption())
            finish(end);
        else
            m_connection->open();
    });
}

void Transfer::cancel()
{
    endEarly(m_cancelled);
}

void Transfer::stop()
{
    endEarly(m_stopped);
}

void Transfer::endEarly(bool &why)
{
    if (!isRunning())
        return;
    why = true;
    m_connection->interrupt();
    stepSoon();
}

void Transfer::stepSoon()
{
    wakeWithin(0);
}

void Transfer::wakeWithin(int ms)
{
    // A wake-up already due as soon is left as it is: with thousands of
    // transfers in one loop, moving timers costs more than the steps.
    if (m_wake.isActive() && m_wake.remainingTime() <= ms)
        return;
    m_wake.start(ms);
}

SendOutcome Transfer::interruption() const
{
    // A window that closes cancels its transfer as the user's Cancel does,
    // and the close reaches the link at the same moment: the cancel is what
    // the user chose, and is told, whichever came first.
    if (m_cancelled)
        return Failures::cancelled();
    if (m_stopped)
        return Failures::stopped(m_connection->writeFailureCode());
    return std::nullopt;
}

void Transfer::opened(const SendOutcome &outcome)
{
    if (m_state != State::Opening)
        return;
    // An open cut short by a cancel or a close reports that instead.
    if (SendOutcome end = interruption()) {
        m_connection->discard();
        finish(end);
        return;
    }
    if (outcome) {
        finish(outcome);
        return;
    }
    m_state = State::Sending;
    m_sinceStart.start();
    m_sinceProgress.start();
    report(true);
    stepSoon();
}

void Transfer::step()
{
    if (m_state != State::Sending)
        return;
    // A write may report progress at once, from inside this very step.
    if (m_inStep) {
        m_stepAgain = true;
        return;
    }
    m_inStep = true;
    bool done = false;
    SendOutcome end;
    do {
        m_stepAgain = false;
        end = sendSome(done);
    } while (!done && m_stepAgain);
    m_inStep = false;
    if (done)
        finish(end);
}

SendOutcome Transfer::sendSome(bool &done)
{
    done = true;
    if (SendOutcome failure = interruption()) {
        measure();
        m_connection->discard();
        return failure;
    }
    if (SendOutcome failure = m_connection->linkFailure()) {
        measure();
        m_connection->discard();
        return failure;
    }
    const qint64 total = m_data.size();
    QElapsedTimer slice;
    slice.start();
    bool keepsUp = false;
    for (;;) {
        qint64 taken = 0;
        if (m_handed < total && m_connection->queued() == 0) {
            const qint64 piece = std::min(m_connection->largestWrite(), total - m_handed);
            const Connection::Written written =
                m_connection->write(QByteArrayView(m_data).sliced(m_handed, piece));
            if (const Failure *failure = std::get_if<Failure>(&written)) {
                measure();
                m_connection->discard();
                return *failure;
            }
            taken = std::get<qint64>(written);
            m_handed += taken;
        }
        measure();
        if (m_sent == total) {
            report(true);
            m_state = State::Done;
            return m_connection->close();
        }
        keepsUp = taken > 0 && m_handed < total && m_connection->queued() == 0;
        if (!keepsUp || slice.elapsed() >= sliceMs)
            break;
    }
    report(false);
    qint64 toLimitMs = 0;
    int pollMs = m_pollMs;
    if (SendOutcome failure = overLimit(toLimitMs, pollMs)) {
        m_connection->discard();
        return failure;
    }
    done = false;
    // A line that keeps up is fed again as soon as the event loop has had
    // its turn; one that is busy wakes the transfer when it takes more, or
    // the poll looks at it.
    wakeWithin(keepsUp ? 0 : int(std::clamp<qint64>(toLimitMs, 1, pollMs)));
    return std::nullopt;
}

SendOutcome Transfer::overLimit(qint64 &toLimitMs, int &pollMs)
{
    const qint64 idle = idleMs();
    const std::optional<qint64> silent = m_connection->silentMs();
    if (!silent) {
        toLimitMs = m_limits.stallLimitMs - idle;
        return toLimitMs <= 0 ? SendOutcome(m_connection->stalled(m_limits.stallLimitMs))
                              : std::nullopt;
    }
    // A printer that answers is given the busy limit, however slowly it
    // takes data: one writing its flash or out of paper comes back.
    if (*silent >= m_limits.stallLimitMs)
        return m_connection->unanswered(m_limits.stallLimitMs, m_sent);
    if (idle >= m_limits.busyLimitMs)
        return m_connection->tookNoData(m_limits.busyLimitMs, m_sent);
    toLimitMs = std::min(m_limits.stallLimitMs - *silent, m_limits.busyLimitMs - idle);
    // Such a link wakes the transfer when it takes more: while it takes
    // nothing, fewer looks make a hundred slow printers cost little.
    if (idle >= idleAfterMs)
        pollMs = std::max(pollMs, idlePollMs);
    return std::nullopt;
}

qint64 Transfer::idleMs() const
{
    return m_state == State::Sending ? m_sinceProgress.elapsed() : 0;
}

void Transfer::measure()
{
    const qint64 taken = m_handed - m_connection->unsent();
    if (taken > m_sent) {
        m_sent = taken;
        m_sinceProgress.restart();
    }
}

void Transfer::finish(const SendOutcome &outcome)
{
    m_state = State::Done;
    m_wake.stop();
    emit finished(outcome);
}

void Transfer::report(bool force)
{
    const qint64 now = m_sinceStart.elapsed();
    const qint64 since = now - m_lastReportMs;
    const bool moved = m_sent != m_lastReportedSent;
    if (!force && !(moved && since >= fastestReportMs) && since < slowestReportMs)
        return;
    m_lastReportMs = now;
    m_lastReportedSent = m_sent;
    emit progress(m_sent, m_data.size());
}
