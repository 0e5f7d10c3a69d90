#pragma once

#include "core/arith.h"

#include <QString>

#include <optional>

namespace kalmoris {

// The offer's decimals as its file holds them and its screen takes them: amounts to the cent
// below a thousand billion, rates to the millionth of a point below ten thousand percent.
inline constexpr int kAmountDigits = 12;
inline constexpr int kAmountDecimals = 2;
inline constexpr int kRateDigits = 4;
inline constexpr int kRateDecimals = 6;

// At most `integerDigits` digits, then a "." and at most `decimals` digits: the nearest
// extended value of the decimal, divided once so that it is rounded once.
std::optional<Real> decimalValue(const QString& text, int integerDigits, int decimals);

// The value with a "." and `decimals` decimals, the zeros at the end dropped if asked.
QString decimalText(Real value, int decimals, bool trimZeros);

}  // namespace kalmoris
