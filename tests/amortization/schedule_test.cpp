#include "amortization/core/schedule.h"

#include "core/numbers.h"
#include "tests/amortization/loan_inputs.h"
#include "tests/core/failure_expectations.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace kalmoris {
namespace {

using testing::FailsWith;
using testing::FrancsLoan;
using testing::LoanInputs;
using testing::PrintTo;

QString Money(Real value) {
  return FormatFixed(value, 8, 2);
}
QString Capital(Real value) {
  return FormatFixed(value, 12, 2);
}

struct DateStep {
  const char* name;
  unsigned perYear;
  ScheduleDate from;
  ScheduleDate to;
};

class AdvanceDateTable : public ::testing::TestWithParam<DateStep> {};

TEST_P(AdvanceDateTable, MovesByTheMonthsBetweenInstalments) {
  ScheduleDate date = GetParam().from;
  AdvanceDate(date, GetParam().perYear);
  EXPECT_EQ(date.month, GetParam().to.month);
  EXPECT_EQ(date.year, GetParam().to.year);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, AdvanceDateTable,
    ::testing::Values(DateStep{"monthly within the year", 12, {11, 2002}, {12, 2002}},
                      DateStep{"monthly into January", 12, {12, 2002}, {1, 2003}},
                      DateStep{"every two months across the year", 6, {11, 2002}, {1, 2003}},
                      DateStep{"quarterly across the year", 4, {11, 2002}, {2, 2003}},
                      DateStep{"quarterly within the year", 4, {2, 2003}, {5, 2003}},
                      DateStep{"quarterly from December", 4, {12, 2002}, {3, 2003}},
                      DateStep{"every four months", 3, {9, 2002}, {1, 2003}},
                      DateStep{"half-yearly", 2, {7, 2002}, {1, 2003}},
                      DateStep{"yearly keeps the month", 1, {3, 2002}, {3, 2003}},
                      DateStep{"twice a month keeps the date", 24, {11, 2002}, {11, 2002}},
                      DateStep{"five a year keeps the date", 5, {11, 2002}, {11, 2002}},
                      DateStep{"none a year keeps the date", 0, {11, 2002}, {11, 2002}}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      return name;
    });

TEST(DateText, WritesTheMonthOnTwoDigits) {
  EXPECT_EQ(DateText({3, 2002}), QStringLiteral("03 / 2002"));
  EXPECT_EQ(DateText({11, 2002}), QStringLiteral("11 / 2002"));
  EXPECT_EQ(DateText({1, 2}), QStringLiteral("01 / 2"));
}

TEST(AdvanceDate, TheLargestYearSurvivesTheLongestYearlySchedule) {
  ScheduleDate date{12, std::numeric_limits<std::int32_t>::max()};
  for (int k = 0; k < kMaxInstalments; ++k) AdvanceDate(date, 1);
  EXPECT_EQ(date.year, std::int64_t{std::numeric_limits<std::int32_t>::max()} + kMaxInstalments);
  EXPECT_EQ(DateText(date), QStringLiteral("12 / 2147583647"));
}

TEST(ComputeSchedule, GivesTheFrancsLoanRowByRow) {
  DatedSchedule schedule;
  ComputeSchedule(FrancsLoan(), schedule);
  const CurrencySchedule& francs = schedule.typed;
  ASSERT_EQ(francs.rows.size(), 240u);
  EXPECT_EQ(Capital(francs.capital), QStringLiteral("100000,00"));
  EXPECT_EQ(Money(francs.instalment), QStringLiteral("716,43"));
  EXPECT_EQ(Money(francs.rows[0].interest), QStringLiteral("500,00"));
  EXPECT_EQ(Money(francs.rows[0].principal), QStringLiteral("216,43"));
  EXPECT_EQ(Capital(francs.rows[0].remaining), QStringLiteral("99783,57"));
  EXPECT_EQ(Money(francs.rows[1].interest), QStringLiteral("498,92"));
  EXPECT_EQ(Money(francs.rows[1].principal), QStringLiteral("217,51"));
  EXPECT_EQ(Capital(francs.rows[1].remaining), QStringLiteral("99566,06"));
  EXPECT_EQ(Money(francs.rows[239].interest), QStringLiteral("3,56"));
  EXPECT_EQ(Money(francs.rows[239].principal), QStringLiteral("712,87"));
  EXPECT_TRUE(Capital(francs.rows[239].remaining) == QStringLiteral("0,00") ||
              Capital(francs.rows[239].remaining) == QStringLiteral("-0,00"));
  EXPECT_EQ(Money(francs.totalInterest), QStringLiteral("71943,45"));
  EXPECT_EQ(Money(francs.totalPrincipal), QStringLiteral("100000,00"));
}

TEST(ComputeSchedule, GivesTheOtherCurrencyFromItsOwnCapitalAndInstalment) {
  DatedSchedule schedule;
  ComputeSchedule(FrancsLoan(), schedule);
  const CurrencySchedule& euros = schedule.other;
  ASSERT_EQ(euros.rows.size(), 240u);
  EXPECT_EQ(Capital(euros.capital), QStringLiteral("15244,90"));
  EXPECT_EQ(Money(euros.instalment), QStringLiteral("109,22"));
  EXPECT_EQ(Money(euros.rows[0].interest), QStringLiteral("76,22"));
  EXPECT_EQ(Money(euros.rows[0].principal), QStringLiteral("32,99"));
  EXPECT_EQ(Capital(euros.rows[0].remaining), QStringLiteral("15211,91"));
}

// The residue after the last instalment is what the unrounded arithmetic leaves: far below
// a cent, where rounding each row to the cent would leave cents.
TEST(ComputeSchedule, CarriesTheValuesUnroundedToTheLastInstalment) {
  DatedSchedule schedule;
  ComputeSchedule(FrancsLoan(), schedule);
  EXPECT_LT(std::fabs(static_cast<double>(schedule.typed.rows.back().remaining)), 1e-6);
  EXPECT_LT(std::fabs(static_cast<double>(schedule.other.rows.back().remaining)), 1e-6);
}

TEST(ComputeSchedule, DatesEveryInstalmentFromTheFirst) {
  DatedSchedule monthly;
  ComputeSchedule(FrancsLoan(11, 2002), monthly);
  EXPECT_TRUE(monthly.datesShown);
  EXPECT_EQ(DateText(monthly.dates[0]), QStringLiteral("11 / 2002"));
  EXPECT_EQ(DateText(monthly.dates[1]), QStringLiteral("12 / 2002"));
  EXPECT_EQ(DateText(monthly.dates[2]), QStringLiteral("01 / 2003"));
  EXPECT_EQ(DateText(monthly.dates[239]), QStringLiteral("10 / 2022"));

  DatedSchedule quarterly;
  ComputeSchedule(LoanInputs(MoneyUnit::Francs, RateKind::Proportional, 100000, 6, 4, 80, 11, 2002),
                  quarterly);
  EXPECT_EQ(DateText(quarterly.dates[1]), QStringLiteral("02 / 2003"));
  EXPECT_EQ(DateText(quarterly.dates[2]), QStringLiteral("05 / 2003"));
}

TEST(ComputeSchedule, ShowsNoDatesWithoutAMonthOrAYear) {
  for (const auto& [month, year] : {std::pair{0, 2002}, std::pair{3, 0}, std::pair{0, 0}}) {
    DatedSchedule schedule;
    ComputeSchedule(FrancsLoan(month, year), schedule);
    EXPECT_FALSE(schedule.datesShown) << month << " / " << year;
    EXPECT_EQ(schedule.typed.rows.size(), 240u);
  }
}

// A capital near the top of the extended range at 100 % a period: the interest sums overflow
// after some thousand instalments, and those computed before stay, in both currencies.
TEST(ComputeSchedule, StopsAtAnOverflowKeepingTheInstalmentsBeforeIt) {
  ScheduleInputs inputs;
  inputs.unit = MoneyUnit::Euros;
  inputs.kind = RateKind::Proportional;
  inputs.capital = 1e4929L;
  inputs.otherCapital = 1e4929L;
  inputs.periodRate = 100;
  inputs.instalment = 1e4929L;
  inputs.otherInstalment = 1e4929L;
  inputs.perYear = 12;
  inputs.total = kMaxInstalments;
  DatedSchedule schedule;
  EXPECT_TRUE(FailsWith<ArithmeticFailure>([&] { ComputeSchedule(inputs, schedule); },
                                           testing::Overflow()));
  EXPECT_GT(schedule.typed.rows.size(), 0u);
  EXPECT_LT(schedule.typed.rows.size(), std::size_t{kMaxInstalments});
  EXPECT_EQ(schedule.other.rows.size(), schedule.typed.rows.size());
  EXPECT_EQ(schedule.dates.size(), schedule.typed.rows.size() + 1);  // the one that failed
}

}  // namespace
}  // namespace kalmoris
