// Any text typed into the serial settings is either refused or read into
// settings that write back as the same text.
#include "link/SerialSettings.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<SerialSettings> settings = SerialSettings::parse(text);
    if (settings && SerialSettings::parse(settings->toText())->toText() != settings->toText())
        std::abort();
    return 0;
}
