#pragma once

#include "cli/Arguments.h"
#include "cli/Console.h"
#include "cli/ProgressLog.h"
#include "cli/RunShell.h"
#include "cli/TargetLookup.h"
#include "common/ProcessSignals.h"
#include "common/Wording.h"
#include "link/TransferProgress.h"

#include <QElapsedTimer>

#include <QList>
#include <QObject>
#include <QSet>
#include <QTimer>

#include <memory>
#include <unordered_map>

class TargetJob;

// Runs the plan on every printer: network and USB printers all at once,
// one transfer at a time per serial or parallel port, at most `jobs` at
// once; shows each printer's progress, and ends with a table and the
// report. An interrupt (SIGINT, SIGTERM) cancels every transfer.
class Runner : public QObject
{
    Q_OBJECT
public:
    enum ExitStatus { AllSent = 0, SomeFailed = 1, Interrupted = Interrupts::exitStatus };

    Runner(const Plan &plan, const Console &console);
    ~Runner() override;

    // Cancels every transfer and starts no more; those not yet started end
    // with `unstarted`. The program's own run is interrupted by the signals
    // Interrupts catches.
    void interrupt(const Wording &unstarted = Wording::of(QT_TRANSLATE_NOOP(
                       "Failure", "Interrupted before this printer's turn: nothing was sent.")));

    int run();

    // How many printers may run at once with the file descriptors the
    // system allows: each holds one socket or port.
    static int descriptorBudget();
    // Descriptors the program keeps for its own use.
    static constexpr int reserved = 64;
    // Printers at once unless told: more would only lengthen every pass of
    // the one event loop over its sockets and timers, not the run.
    static constexpr int defaultJobs = 1000;

private:
    // Once the names are looked up: a printer named before under another
    // name or address is left out, one whose name was not found fails.
    void settle();
    void startMore();
    void finished(TargetJob *job);
    // Follows every running printer's progress, and shows it.
    void tick();
    void drawProgress();
    QString progressLine(TargetJob *job) const;
    void printDone(TargetJob *job);
    int exitStatus() const;

    const Plan &m_plan;
    Console m_console;
    // The live block on a terminal, redrawn in place.
    bool m_live = false;
    ProgressLog m_log;
    bool m_interrupted = false;
    int m_limit = 0;
    QList<TargetJob *> m_jobs; // owned, in the order given
    QList<TargetJob *> m_waiting;
    QList<TargetJob *> m_running;
    QSet<QString> m_busyPorts;
    int m_done = 0;
    QTimer m_ticker;
    int m_drawnLines = 0;
    QStringList m_doneLines;
    // Per running printer: its progress as its line shows it.
    struct Shown {
        TransferProgress progress;
        QElapsedTimer clock;
        qint64 loggedMs = 0;
        int loggedTenth = 0;
    };
    mutable std::unordered_map<const TargetJob *, Shown> m_shown;
    RunShell m_shell;
    TargetLookup m_lookup;
};
