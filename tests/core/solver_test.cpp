#include "core/solver.h"

#include "core/numbers.h"
#include "core/rate_search.h"
#include "tests/core/failure_expectations.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstring>
#include <iostream>
#include <string>
#include <tuple>
#include <vector>

namespace kalmoris {
namespace {

using testing::FailsWith;
using testing::PrintTo;
using Schedule = std::vector<SchedulePoint>;

const Schedule kLoan = {{-200000, 1}, {2304.69L, 180}};
const Schedule kLoanAllIn = {{-190884, 1}, {2393.69L, 180}};
const Schedule kCalculatorLoan = {{-100000, 1}, {716.43L, 240}};

// The present value term by term, every power taken on its own.
Real PlainPresentValue(const Schedule& schedule, Real i) {
  Real sum = 0;
  Real offset = 0;
  for (const SchedulePoint& group : schedule) {
    const Real factor = divide(1 - power(1 + i, -group.count), i);
    sum = sum + power(1 + i, -offset) * group.payment * factor;
    offset = offset + group.count;
  }
  return sum;
}

// The secant step through (x0, f0) and the fixed second starting point of the run.
Real ChordFrom(const Schedule& schedule, Real periodsPerYear, Real x0) {
  const Real x1 = 0.01L / periodsPerYear;
  const Real f0 = GroupedPresentValue(schedule, x0);
  const Real f1 = GroupedPresentValue(schedule, x1);
  return (x1 * f0 - x0 * f1) / (f0 - f1);
}

QString ProportionalPercent(Real r, Real periodsPerYear) {
  return FormatFixed(periodsPerYear * r * 100, 8, 4);
}

QString ActuarialPercent(Real r, Real periodsPerYear) {
  return FormatFixed((std::exp(periodsPerYear * std::log(1 + r)) - 1) * 100, 8, 4);
}

TEST(GroupedPresentValue, NoGroupsIsZero) {
  EXPECT_EQ(GroupedPresentValue({}, 0.01L), 0.0L);
  EXPECT_EQ(GroupedPresentValue({}, -3), 0.0L);
}

TEST(GroupedPresentValue, SingleAmountIsPaidOnePeriodAfterTheOffset) {
  EXPECT_NEAR(GroupedPresentValue(Schedule{{110, 1}}, 0.1L), 100.0L, 1e-15L);
  EXPECT_NEAR(GroupedPresentValue(Schedule{{0, 2}, {133.1L, 1}}, 0.1L), 100.0L, 1e-15L);
}

TEST(GroupedPresentValue, NegativeCountMovesTheOriginBack) {
  EXPECT_NEAR(GroupedPresentValue(Schedule{{0, -1}, {100, 1}}, 0.1L), 100.0L, 1e-15L);
}

TEST(GroupedPresentValue, RunOfEqualPaymentsIsAnAnnuity) {
  // 716,43 a month for 240 months at 0,5 % is worth 99 999,85.
  EXPECT_NEAR(GroupedPresentValue(Schedule{{716.43L, 240}}, 0.005L), 99999.85L, 0.005L);
}

TEST(GroupedPresentValue, FractionalShiftDiscountsTheFollowingGroups) {
  const Real i = 0.0093750052L;
  const Schedule shifted = {{-200000, 1}, {0, -0.766667L}, {2304.69L, 180}};
  const Real loan = GroupedPresentValue(Schedule{{-200000, 1}}, i);
  const Real repayments = GroupedPresentValue(Schedule{{0, 1}, {2304.69L, 180}}, i);
  EXPECT_NEAR(GroupedPresentValue(shifted, i),
              loan + repayments * std::exp(0.766667L * std::log(1 + i)), 1e-9L);
}

TEST(GroupedPresentValue, ZeroCountGroupChangesNothing) {
  const Schedule padded = {{-200000, 1}, {0, 0}, {2304.69L, 180}};
  EXPECT_EQ(GroupedPresentValue(padded, 0.0093750052L), GroupedPresentValue(kLoan, 0.0093750052L));
}

struct PresentValueCase {
  const char* name;
  Schedule schedule;
  Real rate;
};

class PresentValueBits : public ::testing::TestWithParam<PresentValueCase> {};

// Sharing the logarithm and the powers of equal counts must not change a single bit.
TEST_P(PresentValueBits, MatchesEveryPowerTakenOnItsOwn) {
  const PresentValueCase& row = GetParam();
  EXPECT_EQ(GroupedPresentValue(row.schedule, row.rate), PlainPresentValue(row.schedule, row.rate));
}

INSTANTIATE_TEST_SUITE_P(
    Schedules, PresentValueBits,
    ::testing::Values(
        PresentValueCase{"Loan", kLoan, 0.0093750052L},
        PresentValueCase{"LoanAtFirstStart", kLoan, 0.4L / 12},
        PresentValueCase{"RepeatedCounts",
                         {{-50000, 1}, {300, 12}, {310, 12}, {320, 12}, {0, 12}, {330, 12}},
                         0.004L},
        PresentValueCase{"FractionalAndNegativeCounts",
                         {{-1000, 1}, {0, -0.766667L}, {90, 12.5L}, {0, -0.766667L}, {5, 3}},
                         0.01L},
        PresentValueCase{"NegativeRate", {{-1000, 1}, {90, 10}, {90, 10}}, -0.02L}),
    [](const auto& info) { return std::string(info.param.name); });

struct PresentValueFailure {
  const char* name;
  Schedule schedule;
  Real rate;
  QString message;
};

class PresentValueFails : public ::testing::TestWithParam<PresentValueFailure> {};

TEST_P(PresentValueFails, StopsWithTheMessage) {
  const PresentValueFailure& row = GetParam();
  EXPECT_TRUE(FailsWith<ArithmeticFailure>([&] { GroupedPresentValue(row.schedule, row.rate); },
                                           row.message));
}

INSTANTIATE_TEST_SUITE_P(
    Arithmetic, PresentValueFails,
    ::testing::Values(
        PresentValueFailure{"RateOfMinusOne", kLoan, -1, testing::InvalidOperation()},
        PresentValueFailure{"RateBelowMinusOne", kLoan, -1.5L, testing::InvalidOperation()},
        PresentValueFailure{"ZeroRate", kLoan, 0, testing::InvalidOperation()},
        PresentValueFailure{"PowerOverflows", {{1, -100000}}, 0.5L, testing::Overflow()}),
    [](const auto& info) { return std::string(info.param.name); });

struct Caller {
  const char* name;
  int iterationLimit;
  StopOrder order;
};

const Caller kCallers[] = {{"DossierNominal", 1000, StopOrder::UpdateFirst},
                           {"DossierAllIn", 200, StopOrder::UpdateFirst},
                           {"Calculator", 200, StopOrder::TestFirst}};

struct LoanCase {
  const char* name;
  Schedule schedule;
  const char* periodRate;    // FormatFixed P 10, D 10
  const char* proportional;  // percent, FormatFixed P 8, D 4
  const char* actuarial;
};

const LoanCase kLoans[] = {{"Loan", kLoan, "0,0093750052", "11,2500", "11,8486"},
                           {"LoanAllIn", kLoanAllIn, "0,0106907204", "12,8289", "13,6107"}};

class SolveLoan : public ::testing::TestWithParam<std::tuple<LoanCase, Caller>> {};

TEST_P(SolveLoan, GivesTheSameRateForEveryCaller) {
  const auto& [loan, caller] = GetParam();
  const Real r = PeriodRateSolver::solve(loan.schedule, 12, caller.iterationLimit, caller.order);
  EXPECT_EQ(FormatFixed(r, 10, 10), QString::fromUtf8(loan.periodRate));
  EXPECT_EQ(ProportionalPercent(r, 12), QString::fromUtf8(loan.proportional));
  EXPECT_EQ(ActuarialPercent(r, 12), QString::fromUtf8(loan.actuarial));
}

INSTANTIATE_TEST_SUITE_P(Callers, SolveLoan,
                         ::testing::Combine(::testing::ValuesIn(kLoans),
                                            ::testing::ValuesIn(kCallers)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) + "_" +
                                  std::get<1>(info.param).name;
                         });

TEST(PeriodRateSolver, NominalRateCalculatorCase) {
  const Real r = PeriodRateSolver::solve(kCalculatorLoan, 12, 200, StopOrder::TestFirst);
  EXPECT_EQ(FormatFixed(r * 100, 10, 7), QStringLiteral("0,4999985"));
  EXPECT_EQ(FormatFixed((12 * r) * 100, 8, 4), QStringLiteral("6,0000"));
  EXPECT_EQ(FormatFixed((std::exp(std::log(r + 1) * 12) - 1) * 100, 8, 4),
            QStringLiteral("6,1678"));
}

// Both orders walk through the same rates; on the stopping test the update-first run returns
// one more chord step, taken from the rate the test-first run returns.
TEST(PeriodRateSolver, UpdateFirstReturnsTheStepAfterTheStoppingRate) {
  PeriodRateSolver::Trace testFirst;
  PeriodRateSolver::Trace updateFirst;
  const Real stopped =
      PeriodRateSolver::solve(kCalculatorLoan, 12, 200, StopOrder::TestFirst, &testFirst);
  const Real stepped =
      PeriodRateSolver::solve(kCalculatorLoan, 12, 200, StopOrder::UpdateFirst, &updateFirst);
  const Real f = GroupedPresentValue(kCalculatorLoan, stopped);
  ASSERT_GT(f, 0.0L);
  ASSERT_LE(f, 1e-11L);
  ASSERT_LT(testFirst.iterations, 200);
  EXPECT_EQ(updateFirst.iterations, testFirst.iterations);
  EXPECT_EQ(updateFirst.evaluations, testFirst.evaluations);
  EXPECT_EQ(testFirst.evaluations, testFirst.iterations + 3);
  EXPECT_EQ(stepped, ChordFrom(kCalculatorLoan, 12, stopped));
}

// Deposits only: the present value stays negative at every rate, so no run stops early, and
// there is no rate for the search to find.
const Schedule kNeverPositive = {{-1000, 12}, {-500, 24.5L}};

class ExhaustedRun : public ::testing::TestWithParam<Caller> {};

TEST_P(ExhaustedRun, PerformsEveryIterationAndEndsOnTheLastStep) {
  const Caller& caller = GetParam();
  PeriodRateSolver::Trace trace;
  EXPECT_TRUE(FailsWith<NoRateFailure>(
      [&] {
        PeriodRateSolver::solve(kNeverPositive, 12, caller.iterationLimit, caller.order, &trace);
      },
      testing::NoRate()));
  EXPECT_EQ(trace.iterations, caller.iterationLimit);
  EXPECT_EQ(trace.evaluations, caller.iterationLimit + 3);
  EXPECT_FALSE(trace.converged);
  EXPECT_TRUE(trace.searched);
  // One more iteration is exactly one more chord step from the rate the iteration ended on.
  PeriodRateSolver::Trace longer;
  EXPECT_THROW(
      PeriodRateSolver::solve(kNeverPositive, 12, caller.iterationLimit + 1, caller.order, &longer),
      NoRateFailure);
  EXPECT_EQ(longer.iterationRate, ChordFrom(kNeverPositive, 12, trace.iterationRate));
  EXPECT_LT(GroupedPresentValue(kNeverPositive, longer.iterationRate), 0.0L);
}

INSTANTIATE_TEST_SUITE_P(Callers, ExhaustedRun, ::testing::ValuesIn(kCallers),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PeriodRateSolver, ZeroCountGroupChangesNothing) {
  const Schedule padded = {{-200000, 1}, {0, 0}, {2304.69L, 180}};
  EXPECT_EQ(PeriodRateSolver::solve(padded, 12, 1000, StopOrder::UpdateFirst),
            PeriodRateSolver::solve(kLoan, 12, 1000, StopOrder::UpdateFirst));
}

// Repayments that start 0,766667 period earlier are worth more, so the rate rises.
TEST(PeriodRateSolver, TimeShiftChangesTheRate) {
  const Schedule shifted = {{-200000, 1}, {0, -0.766667L}, {2304.69L, 180}};
  const Real plain = PeriodRateSolver::solve(kLoan, 12, 1000, StopOrder::UpdateFirst);
  const Real moved = PeriodRateSolver::solve(shifted, 12, 1000, StopOrder::UpdateFirst);
  EXPECT_GT(moved, plain + 1e-5L);
  EXPECT_NEAR(GroupedPresentValue(shifted, moved), 0.0L, 1e-6L);
}

// Nothing to search: both starting present values are 0 and the first chord is 0 / 0.
TEST(PeriodRateSolver, AllZeroPaymentsAreAnInvalidOperation) {
  const Schedule zeros = {{0, 1}, {0, 180}};
  PeriodRateSolver::Trace trace;
  EXPECT_TRUE(FailsWith<ArithmeticFailure>(
      [&] { PeriodRateSolver::solve(zeros, 12, 1000, StopOrder::UpdateFirst, &trace); },
      testing::InvalidOperation()));
  EXPECT_EQ(trace.evaluations, 2);
  EXPECT_FALSE(trace.searched);
}

// The search proves that no rate exists: the starting point's failure is what the user reads.
TEST(PeriodRateSolver, FailureAtAStartingPointWithoutARateKeepsItsMessage) {
  PeriodRateSolver::Trace trace;
  EXPECT_TRUE(FailsWith<ArithmeticFailure>(
      [&] {
        PeriodRateSolver::solve(Schedule{{1, -1e6L}}, 12, 200, StopOrder::TestFirst, &trace);
      },
      testing::Overflow()));
  EXPECT_TRUE(trace.searched);
}

TEST(PeriodRateSolver, NoGroupsIsAnInvalidOperation) {
  EXPECT_TRUE(FailsWith<ArithmeticFailure>(
      [] { PeriodRateSolver::solve({}, 12, 200, StopOrder::TestFirst); },
      testing::InvalidOperation()));
}

TEST(PeriodRateSolver, ZeroPeriodsPerYearFailsBeforeAnyPresentValue) {
  PeriodRateSolver::Trace trace;
  trace.evaluations = 99;
  EXPECT_TRUE(FailsWith<ArithmeticFailure>(
      [&] { PeriodRateSolver::solve(kLoan, 0, 1000, StopOrder::UpdateFirst, &trace); },
      testing::DivisionByZero()));
  EXPECT_EQ(trace.evaluations, 0);
}

// How the chord iteration ends before the search, if it runs.
enum class Ending { MeetsTest, ReachesLimit, FailsMidRun, FailsAtAStart };

struct RateCase {
  const char* name;
  Schedule schedule;
  Real periodsPerYear;
  Caller caller;
  Ending ending;
  const char* rate;  // nullptr where no rate exists
  int ulps = 4;      // tolerance of the search's rate, in units of LDBL_EPSILON * |rate|
};

Real ReferenceRate(const char* text) {
  Real rate = 0;
  std::from_chars(text, text + std::strlen(text), rate);
  return rate;
}

const Caller kNominal = kCallers[0];
const Caller kAllIn = kCallers[1];
const Caller kCalculator = kCallers[2];
const Schedule kLongLoan = {{-250, 1}, {35, 200}};
const Schedule kThirtyYears = {{-100000, 1}, {2001.60L, 360}};
const Schedule kZeroRate = {{-250, 1}, {1.25L, 200}};
const Schedule kTwoRates = {{-100, 1}, {230, 1}, {-132, 1}};

// 360 groups, every count its own.
Schedule FullDossier() {
  Schedule schedule = {{-100000, 1}};
  for (int g = 1; g < 360; ++g) schedule.push_back({8000.0L + (g % 7) * 10, 1 + g / 1024.0L});
  return schedule;
}

// The rates are the output of tests/core/reference_rates.py (50-digit decimals on the same
// extended inputs). The two rates of kTwoRates lie close together, so the present value is flat
// there and its rounding blurs the rate over some ten ulps.
const RateCase kRateCases[] = {
    {"LoanMeetsTheTest", kLoan, 12, kNominal, Ending::MeetsTest, "9.375005222518294863396359e-3"},
    {"CalculatorLoanMeetsTheTest", kCalculatorLoan, 12, kCalculator, Ending::MeetsTest,
     "4.999984710406329233316336e-3"},
    {"ThirtyYearsNominalMeetsTheTest", kThirtyYears, 12, kNominal, Ending::MeetsTest,
     "1.999995564521825999151448e-2"},
    {"ThirtyYearsTegReachesTheLimit", kThirtyYears, 12, kAllIn, Ending::ReachesLimit,
     "1.999995564521825999151448e-2"},
    {"LongLoanMonthly", kLongLoan, 12, kCalculator, Ending::ReachesLimit,
     "1.399999999994176852801340e-1"},
    {"LongLoanYearly", kLongLoan, 1, kCalculator, Ending::ReachesLimit,
     "1.399999999994176852801340e-1"},
    {"LongLoanYearlyNominal", kLongLoan, 1, kNominal, Ending::ReachesLimit,
     "1.399999999994176852801340e-1"},
    {"ManyPaymentsOfOne",
     {{-65000, 1}, {1, 65535}},
     12,
     kNominal,
     Ending::ReachesLimit,
     "2.504977791981968176337964e-7",
     16},
    {"TenfoldRepayment", {{-100, 1}, {1000, 1}}, 1, kCalculator, Ending::ReachesLimit, "9"},
    {"NegativeRate", {{-250, 1}, {35, 1}}, 12, kCalculator, Ending::ReachesLimit, "-0.86"},
    {"ShiftedRepayments",
     {{-250, 1}, {0, -0.766667L}, {35, 200}},
     12,
     kAllIn,
     Ending::ReachesLimit,
     "1.565102008119270408137644e-1"},
    {"FullDossier", FullDossier(), 12, kNominal, Ending::ReachesLimit,
     "8.029088940706002711642505e-2", 8},
    {"ZeroRateMonthly", kZeroRate, 12, kCalculator, Ending::ReachesLimit, "0"},
    {"ZeroRateYearly", kZeroRate, 1, kNominal, Ending::FailsMidRun, "0"},
    {"CalculatorLoanYearly", kCalculatorLoan, 1, kCalculator, Ending::FailsMidRun,
     "4.999984710406329233316336e-3"},
    {"EndlessRepaymentsOverflow",
     {{-100000, 1}, {716.43L, 65535}},
     1,
     kCalculator,
     Ending::FailsMidRun,
     "7.164299999999999999933387e-3"},
    {"TwoRatesMonthly", kTwoRates, 12, kAllIn, Ending::ReachesLimit, "0.1", 100},
    {"TwoRatesYearly", kTwoRates, 1, kNominal, Ending::FailsMidRun, "0.1", 100},
    // The repayment falls 39998 periods before the origin: (1 + 0,4)^39998 overflows.
    {"RepaymentBeforeTheOriginOverflowsAtAStart",
     {{-1000, 1}, {0, -40000}, {1100, 1}},
     1,
     kNominal,
     Ending::FailsAtAStart,
     "-2.382811226560577575365667e-6"},
    {"AllRepayments", {{100, 1}, {35, 200}}, 12, kCalculator, Ending::ReachesLimit, nullptr},
    {"AllDeposits", kNeverPositive, 1, kNominal, Ending::ReachesLimit, nullptr},
    {"RepaymentsNeverBalance",
     {{-100, 1}, {230, 1}, {-140, 1}},
     12,
     kAllIn,
     Ending::FailsMidRun,
     nullptr},
};

class SolveTable : public ::testing::TestWithParam<RateCase> {};

TEST_P(SolveTable, ReturnsTheIterationsRateOrTheTrueOne) {
  const RateCase& row = GetParam();
  PeriodRateSolver::Trace trace;
  const auto solve = [&] {
    return PeriodRateSolver::solve(row.schedule, row.periodsPerYear, row.caller.iterationLimit,
                                   row.caller.order, &trace);
  };
  if (row.rate == nullptr) {
    EXPECT_TRUE(FailsWith<NoRateFailure>(solve, testing::NoRate()));
  } else {
    const Real r = solve();
    const Real reference = ReferenceRate(row.rate);
    if (row.ending == Ending::MeetsTest) {
      EXPECT_EQ(r, trace.iterationRate);
    } else {
      EXPECT_NEAR(r, reference, row.ulps * LDBL_EPSILON * std::fabs(reference));
    }
  }
  EXPECT_EQ(trace.converged, row.ending == Ending::MeetsTest);
  EXPECT_EQ(trace.iterationFailed,
            row.ending == Ending::FailsMidRun || row.ending == Ending::FailsAtAStart);
  EXPECT_EQ(trace.searched, row.ending != Ending::MeetsTest);
}

INSTANTIATE_TEST_SUITE_P(Schedules, SolveTable, ::testing::ValuesIn(kRateCases),
                         [](const auto& info) { return std::string(info.param.name); });

// How many rates of the table are shown right to every digit (period rate in percent and as a
// fraction), by the iteration alone and by the solver.
TEST(SolveTable, ShowsEveryRateToItsLastDigit) {
  const auto shown = [](Real r) { return FormatFixed(r * 100, 10, 7) + FormatFixed(r, 10, 10); };
  int withRate = 0;
  int iterationRight = 0;
  int solverRight = 0;
  for (const RateCase& row : kRateCases) {
    if (row.rate == nullptr) continue;
    ++withRate;
    PeriodRateSolver::Trace trace;
    const Real r = PeriodRateSolver::solve(row.schedule, row.periodsPerYear,
                                           row.caller.iterationLimit, row.caller.order, &trace);
    const QString expected = shown(ReferenceRate(row.rate));
    if (!trace.iterationFailed && shown(trace.iterationRate) == expected) ++iterationRight;
    if (shown(r) == expected) ++solverRight;
  }
  std::cout << "iteration alone " << iterationRight << ", solver " << solverRight << " of "
            << withRate << '\n';
  EXPECT_EQ(solverRight, withRate);
}

// Where the payments change sign twice, the schedule may have two rates: the search returns the
// one it meets first, walking outward from where the iteration ended, above first.
struct SeveralRatesCase {
  const char* name;
  Real from;
  Real expected;
};

class SeveralRates : public ::testing::TestWithParam<SeveralRatesCase> {};

TEST_P(SeveralRates, GivesTheFirstRateMet) {
  int evaluations = 0;
  const Real r = SearchPeriodRate(kTwoRates, GetParam().from, evaluations);
  EXPECT_NEAR(r, GetParam().expected, 100 * LDBL_EPSILON * GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(TwoRates, SeveralRates,
                         ::testing::Values(SeveralRatesCase{"BetweenThemAboveFirst", 0.16L, 0.2L},
                                           SeveralRatesCase{"BetweenThemNearerBelow", 0.12L, 0.1L},
                                           SeveralRatesCase{"FromBelowBoth", -0.5L, 0.1L},
                                           SeveralRatesCase{"BothInOneCellNearerFirst", 5, 0.2L}),
                         [](const auto& info) { return std::string(info.param.name); });

// At a double rate the present value touches zero: the search ends quickly, either on the rate
// (to the precision a touching zero allows) or saying there is none.
TEST(SeveralRates, DoubleRateEndsQuickly) {
  const Schedule touching = {{-100, 1}, {230, 1}, {-132.25L, 1}};
  for (const Real from : {0.0L, 3.0L}) {
    int evaluations = 0;
    try {
      EXPECT_NEAR(SearchPeriodRate(touching, from, evaluations), 0.15L, 1e-8L);
    } catch (const NoRateFailure&) {
    }
    EXPECT_LT(evaluations, 1000);
  }
}

}  // namespace
}  // namespace kalmoris
