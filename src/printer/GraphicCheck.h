#pragma once

#include "common/Wording.h"

#include <QByteArray>
#include <QString>

#include <variant>

// What the printer can store as a graphic: a one-bit, uncompressed Windows
// bitmap or a one-bit, one-plane PCX, whole and consistent with its header.
// Anything else is refused before a byte is sent, in words the user can act on.
namespace GraphicCheck
{

enum class Type { Bmp, Pcx };

// The printer's resolution: sizes in millimetres are shown at it.
constexpr int dotsPerInch = 203;

struct Dots {
    int width = 0;
    int height = 0;
};

// The graphic's size when the printer can take `bytes` as `type`; otherwise
// why not, naming the file as `fileName`, with advice for `audience`.
std::variant<Dots, QString> check(const QByteArray &bytes, Type type, const QString &fileName,
                                  Audience audience = Audience::Window);

// "400 × 200 dots, 50.0 × 25.0 mm"
QString sizeText(Dots size);

} // namespace GraphicCheck
