#include "cli/DryRun.h"

#include "common/TerminalText.h"

namespace DryRun
{

QByteArray hexDump(const QByteArray &bytes)
{
    QByteArray text;
    for (qsizetype offset = 0; offset < bytes.size(); offset += 16) {
        const QByteArray line = bytes.mid(offset, 16);
        text += QByteArray::number(offset, 16).rightJustified(8, '0') + "  ";
        for (int i = 0; i < 16; ++i) {
            text += i < line.size() ? QByteArray::number(uchar(line[i]), 16).rightJustified(2, '0')
                                    : QByteArray("  ");
            text += i == 7 ? "  " : " ";
        }
        text += " |";
        for (const char byte : line)
            text += (byte >= 0x20 && byte < 0x7f) ? byte : '.';
        text += "|\n";
    }
    return text;
}

QList<QByteArray> convertedImages(const Plan &plan)
{
    QList<QByteArray> images;
    if (!plan.dryRun || plan.hex ||
        !plan.output.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive))
        return images;
    for (const Action &action : plan.actions) {
        if (action.converted)
            images << action.parts[1].bytes;
    }
    return images;
}

QByteArray render(const Plan &plan)
{
    if (const QList<QByteArray> images = convertedImages(plan); images.size() == 1)
        return images.first();
    // Without a target the bytes are those any printer would get.
    QStringList targets;
    for (const Target &target : plan.targets)
        targets << target.written;
    if (targets.isEmpty())
        targets << QString();
    QByteArray text;
    for (const QString &target : std::as_const(targets)) {
        for (const Action &action : plan.actions) {
            for (int part = 0; part < action.parts.size(); ++part) {
                const QByteArray bytes = action.parts[part].bytes;
                if (!plan.hex) {
                    text += bytes;
                    continue;
                }
                // A file name or target is one line of the dump, whatever
                // it holds.
                text += QStringLiteral("# %1%2, transmission %3 of %4, %5 bytes\n")
                            .arg(target.isEmpty()
                                     ? QString()
                                     : TerminalText::escaped(target) + QStringLiteral(": "),
                                 TerminalText::escaped(action.label))
                            .arg(part + 1)
                            .arg(action.parts.size())
                            .arg(bytes.size())
                            .toUtf8();
                text += hexDump(bytes);
            }
        }
    }
    return text;
}

} // namespace DryRun
