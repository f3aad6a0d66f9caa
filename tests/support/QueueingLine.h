#pragma once

#include "link/Connection.h"

#include <QTimer>

#include <algorithm>

// A serial line as its driver shows it: bytes go into the system's output
// queue of `capacity` bytes and leave it at `bytesPerTick` every `tickMs`. As
// a serial driver does, the queue takes more only once `wakeUp` bytes of it
// are free: on a slow line the program's own queue then stands still for
// long while the line drains, and only the system's queue tells.
class QueueingLine : public Connection
{
public:
    explicit QueueingLine(qint64 bytesPerTick, qint64 capacity = 256, qint64 wakeUp = 200,
                          int tickMs = 50)
        : m_bytesPerTick(bytesPerTick), m_capacity(capacity), m_wakeUp(wakeUp)
    {
        m_clock.setInterval(tickMs);
        connect(&m_clock, &QTimer::timeout, this, [this] {
            const qint64 leaving = std::min(m_inQueue, m_bytesPerTick);
            m_inQueue -= leaving;
            delivered += leaving;
        });
        m_clock.start();
    }
    QString name() const override { return QStringLiteral("TEST"); }
    void open() override { emit opened(std::nullopt); }
    Written write(QByteArrayView bytes) override
    {
        const qint64 room = m_capacity - m_inQueue;
        const qint64 taken = room >= m_wakeUp ? std::min<qint64>(bytes.size(), room) : 0;
        if (taken > 0)
            ++writesAfterCancel;
        m_inQueue += taken;
        return taken;
    }
    qint64 queued() const override { return 0; }
    qint64 unsent() const override { return m_inQueue; }
    SendOutcome linkFailure() const override { return std::nullopt; }
    FailureCode writeFailureCode() const override { return FailureCode::PortWriteFailed; }
    Failure stalled(int) const override
    {
        return {FailureCode::PortWriteFailed, QStringLiteral("stalled")};
    }
    SendOutcome close() override
    {
        closed = true;
        return std::nullopt;
    }
    void discard() override { discarded = true; }
    QString textFailureText() const override { return {}; }
    QString textFailureTitle() const override { return {}; }

    int writesAfterCancel = 0;
    qint64 delivered = 0;
    bool closed = false, discarded = false;

private:
    const qint64 m_bytesPerTick, m_capacity, m_wakeUp;
    qint64 m_inQueue = 0;
    QTimer m_clock;
};
