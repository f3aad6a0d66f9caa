#pragma once

#include "common/ChunkedFileReader.h"

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

class StopSignal;

// Reads a file on a thread of its own, so the window stays free to repaint
// and run its animations without taking turns with the reading, and ends as
// soon as the window closes. finished() always comes from the event loop,
// never from inside start().
class FileReadJob : public QObject
{
    Q_OBJECT
public:
    // `reader` has been opened; `stop` may be null.
    FileReadJob(std::shared_ptr<ChunkedFileReader> reader, const StopSignal *stop,
                QObject *parent = nullptr);
    // A read still going is stopped and waited for: it ends within a chunk.
    ~FileReadJob() override;

    void start();

    // Reads with `reader` (opened) for `context`, then calls `done` with the
    // end of the read; the reader lives as long as the read needs it.
    static void read(std::shared_ptr<ChunkedFileReader> reader, const StopSignal *stop,
                     QObject *context, std::function<void(ChunkedFileReader::Status)> done);

    // Runs `work` on the reading thread, for what takes as long as reading
    // (decoding a file's bytes), then `done` from the event loop. When
    // `context` goes first, it waits for `work` and `done` is not called.
    static void run(QObject *context, std::function<void()> work, std::function<void()> done);

signals:
    void finished(ChunkedFileReader::Status status);

private:
    FileReadJob(std::function<ChunkedFileReader::Status()> work, QObject *parent);
    static void whenFinished(FileReadJob *job, QObject *context,
                             std::function<void(ChunkedFileReader::Status)> done);

    std::function<ChunkedFileReader::Status()> m_work;
    std::atomic<bool> m_stopping{false};
    std::thread m_worker;
};
