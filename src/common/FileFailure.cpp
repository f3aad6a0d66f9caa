#include "common/FileFailure.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace FileFailure
{

Failure fromErrno(int error, const QString &path)
{
    const QString where = QDir::toNativeSeparators(path);
    switch (error) {
    case ENOENT:
    case ENXIO:
    case ENODEV:
        return {FailureCode::FileNotFound, QStringLiteral("File not found: %1").arg(where)};
    case EACCES:
    case EPERM:
    case EROFS:
        return {FailureCode::PermissionDenied, QStringLiteral("Permission denied: %1").arg(where)};
    case ENOSPC:
        return {FailureCode::DiskFull, QStringLiteral("Disk full: %1").arg(where)};
    case EIO:
    case EBUSY:
        return {FailureCode::DeviceIoError,
                QStringLiteral("Device I/O error: %1 (%2)")
                    .arg(where, QString::fromLocal8Bit(std::strerror(error)))};
    case EISDIR:
    case ENAMETOOLONG:
        return {FailureCode::BadFileName, QStringLiteral("Bad file name: %1").arg(where)};
    default:
        return {FailureCode::PathAccessError,
                QStringLiteral("Path/File access error: %1 (%2)")
                    .arg(where, QString::fromLocal8Bit(std::strerror(error)))};
    }
}

Failure fromFile(const QFileDevice &file, const QString &path)
{
    const QString name = path.isEmpty() ? file.fileName() : path;
    const QString where = QDir::toNativeSeparators(name);
    switch (file.error()) {
    case QFileDevice::OpenError:
        if (!name.isEmpty() && !QFileInfo::exists(name))
            return {FailureCode::FileNotFound, QStringLiteral("File not found: %1").arg(where)};
        return {FailureCode::PermissionDenied,
                QStringLiteral("Permission denied: %1 (%2)").arg(where, file.errorString())};
    case QFileDevice::PermissionsError:
        return {FailureCode::PermissionDenied, QStringLiteral("Permission denied: %1").arg(where)};
    case QFileDevice::ResourceError:
        return {FailureCode::DiskFull, QStringLiteral("Disk full or out of resources: %1 (%2)")
                                           .arg(where, file.errorString())};
    case QFileDevice::ReadError:
    case QFileDevice::WriteError:
        return {FailureCode::DeviceIoError,
                QStringLiteral("Device I/O error: %1 (%2)").arg(where, file.errorString())};
    default:
        return {FailureCode::PathAccessError,
                QStringLiteral("Path/File access error: %1 (%2)").arg(where, file.errorString())};
    }
}

} // namespace FileFailure
