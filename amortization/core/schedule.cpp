#include "amortization/core/schedule.h"

namespace kalmoris {

namespace {
constexpr Real kPercent = 0.01L;

// Months between two instalments, or 0 when the date stays.
int monthStep(unsigned perYear) {
  switch (perYear) {
    case 12:
      return 1;
    case 6:
      return 2;
    case 4:
      return 3;
    case 3:
      return 4;
    case 2:
      return 6;
    case 1:
      return 12;
    default:
      return 0;
  }
}
}  // namespace

void AdvanceDate(ScheduleDate& date, unsigned perYear) {
  const int step = monthStep(perYear);
  if (step == 0) return;
  date.month += step;
  if (date.month > 12) {
    date.month -= 12;
    ++date.year;
  }
}

QString DateText(const ScheduleDate& date) {
  return QStringLiteral("%1 / %2").arg(date.month, 2, 10, QLatin1Char('0')).arg(date.year);
}

QString DateColumnText(const ScheduleDate& date, bool datesShown) {
  return datesShown ? DateText(date) : QStringLiteral("******");
}

SchedulePass::SchedulePass(Real capital, Real instalment, Real periodRate)
    : instalment_(instalment), periodRate_(periodRate), remaining_(capital) {}

ScheduleRow SchedulePass::next() {
  ScheduleRow row;
  row.interest = checked(checked(remaining_ * periodRate_) * kPercent);
  totalInterest_ = checked(totalInterest_ + row.interest);
  row.principal = checked(instalment_ - row.interest);
  totalPrincipal_ = checked(totalPrincipal_ + row.principal);
  remaining_ = checked(remaining_ - row.principal);
  row.remaining = remaining_;
  return row;
}

namespace {
void start(CurrencySchedule& schedule, Real capital, Real instalment, std::int32_t total) {
  schedule.capital = capital;
  schedule.instalment = instalment;
  schedule.rows.clear();
  schedule.rows.reserve(static_cast<std::size_t>(total));
  schedule.totalInterest = 0;
  schedule.totalPrincipal = 0;
}

void take(CurrencySchedule& schedule, const SchedulePass& pass, const ScheduleRow& row) {
  schedule.rows.push_back(row);
  schedule.totalInterest = pass.totalInterest();
  schedule.totalPrincipal = pass.totalPrincipal();
}
}  // namespace

void ComputeSchedule(const ScheduleInputs& inputs, DatedSchedule& schedule) {
  const std::int32_t total = inputs.total > 0 ? inputs.total : 0;
  schedule.total = total;
  schedule.datesShown = inputs.DatesShown();
  schedule.dates.clear();
  schedule.dates.reserve(static_cast<std::size_t>(total));
  start(schedule.typed, inputs.capital, inputs.instalment, total);
  start(schedule.other, inputs.otherCapital, inputs.otherInstalment, total);

  SchedulePass typed(inputs.capital, inputs.instalment, inputs.periodRate);
  SchedulePass other(inputs.otherCapital, inputs.otherInstalment, inputs.periodRate);
  ScheduleDate date{inputs.firstMonth, inputs.firstYear};
  for (std::int32_t k = 1; k <= total; ++k) {
    // The date and the instalment of a row stand before its interest is computed.
    schedule.dates.push_back(date);
    const ScheduleRow typedRow = typed.next();
    const ScheduleRow otherRow = other.next();
    take(schedule.typed, typed, typedRow);
    take(schedule.other, other, otherRow);
    AdvanceDate(date, inputs.perYear);
  }
}

}  // namespace kalmoris
