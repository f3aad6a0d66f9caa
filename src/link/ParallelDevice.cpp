#include "link/ParallelDevice.h"

#include "common/EventPump.h"
#include "common/FileFailure.h"
#include "common/StopSignal.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <algorithm>
#include <cerrno>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace
{

constexpr qint64 blockSize = 64 * 1024;
constexpr int longestPauseMs = 20;

// Sleeps in the event loop: the window stays alive and the core idle.
void pauseInEventLoop(int ms, const StopSignal *stop)
{
    QEventLoop wait;
    QTimer::singleShot(ms, &wait, &QEventLoop::quit);
    if (stop)
        QObject::connect(stop, &StopSignal::raised, &wait, &QEventLoop::quit);
    wait.exec();
}

#ifdef Q_OS_WIN
int openForWriting(const QByteArray &path)
{
    return ::_open(path.constData(), _O_WRONLY | _O_APPEND | _O_BINARY);
}
long long writeSome(int fd, const char *data, qint64 size)
{
    return ::_write(fd, data, unsigned(size));
}
int closeDevice(int fd)
{
    return ::_close(fd);
}
#else
int openForWriting(const QByteArray &path)
{
    // Append, so that a plain file standing in for the port collects every
    // transmission; never create, so that no file appears in /dev.
    return ::open(path.constData(), O_WRONLY | O_APPEND | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
}
long long writeSome(int fd, const char *data, qint64 size)
{
    return ::write(fd, data, size_t(size));
}
int closeDevice(int fd)
{
    return ::close(fd);
}
#endif

} // namespace

ParallelDevice::ParallelDevice(QString path) : m_path(std::move(path)) {}

ParallelDevice::~ParallelDevice()
{
    close();
}

std::optional<Failure> ParallelDevice::open()
{
    if (m_path.isEmpty())
        return Failure{FailureCode::BadFileName, QStringLiteral("Bad file name or number")};
    int fd;
    do {
        fd = openForWriting(QFile::encodeName(m_path));
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return FileFailure::fromErrno(errno, m_path);
    m_fd = fd;
    return std::nullopt;
}

std::optional<Failure> ParallelDevice::write(const QByteArray &bytes, const StopSignal *stop,
                                             int stallLimitMs, EventPump *pump)
{
    const char *next = bytes.constData();
    qint64 left = bytes.size();
    QElapsedTimer sinceProgress;
    sinceProgress.start();
    int pauseMs = 1;
    while (left > 0) {
        if (stop && stop->isRaised())
            return Failures::stopped(FailureCode::DeviceIoError);
        const long long written = writeSome(m_fd, next, std::min(left, blockSize));
        if (written > 0) {
            next += written;
            left -= written;
            sinceProgress.restart();
            pauseMs = 1;
            if (pump)
                pump->pumpIfDue();
            continue;
        }
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0 && errno != EAGAIN && errno != EWOULDBLOCK)
            return FileFailure::fromErrno(errno, m_path);
        // The device takes nothing just now: a printer that is busy, off or
        // out of paper. Not every device can be polled, so wait and retry.
        if (sinceProgress.elapsed() >= stallLimitMs)
            return Failure{FailureCode::DeviceIoError,
                           QStringLiteral("Device I/O error: %1 accepted no data for %2 seconds. "
                                          "Check that the printer is on, online and has paper.")
                               .arg(QDir::toNativeSeparators(m_path))
                               .arg(stallLimitMs / 1000.0)};
        pauseInEventLoop(pauseMs, stop);
        pauseMs = std::min(pauseMs * 2, longestPauseMs);
    }
    return std::nullopt;
}

std::optional<Failure> ParallelDevice::close()
{
    if (m_fd < 0)
        return std::nullopt;
    const int result = closeDevice(m_fd);
    m_fd = -1;
    if (result != 0 && errno != EINTR)
        return FileFailure::fromErrno(errno, m_path);
    return std::nullopt;
}
