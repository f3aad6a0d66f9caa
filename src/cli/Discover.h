#pragma once

#include "cli/Console.h"
#include "discovery/Discovery.h"

#include <QList>

struct Plan;
struct Target;
class QCommandLineParser;

// Finding printers and reading their status from the command line.
namespace Discover
{

// What --discover and --status take.
struct Options {
    enum class Mode { Send, Discover, Status, Watch };
    Mode mode = Mode::Send;
    DiscoveryOptions discovery;
    QString writeTargets;
    bool ignoreStatus = false;
    QString inventory;    // with --status: a CSV file, or JSON by its extension
    int watchSeconds = 0; // --watch: how often each printer is read
    QString metrics;      // with --watch: ADDRESS:PORT to serve /metrics on
};

void addOptions(QCommandLineParser &parser);
// Reads the options into `options`; usage errors go to `usage`.
void read(const QCommandLineParser &parser, Options &options, QStringList &usage);

// Sweeps, browses and asks; prints a table, writes the report and the
// targets file. 0 when it ran, 1 when a file could not be written.
int discover(const Plan &plan, const Console &console);
// Asks every network target for its status; 1 when any reports an error
// or does not answer.
int status(const Plan &plan, const Console &console);

// {"program", "version", "exitStatus", "notes", "printers": [FoundPrinter::json()]}
QByteArray json(const QList<FoundPrinter> &printers, const QStringList &notes, int exitStatus);
QString table(const QList<FoundPrinter> &printers);

} // namespace Discover
