#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

struct Console;

class TargetJob;
struct Plan;

// What became of each printer, for people (a table) and for programs (JSON).
namespace Report
{

QString outcomeWord(const TargetJob &job);

// One row per printer and a count of each outcome.
QString table(const QList<TargetJob *> &jobs);

// {"program", "version", "exitStatus", "printers": [{"target", "actions",
// "bytesSent" and "bytesDelivered" (the same: bytes the printer took), "bytesTotal", "seconds",
// "outcome", "failure"}]}
QByteArray json(const QList<TargetJob *> &jobs, int exitStatus);

// A dry run's report: the same printers, each "not sent", and "sends": what
// every one of them would get, transmission by transmission, a text block as
// its text and a file's bytes as their size and SHA-256, so that a reviewer
// (or a configuration-management diff) reads the commands without the
// images.
QByteArray dryRunJson(const Plan &plan);

// Writes a file the user named, as every file of the program is written;
// false, once it has said why, when it cannot: "cannot write the report: ...".
bool save(const QString &path, const QByteArray &bytes, const Console &console,
          const QString &what);

} // namespace Report
