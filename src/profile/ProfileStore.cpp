#include "profile/ProfileStore.h"

#include "common/FileFailure.h"

#include <QFile>

std::optional<Failure> writeProfile(const QString &path, const ProfileRecord &record)
{
    const std::variant<QByteArray, Failure> bytes = ProfileCodec::encode(record);
    if (const Failure *failure = std::get_if<Failure>(&bytes))
        return *failure;
    QFile file(path);
    // Read-write opens an existing file as it is and creates a missing one.
    if (!file.open(QIODevice::ReadWrite))
        return FileFailure::fromFile(file);
    const QByteArray &record_bytes = std::get<QByteArray>(bytes);
    if (file.write(record_bytes) != record_bytes.size() || !file.flush())
        return FileFailure::fromFile(file);
    file.close();
    if (file.error() != QFileDevice::NoError)
        return FileFailure::fromFile(file);
    return std::nullopt;
}

std::variant<ProfileRecord, Failure> readProfile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileFailure::fromFile(file);
    const QByteArray slot = file.read(ProfileCodec::slotSize);
    if (file.error() != QFileDevice::NoError)
        return FileFailure::fromFile(file);
    return ProfileCodec::decode(slot);
}
