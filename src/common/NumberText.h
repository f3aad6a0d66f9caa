#pragma once

#include "common/Failure.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <variant>

// Reading user-typed numbers the way the whole program does: surrounding
// blanks are allowed, a sign and a fraction are accepted, and conversions to
// whole numbers round halves to the even neighbour.
namespace NumberText
{

// Rounds to the nearest whole number, halves to the even neighbour.
double roundHalfEven(double value);

template <typename T> using Converted = std::variant<T, Failure>;

// Text to a floating-point number: TypeMismatch for a text that is not a
// number, Overflow for one too large for a double ("1e999").
Converted<double> toDouble(const QString &text);

// Text to a 16-bit or 32-bit whole number: TypeMismatch for a text that is
// not a number, Overflow for one outside the type's range.
Converted<std::int16_t> toInt16(const QString &text);
Converted<std::int32_t> toInt32(const QString &text);
Converted<std::int32_t> toInt32(double value);

} // namespace NumberText
