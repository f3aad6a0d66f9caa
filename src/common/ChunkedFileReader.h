#pragma once

#include "common/Failure.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <optional>

// Reads a whole file into memory a chunk at a time, so that a long read can
// let the window process its events between chunks rather than between bytes.
class ChunkedFileReader
{
public:
    // Files of 2 GiB or more are refused: they cannot be held in memory.
    static constexpr qint64 sizeLimit = (qint64(1) << 31) - 1;
    static constexpr qint64 chunkSize = 64 * 1024;

    explicit ChunkedFileReader(const QString &path);

    // Opens the file and takes its size.
    std::optional<Failure> open();
    qint64 size() const { return m_size; }
    // Bytes read so far.
    qint64 position() const { return m_position; }
    bool atEnd() const { return m_position >= m_size; }

    // Reads the next chunk into `buffer`, which holds size() bytes, at the
    // place where the previous chunk ended.
    std::optional<Failure> readNextChunk(QByteArray &buffer);

    void close() { m_file.close(); }

private:
    QFile m_file;
    qint64 m_size = 0;
    qint64 m_position = 0;
};
