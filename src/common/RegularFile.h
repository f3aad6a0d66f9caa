#pragma once

#include "common/Failure.h"

#include <QIODevice>

#include <optional>

class QFile;

// What the program reads whole into memory must be a regular file: a pipe
// would keep open() waiting for a writer forever, and a device or a system
// file reports a size that is not what it yields.
namespace RegularFile
{

// The refusal of `path` when it names something other than a regular file.
Failure notRegular(const QString &path);

// Opens `file`, named but closed, for reading. Refuses anything that is not
// a regular file before it is opened, and opens without waiting, so that
// one swapped for a pipe meanwhile is refused as well rather than blocking.
// The file is opened from a descriptor and loses its name: name it in
// failures with FileFailure::fromFile(file, path).
std::optional<Failure> openForReading(QFile &file, QIODevice::OpenMode mode);

} // namespace RegularFile
