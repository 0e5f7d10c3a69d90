#include "core/numbers.h"

#include "core/errors.h"

#include <locale.h>
#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

namespace kalmoris {

namespace {

// Qt sets the C locale from the environment, so a French locale would make the C library read
// and write "," for the decimal point; the conversions below always run in the "C" locale.
locale_t cLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
  return locale;
}

bool isDecimalDigit(QChar c) {
  return c >= u'0' && c <= u'9';
}

int digitValue(QChar c, int base) {
  const char16_t u = c.unicode();
  int value = -1;
  if (u >= u'0' && u <= u'9') {
    value = u - u'0';
  } else if (u >= u'a' && u <= u'f') {
    value = u - u'a' + 10;
  } else if (u >= u'A' && u <= u'F') {
    value = u - u'A' + 10;
  }
  return value < base ? value : -1;
}

constexpr int kSignificantDigits = 18;  // what the extended format carries for sure

// A positive value as its first significant decimal digits, correctly rounded:
// value = 0,d0 d1 ... x 10^(exponent + 1), i.e. d0 stands at the place 10^exponent.
struct Decimal {
  std::string digits;  // '0' to '9'
  int exponent = 0;
};

Decimal toDecimal(Real positive, int significantDigits) {
  std::vector<char> buffer(static_cast<std::size_t>(significantDigits) + 16);
  const locale_t previous = uselocale(cLocale());
  // "d.ddd...de+XX"
  std::snprintf(buffer.data(), buffer.size(), "%.*Le", significantDigits - 1, positive);
  uselocale(previous);
  Decimal decimal;
  const char* p = buffer.data();
  for (; *p != 'e'; ++p) {
    if (*p >= '0' && *p <= '9') decimal.digits += *p;
  }
  decimal.exponent = std::atoi(p + 1);
  return decimal;
}

// Digits starting at the place 10^exponent; no digits means zero.
struct Rounded {
  std::string digits;
  int exponent = 0;
};

// Keeps the first `keep` digits, rounding half away from zero on the next one.
Rounded roundToDigits(const Decimal& decimal, int keep) {
  Rounded rounded;
  if (keep < 0) return rounded;
  const auto size = static_cast<int>(decimal.digits.size());
  const int kept = std::min(keep, size);
  rounded.digits.assign(decimal.digits.begin(), decimal.digits.begin() + kept);
  rounded.exponent = decimal.exponent;
  if (kept == size || decimal.digits[kept] < '5') return rounded;
  int position = kept - 1;
  while (position >= 0 && rounded.digits[position] == '9') rounded.digits[position--] = '0';
  if (position >= 0) {
    ++rounded.digits[position];
  } else {
    // 9...9 carried into a new leading digit.
    rounded.digits.insert(rounded.digits.begin(), '1');
    ++rounded.exponent;
  }
  return rounded;
}

char digitAtPlace(const Rounded& rounded, int place) {
  const int index = rounded.exponent - place;
  if (index < 0 || index >= static_cast<int>(rounded.digits.size())) return '0';
  return rounded.digits[index];
}

// A value that rounds to zero is written without its sign: "-0,00" would read as a loss.
QString writeFixed(bool negative, const Rounded& rounded, int decimals) {
  QString text;
  // The rounding keeps only the digits shown.
  if (negative && rounded.digits.find_first_not_of('0') != std::string::npos) text += u'-';
  if (rounded.digits.empty() || rounded.exponent < 0) {
    text += u'0';
  } else {
    for (int place = rounded.exponent; place >= 0; --place) {
      text += QLatin1Char(digitAtPlace(rounded, place));
    }
  }
  if (decimals > 0) {
    text += u',';
    for (int place = -1; place >= -decimals; --place) {
      text += QLatin1Char(digitAtPlace(rounded, place));
    }
  }
  return text;
}

// "d,ddd" without trailing zeros, then "E", the exponent's sign and at least two digits.
QString writeScientific(bool negative, Rounded rounded) {
  const auto last = rounded.digits.find_last_not_of('0');
  rounded.digits.erase(last + 1);
  QString text;
  if (negative) text += u'-';
  text += QLatin1Char(rounded.digits.front());
  if (rounded.digits.size() > 1) {
    text += u',';
    text += QString::fromLatin1(rounded.digits.substr(1));
  }
  text += u'E';
  text += rounded.exponent < 0 ? u'-' : u'+';
  text += QStringLiteral("%1").arg(std::abs(rounded.exponent), 2, 10, QLatin1Char('0'));
  return text;
}

}  // namespace

QString PointToComma(const QString& text) {
  QString result = text;
  const qsizetype point = result.indexOf(u'.');
  if (point >= 0) result[point] = u',';
  return result;
}

QString KeepIfAllowed(const QString& text, const QString& allowed) {
  for (const QChar c : text) {
    if (!allowed.contains(c)) return QString();
  }
  return text;
}

