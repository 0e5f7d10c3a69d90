#include "offer/core/schedule_generator.h"

#include "tests/core/failure_expectations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace kalmoris {
namespace {

using testing::PrintTo;

constexpr Cents kCapital = 20000000;  // the Commission's 200 000 euros

// 200 000 at 6 %, 240 monthly instalments, as in the Commission's examples.
ScheduleTerms examplesLoan(QDate payout, QDate first,
                           InstalmentRule rule = InstalmentRule::Contract) {
  ScheduleTerms terms;
  terms.capital = 200000;
  terms.payout = payout;
  terms.firstInstalment = first;
  terms.debitRate = 6;
  terms.instalmentCount = 240;
  terms.rule = rule;
  return terms;
}

ScheduleTerms example1() {
  return examplesLoan({2012, 1, 12}, {2012, 2, 12});
}

// Every row pays its interest and capital, and the capital left follows from the previous.
void expectRowsBalance(const GeneratedSchedule& schedule, Cents capital) {
  for (const GeneratedInstalment& row : schedule.instalments) {
    EXPECT_EQ(row.payment, row.interest + row.capitalRepaid);
    capital -= row.capitalRepaid;
    EXPECT_EQ(row.capitalRemaining, capital);
  }
}

struct RuleCase {
  const char* name;
  InstalmentRule rule;
  QDate payout;
  QDate first;
  BrokenPeriodBase base;
  std::vector<GeneratedStep> steps;
};

class Rules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(Rules, GiveTheseSteps) {
  const RuleCase& row = GetParam();
  ScheduleTerms terms = examplesLoan(row.payout, row.first, row.rule);
  terms.brokenPeriodBase = row.base;
  const GeneratedSchedule schedule = generateSchedule(terms);
  EXPECT_EQ(schedule.steps, row.steps);
  expectRowsBalance(schedule, kCapital);
  if (row.rule == InstalmentRule::Contract) {
    EXPECT_EQ(schedule.instalments.back().capitalRemaining, 0);
  }
}

RuleCase commission(const char* name, QDate payout, QDate first, Cents instalment) {
  return {name,  InstalmentRule::Commission, payout,
          first, BrokenPeriodBase::Days365,  {{240, instalment, 0}}};
}

// Signed 12/01/2012.
RuleCase contract(const char* name, QDate first, BrokenPeriodBase base, Cents firstPayment) {
  std::vector<GeneratedStep> steps{{238, 143286, 0}, {1, 143376, 0}};
  if (firstPayment == 143286)
    ++steps.front().count;
  else
    steps.insert(steps.begin(), {1, firstPayment, 0});
  return {name, InstalmentRule::Contract, {2012, 1, 12}, first, base, steps};
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
        contract("ContractExample1AdjustsTheLast", {2012, 2, 12}, BrokenPeriodBase::Days365,
                 143286),
        contract("ContractExample2Case1ThirtyFourDaysOver365", {2012, 2, 15},
                 BrokenPeriodBase::Days365, 155067),
        contract("ContractThirtyFourDaysOver360", {2012, 2, 15}, BrokenPeriodBase::Days360, 156619),
        contract("ContractThirtyExactDaysOver360AreAMonthsInterest", {2012, 2, 11},
                 BrokenPeriodBase::Days360, 143286)),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Deferral, PartialPaysExactlyEachPeriodsInterestThenAmortisesOverTheRest) {
  ScheduleTerms terms = example1();
  terms.deferral = {DeferralKind::Partial, 12};
  const GeneratedSchedule schedule = generateSchedule(terms);
  for (int k = 0; k < 12; ++k) {
    EXPECT_EQ(schedule.instalments[k].payment, 100000) << k;
    EXPECT_EQ(schedule.instalments[k].capitalRemaining, kCapital) << k;
  }
  // 200 000 x 0,5 % / (1 - 1,005^-228) = 1 472,166.
  EXPECT_EQ(schedule.steps.at(1), (GeneratedStep{227, 147217, 0}));
  expectRowsBalance(schedule, kCapital);
  EXPECT_EQ(schedule.instalments.back().capitalRemaining, 0);
}

TEST(Deferral, TotalAddsEachRoundedInterestToTheCapitalAndChargesOnlyTheInsurance) {
  ScheduleTerms terms = example1();
  terms.deferral = {DeferralKind::Total, 12};
  terms.insurance = {InsuranceMode::InitialCapital, 0, 1};
  const GeneratedSchedule schedule = generateSchedule(terms);
  // The third interest, 202 005 x 0,5 %, is a half cent: 1 010,03.
  Cents capital = kCapital;
  for (int k = 0; k < 12; ++k) {
    const GeneratedInstalment& row = schedule.instalments[k];
    const Cents interest = (capital * 5 + 500) / 1000;
    capital += interest;
    EXPECT_EQ(row.payment, 0) << k;
    EXPECT_EQ(row.interest, interest) << k;
    EXPECT_EQ(row.insurance, 16667) << k;
    EXPECT_EQ(row.capitalRemaining, capital) << k;
  }
  EXPECT_EQ(schedule.instalments[2].interest, 101003);
  // 212 335,58 x 0,5 % / (1 - 1,005^-228) = 1 562,966.
  EXPECT_EQ(schedule.constantPayment, 156297);
  expectRowsBalance(schedule, kCapital);
  EXPECT_EQ(schedule.instalments.back().capitalRemaining, 0);
}

