#pragma once

#include "common/Failure.h"

#include <QByteArray>
#include <QString>

#include <optional>

class EventPump;
class StopSignal;

// A parallel printer port opened as a device file. It is opened without
// blocking, so that a printer that is off or a device nobody reads cannot
// freeze the window: while the device takes no data the write waits in the
// event loop, and gives up after the stall limit without progress.
class ParallelDevice
{
public:
    explicit ParallelDevice(QString path);
    ~ParallelDevice();
    ParallelDevice(const ParallelDevice &) = delete;
    ParallelDevice &operator=(const ParallelDevice &) = delete;

    std::optional<Failure> open();
    // Writes every byte. With a pump the window also processes events
    // between blocks while the device keeps up.
    std::optional<Failure> write(const QByteArray &bytes, const StopSignal *stop, int stallLimitMs,
                                 EventPump *pump = nullptr);
    std::optional<Failure> close();

private:
    QString m_path;
    int m_fd = -1;
};
