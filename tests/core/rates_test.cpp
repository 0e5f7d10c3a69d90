#include "core/rates.h"

#include "core/numbers.h"
#include "tests/core/failure_expectations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>

namespace kalmoris {
namespace {

using testing::FailsWith;
using testing::PrintTo;

// The instalment screen's sequence for 100 000 over 240 monthly instalments at 6 %.
struct InstalmentScreenCase {
  const char* name;
  RateKind kind;
  const char* periodRate;      // FormatFixed P 10, D 7
  const char* instalment;      // FormatFixed P 10, D 2
  const char* equivalentRate;  // FormatFixed P 10, D 7 (actuarial) or P 10, D 4 (proportional)
};

class InstalmentScreen : public ::testing::TestWithParam<InstalmentScreenCase> {};

TEST_P(InstalmentScreen, GivesTheDisplayedResults) {
  const InstalmentScreenCase& row = GetParam();
  const Real periodPercent = PeriodRateFromAnnual(row.kind, 6, 12);
  EXPECT_EQ(FormatFixed(periodPercent, 10, 7), QString::fromUtf8(row.periodRate));
  EXPECT_EQ(FormatFixed(InstalmentOf(100000, periodPercent, 240), 10, 2),
            QString::fromUtf8(row.instalment));
  const QString equivalent = row.kind == RateKind::Proportional
                                 ? FormatFixed(ActuarialFromPeriod(periodPercent, 12), 10, 7)
                                 : FormatFixed(ProportionalFromPeriod(periodPercent, 12), 10, 4);
  EXPECT_EQ(equivalent, QString::fromUtf8(row.equivalentRate));
}

INSTANTIATE_TEST_SUITE_P(SixPercent, InstalmentScreen,
                         ::testing::Values(InstalmentScreenCase{"Proportional",
                                                                RateKind::Proportional, "0,5000000",
                                                                "716,43", "6,1677812"},
                                           InstalmentScreenCase{"Actuarial", RateKind::Actuarial,
                                                                "0,4867551", "707,29", "5,8411"}),
                         [](const auto& info) { return std::string(info.param.name); });

// The capital is rebuilt only as precisely as the typed instalment allows.
TEST(CapitalOf, RebuildsFromTheRoundedInstalment) {
  EXPECT_EQ(FormatFixed(CapitalOf(716.43L, 0.5L, 240), 10, 2), QStringLiteral("99999,85"));
  const Real actuarialPeriod = PeriodRateFromAnnual(RateKind::Actuarial, 6, 12);
  EXPECT_EQ(FormatFixed(CapitalOf(716.43L, actuarialPeriod, 240), 10, 2),
            QStringLiteral("101291,96"));
}

TEST(CapitalOf, ZeroCountGivesZero) {
  EXPECT_EQ(CapitalOf(716.43L, 0.5L, 0), 0.0L);
}

// A loan at zero rate ("prêt à taux zéro") is repaid in equal parts of its capital.
TEST(ZeroRate, InstalmentAndCapitalAreEqualParts) {
  EXPECT_EQ(InstalmentOf(120000, 0, 240), 500.0L);
  EXPECT_EQ(CapitalOf(500, 0, 240), 120000.0L);
  EXPECT_EQ(FormatFixed(InstalmentOf(100000, 0, 180), 10, 2), QStringLiteral("555,56"));
}

struct RoundTripCase {
  const char* name;
  Real annualPercent;
  Real perYear;
};

class RateRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(RateRoundTrip, ActuarialComesBackToTheTypedRate) {
  const auto [name, annual, perYear] = GetParam();
  const Real period = PeriodRateFromAnnual(RateKind::Actuarial, annual, perYear);
  EXPECT_EQ(FormatFixed(ActuarialFromPeriod(period, perYear), 10, 7), FormatFixed(annual, 10, 7));
  EXPECT_NEAR(ActuarialFromPeriod(period, perYear), annual, annual * 1e-15L);
}

TEST_P(RateRoundTrip, ProportionalComesBackToTheTypedRate) {
  const auto [name, annual, perYear] = GetParam();
  const Real period = PeriodRateFromAnnual(RateKind::Proportional, annual, perYear);
  EXPECT_EQ(FormatFixed(ProportionalFromPeriod(period, perYear), 10, 7),
            FormatFixed(annual, 10, 7));
}

TEST_P(RateRoundTrip, CapitalOfTheInstalmentIsTheCapital) {
  const auto [name, annual, perYear] = GetParam();
  const Real period = PeriodRateFromAnnual(RateKind::Proportional, annual, perYear);
  const Real instalment = InstalmentOf(250000, period, 180);
  EXPECT_NEAR(CapitalOf(instalment, period, 180), 250000.0L, 1e-9L);
}

// The proportional and actuarial kinds agree once a year and differ otherwise.
TEST_P(RateRoundTrip, KindsDifferExceptYearly) {
  const auto [name, annual, perYear] = GetParam();
  const Real proportional = PeriodRateFromAnnual(RateKind::Proportional, annual, perYear);
  const Real actuarial = PeriodRateFromAnnual(RateKind::Actuarial, annual, perYear);
  if (perYear == 1) {
    EXPECT_NEAR(actuarial, proportional, annual * 1e-16L);
  } else {
    EXPECT_LT(actuarial, proportional);
  }
}

INSTANTIATE_TEST_SUITE_P(Rates, RateRoundTrip,
                         ::testing::Values(RoundTripCase{"LowMonthly", 0.5L, 12},
                                           RoundTripCase{"Monthly", 6, 12},
                                           RoundTripCase{"Quarterly", 6.5L, 4},
                                           RoundTripCase{"Yearly", 12.75L, 1},
                                           RoundTripCase{"WeeklyManyDecimals", 18.3456L, 52},
                                           RoundTripCase{"WidestCount", 100, 255},
                                           RoundTripCase{"HalfYearly", 3.25L, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

// At 100 % over one period the capital doubles exactly, which needs i% x 0,01 to give exactly 1:
// only the extended 0,01 does (the double 0,01 gives 1 + 2e-17).
struct ExactCase {
  const char* name;
  std::function<Real()> compute;
  Real expected;
};

class HundredPercent : public ::testing::TestWithParam<ExactCase> {};

TEST_P(HundredPercent, IsExact) {
  EXPECT_EQ(GetParam().compute(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    OnePeriod, HundredPercent,
    ::testing::Values(
        ExactCase{"ActuarialFromPeriod", [] { return ActuarialFromPeriod(100, 1); }, 100.0L},
        ExactCase{"PeriodRateFromActuarial",
                  [] { return PeriodRateFromAnnual(RateKind::Actuarial, 100, 1); }, 100.0L},
        ExactCase{"CapitalOfOneInstalment", [] { return CapitalOf(200, 100, 1); }, 100.0L},
        ExactCase{"InstalmentOfOnePeriod", [] { return InstalmentOf(100, 100, 1); }, 200.0L}),
    [](const auto& info) { return std::string(info.param.name); });

struct FailureCase {
  const char* name;
  std::function<void()> action;
  QString message;
};

class RateFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(RateFailure, StopsWithTheMessage) {
  EXPECT_TRUE(FailsWith<ArithmeticFailure>(GetParam().action, GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(
    Unguarded, RateFailure,
    ::testing::Values(
        FailureCase{"ProportionalZeroPerYear",
                    [] { PeriodRateFromAnnual(RateKind::Proportional, 6, 0); },
                    testing::DivisionByZero()},
        FailureCase{"ProportionalZeroOverZero",
                    [] { PeriodRateFromAnnual(RateKind::Proportional, 0, 0); },
                    testing::InvalidOperation()},
        FailureCase{"ActuarialZeroPerYear", [] { PeriodRateFromAnnual(RateKind::Actuarial, 6, 0); },
                    testing::DivisionByZero()},
        FailureCase{"ActuarialZeroRateZeroPerYear",
                    [] { PeriodRateFromAnnual(RateKind::Actuarial, 0, 0); },
                    testing::DivisionByZero()},
        FailureCase{"InstalmentZeroRateZeroCount", [] { InstalmentOf(100000, 0, 0); },
                    testing::DivisionByZero()},
        FailureCase{"InstalmentZeroRateNothingLent", [] { InstalmentOf(0, 0, 0); },
                    testing::InvalidOperation()},
        FailureCase{"InstalmentZeroCount", [] { InstalmentOf(100000, 0.5L, 0); },
                    testing::DivisionByZero()},
        FailureCase{"ActuarialOfMinusHundredPercent", [] { ActuarialFromPeriod(-100, 12); },
                    testing::InvalidOperation()},
        FailureCase{"ActuarialPowerOverflows", [] { ActuarialFromPeriod(1e30L, 255); },
                    testing::Overflow()},
        FailureCase{"InstalmentPowerOverflows", [] { InstalmentOf(100000, -99.9L, 65535); },
                    testing::Overflow()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PeriodRateFromAnnual, RefusesAnUndeterminedKind) {
  EXPECT_THROW(PeriodRateFromAnnual(RateKind::Undetermined, 6, 12), std::invalid_argument);
}

}  // namespace
}  // namespace kalmoris
