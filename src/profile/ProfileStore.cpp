#include "profile/ProfileStore.h"

#include "common/FileFailure.h"
#include "common/RegularFile.h"

#include <QFile>

std::optional<Failure> writeProfile(const QString &path, const ProfileRecord &record)
{
    const std::variant<QByteArray, Failure> bytes = ProfileCodec::encode(record);
    if (const Failure *failure = std::get_if<Failure>(&bytes))
        return *failure;
    QFile file(path);
    // Read-write opens an existing file as it is. A missing one is created
    // for the record alone, and removed again when the record cannot be
    // written (a full disk), so that no empty profile is left behind.
    const bool created = file.open(QIODevice::ReadWrite | QIODevice::NewOnly);
    if (!created && !file.open(QIODevice::ReadWrite))
        return FileFailure::fromFile(file);
    const QByteArray &record_bytes = std::get<QByteArray>(bytes);
    const bool written = file.write(record_bytes) == record_bytes.size() && file.flush();
    if (written)
        file.close();
    if (!written || file.error() != QFileDevice::NoError) {
        const Failure failure = FileFailure::fromFile(file);
        // Closing tries the write again, fails again and keeps QFile::remove()
        // from working: the file is removed by its name.
        file.close();
        if (created)
            QFile::remove(path);
        return failure;
    }
    return std::nullopt;
}

std::variant<ProfileRecord, Failure> readProfile(const QString &path)
{
    QFile file(path);
    if (std::optional<Failure> failure = RegularFile::openForReading(file, QIODevice::ReadOnly))
        return *failure;
    const QByteArray slot = file.read(ProfileCodec::slotSize);
    if (file.error() != QFileDevice::NoError)
        return FileFailure::fromFile(file, path);
    return ProfileCodec::decode(slot);
}
