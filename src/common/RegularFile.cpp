#include "common/RegularFile.h"

#include "common/FileFailure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <linux/magic.h>
#include <sys/vfs.h>
#endif

namespace RegularFile
{

namespace
{

#ifdef Q_OS_UNIX
// Regular in name only: the kernel's own files, whose size says nothing
// about what reading them yields.
bool isSystemFile(int fd)
{
#ifdef Q_OS_LINUX
    struct statfs filesystem {
    };
    return ::fstatfs(fd, &filesystem) == 0 &&
           (filesystem.f_type == PROC_SUPER_MAGIC || filesystem.f_type == SYSFS_MAGIC);
#else
    Q_UNUSED(fd);
    return false;
#endif
}
#endif

} // namespace

Failure notRegular(const QString &path)
{
    return {FailureCode::BadFileName,
            QDir::toNativeSeparators(path) +
                QStringLiteral(" is not a regular file: choose a file, not a device, pipe, "
                               "folder or system file.")};
}

std::optional<Failure> openForReading(QFile &file, QIODevice::OpenMode mode)
{
    const QString path = file.fileName();
    // A missing file is left to the open, which reports it in its own words.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return notRegular(path);
#ifdef Q_OS_UNIX
    int fd;
    do {
        fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return FileFailure::fromErrno(errno, path);
    struct stat status {
    };
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || isSystemFile(fd)) {
        ::close(fd);
        return notRegular(path);
    }
    if (!file.open(fd, mode | QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return FileFailure::fromFile(file, path);
    }
#else
    if (!file.open(mode | QIODevice::ReadOnly))
        return FileFailure::fromFile(file, path);
#endif
    return std::nullopt;
}

} // namespace RegularFile
