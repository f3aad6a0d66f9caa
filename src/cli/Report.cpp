#include "cli/Report.h"

#include "cli/Console.h"
#include "common/CommandLineText.h"
#include "common/SafeWrite.h"
#include "common/Sha256.h"
#include "common/TerminalText.h"

#include "cli/Arguments.h"
#include "cli/TargetJob.h"

#include "Version.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

namespace Report
{

QString outcomeWord(const TargetJob &job)
{
    switch (job.outcome()) {
    case TargetJob::Outcome::Sent:
        return QStringLiteral("sent");
    case TargetJob::Outcome::Failed:
        return QStringLiteral("failed");
    case TargetJob::Outcome::Cancelled:
    case TargetJob::Outcome::Waiting:
        break;
    }
    return QStringLiteral("cancelled");
}

QString table(const QList<TargetJob *> &jobs)
{
    int targetWidth = 6;
    for (const TargetJob *job : jobs)
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
    QString text =
        row(QStringLiteral("TARGET"), QStringLiteral("OUTCOME"), QStringLiteral("DELIVERED"),
            QStringLiteral("SECONDS"), QStringLiteral("FAILURE"));
    int sent = 0, failed = 0, cancelled = 0;
    for (const TargetJob *job : jobs) {
        const QString word = outcomeWord(*job);
        sent += word == QLatin1String("sent");
        failed += word == QLatin1String("failed");
        cancelled += word == QLatin1String("cancelled");
        text += row(job->target().written, word, QLocale::c().toString(job->sent()),
                    QString::number(job->seconds(), 'f', 1),
                    TerminalText::escaped(job->failure().english(Audience::CommandLine)));
    }
    return text + QStringLiteral("%1 printer%2: %3 sent, %4 failed, %5 cancelled\n")
                      .arg(jobs.size())
                      .arg(jobs.size() == 1 ? QString() : QStringLiteral("s"))
                      .arg(sent)
                      .arg(failed)
                      .arg(cancelled);
}

namespace
{

struct Row {
    QString target;
    const QList<Operation> &actions;
    qint64 sent = 0;
    qint64 total = 0;
    double seconds = 0;
    QString outcome;
    QString failure;
};

QJsonObject printer(const Row &row)
{
    QJsonArray actions;
    for (const Operation &action : row.actions)
        actions.append(action.label);
    return QJsonObject{
        {QStringLiteral("target"), row.target},
        {QStringLiteral("actions"), actions},
        {QStringLiteral("bytesSent"), double(row.sent)},
        {QStringLiteral("bytesDelivered"), double(row.sent)},
        {QStringLiteral("bytesTotal"), double(row.total)},
        {QStringLiteral("seconds"), std::round(row.seconds * 1000) / 1000},
        {QStringLiteral("outcome"), row.outcome},
        {QStringLiteral("failure"), row.failure},
    };
}

QJsonObject document(const QJsonArray &printers, int exitStatus)
{
    return QJsonObject{
        {QStringLiteral("program"), QStringLiteral("varimonde-setup")},
        {QStringLiteral("version"), QLatin1String(Version::text)},
        {QStringLiteral("exitStatus"), exitStatus},
        {QStringLiteral("printers"), printers},
    };
}

} // namespace

QByteArray json(const QList<TargetJob *> &jobs, int exitStatus)
{
    QJsonArray printers;
    for (const TargetJob *job : jobs)
        printers.append(printer({job->target().written, job->operations(), job->sent(),
                                 job->total(), job->seconds(), outcomeWord(*job),
                                 job->failure().english(Audience::CommandLine)}));
    return QJsonDocument(document(printers, exitStatus)).toJson(QJsonDocument::Indented);
}

QByteArray dryRunJson(const Plan &plan)
{
    qint64 total = 0;
    QJsonArray sends;
    for (const Operation &action : plan.actions) {
        total += action.size();
        for (const OperationPart &part : action.parts) {
            QJsonObject send{{QStringLiteral("action"), action.label},
                             {QStringLiteral("bytes"), double(part.size())}};
            if (part.isText)
                send.insert(QStringLiteral("text"), QString::fromLatin1(part.bytes));
            else
                send.insert(QStringLiteral("sha256"),
                            QString::fromLatin1(Sha256::of(part.bytes).toHex()));
            sends.append(send);
        }
    }
    QJsonArray printers;
    for (const Target &target : plan.targets)
        printers.append(
            printer({target.written, plan.actions, 0, total, 0, QStringLiteral("not sent"), {}}));
    QJsonObject report = document(printers, 0);
    report.insert(QStringLiteral("dryRun"), true);
    report.insert(QStringLiteral("sends"), sends);
    return QJsonDocument(report).toJson(QJsonDocument::Indented);
}

} // namespace Report

bool Report::save(const QString &path, const QByteArray &bytes, const Console &console,
                  const QString &what)
{
    const std::optional<Failure> failure = SafeWrite::write(path, bytes);
    if (failure)
        console.say(CommandLineText::tr("varimonde-setup: cannot write %1: %2")
                        .arg(what, failure->shown()));
    return !failure;
}
