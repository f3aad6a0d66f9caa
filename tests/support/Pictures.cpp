#include "support/Pictures.h"

#include <QBuffer>

namespace Pictures
{

namespace
{

// One line, `bits` a dot, the first dot in the highest bits.
QByteArray line(int width, int y, int bits, int padTo)
{
    QByteArray bytes((width * bits + 8 * padTo - 1) / (8 * padTo) * padTo, '\0');
    // A dark dot has every bit clear: in one-bit pictures the palette's
    // colour 1 is white.
    for (int bit = 0; bit < width * bits; ++bit)
        if ((bit / bits + y) % 3 != 0)
            bytes[bit / 8] = char(bytes[bit / 8] | 0x80 >> bit % 8);
    return bytes;
}

} // namespace

void put(QByteArray &bytes, int at, int size, qint64 value)
{
    for (int i = 0; i < size; ++i)
        bytes[at + i] = char(value >> (8 * i));
}

QByteArray bmp(int width, int height, int bits)
{
    const int colours = bits <= 8 ? 1 << bits : 0;
    QByteArray pixels;
    for (int y = height - 1; y >= 0; --y)
        pixels += line(width, y, bits, 4);
    QByteArray file(14 + 40 + 4 * colours, '\0');
    file.replace(0, 2, "BM");
    put(file, 10, 4, file.size());
    put(file, 14, 4, 40);
    put(file, 18, 4, width);
    put(file, 22, 4, height);
    put(file, 26, 2, 1);
    put(file, 28, 2, bits);
    put(file, 34, 4, pixels.size());
    for (int i = 0; i < colours; ++i)
        put(file, 54 + 4 * i, 3, 255 * i / (colours - 1) * 0x010101); // greys, black first
    file += pixels;
    put(file, 2, 4, file.size());
    return file;
}

QByteArray pcx(int width, int height, int bits, int planes)
{
    QByteArray file(128, '\0');
    file.replace(0, 3, "\x0A\x05\x01"); // the maker's mark, version 5, run-length coded
    file[3] = char(bits);
    put(file, 8, 2, width - 1);
    put(file, 10, 2, height - 1);
    file[65] = char(planes);
    put(file, 66, 2, (width * bits + 15) / 16 * 2);   // bytes a line
    for (int row = 0; row < height * planes; ++row) { // each plane of a line alike
        const QByteArray bytes = line(width, row / planes, bits, 2);
        // Runs of equal bytes, at most 63; a lone byte as itself unless it
        // would read as a run.
        for (int i = 0; i < bytes.size();) {
            int run = 1;
            while (i + run < bytes.size() && run < 63 && bytes[i + run] == bytes[i])
                ++run;
            if (run > 1 || (uchar(bytes[i]) & 0xC0) == 0xC0)
                file += char(0xC0 | run);
            file += bytes[i];
            i += run;
        }
    }
    return file;
}

QByteArray png(const QImage &image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return buffer.data();
}

} // namespace Pictures
