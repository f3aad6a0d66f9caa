#pragma once

#include "cli/Arguments.h"

#include <QByteArray>

// What a run would send, printer by printer, without opening any port:
// the bytes themselves, or a hex dump with a heading per transmission.
namespace DryRun
{

QByteArray render(const Plan &plan);

// The graphics made by --convert when the dry run writes to a file named
// *.bmp: that file is then the converted image alone, to look at before it
// is stored. Empty otherwise.
QList<QByteArray> convertedImages(const Plan &plan);

// "00000000  21 20 30 0d 0a ...  |! 0..|", 16 bytes a line.
QByteArray hexDump(const QByteArray &bytes);

} // namespace DryRun
