#pragma once

#include "amortization/core/schedule.h"
#include "core/currency.h"

#include <cstdint>
#include <functional>

// The pass of a table written from the last display, over a range of instalments in one
// currency: the printed report and the spreadsheet file take the same instalments and amounts.

namespace kalmoris {

// The instalments to write, s to e. Those before s are computed but not written; none after e
// is computed; e beyond N runs to N.
struct ReportRange {
  std::int32_t first = 1;
  std::int32_t last = 0;
};

// The capital and instalment of a table in `currency`: those typed when the display was made
// in that currency, the other currency's otherwise.
struct ReportAmounts {
  Real capital = 0;
  Real instalment = 0;
};
ReportAmounts AmountsIn(const ScheduleInputs& inputs, MoneyUnit currency);

// One instalment computed by the pass, with its date; `written` from s on.
struct ReportInstalment {
  std::int32_t number = 0;
  ScheduleDate date;
  ScheduleRow values;
  bool written = false;
};

// Runs the pass from the capital in `amounts` and calls `visit` for each instalment computed,
// in order. Returns the pass, whose sums cover every instalment computed.
SchedulePass RunReportPass(const ScheduleInputs& inputs, ReportAmounts amounts, ReportRange range,
                           const std::function<void(const ReportInstalment&)>& visit);

}  // namespace kalmoris
