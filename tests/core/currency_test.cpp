#include "core/currency.h"

#include "core/numbers.h"
#include "tests/core/failure_expectations.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

namespace kalmoris {
namespace {

// 1 / 6,55957 = 100000 / 655957, written out by long division to `digits` decimals.
std::string EurosPerFrancDigits(int digits) {
  std::string text = "0.";
  std::uint64_t remainder = 100000;
  for (int k = 0; k < digits; ++k) {
    remainder *= 10;
    text += static_cast<char>('0' + remainder / 655957);
    remainder %= 655957;
  }
  return text;
}

TEST(EurosPerFranc, IsTheCorrectlyRoundedReciprocal) {
  // 45 decimals are far more than enough for strtold to round to the nearest extended value.
  const std::string reciprocal = EurosPerFrancDigits(45);
  EXPECT_EQ(EUROS_PER_FRANC, std::strtold(reciprocal.c_str(), nullptr)) << reciprocal;
}

// Exact check, without decimal text: with EUROS_PER_FRANC = m * 2^-s, the error
// |m * 655957 - 100000 * 2^s| must be at most half of 655957 (one step of m), so that neither
// neighbour m - 1 nor m + 1 is nearer to 100000 / 655957.
TEST(EurosPerFranc, IsNearerThanBothNeighbours) {
  int exponent = 0;
  const Real fraction = std::frexp(EUROS_PER_FRANC, &exponent);
  const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
  const int shift = 64 - exponent;
  ASSERT_LT(shift, 100);
  const __int128 target = static_cast<__int128>(100000) << shift;
  const auto error = [&](std::uint64_t m) {
    const __int128 e = static_cast<__int128>(m) * 655957 - target;
    return e < 0 ? -e : e;
  };
  EXPECT_LT(error(mantissa), error(mantissa - 1));
  EXPECT_LT(error(mantissa), error(mantissa + 1));
}

TEST(OtherCurrencyValue, ThousandFrancsInEuros) {
  const auto euros = OtherCurrencyValue(1000, MoneyUnit::Francs);
  ASSERT_TRUE(euros.has_value());
  EXPECT_EQ(FormatFixed(*euros, 10, 2), QStringLiteral("152,45"));
}

TEST(OtherCurrencyValue, HundredEurosInFrancs) {
  const auto francs = OtherCurrencyValue(100, MoneyUnit::Euros);
  ASSERT_TRUE(francs.has_value());
  EXPECT_EQ(FormatFixed(*francs, 10, 2), QStringLiteral("655,96"));
}

TEST(OtherCurrencyValue, NoUnitGivesNoValue) {
  EXPECT_FALSE(OtherCurrencyValue(1000, MoneyUnit::None).has_value());
}

// 3 francs divided by 6,55957 differs in the last bit from 3 times the stored reciprocal.
TEST(OtherCurrencyValue, MultipliesByTheStoredReciprocal) {
  const Real francs = 3;
  ASSERT_NE(francs * EUROS_PER_FRANC, francs / FRANCS_PER_EURO);
  EXPECT_EQ(OtherCurrencyValue(francs, MoneyUnit::Francs), francs * EUROS_PER_FRANC);
}

TEST(OtherCurrencyValue, OverflowIsReported) {
  EXPECT_TRUE(testing::FailsWith<ArithmeticFailure>(
      [] { OtherCurrencyValue(std::numeric_limits<Real>::max(), MoneyUnit::Euros); },
      testing::Overflow()));
}

}  // namespace
}  // namespace kalmoris
