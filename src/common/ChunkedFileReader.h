#pragma once

#include "common/Failure.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <functional>
#include <future>
#include <memory>
#include <optional>

// Reads a whole file into memory a chunk at a time, either at once or a
// chunk per call (see FileReadJob, which lets the event loop run between
// them). The file is closed on every way out.
class Sha256;

class ChunkedFileReader
{
public:
    // Files of 2 GiB or more are refused before anything is read: they
    // cannot be held in memory.
    static constexpr qint64 sizeLimit = qint64(1) << 31;
    // A piece takes well under a time slice even from a slow disk (256 KiB
    // at 20 MB/s is 13 ms), and few enough calls from a fast one.
    static constexpr qint64 chunkSize = 256 * 1024;

    enum class Status { Read, Failed, Stopped, Reading };

    explicit ChunkedFileReader(const QString &path);
    ~ChunkedFileReader();

    // Opens the file and takes its size; FileTooLarge when it is too large,
    // BadFileName when it is not a regular file (never waiting on a pipe).
    std::optional<Failure> open();
    qint64 size() const { return m_size; }

    // Takes memory for size() bytes; OutOfMemory when there is none.
    // readAll() does it when it was not done before.
    std::optional<Failure> allocate();
    // Has allocate() keep room for `bytes` more after the file's, so that
    // what was read can grow in place: growing a buffer that has no room
    // may copy it whole. Room that is never written takes no memory.
    void keepRoom(qint64 bytes) { m_room = bytes; }
    // Bytes that readAll() lets go of before it takes memory for the file's:
    // a large buffer takes milliseconds to give back, which the reading
    // thread spends rather than the caller's.
    void letGoFirst(QByteArray bytes) { m_letGo = std::move(bytes); }

    // Reads the size() bytes that the file had when it was opened; gives up
    // (Stopped) when `stop` says so between chunks.
    Status readAll(const std::function<bool()> &stop = {});
    // Reads the next chunk: Reading while more is to come (or, at the end,
    // while the hash is being finished).
    Status readChunk();
    // Gives up the read: the file closes and what was read goes.
    Status stop();

    // Has the read also take the SHA-256 of the bytes as they arrive: each
    // chunk is hashed on a worker while the next one is read, so the hash
    // costs neither a second pass over the file nor time of its own.
    void computeSha256();
    // The SHA-256 of all of the file after a read; empty otherwise.
    QByteArray hash() const { return m_digest; }

    // Why open(), allocate() or readAll() failed; nothing after a stop.
    const std::optional<Failure> &failure() const { return m_failure; }
    // All of the file after a read; nothing otherwise, so that no part of a
    // file can pass for the whole of it.
    QByteArray takeBytes() { return std::move(m_bytes); }

private:
    // Closes the file before its end and lets go of what was read.
    void closeEarly();
    Status fail(Failure failure);
    // Waits until every chunk read has been hashed.
    void hashed();

    QString m_path;
    QFile m_file;
    qint64 m_size = 0;
    qint64 m_room = 0;
    QByteArray m_letGo;
    qint64 m_done = 0; // bytes read so far
    bool m_allocated = false;
    bool m_complete = false;
    QByteArray m_bytes;
    std::unique_ptr<Sha256> m_hash;
    std::future<void> m_hashing; // of the last chunk read
    QByteArray m_digest;
    std::optional<Failure> m_failure;
};
