#include "offer/core/schedule_generator.h"

#include "core/errors.h"
#include "offer/core/offer_checks.h"

#include <algorithm>
#include <cmath>

namespace kalmoris {

namespace {

// 90 billion euros in cents: its millionths of a cent still fit a 64-bit integer.
constexpr Real kMostCents = 9e12L;
constexpr std::int64_t kMicrosPerCent = 1000000;

// a(n) = (1 - (1 + i)^-n) / i, the present value of n instalments of 1; n itself at a zero
// rate.
Real annuityFactor(Real periodRate, int count) {
  if (periodRate == 0) return count;
  return divide(1 - power(1 + periodRate, -static_cast<Real>(count)), periodRate);
}

// The interest of `capital` over a fraction of the year, rounded to the cent.
Cents interestOf(Cents capital, Real yearFraction) {
  return roundToCents(euros(capital) * yearFraction);
}

// What the rules share: the dates, the rates and the premiums.
class Generation {
 public:
  explicit Generation(const Offer& offer)
      : offer_(offer),
        terms_(offer.terms),
        first_(ScheduleDay::of(offer.firstInstalment)),
        monthsPerPeriod_(*monthsPerPeriod(offer.periodsPerYear)),
        rate_(terms_.debitRate.value_or(0) / 100),
        periodRate_(rate_ / offer.periodsPerYear),
        capital_(roundToCents(offer.drawdowns.front().amount)) {}

  Real rate() const { return rate_; }
  Real periodRate() const { return periodRate_; }
  Cents capital() const { return capital_; }
  int count() const { return terms_.instalmentCount.value_or(0); }
  int deferred() const { return terms_.deferral ? terms_.deferral->count : 0; }
  bool totalDeferral() const {
    return terms_.deferral && terms_.deferral->kind == DeferralKind::Total;
  }

  // Instalment k (from 0), dated, with its premium on the capital before it.
  GeneratedInstalment row(int k, Cents capitalBefore) const {
    GeneratedInstalment row;
    row.day = first_.addMonths(k * monthsPerPeriod_);
    row.date = row.day.date();
    row.insurance = premium(capitalBefore);
    return row;
  }

  // The first period when it is not one period long: the year's fraction of its exact days.
  bool firstPeriodIsBroken() const {
    return ScheduleDay::of(payout()).addMonths(monthsPerPeriod_).date() != offer_.firstInstalment;
  }
  Real brokenPeriodFraction() const {
    return rate_ * payout().daysTo(offer_.firstInstalment) / terms_.brokenPeriodDays.value_or(365);
  }
  // The first period in years, by the credit directives' calendar.
  Real firstPeriodYears() const {
    return annexTime(payout(), first_, offer_.periodsPerYear).years();
  }

 private:
  QDate payout() const { return offer_.drawdowns.front().date; }

  Cents premium(Cents capitalBefore) const {
    const InsuranceTerms insurance = terms_.insurance.value_or(InsuranceTerms{});
    const Real periodShare = insurance.annualRate.value_or(0) / 100 / offer_.periodsPerYear;
    switch (insurance.mode) {
      case InsuranceMode::Fixed:
        return roundToCents(insurance.premium.value_or(0));
      case InsuranceMode::InitialCapital:
        return interestOf(capital_, periodShare);
      case InsuranceMode::RemainingCapital:
        return interestOf(capitalBefore, periodShare);
      case InsuranceMode::None:
        break;
    }
    return 0;
  }

