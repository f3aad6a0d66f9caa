#include "common/FileReadJob.h"

#include "common/StopSignal.h"

#include <QMetaObject>

FileReadJob::FileReadJob(std::shared_ptr<ChunkedFileReader> reader, const StopSignal *stop,
                         QObject *parent)
    : QObject(parent)
{
    m_work = [this, reader = std::move(reader)] {
        return reader->readAll([this] { return m_stopping.load(); });
    };
    if (stop) {
        m_stopping = stop->isRaised();
        connect(stop, &StopSignal::raised, this, [this] { m_stopping = true; });
    }
}

FileReadJob::FileReadJob(std::function<ChunkedFileReader::Status()> work, QObject *parent)
    : QObject(parent), m_work(std::move(work))
{
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
        const ChunkedFileReader::Status status = m_work();
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
    whenFinished(new FileReadJob(std::move(reader), stop, context), context, std::move(done));
}

void FileReadJob::run(QObject *context, std::function<void()> work, std::function<void()> done)
{
    auto *job = new FileReadJob(
        [work = std::move(work)] {
            work();
            return ChunkedFileReader::Status::Read;
        },
        context);
    whenFinished(job, context, [done = std::move(done)](ChunkedFileReader::Status) { done(); });
}

void FileReadJob::whenFinished(FileReadJob *job, QObject *context,
                               std::function<void(ChunkedFileReader::Status)> done)
{
    connect(job, &FileReadJob::finished, context,
            [job, done = std::move(done)](ChunkedFileReader::Status status) {
                job->deleteLater();
                done(status);
            });
    job->start();
}
