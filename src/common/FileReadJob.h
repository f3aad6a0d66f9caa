#pragma once

#include "common/ChunkedFileReader.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

class StopSignal;

// Reads a file as a job of the event loop: a time slice of chunks per turn,
// so the window repaints and its animations run meanwhile, and an end as soon
// as the window closes. finished() always comes from the event loop, never
// from inside start().
class FileReadJob : public QObject
{
    Q_OBJECT
public:
    // `reader` has been opened; `stop` may be null.
    FileReadJob(ChunkedFileReader &reader, const StopSignal *stop, QObject *parent = nullptr);

    void start();

    // Reads with `reader` (opened) for `context`, then calls `done` with the
    // end of the read; the reader lives as long as the read needs it.
    static void read(std::shared_ptr<ChunkedFileReader> reader, const StopSignal *stop,
                     QObject *context, std::function<void(ChunkedFileReader::Status)> done);

signals:
    void finished(ChunkedFileReader::Status status);

private:
    void step();

    ChunkedFileReader &m_reader;
    const StopSignal *m_stop;
    QTimer m_next;
    bool m_running = false;
};
