#pragma once

#include "core/arith.h"

#include <QString>

#include <span>

namespace kalmoris {

// One run of equal periodic amounts of a loan.
struct RepaymentGroup {
  int number = 0;      // position in the list, from 1
  Real amount = 0;     // paid at the end of each period; the capital is negative, a time shift 0
  Real count = 0;      // periods of the group, may be fractional or negative
  Real insurance = 0;  // paid with each payment
  Real fees = 0;       // attached to the group
  Real cumul = 0;      // amount + insurance + fees, the all-in amount per period
};

// What the solver reads of a group: its payment (amount or cumul) and its count.
struct SchedulePoint {
  Real payment = 0;
  Real count = 0;
};

// Sum over the groups of (1 + i)^(-t) * payment * (1 - (1 + i)^(-n)) / i, where t is the
// total count of the groups before. Zero groups give 0.
Real GroupedPresentValue(std::span<const SchedulePoint> schedule, Real i);

// Where the one-sided stopping test 0 < f <= 1e-11 stands in each iteration.
enum class StopOrder { TestFirst, UpdateFirst };

// The period rate (a fraction) at which the schedule's present value is zero. First the chord
// iteration, starting from 0.4 / P and 0.01 / P with the second point fixed: when it meets its
// stopping test, its value is returned as it is. When it reaches its iteration limit instead, or
// fails on its arithmetic after both starting points, a bracketing search takes over from the
// last rate it evaluated and returns the rate exact to the extended format, or raises
// NoRateFailure when no rate exists. When a starting point fails on its arithmetic, the search
// takes over from the second one, and the failure stands only where no rate exists. A present
// value of zero at both (nothing is paid) stops the solve with the invalid operation.
class PeriodRateSolver {
 public:
  struct Trace {
    int iterations = 0;            // chord steps after the first one
    int evaluations = 0;           // present values the iteration computed
    bool converged = false;        // the iteration met its stopping test
    bool iterationFailed = false;  // it failed on its arithmetic, at a starting point or after
    QString iterationFailure;      // with this message
    Real iterationRate = 0;        // what the iteration alone returns, when it did not fail
    bool searched = false;         // the search took over
    int searchEvaluations = 0;     // present values the search computed
  };
  static Real solve(std::span<const SchedulePoint> schedule, Real periodsPerYear,
                    int iterationLimit, StopOrder order, Trace* trace = nullptr);
};

}  // namespace kalmoris
