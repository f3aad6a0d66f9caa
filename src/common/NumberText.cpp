#include "common/NumberText.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace NumberText
{

namespace
{

// Plain decimal notation with an optional exponent; no thousands separators,
// no hexadecimal, no "inf" or "nan".
bool looksNumeric(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?\\s*$"));
    return pattern.match(text).hasMatch();
}

} // namespace

Converted<double> toDouble(const QString &text)
{
    if (!looksNumeric(text))
        return Failures::typeMismatch();
    QString digits = text.trimmed();
    digits.replace(QLatin1String(".e"), QLatin1String("e"))
        .replace(QLatin1String(".E"), QLatin1String("E"));
    if (digits.endsWith(QLatin1Char('.')))
        digits.chop(1);
    bool ok = false;
    const double value = digits.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return Failures::overflow();
    return value;
}

double roundHalfEven(double value)
{
    return std::nearbyint(value); // the default rounding mode rounds halves to even
}

namespace
{

template <typename T> Converted<T> fromDouble(double value)
{
    const double rounded = roundHalfEven(value);
    if (!std::isfinite(rounded) || rounded < double(std::numeric_limits<T>::min()) ||
        rounded > double(std::numeric_limits<T>::max()))
        return Failures::overflow();
    return static_cast<T>(rounded);
}

template <typename T> Converted<T> fromText(const QString &text)
{
    const Converted<double> value = toDouble(text);
    if (const Failure *failure = std::get_if<Failure>(&value))
        return *failure;
    return fromDouble<T>(std::get<double>(value));
}

} // namespace

Converted<std::int16_t> toInt16(const QString &text)
{
    return fromText<std::int16_t>(text);
}

Converted<std::int32_t> toInt32(const QString &text)
{
    return fromText<std::int32_t>(text);
}

Converted<std::int32_t> toInt32(double value)
{
    return fromDouble<std::int32_t>(value);
}

} // namespace NumberText
