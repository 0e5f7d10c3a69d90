#include "core/numbers.h"

#include "tests/core/failure_expectations.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

namespace kalmoris {
namespace {

using testing::FailsWith;
using testing::PrintTo;

std::string RowName(const char* name) {
  return name;
}

// What an entry field holds after PointToComma (when it applies) and KeepIfAllowed.
struct NormaliseCase {
  const char* name;
  const char* typed;
  bool pointToComma;
  const QString* allowed;
  const char* kept;  // "" when the text is erased
};

class NormaliseEntry : public ::testing::TestWithParam<NormaliseCase> {};

TEST_P(NormaliseEntry, KeepsOrErasesTheText) {
  const NormaliseCase& row = GetParam();
  QString text = QString::fromUtf8(row.typed);
  if (row.pointToComma) text = PointToComma(text);
  EXPECT_EQ(KeepIfAllowed(text, *row.allowed), QString::fromUtf8(row.kept));
}

INSTANTIATE_TEST_SUITE_P(
    Entries, NormaliseEntry,
    ::testing::Values(NormaliseCase{"PointBecomesComma", "12.5", true, &AMOUNT_CHARS, "12,5"},
                      NormaliseCase{"LeadingPointBecomesComma", ".5", true, &AMOUNT_CHARS, ",5"},
                      NormaliseCase{"SecondPointErases", "1.234.5", true, &AMOUNT_CHARS, ""},
                      NormaliseCase{"SpaceErases", "1 000", true, &AMOUNT_CHARS, ""},
                      NormaliseCase{"MinusErases", "-5", true, &AMOUNT_CHARS, ""},
                      NormaliseCase{"PercentErases", "5 %", true, &AMOUNT_CHARS, ""},
                      NormaliseCase{"LetterErases", "12F", true, &AMOUNT_CHARS, ""},
                      NormaliseCase{"CommaInCountErases", "12,0", false, &COUNT_CHARS, ""},
                      NormaliseCase{"PointInCountErasesEvenAfterComma", "12.0", true, &COUNT_CHARS,
                                    ""},
                      NormaliseCase{"SecondCommaPasses", "12,5,1", true, &AMOUNT_CHARS, "12,5,1"},
                      NormaliseCase{"LoneCommaPasses", ",", true, &AMOUNT_CHARS, ","},
                      NormaliseCase{"CountDigitsPass", "240", false, &COUNT_CHARS, "240"},
                      NormaliseCase{"EmptyStaysEmpty", "", true, &AMOUNT_CHARS, ""},
                      NormaliseCase{"NonAsciiDigitErases", "1\xc2\xb2", true, &AMOUNT_CHARS, ""}),
    [](const auto& info) { return RowName(info.param.name); });

TEST(PointToComma, ReplacesOnlyTheFirstPoint) {
  EXPECT_EQ(PointToComma(QStringLiteral("1.234.5")), QStringLiteral("1,234.5"));
  EXPECT_EQ(PointToComma(QStringLiteral("...")), QStringLiteral(",.."));
  EXPECT_EQ(PointToComma(QStringLiteral("12,5")), QStringLiteral("12,5"));
}

struct FloatCase {
  const char* name;
  const char* text;
  Real expected;
};

class FloatAccepted : public ::testing::TestWithParam<FloatCase> {};

TEST_P(FloatAccepted, ConvertsToTheNearestExtendedValue) {
  const FloatCase& row = GetParam();
  const Real value = StrToFloat(QString::fromUtf8(row.text));
  EXPECT_EQ(value, row.expected);
  EXPECT_EQ(std::signbit(value), std::signbit(row.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, FloatAccepted,
    ::testing::Values(
        FloatCase{"Integer", "12", 12.0L}, FloatCase{"DecimalComma", "12,5", 12.5L},
        FloatCase{"NoIntegerDigits", ",5", 0.5L}, FloatCase{"NoFractionDigits", "12,", 12.0L},
        FloatCase{"LoneComma", ",", 0.0L}, FloatCase{"MinusLoneCommaIsNegativeZero", "-,", -0.0L},
        FloatCase{"PlusSign", "+3", 3.0L}, FloatCase{"MinusSign", "-3,25", -3.25L},
        FloatCase{"SurroundingSpaces", "   12,5  ", 12.5L},
        FloatCase{"UpperExponent", "1E3", 1000.0L},
        FloatCase{"LowerSignedExponent", "1e+3", 1000.0L},
        FloatCase{"NegativeExponent", "2,5E-2", 0.025L},
        FloatCase{"ExponentAfterLoneComma", ",5e1", 5.0L},
        FloatCase{"FractionRoundedCorrectly", "0,1", 0.1L},
        FloatCase{"ManyDigits", "152,449017237410379033991557373425392213",
                  0.152449017237410379033991557373425392213e3L},
        // 1 + 2^-64 lies halfway between 1 and the next extended value: ties go to even.
        FloatCase{"HalfwayTiesToEven",
                  "1,0000000000000000000542101086242752217003726400434970855712890625", 1.0L},
        FloatCase{"JustAboveHalfwayRoundsUp",
                  "1,00000000000000000005421010862427522170037264004349708557128906250001",
                  1.0L + 0x1p-63L},
        FloatCase{"LargestFinite", "1,18973149535723176502E4932", std::numeric_limits<Real>::max()},
        FloatCase{"SubnormalKept", "1E-4940", 1e-4940L},
        FloatCase{"UnderflowGivesZero", "1E-6000", 0.0L},
        FloatCase{"HugeExponentOnZero", "0E999999999999999999999", 0.0L}),
    [](const auto& info) { return RowName(info.param.name); });

struct RefusedCase {
  const char* name;
  const char* text;
};

class FloatRefused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(FloatRefused, FailsQuotingTheOriginalText) {
  const QString text = QString::fromUtf8(GetParam().text);
  EXPECT_TRUE(FailsWith<ConversionFailure>(
      [&] { StrToFloat(text); },
      u'\'' + text + QStringLiteral("' n'est pas une valeur flottante correcte")));
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, FloatRefused,
    ::testing::Values(RefusedCase{"Empty", ""}, RefusedCase{"OnlySpaces", "   "},
                      RefusedCase{"LonePlus", "+"}, RefusedCase{"LoneMinus", " -"},
                      RefusedCase{"SignThenExponent", "-E5"}, RefusedCase{"OnlyExponent", "E5"},
                      RefusedCase{"ExponentWithoutDigits", "1E"},
                      RefusedCase{"ExponentSignWithoutDigits", "1E+"},
                      RefusedCase{"SecondComma", "12,5,1"}, RefusedCase{"ThreeParts", "1,2,3"},
                      RefusedCase{"TrailingLetter", "12F"}, RefusedCase{"InnerSpace", "1 000"},
                      RefusedCase{"DecimalPoint", "12.5"}, RefusedCase{"TwoSigns", "+-1"},
                      RefusedCase{"SpaceAfterSign", "- 1"}, RefusedCase{"Tab", "\t12"},
                      RefusedCase{"HexNotation", "0x10"}, RefusedCase{"Infinity", "inf"},
                      RefusedCase{"NotANumber", "nan"}, RefusedCase{"TwoExponents", "1e5e5"},
                      RefusedCase{"Overflow", "1E5000"},
                      RefusedCase{"NegativeOverflow", "-1,2E4933"},
                      RefusedCase{"HugeExponent", "1E999999999999999999999"}),
    [](const auto& info) { return RowName(info.param.name); });

struct IntegerCase {
  const char* name;
  const char* text;
  std::int32_t expected;
};

class IntegerAccepted : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerAccepted, Converts) {
  EXPECT_EQ(StrToInt(QString::fromUtf8(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, IntegerAccepted,
    ::testing::Values(IntegerCase{"Zero", "0", 0}, IntegerCase{"Decimal", "240", 240},
                      IntegerCase{"LeadingSpaces", "  12", 12}, IntegerCase{"Plus", "+12", 12},
                      IntegerCase{"Minus", "-12", -12},
                      IntegerCase{"LargestValue", "2147483647", 2147483647},
                      IntegerCase{"SmallestValue", "-2147483648", -2147483647 - 1},
                      IntegerCase{"LongLeadingZeros", "0000000000000000000000000012", 12},
                      IntegerCase{"HexUpper", "$FF", 255}, IntegerCase{"HexLower", "$ff", 255},
                      IntegerCase{"HexNegative", "-$10", -16},
                      IntegerCase{"HexLargest", "$7FFFFFFF", 2147483647},
                      IntegerCase{"HexSmallest", "-$80000000", -2147483647 - 1}),
    [](const auto& info) { return RowName(info.param.name); });

class IntegerRefused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(IntegerRefused, FailsQuotingTheOriginalText) {
  const QString text = QString::fromUtf8(GetParam().text);
  EXPECT_TRUE(FailsWith<ConversionFailure>(
      [&] { StrToInt(text); },
      u'\'' + text + QStringLiteral("' n'est pas une valeur entière correcte")));
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, IntegerRefused,
    ::testing::Values(RefusedCase{"Empty", ""}, RefusedCase{"OnlySpaces", "  "},
                      RefusedCase{"TrailingSpace", "12 "}, RefusedCase{"Comma", "1,0"},
                      RefusedCase{"Exponent", "1e3"}, RefusedCase{"LoneSign", "-"},
                      RefusedCase{"SpaceAfterSign", "- 5"}, RefusedCase{"LoneDollar", "$"},
                      RefusedCase{"SignAfterDollar", "$-1"}, RefusedCase{"NotHexDigit", "$1G"},
                      RefusedCase{"HexLettersWithoutDollar", "FF"}, RefusedCase{"CPrefix", "0x10"},
                      RefusedCase{"TrailingLetter", "12a"}, RefusedCase{"AboveRange", "2147483648"},
                      RefusedCase{"BelowRange", "-2147483649"},
                      RefusedCase{"HexAboveRange", "$80000000"},
                      RefusedCase{"HexAllBits", "$FFFFFFFF"},
                      RefusedCase{"VeryLongDigits", "99999999999999999999999999999999999"},
                      RefusedCase{"VeryLongHex", "$10000000000000000000000000000000000"}),
    [](const auto& info) { return RowName(info.param.name); });

struct FixedCase {
  const char* name;
  Real value;
  int significant;
  int decimals;
  const char* expected;
};

class FormatFixedCase : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FormatFixedCase, Writes) {
  const FixedCase& row = GetParam();
  EXPECT_EQ(FormatFixed(row.value, row.significant, row.decimals), QString::fromUtf8(row.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Rounding, FormatFixedCase,
    ::testing::Values(
        // 6.255L is a little under 6,255; its 18-digit decimal is 6,255 exactly.
        FixedCase{"HalfFromEighteenDigits", 6.255L, 4, 2, "6,26"},
        FixedCase{"SignificantDigitsDropSecondDecimal", 123456789.456L, 10, 2, "123456789,50"},
        FixedCase{"PeriodRate", 6.5L / 12, 10, 7, "0,5416667"},
        FixedCase{"TrailingZerosWritten", 0.5L, 10, 7, "0,5000000"},
        FixedCase{"SignificantDigitsLimitDecimals", 12345.678L, 8, 4, "12345,6780"},
        FixedCase{"NegativeHalfAwayFromZero", -0.005L, 10, 2, "-0,01"},
        FixedCase{"NegativeValue", -2.5L, 10, 2, "-2,50"},
        FixedCase{"BelowHalfRoundsDown", 0.004999L, 10, 2, "0,00"},
        FixedCase{"CarryIntoNewIntegerDigit", 99.995L, 10, 2, "100,00"},
        FixedCase{"TinyNegativeRoundsToUnsignedZero", -1e-20L, 12, 2, "0,00"},
        FixedCase{"NegativeRateRoundingToZeroHasNoSign", -4e-8L, 10, 7, "0,0000000"},
        FixedCase{"NegativeKeepsSignOnItsLastDecimal", -5e-8L, 10, 7, "-0,0000001"},
        FixedCase{"TinyPositive", 1e-30L, 10, 2, "0,00"}, FixedCase{"Zero", 0.0L, 12, 2, "0,00"},
        FixedCase{"NegativeZero", -0.0L, 12, 2, "0,00"}, FixedCase{"NoDecimals", 2.5L, 10, 0, "3"},
        FixedCase{"IntegerPartFillsP", 9999999999.4L, 10, 2, "9999999999,00"},
        FixedCase{"ScientificBeyondP", 1.5e12L, 10, 2, "1,5E+12"},
        FixedCase{"ScientificNegative", -123456789012.0L, 10, 2, "-1,23456789E+11"},
        FixedCase{"ScientificAtTenToP", 1e10L, 10, 2, "1E+10"},
        FixedCase{"RoundingCarryGoesScientific", 9999999999.5L, 10, 2, "1E+10"},
        FixedCase{"ScientificMantissaCarries", 123456789987.0L, 10, 2, "1,2345679E+11"},
        FixedCase{"ScientificTwoExponentDigits", 12.0L, 1, 0, "1E+01"},
        FixedCase{"ScientificThreeExponentDigits", 1e150L, 10, 2, "1E+150"},
        FixedCase{"NonPositivePTakenAsOne", 123.456L, 0, 2, "1E+02"},
        FixedCase{"NegativeDTakenAsZero", 123.456L, 10, -1, "123"},
        FixedCase{"LargePTakenAsEighteen", 0.1L, 30, 20, "0,100000000000000000"}),
    [](const auto& info) { return RowName(info.param.name); });

TEST(FormatFixed, InfinityIsAnOverflow) {
  EXPECT_TRUE(FailsWith<ArithmeticFailure>(
      [] { FormatFixed(std::numeric_limits<Real>::infinity(), 10, 2); }, testing::Overflow()));
}

TEST(FormatFixed, NotANumberIsAnInvalidOperation) {
  EXPECT_TRUE(FailsWith<ArithmeticFailure>(
      [] { FormatFixed(std::numeric_limits<Real>::quiet_NaN(), 10, 2); },
      testing::InvalidOperation()));
}

struct PatternCase {
  const char* name;
  Real value;
  const char* pattern;
  const char* expected;
};

class FormatPatternCase : public ::testing::TestWithParam<PatternCase> {};

// What a pattern writes back into a field is read again as the same value.
TEST_P(FormatPatternCase, WritesWhatReadsBack) {
  const PatternCase& row = GetParam();
  const QString written = FormatPattern(row.value, QString::fromUtf8(row.pattern));
  EXPECT_EQ(written, QString::fromUtf8(row.expected));
  if (row.value >= 0) {
    EXPECT_EQ(KeepIfAllowed(written, AMOUNT_CHARS), written);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatPatternCase,
    ::testing::Values(PatternCase{"AmountGetsTwoDecimals", 1234.5L, "#0.00", "1234,50"},
                      PatternCase{"AmountRoundsHalfUp", 2.126L, "#0.00", "2,13"},
                      PatternCase{"ExactHalfAwayFromZero", -2.125L, "#0.00", "-2,13"},
                      PatternCase{"RateGetsFourDecimals", 6.5L, "#0.0000", "6,5000"},
                      PatternCase{"RateRounded", 6.16778125L, "#0.0000", "6,1678"},
                      PatternCase{"IntegerDigitOfSmallValue", 0.25L, "#0.00", "0,25"},
                      PatternCase{"Zero", 0.0L, "#0.00", "0,00"},
                      PatternCase{"NegativeRoundingToZeroHasNoSign", -0.004L, "#0.00", "0,00"},
                      PatternCase{"NoGrouping", 1234567.0L, "#0.00", "1234567,00"},
                      PatternCase{"EighteenIntegerDigits", 123456789012345678.0L, "#0.00",
                                  "123456789012345678,00"},
                      PatternCase{"SeventeenIntegerDigitsKeepBothDecimals", 12345678901234567.89L,
                                  "#0.00", "12345678901234567,89"},
                      PatternCase{"NineteenIntegerDigits", 1234567890123456789.0L, "#0.00",
                                  "1234567890123456789,00"},
                      PatternCase{"TenToTheTwentyNeverScientific", 1e20L, "#0.0000",
                                  "100000000000000000000,0000"},
                      PatternCase{"BigExactHalfAwayFromZero", 36028797018963968.125L, "#0.00",
                                  "36028797018963968,13"}),
    [](const auto& info) { return RowName(info.param.name); });

TEST(FormatPattern, RefusesOtherPatterns) {
  EXPECT_THROW(FormatPattern(1.0L, QStringLiteral("#0.000")), std::invalid_argument);
  EXPECT_THROW(FormatPattern(1.0L, QStringLiteral("0.00")), std::invalid_argument);
}

struct CountCase {
  const char* name;
  std::int32_t converted;
  std::optional<std::uint8_t> perYear;
  std::optional<std::uint16_t> total;
};

class CountWidth : public ::testing::TestWithParam<CountCase> {};

TEST_P(CountWidth, RefusesWhatDoesNotFit) {
  const CountCase& row = GetParam();
  EXPECT_EQ(FitPerYearCount(row.converted), row.perYear);
  EXPECT_EQ(FitCount16(row.converted), row.total);
}

INSTANTIATE_TEST_SUITE_P(
    Widths, CountWidth,
    ::testing::Values(CountCase{"Zero", 0, 0, 0}, CountCase{"Monthly", 12, 12, 12},
                      CountCase{"LargestPerYear", 255, 255, 255},
                      CountCase{"PerYear256NotWrappedToZero", 256, std::nullopt, 256},
                      CountCase{"PerYear300NotWrappedTo44", 300, std::nullopt, 300},
                      CountCase{"LargestTotal", 65535, std::nullopt, 65535},
                      CountCase{"Total65536NotWrappedToZero", 65536, std::nullopt, std::nullopt},
                      CountCase{"Negative", -1, std::nullopt, std::nullopt},
                      CountCase{"SmallestInteger", -2147483647 - 1, std::nullopt, std::nullopt},
                      CountCase{"LargestInteger", 2147483647, std::nullopt, std::nullopt}),
    [](const auto& info) { return RowName(info.param.name); });

// Qt installs the environment's locale; a French one must not change the decimal comma rules.
TEST(NumbersLocale, IgnoresTheProcessLocale) {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  const char* installed = nullptr;
  for (const char* name : {"fr_FR.UTF-8", "fr_FR.utf8", "de_DE.UTF-8", "de_DE.utf8"}) {
    if (std::setlocale(LC_ALL, name) != nullptr) {
      installed = name;
      break;
    }
  }
  if (installed == nullptr) GTEST_SKIP() << "no locale with a decimal comma is installed";
  const Real value = StrToFloat(QStringLiteral("12,5"));
  const QString written = FormatFixed(6.5L / 12, 10, 7);
  const bool pointRefused = [] {
    try {
      StrToFloat(QStringLiteral("12.5"));
    } catch (const ConversionFailure&) {
      return true;
    }
    return false;
  }();
  std::setlocale(LC_ALL, previous.c_str());
  EXPECT_EQ(value, 12.5L);
  EXPECT_EQ(written, QStringLiteral("0,5416667"));
  EXPECT_TRUE(pointRefused);
}

}  // namespace
}  // namespace kalmoris
