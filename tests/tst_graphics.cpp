// Graphics the printer stores: each malformed or unsuitable file refused in
// words, good ones measured, and pictures converted to one bit dot by dot.
#include "printer/GraphicCheck.h"
#include "printer/GraphicConvert.h"
#include "support/Pictures.h"
#include "support/TestMain.h"

#include <QBuffer>

using GraphicCheck::Type;

namespace
{

const QString name = QStringLiteral("logo.bmp");
const QString convertHint = QStringLiteral(" Use Convert… to make one.");
const QString colour = QStringLiteral(
    "logo.bmp is a %1-bit colour image: the printer stores black-and-white (1-bit) images only.");

QByteArray changed(QByteArray bytes, int at, int size, qint64 value)
{
    Pictures::put(bytes, at, size, value);
    return bytes;
}

// Rows of "#" (dark) and "." (light), top first, each ended by "/".
QString rowsOf(int width, int height, const std::function<bool(int, int)> &dark)
{
    QString rows;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            rows += dark(x, y) ? '#' : '.';
        rows += '/';
    }
    return rows;
}

QString dots(const QImage &mono)
{
    return rowsOf(mono.width(), mono.height(),
                  [&](int x, int y) { return qGray(mono.pixel(x, y)) < 128; });
}

// The dots of the test pictures: every third one dark along a line, each
// line starting one later than the line above (below when `flipped`).
QString pattern(int width, int height, bool flipped = false)
{
    return rowsOf(width, height,
                  [=](int x, int y) { return (x + (flipped ? height - 1 - y : y)) % 3 == 0; });
}

// What the check says of `bytes`: its refusal, or the dots it measures and
// those of its preview.
QString verdict(const QByteArray &bytes, bool pcx)
{
    const Type type = pcx ? Type::Pcx : Type::Bmp;
    const auto checked = GraphicCheck::check(bytes, type, name);
    if (const QString *refusal = std::get_if<QString>(&checked))
        return *refusal;
    const auto measured = std::get<GraphicCheck::Dots>(checked);
    return QStringLiteral("%1 × %2 dots ").arg(measured.width).arg(measured.height) +
           dots(GraphicConvert::picture(bytes, type));
}

// What a conversion makes: the dots of its one-bit picture, or its refusal.
QString conversion(const QImage &image, const GraphicConvert::Options &options)
{
    const auto result = GraphicConvert::convert(image, options, name);
    if (const QString *why = std::get_if<QString>(&result))
        return *why;
    const QImage &mono = std::get<GraphicConvert::Converted>(result).mono;
    return mono.format() == QImage::Format_Mono ? dots(mono) : QStringLiteral("not one bit");
}

QImage greys(int width, int height, const std::function<int(int, int)> &grey)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(grey(x, y), grey(x, y), grey(x, y)));
    return image;
}

} // namespace

