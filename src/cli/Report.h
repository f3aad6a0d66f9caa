#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class PrinterJob;
struct Plan;

// What became of each printer, for people (a table) and for programs (JSON).
namespace Report
{

QString outcomeWord(const PrinterJob &job);

// One row per printer and a count of each outcome.
QString table(const QList<PrinterJob *> &jobs);

// {"program", "version", "exitStatus", "printers": [{"target", "actions",
// "bytesSent", "bytesTotal", "seconds", "outcome", "failure"}]}
QByteArray json(const QList<PrinterJob *> &jobs, int exitStatus);

// A dry run's report: the same printers, each "not sent", and "sends": what
// every one of them would get, transmission by transmission, a text block as
// its text and a file's bytes as their size and SHA-256, so that a reviewer
// (or a configuration-management diff) reads the commands without the
// images.
QByteArray dryRunJson(const Plan &plan);

} // namespace Report
