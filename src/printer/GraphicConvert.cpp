#include "printer/GraphicConvert.h"

#include <QBuffer>
#include <QImageReader>
#include <QLocale>

#include <algorithm>
#include <vector>

namespace GraphicConvert
{

namespace
{

constexpr QRgb black = 0xff000000;
constexpr QRgb white = 0xffffffff;
// File header, bitmap header and the two colours of the palette.
constexpr int bmpDataStart = 14 + 40 + 2 * 4;

qint64 bmpSize(qint64 width, qint64 height)
{
    return bmpDataStart + (width + 31) / 32 * 4 * height;
}

QString number(qint64 value)
{
    return QLocale(QLocale::English).toString(value);
}

QImage monoImage(int width, int height)
{
    QImage image(width, height, QImage::Format_Mono);
    image.setColorTable({black, white});
    image.fill(1);
    // The printer's own resolution, so that other programs show it at size.
    const int dotsPerMeter = qRound(GraphicCheck::dotsPerInch / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    return image;
}

// Greys 0 (black) to 255 (white) of the picture laid on white paper; a
// premultiplied grey never exceeds its alpha, so each fits a byte.
std::vector<uchar> greys(const QImage &image)
{
    std::vector<uchar> values(size_t(image.width()) * size_t(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            values[size_t(y) * size_t(image.width()) + size_t(x)] =
                uchar(qGray(line[x]) + 255 - qAlpha(line[x]));
    }
    return values;
}

// Floyd and Steinberg's error diffusion: what a dot's black or white misses
// of its grey is passed on to the dots right of it and below, in sixteenths.
std::vector<bool> diffuse(const std::vector<uchar> &grey, int width, int height, int threshold)
{
    std::vector<bool> dark(grey.size());
    std::vector<int> here(size_t(width) + 2), below(size_t(width) + 2);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int value =
                grey[size_t(y) * size_t(width) + size_t(x)] + here[size_t(x) + 1] / 16;
            const bool isDark = value < threshold;
            dark[size_t(y) * size_t(width) + size_t(x)] = isDark;
            const int error = value - (isDark ? 0 : 255);
            here[size_t(x) + 2] += error * 7;
            below[size_t(x)] += error * 3;
            below[size_t(x) + 1] += error * 5;
            below[size_t(x) + 2] += error;
        }
        here.swap(below);
        std::fill(below.begin(), below.end(), 0);
    }
    return dark;
}

} // namespace

std::variant<QImage, QString> load(const QByteArray &bytes, const QString &fileName)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    // A rotated photograph is converted as it is seen.
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull())
        return QStringLiteral("%1 cannot be read as a picture: %2.")
            .arg(fileName, reader.errorString());
    return image;
}

std::variant<QSize, QString> resultSize(QSize source, const Options &options,
                                        const QString &fileName)
{
    if (source.isEmpty())
        return QStringLiteral("%1 has no dots to convert.").arg(fileName);
    qint64 width = source.width();
    qint64 height = source.height();
    if (options.width > 0 && options.width != width) {
        // In floating point: a thin picture made wide would overflow an int.
        height = qMax<qint64>(1, qRound64(double(options.width) * double(height) / double(width)));
        width = options.width;
    }
    if (width > maxWidth || height > maxHeight || bmpSize(width, height) > maxBmpBytes)
        return QStringLiteral("%1 would convert to %2 × %3 dots: the printer stores graphics of "
                              "at most %4 × %5 dots and %6 bytes.")
            .arg(fileName, number(width), number(height), number(maxWidth), number(maxHeight),
                 number(maxBmpBytes));
    return QSize(int(width), int(height));
}

