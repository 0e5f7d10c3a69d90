#pragma once

#include "core/arith.h"
#include "core/solver.h"

#include <span>

namespace kalmoris {

// The period rate at which the schedule's present value changes sign, searched from `from` (where
// the chord iteration gave up; the search's own sums are scaled and never overflow) and refined to
// the last bits of the extended format. With x = ln(1 + i), the search walks cells of doubling
// width, first above x(from) then below, in turn, each side up to the bound beyond which no rate
// can lie, and refines the rate of the first cell whose ends differ in sign. Where the payments
// change sign only once there is one rate, and only its side is walked. Where they change sign more
// often and no cell shows a change, the same cells are searched again in the same order, each split
// until the sign is proved constant on every part; the first change found, nearer end first, gives
// the rate. Raises NoRateFailure when the present value keeps one sign. `evaluations` is increased
// by the number of present values computed.
Real SearchPeriodRate(std::span<const SchedulePoint> schedule, Real from, int& evaluations);

}  // namespace kalmoris
