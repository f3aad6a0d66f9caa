#include "common/FileReadJob.h"

#include "common/StopSignal.h"

#include <QMetaObject>

FileReadJob::FileReadJob(std::shared_ptr<ChunkedFileReader> reader, const StopSignal *stop,
                         QObject *parent)
    : QObject(parent), m_reader(std::move(reader))
{
    if (stop) {
        m_stopping = stop->isRaised();
        connect(stop, &StopSignal::raised, this, [this] { m_stopping = true; });
    }
}

FileReadJob::~FileReadJob()
{
    m_stopping = true;
    if (m_worker.joinable())
        m_worker.join();
}

void FileReadJob::start()
{
    m_worker = std::thread([this] {
        const ChunkedFileReader::Status status =
            m_reader->readAll([this] { return m_stopping.load(); });
        // Posted to this job: a job gone by then takes the call with it.
        QMetaObject::invokeMethod(
            this,
            [this, status] {
                // The worker has nothing left to do but end; once joined,
                // all it wrote to the reader is seen here.
                m_worker.join();
                emit finished(status);
            },
            Qt::QueuedConnection);
    });
}

void FileReadJob::read(std::shared_ptr<ChunkedFileReader> reader, const StopSignal *stop,
                       QObject *context, std::function<void(ChunkedFileReader::Status)> done)
{
    auto *job = new FileReadJob(std::move(reader), stop, context);
    connect(job, &FileReadJob::finished, context,
            [job, done = std::move(done)](ChunkedFileReader::Status status) {
                job->deleteLater();
                done(status);
            });
    job->start();
}