std::variant<Converted, QString> convert(const QImage &source, const Options &options,
                                         const QString &fileName)
{
    const std::variant<QSize, QString> size = resultSize(source.size(), options, fileName);
    if (const QString *why = std::get_if<QString>(&size))
        return *why;
    const QSize dots = std::get<QSize>(size);
    QImage image = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (dots != image.size())
        image = image.scaled(dots, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage mono = monoImage(dots.width(), dots.height());
    // Qt gives a null image where it found no memory.
    if (image.isNull() || mono.isNull())
        return QStringLiteral("There is not enough memory to convert %1.").arg(fileName);
    const int width = dots.width();
    const int height = dots.height();
    const std::vector<uchar> grey = greys(image);
    image = QImage();
    std::vector<bool> dark;
    if (options.dither) {
        dark = diffuse(grey, width, height, options.threshold);
    } else {
        dark.resize(grey.size());
        for (size_t i = 0; i < grey.size(); ++i)
            dark[i] = grey[i] < options.threshold;
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (dark[size_t(y) * size_t(width) + size_t(x)] != options.invert)
                mono.setPixel(x, y, 0);
        }
    }
    Converted converted{mono, bmpBytes(mono)};
    // What is stored passes the check a file read passes.
    const auto checked = GraphicCheck::check(converted.bmp, GraphicCheck::Type::Bmp, fileName);
    if (const QString *why = std::get_if<QString>(&checked))
        return *why;
    return converted;
}

// Written here rather than by Qt's BMP writer, which leaves the padding at
// the end of each line uninitialised: the same picture must give the same
// bytes every time.
QByteArray bmpBytes(const QImage &mono)
{
    const int width = mono.width();
    const int height = mono.height();
    const int lineBytes = (width + 31) / 32 * 4;
    QByteArray file(bmpDataStart, '\0');
    const auto put = [&file](int at, int size, qint64 value) {
        for (int i = 0; i < size; ++i)
            file[at + i] = char(value >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put(2, 4, bmpSize(width, height));
    put(10, 4, bmpDataStart);
    put(14, 4, 40); // header size
    put(18, 4, width);
    put(22, 4, height); // bottom line first
    put(26, 2, 1);      // planes
    put(28, 2, 1);      // bits a dot
    put(34, 4, qint64(lineBytes) * height);
    put(38, 4, mono.dotsPerMeterX());
    put(42, 4, mono.dotsPerMeterY());
    put(46, 4, 2); // colours: black, then white
    put(58, 3, 0xffffff);
    file.reserve(bmpSize(width, height));
    for (int y = height - 1; y >= 0; --y) {
        QByteArray line(lineBytes, '\0');
        for (int x = 0; x < width; ++x) {
            if (qGray(mono.pixel(x, y)) >= 128)
                line[x / 8] = char(line[x / 8] | 0x80 >> (x % 8));
        }
        file += line;
    }
    return file;
}

QImage picture(const QByteArray &bytes, GraphicCheck::Type type)
{
    if (type == GraphicCheck::Type::Bmp) {
        const QImage image = QImage::fromData(bytes, "BMP");
        if (image.width() <= previewSide && image.height() <= previewSide)
            return image;
        return image.scaled(previewSide, previewSide, Qt::KeepAspectRatio, Qt::FastTransformation);
    }
    const auto checked = GraphicCheck::check(bytes, type, QString());
    if (!std::holds_alternative<GraphicCheck::Dots>(checked))
        return QImage();
    const GraphicCheck::Dots size = std::get<GraphicCheck::Dots>(checked);
    // Every step-th dot of every step-th line: runs of lines not shown are
    // only counted, so a large picture costs its file's length, not its dots.
    const int step = qMax(1, (qMax(size.width, size.height) + previewSide - 1) / previewSide);
    QImage image = monoImage((size.width + step - 1) / step, (size.height + step - 1) / step);
    // A one-bit PCX line is the dots left to right, a set bit white.
    const int lineBytes = int(uchar(bytes[66]) | uchar(bytes[67]) << 8);
    QByteArray line(lineBytes, '\0');
    int column = 0;
    int y = 0;
    for (qsizetype at = 128; at < bytes.size() && y < size.height; ++at) {
        uchar byte = uchar(bytes[at]);
        int count = 1;
        if ((byte & 0xC0) == 0xC0 && at + 1 < bytes.size()) {
            count = byte & 0x3F;
            byte = uchar(bytes[++at]);
        }
        while (count > 0 && y < size.height) {
            const int run = qMin(count, lineBytes - column);
            const bool shown = y % step == 0;
            if (shown)
                std::fill_n(line.data() + column, run, char(byte));
            column += run;
            count -= run;
            if (column < lineBytes)
                continue;
            for (int x = 0; shown && x < image.width(); ++x) {
                const int dot = x * step;
                image.setPixel(x, y / step, (uchar(line[dot / 8]) >> (7 - dot % 8)) & 1);
            }
            column = 0;
            ++y;
        }
    }
    return image;
}

} // namespace GraphicConvert
