#pragma once

#include "cli/Discover.h"
#include "cli/Target.h"
#include "link/SendOutcome.h"
#include "operation/OperationBuilders.h"

#include <QList>
#include <QString>
#include <QStringList>

// Everything a run needs, read and checked from the command line before
// anything is sent to any printer: the printers, the actions in the order
// given (the same on each printer), their files read once, and how to run.
struct Plan {
    QList<Target> targets;
    QList<Operation> actions;
    bool dryRun = false;
    bool hex = false;
    QString output; // dry run: a file instead of standard output
    QString report; // JSON report
    int jobs = 0;   // at most this many printers at once; 0: no limit of its own
    int stallLimitMs = defaultStallLimitMs;
    int busyLimitMs = defaultBusyLimitMs;
    int connectTimeoutMs = 5000;
    // --discover, --status and the SNMP options; --ignore-status.
    Discover::Options discover;
    // Progress where no terminal shows it live: lines on standard error,
    // or JSON Lines events on standard output.
    enum class Progress { Lines, Json };
    Progress progress = Progress::Lines;
    int progressIntervalMs = 10000;
    // Only failures and the summary.
    bool quiet = false;
    // An interrupt came while the files were read: the run ends at once,
    // each printer cancelled before sending.
    bool interrupted = false;
    // Worth saying before sending: each firmware's size and SHA-256.
    QStringList notes;
};

struct ParsedArguments {
    enum class Outcome { Run, Help, Version, Refused };
    Outcome outcome = Outcome::Refused;
    Plan plan;
    QString text;       // help or version text
    QStringList errors; // one line each
    // The command line itself is wrong (an unknown option, a missing
    // value): the user is pointed to --help.
    bool usage = false;
};

ParsedArguments parseArguments(const QStringList &arguments);
