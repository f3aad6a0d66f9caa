#include "printer/GraphicCheck.h"

#include <QCoreApplication>
#include <QLocale>

#include <optional>

namespace GraphicCheck
{

namespace
{

// Said after a refusal that a conversion cures: the window's dialog or the
// command line's option that makes one.
QString convertHint(Audience audience)
{
    return audience == Audience::Window
               ? QCoreApplication::translate("GraphicCheck", " Use Convert… to make one.")
               : QCoreApplication::translate("GraphicCheck", " Add --convert to make one.");
}

QString number(qint64 value)
{
    return QLocale(QLocale::English).toString(value);
}

// Little-endian fields; the caller has checked that they lie in the file.
quint32 field(const QByteArray &bytes, qsizetype at, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | uchar(bytes[at + i]);
    return value;
}

// The kinds of file people take for a graphic, named when they are not the
// one chosen.
QString kindOf(const QByteArray &bytes)
{
    if (bytes.startsWith("BM"))
        return QStringLiteral("BMP");
    if (bytes.size() >= 128 && uchar(bytes[0]) == 0x0A)
        return QStringLiteral("PCX");
    if (bytes.startsWith("\x89PNG"))
        return QStringLiteral("PNG");
    if (bytes.startsWith("\xFF\xD8\xFF"))
        return QStringLiteral("JPEG");
    if (bytes.startsWith("GIF8"))
        return QStringLiteral("GIF");
    return QString();
}

QString notOfType(const QByteArray &bytes, const QString &wanted, const QString &name,
                  Audience audience)
{
    if (bytes.isEmpty())
        return QCoreApplication::translate("GraphicCheck", "%1 is empty.").arg(name);
    const QString kind = kindOf(bytes);
    if (kind == QLatin1String("BMP") || kind == QLatin1String("PCX"))
        return QCoreApplication::translate(
                   "GraphicCheck",
                   "%1 is a %2 image, but %3 is chosen as its type: store it as %2.")
            .arg(name, kind, wanted);
    if (!kind.isEmpty())
        return QCoreApplication::translate(
                   "GraphicCheck",
                   "%1 is a %2 image, not a %3: the printer stores 1-bit BMP or PCX "
                   "images only.")
                   .arg(name, kind, wanted) +
               convertHint(audience);
    return QCoreApplication::translate("GraphicCheck", "%1 is not a %2 image.").arg(name, wanted);
}

QString colour(const QString &name, int bits, Audience audience)
{
    // "an 8-bit", "a 4-bit": two wordings, as a translation may need.
    const char *const source =
        bits == 8
            ? QT_TRANSLATE_NOOP("GraphicCheck", "%1 is an %2-bit colour image: the printer "
                                                "stores black-and-white (1-bit) images only.")
            : QT_TRANSLATE_NOOP("GraphicCheck", "%1 is a %2-bit colour image: the printer "
                                                "stores black-and-white (1-bit) images only.");
    return QCoreApplication::translate("GraphicCheck", source).arg(name, QString::number(bits)) +
           convertHint(audience);
}

QString cutShort(const QString &name)
{
    return QCoreApplication::translate("GraphicCheck",
                                       "%1 is cut short: it ends inside its header.")
        .arg(name);
}

QString noPixels(const QString &name, qint64 width, qint64 height)
{
    return QCoreApplication::translate("GraphicCheck",
                                       "%1 has no pixels: its header gives %2 × %3 dots.")
        .arg(name, number(width), number(height));
}

std::variant<Dots, QString> checkBmp(const QByteArray &bytes, const QString &name,
                                     Audience audience)
{
    if (!bytes.startsWith("BM"))
        return notOfType(bytes, QStringLiteral("BMP"), name, audience);
    const qsizetype size = bytes.size();
    if (size < 18)
        return cutShort(name);
    const qint64 declared = field(bytes, 2, 4);
    if (declared > size)
        return QCoreApplication::translate(
                   "GraphicCheck", "%1 is cut short: its header gives %2 bytes, the file has %3.")
            .arg(name, number(declared), number(size));
    if (declared < size)
        return QCoreApplication::translate(
                   "GraphicCheck", "%1's header gives its size as %2 bytes, but the file has %3.")
            .arg(name, number(declared), number(size));
    const quint32 headerSize = field(bytes, 14, 4);
    const bool core = headerSize == 12;
    if (!core && headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 &&
        headerSize != 124)
        return QCoreApplication::translate(
                   "GraphicCheck",
                   "%1 has a bitmap header of %2 bytes, which no Windows bitmap has.")
            .arg(name, number(headerSize));
    if (14 + qint64(headerSize) > size)
        return cutShort(name);

    const qint64 width = core ? qint64(field(bytes, 18, 2)) : qint32(field(bytes, 18, 4));
    const qint64 height = core ? qint64(field(bytes, 20, 2)) : qint32(field(bytes, 22, 4));
    const qsizetype after = core ? 22 : 26;
    const quint32 planes = field(bytes, after, 2);
    const quint32 bits = field(bytes, after + 2, 2);
    const quint32 compression = core ? 0 : field(bytes, 30, 4);
    const quint32 dataSize = core ? 0 : field(bytes, 34, 4);
    const quint32 colours = core ? 0 : field(bytes, 46, 4);

    if (planes != 1)
        return QCoreApplication::translate("GraphicCheck",
                                           "%1 gives %2 colour planes; a Windows bitmap has one.")
            .arg(name, number(planes));
    if (width <= 0 || height == 0)
        return noPixels(name, width, height);
    if (bits != 1) {
        if (bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32)
            return colour(name, int(bits), audience);
        return QCoreApplication::translate(
                   "GraphicCheck", "%1 gives a bit depth of %2, which no Windows bitmap has.")
            .arg(name, number(bits));
    }
    if (compression != 0) {
        // The format names read the same in every language; the masks'
        // kind is words, said in the sentence's language.
        static const char *const kinds[] = {
            "", "RLE8", "RLE4",
            //: A BMP compression kind: the pixels are read through colour masks.
            QT_TRANSLATE_NOOP("GraphicCheck", "bit fields"), "JPEG", "PNG"};
        const QString kind =
            compression < 6
                ? QCoreApplication::translate("GraphicCheck", kinds[compression])
                : QCoreApplication::translate("GraphicCheck", "method %1").arg(number(compression));
        return QCoreApplication::translate(
                   "GraphicCheck", "%1 is compressed (%2): the printer stores uncompressed bitmaps "
                                   "only.")
                   .arg(name, kind) +
               convertHint(audience);
    }
    if (colours > 2)
        return QCoreApplication::translate(
                   "GraphicCheck", "%1 has a palette of %2 colours; a 1-bit image has 2 at most.")
            .arg(name, number(colours));
    const qint64 paletteEnd = 14 + qint64(headerSize) + (colours ? colours : 2) * (core ? 3 : 4);
    const qint64 dataStart = field(bytes, 10, 4);
    if (dataStart < paletteEnd)
        return QCoreApplication::translate(
                   "GraphicCheck", "%1's pixel data would start at byte %2, inside its header and "
                                   "palette.")
            .arg(name, number(dataStart));
    const qint64 lines = height < 0 ? -height : height;
    const qint64 needed = (width + 31) / 32 * 4 * lines;
    if (dataSize != 0 && dataSize < needed)
        return QCoreApplication::translate(
                   "GraphicCheck",
                   "%1's header gives %2 bytes of pixel data, but %3 × %4 dots need "
                   "%5.")
            .arg(name, number(dataSize), number(width), number(lines), number(needed));
    if (dataStart + needed > size)
        return QCoreApplication::translate(
                   "GraphicCheck", "%1 is cut short: %2 × %3 dots need %4 bytes of pixel data, the "
                                   "file has %5 after its header.")
            .arg(name, number(width), number(lines), number(needed),
                 number(qMax<qint64>(0, size - dataStart)));
    return Dots{int(width), int(lines)};
}

std::variant<Dots, QString> checkPcx(const QByteArray &bytes, const QString &name,
                                     Audience audience)
{
    if (bytes.isEmpty() || uchar(bytes[0]) != 0x0A || bytes.startsWith("BM"))
        return notOfType(bytes, QStringLiteral("PCX"), name, audience);
    const qsizetype size = bytes.size();
    if (size < 128)
        return cutShort(name);
    const uchar version = uchar(bytes[1]);
    if (version > 5 || version == 1)
        return QCoreApplication::translate("GraphicCheck", "%1 is not a PCX image.").arg(name);
    if (bytes[2] != 1)
        return QCoreApplication::translate("GraphicCheck",
                                           "%1 is not run-length encoded as a PCX image is.")
            .arg(name);
    const int bits = uchar(bytes[3]);
    const int planes = uchar(bytes[65]);
    if (bits * planes != 1) {
        if (planes == 0 || planes > 4 || (bits != 1 && bits != 2 && bits != 4 && bits != 8))
            return QCoreApplication::translate(
                       "GraphicCheck",
                       "%1 gives %2 bits per pixel in %3 planes, which no PCX image "
                       "has.")
                .arg(name, QString::number(bits), QString::number(planes));
        return colour(name, bits * planes, audience);
    }
    const qint64 width = qint64(field(bytes, 8, 2)) - field(bytes, 4, 2) + 1;
    const qint64 height = qint64(field(bytes, 10, 2)) - field(bytes, 6, 2) + 1;
    if (width <= 0 || height <= 0)
        return noPixels(name, width, height);
    const qint64 lineBytes = field(bytes, 66, 2);
    if (lineBytes * 8 < width)
        return QCoreApplication::translate("GraphicCheck",
                                           "%1's lines of %2 bytes cannot hold %3 dots.")
            .arg(name, number(lineBytes), number(width));

    // Runs may cross from one line into the next; the data must cover all lines.
    const qint64 needed = lineBytes * height;
    qint64 decoded = 0;
    for (qsizetype at = 128; at < size && decoded < needed; ++at) {
        const uchar byte = uchar(bytes[at]);
        if ((byte & 0xC0) != 0xC0) {
            ++decoded;
        } else if (++at < size) {
            decoded += byte & 0x3F;
        }
    }
    if (decoded < needed)
        return QCoreApplication::translate(
                   "GraphicCheck", "%1 is cut short: its pixel data ends after %2 of %3 lines.")
            .arg(name, number(decoded / lineBytes), number(height));
    return Dots{int(width), int(height)};
}

} // namespace

std::variant<Dots, QString> check(const QByteArray &bytes, Type type, const QString &fileName,
                                  Audience audience)
{
    return type == Type::Bmp ? checkBmp(bytes, fileName, audience)
                             : checkPcx(bytes, fileName, audience);
}

QString sizeText(Dots size)
{
    const auto mm = [](int dots) { return QString::number(dots * 25.4 / dotsPerInch, 'f', 1); };
    return QCoreApplication::translate("GraphicCheck", "%1 × %2 dots, %3 × %4 mm")
        .arg(QString::number(size.width), QString::number(size.height), mm(size.width),
             mm(size.height));
}

} // namespace GraphicCheck
