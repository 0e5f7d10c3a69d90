#include "dossier/core/insurance_rate.h"

#include "core/errors.h"
#include "core/numbers.h"
#include "core/rate_gap.h"

#include <algorithm>
#include <vector>

namespace kalmoris {

std::optional<InsuranceRates> insuranceRatesOf(std::span<const RepaymentGroup> groups, Real tegRate,
                                               Real periodsPerYear) {
  const bool insured = std::any_of(groups.begin(), groups.end(), [](const RepaymentGroup& group) {
    return group.insurance != 0;
  });
  if (!insured) return InsuranceRates{};
  try {
    std::vector<SchedulePoint> uninsured;
    uninsured.reserve(groups.size());
    for (const RepaymentGroup& group : groups)
      uninsured.push_back({checked(group.amount + group.fees), group.count});
    const Real rate =
        PeriodRateSolver::solve(uninsured, periodsPerYear, 200, StopOrder::UpdateFirst);
    const auto annual = [periodsPerYear](Real period) {
      return checked(power(checked(1 + period), periodsPerYear) - 1);
    };
    return InsuranceRates{checked(checked(checked(tegRate - rate) * periodsPerYear) * 100),
                          checked(checked(annual(tegRate) - annual(rate)) * 100)};
  } catch (const NoRateFailure&) {
  } catch (const ArithmeticFailure&) {
  }
  return std::nullopt;
}

QString pointsText(Real points) {
  return FormatFixed(points, 8, 4) + pointUnit(points);
}

}  // namespace kalmoris
