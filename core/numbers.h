#pragma once

#include "core/arith.h"

#include <QString>

#include <cstdint>
#include <optional>

// How numbers are typed and shown: the decimal comma, the allowed characters of an entry,
// the floating and integer conversions and the fixed and pattern formats.

namespace kalmoris {

inline const QString AMOUNT_CHARS = QStringLiteral(",0123456789");  // amounts and rates
inline const QString COUNT_CHARS = QStringLiteral("0123456789");    // counts

// The first "." becomes "," at the same place; any further "." stays.
QString PointToComma(const QString& text);

// The text unchanged when every character is in `allowed`, otherwise the empty text.
QString KeepIfAllowed(const QString& text, const QString& allowed);

// Floating conversion: leading spaces, an optional sign, digits, an optional comma and
// fraction digits, an optional exponent (E or e, optional sign, digits), trailing spaces.
// At least a digit or the comma must follow the sign (",", "12," and ",5" convert).
// Raises ConversionFailure ("'%s' n'est pas une valeur flottante correcte") otherwise, and
// for a value beyond the extended range.
Real StrToFloat(const QString& text);

// Integer conversion: leading spaces, an optional sign, decimal digits or "$" and hexadecimal
// digits, nothing after them. Raises ConversionFailure ("'%s' n'est pas une valeur entière
// correcte") for anything else or a value outside the 32-bit signed range.
std::int32_t StrToInt(const QString& text);

// The value rounded to at most P significant digits and at most D decimals, written with
// exactly D decimals, a decimal comma, a minus sign when negative (never on a value that
// rounds to zero: no "-0,00") and no grouping. The rounding starts from the value's first 18
// significant digits, then rounds half away from zero. A value whose integer part needs more
// than P digits is written in scientific form instead: the mantissa rounded to P significant
// digits without trailing zeros, "E", the exponent's sign and at least two digits
// ("1,2345E+12").
// An infinite or NaN value raises the overflow or invalid-operation failure.
// P is taken between 1 and 18 and D between 0 and 18; the scientific form is chosen after the
// rounding, so a value that rounds up to 10^P ("9999999999,5" with P 10) gives "1E+10".
QString FormatFixed(Real value, int P, int D);

// The patterns "#0.00" and "#0.0000": at least one integer digit, exactly two or four
// decimals, halves away from zero (from the first 18 significant digits, or from the digits
// the extended value holds when it needs more), no grouping, never the scientific form.
// Any other pattern is a programming error (std::invalid_argument).
QString FormatPattern(Real value, const QString& pattern);

// A count held in a fixed width: an unsigned 8-bit count per year, an unsigned 16-bit total.
// A converted value outside the width is refused (no value), never reduced to its low bits.
std::optional<std::uint8_t> FitPerYearCount(std::int32_t value);
std::optional<std::uint16_t> FitCount16(std::int32_t value);

}  // namespace kalmoris
