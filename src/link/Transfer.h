#pragma once

#include "link/SendOutcome.h"

#include <QByteArrayView>
#include <QElapsedTimer>
#include <QObject>

class Connection;
class StopSignal;

// Moves one buffer through an open-able connection: hands it over piece by
// piece without blocking, sleeps in the event loop while the line is busy
// (the window stays alive, the core idle), reports the bytes that reached
// the line, and ends in one of four ways: everything sent and the
// connection closed; the link failed; nothing moved for the stall limit;
// or the transfer was cancelled or the program is closing. In every early
// end the connection's queues are discarded.
class Transfer : public QObject
{
    Q_OBJECT
public:
    Transfer(Connection &connection, const StopSignal *stop, int stallLimitMs);

    SendOutcome run(QByteArrayView data);
    // Ends a running transfer at its next step; nothing more is written.
    void cancel();

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
    void cancelRequested();

private:
    SendOutcome stopOrCancel() const;
    // A stop, a cancel, or a failure of the link itself.
    SendOutcome interruption() const;
    void waitForChange(int ms);
    void report(qint64 sent, qint64 total, bool force);

    Connection &m_connection;
    const StopSignal *m_stop;
    int m_stallLimitMs;
    int m_pollMs = pollMs;
    bool m_cancelled = false;
    qint64 m_lastReportedSent = -1;
    QElapsedTimer m_sinceStart;
    qint64 m_lastReportMs = 0;
};
