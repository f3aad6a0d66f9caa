// Any file is either refused in words or measured as a graphic the printer
// takes; a measured one draws within the preview's bounds, and none reads
// past its end.
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
        // A preview is bounded whatever the file claims, and keeps its shape.
        const QImage picture = GraphicConvert::picture(bytes, type);
        const int step = qMax(1, (qMax(dots.width, dots.height) + GraphicConvert::previewSide - 1) /
                                     GraphicConvert::previewSide);
        if (type == GraphicCheck::Type::Pcx &&
            picture.size() !=
                QSize((dots.width + step - 1) / step, (dots.height + step - 1) / step))
            std::abort();
        if (picture.width() > GraphicConvert::previewSide ||
            picture.height() > GraphicConvert::previewSide)
            std::abort();
    }
    return 0;
}
