// Whatever names, models and serial numbers printers announce, the targets
// file written of them reads back as exactly the printers found, each once,
// with no control character anywhere but the line ends.
#include "cli/Discover.h"
#include "cli/TargetList.h"

#include <QSet>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const char *const addresses[] = {"127.0.0.5", "::1", "127.0.0.6", "fe80::1"};
    // Printers separated by 0xfe, their fields by 0xff: the first byte of a
    // printer picks its address and port, the rest are name, model, serial.
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<FoundPrinter> printers;
    QSet<QString> expected;
    for (const QByteArray &each : input.split('\xfe')) {
        if (each.isEmpty())
            continue;
        const QList<QByteArray> fields = each.mid(1).split('\xff');
        FoundPrinter printer;
        const uchar pick = uchar(each[0]);
        printer.address = QString::fromLatin1(addresses[pick % 4]);
        printer.port = (pick & 0x80) ? 0 : quint16(9100 + (pick >> 2 & 0x1f));
        printer.name = QString::fromUtf8(fields.value(0));
        printer.makeModel = QString::fromUtf8(fields.value(1));
        printer.serial = QString::fromUtf8(fields.value(2));
        if (printer.port)
            expected.insert(printer.target());
        printers << printer;
    }
    const QString text = Discover::targetsText(printers);
    for (const QChar c : text) {
        if ((c < QChar(' ') && c != QChar('\n')) || c == QChar(0x7f) || c == QChar(0x2028) ||
            c == QChar(0x2029) || c == QChar(0x85))
            std::abort();
    }
    if (text.count(QLatin1Char('\n')) != expected.size() + 1)
        std::abort();
    TargetList read;
    read.addFile(text.toUtf8(), QStringLiteral("found"));
    QSet<QString> seen;
    for (const Target &target : std::as_const(read.targets))
        seen.insert(target.written);
    if (seen != expected || !read.errors.isEmpty() || read.targets.size() != expected.size())
        std::abort();
    return 0;
}
