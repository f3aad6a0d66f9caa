#pragma once

#include "common/Failure.h"

class QFileDevice;

// Failures of files and devices, as the user reads them.
namespace FileFailure
{

// From an errno value of a failed open, read or write on `path`.
Failure fromErrno(int error, const QString &path);

// From the last error of a QFile or QSaveFile, named by `path` when given:
// a file opened from a descriptor has no name of its own.
Failure fromFile(const QFileDevice &file, const QString &path = QString());

} // namespace FileFailure
