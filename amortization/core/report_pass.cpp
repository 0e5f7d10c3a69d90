#include "amortization/core/report_pass.h"

namespace kalmoris {

ReportAmounts AmountsIn(const ScheduleInputs& inputs, MoneyUnit currency) {
  if (inputs.unit == currency) return {inputs.capital, inputs.instalment};
  return {inputs.otherCapital, inputs.otherInstalment};
}

SchedulePass RunReportPass(const ScheduleInputs& inputs, ReportAmounts amounts, ReportRange range,
                           const std::function<void(const ReportInstalment&)>& visit) {
  SchedulePass pass(amounts.capital, amounts.instalment, inputs.periodRate);
  ReportInstalment instalment;
  instalment.date = {inputs.firstMonth, inputs.firstYear};
  for (std::int32_t k = 1; k <= inputs.total; ++k) {
    // After e, no instalment is taken at all.
    if (k >= range.first && k > range.last) break;
    instalment.number = k;
    instalment.written = k >= range.first;
    instalment.values = pass.next();
    visit(instalment);
    AdvanceDate(instalment.date, inputs.perYear);
  }
  return pass;
}

}  // namespace kalmoris
