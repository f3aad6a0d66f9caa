#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <thread>

// A network printer on the loopback interface for the benchmarks: it
// listens on 127.0.0.1 or ::1 at a port of the system's choosing and, on a
// thread of its own, takes one connection at a time and counts everything
// sent to it, so that its reading never slows the sender down. It can stop
// reading, as a printer that takes no more data, and hang up after a given
// number of bytes, as one switched off.
class LoopbackPrinter
{
public:
    // `address` is "127.0.0.1" or "::1"; `hangUpAfter` < 0 never hangs up.
    explicit LoopbackPrinter(const char *address = "127.0.0.1", qint64 hangUpAfter = -1);
    ~LoopbackPrinter();
    LoopbackPrinter(const LoopbackPrinter &) = delete;
    LoopbackPrinter &operator=(const LoopbackPrinter &) = delete;

    bool isValid() const { return m_port != 0; }
    quint16 port() const { return m_port; }

    void pauseReading(bool paused) { m_paused = paused; }

    // Every byte read since the start, kept or not.
    qint64 totalReceived() const { return m_total; }

private:
    void serve();

    int m_listener = -1;
    quint16 m_port = 0;
    qint64 m_hangUpAfter;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_paused{false};
    std::atomic<qint64> m_total{0};
    std::thread m_thread;
};
