// Any filter text converts to Qt's form without failing, with one Qt filter
// per description and pattern pair.
#include "ui/CommonDialog.h"

#include <QStringList>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString filter = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString converted = CommonDialog::toQtFilter(filter);
    const qsizetype pairs = filter.split(QLatin1Char('|')).size() / 2;
    const qsizetype produced =
        converted.isEmpty() ? 0 : converted.split(QStringLiteral(";;")).size();
    if (produced != pairs)
        std::abort();
    return 0;
}
