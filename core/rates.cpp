#include "core/rates.h"

#include <stdexcept>

// Each formula is written one operation per statement, in the order the results are expected
// to be computed, so that the rounding of every intermediate is the same.

namespace kalmoris {

namespace {
constexpr Real kPercent = 0.01L;
}  // namespace

Real PeriodRateFromAnnual(RateKind kind, Real annualPercent, Real perYear) {
  // The screens compute only once both choices are made.
  if (kind == RateKind::Undetermined) {
    throw std::invalid_argument("PeriodRateFromAnnual: the rate kind is not chosen");
  }
  if (kind == RateKind::Proportional) return divide(annualPercent, perYear);
  Real t = checked(annualPercent * kPercent);
  t = checked(t + 1);
  t = naturalLog(t);
  const Real u = divide(1, perYear);
  t = checked(t * u);
  t = exponential(t);
  t = t - 1;
  return checked(t * 100);
}

Real ActuarialFromPeriod(Real periodPercent, Real perYear) {
  Real t = checked(checked(periodPercent * kPercent) + 1);
  t = checked(naturalLog(t) * perYear);
  t = exponential(t) - 1;
  return checked(t * 100);
}

Real ProportionalFromPeriod(Real periodPercent, Real perYear) {
  return checked(perYear * periodPercent);
}

Real InstalmentOf(Real capital, Real periodPercent, Real totalCount) {
  // A loan at zero rate repays its capital in equal parts.
  if (periodPercent == 0) return divide(capital, totalCount);
  const Real numerator = checked(checked(periodPercent * kPercent) * capital);
  const Real base = checked(checked(periodPercent * kPercent) + 1);
  const Real v = exponential(checked(naturalLog(base) * -totalCount));
  const Real denominator = 1 - v;
  return divide(numerator, denominator);
}

Real CapitalOf(Real instalment, Real periodPercent, Real totalCount) {
  if (periodPercent == 0) return checked(instalment * totalCount);
  const Real i = checked(periodPercent * kPercent);
  const Real v = exponential(checked(naturalLog(checked(i + 1)) * -totalCount));
  return checked((1 - v) * divide(instalment, i));
}

}  // namespace kalmoris
