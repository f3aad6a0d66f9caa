#include "common/SafeWrite.h"

#include "common/FileFailure.h"
#include "common/ProcessSignals.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#include <cerrno>
#include <variant>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace SafeWrite
{

namespace
{

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

Failure refused(const QString &path, const Wording &why)
{
    return {
        FailureCode::BadFileName,
        Wording::of(QT_TRANSLATE_NOOP("Failure", "%1 was not written: %2"), {shown(path), why})};
}

Failure refused(const QString &path, const char *why)
{
    return refused(path, Wording::of(why));
}

#ifdef Q_OS_UNIX

// Standard output and error by the names a shell user gives them; they are
// the caller's own streams, whatever they lead to.
int standardStream(const QString &path)
{
    if (path == QLatin1String("/dev/stdout") || path == QLatin1String("/dev/fd/1"))
        return STDOUT_FILENO;
    if (path == QLatin1String("/dev/stderr") || path == QLatin1String("/dev/fd/2"))
        return STDERR_FILENO;
    return -1;
}

// A write to a stream waits for its reader, and stops on an interrupt that
// comes meanwhile: the errno it ends with then.
constexpr int interruptedError = EINTR;

bool interruptedSince(int heard)
{
    return Interrupts::count() > heard;
}

// 0, or the errno of the failed write. A stream opened without blocking is
// waited on while its reader is slow (a pipe whose reader does not read).
int writeAll(int fd, QByteArrayView bytes)
{
    const int heard = Interrupts::count();
    const char *data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            if (interruptedSince(heard))
                return interruptedError;
            if (errno == EINTR)
                continue;
            if (errno == EAGAIN) {
                // A signal ends the wait early.
                pollfd ready{fd, POLLOUT, 0};
                ::poll(&ready, 1, 200);
                continue;
            }
            return errno;
        }
        data += written;
        left -= written;
    }
    return 0;
}

std::optional<Failure> refusalOf(const QString &path, const struct stat &status, Targets targets,
                                 const Caller &caller)
{
    if (S_ISLNK(status.st_mode))
        return refused(path,
                       QT_TRANSLATE_NOOP("Failure", "it is a symbolic link, and nothing is written "
                                                    "through one; name the file itself."));
    if (S_ISDIR(status.st_mode))
        return refused(path, QT_TRANSLATE_NOOP("Failure", "it is a folder; name a file in it."));
    const bool stream = S_ISCHR(status.st_mode) || S_ISFIFO(status.st_mode);
    if (!S_ISREG(status.st_mode) && !(stream && targets == Targets::FilesOrStreams))
        return refused(
            path, targets == Targets::FilesOnly
                      ? QT_TRANSLATE_NOOP("Failure", "only a regular file is written here.")
                      : QT_TRANSLATE_NOOP("Failure", "it is neither a file, a character device "
                                                     "nor a pipe."));
    // A device everyone may write to (a terminal, the null device) is no
    // one's property.
    const bool everyones = stream && (status.st_mode & S_IWOTH);
    if (caller.root && status.st_uid != caller.realUser && !everyones)
        return refused(
            path, Wording::of(QT_TRANSLATE_NOOP("Failure", "it belongs to user %1, not to user "
                                                           "%2 for whom the program runs as "
                                                           "root."),
                              {QString::number(status.st_uid), QString::number(caller.realUser)}));
    return std::nullopt;
}

Failure notRead(const QString &path, int readerWaitMs)
{
    return {FailureCode::DeviceIoError,
            Wording::of(QT_TRANSLATE_NOOP("Failure", "%1 was not written: nothing opened the pipe "
                                                     "to read it within %2 s."),
                        {shown(path), QString::number(readerWaitMs / 1000.0)})};
}

Failure interrupted(const QString &path)
{
    return {FailureCode::Cancelled,
            Wording::of(QT_TRANSLATE_NOOP("Failure", "%1 was not written: interrupted."),
                        {shown(path)})};
}

// Opens a device or pipe to write into. Opening a pipe for writing waits for
// a reader, for ever: here for `readerWaitMs` at most, and no longer than
// until an interrupt.
std::variant<int, Failure> openStream(const QString &path, bool pipe, int readerWaitMs)
{
    const QByteArray name = QFile::encodeName(path);
    const int heard = Interrupts::count();
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const int fd =
            ::open(name.constData(), O_WRONLY | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
        if (fd >= 0)
            return fd;
        const int error = errno;
        if (interruptedSince(heard))
            return interrupted(path);
        if (error == EINTR)
            continue;
        // No reader yet.
        if (error != ENXIO || !pipe)
            return FileFailure::fromErrno(error, path);
        if (waited.elapsed() >= readerWaitMs)
            return notRead(path, readerWaitMs);
        // A signal ends the sleep early.
        ::poll(nullptr, 0, 20);
    }
}

std::optional<Failure> writeStream(const QString &path, QByteArrayView bytes, Targets targets,
                                   const Caller &caller, bool pipe, int readerWaitMs)
{
    const std::variant<int, Failure> opened = openStream(path, pipe, readerWaitMs);
    if (const Failure *failure = std::get_if<Failure>(&opened))
        return *failure;
    const int fd = std::get<int>(opened);
    // What was opened is checked again: the name may have been swapped.
    struct stat status {
    };
    std::optional<Failure> failure;
    if (::fstat(fd, &status) != 0)
        failure = FileFailure::fromErrno(errno, path);
    else if (S_ISREG(status.st_mode))
        failure =
            refused(path, QT_TRANSLATE_NOOP("Failure", "it changed while it was being written."));
    else
        failure = refusalOf(path, status, targets, caller);
    if (!failure) {
        if (const int error = writeAll(fd, bytes))
            failure =
                error == interruptedError ? interrupted(path) : FileFailure::fromErrno(error, path);
    }
    ::close(fd);
    return failure;
}

