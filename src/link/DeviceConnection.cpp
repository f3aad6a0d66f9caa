#include "link/DeviceConnection.h"

#include "common/FileFailure.h"
#include "link/PortDoctor.h"

#include <QDir>
#include <QFile>

#include <cerrno>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#else
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <linux/lp.h>
#include <sys/ioctl.h>
#endif

namespace
{

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
bool writable(int)
{
    return true;
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
bool writable(int fd)
{
    // A look, never a wait. An error or a hang-up ends the block too: the
    // next write or the close tells what became of it.
    pollfd device{fd, POLLOUT, 0};
    int ready;
    do {
        ready = ::poll(&device, 1, 0);
    } while (ready < 0 && errno == EINTR);
    return ready != 0;
}
#endif

} // namespace

DeviceConnection::DeviceConnection(QString path, QString name, QString textFailureText,
                                   QString textFailureTitle, const PortNames &names)
    : m_path(std::move(path)), m_name(std::move(name)),
      m_textFailureText(std::move(textFailureText)),
      m_textFailureTitle(std::move(textFailureTitle)), m_names(names)
{
}

DeviceConnection::~DeviceConnection()
{
    discard();
}

SendOutcome DeviceConnection::openNow()
{
    // Pieces joined as they are: each is translated on its own.
    const auto withHint = [this](const Wording &text) {
        return m_missingDeviceHint.isEmpty() ? text
                                             : Wording::of("%1 %2", {text, m_missingDeviceHint});
    };
    if (m_path.isEmpty())
        return m_missingDeviceText.isEmpty()
                   ? Failure{FailureCode::BadFileName,
                             Wording::of(QT_TRANSLATE_NOOP("Failure", "Bad file name or number"))}
                   : Failure{FailureCode::FileNotFound, withHint(m_missingDeviceText)};
    int fd;
    do {
        fd = openForWriting(QFile::encodeName(m_path));
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        Failure failure = FileFailure::fromErrno(errno, m_path);
        // Which ports there are instead, as a missing serial port says.
        if (failure.code == FailureCode::FileNotFound)
            failure.description = withHint(Wording::of(
                "%1 %2", {m_missingDeviceText.isEmpty() ? Wording::of("%1.", {failure.description})
                                                        : m_missingDeviceText,
                          PortDoctor::printerPortsAdvice(m_names)}));
        return failure;
    }
    m_fd = fd;
    m_inFlight = 0;
    return printerStatus();
}

SendOutcome DeviceConnection::printerStatus() const
{
#ifdef Q_OS_LINUX
    // Printer ports tell paper out, offline and error at once; a file or a
    // pipe standing in for one does not, and is written to as it is.
    int status = 0;
    if (::ioctl(m_fd, LPGETSTATUS, &status) != 0)
        return std::nullopt;
    const QString where = m_name + QStringLiteral(" (") + m_path + QLatin1Char(')');
    if (status & LP_POUTPA)
        return Failure{FailureCode::DeviceIoError,
                       Wording::of(QT_TRANSLATE_NOOP(
                                       "Failure", "%1 is out of paper: load labels and try again."),
                                   {where})};
    if (!(status & LP_PSELECD))
        return Failure{FailureCode::DeviceIoError,
                       Wording::of(QT_TRANSLATE_NOOP(
                                       "Failure", "%1 is offline: put the printer online and try "
                                                  "again."),
                                   {where})};
    if (!(status & LP_PERRORP))
        return Failure{
            FailureCode::DeviceIoError,
            Wording::of(QT_TRANSLATE_NOOP("Failure", "%1 reports an error: check the printer's "
                                                     "cover, labels and ribbon, then try again."),
                        {where})};
#endif
    return std::nullopt;
}

bool DeviceConnection::drained() const
{
    if (m_inFlight > 0 && writable(m_fd))
        m_inFlight = 0;
    return m_inFlight == 0;
}

Connection::Written DeviceConnection::write(QByteArrayView bytes)
{
    if (!drained())
        return qint64(0);
    for (;;) {
        const long long written = writeSome(m_fd, bytes.data(), bytes.size());
        if (written >= 0) {
            m_inFlight = written;
            return qint64(written);
        }
        if (errno == EINTR)
            continue;
        // The device takes nothing just now: a printer that is busy, off or
        // out of paper.
        if (errno == EAGAIN || errno == EWOULDBLOCK)
            return qint64(0);
        return FileFailure::fromErrno(errno, m_path);
    }
}

Failure DeviceConnection::stalled(int limitMs) const
{
    return {FailureCode::DeviceIoError,
            Wording::of(QT_TRANSLATE_NOOP("Failure",
                                          "Device I/O error: %1 accepted no data for %2 "
                                          "seconds. Check that the printer is on, online and has "
                                          "paper."),
                        {QDir::toNativeSeparators(m_path), QString::number(limitMs / 1000.0)})};
}

SendOutcome DeviceConnection::close()
{
    if (m_fd < 0)
        return std::nullopt;
    const int result = closeDevice(m_fd);
    m_fd = -1;
    m_inFlight = 0;
    if (result != 0 && errno != EINTR)
        return FileFailure::fromErrno(errno, m_path);
    return std::nullopt;
}

void DeviceConnection::discard()
{
    // What the device took is in its own hands; nothing waits here.
    close();
}
