#pragma once

#include "common/Failure.h"
#include "profile/ProfileRecord.h"

#include <QString>

#include <optional>
#include <variant>

// Writes a record at the start of a file without shortening it: bytes of a
// longer file after the record stay. A record too long for its slot fails
// before any file is created or opened; one that cannot be written leaves
// the file as it was (SafeWrite).
std::optional<Failure> writeProfile(const QString &path, const ProfileRecord &record);
std::variant<ProfileRecord, Failure> readProfile(const QString &path);