// A new file beside the old one, filled, then renamed over it: rename()
// replaces the name itself and never follows a link put there meanwhile.
std::optional<Failure> replaceFile(const QString &path, QByteArrayView bytes, Kind kind,
                                   const struct stat &old, const Caller &caller)
{
    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    QString temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = folder + QStringLiteral("/.") + info.fileName() + QLatin1Char('.') +
                    QString::number(QRandomGenerator::global()->generate(), 36);
        fd = ::open(QFile::encodeName(temporary).constData(),
                    O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST && errno != EINTR)
            break;
    }
    if (fd < 0)
        return FileFailure::fromErrno(errno, path);
    int error = 0;
    if (kind == Kind::ReplaceFile)
        ::fchmod(fd, old.st_mode & 07777);
    // Root writes the file for the user it acts for, who may write it next time.
    if (caller.root && ::geteuid() == 0) {
        const bool replaced = kind == Kind::ReplaceFile;
        if (::fchown(fd, caller.realUser, replaced ? old.st_gid : caller.realGroup) != 0)
            error = errno;
    }
    if (!error)
        error = writeAll(fd, bytes);
    if (!error && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    if (!error && ::rename(QFile::encodeName(temporary).constData(),
                           QFile::encodeName(path).constData()) != 0)
        error = errno;
    if (error) {
        ::unlink(QFile::encodeName(temporary).constData());
        return FileFailure::fromErrno(error, path);
    }
    return std::nullopt;
}

#endif

} // namespace

Caller Caller::current()
{
    Caller caller;
#ifdef Q_OS_UNIX
    caller.root = ::getuid() == 0;
    if (caller.root) {
        bool userOk = false, groupOk = false;
        const uint user = qEnvironmentVariable("SUDO_UID").toUInt(&userOk);
        const uint group = qEnvironmentVariable("SUDO_GID").toUInt(&groupOk);
        caller.realUser = userOk ? user : 0;
        caller.realGroup = userOk && groupOk ? group : 0;
    }
#endif
    return caller;
}

Checked check(const QString &path, Targets targets, const Caller &caller)
{
    if (path.isEmpty())
        return {std::nullopt,
                refused(path, QT_TRANSLATE_NOOP("Failure", "no file name was given."))};
#ifdef Q_OS_UNIX
    if (standardStream(path) >= 0)
        return {
            targets == Targets::FilesOrStreams ? std::optional<Kind>(Kind::Stream) : std::nullopt,
            targets == Targets::FilesOrStreams
                ? std::nullopt
                : std::optional<Failure>(refused(
                      path, QT_TRANSLATE_NOOP("Failure", "only a regular file is written here.")))};
    struct stat status {
    };
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0) {
        if (errno == ENOENT)
            return {Kind::NewFile, std::nullopt};
        return {std::nullopt, FileFailure::fromErrno(errno, path)};
    }
    if (std::optional<Failure> refusal = refusalOf(path, status, targets, caller))
        return {std::nullopt, refusal};
    return {S_ISREG(status.st_mode) ? Kind::ReplaceFile : Kind::Stream, std::nullopt};
#else
    Q_UNUSED(caller);
    const QFileInfo info(path);
    if (info.isSymLink() || info.isDir() || (info.exists() && !info.isFile()))
        return {std::nullopt,
                refused(path, QT_TRANSLATE_NOOP("Failure", "only a regular file is written."))};
    Q_UNUSED(targets);
    return {info.exists() ? Kind::ReplaceFile : Kind::NewFile, std::nullopt};
#endif
}

std::optional<Failure> write(const QString &path, QByteArrayView bytes, Targets targets,
                             const Caller &caller, int readerWaitMs)
{
    const Checked checked = check(path, targets, caller);
    if (checked.refusal)
        return checked.refusal;
#ifdef Q_OS_UNIX
    if (const int fd = standardStream(path); fd >= 0) {
        if (const int error = writeAll(fd, bytes))
            return FileFailure::fromErrno(error, path);
        return std::nullopt;
    }
    struct stat old {
    };
    if (*checked.kind == Kind::Stream) {
        const bool pipe =
            ::lstat(QFile::encodeName(path).constData(), &old) == 0 && S_ISFIFO(old.st_mode);
        return writeStream(path, bytes, targets, caller, pipe, readerWaitMs);
    }
    if (*checked.kind == Kind::ReplaceFile &&
        ::lstat(QFile::encodeName(path).constData(), &old) != 0)
        return FileFailure::fromErrno(errno, path);
    if (*checked.kind == Kind::ReplaceFile) {
        if (std::optional<Failure> refusal = refusalOf(path, old, targets, caller))
            return refusal;
    }
    return replaceFile(path, bytes, *checked.kind, old, caller);
#else
    Q_UNUSED(readerWaitMs);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), bytes.size()) != bytes.size() || !file.commit())
        return FileFailure::fromFile(file, path);
    return std::nullopt;
#endif
}

} // namespace SafeWrite