struct InsuranceCase {
  const char* name;
  InsuranceTerms insurance;
  Cents firstPremium;
};

class Insurance : public ::testing::TestWithParam<InsuranceCase> {};

TEST_P(Insurance, AddsARoundedPremiumToEveryInstalment) {
  const InsuranceCase& row = GetParam();
  ScheduleTerms terms = example1();
  terms.insurance = row.insurance;
  const GeneratedSchedule schedule = generateSchedule(terms);
  EXPECT_EQ(schedule.instalments.front().insurance, row.firstPremium);
  Cents before = kCapital;
  for (const GeneratedInstalment& instalment : schedule.instalments) {
    if (row.insurance.mode == InsuranceMode::RemainingCapital)  // 1 % / 12 of what is owed
      EXPECT_EQ(instalment.insurance, (before + 600) / 1200);
    else
      EXPECT_EQ(instalment.insurance, row.firstPremium);
    before = instalment.capitalRemaining;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, Insurance,
    ::testing::Values(InsuranceCase{"FixedAmount", {InsuranceMode::Fixed, 16.67L, 0}, 1667},
                      InsuranceCase{"OnePercentOfTheInitialCapital",
                                    {InsuranceMode::InitialCapital, 0, 1},
                                    16667},
                      InsuranceCase{"OnePercentOfTheCapitalOwed",
                                    {InsuranceMode::RemainingCapital, 0, 1},
                                    16667}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScheduleDates, AScheduleOfThe31stFallsOnEachMonthsLastDay) {
  ScheduleTerms terms = examplesLoan({2025, 12, 31}, {2026, 1, 31});
  terms.instalmentCount = 4;
  const GeneratedSchedule schedule = generateSchedule(terms);
  const std::vector<QDate> dates{{2026, 1, 31}, {2026, 2, 28}, {2026, 3, 31}, {2026, 4, 30}};
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(schedule.instalments[k].day, (ScheduleDay{2026, k + 1, 31}));
    EXPECT_EQ(schedule.instalments[k].date, dates[k]);
  }
  // From the 31st of January, the 28th of February is one whole month.
  terms.payout = {2026, 1, 31};
  terms.firstInstalment = {2026, 2, 28};
  EXPECT_EQ(generateSchedule(terms).instalments.front().interest, 100000);
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
  ScheduleTerms terms = example1();
  terms.debitRate = 0;
  terms.capital = 1000;
  terms.instalmentCount = 3;
  EXPECT_EQ(generateSchedule(terms).steps,
            (std::vector<GeneratedStep>{{2, 33333, 0}, {1, 33334, 0}}));
}

struct RefusalCase {
  const char* name;
  const char* key;
  void (*change)(ScheduleTerms&);
  const char* says;  // a part of the message, with the key
};

class Refusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(Refusal, NamesTheKeyAtFault) {
  ScheduleTerms terms = example1();
  GetParam().change(terms);
  try {
    generateSchedule(terms);
    ADD_FAILURE() << "no refusal";
  } catch (const TermsFailure& failure) {
    EXPECT_EQ(failure.key(), GetParam().key);
    EXPECT_TRUE(failure.message().contains(QString::fromUtf8(GetParam().says))) << failure.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    BadTerms, Refusal,
    ::testing::Values(
        RefusalCase{"SeveralDrawdownsAskForSteps", "deblocages",
                    [](ScheduleTerms& t) { t.drawdowns = 2; },
                    "déblocages (deblocages), les échéances se saisissent en paliers"},
        RefusalCase{"ARateThatIsNotANumber", "taux_debiteur",
                    [](ScheduleTerms& t) { t.debitRate = std::nanl(""); },
                    "(taux_debiteur) doit être un nombre"},
        RefusalCase{"NoInstalment", "nombre_echeances",
                    [](ScheduleTerms& t) { t.instalmentCount = 0; },
                    "(nombre_echeances) doit être compris entre 1 et 1200"},
        RefusalCase{"ADeferralAsLongAsTheLoan", "differe",
                    [](ScheduleTerms& t) {
                      t.deferral = {DeferralKind::Total, 240};
                    },
                    "différé (differe) de 240 échéances doit être plus court"},
        RefusalCase{"TheCommissionRuleWithADeferral", "regle",
                    [](ScheduleTerms& t) {
                      t.rule = InstalmentRule::Commission;
                      t.deferral = {DeferralKind::Partial, 1};
                    },
                    "(regle) ne prévoit pas de différé"},
        RefusalCase{"AFirstInstalmentOnThePayoutDay", "premiere_echeance",
                    [](ScheduleTerms& t) { t.firstInstalment = t.payout; },
                    "(premiere_echeance) doit venir après le déblocage"},
        RefusalCase{"ThreeInstalmentsAYear", "periodicite",
                    [](ScheduleTerms& t) { t.periodsPerYear = 3; }, "(periodicite) doit être"},
        RefusalCase{"ANegativeInsurance", "assurance",
                    [](ScheduleTerms& t) {
                      t.insurance = {InsuranceMode::Fixed, -1, 0};
                    },
                    "(assurance) doit être un nombre positif"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kalmoris
