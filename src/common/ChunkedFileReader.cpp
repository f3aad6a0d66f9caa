#include "common/ChunkedFileReader.h"

#include "common/EventPump.h"
#include "common/FileFailure.h"
#include "common/StopSignal.h"

#include <QDir>

#include <algorithm>
#include <new>

ChunkedFileReader::ChunkedFileReader(const QString &path) : m_file(path) {}

std::optional<Failure> ChunkedFileReader::open()
{
    if (!m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        m_failure = FileFailure::fromFile(m_file);
        return m_failure;
    }
    m_size = m_file.size();
    if (m_size >= sizeLimit) {
        m_file.close();
        m_failure = Failure{FailureCode::FileTooLarge,
                            QStringLiteral("File too large: %1 has %2 bytes; a file must be "
                                           "smaller than 2 GiB (%3 bytes) to be held in memory.")
                                .arg(QDir::toNativeSeparators(m_file.fileName()))
                                .arg(m_size)
                                .arg(sizeLimit)};
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
    std::fill(m_bytes.begin() + m_done, m_bytes.end(), '\0');
}

ChunkedFileReader::Status ChunkedFileReader::fail(Failure failure)
{
    closeEarly();
    m_failure = std::move(failure);
    return Status::Failed;
}

ChunkedFileReader::Status ChunkedFileReader::readAll(const StopSignal &stop)
{
    if (!m_file.isOpen())
        return fail(m_failure.value_or(FileFailure::fromFile(m_file)));
    if (!m_allocated && allocate())
        return Status::Failed;
    EventPump pump;
    // Let the window show what its caller has just set before the first
    // chunk: one repaint, whatever the file's size.
    pump.pump();
    for (;; pump.pumpIfDue()) {
        if (stop.isRaised()) {
            closeEarly();
            return Status::Stopped;
        }
        if (m_done == m_size)
            break;
        const qint64 got =
            m_file.read(m_bytes.data() + m_done, std::min(chunkSize, m_size - m_done));
        if (got < 0)
            return fail(FileFailure::fromFile(m_file));
        if (got == 0) // the file shrank after its size was taken
            return fail({FailureCode::InputPastEndOfFile,
                         QStringLiteral("Input past end of file: %1")
                             .arg(QDir::toNativeSeparators(m_file.fileName()))});
        m_done += got;
    }
    m_file.close();
    return Status::Read;
}
