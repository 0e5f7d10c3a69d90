#include "calculators/core/instalment.h"

#include "calculators/core/result_texts.h"
#include "core/numbers.h"
#include "core/rates.h"

namespace kalmoris {

void CalculateInstalment(const InstalmentEntries& entries, MoneyUnit unit, RateKind kind,
                         const ShowInstalmentText& show) {
  const Real perYear = entries.perYear;
  const Real periodPercent = PeriodRateFromAnnual(kind, entries.annualRate, perYear);
  show(InstalmentText::PeriodRate, PeriodRateText(periodPercent));
  const Real instalment = InstalmentOf(entries.capital, periodPercent, entries.total);
  show(InstalmentText::Instalment, FormatFixed(instalment, 10, 2));
  // The equivalent actuarial rate carries seven decimals, the proportional one four.
  show(InstalmentText::EquivalentRate,
       kind == RateKind::Actuarial
           ? PercentText(ProportionalFromPeriod(periodPercent, perYear), 10, 4)
           : PercentText(ActuarialFromPeriod(periodPercent, perYear), 10, 7));

  show(InstalmentText::OtherCapital, OtherCurrencyText(entries.capital, unit));
  show(InstalmentText::CapitalUnit, UnitName(unit));
  show(InstalmentText::OtherCapitalUnit, OtherUnitName(unit));
  show(InstalmentText::OtherInstalment, OtherCurrencyText(instalment, unit));
  show(InstalmentText::InstalmentUnit, UnitName(unit));
  show(InstalmentText::OtherInstalmentUnit, OtherUnitName(unit));
}

}  // namespace kalmoris
