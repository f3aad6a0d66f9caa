// Any file handed to the profile reader is decoded without reading outside
// it; a record that decodes encodes back to the same leading bytes.
#include "profile/ProfileRecord.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray file(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto decoded = ProfileCodec::decode(file);
    if (const auto *record = std::get_if<ProfileRecord>(&decoded)) {
        const auto encoded = ProfileCodec::encode(*record);
        const auto *bytes = std::get_if<QByteArray>(&encoded);
        if (!bytes || *bytes != file.left(bytes->size()))
            std::abort();
    }
    return 0;
}
