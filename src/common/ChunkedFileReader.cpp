#include "common/ChunkedFileReader.h"

#include "common/FileFailure.h"

#include <QDir>

#include <algorithm>

ChunkedFileReader::ChunkedFileReader(const QString &path) : m_file(path) {}

std::optional<Failure> ChunkedFileReader::open()
{
    if (!m_file.open(QIODevice::ReadOnly))
        return FileFailure::fromFile(m_file);
    m_size = m_file.size();
    m_position = 0;
    if (m_size > sizeLimit) {
        m_file.close();
        return Failure{FailureCode::FileTooLarge,
                       QStringLiteral("File too large: %1 has %2 bytes; a file must be smaller "
                                      "than 2 GB (%3 bytes) to be loaded into memory.")
                           .arg(QDir::toNativeSeparators(m_file.fileName()))
                           .arg(m_size)
                           .arg(sizeLimit + 1)};
    }
    return std::nullopt;
}

std::optional<Failure> ChunkedFileReader::readNextChunk(QByteArray &buffer)
{
    const qint64 wanted = std::min(chunkSize, m_size - m_position);
    const qint64 got = m_file.read(buffer.data() + m_position, wanted);
    if (got < 0)
        return FileFailure::fromFile(m_file);
    if (got == 0) {
        // The file shrank after its size was taken.
        return Failure{FailureCode::InputPastEndOfFile,
                       QStringLiteral("Input past end of file: %1")
                           .arg(QDir::toNativeSeparators(m_file.fileName()))};
    }
    m_position += got;
    return std::nullopt;
}
