#pragma once

#include <QString>

#include <deque>
#include <optional>

// What a user wants to know of a running transfer: how far it is, how fast
// the line takes it, and how long it will still take. The rate is taken
// over the last few seconds, so it follows a line that slows down.
class TransferProgress
{
public:
    explicit TransferProgress(qint64 total);

    // Bytes on the line at `elapsedMs` since the transfer started.
    void update(qint64 sent, qint64 elapsedMs);

    qint64 sent() const { return m_sent; }
    qint64 total() const { return m_total; }
    int percent() const;
    // Nothing until the rate is known.
    std::optional<double> bytesPerSecond() const;
    std::optional<qint64> secondsLeft() const;

    // "Uploading 1.2 MB of 5.0 MB, 9.6 kB/s, about 7 min left".
    QString describe(const QString &verb) const;

    static QString sizeText(qint64 bytes);
    static QString durationText(qint64 seconds);

private:
    struct Sample {
        qint64 sent;
        qint64 ms;
    };
    qint64 m_total;
    qint64 m_sent = 0;
    std::deque<Sample> m_samples;
};
