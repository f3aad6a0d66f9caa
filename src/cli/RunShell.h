#pragma once

#include <QObject>
#include <QTimer>

#include <memory>

class QSocketNotifier;

// What every mode of the command line (sending, a dry run, --discover,
// --status) runs its work in: the program's one event loop, ended by the
// work itself or by an interrupt. The first SIGINT or SIGTERM is told
// through interrupted(): the work stops what it does and calls finish();
// should it not have done so within `graceMs`, the loop ends anyway, so
// that the report is written and the program ends within a second. A
// second interrupt ends the program at once (Interrupts).
class RunShell : public QObject
{
    Q_OBJECT
public:
    static constexpr int graceMs = 600;

    RunShell();
    ~RunShell() override;

    // Runs the event loop until finish(), or the grace after an interrupt
    // has passed; returns at once when finish() came first. An interrupt
    // that came before (while the files were read) is told from the loop.
    void run();
    void finish();
    bool wasInterrupted() const { return m_interrupted; }

signals:
    void interrupted();

private:
    void hear();

    QTimer m_grace;
    std::unique_ptr<QSocketNotifier> m_signals;
    bool m_finished = false;
    bool m_interrupted = false;
};
