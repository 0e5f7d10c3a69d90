#include "core/usury.h"

#include "failure_expectations.h"

#include <gtest/gtest.h>

#include <string>

namespace kalmoris {
namespace {

using testing::PrintTo;

struct CategoryCase {
  const char* name;
  LoanNature nature;
  std::optional<QDate> offerDate;
  LoanSize size;
  const char* category;  // after "Catégorie de l'usure : "
};

class UsuryCategoryTest : public ::testing::TestWithParam<CategoryCase> {};

TEST_P(UsuryCategoryTest, IsTheOneWhoseThresholdApplies) {
  const CategoryCase& row = GetParam();
  const auto line = usuryCategoryLine(row.nature, row.offerDate, row.size);
  ASSERT_TRUE(line);
  EXPECT_EQ(line->text,
            QStringLiteral("Catégorie de l'usure : ") + QString::fromUtf8(row.category));
  EXPECT_EQ(line->tone, Tone::None);
}

const QDate k2026(2026, 1, 15);
constexpr LoanSize monthly(int repayments) {
  return {200000, repayments, 12};
}
constexpr LoanSize lent(Real capital) {
  return {capital, 36, 12};
}
constexpr auto kImmo = LoanNature::Immobilier;
constexpr auto kConso = LoanNature::Consommation;
#define FIXED_RATE "immobilier à taux fixe, "
#define OTHER_THRESHOLDS " (taux variable et prêt relais : autres seuils)"

INSTANTIATE_TEST_SUITE_P(
    Categories, UsuryCategoryTest,
    ::testing::Values(
        CategoryCase{"OneHundredNineteenMonthsUnderTenYears", kImmo, k2026, monthly(119),
                     FIXED_RATE "moins de 10 ans" OTHER_THRESHOLDS},
        CategoryCase{"OneHundredTwentyMonthsTenYears", kImmo, k2026, monthly(120),
                     FIXED_RATE "10 à moins de 20 ans" OTHER_THRESHOLDS},
        CategoryCase{"TwoHundredThirtyNineMonthsUnderTwentyYears", kImmo, k2026, monthly(239),
                     FIXED_RATE "10 à moins de 20 ans" OTHER_THRESHOLDS},
        CategoryCase{"TwoHundredFortyMonthsTwentyYears", kImmo, k2026, monthly(240),
                     FIXED_RATE "20 ans et plus" OTHER_THRESHOLDS},
        CategoryCase{"TwentyYearlyRepaymentsTwentyYears",
                     kImmo,
                     k2026,
                     {200000, 20, 1},
                     FIXED_RATE "20 ans et plus" OTHER_THRESHOLDS},
        CategoryCase{"ByDurationFrom1January2017", kImmo, QDate(2017, 1, 1), monthly(240),
                     FIXED_RATE "20 ans et plus" OTHER_THRESHOLDS},
        CategoryCase{"AllDurationsTheDayBefore", kImmo, QDate(2016, 12, 31), monthly(240),
                     FIXED_RATE "toutes durées" OTHER_THRESHOLDS},
        CategoryCase{"RealEstateWithoutADateByDuration", kImmo, std::nullopt, monthly(240),
                     FIXED_RATE "20 ans et plus" OTHER_THRESHOLDS},
        CategoryCase{"ThreeThousandEurosInTheLowest", kConso, k2026, lent(3000),
                     "consommation, 3 000 € ou moins"},
        CategoryCase{"JustAboveThreeThousandInTheMiddle", kConso, k2026, lent(3000.01L),
                     "consommation, plus de 3 000 € à 6 000 €"},
        CategoryCase{"SixThousandEurosInTheMiddle", kConso, k2026, lent(6000),
                     "consommation, plus de 3 000 € à 6 000 €"},
        CategoryCase{"JustAboveSixThousandInTheHighest", kConso, k2026, lent(6000.01L),
                     "consommation, plus de 6 000 €"},
        CategoryCase{"ByAmountFrom1April2013", kConso, QDate(2013, 4, 1), lent(6000.01L),
                     "consommation, plus de 6 000 €"},
        CategoryCase{"EarlierCategoriesTheDayBefore", kConso, QDate(2013, 3, 31), lent(6000.01L),
                     "consommation, catégories antérieures au 01/04/2013 (voir le Journal "
                     "officiel du trimestre)"},
        CategoryCase{"ConsumerWithoutADateByAmount", kConso, std::nullopt, lent(2000),
                     "consommation, 3 000 € ou moins"},
        CategoryCase{"ProfessionalOutsideUsury", LoanNature::Professionnel, QDate(2010, 1, 1),
                     monthly(240), "prêt professionnel, hors usure sauf découvert en compte"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UsuryCategory, NoneWithoutANature) {
  EXPECT_FALSE(usuryCategoryLine(LoanNature::None, k2026, monthly(240)));
}

struct CeilingCase {
  const char* name;
  CountingRate counting;
  Real counted;
  Real threshold;
  const char* text;
  Tone tone;
};

class UsuryCeilingTest : public ::testing::TestWithParam<CeilingCase> {};

TEST_P(UsuryCeilingTest, ComparesTheRateThatCountsAsShown) {
  const CeilingCase& row = GetParam();
  const TonedLine line = usuryCeilingLine(row.counting, row.counted, row.threshold);
  EXPECT_EQ(line.text, QString::fromUtf8(row.text));
  EXPECT_EQ(line.tone, row.tone);
}

constexpr CountingRate kTaeg{RateKind::Actuarial, false};

INSTANTIATE_TEST_SUITE_P(
    Ceilings, UsuryCeilingTest,
    ::testing::Values(
        CeilingCase{"TwoPointsAbovePlural", kTaeg, 6.4344L, 4.4L,
                    "TAEG 6,4344 % : au-dessus du seuil de l'usure (4,40 %) de 2,0344 points",
                    Tone::Red},
        CeilingCase{"OnTheThresholdDoesNotExceedIt", kTaeg, 6.43L, 6.43L,
                    "TAEG 6,4300 % : ne dépasse pas le seuil de l'usure (6,43 %)", Tone::None},
        CeilingCase{"ARawRateCountsByItsFourDecimals", kTaeg, 6.430049L, 6.43L,
                    "TAEG 6,4300 % : ne dépasse pas le seuil de l'usure (6,43 %)", Tone::None},
        CeilingCase{"TheThresholdCountsAsWrittenWithTwoDecimals", kTaeg, 6.4344L, 6.4349L,
                    "TAEG 6,4344 % : au-dessus du seuil de l'usure (6,43 %) de 0,0044 point",
                    Tone::Red}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kalmoris