class TestGraphics : public QObject
{
    Q_OBJECT

private slots:
    // Each file the printer cannot take is refused in words; one it can take
    // is measured and its preview draws what the printer gets, dot for dot;
    // the lines of a top-down BMP come out upside down.
    void filesAreRefusedInWordsOrMeasured()
    {
        const QByteArray bmp = Pictures::bmp(16, 4); // 62 bytes of header, 16 of dots
        const QByteArray pcx = Pictures::pcx(8, 4);
        // A 24-bit BMP, and a BMP stored as PCX, are the command line's test.
        const std::tuple<const char *, QByteArray, bool, QString> rows[] = {
            {"8-bit BMP", Pictures::bmp(4, 2, 8), false,
             QString(colour.arg(8)).replace("a 8", "an 8") + convertHint},
            {"compressed", changed(bmp, 30, 4, 1), false,
             "logo.bmp is compressed (RLE8): the printer stores uncompressed bitmaps only." +
                 convertHint},
            {"truncated", bmp.chopped(3), false,
             "logo.bmp is cut short: its header gives 78 bytes, the file has 75."},
            {"truncated, size patched", changed(bmp.chopped(3), 2, 4, 75), false,
             "logo.bmp is cut short: 16 × 4 dots need 16 bytes of pixel data, the file has 13 "
             "after its header."},
            {"header only", QByteArray("BM").leftJustified(12, '\0'), false,
             "logo.bmp is cut short: it ends inside its header."},
            {"file size lies", changed(bmp, 2, 4, 70), false,
             "logo.bmp's header gives its size as 70 bytes, but the file has 78."},
            {"data size lies", changed(bmp, 34, 4, 8), false,
             "logo.bmp's header gives 8 bytes of pixel data, but 16 × 4 dots need 16."},
            {"dots start in the palette", changed(bmp, 10, 4, 58), false,
             "logo.bmp's pixel data would start at byte 58, inside its header and palette."},
            {"unknown header", changed(bmp, 14, 4, 44), false,
             "logo.bmp has a bitmap header of 44 bytes, which no Windows bitmap has."},
            {"no width", changed(bmp, 18, 4, 0), false,
             "logo.bmp has no pixels: its header gives 0 × 4 dots."},
            {"two planes", changed(bmp, 26, 2, 2), false,
             "logo.bmp gives 2 colour planes; a Windows bitmap has one."},
            {"odd depth", changed(bmp, 28, 2, 3), false,
             "logo.bmp gives a bit depth of 3, which no Windows bitmap has."},
            {"large palette", changed(bmp, 46, 4, 3), false,
             "logo.bmp has a palette of 3 colours; a 1-bit image has 2 at most."},
            {"PCX as BMP", pcx, false,
             "logo.bmp is a PCX image, but BMP is chosen as its type: store it as PCX."},
            {"PNG", Pictures::png(greys(3, 3, [](int, int) { return 90; })), false,
             "logo.bmp is a PNG image, not a BMP: the printer stores 1-bit BMP or PCX images "
             "only." +
                 convertHint},
            {"empty", QByteArray(), false, "logo.bmp is empty."},
            {"text", "hello", true, "logo.bmp is not a PCX image."},
            {"24-bit PCX", Pictures::pcx(8, 2, 8, 3), true, colour.arg(24) + convertHint},
            {"PCX cut short", pcx.chopped(1), true,
             "logo.bmp is cut short: its pixel data ends after 3 of 4 lines."},
            {"PCX lines too short", changed(pcx, 66, 2, 0), true,
             "logo.bmp's lines of 0 bytes cannot hold 8 dots."},
            {"PCX not encoded", changed(pcx, 2, 1, 0), true,
             "logo.bmp is not run-length encoded as a PCX image is."},
            {"PCX header only", pcx.left(100), true,
             "logo.bmp is cut short: it ends inside its header."},
            {"BMP", Pictures::bmp(33, 5), false, "33 × 5 dots " + pattern(33, 5)},
            {"BMP, top down", changed(bmp, 22, 4, -4), false,
             "16 × 4 dots " + pattern(16, 4, true)},
            {"PCX", Pictures::pcx(70, 3), true, "70 × 3 dots " + pattern(70, 3)},
        };
        for (const auto &[row, bytes, pcx, expected] : rows)
            QCOMPARE(row + (": " + verdict(bytes, pcx)), row + (": " + expected));
    }

    // A dot is black when its grey is below the threshold (white, inverted);
    // colours count by their brightness and clear parts as paper; a width
    // scales keeping the aspect; dithering passes each dot's error on. A
    // conversion is bounded in dots and bytes before it takes memory: a thin
    // picture made wide would need gigabytes, or overflow its height; within
    // the bounds, the thinnest and longest still convert.
    void picturesBecomeDots()
    {
        // Greys 0, 32, ... 224 in the first row, 16 more in the second.
        const QImage ramp = greys(8, 2, [](int x, int y) { return x * 32 + y * 16; });
        QImage colours(4, 1, QImage::Format_ARGB32);
        colours.setPixel(0, 0, qRgba(0, 0, 0, 0));       // clear: paper
        colours.setPixel(1, 0, qRgba(0, 0, 0, 255));     // black
        colours.setPixel(2, 0, qRgba(255, 0, 0, 255));   // red: dark
        colours.setPixel(3, 0, qRgba(255, 255, 0, 255)); // yellow: light
        const QImage halves = greys(40, 20, [](int x, int) { return x < 20 ? 0 : 255; });
        const auto grey = [](int width, int height, int value) {
            return greys(width, height, [value](int, int) { return value; });
        };
        const QString bounds = ": the printer stores graphics of at most 4,000 × 16,000 dots and "
                               "2,097,152 bytes.";
        const QString longest = QStringLiteral("#/").repeated(16000);
        // width, dither, threshold, invert
        using Options = GraphicConvert::Options;
        const std::tuple<const char *, QImage, Options, QString> rows[] = {
            {"threshold 128", ramp, {}, "####..../####..../"},
            {"threshold 100", ramp, {0, false, 100}, "####..../###...../"},
            {"threshold 100, inverted", ramp, {0, false, 100, true}, "....####/...#####/"},
            {"threshold 1", ramp, {0, false, 1}, "#......./......../"},
            {"threshold 255", ramp, {0, false, 255}, "########/########/"},
            {"colours", colours, {}, ".##./"},
            {"width 10 of 40", halves, {10}, QString("#####...../").repeated(5)},
            {"width 4 of 40", halves, {4}, "##../##../"},
            {"dithered grey 100 in a row", grey(4, 1, 100), {0, true}, "#.##/"},
            {"dithered mid grey", grey(2, 2, 128), {0, true}, ".#/#./"},
            {"dithered black and white stay",
             greys(3, 2, [](int x, int) { return x == 1 ? 255 : 0; }),
             {0, true},
             "#.#/#.#/"},
            {"1 × 600000 made 4000 wide",
             grey(1, 600000, 0),
             {4000},
             "logo.bmp would convert to 4,000 × 2,400,000,000 dots" + bounds},
            {"too wide as it is",
             grey(4001, 1, 0),
             {},
             "logo.bmp would convert to 4,001 × 1 dots" + bounds},
            {"null picture", QImage(), {10}, "logo.bmp has no dots to convert."},
            {"as long as may be", grey(1, 16000, 0), {}, longest},
            {"made 1 wide", grey(3, 48000, 0), {1}, longest},
        };
        for (const auto &[row, image, options, expected] : rows)
            QCOMPARE(row + (": " + conversion(image, options)), row + (": " + expected));
        // Over a field of one grey, the share of black dots is the darkness.
        for (const int value : {32, 64, 128, 192}) {
            const double black = conversion(grey(40, 40, value), {0, true}).count('#') / 1600.0;
            QVERIFY2(qAbs(black - (1 - value / 255.0)) < 0.02,
                     qPrintable(QStringLiteral("grey %1: %2 black").arg(value).arg(black)));
        }
        // The byte bound holds where neither side does: 4000 × 4195 dots
        // take 2,097,562 bytes as a BMP, 4194 lines 2,097,062.
        const auto size = [](int height) {
            return GraphicConvert::resultSize({4000, height}, {}, name).index();
        };
        QCOMPARE(size(4194), 0u);
        QCOMPARE(size(4195), 1u);
    }

