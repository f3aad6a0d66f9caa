// Any label format file becomes, in place, the file with every line end
// made CR LF and a CR LF after a last line without one.
#include "printer/FormatLines.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray text(reinterpret_cast<const char *>(data), qsizetype(size));
    QByteArray expected = text;
    expected.replace("\r\n", "\r");
    expected.replace("\r", "\r\n");
    if (!expected.isEmpty() && !expected.endsWith("\r\n"))
        expected += "\r\n";
    FormatLines::toPrinterText(text);
    if (text != expected)
        std::abort();
    return 0;
}
