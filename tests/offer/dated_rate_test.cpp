#include "offer/core/dated_rate.h"
#include "tests/core/failure_expectations.h"
#include "tests/offer/offer_samples.h"

#include "offer/core/offer_flows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace kalmoris {
namespace {

using testing::FailsWith;

// Whole years: an annual periodicity with no days left.
AnnexTime Years(int years) {
  return {years, 0, 365, 1};
}

struct SeveralRatesCase {
  const char* name;
  std::vector<DatedAmount> flows;
  Real expected;
};

class SeveralRates : public ::testing::TestWithParam<SeveralRatesCase> {};

// Where the flows change sign more than once, the rate is the first met walking from 0 in cells
// of doubling width, above first, then below.
TEST_P(SeveralRates, GiveTheFirstRateMetFromZero) {
  EXPECT_NEAR(solveAnnualRate(GetParam().flows), GetParam().expected, 1e-15L);
}

INSTANTIATE_TEST_SUITE_P(
    Rates, SeveralRates,
    ::testing::Values(
        // -100 + 230 v - 132 v^2 = 0 at 10 % and 20 %.
        SeveralRatesCase{
            "TheNearerOfTwoAbove", {{Years(0), -100}, {Years(1), 230}, {Years(2), -132}}, 0.1L},
        // At 10 % and 10,5 %, in one cell of the walk: found by proving the cell's parts.
        SeveralRatesCase{"TwoInOneCellTheNearerEndFirst",
                         {{Years(0), -100}, {Years(1), 220.5L}, {Years(2), -121.55L}},
                         0.1L},
        // At -10 % and -20 %: nothing above, the nearer below.
        SeveralRatesCase{
            "TheNearerOfTwoBelow", {{Years(0), -100}, {Years(1), 170}, {Years(2), -72}}, -0.1L}),
    [](const auto& info) { return std::string(info.param.name); });

struct NoRateCase {
  const char* name;
  std::vector<DatedAmount> flows;
};

class NoRate : public ::testing::TestWithParam<NoRateCase> {};

TEST_P(NoRate, IsSaidInFrench) {
  EXPECT_TRUE(
      FailsWith<NoRateFailure>([&] { solveAnnualRate(GetParam().flows); }, testing::NoRate()));
}

INSTANTIATE_TEST_SUITE_P(
    Flows, NoRate,
    ::testing::Values(NoRateCase{"NothingRepaid", {{Years(0), -100}, {Years(1), 0}}},
                      NoRateCase{"NettedAwayOnOneDay", {{Years(1), -100}, {Years(1), 100}}},
                      // -100 + 200 v - 101 v^2 stays below zero: proved cell by cell.
                      NoRateCase{"TwoChangesOfSignAndNoRate",
                                 {{Years(0), -100}, {Years(1), 200}, {Years(2), -101}}}),
    [](const auto& info) { return std::string(info.param.name); });

// The curve's two ways of discounting, side by side.
class BothWays : public DatedPresentValue {
 public:
  using DatedPresentValue::DatedPresentValue;
  using DatedPresentValue::flowByFlow;
};

TEST(DatedPresentValue, ByPowersOfThePeriodAndFlowByFlowAgree) {
  const auto flows = ratedAmounts(
      offerFlows(testing::CommissionOffer(QDate(2012, 1, 12), QDate(2012, 2, 15), 1433.57L)),
      InsuranceCounted::All);
  const BothWays curve(flows);
  for (const Real x : {-3.0L, -0.5L, -0.01L, 0.0L, 0.0624L, 0.3L, 5.0L}) {
    SCOPED_TRACE(static_cast<double>(x));
    const CurvePoint fast = curve.at(x, expm1l(x), true);
    const CurvePoint slow = curve.flowByFlow(x, expm1l(x), true);
    const Real tolerance = 1e-16L * 480;
    EXPECT_NEAR(fast.value / expl(slow.logPaid), slow.value / expl(slow.logPaid), tolerance);
    EXPECT_NEAR(fast.logPaid, slow.logPaid, tolerance);
    EXPECT_NEAR(fast.logReceived, slow.logReceived, tolerance);
    EXPECT_NEAR(fast.slopePaid / slow.slopePaid, 1, tolerance);
    EXPECT_NEAR(fast.slopeReceived, slow.slopeReceived, tolerance);
  }
}

// 1 lent, 10^12 repaid the next day and 1 forty years later: the rate, e^(365 ln 10^12) - 1, is
// far beyond the powers of the period, and the flows are discounted one by one.
TEST(DatedPresentValue, FindsARateBeyondThePowersOfThePeriod) {
  const std::vector<DatedAmount> flows = {
      {{0, 0, 365, 12}, -1}, {{0, 1, 365, 12}, 1e12L}, {{480, 0, 365, 12}, 1}};
  const Real rate = solveAnnualRate(flows);
  EXPECT_NEAR(log1pl(rate) / (365 * logl(1e12L)), 1, 1e-15L);
}

}  // namespace
}  // namespace kalmoris
