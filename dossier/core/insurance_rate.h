#pragma once

#include "core/arith.h"
#include "core/solver.h"

#include <QString>

#include <optional>
#include <span>

namespace kalmoris {

// The insurance's own annual rate (the TAEA): the TEG of the groups minus the TEG of the
// same groups without their insurance, fees kept, in points.
struct InsuranceRates {
  Real proportional = 0;
  Real actuarial = 0;
};

// From the TEG's period rate, solving the schedule without insurance as the TEG is solved.
// Groups without insurance give 0 for both at once. No value when the schedule without
// insurance has no rate or its solve fails: the insurance's rate is then not shown.
std::optional<InsuranceRates> insuranceRatesOf(std::span<const RepaymentGroup> groups, Real tegRate,
                                               Real periodsPerYear);

// A rate in points with four decimals: "0,7170 point", "2,5000 points".
QString pointsText(Real points);

}  // namespace kalmoris
