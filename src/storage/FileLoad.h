#pragma once

#include "common/Failure.h"

#include <QByteArray>
#include <QFile>

#include <optional>

class StopSignal;

// Reads a whole file into memory in pieces, letting the window process its
// events between pieces so that it repaints and its animations run, and
// giving up as soon as the window closes. The file is closed on every way out.
class FileLoad
{
public:
    // Files of 2 GiB or more are refused before anything is read.
    static constexpr qint64 sizeLimit = qint64(1) << 31;
    static constexpr qint64 pieceSize = 64 * 1024;

    enum class Status { Read, Failed, Stopped };

    explicit FileLoad(const QString &path);

    // Opens the file and takes its size; FileTooLarge when it is too large.
    std::optional<Failure> open();
    qint64 size() const { return m_size; }

    // Reads the size() bytes that the file had when opened.
    Status readAll(const StopSignal &stop);
    // Why open() or readAll() failed.
    const std::optional<Failure> &failure() const { return m_failure; }
    QByteArray takeBytes() { return std::move(m_bytes); }

private:
    Status fail(Failure failure);

    QFile m_file;
    qint64 m_size = 0;
    QByteArray m_bytes;
    std::optional<Failure> m_failure;
};
