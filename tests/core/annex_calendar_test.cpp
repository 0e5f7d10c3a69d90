#include "core/annex_calendar.h"

#include <gtest/gtest.h>

#include <string>

namespace kalmoris {
namespace {

struct CalendarCase {
  const char* name;
  QDate origin;
  ScheduleDay flow;
  int periodsPerYear;
  AnnexTime expected;
};

void PrintTo(const CalendarCase& row, std::ostream* out) {
  *out << row.name;
}

class AnnexTimeTest : public ::testing::TestWithParam<CalendarCase> {};

TEST_P(AnnexTimeTest, CountsWholePeriodsBackThenDaysOverTheYearEndingThere) {
  const CalendarCase& row = GetParam();
  EXPECT_EQ(annexTime(row.origin, row.flow, row.periodsPerYear), row.expected);
}

// The Commission's factors, then the schedules of a day some months lack.
INSTANTIATE_TEST_SUITE_P(
    Calendar, AnnexTimeTest,
    ::testing::Values(
        CalendarCase{"TwoMonthsAndThreeDaysOverAYearWithout29February",
                     QDate(2012, 1, 12),
                     {2012, 3, 15},
                     12,
                     {2, 3, 365, 12}},
        CalendarCase{"OneMonthAndThreeDaysOverAYearHolding29February",
                     QDate(2013, 1, 12),
                     {2013, 2, 15},
                     12,
                     {1, 3, 366, 12}},
        CalendarCase{"TheYearEndingOn28February2013Holds29February2012",
                     QDate(2013, 2, 25),
                     {2013, 3, 28},
                     12,
                     {1, 3, 366, 12}},
        CalendarCase{"29FebruaryLackingIn2013MeansThe28th",
                     QDate(2013, 2, 26),
                     {2013, 3, 29},
                     12,
                     {1, 2, 366, 12}},
        CalendarCase{
            "29February2012Exists", QDate(2012, 2, 26), {2012, 3, 29}, 12, {1, 3, 366, 12}},
        CalendarCase{"AcrossTheNewYear", QDate(2012, 12, 1), {2013, 2, 2}, 12, {2, 1, 366, 12}},
        CalendarCase{
            "LessThanAPeriodIsDaysOnly", QDate(2015, 2, 15), {2015, 3, 1}, 12, {0, 14, 365, 12}},
        CalendarCase{
            "TheOriginItselfIsTimeZero", QDate(2012, 1, 12), {2012, 1, 12}, 12, {0, 0, 365, 12}},
        CalendarCase{"AScheduleOfThe31stIsInWholeMonths",
                     QDate(2026, 1, 31),
                     {2026, 2, 31},
                     12,
                     {1, 0, 365, 12}},
        CalendarCase{"AFlowOnThe28thOfAScheduleOfThe28thIsDays",
                     QDate(2026, 1, 31),
                     {2026, 2, 28},
                     12,
                     {0, 28, 365, 12}},
        CalendarCase{
            "QuartersOfThreeMonths", QDate(2026, 1, 15), {2027, 5, 20}, 4, {5, 36, 365, 4}},
        CalendarCase{"YearsOfTwelveMonths", QDate(2023, 3, 1), {2025, 3, 10}, 1, {2, 9, 365, 1}},
        CalendarCase{"AFlowBeforeTheOriginCountsNegativeDays",
                     QDate(2026, 3, 10),
                     {2026, 3, 1},
                     12,
                     {0, -9, 365, 12}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AnnexTime, YearsAndPeriodsAddTheDaysToTheWholePeriods) {
  const AnnexTime time{2, 3, 365, 12};
  EXPECT_EQ(time.years(), 2.0L / 12 + 3.0L / 365);
  EXPECT_EQ(time.periods(), 2 + 3.0L * 12 / 365);
  EXPECT_EQ(annexTimeText(time), QStringLiteral("2 mois + 3 / 365"));
  EXPECT_EQ(annexTimeText({1, 10, 366, 4}), QStringLiteral("1 trimestre + 10 / 366"));
  EXPECT_EQ(annexTimeText({3, 0, 365, 2}), QStringLiteral("3 semestres + 0 / 365"));
  EXPECT_EQ(annexTimeText({0, 5, 365, 1}), QStringLiteral("0 an + 5 / 365"));
}

TEST(ScheduleDay, AMonthLackingTheDayMeansItsLastDay) {
  EXPECT_EQ((ScheduleDay{2026, 2, 31}.date()), QDate(2026, 2, 28));
  EXPECT_EQ((ScheduleDay{2028, 2, 30}.date()), QDate(2028, 2, 29));
  EXPECT_EQ((ScheduleDay{2026, 4, 31}.date()), QDate(2026, 4, 30));
  EXPECT_EQ((ScheduleDay{2026, 1, 31}.addMonths(1)), (ScheduleDay{2026, 2, 31}));
  EXPECT_EQ((ScheduleDay{2026, 1, 31}.addMonths(-13)), (ScheduleDay{2024, 12, 31}));
  EXPECT_EQ((ScheduleDay{2026, 11, 5}.addMonths(14)), (ScheduleDay{2028, 1, 5}));
}

TEST(MonthsPerPeriod, OnlyPeriodsThatDivideTheYearIntoMonths) {
  EXPECT_EQ(monthsPerPeriod(12), 1);
  EXPECT_EQ(monthsPerPeriod(4), 3);
  EXPECT_EQ(monthsPerPeriod(1), 12);
  EXPECT_EQ(monthsPerPeriod(5), std::nullopt);
  EXPECT_EQ(monthsPerPeriod(24), std::nullopt);
  EXPECT_EQ(monthsPerPeriod(0), std::nullopt);
}

TEST(FrenchDate, ReadsDayMonthYearAndRefusesDaysTheMonthLacks) {
  EXPECT_EQ(readFrenchDate(QStringLiteral("15/02/2012")), QDate(2012, 2, 15));
  EXPECT_EQ(readFrenchDate(QStringLiteral(" 1.3.2015 ")), QDate(2015, 3, 1));
  EXPECT_EQ(readFrenchDate(QStringLiteral("31/02/2026")), std::nullopt);
  EXPECT_EQ(readFrenchDate(QStringLiteral("2026-02-15")), std::nullopt);
  EXPECT_EQ(readFrenchDate(QString()), std::nullopt);
  EXPECT_EQ(frenchDateText(QDate(2015, 3, 1)), QStringLiteral("01/03/2015"));
}

}  // namespace
}  // namespace kalmoris
