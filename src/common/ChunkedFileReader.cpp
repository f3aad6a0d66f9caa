#include "common/ChunkedFileReader.h"

#include "common/FileFailure.h"
#include "common/RegularFile.h"
#include "common/Sha256.h"

#include <QDir>
#include <QThreadPool>

#include <algorithm>
#include <chrono>
#include <new>

namespace
{

// One worker hashes for every reader: it takes its chunks first in, first
// out, so each reader's are hashed in order.
QThreadPool &hashers()
{
    static QThreadPool pool;
    static const bool once = [] {
        pool.setMaxThreadCount(1);
        return true;
    }();
    (void)once;
    return pool;
}

} // namespace

ChunkedFileReader::ChunkedFileReader(const QString &path) : m_path(path), m_file(path) {}

ChunkedFileReader::~ChunkedFileReader()
{
    hashed();
}

std::optional<Failure> ChunkedFileReader::open()
{
    m_failure = RegularFile::openForReading(m_file, QIODevice::Unbuffered);
    if (m_failure)
        return m_failure;
    m_size = m_file.size();
    if (m_size >= sizeLimit) {
        m_file.close();
        m_failure = Failure{
            FailureCode::FileTooLarge,
            Wording::of(QT_TRANSLATE_NOOP("Failure",
                                          "File too large: %1 has %2 bytes; a file must be "
                                          "smaller than 2 GiB (%3 bytes) to be held in memory."),
                        {QDir::toNativeSeparators(m_path), QString::number(m_size),
                         QString::number(sizeLimit)})};
    }
    return m_failure;
}

std::optional<Failure> ChunkedFileReader::allocate()
{
    try {
        m_bytes.reserve(m_size + m_room);
        m_bytes.resize(m_size);
    } catch (const std::bad_alloc &) {
        fail({FailureCode::OutOfMemory,
              Wording::of(
                  QT_TRANSLATE_NOOP("Failure", "Out of memory: %1 bytes do not fit in memory."),
                  {QString::number(m_size)})});
        return m_failure;
    }
    m_allocated = true;
    return std::nullopt;
}

void ChunkedFileReader::closeEarly()
{
    hashed();
    m_file.close();
    m_bytes = QByteArray();
}

void ChunkedFileReader::computeSha256()
{
    m_hash = std::make_unique<Sha256>();
}

void ChunkedFileReader::hashed()
{
    if (m_hashing.valid())
        m_hashing.get();
}

ChunkedFileReader::Status ChunkedFileReader::fail(Failure failure)
{
    closeEarly();
    m_failure = std::move(failure);
    return Status::Failed;
}

ChunkedFileReader::Status ChunkedFileReader::readAll(const std::function<bool()> &stop)
{
    m_letGo = QByteArray();
    Status status;
    do {
        if (stop && stop())
            return this->stop();
        status = readChunk();
    } while (status == Status::Reading);
    return status;
}

ChunkedFileReader::Status ChunkedFileReader::stop()
{
    closeEarly();
    return Status::Stopped;
}

ChunkedFileReader::Status ChunkedFileReader::readChunk()
{
    if (m_complete)
        return Status::Read;
    if (!m_file.isOpen())
        return fail(m_failure.value_or(FileFailure::fromFile(m_file, m_path)));
    if (!m_allocated && allocate())
        return Status::Failed;
    if (m_done < m_size) {
        const qint64 got =
            m_file.read(m_bytes.data() + m_done, std::min(chunkSize, m_size - m_done));
        if (got < 0)
            return fail(FileFailure::fromFile(m_file, m_path));
        if (got == 0) // the file shrank after its size was taken
            return fail({FailureCode::InputPastEndOfFile,
                         Wording::of(QT_TRANSLATE_NOOP("Failure", "Input past end of file: %1"),
                                     {QDir::toNativeSeparators(m_path)})});
        if (m_hash) {
            // The one worker hashes the chunks in the order they were read,
            // while the next ones are read; only the end waits for it.
            auto task = std::make_shared<std::packaged_task<void()>>(
                [hash = m_hash.get(), chunk = QByteArrayView(m_bytes.constData() + m_done, got)] {
                    hash->add(chunk);
                });
            m_hashing = task->get_future();
            hashers().start([task] { (*task)(); });
        }
        m_done += got;
        if (m_done < m_size)
            return Status::Reading;
    }
    // The worker may still be on the last chunks: a caller that reads a
    // chunk per call (the window's job) gets its turn between short waits.
    if (m_hashing.valid() &&
        m_hashing.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
        return Status::Reading;
    m_file.close();
    if (m_hash) {
        hashed();
        m_digest = m_hash->result();
    }
    m_complete = true;
    return Status::Read;
}
