#pragma once

#include <QFile>

// Writes `bytes` in full to the file at `path`, made or replaced: whether
// it could.
inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
