#include "link/TransferProgress.h"

#include "link/SendOutcome.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace
{

constexpr qint64 rateWindowMs = 10000;
constexpr qint64 shortestRateSpanMs = 500;
// Shorter pauses are a printer's own rhythm (acknowledgements in steps).
constexpr qint64 busyShownAfterMs = defaultStallLimitMs;

} // namespace

TransferProgress::TransferProgress(qint64 total) : m_total(total) {}

void TransferProgress::update(qint64 sent, qint64 elapsedMs)
{
    // A new transfer (the next part of a send) counts afresh.
    if (sent < m_sent)
        m_samples.clear();
    m_sent = sent;
    m_nowMs = elapsedMs;
    if (sent > 0 && (m_samples.empty() || m_samples.back().sent != sent))
        m_samples.push_back({sent, elapsedMs});
    // Keep one step older than the window, so the span covers all of it.
    while (m_samples.size() > 2 && elapsedMs - m_samples[1].ms >= rateWindowMs)
        m_samples.pop_front();
}

int TransferProgress::percent() const
{
    if (m_total <= 0)
        return 100;
    return int(m_sent * 100 / m_total);
}

std::optional<double> TransferProgress::bytesPerSecond() const
{
    if (m_samples.size() < 2)
        return std::nullopt;
    const Sample &first = m_samples.front();
    const Sample &last = m_samples.back();
    const qint64 spanMs = last.ms - first.ms;
    if (m_nowMs - first.ms < shortestRateSpanMs)
        return std::nullopt;
    // Up to the last step, unless the next one is later than the steps
    // have ever been apart here: then up to now, less that longest gap.
    qint64 gapMs = 0;
    for (std::size_t i = 1; i < m_samples.size(); ++i)
        gapMs = std::max(gapMs, m_samples[i].ms - m_samples[i - 1].ms);
    const qint64 overMs = std::max(spanMs, m_nowMs - first.ms - gapMs);
    return double(last.sent - first.sent) * 1000.0 / double(std::max<qint64>(overMs, 1));
}

std::optional<qint64> TransferProgress::busySeconds() const
{
    const qint64 since = m_samples.empty() ? 0 : m_samples.back().ms;
    if (m_sent >= m_total || m_nowMs - since < busyShownAfterMs)
        return std::nullopt;
    return (m_nowMs - since) / 1000;
}

std::optional<qint64> TransferProgress::secondsLeft() const
{
    const std::optional<double> rate = bytesPerSecond();
    if (!rate || *rate <= 0)
        return std::nullopt;
    return qint64(double(m_total - m_sent) / *rate + 0.5);
}

QString TransferProgress::sizeText(qint64 bytes)
{
    return QLocale::c().formattedDataSize(bytes, 1, QLocale::DataSizeSIFormat);
}

QString TransferProgress::durationText(qint64 seconds)
{
    if (seconds < 60)
        return QCoreApplication::translate("TransferProgress", "%1 s").arg(seconds);
    const qint64 minutes = (seconds + 30) / 60;
    if (minutes < 60)
        return QCoreApplication::translate("TransferProgress", "%1 min").arg(minutes);
    return QCoreApplication::translate("TransferProgress", "%1 h %2 min")
        .arg(QString::number(minutes / 60), QString::number(minutes % 60));
}

QString TransferProgress::busyText(qint64 seconds)
{
    return QCoreApplication::translate("TransferProgress", "the printer has taken no data for %1 s")
        .arg(seconds);
}

QString TransferProgress::rateText(double bytesPerSecond)
{
    return QCoreApplication::translate("TransferProgress", "%1/s")
        .arg(sizeText(qint64(bytesPerSecond + 0.5)));
}

QString TransferProgress::leftText(qint64 seconds)
{
    return QCoreApplication::translate("TransferProgress", "about %1 left")
        .arg(durationText(seconds));
}

QString TransferProgress::describe(const QString &verb) const
{
    // "%1 %2 of %3" in one pass: the verb is the caller's translated word.
    QString text = QCoreApplication::translate("TransferProgress", "%1 %2 of %3")
                       .arg(verb, sizeText(m_sent), sizeText(m_total));
    if (const std::optional<qint64> busy = busySeconds()) {
        text += QStringLiteral(", ") + busyText(*busy);
    } else if (const std::optional<double> rate = bytesPerSecond()) {
        text += QStringLiteral(", ") + rateText(*rate);
        if (const std::optional<qint64> left = secondsLeft(); left && m_sent < m_total)
            text += QStringLiteral(", ") + leftText(*left);
    }
    return text;
}
