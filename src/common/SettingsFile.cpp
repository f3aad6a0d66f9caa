#include "common/SettingsFile.h"

#include "common/RegularFile.h"
#include "common/SafeWrite.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <variant>

namespace
{

// The file's bytes (none when there is no file), or why they are not read.
std::variant<QByteArray, QString> readSane(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return QByteArray();
    QFile file(path);
    if (RegularFile::openForReading(file, QIODevice::ReadOnly))
        return QStringLiteral("which cannot be read: it is not a regular file");
    if (file.size() > SettingsFile::sizeLimit)
        return QStringLiteral("which cannot be read: it is larger than %1 KiB")
            .arg(QString::number(SettingsFile::sizeLimit / 1024));
    const QByteArray bytes = file.read(SettingsFile::sizeLimit + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > SettingsFile::sizeLimit)
        return QStringLiteral("which cannot be read");
    return bytes;
}

// Changes are held in memory until sync(). Left to itself, QSettings writes
// its file, synced to disk, on the event loop's next turn after every change:
// tens of milliseconds of a stalled window each time, and a change written
// that early was lost when sync() refreshed the copy with another run's save.
class HeldSettings : public QSettings
{
public:
    using QSettings::QSettings;

protected:
    bool event(QEvent *event) override
    {
        return event->type() == QEvent::UpdateRequest || QSettings::event(event);
    }
};

bool replace(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

SettingsFile::SettingsFile(const QString &path) : m_path(path)
{
    const QString copy = m_scratch.filePath(QStringLiteral("settings.conf"));
    const QString shown = QDir::toNativeSeparators(path);
    const std::variant<QByteArray, QString> read = readSane(path);
    if (const QString *why = std::get_if<QString>(&read)) {
        m_read = false;
        m_saves = false;
        m_warnings << QStringLiteral("ignoring the settings in %1, %2; starting values apply, "
                                     "and the file is left as it is")
                          .arg(shown, *why);
    } else {
        m_written = std::get<QByteArray>(read);
        replace(copy, m_written);
    }
    m_store = std::make_unique<HeldSettings>(copy, QSettings::IniFormat);
    if (m_read && m_store->status() != QSettings::NoError) {
        m_read = false;
        m_warnings << QStringLiteral("ignoring the settings in %1, which cannot be %2; starting "
                                     "values apply, and the file is written afresh")
                          .arg(shown, m_store->status() == QSettings::AccessError
                                          ? QStringLiteral("read")
                                          : QStringLiteral("understood"));
        // What could be parsed of a damaged file is no more trustworthy than
        // the rest.
        m_store->clear();
    }
    if (!m_saves)
        return;
    const SafeWrite::Checked checked = SafeWrite::check(path, SafeWrite::Targets::FilesOnly);
    if (checked.refusal) {
        m_saves = false;
        m_warnings << QStringLiteral("the settings will not be saved: ") + checked.refusal->shown();
    }
}

SettingsFile::~SettingsFile()
{
    sync();
}

void SettingsFile::sync()
{
    // Another run of the program may have saved meanwhile: given the file
    // as it is now, QSettings merges only what changed here into it.
    if (m_saves) {
        const std::variant<QByteArray, QString> read = readSane(m_path);
        const QByteArray *current = std::get_if<QByteArray>(&read);
        if (current && *current != m_written && replace(m_store->fileName(), *current))
            m_written = *current;
    }
    m_store->sync();
    if (!m_saves)
        return;
    QFile scratch(m_store->fileName());
    if (!scratch.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = scratch.readAll();
    if (bytes == m_written)
        return;
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    if (const std::optional<Failure> failure =
            SafeWrite::write(m_path, bytes, SafeWrite::Targets::FilesOnly)) {
        qWarning("varimonde-setup: the settings were not saved: %s", qPrintable(failure->shown()));
        return;
    }
    m_written = bytes;
}
