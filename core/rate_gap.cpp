#include "core/rate_gap.h"

#include "core/numbers.h"

#include <cmath>
#include <cstdlib>

namespace kalmoris {

namespace {

constexpr std::int64_t kTolerance = 1000;  // 0,1 point, in ten-thousandths
// Beyond this many points a difference no longer fits in ten-thousandths of 64 bits.
constexpr Real kLargestDifference = 1e14L;

}  // namespace

bool RateComparison::exact() const {
  return !beyondRange && std::llabs(difference) < kTolerance;
}

RateComparison compareRates(Real announced, Real computed) {
  RateComparison comparison;
  const Real difference = announced - computed;
  if (!std::isfinite(difference) || std::fabs(difference) >= kLargestDifference) {
    comparison.beyondRange = true;
    comparison.difference = difference < 0 ? -1 : 1;
  } else {
    comparison.difference = std::llround(difference * 10000);
  }
  return comparison;
}

Real fourDecimals(Real rate) {
  return StrToFloat(fourDecimalsText(rate));
}

QString fourDecimalsText(Real rate) {
  return FormatPattern(rate, QStringLiteral("#0.0000"));
}

Real readShownRate(const QString& shown) {
  QString number = shown;
  number.remove(QLatin1Char('%'));
  return StrToFloat(number);
}

QString pointUnit(Real points) {
  return std::fabs(points) >= 2 ? QStringLiteral(" points") : QStringLiteral(" point");
}

QString tenThousandthsText(std::int64_t units) {
  const std::uint64_t magnitude = units < 0 ? 0 - static_cast<std::uint64_t>(units) : units;
  return QStringLiteral("%1,%2").arg(magnitude / 10000).arg(magnitude % 10000, 4, 10, QChar(u'0'));
}

QString gapText(const RateComparison& comparison) {
  if (comparison.beyondRange)
    return QStringLiteral("plus de 10^14") + pointUnit(kLargestDifference);
  return tenThousandthsText(comparison.difference) +
         pointUnit(static_cast<Real>(comparison.difference) / 10000);
}

QString directionText(const RateComparison& comparison) {
  return comparison.difference < 0 ? QStringLiteral("minoré") : QStringLiteral("majoré");
}

QString exactnessText(const RateComparison& comparison) {
  return comparison.exact() ? QStringLiteral("exact à la décimale")
                            : QStringLiteral("inexact à la décimale");
}

}  // namespace kalmoris
