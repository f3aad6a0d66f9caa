#pragma once

// Small helpers shared by the benchmark programs.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace Bench
{

// The longest time the event loop went without a turn while an operation
// ran: a 1 ms timer notes every gap between its ticks.
class EventLoopGapMeter
{
public:
    EventLoopGapMeter()
    {
        m_timer.setInterval(1);
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { tick(); });
    }
    void start()
    {
        m_worstMs = 0;
        m_clock.start();
        m_timer.start();
    }
    double stop()
    {
        tick();
        m_timer.stop();
        return m_worstMs;
    }

private:
    void tick()
    {
        const double now = m_clock.nsecsElapsed() / 1e6;
        if (now - m_lastMs > m_worstMs)
            m_worstMs = now - m_lastMs;
        m_lastMs = now;
    }
    QTimer m_timer;
    QElapsedTimer m_clock;
    double m_lastMs = 0;
    double m_worstMs = 0;
};

// Processor time the calling thread used, user and system, in seconds.
inline double threadCpuSeconds()
{
    timespec used{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &used);
    return double(used.tv_sec) + double(used.tv_nsec) / 1e9;
}

inline void row(const char *figure, double value, const char *unit, double baseline,
                const char *baselineName, const char *verdict)
{
    std::printf("%-52s %10.2f %-6s | %-26s %10.2f %-6s | %s\n", figure, value, unit, baselineName,
                baseline, unit, verdict);
    std::fflush(stdout);
}

// The column heads of the rows above.
inline void header()
{
    std::printf("%-52s %17s | %-26s %17s | %s\n", "figure", "value", "baseline (same run)", "",
                "verdict");
}

// The longest the event loop went without a turn, against the 50 ms a
// window may take before it feels stuck.
inline void gapRow(double worstGapMs)
{
    row("  worst event-loop gap", worstGapMs, "ms", 50, "target",
        worstGapMs <= 50 ? "ok" : "MISSED");
}

} // namespace Bench
