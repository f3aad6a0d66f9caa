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

constexpr int maxWidth = 4000; // dots
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

// One bit a dot, colour 0 black and 1 white. Transparent parts count as
// white paper; the height follows the width, keeping the aspect.
QImage convert(const QImage &source, const Options &options);

// The bytes of a one-bit BMP file of `mono`, as convert() makes it.
QByteArray bmpBytes(const QImage &mono);

// A graphic the printer can take, as a picture to show; a null image when
// it cannot be drawn.
QImage picture(const QByteArray &bytes, GraphicCheck::Type type);

} // namespace GraphicConvert
