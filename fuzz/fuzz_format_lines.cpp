// Any label format file splits into lines that hold no CR, and sending
// them with CR LF gives back the file with every line end made CR LF.
#include "printer/FormatLines.h"

#include <QStringList>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString file = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = FormatLines::split(file);
    for (const QString &line : lines) {
        if (line.contains(QLatin1Char('\r')))
            std::abort();
    }
    QString expected = file;
    expected.replace(QLatin1String("\r\n"), QLatin1String("\r"));
    expected.replace(QLatin1Char('\r'), QLatin1String("\r\n"));
    if (!expected.isEmpty() && !expected.endsWith(QLatin1String("\r\n")))
        expected += QLatin1String("\r\n");
    if (FormatLines::withCrLf(lines) != expected)
        std::abort();
    return 0;
}
