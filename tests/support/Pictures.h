#pragma once

#include <QByteArray>
#include <QImage>

// Graphic files written byte by byte as their formats lay them out, so that
// each header field can be made wrong on its own.
namespace Pictures
{

// A Windows bitmap with a 40-byte header: a palette for 8 bits or fewer,
// rows padded to 4 bytes, bottom up; dot (x, y) is dark when (x + y) % 3 == 0.
QByteArray bmp(int width, int height, int bits = 1);

// A PCX of `planes` planes of `bits` bits, run-length encoded; lines as bmp().
QByteArray pcx(int width, int height, int bits = 1, int planes = 1);

// Writes `value` little-endian into `size` bytes at `at`.
void put(QByteArray &bytes, int at, int size, qint64 value);

// `image` in Qt's PNG format.
QByteArray png(const QImage &image);

} // namespace Pictures
