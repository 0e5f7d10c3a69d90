#pragma once

#include "core/arith.h"
#include "core/currency.h"

#include <QString>

// How the quick calculators write their results: currency names, amounts converted into the
// other currency, rates in percent.
namespace kalmoris {

// The name of the other currency; empty when no currency is chosen.
QString OtherUnitName(MoneyUnit unit);

// The amount converted into the other currency, written with FormatFixed (P significant
// digits, 2 decimals); empty when no currency is chosen.
QString OtherCurrencyText(Real amount, MoneyUnit unit, int significantDigits = 10);

// A rate in percent followed by " %".
QString PercentText(Real percent, int significantDigits, int decimals);

// A period rate in percent as the instalment and capital screens show it: two spaces, seven
// decimals, " %".
QString PeriodRateText(Real periodPercent);

}  // namespace kalmoris
