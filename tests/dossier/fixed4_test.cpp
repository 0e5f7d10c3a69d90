#include "dossier/core/fixed4.h"

#include "tests/core/failure_expectations.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace kalmoris {
namespace {

using testing::FailsWith;
using testing::InvalidOperation;
using testing::PrintTo;

struct ScaledCase {
  const char* name;
  Real tenThousandths;
  std::int64_t units;
};

class FixedRounding : public ::testing::TestWithParam<ScaledCase> {};

TEST_P(FixedRounding, RoundsToNearestTiesToEven) {
  EXPECT_EQ(Fixed4::fromScaled(GetParam().tenThousandths).units(), GetParam().units);
}

INSTANTIATE_TEST_SUITE_P(Ties, FixedRounding,
                         ::testing::Values(ScaledCase{"HalfToEvenBelow", 2.5L, 2},
                                           ScaledCase{"HalfToEvenAbove", 3.5L, 4},
                                           ScaledCase{"NegativeHalfToEven", -2.5L, -2},
                                           ScaledCase{"NegativeHalfUpToEven", -3.5L, -4},
                                           ScaledCase{"ZeroPointFive", 0.5L, 0},
                                           ScaledCase{"OnePointFive", 1.5L, 2},
                                           ScaledCase{"JustAboveHalf", 2.5000001L, 3},
                                           ScaledCase{"JustBelowHalf", -2.4999999L, -2},
                                           ScaledCase{"LargestCount", 9223372036854775807.0L,
                                                      std::numeric_limits<std::int64_t>::max()},
                                           ScaledCase{"SmallestCount", -9223372036854775808.0L,
                                                      std::numeric_limits<std::int64_t>::min()}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Fixed4, TypedAmountsBecomeTenThousandths) {
  EXPECT_EQ(Fixed4::fromReal(7116).units(), 71160000);
  EXPECT_EQ(Fixed4::fromReal(2304.69L).units(), 23046900);
  EXPECT_EQ(Fixed4::fromReal(-0.00004L).units(), 0);
  EXPECT_EQ(Fixed4::fromReal(6.255L).units(), 62550);
  EXPECT_EQ(Fixed4::fromReal(1e14L).units(), 1000000000000000000);
  EXPECT_EQ(Fixed4::fromUnits(62550).toReal(), 62550 * 0.0001L);
}

TEST(Fixed4, ValuesBeyondSixtyFourBitsAreInvalidOperations) {
  EXPECT_TRUE(FailsWith<ArithmeticFailure>([] { Fixed4::fromReal(1e15L); }, InvalidOperation()));
  EXPECT_TRUE(FailsWith<ArithmeticFailure>([] { Fixed4::fromReal(-1e20L); }, InvalidOperation()));
  EXPECT_TRUE(FailsWith<ArithmeticFailure>([] { Fixed4::fromScaled(9223372036854775808.0L); },
                                           InvalidOperation()));
  const Fixed4 largest = Fixed4::fromUnits(std::numeric_limits<std::int64_t>::max());
  EXPECT_TRUE(
      FailsWith<ArithmeticFailure>([&] { largest + Fixed4::fromUnits(1); }, InvalidOperation()));
  EXPECT_TRUE(FailsWith<ArithmeticFailure>([&] { largest.plusScaled(1); }, InvalidOperation()));
}

TEST(Fixed4, SumsAreExact) {
  EXPECT_EQ((Fixed4::fromReal(7116) + Fixed4::fromReal(2000) + Fixed4::fromReal(0.1L)).units(),
            91161000);
}

TEST(Fixed4, RunningTotalIsRoundedAfterEachAddition) {
  // Each 0,4 ten-thousandth is rounded away before the next is added.
  Fixed4 total;
  for (int k = 0; k < 3; ++k) total = total.plusScaled(0.00004L);
  EXPECT_EQ(total.units(), 0);
  EXPECT_EQ(Fixed4::fromReal(0.00012L).units(), 1);
  EXPECT_EQ(total.plusScaled(2304.69L * 180).units(), 4148442000);
}

}  // namespace
}  // namespace kalmoris
