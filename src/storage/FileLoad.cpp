#include "storage/FileLoad.h"

#include "common/EventPump.h"
#include "common/FileFailure.h"
#include "common/StopSignal.h"

#include <QDir>

#include <new>

FileLoad::FileLoad(const QString &path) : m_file(path) {}

std::optional<Failure> FileLoad::open()
{
    if (!m_file.open(QIODevice::ReadOnly)) {
        m_failure = FileFailure::fromFile(m_file);
        return m_failure;
    }
    m_size = m_file.size();
    if (m_size >= sizeLimit) {
        m_file.close();
        m_failure = Failure{FailureCode::FileTooLarge,
                            QStringLiteral("File too large: %1 is 2 GiB or more and cannot be "
                                           "held in memory.")
                                .arg(QDir::toNativeSeparators(m_file.fileName()))};
    }
    return m_failure;
}

FileLoad::Status FileLoad::fail(Failure failure)
{
    m_file.close();
    m_bytes.clear();
    m_failure = std::move(failure);
    return Status::Failed;
}

FileLoad::Status FileLoad::readAll(const StopSignal &stop)
{
    if (!m_file.isOpen())
        return fail(m_failure.value_or(FileFailure::fromFile(m_file)));
    try {
        m_bytes.resize(m_size);
    } catch (const std::bad_alloc &) {
        return fail(
            {FailureCode::FileTooLarge, QStringLiteral("Out of memory: %1 does not fit in memory.")
                                            .arg(QDir::toNativeSeparators(m_file.fileName()))});
    }
    EventPump pump;
    // Let the window show what its caller has just set before the first piece.
    pump.pump();
    for (qint64 done = 0;; pump.pumpIfDue()) {
        if (stop.isRaised()) {
            m_file.close();
            m_bytes.clear();
            return Status::Stopped;
        }
        if (done == m_size)
            break;
        const qint64 got = m_file.read(m_bytes.data() + done, qMin(pieceSize, m_size - done));
        if (got < 0)
            return fail(FileFailure::fromFile(m_file));
        if (got == 0)
            return fail({FailureCode::PathAccessError,
                         QStringLiteral("Path/File access error: %1 (the file became shorter "
                                        "while it was read)")
                             .arg(QDir::toNativeSeparators(m_file.fileName()))});
        done += got;
    }
    m_file.close();
    return Status::Read;
}
