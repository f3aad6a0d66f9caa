#include "common/FileReadJob.h"

#include "common/StopSignal.h"

#include <QElapsedTimer>

namespace
{

// Reading goes on for this long before the event loop gets its turn.
constexpr int sliceMs = 10;

} // namespace

FileReadJob::FileReadJob(ChunkedFileReader &reader, const StopSignal *stop, QObject *parent)
    : QObject(parent), m_reader(reader), m_stop(stop)
{
    m_next.setSingleShot(true);
    connect(&m_next, &QTimer::timeout, this, &FileReadJob::step);
    if (m_stop)
        connect(m_stop, &StopSignal::raised, this, [this] {
            if (m_running)
                m_next.start(0);
        });
}

void FileReadJob::start()
{
    m_running = true;
    // The first chunk waits one turn: the window shows what its caller has
    // just set before the reading begins.
    m_next.start(0);
}

void FileReadJob::step()
{
    QElapsedTimer slice;
    slice.start();
    ChunkedFileReader::Status status;
    do {
        status = m_stop && m_stop->isRaised() ? m_reader.stop() : m_reader.readChunk();
    } while (status == ChunkedFileReader::Status::Reading && slice.elapsed() < sliceMs);
    if (status == ChunkedFileReader::Status::Reading) {
        m_next.start(0);
        return;
    }
    m_running = false;
    emit finished(status);
}

void FileReadJob::read(std::shared_ptr<ChunkedFileReader> reader, const StopSignal *stop,
                       QObject *context, std::function<void(ChunkedFileReader::Status)> done)
{
    auto *job = new FileReadJob(*reader, stop, context);
    connect(job, &FileReadJob::finished, context,
            [job, reader, done = std::move(done)](ChunkedFileReader::Status status) {
                job->deleteLater();
                done(status);
            });
    job->start();
}
