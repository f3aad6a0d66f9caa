#include "cli/ProgressLog.h"

#include "cli/TargetJob.h"
#include "common/CommandLineText.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <cmath>

ProgressLog::ProgressLog(Form form, const Console &console, int intervalMs)
    : m_form(form), m_console(console), m_intervalMs(intervalMs)
{
}

void ProgressLog::started(const TargetJob &job)
{
    if (m_form == Form::Json)
        event(QStringLiteral("start"), job, 0, 0);
}

void ProgressLog::look(const TargetJob &job, const TransferProgress &shown, qint64 elapsedMs,
                       qint64 &lastMs, int &lastTenth)
{
    const int tenth = shown.percent() / 10;
    if (m_form == Form::None || (elapsedMs - lastMs < m_intervalMs && tenth <= lastTenth))
        return;
    lastMs = elapsedMs;
    lastTenth = tenth;
    if (m_form == Form::Json)
        event(QStringLiteral("progress"), job, shown.sent(), elapsedMs / 1000.0, &shown);
    else
        m_console.say(line(job, shown));
}

void ProgressLog::ended(const TargetJob &job)
{
    if (m_form != Form::Json)
        return;
    switch (job.outcome()) {
    case TargetJob::Outcome::Sent:
        event(QStringLiteral("done"), job, job.sent(), job.seconds());
        break;
    case TargetJob::Outcome::Failed:
        event(QStringLiteral("failed"), job, job.sent(), job.seconds());
        break;
    default:
        event(QStringLiteral("cancelled"), job, job.sent(), job.seconds());
        break;
    }
}

QString ProgressLog::line(const TargetJob &job, const TransferProgress &shown)
{
    const QLocale c = QLocale::c();
    // Built in one pass: a %1 in a target's name stays as it is.
    QString text = job.target().written + QStringLiteral(": [") +
                   QString::number(job.operationIndex() + 1) + QLatin1Char('/') +
                   QString::number(job.operations().size()) + QStringLiteral("] ") +
                   QString::number(shown.percent()) + QStringLiteral("% ") +
                   CommandLineText::tr("%1 of %2 bytes delivered")
                       .arg(c.toString(shown.sent()), c.toString(job.total())) +
                   QStringLiteral(", ");
    // A busy printer is told as the window tells it, not by a falling rate.
    if (const std::optional<qint64> busy = shown.busySeconds())
        return text + TransferProgress::busyText(*busy);
    const std::optional<double> rate = shown.bytesPerSecond();
    if (!rate)
        return text + CommandLineText::tr("rate not known yet");
    text += TransferProgress::rateText(*rate) + QStringLiteral(", ");
    const std::optional<qint64> left = shown.secondsLeft();
    return text +
           (left ? TransferProgress::leftText(*left) : CommandLineText::tr("time left not known"));
}

void ProgressLog::event(const QString &name, const TargetJob &job, qint64 delivered, double seconds,
                        const TransferProgress *shown)
{
    QJsonObject object{
        {QStringLiteral("event"), name},
        {QStringLiteral("target"), job.target().written},
        {QStringLiteral("bytesDelivered"), double(delivered)},
        {QStringLiteral("bytesTotal"), double(job.total())},
        {QStringLiteral("seconds"), std::round(seconds * 1000) / 1000},
    };
    if (shown) {
        object.insert(QStringLiteral("action"), job.operationIndex() + 1);
        if (const std::optional<double> rate = shown->bytesPerSecond())
            object.insert(QStringLiteral("bytesPerSecond"), std::round(*rate));
        if (const std::optional<qint64> left = shown->secondsLeft())
            object.insert(QStringLiteral("secondsLeft"), double(*left));
    }
    if (name == QLatin1String("failed") || name == QLatin1String("cancelled"))
        object.insert(QStringLiteral("reason"), job.failure().english(Audience::CommandLine));
    m_console.out.write(QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n');
}
