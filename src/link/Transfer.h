#pragma once

#include "link/SendOutcome.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <memory>

class Connection;

// One send as a job: opens its connection, hands the bytes over a bounded
// piece at a time as the line takes them, and ends in one of four ways:
// everything taken and the connection closed; the link failed; nothing moved
// for the stall limit (a printer that answers apart from taking data: no
// answer for the stall limit, or answers but no data for the busy limit);
// or it was cancelled or stopped. Every early end
// discards what is still queued. It is driven by its connection's
// notifications and a timer, never by a loop of its own: whoever starts it
// returns at once and hears the end from finished(), which always comes from
// the event loop, never from inside start(), cancel() or stop().
class Transfer : public QObject
{
    Q_OBJECT
public:
    struct Limits {
        int stallLimitMs = defaultStallLimitMs;
        int busyLimitMs = defaultBusyLimitMs;
    };

    Transfer(std::unique_ptr<Connection> connection, QByteArray data, Limits limits,
             QObject *parent = nullptr);
    ~Transfer() override;

    void start();
    // Ends the transfer at its next step: nothing more is written.
    void cancel();
    // The same, for a program that is closing: ends as "stopped", unless it
    // was cancelled too.
    void stop();

    bool isRunning() const { return m_state == State::Opening || m_state == State::Sending; }
    // Bytes the line has taken so far, exact also after an early end.
    qint64 sent() const { return m_sent; }
    qint64 total() const { return m_data.size(); }
    // How long the printer has taken nothing, while the transfer runs.
    qint64 idleMs() const;
    const Connection &connection() const { return *m_connection; }

    // How often a waiting transfer looks at the line when nothing wakes it.
    static constexpr int pollMs = 20;
    // A link that wakes the transfer whenever it takes more (a network
    // connection) needs a look only for progress and the end: many such
    // transfers at once then cost fewer wake-ups.
    void setPollMs(int ms) { m_pollMs = ms; }

signals:
    // At most ten times a second while bytes move, at least once a second,
    // and once at the end of a complete send.
    void progress(qint64 sent, qint64 total);
    void finished(const SendOutcome &outcome);

private:
    enum class State { Idle, Opening, Sending, Done };

    void opened(const SendOutcome &outcome);
    void step();
    // Ends the transfer at its next step, for the reason `why` names.
    void endEarly(bool &why);
    void stepSoon();
    void wakeWithin(int ms);
    // One pass over the line: hands over what it takes, for at most a time
    // slice; returns the end of the transfer when it has come.
    SendOutcome sendSome(bool &done);
    SendOutcome interruption() const;
    // The failure of a printer past one of the limits, if it is; else how
    // long until the nearest, and how often to look meanwhile.
    SendOutcome overLimit(qint64 &toLimitMs, int &pollMs);
    void measure();
    void finish(const SendOutcome &outcome);
    void report(bool force);

    std::unique_ptr<Connection> m_connection;
    const QByteArray m_data;
    const Limits m_limits;
    int m_pollMs = pollMs;
    State m_state = State::Idle;
    bool m_cancelled = false;
    bool m_stopped = false;
    bool m_inStep = false;
    bool m_stepAgain = false;
    qint64 m_handed = 0;
    qint64 m_sent = 0;
    QElapsedTimer m_sinceStart;
    QElapsedTimer m_sinceProgress;
    QTimer m_wake;
    qint64 m_lastReportedSent = -1;
    qint64 m_lastReportMs = 0;
};
