#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class PrinterJob;

// What became of each printer, for people (a table) and for programs (JSON).
namespace Report
{

QString outcomeWord(const PrinterJob &job);

// One row per printer and a count of each outcome.
QString table(const QList<PrinterJob *> &jobs);

// {"program", "version", "exitStatus", "printers": [{"target", "actions",
// "bytesSent", "bytesTotal", "seconds", "outcome", "failure"}]}
QByteArray json(const QList<PrinterJob *> &jobs, int exitStatus);

} // namespace Report
