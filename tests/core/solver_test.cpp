#include "core/solver.h"

#include "core/numbers.h"
#include "tests/core/failure_expectations.h"

#include <gtest/gtest.h>

#include <cmath>
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

// Deposits only: the present value stays negative at every rate, so no run stops early.
const Schedule kNeverPositive = {{-1000, 12}, {-500, 24.5L}};

class ExhaustedRun : public ::testing::TestWithParam<Caller> {};

TEST_P(ExhaustedRun, PerformsEveryIterationAndReturnsTheLastStep) {
  const Caller& caller = GetParam();
  PeriodRateSolver::Trace trace;
  const Real last =
      PeriodRateSolver::solve(kNeverPositive, 12, caller.iterationLimit, caller.order, &trace);
  EXPECT_EQ(trace.iterations, caller.iterationLimit);
  EXPECT_EQ(trace.evaluations, caller.iterationLimit + 3);
  // One more iteration is exactly one more chord step from the rate returned.
  const Real next =
      PeriodRateSolver::solve(kNeverPositive, 12, caller.iterationLimit + 1, caller.order);
  EXPECT_EQ(next, ChordFrom(kNeverPositive, 12, last));
  EXPECT_LT(GroupedPresentValue(kNeverPositive, next), 0.0L);
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

TEST(PeriodRateSolver, AllZeroPaymentsAreAnInvalidOperation) {
  const Schedule zeros = {{0, 1}, {0, 180}};
  PeriodRateSolver::Trace trace;
  EXPECT_TRUE(FailsWith<ArithmeticFailure>(
      [&] { PeriodRateSolver::solve(zeros, 12, 1000, StopOrder::UpdateFirst, &trace); },
      testing::InvalidOperation()));
  EXPECT_EQ(trace.evaluations, 2);
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

}  // namespace
}  // namespace kalmoris
