#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <mutex>
#include <thread>

// A network printer on the loopback interface: it listens on 127.0.0.1 or
// ::1 at a port of the system's choosing and, on a thread of its own, takes
// one connection at a time and reads everything sent to it, so the program
// never waits on the test. It can stop reading, as a printer that takes no
// more data, and hang up after a given number of bytes, as one switched off.
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
    // Counts bytes without keeping them, for transfers too large to hold.
    void keepBytes(bool keep) { m_keep = keep; }

    // Takes what was received once `count` bytes came or `timeoutMs` passed.
    QByteArray readExactly(qsizetype count, int timeoutMs = 5000);
    // Takes everything received once nothing more has come for `quietMs`.
    QByteArray readAvailable(int quietMs = 100);
    // Every byte read since the start, kept or not.
    qint64 totalReceived() const { return m_total; }
    // Connections accepted, and how many of those ended (orderly or reset).
    int accepted() const { return m_accepted; }
    int ended() const { return m_ended; }

private:
    void serve();

    int m_listener = -1;
    quint16 m_port = 0;
    qint64 m_hangUpAfter;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_paused{false};
    std::atomic<bool> m_keep{true};
    std::atomic<qint64> m_total{0};
    std::atomic<int> m_accepted{0};
    std::atomic<int> m_ended{0};
    std::mutex m_lock;
    QByteArray m_received;
    std::thread m_thread;
};

// A listener whose queue of connections waiting to be accepted is full, so
// that the handshake of any further connection never completes: what a
// printer that is overwhelmed or behind a silent firewall looks like.
class FullListener
{
public:
    FullListener();
    ~FullListener();
    FullListener(const FullListener &) = delete;
    FullListener &operator=(const FullListener &) = delete;

    bool isValid() const { return m_port != 0; }
    quint16 port() const { return m_port; }

private:
    int m_listener = -1;
    int m_fillers[4] = {-1, -1, -1, -1};
    quint16 m_port = 0;
};

// A loopback port on which nobody listens: it was just in use and freed.
quint16 closedLoopbackPort();
