// Any picture, of any shape, with any options, is either converted into a
// graphic within the printer's bounds that passes the graphic check, or
// refused in words before its dots take memory. The first bytes give the
// picture's shape and the options; the rest are its dots, or a picture file.
#include "printer/GraphicCheck.h"
#include "printer/GraphicConvert.h"

#include <cstdlib>

namespace
{

unsigned field(const uint8_t *data, int at, int size)
{
    unsigned value = 0;
    for (int i = 0; i < size; ++i)
        value = value << 8 | data[at + i];
    return value;
}

void convertChecked(const QImage &source, const GraphicConvert::Options &options)
{
    const QString name = QStringLiteral("f");
    const auto size = GraphicConvert::resultSize(source.size(), options, name);
    if (const QString *why = std::get_if<QString>(&size)) {
        if (!why->startsWith(name))
            std::abort();
        // The same refusal, without taking memory for the dots.
        const auto refused = GraphicConvert::convert(source, options, name);
        if (!std::holds_alternative<QString>(refused) || std::get<QString>(refused) != *why)
            std::abort();
        return;
    }
    const QSize dots = std::get<QSize>(size);
    if (dots.width() < 1 || dots.width() > GraphicConvert::maxWidth || dots.height() < 1 ||
        dots.height() > GraphicConvert::maxHeight)
        std::abort();
    // Converting takes time in proportion to the dots: the bounds are what
    // is under test, so large results are sized but not drawn.
    if (qint64(dots.width()) * dots.height() > 1 << 22)
        return;
    const auto converted = GraphicConvert::convert(source, options, name);
    const auto *made = std::get_if<GraphicConvert::Converted>(&converted);
    if (!made || made->mono.size() != dots || made->bmp.size() > GraphicConvert::maxBmpBytes)
        std::abort();
    const auto checked = GraphicCheck::check(made->bmp, GraphicCheck::Type::Bmp, name);
    const auto *measured = std::get_if<GraphicCheck::Dots>(&checked);
    if (!measured || measured->width != dots.width() || measured->height != dots.height())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    constexpr size_t head = 9;
    if (size < head)
        return 0;
    GraphicConvert::Options options;
    options.width = int(field(data, 0, 2));
    options.dither = data[2] & 1;
    options.invert = data[2] & 2;
    options.threshold =
        qBound(GraphicConvert::minThreshold, int(data[3]), GraphicConvert::maxThreshold);
    const QByteArray rest(reinterpret_cast<const char *>(data + head), qsizetype(size - head));
    if (data[2] & 4) {
        // A picture file: its header may claim any shape.
        const auto loaded = GraphicConvert::load(rest, QStringLiteral("f"));
        if (const QImage *picture = std::get_if<QImage>(&loaded))
            convertChecked(*picture, options);
        return 0;
    }
    // A picture of the shape given, tall and thin or short and wide, its
    // dots repeating the rest of the input.
    const int width = int(field(data, 4, 2));
    const int height = int(field(data, 6, 3));
    if (qint64(width) * height > 1 << 20)
        return 0;
    QImage source(width, height, QImage::Format_ARGB32);
    if (!source.isNull() && !rest.isEmpty()) {
        uchar *bits = source.bits();
        for (qsizetype i = 0; i < source.sizeInBytes(); ++i)
            bits[i] = uchar(rest[i % rest.size()]);
    }
    convertChecked(source, options);
    return 0;
}
