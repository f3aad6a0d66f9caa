#include "common/ChunkedFileReader.h"

#include "common/FileFailure.h"
#include "common/RegularFile.h"

#include <QDir>

#include <algorithm>
#include <new>

ChunkedFileReader::ChunkedFileReader(const QString &path) : m_path(path), m_file(path) {}

std::optional<Failure> ChunkedFileReader::open()
{
    m_failure = RegularFile::openForReading(m_file, QIODevice::Unbuffered);
    if (m_failure)
        return m_failure;
    m_size = m_file.size();
    if (m_size >= sizeLimit) {
        m_file.close();
        // In one pass: a path may hold "%1" of its own.
        m_failure = Failure{FailureCode::FileTooLarge,
                            QStringLiteral("File too large: %1 has %2 bytes; a file must be "
                                           "smaller than 2 GiB (%3 bytes) to be held in memory.")
                                .arg(QDir::toNativeSeparators(m_path), QString::number(m_size),
                                     QString::number(sizeLimit))};
    }
    return m_failure;
}

std::optional<Failure> ChunkedFileReader::allocate()
{
    try {
        m_bytes = QByteArray(m_size, Qt::Uninitialized);
    } catch (const std::bad_alloc &) {
        fail({FailureCode::OutOfMemory,
              QStringLiteral("Out of memory: %1 bytes do not fit in memory.").arg(m_size)});
        return m_failure;
    }
    m_allocated = true;
    return std::nullopt;
}

void ChunkedFileReader::closeEarly()
{
    m_file.close();
    m_bytes = QByteArray();
}

void ChunkedFileReader::computeHash(QCryptographicHash::Algorithm algorithm)
{
    m_hash = std::make_unique<QCryptographicHash>(algorithm);
}

QByteArray ChunkedFileReader::hash() const
{
    return m_hash && m_complete ? m_hash->result() : QByteArray();
}

ChunkedFileReader::Status ChunkedFileReader::fail(Failure failure)
{
    closeEarly();
    m_failure = std::move(failure);
    return Status::Failed;
}

ChunkedFileReader::Status ChunkedFileReader::readAll(const std::function<bool()> &stop)
{
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
            return fail(
                {FailureCode::InputPastEndOfFile, QStringLiteral("Input past end of file: %1")
                                                      .arg(QDir::toNativeSeparators(m_path))});
        if (m_hash)
            m_hash->addData(QByteArrayView(m_bytes.constData() + m_done, got));
        m_done += got;
        if (m_done < m_size)
            return Status::Reading;
    }
    m_file.close();
    m_complete = true;
    return Status::Read;
}
