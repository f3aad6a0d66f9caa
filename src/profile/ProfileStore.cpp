#include "profile/ProfileStore.h"

#include "common/FileFailure.h"
#include "common/RegularFile.h"
#include "common/SafeWrite.h"

#include <QFile>

std::optional<Failure> writeProfile(const QString &path, const ProfileRecord &record)
{
    const std::variant<QByteArray, Failure> encoded = ProfileCodec::encode(record);
    if (const Failure *failure = std::get_if<Failure>(&encoded))
        return *failure;
    QByteArray bytes = std::get<QByteArray>(encoded);
    const SafeWrite::Checked checked = SafeWrite::check(path);
    if (checked.refusal)
        return checked.refusal;
    // The file is written whole with what followed the record in it.
    if (checked.kind == SafeWrite::Kind::ReplaceFile) {
        QFile old(path);
        if (std::optional<Failure> failure = RegularFile::openForReading(old, QIODevice::ReadOnly))
            return failure;
        if (old.size() > bytes.size()) {
            old.seek(bytes.size());
            bytes += old.readAll();
        }
        if (old.error() != QFileDevice::NoError)
            return FileFailure::fromFile(old, path);
    }
    return SafeWrite::write(path, bytes);
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
