#include "offer/core/offer_decimals.h"

#include <cmath>

namespace kalmoris {

namespace {

Real powerOfTen(int exponent) {
  Real result = 1;
  for (int k = 0; k < exponent; ++k) result *= 10;
  return result;
}

}  // namespace

std::optional<Real> decimalValue(const QString& text, int integerDigits, int decimals) {
  const qsizetype point = text.indexOf(u'.');
  const QString whole = point < 0 ? text : text.left(point);
  const QString fraction = point < 0 ? QString() : text.mid(point + 1);
  const auto allDigits = [](const QString& part) {
    for (const QChar c : part) {
      if (c < u'0' || c > u'9') return false;
    }
    return true;
  };
  if (whole.isEmpty() || whole.size() > integerDigits || !allDigits(whole)) return std::nullopt;
  if (point >= 0 && (fraction.isEmpty() || fraction.size() > decimals || !allDigits(fraction))) {
    return std::nullopt;
  }
  const qint64 units = (whole + fraction).toLongLong();
  return static_cast<Real>(units) / powerOfTen(int(fraction.size()));
}

QString decimalText(Real value, int decimals, bool trimZeros) {
  const long long units = llroundl(value * powerOfTen(decimals));
  QString digits = QString::number(units).rightJustified(decimals + 1, u'0');
  QString text = digits.left(digits.size() - decimals) + u'.' + digits.right(decimals);
  if (trimZeros) {
    while (text.endsWith(u'0')) text.chop(1);
    if (text.endsWith(u'.')) text.chop(1);
  }
  return text;
}

}  // namespace kalmoris
