#include "offer/core/offer_results.h"
#include "core/numbers.h"
#include "tests/core/failure_expectations.h"
#include "tests/offer/offer_samples.h"

#include <gtest/gtest.h>

#include <string>

namespace kalmoris {
namespace {

using testing::CommissionOffer;
using testing::ExampleOne;

// A rate as the report shows it: six decimals.
QString SixDecimals(Real percent) {
  return FormatFixed(percent, 18, 6);
}

struct CommissionCase {
  const char* name;
  Offer offer;
  const char* taeg;
  const char* taea;  // four decimals
};

class CommissionExamples : public ::testing::TestWithParam<CommissionCase> {};

TEST_P(CommissionExamples, GiveThePublishedTaegToTheLastDecimal) {
  const OfferResults results = computeOfferResults(GetParam().offer);
  EXPECT_EQ(SixDecimals(results.taeg), QString::fromUtf8(GetParam().taeg));
  ASSERT_TRUE(results.taea.has_value());
  EXPECT_EQ(FormatFixed(*results.taea, 18, 4), QString::fromUtf8(GetParam().taea));
}

INSTANTIATE_TEST_SUITE_P(
    Commission, CommissionExamples,
    ::testing::Values(
        CommissionCase{"Example1", ExampleOne(), "6,434412", "0,0000"},
        CommissionCase{"Example2Case1FirstInstalmentThreeDaysLate",
                       CommissionOffer(QDate(2012, 1, 12), QDate(2012, 2, 15), 1433.57L),
                       "6,434185", "0,0000"},
        CommissionCase{"Example3RequiredInsurance", ExampleOne(16.67L), "6,588554", "0,1541"},
        CommissionCase{"Example4PaymentProtection", ExampleOne(166.67L), "7,946625", "1,5122"},
        CommissionCase{"Example4OptionalInsuranceIsOnlyInTheTaea", ExampleOne(166.67L, false),
                       "6,434412", "1,5122"},
        CommissionCase{"Example18Case1PaidOutMidMonth",
                       CommissionOffer(QDate(2015, 2, 15), QDate(2015, 3, 1), 1429.01L), "6,435937",
                       "0,0000"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kalmoris
