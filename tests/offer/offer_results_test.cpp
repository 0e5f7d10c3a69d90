#include "offer/core/offer_results.h"
#include "core/numbers.h"
#include "tests/core/failure_expectations.h"
#include "tests/offer/offer_samples.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace kalmoris {
namespace {

using testing::CommissionOffer;
using testing::CommissionTerms;
using testing::ExampleOne;
using testing::FailsWith;

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
                       "0,0000"},
        CommissionCase{
            "Example1GeneratedByTheCommissionsRule",
            CommissionTerms(QDate(2012, 1, 12), QDate(2012, 2, 12), InstalmentRule::Commission),
            "6,434412", "0,0000"},
        CommissionCase{
            "Example18Case1GeneratedByTheCommissionsRule",
            CommissionTerms(QDate(2015, 2, 15), QDate(2015, 3, 1), InstalmentRule::Commission),
            "6,435937", "0,0000"},
        CommissionCase{"Example1GeneratedByTheContractAdjustsTheLastInstalment",
                       CommissionTerms(QDate(2012, 1, 12), QDate(2012, 2, 12)), "6,434430",
                       "0,0000"},
        CommissionCase{"Example2Case1GeneratedByTheContractPaysThirtyFourDaysFirst",
                       CommissionTerms(QDate(2012, 1, 12), QDate(2012, 2, 15)), "6,435561",
                       "0,0000"}),
    [](const auto& info) { return std::string(info.param.name); });

// Offers whose instalments repay the drawdowns at exactly 10 % a year, each time counted as the
// calendar counts it: a rate one day off, or a month counted in days, would miss it.
struct TenPercentCase {
  const char* name;
  Offer (*offer)();
};

const Real kTenPercent = 1.1L;

// Drawn on `drawdown`, then one repayment of what 1 000 grows to in `years` at 10 %.
Offer RepaidOnce(QDate drawdown, QDate repayment, Real years) {
  Offer offer;
  offer.drawdowns = {{drawdown, 1000, {}}};
  offer.firstInstalment = repayment;
  offer.steps = {{1, 1000 * powl(kTenPercent, years), 0, {}}};
  return offer;
}

class TenPercentOffers : public ::testing::TestWithParam<TenPercentCase> {};

TEST_P(TenPercentOffers, GiveTenPercent) {
  EXPECT_NEAR(computeOfferResults(GetParam().offer()).taeg, 10, 1e-13L);
}

