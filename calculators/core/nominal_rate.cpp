#include "calculators/core/nominal_rate.h"

#include "calculators/core/result_texts.h"
#include "core/numbers.h"

namespace kalmoris {

namespace {
constexpr int kIterationLimit = 200;
}  // namespace

bool CapitalIsRepaid(const NominalRateEntries& entries) {
  return entries.capital <= checked(Real(entries.total) * entries.instalment);
}

std::array<SchedulePoint, 2> NominalRateSchedule(const NominalRateEntries& entries) {
  return {SchedulePoint{-entries.capital, 1},
          SchedulePoint{entries.instalment, Real(entries.total)}};
}

void CalculateNominalRate(const NominalRateEntries& entries, MoneyUnit unit,
                          const ShowNominalRateText& show) {
  show(NominalRateText::CapitalEntry, FormatFixed(entries.capital, 10, 2));
  show(NominalRateText::PerYearEntry, QString::number(entries.perYear));
  show(NominalRateText::InstalmentEntry, FormatFixed(entries.instalment, 10, 2));
  show(NominalRateText::TotalEntry, QString::number(entries.total));
  if (unit != MoneyUnit::None) {
    show(NominalRateText::OtherCapital, OtherCurrencyText(entries.capital, unit));
    show(NominalRateText::OtherInstalment, OtherCurrencyText(entries.instalment, unit));
  }

  const Real perYear = entries.perYear;
  const std::array<SchedulePoint, 2> schedule = NominalRateSchedule(entries);
  const Real r = PeriodRateSolver::solve(schedule, perYear, kIterationLimit, StopOrder::TestFirst);
  show(NominalRateText::PeriodRate, PercentText(checked(r * 100), 10, 7));
  show(NominalRateText::ProportionalRate, PercentText(checked(checked(perYear * r) * 100), 8, 4));
  const Real compounded = exponential(checked(naturalLog(checked(r + 1)) * perYear));
  show(NominalRateText::ActuarialRate, PercentText(checked((compounded - 1) * 100), 8, 4));
}

}  // namespace kalmoris
