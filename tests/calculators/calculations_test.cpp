// The four quick calculations over the values their screens read: what each shows, in which
// order, and where a failure stops it.
#include "calculators/core/capital.h"
#include "calculators/core/deposits.h"
#include "calculators/core/instalment.h"
#include "calculators/core/nominal_rate.h"
#include "core/errors.h"
#include "tests/core/failure_expectations.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace kalmoris {
namespace {

using testing::DivisionByZero;
using testing::InvalidOperation;
using testing::Overflow;
using testing::PrintTo;

// What a calculation showed, in order, and the message of the failure that stopped it.
template <typename Slot>
struct Outcome {
  std::vector<std::pair<Slot, QString>> shown;
  QString failure;
};

template <typename Slot, typename Calculation>
Outcome<Slot> run(Calculation&& calculation) {
  Outcome<Slot> outcome;
  try {
    calculation([&](Slot slot, const QString& text) { outcome.shown.emplace_back(slot, text); });
  } catch (const Failure& failure) {
    outcome.failure = failure.message();
  }
  return outcome;
}

template <typename Slot>
std::vector<std::pair<Slot, QString>> texts(
    const std::vector<std::pair<Slot, const char*>>& expected) {
  std::vector<std::pair<Slot, QString>> converted;
  for (const auto& [slot, text] : expected) converted.emplace_back(slot, QString::fromUtf8(text));
  return converted;
}

template <typename Row>
std::string rowName(const ::testing::TestParamInfo<Row>& info) {
  return info.param.name;
}

// Nominal rate.

using N = NominalRateText;

struct NominalRateCase {
  const char* name;
  NominalRateEntries entries;
  MoneyUnit unit;
  std::vector<std::pair<N, const char*>> shown;
  const char* failure;
};

class NominalRate : public ::testing::TestWithParam<NominalRateCase> {};

TEST_P(NominalRate, ShowsEachTextInOrderAndStopsAtItsFailure) {
  const NominalRateCase& row = GetParam();
  const auto outcome = run<N>(
      [&](const ShowNominalRateText& show) { CalculateNominalRate(row.entries, row.unit, show); });
  EXPECT_EQ(outcome.shown, texts(row.shown));
  EXPECT_EQ(outcome.failure, QString::fromUtf8(row.failure));
}

INSTANTIATE_TEST_SUITE_P(Loans, NominalRate,
                         ::testing::Values(NominalRateCase{"FrancsTwentyYearsMonthly",
                                                           {100000, 716.43L, 12, 240},
                                                           MoneyUnit::Francs,
                                                           {{N::CapitalEntry, "100000,00"},
                                                            {N::PerYearEntry, "12"},
                                                            {N::InstalmentEntry, "716,43"},
                                                            {N::TotalEntry, "240"},
                                                            {N::OtherCapital, "15244,90"},
                                                            {N::OtherInstalment, "109,22"},
                                                            {N::PeriodRate, "0,4999985 %"},
                                                            {N::ProportionalRate, "6,0000 %"},
                                                            {N::ActuarialRate, "6,1678 %"}},
                                                           ""},
                                           NominalRateCase{"EurosConvertIntoFrancs",
                                                           {100000, 716.43L, 12, 240},
                                                           MoneyUnit::Euros,
                                                           {{N::CapitalEntry, "100000,00"},
                                                            {N::PerYearEntry, "12"},
                                                            {N::InstalmentEntry, "716,43"},
                                                            {N::TotalEntry, "240"},
                                                            {N::OtherCapital, "655957,00"},
                                                            {N::OtherInstalment, "4699,47"},
                                                            {N::PeriodRate, "0,4999985 %"},
                                                            {N::ProportionalRate, "6,0000 %"},
                                                            {N::ActuarialRate, "6,1678 %"}},
                                                           ""},
                                           NominalRateCase{"NoCurrencyShowsNoConversion",
                                                           {100000.5L, 716.43L, 12, 240},
                                                           MoneyUnit::None,
                                                           {{N::CapitalEntry, "100000,50"},
                                                            {N::PerYearEntry, "12"},
                                                            {N::InstalmentEntry, "716,43"},
                                                            {N::TotalEntry, "240"},
                                                            {N::PeriodRate, "0,4999933 %"},
                                                            {N::ProportionalRate, "5,9999 %"},
                                                            {N::ActuarialRate, "6,1677 %"}},
                                                           ""},
                                           NominalRateCase{
                                               "ZeroPerYearFailsAfterTheRewritesAndConversions",
                                               {100000, 716.43L, 0, 240},
                                               MoneyUnit::Francs,
                                               {{N::CapitalEntry, "100000,00"},
                                                {N::PerYearEntry, "0"},
                                                {N::InstalmentEntry, "716,43"},
                                                {N::TotalEntry, "240"},
                                                {N::OtherCapital, "15244,90"},
                                                {N::OtherInstalment, "109,22"}},
                                               "Division flottante par zéro"}),
                         rowName<NominalRateCase>);

TEST(NominalRateCapital, IsRepaidUpToTheSumOfTheInstalments) {
  EXPECT_FALSE(CapitalIsRepaid({100000, 400, 12, 240}));  // 96 000 < 100 000
  EXPECT_TRUE(CapitalIsRepaid({96000, 400, 12, 240}));    // equal is not refused
  EXPECT_TRUE(CapitalIsRepaid({100000, 716.43L, 12, 240}));
  EXPECT_FALSE(CapitalIsRepaid({1, 0, 12, 240}));
}

TEST(NominalRateSchedule, IsTheCapitalReceivedOnceThenTheInstalments) {
  const auto schedule = NominalRateSchedule({100000, 716.43L, 12, 240});
  EXPECT_EQ(schedule[0].payment, -100000);
  EXPECT_EQ(schedule[0].count, 1);
  EXPECT_EQ(schedule[1].payment, 716.43L);
  EXPECT_EQ(schedule[1].count, 240);
}

// Instalment.

using I = InstalmentText;

struct InstalmentCase {
  const char* name;
  InstalmentEntries entries;
  MoneyUnit unit;
  RateKind kind;
  std::vector<std::pair<I, const char*>> shown;
  const char* failure;
};

class Instalment : public ::testing::TestWithParam<InstalmentCase> {};

TEST_P(Instalment, ShowsEachTextInOrderAndStopsAtItsFailure) {
  const InstalmentCase& row = GetParam();
  const auto outcome = run<I>([&](const ShowInstalmentText& show) {
    CalculateInstalment(row.entries, row.unit, row.kind, show);
  });
  EXPECT_EQ(outcome.shown, texts(row.shown));
  EXPECT_EQ(outcome.failure, QString::fromUtf8(row.failure));
}

INSTANTIATE_TEST_SUITE_P(
    Loans, Instalment,
    ::testing::Values(InstalmentCase{"ProportionalFrancs",
                                     {100000, 6, 12, 240},
                                     MoneyUnit::Francs,
                                     RateKind::Proportional,
                                     {{I::PeriodRate, "  0,5000000 %"},
                                      {I::Instalment, "716,43"},
                                      {I::EquivalentRate, "6,1677812 %"},
                                      {I::OtherCapital, "15244,90"},
                                      {I::CapitalUnit, "Francs"},
                                      {I::OtherCapitalUnit, "Euros"},
                                      {I::OtherInstalment, "109,22"},
                                      {I::InstalmentUnit, "Francs"},
                                      {I::OtherInstalmentUnit, "Euros"}},
                                     ""},
                      InstalmentCase{"ActuarialFrancsEquivalentHasFourDecimals",
                                     {100000, 6, 12, 240},
                                     MoneyUnit::Francs,
                                     RateKind::Actuarial,
                                     {{I::PeriodRate, "  0,4867551 %"},
                                      {I::Instalment, "707,29"},
                                      {I::EquivalentRate, "5,8411 %"},
                                      {I::OtherCapital, "15244,90"},
                                      {I::CapitalUnit, "Francs"},
                                      {I::OtherCapitalUnit, "Euros"},
                                      {I::OtherInstalment, "107,83"},
                                      {I::InstalmentUnit, "Francs"},
                                      {I::OtherInstalmentUnit, "Euros"}},
                                     ""},
                      InstalmentCase{"ProportionalEurosConvertTheUnroundedInstalment",
                                     {100000, 6, 12, 240},
                                     MoneyUnit::Euros,
                                     RateKind::Proportional,
                                     {{I::PeriodRate, "  0,5000000 %"},
                                      {I::Instalment, "716,43"},
                                      {I::EquivalentRate, "6,1677812 %"},
                                      {I::OtherCapital, "655957,00"},
                                      {I::CapitalUnit, "Euros"},
                                      {I::OtherCapitalUnit, "Francs"},
                                      {I::OtherInstalment, "4699,48"},
                                      {I::InstalmentUnit, "Euros"},
                                      {I::OtherInstalmentUnit, "Francs"}},
                                     ""},
                      InstalmentCase{"ZeroRateRepaysTheCapitalInEqualParts",
                                     {100000, 0, 12, 240},
                                     MoneyUnit::Francs,
                                     RateKind::Proportional,
                                     {{I::PeriodRate, "  0,0000000 %"},
                                      {I::Instalment, "416,67"},
                                      {I::EquivalentRate, "0,0000000 %"},
                                      {I::OtherCapital, "15244,90"},
                                      {I::CapitalUnit, "Francs"},
                                      {I::OtherCapitalUnit, "Euros"},
                                      {I::OtherInstalment, "63,52"},
                                      {I::InstalmentUnit, "Francs"},
                                      {I::OtherInstalmentUnit, "Euros"}},
                                     ""},
                      InstalmentCase{"ZeroTotalCountShowsThePeriodRateThenDividesByZero",
                                     {100000, 6, 12, 0},
                                     MoneyUnit::Francs,
                                     RateKind::Actuarial,
                                     {{I::PeriodRate, "  0,4867551 %"}},
                                     "Division flottante par zéro"},
                      InstalmentCase{"ZeroPerYearShowsNothing",
                                     {100000, 6, 0, 240},
                                     MoneyUnit::Francs,
                                     RateKind::Proportional,
                                     {},
                                     "Division flottante par zéro"}),
    rowName<InstalmentCase>);

// Capital.

using K = CapitalText;

struct CapitalCase {
  const char* name;
  CapitalEntries entries;
  MoneyUnit unit;
  RateKind kind;
  std::vector<std::pair<K, const char*>> shown;
  const char* failure;
};

class Capital : public ::testing::TestWithParam<CapitalCase> {};

TEST_P(Capital, ShowsEachTextInOrderAndStopsAtItsFailure) {
  const CapitalCase& row = GetParam();
  const auto outcome = run<K>([&](const ShowCapitalText& show) {
    CalculateCapital(row.entries, row.unit, row.kind, show);
  });
  EXPECT_EQ(outcome.shown, texts(row.shown));
  EXPECT_EQ(outcome.failure, QString::fromUtf8(row.failure));
}

INSTANTIATE_TEST_SUITE_P(
    Loans, Capital,
    ::testing::Values(CapitalCase{"ProportionalFrancsRebuildsFromTheRoundedInstalment",
                                  {716.43L, 6, 12, 240},
                                  MoneyUnit::Francs,
                                  RateKind::Proportional,
                                  {{K::PeriodRate, "  0,5000000 %"},
                                   {K::Capital, "99999,85"},
                                   {K::OtherCapital, "15244,88"},
                                   {K::InstalmentUnit, "Francs"},
                                   {K::OtherInstalmentUnit, "Euros"},
                                   {K::OtherInstalment, "109,22"},
                                   {K::CapitalUnit, "Francs"},
                                   {K::OtherCapitalUnit, "Euros"}},
                                  ""},
                      CapitalCase{"ActuarialEuros",
                                  {716.43L, 6, 12, 240},
                                  MoneyUnit::Euros,
                                  RateKind::Actuarial,
                                  {{K::PeriodRate, "  0,4867551 %"},
                                   {K::Capital, "101291,96"},
                                   {K::OtherCapital, "664431,71"},
                                   {K::InstalmentUnit, "Euros"},
                                   {K::OtherInstalmentUnit, "Francs"},
                                   {K::OtherInstalment, "4699,47"},
                                   {K::CapitalUnit, "Euros"},
                                   {K::OtherCapitalUnit, "Francs"}},
                                  ""},
                      CapitalCase{"ZeroTotalCountGivesZero",
                                  {716.43L, 6, 12, 0},
                                  MoneyUnit::Francs,
                                  RateKind::Proportional,
                                  {{K::PeriodRate, "  0,5000000 %"},
                                   {K::Capital, "0,00"},
                                   {K::OtherCapital, "0,00"},
                                   {K::InstalmentUnit, "Francs"},
                                   {K::OtherInstalmentUnit, "Euros"},
                                   {K::OtherInstalment, "109,22"},
                                   {K::CapitalUnit, "Francs"},
                                   {K::OtherCapitalUnit, "Euros"}},
                                  ""},
                      CapitalCase{"ZeroRateAddsTheInstalments",
                                  {716.43L, 0, 12, 240},
                                  MoneyUnit::Francs,
                                  RateKind::Proportional,
                                  {{K::PeriodRate, "  0,0000000 %"},
                                   {K::Capital, "171943,20"},
                                   {K::OtherCapital, "26212,57"},
                                   {K::InstalmentUnit, "Francs"},
                                   {K::OtherInstalmentUnit, "Euros"},
                                   {K::OtherInstalment, "109,22"},
                                   {K::CapitalUnit, "Francs"},
                                   {K::OtherCapitalUnit, "Euros"}},
                                  ""},
                      CapitalCase{"ZeroPerYearShowsNothing",
                                  {716.43L, 6, 0, 240},
                                  MoneyUnit::Euros,
                                  RateKind::Actuarial,
                                  {},
                                  "Division flottante par zéro"}),
    rowName<CapitalCase>);

TEST(CapitalFirstConversion, HasEightSignificantDigitsWhereTheLastHasTen) {
  EXPECT_EQ(FirstOtherInstalmentText(716.43L, MoneyUnit::Francs), "109,22");
  EXPECT_EQ(FirstOtherInstalmentText(123456789, MoneyUnit::Francs), "18820866,00");
  const auto outcome = run<K>([](const ShowCapitalText& show) {
    CalculateCapital({123456789, 6, 12, 240}, MoneyUnit::Francs, RateKind::Proportional, show);
  });
  ASSERT_GE(outcome.shown.size(), 6u);
  EXPECT_EQ(outcome.shown[5], std::make_pair(K::OtherInstalment, QString("18820866,15")));
}

// Accumulated value of deposits.

struct DepositCase {
  const char* name;
  DepositEntries entries;
  const char* deposited;
  const char* accumulated;
  const char* failure;
};

class Deposits : public ::testing::TestWithParam<DepositCase> {};

TEST_P(Deposits, GiveBothTotalsOrNeither) {
  const DepositCase& row = GetParam();
  DepositTexts texts;
  QString failure;
  try {
    texts = CalculateDeposits(row.entries);
  } catch (const Failure& raised) {
    failure = raised.message();
  }
  EXPECT_EQ(texts.deposited, QString::fromUtf8(row.deposited));
  EXPECT_EQ(texts.accumulated, QString::fromUtf8(row.accumulated));
  EXPECT_EQ(failure, QString::fromUtf8(row.failure));
}

INSTANTIATE_TEST_SUITE_P(
    Series, Deposits,
    ::testing::Values(
        DepositCase{"MonthlyForTenYears", {100, 5, 12, 120}, "12000,00", "15528,23", ""},
        DepositCase{"YearlyForTenYears", {1000, 4, 1, 10}, "10000,00", "12006,11", ""},
        DepositCase{"NoDepositIsNoFailure", {1000, 4, 1, 0}, "0,00", "0,00", ""},
        DepositCase{"ZeroRateEarnsNothing", {100, 0, 12, 120}, "12000,00", "12000,00", ""},
        DepositCase{
            "ZeroPerYearDividesByZero", {100, 5, 0, 120}, "", "", "Division flottante par zéro"},
        DepositCase{
            "HugeCountOverflows", {100, 50, 1, 2147483647}, "", "", "Débordement flottant"}),
    rowName<DepositCase>);

}  // namespace
}  // namespace kalmoris
