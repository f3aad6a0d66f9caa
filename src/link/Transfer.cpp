#include "link/Transfer.h"

#include "common/EventPump.h"
#include "common/StopSignal.h"
#include "link/Connection.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>

namespace
{

constexpr int fastestReportMs = 100;
constexpr int slowestReportMs = 1000;
constexpr int heldUpMs = 250;

} // namespace

Transfer::Transfer(Connection &connection, const StopSignal *stop, int stallLimitMs)
    : m_connection(connection), m_stop(stop), m_stallLimitMs(stallLimitMs)
{
    if (m_stop)
        connect(m_stop, &StopSignal::raised, &m_connection, &Connection::interrupt);
}

void Transfer::cancel()
{
    m_cancelled = true;
    emit cancelRequested();
    m_connection.interrupt();
}

SendOutcome Transfer::stopOrCancel() const
{
    if (m_stop && m_stop->isRaised())
        return Failures::stopped(m_connection.writeFailureCode());
    if (m_cancelled)
        return Failures::cancelled();
    return std::nullopt;
}

SendOutcome Transfer::interruption() const
{
    if (SendOutcome end = stopOrCancel())
        return end;
    return m_connection.linkFailure();
}

SendOutcome Transfer::run(QByteArrayView data)
{
    if (SendOutcome failure = m_connection.open()) {
        // An open cut short by a cancel or a close reports that instead.
        if (SendOutcome end = stopOrCancel())
            return end;
        return failure;
    }
    const qint64 total = data.size();
    qint64 handed = 0;
    qint64 sent = 0;
    m_sinceStart.start();
    report(0, total, true);
    QElapsedTimer sinceProgress;
    sinceProgress.start();
    EventPump pump;
    for (;;) {
        if (SendOutcome failure = interruption()) {
            m_connection.discard();
            return failure;
        }
        qint64 taken = 0;
        if (handed < total && m_connection.queued() == 0) {
            const qint64 piece = std::min(m_connection.largestWrite(), total - handed);
            const Connection::Written written = m_connection.write(data.sliced(handed, piece));
            if (const Failure *failure = std::get_if<Failure>(&written)) {
                m_connection.discard();
                return *failure;
            }
            taken = std::get<qint64>(written);
            handed += taken;
        }
        const qint64 unsent = m_connection.unsent();
        if (handed - unsent > sent) {
            sent = handed - unsent;
            sinceProgress.restart();
        }
        if (sent == total)
            break;
        report(sent, total, false);
        const qint64 idleMs = sinceProgress.elapsed();
        if (idleMs >= m_stallLimitMs) {
            m_connection.discard();
            return m_connection.stalled(m_stallLimitMs);
        }
        if (taken > 0 && handed < total && m_connection.queued() == 0) {
            // The line keeps up: hand over the next piece at once, letting
            // the window breathe once per time slice.
            pump.pumpIfDue();
            continue;
        }
        const int waitMs = int(std::min<qint64>(m_pollMs, m_stallLimitMs - idleMs));
        QElapsedTimer waited;
        waited.start();
        waitForChange(waitMs);
        // A box opened meanwhile holds this loop up: time the transfer
        // itself could not use is no fault of the line.
        if (waited.elapsed() > waitMs + heldUpMs)
            sinceProgress.restart();
        pump.restart();
    }
    report(total, total, true);
    return m_connection.close();
}

void Transfer::waitForChange(int ms)
{
    QEventLoop wait;
    QTimer timer;
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, &wait, &QEventLoop::quit);
    connect(&m_connection, &Connection::changed, &wait, &QEventLoop::quit);
    connect(this, &Transfer::cancelRequested, &wait, &QEventLoop::quit);
    if (m_stop)
        connect(m_stop, &StopSignal::raised, &wait, &QEventLoop::quit);
    timer.start(std::max(ms, 1));
    wait.exec();
}

void Transfer::report(qint64 sent, qint64 total, bool force)
{
    // One clock per transfer: transfers in threads of their own share none.
    const qint64 now = m_sinceStart.elapsed();
    const qint64 since = now - m_lastReportMs;
    const bool moved = sent != m_lastReportedSent;
    if (!force && !(moved && since >= fastestReportMs) && since < slowestReportMs)
        return;
    m_lastReportMs = now;
    m_lastReportedSent = sent;
    emit progress(sent, total);
}