Real StrToFloat(const QString& text) {
  const qsizetype size = text.size();
  qsizetype p = 0;
  std::string number;  // the same number in the C library's syntax
  while (p < size && text[p] == u' ') ++p;
  if (p < size && (text[p] == u'+' || text[p] == u'-')) {
    if (text[p] == u'-') number += '-';
    ++p;
  }
  const qsizetype integerStart = p;
  while (p < size && isDecimalDigit(text[p])) number += static_cast<char>(text[p++].unicode());
  bool hasMantissa = p > integerStart;
  if (!hasMantissa) number += '0';
  if (p < size && text[p] == u',') {
    hasMantissa = true;
    ++p;
    number += '.';
    while (p < size && isDecimalDigit(text[p])) number += static_cast<char>(text[p++].unicode());
  }
  if (!hasMantissa) failNotAFloat(text);
  if (p < size && (text[p] == u'E' || text[p] == u'e')) {
    ++p;
    number += 'e';
    if (p < size && (text[p] == u'+' || text[p] == u'-')) {
      number += static_cast<char>(text[p++].unicode());
    }
    const qsizetype exponentStart = p;
    while (p < size && isDecimalDigit(text[p])) number += static_cast<char>(text[p++].unicode());
    if (p == exponentStart) failNotAFloat(text);
  }
  while (p < size && text[p] == u' ') ++p;
  if (p != size) failNotAFloat(text);

  // strtold_l rounds correctly; a value past the extended range comes back infinite, a value
  // below it comes back as a subnormal or zero, which is kept.
  const Real value = strtold_l(number.c_str(), nullptr, cLocale());
  if (std::isinf(value)) failNotAFloat(text);
  return value;
}

std::int32_t StrToInt(const QString& text) {
  constexpr std::int64_t kLimit = std::int64_t{1} << 31;
  const qsizetype size = text.size();
  qsizetype p = 0;
  while (p < size && text[p] == u' ') ++p;
  bool negative = false;
  if (p < size && (text[p] == u'+' || text[p] == u'-')) negative = text[p++] == u'-';
  int base = 10;
  if (p < size && text[p] == u'$') {
    base = 16;
    ++p;
  }
  const qsizetype digitsStart = p;
  std::int64_t magnitude = 0;
  bool tooLarge = false;
  for (; p < size; ++p) {
    const int digit = digitValue(text[p], base);
    if (digit < 0) break;
    // Stop accumulating once past the range, so that a long digit string cannot overflow.
    if (!tooLarge) {
      magnitude = magnitude * base + digit;
      tooLarge = magnitude > kLimit;
    }
  }
  if (p == digitsStart || p != size || tooLarge || (!negative && magnitude == kLimit)) {
    failNotAnInteger(text);
  }
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

// P is taken between 1 and 18 (the extended format carries no more significant decimal
// digits), D between 0 and 18. A value that rounds to 10^P or more is written in the
// scientific form, so 9999999999,5 with P 10 gives "1E+10".
QString FormatFixed(Real value, int P, int D) {
  if (std::isnan(value)) failInvalidOperation();
  if (std::isinf(value)) failOverflow();
  P = std::clamp(P, 1, 18);
  D = std::clamp(D, 0, 18);
  const bool negative = value < 0;
  if (value == 0) return writeFixed(false, Rounded{}, D);
  const Decimal decimal = toDecimal(std::fabs(value), kSignificantDigits);
  const Rounded rounded = roundToDigits(decimal, std::min(P, decimal.exponent + D + 1));
  if (!rounded.digits.empty() && rounded.exponent + 1 > P) {
    return writeScientific(negative, rounded);
  }
  return writeFixed(negative, rounded, D);
}

// Up to 18 significant digits the patterns round as FormatFixed does. A value that needs
// more, to show all its integer digits and the decimals, is written with the digits the
// extended value holds, rounded half away from zero from a few guard digits past the last
// one shown; never in the scientific form, which an entry field would refuse.
QString FormatPattern(Real value, const QString& pattern) {
  int decimals = 0;
  if (pattern == u"#0.00") {
    decimals = 2;
  } else if (pattern == u"#0.0000") {
    decimals = 4;
  } else {
    throw std::invalid_argument("FormatPattern: unknown pattern " + pattern.toStdString());
  }
  if (std::isnan(value)) failInvalidOperation();
  if (std::isinf(value)) failOverflow();
  if (value == 0) return writeFixed(false, Rounded{}, decimals);
  const int shown = toDecimal(std::fabs(value), kSignificantDigits).exponent + 1 + decimals;
  if (shown <= kSignificantDigits) return FormatFixed(value, kSignificantDigits, decimals);
  constexpr int kGuardDigits = 25;
  const Decimal decimal = toDecimal(std::fabs(value), shown + kGuardDigits);
  return writeFixed(value < 0, roundToDigits(decimal, decimal.exponent + 1 + decimals), decimals);
}

std::optional<std::uint8_t> FitPerYearCount(std::int32_t value) {
  if (value < 0 || value > 255) return std::nullopt;
  return static_cast<std::uint8_t>(value);
}

std::optional<std::uint16_t> FitCount16(std::int32_t value) {
  if (value < 0 || value > 65535) return std::nullopt;
  return static_cast<std::uint16_t>(value);
}

}  // namespace kalmoris
