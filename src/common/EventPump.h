#pragma once

#include <QElapsedTimer>

// Lets the window process its pending events during a long loop, once per
// time slice rather than once per byte, so that the window repaints and its
// timers tick while the loop itself runs at full speed.
class EventPump
{
public:
    static constexpr int defaultSliceMs = 10;

    explicit EventPump(int sliceMs = defaultSliceMs);

    // Processes pending events when the slice has passed since the last time.
    void pumpIfDue();
    // Processes pending events now.
    void pump();
    // Starts a new slice: events were just processed elsewhere.
    void restart() { m_sinceLast.restart(); }

private:
    QElapsedTimer m_sinceLast;
    int m_sliceMs;
};
