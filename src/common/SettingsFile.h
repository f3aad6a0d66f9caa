#pragma once

#include "common/Wording.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <memory>

class QSettings;

// The settings file, read only when it is a regular file of sane size and
// written only through SafeWrite. QSettings works on a private copy: left
// to itself it would wait forever in open() on a pipe, read a file of any
// size whole, and write through a symbolic link. A file that is refused is
// left as it is, now and on the way out.
class SettingsFile
{
public:
    static constexpr qint64 sizeLimit = 1024 * 1024;

    explicit SettingsFile(const QString &path);
    ~SettingsFile(); // saves what changed
    SettingsFile(const SettingsFile &) = delete;
    SettingsFile &operator=(const SettingsFile &) = delete;

    QSettings &store() { return *m_store; }
    // False when the file was there but was refused or could not be read.
    bool wasRead() const { return m_read; }
    // Whether changes reach the file.
    bool saves() const { return m_saves; }
    // What the user should be told: why the file was not read or will not
    // be written. Empty when all is well.
    const QList<Wording> &warnings() const { return m_warnings; }

    // Writes what changed to the file, when it may be written.
    void sync();

private:
    QString m_path;
    QTemporaryDir m_scratch;
    std::unique_ptr<QSettings> m_store;
    QByteArray m_written; // what the file holds, as far as this program knows
    bool m_read = true;
    bool m_saves = true;
    QList<Wording> m_warnings;
};
