#include "offer/core/schedule_generator.h"

#include "offer/core/offer_checks.h"
#include "tests/core/failure_expectations.h"
#include "tests/offer/offer_samples.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace kalmoris {
namespace {

using testing::CommissionTerms;
using testing::PrintTo;

constexpr Cents kCapital = 20000000;  // the Commission's 200 000 euros

Offer example1() {
  return CommissionTerms({2012, 1, 12}, {2012, 2, 12});
}

// Every row pays its interest and capital, and the capital left follows from the previous.
void expectRowsBalance(const GeneratedSchedule& schedule, Cents capital) {
  for (const GeneratedInstalment& row : schedule.instalments) {
    EXPECT_EQ(row.payment, row.split.interest + row.split.capitalRepaid);
    capital -= row.split.capitalRepaid;
    EXPECT_EQ(row.split.capitalRemaining, capital);
  }
}

struct RuleCase {
  const char* name;
  std::optional<InstalmentRule> rule;  // none: the contract's, by default
  QDate payout;
  QDate first;
  int yearDays;
  std::vector<GeneratedStep> steps;
};

class Rules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(Rules, GiveTheseSteps) {
  const RuleCase& row = GetParam();
  Offer offer = CommissionTerms(row.payout, row.first, row.rule);
  offer.terms.brokenPeriodDays = row.yearDays;
  const GeneratedSchedule schedule = generateSchedule(offer);
  EXPECT_EQ(schedule.steps, row.steps);
  expectRowsBalance(schedule, kCapital);
  if (row.rule != InstalmentRule::Commission) {
    EXPECT_EQ(schedule.instalments.back().split.capitalRemaining, 0);
  }
}

RuleCase commission(const char* name, QDate payout, QDate first, Cents instalment) {
  return {name, InstalmentRule::Commission, payout, first, 365, {{240, instalment, 0}}};
}

// Signed 12/01/2012, by the contract's rule as the default.
RuleCase contract(const char* name, QDate first, int yearDays, Cents firstPayment) {
  std::vector<GeneratedStep> steps{{238, 143286, 0}, {1, 143376, 0}};
  if (firstPayment == 143286)
    ++steps.front().count;
  else
    steps.insert(steps.begin(), {1, firstPayment, 0});
  return {name, std::nullopt, {2012, 1, 12}, first, yearDays, steps};
}

// The Commission's examples; under the contract, a broken first period pays 200 000 x 6 % x
// days / base of interest and the 432,86 of capital of a regular instalment.
INSTANTIATE_TEST_SUITE_P(
    Examples, Rules,
    ::testing::Values(
        commission("CommissionExample1", {2012, 1, 12}, {2012, 2, 12}, 143286),
        commission("CommissionExample2Case1MonthAnd3DaysOver365", {2012, 1, 12}, {2012, 2, 15},
                   143357),
        commission("CommissionExample2Case2MonthAnd3DaysOver366", {2013, 1, 12}, {2013, 2, 15},
                   143356),
        commission("CommissionExample18Case1FourteenDays", {2015, 2, 15}, {2015, 3, 1}, 142901),
        commission("CommissionExample18Case2MonthAnd20DaysOver366", {2016, 2, 10}, {2016, 4, 1},
                   143754),
        contract("ContractExample1AdjustsTheLast", {2012, 2, 12}, 365, 143286),
        contract("ContractExample2Case1ThirtyFourDaysOver365", {2012, 2, 15}, 365, 155067),
        contract("ContractThirtyFourDaysOver360", {2012, 2, 15}, 360, 156619),
        contract("ContractThirtyExactDaysOver360AreAMonthsInterest", {2012, 2, 11}, 360, 143286)),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Deferral, PartialPaysExactlyEachPeriodsInterestThenAmortisesOverTheRest) {
  Offer offer = example1();
  offer.terms.deferral = Deferral{DeferralKind::Partial, 12, {}};
  const GeneratedSchedule schedule = generateSchedule(offer);
  for (int k = 0; k < 12; ++k) {
    EXPECT_EQ(schedule.instalments[k].payment, 100000) << k;
    EXPECT_EQ(schedule.instalments[k].split.capitalRemaining, kCapital) << k;
  }
  // 200 000 x 0,5 % / (1 - 1,005^-228) = 1 472,166.
  EXPECT_EQ(schedule.steps.at(1), (GeneratedStep{227, 147217, 0}));
  expectRowsBalance(schedule, kCapital);
  EXPECT_EQ(schedule.instalments.back().split.capitalRemaining, 0);
}

TEST(Deferral, TotalAddsEachRoundedInterestToTheCapitalAndChargesOnlyTheInsurance) {
  Offer offer = example1();
  offer.terms.deferral = Deferral{DeferralKind::Total, 12, {}};
  offer.terms.insurance = InsuranceTerms{InsuranceMode::InitialCapital, std::nullopt, 1, {}};
  const GeneratedSchedule schedule = generateSchedule(offer);
  // The third interest, 202 005 x 0,5 %, is a half cent: 1 010,03.
  Cents capital = kCapital;
  for (int k = 0; k < 12; ++k) {
    const GeneratedInstalment& row = schedule.instalments[k];
    const Cents interest = (capital * 5 + 500) / 1000;
    capital += interest;
    EXPECT_EQ(row.payment, 0) << k;
    EXPECT_EQ(row.split.interest, interest) << k;
    EXPECT_EQ(row.insurance, 16667) << k;
    EXPECT_EQ(row.split.capitalRemaining, capital) << k;
  }
  EXPECT_EQ(schedule.instalments[2].split.interest, 101003);
  // 212 335,58 x 0,5 % / (1 - 1,005^-228) = 1 562,966.
  EXPECT_EQ(schedule.constantPayment, 156297);
  expectRowsBalance(schedule, kCapital);
  EXPECT_EQ(schedule.instalments.back().split.capitalRemaining, 0);
}

struct InsuranceCase {
  const char* name;
  InsuranceTerms insurance;
  Cents firstPremium;
};

class Insurance : public ::testing::TestWithParam<InsuranceCase> {};

TEST_P(Insurance, AddsARoundedPremiumToEveryInstalment) {
  const InsuranceCase& row = GetParam();
  Offer offer = example1();
  offer.terms.insurance = row.insurance;
  const GeneratedSchedule schedule = generateSchedule(offer);
  EXPECT_EQ(schedule.instalments.front().insurance, row.firstPremium);
  Cents before = kCapital;
  for (const GeneratedInstalment& instalment : schedule.instalments) {
    if (row.insurance.mode == InsuranceMode::RemainingCapital)  // 1 % / 12 of what is owed
      EXPECT_EQ(instalment.insurance, (before + 600) / 1200);
    else
      EXPECT_EQ(instalment.insurance, row.firstPremium);
    before = instalment.split.capitalRemaining;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, Insurance,
    ::testing::Values(
        InsuranceCase{"FixedAmount", {InsuranceMode::Fixed, 16.67L, std::nullopt, {}}, 1667},
        InsuranceCase{"OnePercentOfTheInitialCapital",
                      {InsuranceMode::InitialCapital, std::nullopt, 1, {}},
                      16667},
        InsuranceCase{"OnePercentOfTheCapitalOwed",
                      {InsuranceMode::RemainingCapital, std::nullopt, 1, {}},
                      16667}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScheduleDates, AScheduleOfThe31stFallsOnEachMonthsLastDay) {
  Offer offer = CommissionTerms({2025, 12, 31}, {2026, 1, 31});
  offer.terms.instalmentCount = 4;
  const GeneratedSchedule schedule = generateSchedule(offer);
  const std::vector<QDate> dates{{2026, 1, 31}, {2026, 2, 28}, {2026, 3, 31}, {2026, 4, 30}};
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(schedule.instalments[k].day, (ScheduleDay{2026, k + 1, 31}));
    EXPECT_EQ(schedule.instalments[k].date, dates[k]);
  }
  // From the 31st of January, the 28th of February is one whole month.
  offer.drawdowns[0].date = {2026, 1, 31};
  offer.firstInstalment = {2026, 2, 28};
  EXPECT_EQ(generateSchedule(offer).instalments.front().split.interest, 100000);
}

TEST(ScheduleRounding, HalfACentGoesAwayFromZeroEvenComputedShort) {
  // A month at 6 % on 5 euros, 0,025, comes out of the extended arithmetic as 0,02499...
  EXPECT_EQ(roundToCents(5 * (6.0L / 100 / 12)), 3);
  EXPECT_EQ(roundToCents(-0.005L), -1);
  EXPECT_EQ(roundToCents(0.00499L), 0);
  EXPECT_TRUE(
      testing::FailsWith<ArithmeticFailure>([] { roundToCents(1e12L); }, testing::Overflow()));
}

TEST(ScheduleRounding, AZeroRateRepaysEqualShares) {
  Offer offer = example1();
  offer.terms.debitRate = 0;
  offer.drawdowns[0].amount = 1000;
  offer.terms.instalmentCount = 3;
  EXPECT_EQ(generateSchedule(offer).steps,
            (std::vector<GeneratedStep>{{2, 33333, 0}, {1, 33334, 0}}));
}

TEST(ScheduleRefusal, AnOfferOfTypedStepsHasNothingToGenerate) {
  EXPECT_TRUE(testing::FailsWith<OfferFailure>(
      [] { generateSchedule(testing::ExampleOne()); },
      QStringLiteral("Clé « nombre_echeances » : absente : les échéances de cette offre sont ses "
                     "paliers.")));
}

// Typed steps split at the debit rate the offer states, as the contract's table splits them.
struct SplitCase {
  const char* name;
  Offer offer;
  InstalmentSplit first;
  std::optional<InstalmentSplit> last;
};

class TypedSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(TypedSplit, PaysTheInterestSinceTheLastFlowAndRepaysTheRest) {
  const std::vector<InstalmentSplit> splits = splitTypedInstalments(GetParam().offer);
  ASSERT_FALSE(splits.empty());
  EXPECT_EQ(splits.front(), GetParam().first);
  if (GetParam().last) {
    EXPECT_EQ(splits.back(), *GetParam().last);
  }
}

Offer StatingTheRate(Offer offer) {
  offer.terms.debitRate = 6;
  return offer;
}

// Built in two drawdowns of 100 000, the second 46 days after the first: the first instalment,
// two months after the first drawdown, pays 100 000 x 6 % x 46 / 365 until the second, then
// 200 000 x 6 % x 13 / 365 (756,164 + 427,397 = 1 183,56 once rounded); the second a month's
// 0,5 % of the 199 683,56 left.
Offer TwoDrawdowns() {
  Offer offer = StatingTheRate(testing::CommissionOffer({2026, 1, 15}, {2026, 3, 15}, 1500));
  offer.drawdowns = {{{2026, 1, 15}, 100000, {}}, {{2026, 3, 2}, 100000, {}}};
  offer.steps = {{2, 1500, 0, {}}};
  return offer;
}

// The 0,90 left after 240 x 1 432,86 is what the contract's adjusted last instalment adds; 34
// days at 6 % on 200 000 are 1 117,81.
INSTANTIATE_TEST_SUITE_P(
    Steps, TypedSplit,
    ::testing::Values(SplitCase{"Example1LeavesWhatTheContractsLastInstalmentAdjusts",
                                StatingTheRate(testing::ExampleOne()),
                                {100000, 43286, 19956714},
                                InstalmentSplit{713, 142573, 90}},
                      SplitCase{"Example2Case1PaysThirtyFourDaysOfInterestFirst",
                                StatingTheRate(testing::CommissionOffer({2012, 1, 12},
                                                                        {2012, 2, 15}, 1433.57L)),
                                {111781, 31576, 19968424},
                                std::nullopt},
                      SplitCase{"AHouseBuiltInTwoDrawdowns",
                                TwoDrawdowns(),
                                {118356, 31644, 19968356},
                                InstalmentSplit{99842, 50158, 19918198}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TypedSplit, NeedsTheDebitRate) {
  EXPECT_TRUE(splitTypedInstalments(testing::ExampleOne()).empty());
}

}  // namespace
}  // namespace kalmoris
