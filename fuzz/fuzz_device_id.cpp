// Any IEEE 1284 device ID a USB printer reports gives a maker and a model
// without a crash, each trimmed and within one field.
#include "link/PortDiscovery.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const PortDiscovery::UsbPrinterEntry entry = PortDiscovery::parseDeviceId(
        QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    for (const QString &value : {entry.maker, entry.model}) {
        if (value.contains(QLatin1Char(';')) || value != value.trimmed() ||
            value.size() > qsizetype(size))
            std::abort();
    }
    if (!entry.device.isEmpty())
        std::abort();
    return 0;
}
