#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

// A pseudo-terminal standing in for a serial port: the program opens the
// slave side by its path; a thread of the test reads everything that
// arrives on the master side, so the program never waits on the test. With
// a line rate the thread takes no more than a real line would carry.
class PseudoTerminal
{
public:
    explicit PseudoTerminal(double bytesPerSecond = 0);
    ~PseudoTerminal();

    bool isValid() const { return m_master >= 0; }
    QString slavePath() const { return m_slavePath; }
    int slaveFd() const { return m_slave; }

    // Takes everything the program has written: waits for `expected` bytes,
    // then until the line holds no byte that has not been read (or until
    // `timeoutMs` passed). Without a count, call it once the send has ended.
    QByteArray readAvailable(qsizetype expected = 0, int timeoutMs = 10000);
    // Takes what was received once `count` bytes came or `timeoutMs` passed.
    QByteArray readExactly(qsizetype count, int timeoutMs = 10000);

    // The reader stops reading, as a printer that takes no more data.
    void pauseReading(bool paused) { m_paused = paused; }
    // The device goes away, as an adapter pulled out: writes to it fail.
    void unplug();

private:
    void readLoop();
    // Turns the event loop until `ready` holds or `timeoutMs` passed, then
    // takes what came.
    QByteArray takeWhen(int timeoutMs, const std::function<bool(qsizetype received)> &ready);

    std::atomic<int> m_master{-1};
    int m_slave = -1;
    double m_bytesPerSecond;
    QString m_slavePath;
    std::mutex m_lock;
    QByteArray m_received;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_paused{false};
    // Reads that found the line empty; a read that finds nothing also takes
    // what the kernel still held on its way to the master side.
    std::atomic<quint64> m_emptyReads{0};
    std::thread m_reader;
};