  const Offer& offer_;
  const OfferTerms& terms_;
  ScheduleDay first_;
  int monthsPerPeriod_;
  Real rate_;
  Real periodRate_;
  Cents capital_;
};

void settle(GeneratedInstalment& row, Cents& capital) {
  row.payment = row.split.interest + row.split.capitalRepaid;
  capital -= row.split.capitalRepaid;
  row.split.capitalRemaining = capital;
}

GeneratedSchedule contractSchedule(const Generation& generation) {
  const int deferred = generation.deferred();
  const Real firstFraction = generation.firstPeriodIsBroken() ? generation.brokenPeriodFraction()
                                                              : generation.periodRate();
  GeneratedSchedule schedule;
  Cents capital = generation.capital();
  for (int k = 0; k < generation.count(); ++k) {
    GeneratedInstalment row = generation.row(k, capital);
    InstalmentSplit& split = row.split;
    split.interest = interestOf(capital, k == 0 ? firstFraction : generation.periodRate());
    if (k < deferred) {
      if (generation.totalDeferral()) split.capitalRepaid = -split.interest;
    } else if (k == generation.count() - 1) {
      split.capitalRepaid = capital;
    } else {
      if (k == deferred)
        schedule.constantPayment = roundToCents(
            euros(capital) / annuityFactor(generation.periodRate(), generation.count() - k));
      // A broken first period changes the interest paid, not the capital repaid.
      const Cents regularInterest = interestOf(capital, generation.periodRate());
      // The rounding up of a tiny loan's instalments may repay it early: never repay more.
      split.capitalRepaid = std::min(schedule.constantPayment - regularInterest, capital);
    }
    settle(row, capital);
    schedule.instalments.push_back(row);
  }
  if (deferred == generation.count() - 1)
    schedule.constantPayment = schedule.instalments.back().payment;
  return schedule;
}

GeneratedSchedule commissionSchedule(const Generation& generation) {
  const Real firstFraction = generation.rate() * generation.firstPeriodYears();
  GeneratedSchedule schedule;
  schedule.constantPayment =
      roundToCents(euros(generation.capital()) * (1 + firstFraction) /
                   (1 + annuityFactor(generation.periodRate(), generation.count() - 1)));
  Cents capital = generation.capital();
  for (int k = 0; k < generation.count(); ++k) {
    GeneratedInstalment row = generation.row(k, capital);
    row.split.interest = interestOf(capital, k == 0 ? firstFraction : generation.periodRate());
    row.split.capitalRepaid = schedule.constantPayment - row.split.interest;
    settle(row, capital);
    schedule.instalments.push_back(row);
  }
  return schedule;
}

std::vector<GeneratedStep> stepsOf(const std::vector<GeneratedInstalment>& instalments) {
  std::vector<GeneratedStep> steps;
  for (const GeneratedInstalment& row : instalments) {
    if (!steps.empty() && steps.back().payment == row.payment &&
        steps.back().insurance == row.insurance)
      ++steps.back().count;
    else
      steps.push_back({1, row.payment, row.insurance});
  }
  return steps;
}

// The interest of `capital` from `start` (as the schedule names it) to `end`, unrounded: a
// whole period at the period rate, a broken one by its days.
Real stretchInterest(const Offer& offer, Cents capital, ScheduleDay start, QDate end) {
  const Real rate = offer.terms.debitRate.value_or(0) / 100;
  const int months = *monthsPerPeriod(offer.periodsPerYear);
  if (start.addMonths(months).date() == end) return euros(capital) * rate / offer.periodsPerYear;
  return euros(capital) * rate * start.date().daysTo(end) /
         offer.terms.brokenPeriodDays.value_or(365);
}

}  // namespace

Cents roundToCents(Real euros) {
  const Real cents = checked(euros * 100);
  if (std::fabs(cents) > kMostCents) failOverflow();
  const std::int64_t micros = std::llround(cents * kMicrosPerCent);
  const std::int64_t half = (micros < 0 ? -kMicrosPerCent : kMicrosPerCent) / 2;
  return (micros + half) / kMicrosPerCent;  // the division truncates towards zero
}

GeneratedSchedule generateSchedule(const Offer& offer) {
  checkOffer(offer);
  if (!offer.terms.generated()) {
    throw OfferFailure(QStringLiteral("nombre_echeances"), 0, {},
                       QStringLiteral("absente : les échéances de cette offre sont ses paliers."));
  }
  const Generation generation(offer);
  const bool commission = offer.terms.rule == InstalmentRule::Commission;
  GeneratedSchedule schedule =
      commission ? commissionSchedule(generation) : contractSchedule(generation);
  schedule.steps = stepsOf(schedule.instalments);
  return schedule;
}

std::vector<InstalmentSplit> splitTypedInstalments(const Offer& offer) {
  std::vector<InstalmentSplit> splits;
  if (!offer.terms.debitRate) return splits;
  std::vector<Drawdown> drawdowns = offer.drawdowns;
  std::stable_sort(drawdowns.begin(), drawdowns.end(),
                   [](const Drawdown& a, const Drawdown& b) { return a.date < b.date; });
  const int months = *monthsPerPeriod(offer.periodsPerYear);
  const ScheduleDay first = ScheduleDay::of(offer.firstInstalment);
  auto drawdown = drawdowns.begin();
  Cents owed = 0;
  ScheduleDay since = ScheduleDay::of(drawdown->date);
  int number = 0;
  for (const InstalmentStep& step : offer.steps) {
    for (int k = 0; k < step.count; ++k, ++number) {
      const ScheduleDay day = first.addMonths(number * months);
      const QDate date = day.date();
      // A drawdown on an instalment's day comes before it.
      Real interest = 0;
      for (; drawdown != drawdowns.end() && drawdown->date <= date; ++drawdown) {
        interest += stretchInterest(offer, owed, since, drawdown->date);
        owed += roundToCents(drawdown->amount);
        since = ScheduleDay::of(drawdown->date);
      }
      interest += stretchInterest(offer, owed, since, date);
      InstalmentSplit split;
      split.interest = roundToCents(interest);
      split.capitalRepaid = roundToCents(step.amount) - split.interest;
      owed -= split.capitalRepaid;
      split.capitalRemaining = owed;
      splits.push_back(split);
      since = day;
    }
  }
  return splits;
}

}  // namespace kalmoris