INSTANTIATE_TEST_SUITE_P(
    Calendar, TenPercentOffers,
    ::testing::Values(
        TenPercentCase{"ASingleRepaymentEighteenMonthsLater",
                       [] { return RepaidOnce(QDate(2012, 1, 12), QDate(2013, 7, 12), 1.5L); }},
        TenPercentCase{
            "TenDaysOverTheYearHolding29February",
            [] { return RepaidOnce(QDate(2024, 2, 20), QDate(2024, 3, 1), 10.0L / 366); }},
        TenPercentCase{"AFeeOnALaterDate",
                       [] {
                         Offer offer = RepaidOnce(QDate(2024, 1, 15), QDate(2025, 1, 15), 0);
                         offer.fees = {{QStringLiteral("Mainlevée"), 100, QDate(2025, 1, 15), {}}};
                         return offer;
                       }},
        // Twelve equal instalments of a 10 % annuity, on the 31st or the month's last day.
        TenPercentCase{"AScheduleOfThe31stInWholeMonths",
                       [] {
                         const Real i = powl(kTenPercent, 1.0L / 12) - 1;
                         Offer offer = RepaidOnce(QDate(2023, 12, 31), QDate(2024, 1, 31), 0);
                         offer.steps = {{12, 1000 * i / (1 - powl(1 + i, -12)), 0, {}}};
                         return offer;
                       }},
        // A house being built: a second drawdown on the sixth instalment's date, small
        // instalments until then, so that the flows change sign three times; the last
        // instalment balances them at 10 %.
        TenPercentCase{"AHouseBuiltInTwoDrawdowns",
                       [] {
                         Offer offer = RepaidOnce(QDate(2024, 1, 15), QDate(2024, 2, 15), 0);
                         offer.drawdowns.push_back({QDate(2024, 7, 15), 1000, {}});
                         offer.steps = {{6, 8, 0, {}}, {17, 100, 0, {}}};
                         Real owed = 1000 + 1000 * powl(kTenPercent, -0.5L);
                         for (int month = 1; month <= 23; ++month)
                           owed -= (month <= 6 ? 8 : 100) * powl(kTenPercent, -month / 12.0L);
                         offer.steps.push_back({1, owed * powl(kTenPercent, 2), 0, {}});
                         return offer;
                       }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OfferResults, ThePeriodRateCompoundsToTheTaegAndTheProportionalRateMultipliesIt) {
  Offer offer = ExampleOne();
  offer.periodsPerYear = 4;
  offer.steps = {{80, 4300, 0, {}}};
  const OfferResults results = computeOfferResults(offer);
  EXPECT_EQ(results.monthsPerPeriod, 3);
  EXPECT_NEAR(powl(1 + results.periodRate / 100, 4), 1 + results.taeg / 100, 1e-15L);
  EXPECT_NEAR(results.proportionalRate, 4 * results.periodRate, 1e-14L);
}

struct CostCase {
  const char* name;
  Offer offer;
  CreditCost expected;
};

class CreditCosts : public ::testing::TestWithParam<CostCase> {};

TEST_P(CreditCosts, CountTheRequiredInsuranceAndShowTheOptionalApart) {
  const CreditCost cost = computeOfferResults(GetParam().offer).cost;
  const CreditCost& expected = GetParam().expected;
  EXPECT_NEAR(cost.interest, expected.interest, 1e-9L);
  EXPECT_NEAR(cost.insurance, expected.insurance, 1e-9L);
  EXPECT_NEAR(cost.fees, expected.fees, 1e-9L);
  EXPECT_NEAR(cost.total, expected.total, 1e-9L);
  EXPECT_NEAR(cost.optionalInsurance, expected.optionalInsurance, 1e-9L);
}

// 240 x 1 432,86 repay 343 886,40 of the 200 000 drawn; 240 x 16,67 of insurance make 4 000,80.
INSTANTIATE_TEST_SUITE_P(
    Commission, CreditCosts,
    ::testing::Values(
        CostCase{"Example1", ExampleOne(), {143886.40L, 0, 4000, 147886.40L, 0}},
        CostCase{"Example3", ExampleOne(16.67L), {143886.40L, 4000.80L, 4000, 151887.20L, 0}},
        CostCase{"Example3Optional",
                 ExampleOne(16.67L, false),
                 {143886.40L, 0, 4000, 147886.40L, 4000.80L}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OfferResults, AnOfferThatRepaysNothingHasNoRate) {
  Offer offer = ExampleOne();
  offer.fees.clear();
  offer.steps = {{240, 0, 0, {}}};
  EXPECT_TRUE(FailsWith<NoRateFailure>([&] { computeOfferResults(offer); }, testing::NoRate()));
}

// Instalments of insurance alone: a TAEG with the insurance, none without it, so no TAEA.
TEST(OfferResults, HasNoTaeaWhenTheFlowsWithoutInsuranceHaveNoRate) {
  Offer offer = ExampleOne();
  offer.steps = {{240, 0, 1500, {}}};
  const OfferResults results = computeOfferResults(offer);
  EXPECT_GT(results.taeg, 0);
  EXPECT_FALSE(results.taea.has_value());
}

TEST(OfferResults, KeepTheAnnouncedFiguresBesideTheComputedOnes) {
  Offer offer = ExampleOne(166.67L);
  offer.announcedTaea = 1.51L;
  const OfferResults results = computeOfferResults(offer);
  EXPECT_EQ(results.announcedTaea, 1.51L);
  EXPECT_EQ(results.flows.size(), 242u);
}

// The control reads the computed TAEG, the announced one, the nature, the date, the capital
// drawn, the instalments and the threshold: what its lines say of each is proven by its own
// tests.
TEST(OfferResults, AreControlledAsTheLawReadsAnOffer) {
  Offer offer = CommissionOffer(QDate(2026, 1, 12), QDate(2026, 2, 12), 1432.86L);
  offer.nature = LoanNature::Consommation;
  offer.offerDate = QDate(2025, 12, 20);
  offer.announcedTaeg = 6.4L;
  offer.usuryThreshold = 5.13L;
  const OfferResults results = computeOfferResults(offer);
  ASSERT_TRUE(results.control.verdict && results.control.category && results.control.usury);
  EXPECT_EQ(results.control.verdict->text,
            QStringLiteral("TAEG (actuariel) : minoré de 0,0344 point, exact à la décimale"));
  EXPECT_EQ(results.control.category->text,
            QStringLiteral("Catégorie de l'usure : consommation, plus de 6 000 €"));
  EXPECT_TRUE(results.control.usury->text.startsWith(QStringLiteral("TAEG 6,4344 % : au-dessus")));
  EXPECT_EQ(results.control.reportLines().size(), 4);
}

}  // namespace
}  // namespace kalmoris
