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

// The file's bytes (none when there is no file), or the warning that it is
// ignored and why.
std::variant<QByteArray, Wording> readSane(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return QByteArray();
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (RegularFile::openForReading(file, QIODevice::ReadOnly))
        return Wording::of(QT_TRANSLATE_NOOP("Failure",
                                             "ignoring the settings in %1, which cannot be read: "
                                             "it is not a regular file; starting values apply, "
                                             "and the file is left as it is"),
                           {shown});
    if (file.size() > SettingsFile::sizeLimit)
        return Wording::of(QT_TRANSLATE_NOOP("Failure",
                                             "ignoring the settings in %1, which cannot be read: "
                                             "it is larger than %2 KiB; starting values apply, "
                                             "and the file is left as it is"),
                           {shown, QString::number(SettingsFile::sizeLimit / 1024)});
    const QByteArray bytes = file.read(SettingsFile::sizeLimit + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > SettingsFile::sizeLimit)
        return Wording::of(QT_TRANSLATE_NOOP("Failure",
                                             "ignoring the settings in %1, which cannot be read; "
                                             "starting values apply, and the file is left as it "
                                             "is"),
                           {shown});
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
    const std::variant<QByteArray, Wording> read = readSane(path);
    if (const Wording *warning = std::get_if<Wording>(&read)) {
        m_read = false;
        m_saves = false;
        m_warnings << *warning;
    } else {
        m_written = std::get<QByteArray>(read);
        replace(copy, m_written);
    }
    m_store = std::make_unique<HeldSettings>(copy, QSettings::IniFormat);
    if (m_read && m_store->status() != QSettings::NoError) {
        m_read = false;
        const QString shown = QDir::toNativeSeparators(path);
        m_warnings << (m_store->status() == QSettings::AccessError
                           ? Wording::of(QT_TRANSLATE_NOOP("Failure",
                                                           "ignoring the settings in %1, which "
                                                           "cannot be read; starting values "
                                                           "apply, and the file is written afresh"),
                                         {shown})
                           : Wording::of(QT_TRANSLATE_NOOP("Failure",
                                                           "ignoring the settings in %1, which "
                                                           "cannot be understood; starting values "
                                                           "apply, and the file is written afresh"),
                                         {shown}));
        // What could be parsed of a damaged file is no more trustworthy than
        // the rest.
        m_store->clear();
    }
    if (!m_saves)
        return;
    const SafeWrite::Checked checked = SafeWrite::check(path, SafeWrite::Targets::FilesOnly);
    if (checked.refusal) {
        m_saves = false;
        m_warnings << Wording::of(
            QT_TRANSLATE_NOOP("Failure", "the settings will not be saved: %1"),
            {checked.refusal->description});
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
        const std::variant<QByteArray, Wording> read = readSane(m_path);
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
        qWarning(
            "varimonde-setup: %s",
            qPrintable(Wording::of(QT_TRANSLATE_NOOP("Failure", "the settings were not saved: %1"),
                                   {failure->description})
                           .shown()));
        return;
    }
    m_written = bytes;
}
