#include "core/offer_entries.h"

#include "failure_expectations.h"

#include <gtest/gtest.h>

#include <string>

namespace kalmoris {
namespace {

using testing::PrintTo;

// An entry's text and what it gives: a value, nothing, or a refusal.
template <typename T>
struct EntryCase {
  const char* name;
  const char* text;
  std::optional<T> value;
  const char* refusal;  // empty when accepted or not given
};

template <typename T>
void expectReading(const OfferEntry<T>& entry, const EntryCase<T>& row) {
  EXPECT_EQ(entry.value, row.value);
  EXPECT_EQ(entry.refusal, QString::fromUtf8(row.refusal));
  EXPECT_EQ(entry.refused(), *row.refusal != '\0');
}

using DateCase = EntryCase<QDate>;
class OfferDateTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(OfferDateTest, ReadsDayMonthYear) {
  expectReading(readOfferDate(QString::fromUtf8(GetParam().text)), GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Dates, OfferDateTest,
    ::testing::Values(DateCase{"ADate", "15/01/2026", QDate(2026, 1, 15), ""},
                      DateCase{"SpacesAround", "  1/10/2016 ", QDate(2016, 10, 1), ""},
                      DateCase{"EmptyIsNotGiven", "", std::nullopt, ""},
                      DateCase{"SpacesAreNotGiven", "   ", std::nullopt, ""},
                      DateCase{"ADayFebruaryLacks", "31/02/2026", std::nullopt,
                               "'31/02/2026' n'est pas une date (jj/mm/aaaa)."},
                      DateCase{"YearFirst", " 2026-01-15", std::nullopt,
                               "'2026-01-15' n'est pas une date (jj/mm/aaaa)."}),
    [](const auto& info) { return std::string(info.param.name); });

using ThresholdCase = EntryCase<Real>;
class UsuryThresholdTest : public ::testing::TestWithParam<ThresholdCase> {};

TEST_P(UsuryThresholdTest, ReadsAPercentage) {
  expectReading(readUsuryThreshold(QString::fromUtf8(GetParam().text)), GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Thresholds, UsuryThresholdTest,
    ::testing::Values(ThresholdCase{"DecimalComma", "5,13", 5.13L, ""},
                      ThresholdCase{"DecimalPoint", " 5.13 ", 5.13L, ""},
                      ThresholdCase{"PercentSignAfter", "5,13 %", 5.13L, ""},
                      ThresholdCase{"WholeNumber", "7", 7, ""},
                      ThresholdCase{"EmptyIsNotGiven", "", std::nullopt, ""},
                      ThresholdCase{"Letters", "abc", std::nullopt,
                                    "'abc' n'est pas un seuil en % (par ex. 5,13)."},
                      ThresholdCase{"TwoCommas", "5,1,3", std::nullopt,
                                    "'5,1,3' n'est pas un seuil en % (par ex. 5,13)."},
                      ThresholdCase{"Negative", "-5", std::nullopt,
                                    "'-5' n'est pas un seuil en % (par ex. 5,13)."},
                      ThresholdCase{"Zero", "0,00", std::nullopt,
                                    "'0,00' n'est pas un seuil en % (par ex. 5,13)."},
                      ThresholdCase{"AHundredPercent", "100", std::nullopt,
                                    "'100' n'est pas un seuil en % (par ex. 5,13)."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kalmoris
