#pragma once

#include <QString>

#include <deque>
#include <optional>

// What a user wants to know of a running transfer: how far it is, how fast
// the line takes it, how long it will still take, and whether the printer
// has stopped taking data. The rate is taken over the last few seconds, so
// it follows a line that slows down; a network printer acknowledges in
// steps seconds apart, so the rate runs from step to step rather than to
// the moment of asking, and falls only once a step is overdue.
class TransferProgress
{
public:
    explicit TransferProgress(qint64 total);

    // Bytes the printer took by `elapsedMs` since the transfer started.
    void update(qint64 sent, qint64 elapsedMs);

    qint64 sent() const { return m_sent; }
    qint64 total() const { return m_total; }
    int percent() const;
    // Nothing until the rate is known.
    std::optional<double> bytesPerSecond() const;
    std::optional<qint64> secondsLeft() const;
    // Whole seconds the printer has taken nothing, once that is long enough
    // to be worth saying: a printer that is busy or out of paper.
    std::optional<qint64> busySeconds() const;

    // "Uploading 1.2 MB of 5.0 MB, 9.6 kB/s, about 7 min left"; for a busy
    // printer "Uploading 1.2 MB of 5.0 MB, the printer has taken no data for
    // 25 s".
    QString describe(const QString &verb) const;

    // "the printer has taken no data for 25 s".
    static QString busyText(qint64 seconds);
    static QString sizeText(qint64 bytes);
    static QString durationText(qint64 seconds);
    // "12.3 kB/s" and "about 2 min left", as people read them.
    static QString rateText(double bytesPerSecond);
    static QString leftText(qint64 seconds);

private:
    struct Sample {
        qint64 sent;
        qint64 ms;
    };
    qint64 m_total;
    qint64 m_sent = 0;
    qint64 m_nowMs = 0;
    // The moments the count grew, from the first bytes taken: what a link
    // takes at once into its buffers says nothing of its pace.
    std::deque<Sample> m_samples;
};
