#pragma once

#include <QString>

// Text from files and file names, made safe to show on a terminal. A
// control character or an escape sequence in a targets file or a file name
// would otherwise move the cursor, recolour or retitle the terminal, and a
// bidirectional override would show a name other than the one read.
namespace TerminalText
{

// Every character a terminal acts on rather than shows, written out: C0
// controls and DEL as \x1b, C1 controls, bidirectional marks, embeddings,
// overrides and isolates, and line separators as \u202e.
QString escaped(const QString &text);

// The same for several lines: the line feeds between them stay.
QString escapedLines(const QString &text);

} // namespace TerminalText
