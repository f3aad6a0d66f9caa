#pragma once

#include "cli/Console.h"
#include "discovery/Discovery.h"

#include <QCommandLineOption>
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
    // Replace a --write-targets file that this program did not write.
    bool force = false;
    bool ignoreStatus = false;
    QString inventory;    // with --status: a CSV file, or JSON by its extension
    int watchSeconds = 0; // --watch: how often each printer is read
    QString metrics;      // with --watch: ADDRESS:PORT to serve /metrics on
};

// Its options, described in English.
QList<QCommandLineOption> options();
// Reads the options into `options`; usage errors go to `usage`.
void read(const QCommandLineParser &parser, Options &options, QStringList &usage);
// The SNMP options once the secrets are read: v3 pass phrases need a user.
void checkSnmp(const SnmpOptions &snmp, QStringList &usage);

// Sweeps, browses and asks; prints a table, writes the report and the
// targets file. 0 when it ran, 1 when a file could not be written.
int discover(const Plan &plan, const Console &console);
// Asks every network target for its status; 1 when any reports an error
// or does not answer.
int status(const Plan &plan, const Console &console);

// {"program", "version", "exitStatus", "notes", "printers": [FoundPrinter::json()]};
// --status adds "summary": {"printers", "ready", "notReady", "noAnswer",
// "cannotBeRead", "allReady", "allAskedReady"}.
QByteArray json(const QList<FoundPrinter> &printers, const QStringList &notes, int exitStatus,
                Options::Mode mode = Options::Mode::Discover);
// One line a printer, each cell on one line and cut to its column with an
// ellipsis; a count at the end: how many were found, or for --status how
// many are ready and how many could not be asked.
QString table(const QList<FoundPrinter> &printers, Options::Mode mode = Options::Mode::Discover);

// The first line of every targets file --discover writes: a file that does
// not begin with it was made by hand and is not replaced unless forced.
inline constexpr char targetsHeader[] = "# Printers found by varimonde-setup --discover";
// A targets file of the printers with a raw port, each target once; the
// names, models and serials after a # with every control character
// escaped, so that nothing a printer announces becomes a line of its own.
QString targetsText(const QList<FoundPrinter> &printers);
// Why `path` may not be replaced by a targets file, or empty.
QString targetsRefusal(const QString &path, bool force);

} // namespace Discover
