#include "core/solver.h"

#include "core/errors.h"
#include "core/rate_search.h"

#include <cfenv>
#include <cmath>

namespace kalmoris {

namespace {

constexpr Real kFirstStart = 0.4L;
constexpr Real kSecondStart = 0.01L;
constexpr Real kTolerance = 1e-11L;

// One-sided on purpose: a present value at or below zero never stops the run.
bool closeEnough(Real f) {
  return 0 < f && f <= kTolerance;
}

// The secant through (x0, f0) and the fixed point (x1, f1).
Real chord(Real x0, Real f0, Real x1, Real f1) {
  const Real numerator = checked(checked(x1 * f0) - checked(x0 * f1));
  return divide(numerator, checked(f0 - f1));
}

// The walk over the groups, checked or not. Both take the same operations in the same order, so
// they give the same bits; the checked one raises the failure of the first faulty operation.
template <bool Checked>
Real walkGroups(std::span<const SchedulePoint> schedule, Real i) {
  const auto finite = [](Real value) {
    if constexpr (Checked) return checked(value);
    return value;
  };
  const auto exp = [](Real x) {
    if constexpr (Checked) return exponential(x);
    return expl(x);
  };
  // (1 + i)^y is exp(y * ln(1 + i)); the logarithm is the same for every power of this rate.
  Real logBase;
  if constexpr (Checked) {
    logBase = naturalLog(checked(1 + i));
  } else {
    logBase = logl(1 + i);
  }
  Real sum = 0;
  Real offset = 0;
  Real count = 0;
  Real factor = 0;
  bool haveFactor = false;
  for (const SchedulePoint& group : schedule) {
    // Runs of groups with the same count share their annuity factor.
    if (!haveFactor || group.count != count) {
      count = group.count;
      const Real discount = exp(finite(-count * logBase));
      if constexpr (Checked) {
        factor = divide(1 - discount, i);
      } else {
        factor = (1 - discount) / i;
      }
      haveFactor = true;
    }
    const Real shift = exp(finite(-offset * logBase));
    const Real term = finite(finite(shift * group.payment) * factor);
    sum = finite(sum + term);
    offset = finite(offset + group.count);
  }
  return sum;
}

}  // namespace

// Up to 1003 present values of 360 groups per solve: checking each operation costs as much as
// the powers themselves, so the walk runs unchecked and is repeated checked only when the
// floating-point unit reports an overflow, an invalid operation or a division by zero.
Real GroupedPresentValue(std::span<const SchedulePoint> schedule, Real i) {
  if (schedule.empty()) return 0;
  constexpr int kFaults = FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO;
  std::fexcept_t callerFlags;
  std::fegetexceptflag(&callerFlags, kFaults);
  std::feclearexcept(kFaults);
  const Real sum = walkGroups<false>(schedule, i);
  const bool faulted = std::fetestexcept(kFaults) != 0 || !std::isfinite(sum);
  std::fesetexceptflag(&callerFlags, kFaults);
  if (!faulted) return sum;
  return walkGroups<true>(schedule, i);
}

Real PeriodRateSolver::solve(std::span<const SchedulePoint> schedule, Real periodsPerYear,
                             int iterationLimit, StopOrder order, Trace* trace) {
  Trace local;
  Trace& counts = trace != nullptr ? *trace : local;
  counts = Trace{};
  const auto presentValue = [&](Real rate) {
    ++counts.evaluations;
    return GroupedPresentValue(schedule, rate);
  };

  Real x0 = divide(kFirstStart, periodsPerYear);
  const Real x1 = divide(kSecondStart, periodsPerYear);
  Real f0 = 0;
  Real f1 = 0;
  try {
    f0 = presentValue(x0);
    f1 = presentValue(x1);
  } catch (const ArithmeticFailure& failure) {
    // No chord can start, but a rate may exist all the same (a payment far from the origin
    // overflows a power at 0.4 / P): the search finds it; its failure stands only where the
    // search proves there is none.
    counts.iterationFailed = true;
    counts.iterationFailure = failure.message();
    counts.searched = true;
    try {
      return SearchPeriodRate(schedule, x1, counts.searchEvaluations);
    } catch (const NoRateFailure&) {
      throw failure;
    }
  }
  Real i = x1;
  // Then the first chord is 0 / 0, and there is nothing to search.
  const bool bothZero = f0 == 0 && f1 == 0;
  // The last rate whose present value is known: where the search starts.
  Real reached = i;
  try {
    Real x = chord(x0, f0, x1, f1);
    i = x;
    Real f = presentValue(i);
    reached = i;
    // k counts the evaluated steps, the first one included, and the run ends when k passes the
    // limit; the trace counts k - 1. A limit of 0 or less ends with the first step.
    for (int k = 1; k <= iterationLimit; ++k, ++counts.iterations) {
      if (order == StopOrder::TestFirst && closeEnough(f)) {
        counts.converged = true;
        break;
      }
      x0 = i;
      f0 = f;
      x = chord(x0, f0, x1, f1);
      // Stopping here returns the step taken from the last rate, never evaluated.
      if (order == StopOrder::UpdateFirst && closeEnough(f)) {
        counts.converged = true;
        break;
      }
      i = x;
      f = presentValue(i);
      reached = i;
    }
    counts.iterationRate = x;
    if (counts.converged) return x;
  } catch (const ArithmeticFailure& failure) {
    if (bothZero) throw;
    counts.iterationFailed = true;
    counts.iterationFailure = failure.message();
  }
  counts.searched = true;
  return SearchPeriodRate(schedule, reached, counts.searchEvaluations);
}

}  // namespace kalmoris
