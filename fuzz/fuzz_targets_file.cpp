// Any targets file is read into printers and refusals without a crash, each
// printer once: no two kept targets share an identity, and each reads back
// from its own text as the same kind of printer.
#include "cli/TargetList.h"

#include <QSet>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TargetList list;
    list.addFile(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)),
                 QStringLiteral("targets.txt"));
    QSet<QString> identities;
    for (const Target &target : std::as_const(list.targets)) {
        if (identities.contains(target.identity))
            std::abort();
        identities.insert(target.identity);
        const std::variant<Target, QString> again = Target::parse(target.written);
        if (!std::holds_alternative<Target>(again) ||
            std::get<Target>(again).address.kind() != target.address.kind())
            std::abort();
    }
    return 0;
}
