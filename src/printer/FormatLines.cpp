#include "printer/FormatLines.h"

#include <cstring>

namespace FormatLines
{

void toPrinterText(QByteArray &bytes)
{
    const qsizetype size = bytes.size();
    if (size == 0)
        return;
    const char *begin = bytes.constData();
    const char *end = begin + size;
    // A lone CR gains an LF; a last line without its end gains CR LF.
    qsizetype added = 0;
    for (auto *cr = static_cast<const char *>(std::memchr(begin, '\r', size)); cr;
         cr = static_cast<const char *>(std::memchr(cr + 1, '\r', end - cr - 1))) {
        if (cr + 1 == end || cr[1] != '\n')
            ++added;
    }
    const bool lastEnded = end[-1] == '\r' || (size > 1 && end[-1] == '\n' && end[-2] == '\r');
    if (!lastEnded)
        added += 2;
    if (added == 0)
        return;

    // Exactly the room needed, where the allocator can grow the buffer
    // without a copy.
    bytes.reserve(size + added);
    bytes.resize(size + added);
    char *data = bytes.data();
    qsizetype from = size, to = size + added; // one past the next byte to read and to write
    if (!lastEnded) {
        data[--to] = '\n';
        data[--to] = '\r';
    }
    // From the back, so that no byte is overwritten before it has moved; the
    // bytes before the first lone CR stay where they are.
    while (to > from) {
        const char byte = data[--from];
        if (byte == '\n' && from > 0 && data[from - 1] == '\r') {
            --from;
        } else if (byte != '\r') {
            data[--to] = byte;
            continue;
        }
        // A line end, CR LF already or a lone CR (one before an LF left with it).
        data[--to] = '\n';
        data[--to] = '\r';
    }
}

} // namespace FormatLines
