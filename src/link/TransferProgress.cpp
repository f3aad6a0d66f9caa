#include "link/TransferProgress.h"

#include <QLocale>

namespace
{

constexpr qint64 rateWindowMs = 5000;
constexpr qint64 shortestRateSpanMs = 500;

} // namespace

TransferProgress::TransferProgress(qint64 total) : m_total(total) {}

void TransferProgress::update(qint64 sent, qint64 elapsedMs)
{
    m_sent = sent;
    m_samples.push_back({sent, elapsedMs});
    // Keep one sample older than the window, so the span covers all of it.
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
    if (spanMs < shortestRateSpanMs)
        return std::nullopt;
    return double(last.sent - first.sent) * 1000.0 / double(spanMs);
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
        return QStringLiteral("%1 s").arg(seconds);
    const qint64 minutes = (seconds + 30) / 60;
    if (minutes < 60)
        return QStringLiteral("%1 min").arg(minutes);
    return QStringLiteral("%1 h %2 min")
        .arg(QString::number(minutes / 60), QString::number(minutes % 60));
}

QString TransferProgress::describe(const QString &verb) const
{
    QString text =
        verb + QLatin1Char(' ') + sizeText(m_sent) + QStringLiteral(" of ") + sizeText(m_total);
    if (const std::optional<double> rate = bytesPerSecond()) {
        text += QStringLiteral(", ") + sizeText(qint64(*rate + 0.5)) + QStringLiteral("/s");
        if (const std::optional<qint64> left = secondsLeft(); left && m_sent < m_total)
            text += QStringLiteral(", about ") + durationText(*left) + QStringLiteral(" left");
    }
    return text;
}
