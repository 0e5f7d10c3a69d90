#pragma once

#include "amortization/core/schedule.h"
#include "core/currency.h"
#include "core/rates.h"

namespace kalmoris::testing {

// The inputs a display derives from typed values, in the order the screen computes them.
inline ScheduleInputs LoanInputs(MoneyUnit unit, RateKind kind, Real capital, Real annualRate,
                                 std::uint8_t perYear, std::int32_t total, std::int32_t month = 0,
                                 std::int32_t year = 0) {
  ScheduleInputs inputs;
  inputs.unit = unit;
  inputs.kind = kind;
  inputs.capital = capital;
  inputs.otherCapital = OtherCurrencyValue(capital, unit).value();
  inputs.annualRate = annualRate;
  inputs.perYear = perYear;
  inputs.total = total;
  inputs.firstMonth = month;
  inputs.firstYear = year;
  inputs.periodRate = PeriodRateFromAnnual(kind, annualRate, perYear);
  inputs.instalment = InstalmentOf(capital, inputs.periodRate, total);
  inputs.otherInstalment = InstalmentOf(inputs.otherCapital, inputs.periodRate, total);
  return inputs;
}

// 100 000 Francs at 6 % proportional, 12 a year, 240 instalments from March 2002.
inline ScheduleInputs FrancsLoan(std::int32_t month = 3, std::int32_t year = 2002) {
  return LoanInputs(MoneyUnit::Francs, RateKind::Proportional, 100000, 6, 12, 240, month, year);
}

}  // namespace kalmoris::testing
