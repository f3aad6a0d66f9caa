#pragma once

#include <QString>
#include <QStringList>

namespace CommandLines
{

// The lines of one command block as the printer reads them: CR LF between
// lines and nothing after the last, so the block ends exactly at its final
// command.
inline QString join(const QStringList &lines)
{
    return lines.join(QLatin1String("\r\n"));
}

} // namespace CommandLines
