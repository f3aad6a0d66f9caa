// Any file is either refused in words or measured as a graphic the printer
// takes; a measured one draws at its size, and none reads past its end.
#include "printer/GraphicCheck.h"
#include "printer/GraphicConvert.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const GraphicCheck::Type type : {GraphicCheck::Type::Bmp, GraphicCheck::Type::Pcx}) {
        const auto checked = GraphicCheck::check(bytes, type, QStringLiteral("f"));
        if (const QString *why = std::get_if<QString>(&checked)) {
            if (!why->startsWith(QLatin1String("f")))
                std::abort();
            continue;
        }
        const GraphicCheck::Dots dots = std::get<GraphicCheck::Dots>(checked);
        if (dots.width < 1 || dots.height < 1)
            std::abort();
        // Drawing allocates the whole picture: only small ones are drawn.
        if (qint64(dots.width) * dots.height > 1 << 20)
            continue;
        const QImage picture = GraphicConvert::picture(bytes, type);
        if (type == GraphicCheck::Type::Pcx && picture.size() != QSize(dots.width, dots.height))
            std::abort();
    }
    return 0;
}
