#pragma once

#include <QString>
#include <QStringList>

// How the printer reads its command texts: lines ended by CR LF.
namespace CommandLines
{

inline const QString lineEnd = QStringLiteral("\r\n");

// The first line of every configuration, calibration and graphic store
// block: a command block with no label to print.
inline const QString blockHeader = QStringLiteral("! 0 0 0 0");

// CR LF between lines and nothing after the last, so a block ends exactly
// at its final command.
inline QString join(const QStringList &lines)
{
    return lines.join(lineEnd);
}

// Every line followed by CR LF; nothing for no lines.
inline QString terminated(const QStringList &lines)
{
    return lines.isEmpty() ? QString() : join(lines) + lineEnd;
}

} // namespace CommandLines
