#include "calculators/core/result_texts.h"

#include "core/numbers.h"

namespace kalmoris {

QString OtherUnitName(MoneyUnit unit) {
  return UnitName(OtherUnit(unit));
}

QString OtherCurrencyText(Real amount, MoneyUnit unit, int significantDigits) {
  const std::optional<Real> converted = OtherCurrencyValue(amount, unit);
  return converted ? FormatFixed(*converted, significantDigits, 2) : QString();
}

QString PercentText(Real percent, int significantDigits, int decimals) {
  return FormatFixed(percent, significantDigits, decimals) + QStringLiteral(" %");
}

QString PeriodRateText(Real periodPercent) {
  return QStringLiteral("  ") + PercentText(periodPercent, 10, 7);
}

}  // namespace kalmoris
