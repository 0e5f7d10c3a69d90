#include "calculators/core/capital.h"

#include "calculators/core/result_texts.h"
#include "core/numbers.h"
#include "core/rates.h"

namespace kalmoris {

QString FirstOtherInstalmentText(Real instalment, MoneyUnit unit) {
  return OtherCurrencyText(instalment, unit, 8);
}

void CalculateCapital(const CapitalEntries& entries, MoneyUnit unit, RateKind kind,
                      const ShowCapitalText& show) {
  const Real periodPercent = PeriodRateFromAnnual(kind, entries.annualRate, entries.perYear);
  show(CapitalText::PeriodRate, PeriodRateText(periodPercent));
  const Real capital = CapitalOf(entries.instalment, periodPercent, entries.total);
  show(CapitalText::Capital, FormatFixed(capital, 10, 2));
  show(CapitalText::OtherCapital, OtherCurrencyText(capital, unit));

  show(CapitalText::InstalmentUnit, UnitName(unit));
  show(CapitalText::OtherInstalmentUnit, OtherUnitName(unit));
  show(CapitalText::OtherInstalment, OtherCurrencyText(entries.instalment, unit));
  show(CapitalText::CapitalUnit, UnitName(unit));
  show(CapitalText::OtherCapitalUnit, OtherUnitName(unit));
}

}  // namespace kalmoris
