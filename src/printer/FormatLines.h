#pragma once

#include <QByteArray>

// A label format file is passed on line by line. A line ends at CR LF or at
// a lone CR; a lone LF is part of its line; a last line without an end
// still counts. Every line goes to the printer followed by CR LF.
namespace FormatLines
{

// Makes the bytes of a format file, in their own buffer, into the text the
// printer gets: each line followed by CR LF, so the text ends with CR LF
// unless it is empty. Working in place keeps a large file to little more
// memory than that text. Throws std::bad_alloc, the bytes unchanged, when
// there is no room for the longer text.
void toPrinterText(QByteArray &bytes);

// Room to keep after a format file's bytes, so that toPrinterText() can
// work within it: enough when its lines average 16 bytes or more.
constexpr qsizetype roomToGrow(qsizetype size)
{
    return size / 16 + 2;
}

} // namespace FormatLines
