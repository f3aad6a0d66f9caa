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
    const QString row = QStringLiteral("%1  %2  %3  %4  %5\n");
    QString text = row.arg(QStringLiteral("TARGET"), -targetWidth)
                       .arg(QStringLiteral("OUTCOME"), -9)
                       .arg(QStringLiteral("BYTES"), 13)
                       .arg(QStringLiteral("SECONDS"), 8)
                       .arg(QStringLiteral("FAILURE"));
    int sent = 0, failed = 0, cancelled = 0;
    for (const PrinterJob *job : jobs) {
        const QString word = outcomeWord(*job);
        sent += word == QLatin1String("sent");
        failed += word == QLatin1String("failed");
        cancelled += word == QLatin1String("cancelled");
        text += row.arg(job->target().written, -targetWidth)
                    .arg(word, -9)
                    .arg(QLocale::c().toString(job->sent()), 13)
                    .arg(QString::number(job->seconds(), 'f', 1), 8)
                    .arg(job->failure());
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
