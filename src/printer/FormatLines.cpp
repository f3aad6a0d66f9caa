#include "printer/FormatLines.h"

#include "printer/CommandLines.h"

namespace FormatLines
{

QStringList split(const QString &fileText)
{
    QStringList lines;
    const qsizetype size = fileText.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (fileText[i] != QLatin1Char('\r'))
            continue;
        lines << fileText.mid(start, i - start);
        if (i + 1 < size && fileText[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines << fileText.mid(start);
    return lines;
}

QString withCrLf(const QStringList &lines)
{
    return CommandLines::terminated(lines);
}

} // namespace FormatLines
