#pragma once

#include "core/arith.h"
#include "core/solver.h"

#include <span>

namespace kalmoris {

// The period rate at which the schedule's present value changes sign, searched from `from`
// (where the chord iteration gave up or failed; the search's own sums are scaled and never
// overflow) by the bracketing search of core/rate_bracketing.h in x = ln(1 + i), and refined to
// the last bits of the extended format: with several rates, the first one met walking outward
// from `from`, above first. Raises NoRateFailure when the present value keeps one sign.
// `evaluations` is increased by the number of present values computed.
Real SearchPeriodRate(std::span<const SchedulePoint> schedule, Real from, int& evaluations);

}  // namespace kalmoris
