#include "cli/Report.h"

#include "cli/PrinterJob.h"

#include "Version.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

namespace Report
{

QString outcomeWord(const PrinterJob &job)
{
    switch (job.outcome()) {
    case PrinterJob::Outcome::Sent:
        return QStringLiteral("sent");
    case PrinterJob::Outcome::Failed:
        return QStringLiteral("failed");
    case PrinterJob::Outcome::Cancelled:
    case PrinterJob::Outcome::Waiting:
        break;
    }
    return QStringLiteral("cancelled");
}

QString table(const QList<PrinterJob *> &jobs)
{
    int targetWidth = 6;
    for (const PrinterJob *job : jobs)
        targetWidth = std::max<int>(targetWidth, job->target().written.size());
    // Padded by hand rather than with chained arg(): a %2 in a target or a
    // failure would be taken for a place to fill.
    const auto row = [targetWidth](const QString &target, const QString &outcome,
                                   const QString &bytes, const QString &seconds,
                                   const QString &failure) {
        return target.leftJustified(targetWidth) + QStringLiteral("  ") + outcome.leftJustified(9) +
               QStringLiteral("  ") + bytes.rightJustified(13) + QStringLiteral("  ") +
               seconds.rightJustified(8) + QStringLiteral("  ") + failure + QLatin1Char('\n');
    };
    QString text = row(QStringLiteral("TARGET"), QStringLiteral("OUTCOME"), QStringLiteral("BYTES"),
                       QStringLiteral("SECONDS"), QStringLiteral("FAILURE"));
    int sent = 0, failed = 0, cancelled = 0;
    for (const PrinterJob *job : jobs) {
        const QString word = outcomeWord(*job);
        sent += word == QLatin1String("sent");
        failed += word == QLatin1String("failed");
        cancelled += word == QLatin1String("cancelled");
        text += row(job->target().written, word, QLocale::c().toString(job->sent()),
                    QString::number(job->seconds(), 'f', 1), job->failure());
    }
    return text + QStringLiteral("%1 printer%2: %3 sent, %4 failed, %5 cancelled\n")
                      .arg(jobs.size())
                      .arg(jobs.size() == 1 ? QString() : QStringLiteral("s"))
                      .arg(sent)
                      .arg(failed)
                      .arg(cancelled);
}

QByteArray json(const QList<PrinterJob *> &jobs, int exitStatus)
{
    QJsonArray printers;
    for (const PrinterJob *job : jobs) {
        QJsonArray actions;
        for (const Action &action : job->actions())
            actions.append(action.label);
        printers.append(QJsonObject{
            {QStringLiteral("target"), job->target().written},
            {QStringLiteral("actions"), actions},
            {QStringLiteral("bytesSent"), double(job->sent())},
            {QStringLiteral("bytesTotal"), double(job->total())},
            {QStringLiteral("seconds"), std::round(job->seconds() * 1000) / 1000},
            {QStringLiteral("outcome"), outcomeWord(*job)},
            {QStringLiteral("failure"), job->failure()},
        });
    }
    const QJsonObject report{
        {QStringLiteral("program"), QStringLiteral("varimonde-setup")},
        {QStringLiteral("version"), QLatin1String(Version::text)},
        {QStringLiteral("exitStatus"), exitStatus},
        {QStringLiteral("printers"), printers},
    };
    return QJsonDocument(report).toJson(QJsonDocument::Indented);
}

} // namespace Report
