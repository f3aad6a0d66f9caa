#include "cli/RunShell.h"

#include "common/ProcessSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

RunShell::RunShell()
{
    m_grace.setSingleShot(true);
    m_grace.setInterval(graceMs);
    connect(&m_grace, &QTimer::timeout, this, &RunShell::finish);
    if (Interrupts::descriptor() >= 0) {
        m_signals =
            std::make_unique<QSocketNotifier>(Interrupts::descriptor(), QSocketNotifier::Read);
        connect(m_signals.get(), &QSocketNotifier::activated, this, [this] {
            Interrupts::drain();
            hear();
        });
    }
}

RunShell::~RunShell() = default;

void RunShell::run()
{
    if (Interrupts::count() > 0)
        QTimer::singleShot(0, this, &RunShell::hear);
    if (!m_finished)
        QCoreApplication::exec();
    m_grace.stop();
    m_signals.reset();
}

void RunShell::finish()
{
    m_finished = true;
    QCoreApplication::exit(0);
}

void RunShell::hear()
{
    if (m_interrupted)
        return;
    m_interrupted = true;
    m_grace.start();
    emit interrupted();
}
