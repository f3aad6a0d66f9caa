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
        return {FailureCode::FileNotFound,
                Wording::of(QT_TRANSLATE_NOOP("Failure", "File not found: %1"), {where})};
    case EACCES:
    case EPERM:
    case EROFS:
        return {FailureCode::PermissionDenied,
                Wording::of(QT_TRANSLATE_NOOP("Failure", "Permission denied: %1"), {where})};
    case ENOSPC:
        return {FailureCode::DiskFull,
                Wording::of(QT_TRANSLATE_NOOP("Failure", "Disk full: %1"), {where})};
    case EIO:
    case EBUSY:
        return {FailureCode::DeviceIoError,
                Wording::of(QT_TRANSLATE_NOOP("Failure", "Device I/O error: %1 (%2)"),
                            {where, QString::fromLocal8Bit(std::strerror(error))})};
    case EISDIR:
    case ENAMETOOLONG:
        return {FailureCode::BadFileName,
                Wording::of(QT_TRANSLATE_NOOP("Failure", "Bad file name: %1"), {where})};
    default:
        return {FailureCode::PathAccessError,
                Wording::of(QT_TRANSLATE_NOOP("Failure", "Path/File access error: %1 (%2)"),
                            {where, QString::fromLocal8Bit(std::strerror(error))})};
    }
}

Failure fromFile(const QFileDevice &file, const QString &path)
{
    const QString name = path.isEmpty() ? file.fileName() : path;
    const QString where = QDir::toNativeSeparators(name);
    switch (file.error()) {
    case QFileDevice::OpenError:
        if (!name.isEmpty() && !QFileInfo::exists(name))
            return {FailureCode::FileNotFound,
                    Wording::of(QT_TRANSLATE_NOOP("Failure", "File not found: %1"), {where})};
        return {FailureCode::PermissionDenied,
                Wording::of(QT_TRANSLATE_NOOP("Failure", "Permission denied: %1 (%2)"),
                            {where, file.errorString()})};
    case QFileDevice::PermissionsError:
        return {FailureCode::PermissionDenied,
                Wording::of(QT_TRANSLATE_NOOP("Failure", "Permission denied: %1"), {where})};
    case QFileDevice::ResourceError:
        return {FailureCode::DiskFull,
                Wording::of(QT_TRANSLATE_NOOP("Failure", "Disk full or out of resources: %1 (%2)"),
                            {where, file.errorString()})};
    case QFileDevice::ReadError:
    case QFileDevice::WriteError:
        return {FailureCode::DeviceIoError,
                Wording::of(QT_TRANSLATE_NOOP("Failure", "Device I/O error: %1 (%2)"),
                            {where, file.errorString()})};
    default:
        return {FailureCode::PathAccessError,
                Wording::of(QT_TRANSLATE_NOOP("Failure", "Path/File access error: %1 (%2)"),
                            {where, file.errorString()})};
    }
}

} // namespace FileFailure