    // A conversion is written as a one-bit BMP, palette black then white,
    // each line padded with zeros.
    void conversionsAreWrittenAsOneBitBmp()
    {
        const auto result = GraphicConvert::convert(
            greys(10, 3, [](int x, int y) { return (x + y) % 3 ? 255 : 0; }), {}, name);
        const auto &[mono, file] = std::get<GraphicConvert::Converted>(result);
        // Taken as it is: a one-bit BMP, uncompressed.
        QCOMPARE(verdict(file, false), "10 × 3 dots " + dots(mono));
        // Its headers, every field as written: file size 74, data at 62;
        // 10 by 3 dots, one plane, one bit, uncompressed, 12 bytes of dots
        // (the field some readers size their buffer by), 203 dots an inch,
        // two colours.
        QCOMPARE(file.left(54).toHex(), "424d4a000000000000003e000000"
                                        "280000000a000000030000000100010000000000"
                                        "0c000000381f0000381f00000200000000000000");
        // The palette, then the lines from the bottom up.
        QCOMPARE(file.mid(54).toHex(), "00000000ffffff00"
                                       "b6c00000db4000006d800000");
    }

    // A preview draws at most 2048 dots on either side, every n-th dot of
    // every n-th line, so a PCX claiming many dots in a small file draws at
    // once; its dots are those of the file.
    void largePcxPreviewsAreBounded()
    {
        // 16384 × 16384 white dots in 1 MiB: runs of 63 bytes of 0xFF.
        QByteArray large = Pictures::pcx(8, 1).left(128);
        Pictures::put(large, 8, 2, 16383);
        Pictures::put(large, 10, 2, 16383);
        Pictures::put(large, 66, 2, 2048);
        const QByteArray run("\xFF\xFF", 2);
        large += run.repeated(16384 * 2048 / 63 + 1);
        const QImage shown = GraphicConvert::picture(large, Type::Pcx);
        QCOMPARE(shown.size(), QSize(2048, 2048));
        QCOMPARE(shown.pixelIndex(2047, 2047), 1);
        // Every second dot of every second line of the usual pattern.
        const QImage half = GraphicConvert::picture(Pictures::pcx(4096, 3), Type::Pcx);
        QCOMPARE(half.size(), QSize(2048, 2));
        QCOMPARE(dots(half.copy(0, 0, 9, 2)),
                 rowsOf(9, 2, [](int x, int y) { return (2 * x + 2 * y) % 3 == 0; }));
    }

    // PNG, JPEG and GIF pictures are read for conversion (what is none is
    // refused, as the command line's test shows).
    void picturesOfEachKindAreRead()
    {
        const QImage photo = greys(5, 4, [](int x, int y) { return x * 60 + y; });
        QBuffer jpeg;
        jpeg.open(QIODevice::WriteOnly);
        QVERIFY(photo.save(&jpeg, "JPEG"));
        // The smallest GIF: one white dot.
        const QByteArray gif = QByteArray::fromHex("47494638396101000100800000ffffff00000021f904"
                                                   "01000000002c00000000010001000002024401003b");
        for (const QByteArray &bytes : {Pictures::png(photo), jpeg.data(), gif}) {
            const auto loaded = GraphicConvert::load(bytes, "logo");
            QVERIFY(std::holds_alternative<QImage>(loaded));
            QCOMPARE(std::get<QImage>(loaded).size(), bytes == gif ? QSize(1, 1) : QSize(5, 4));
        }
    }
};

VARIMONDE_TEST_MAIN(TestGraphics)
#include "tst_graphics.moc"
