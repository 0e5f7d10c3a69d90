#pragma once

#include "core/annex_calendar.h"
#include "core/rate_bracketing.h"

#include <span>
#include <vector>

// The annual rate X of dated flows: Σ amount (1 + X)^-t = 0, each t the flow's time in years from
// the origin as the calendar counts it, whole periods and days.

namespace kalmoris {

// A flow as the rate sees it: what the borrower pays positive, what the borrower receives
// negative. Every time of one set of flows counts periods of the same length.
struct DatedAmount {
  AnnexTime time;
  Real amount = 0;
};

// The present value of dated flows at x = ln(1 + X). Flows at the same time are netted first.
// A point costs one power for the period, one per distinct count of days and a product per flow:
// the discount of k whole periods is the period's, multiplied k times along the schedule (and taken
// afresh every 32 periods, so that the rounding of the products does not build up). Where
// |x| times the farthest time could take a power beyond the extended format, the point is taken
// flow by flow instead, scaled on the nearest flow (the earliest above x = 0, the latest below).
class DatedPresentValue : public PresentValueCurve {
 public:
  explicit DatedPresentValue(std::span<const DatedAmount> flows);

  CurvePoint at(Real x, Real rate, bool withSlopes) const override;
  // What the netted amounts, in time order, tell of the present value.
  const CurveShape& shape() const { return shape_; }

 protected:
  struct Flow {
    int periods;   // whole periods from the origin
    int dayIndex;  // into dayYears_
    Real years;    // the time in years
    Real amount;
  };
  // The point with one power per flow.
  CurvePoint flowByFlow(Real x, Real rate, bool withSlopes) const;
  // Calls visit(flow, e^(-t x)) for each flow, in time order, by powers of the period and days.
  template <typename Visit>
  void eachDiscount(Real x, Visit visit) const;

  std::vector<Flow> flows_;     // netted, in time order
  std::vector<Real> dayYears_;  // each distinct days / yearDays
  int periodsPerYear_ = 12;
  Real farthest_ = 0;  // the largest |t|
  CurveShape shape_;
  // The discounts of the days at the point being computed, kept to spare an allocation.
  mutable std::vector<Real> dayFactors_;
};

// The annual rate (a fraction) at which the flows balance, exact to the extended format, searched
// from X = 0: with several rates, the first one met in cells of doubling width in x = ln(1 + X),
// the first ones 2^-10 wide, above 0 first, then below, in turn. Raises NoRateFailure when none
// balances them. `evaluations`, when given, is increased by the number of present values computed.
Real solveAnnualRate(std::span<const DatedAmount> flows, int* evaluations = nullptr);

}  // namespace kalmoris
