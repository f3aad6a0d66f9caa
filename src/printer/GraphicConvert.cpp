#include "printer/GraphicConvert.h"

#include <QBuffer>
#include <QImageReader>

#include <vector>

namespace GraphicConvert
{

namespace
{

constexpr QRgb black = 0xff000000;
constexpr QRgb white = 0xffffffff;

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

QImage convert(const QImage &source, const Options &options)
{
    QImage image = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (options.width > 0 && options.width != image.width()) {
        const int height =
            qMax(1, qRound(double(options.width) * image.height() / qMax(1, image.width())));
        image =
            image.scaled(options.width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    const int width = image.width();
    const int height = image.height();
    const std::vector<uchar> grey = greys(image);
    std::vector<bool> dark;
    if (options.dither) {
        dark = diffuse(grey, width, height, options.threshold);
    } else {
        dark.resize(grey.size());
        for (size_t i = 0; i < grey.size(); ++i)
            dark[i] = grey[i] < options.threshold;
    }
    QImage mono = monoImage(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (dark[size_t(y) * size_t(width) + size_t(x)] != options.invert)
                mono.setPixel(x, y, 0);
        }
    }
    return mono;
}

// Written here rather than by Qt's BMP writer, which leaves the padding at
// the end of each line uninitialised: the same picture must give the same
// bytes every time.
QByteArray bmpBytes(const QImage &mono)
{
    const int width = mono.width();
    const int height = mono.height();
    const int lineBytes = (width + 31) / 32 * 4;
    constexpr int dataStart = 14 + 40 + 2 * 4;
    QByteArray file(dataStart, '\0');
    const auto put = [&file](int at, int size, qint64 value) {
        for (int i = 0; i < size; ++i)
            file[at + i] = char(value >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put(2, 4, dataStart + qint64(lineBytes) * height);
    put(10, 4, dataStart);
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
    file.reserve(dataStart + lineBytes * height);
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
    if (type == GraphicCheck::Type::Bmp)
        return QImage::fromData(bytes, "BMP");
    const auto checked = GraphicCheck::check(bytes, type, QString());
    if (!std::holds_alternative<GraphicCheck::Dots>(checked))
        return QImage();
    const GraphicCheck::Dots size = std::get<GraphicCheck::Dots>(checked);
    // A one-bit PCX line is the dots left to right, a set bit white.
    const int lineBytes = int(uchar(bytes[66]) | uchar(bytes[67]) << 8);
    QImage image = monoImage(size.width, size.height);
    QByteArray line;
    int y = 0;
    for (qsizetype at = 128; at < bytes.size() && y < size.height; ++at) {
        uchar byte = uchar(bytes[at]);
        int count = 1;
        if ((byte & 0xC0) == 0xC0 && at + 1 < bytes.size()) {
            count = byte & 0x3F;
            byte = uchar(bytes[++at]);
        }
        for (; count > 0 && y < size.height; --count) {
            line += char(byte);
            if (line.size() < lineBytes)
                continue;
            for (int x = 0; x < size.width; ++x)
                image.setPixel(x, y, (uchar(line[x / 8]) >> (7 - x % 8)) & 1);
            line.clear();
            ++y;
        }
    }
    return image;
}

} // namespace GraphicConvert
