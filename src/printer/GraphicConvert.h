#pragma once

#include "printer/GraphicCheck.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <variant>

// Makes a picture of any kind Qt reads (PNG, JPEG, GIF, BMP of any depth)
// into the one-bit BMP the printer stores, the same way for the window and
// the command line, so that the same options give the same bytes.
namespace GraphicConvert
{

// What a conversion may make. Wider than any print head or longer than any
// label is a mistake in the options, and refused before the dots take memory.
constexpr int maxWidth = 4000;   // dots
constexpr int maxHeight = 16000; // dots, 2 m at the printer's resolution
constexpr qint64 maxBmpBytes = 2 << 20;
constexpr int minThreshold = 1;
constexpr int maxThreshold = 255;
constexpr int defaultThreshold = 128;

struct Options {
    int width = 0; // dots; 0 keeps the picture's own width
    bool dither = false;
    // Without dithering, a dot is black when its grey is below this.
    int threshold = defaultThreshold;
    bool invert = false;
};

// The picture in `bytes`, or why it cannot be read, naming it `fileName`.
std::variant<QImage, QString> load(const QByteArray &bytes, const QString &fileName);

// The size in dots that convert() makes of a picture of `source` dots, or
// why it would be refused, naming the picture `fileName`.
std::variant<QSize, QString> resultSize(QSize source, const Options &options,
                                        const QString &fileName);

struct Converted {
    QImage mono;    // one bit a dot, colour 0 black and 1 white
    QByteArray bmp; // its one-bit BMP file, as the printer takes it
};

// The picture as the printer will store it, or why not: a null picture, or
// a result beyond the bounds above, is refused before any memory is taken
// for it, and the BMP made passes the same check as a file read. Transparent
// parts count as white paper; the height follows the width, keeping the aspect.
std::variant<Converted, QString> convert(const QImage &source, const Options &options,
                                         const QString &fileName);

// The bytes of a one-bit BMP file of `mono`, as convert() makes it.
QByteArray bmpBytes(const QImage &mono);

// Pictures larger than this on either side are shown with every n-th dot
// of every n-th line only: a preview shows far fewer dots than that, and
// a file can claim 65535 × 65535 in a few megabytes.
constexpr int previewSide = 2048;

// A graphic the printer can take, as a picture to show, at most previewSide
// on either side; a null image when it cannot be drawn.
QImage picture(const QByteArray &bytes, GraphicCheck::Type type);

} // namespace GraphicConvert
