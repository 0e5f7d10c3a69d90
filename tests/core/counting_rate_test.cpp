#include "core/counting_rate.h"

#include "failure_expectations.h"

#include <gtest/gtest.h>

#include <string>

namespace kalmoris {
namespace {

using testing::PrintTo;

struct CountingCase {
  const char* name;
  LoanNature nature;
  std::optional<QDate> offerDate;
  CountingRate expected;
};

class CountingRateTest : public ::testing::TestWithParam<CountingCase> {};

TEST_P(CountingRateTest, IsTheRateTheOfferMustState) {
  const CountingCase& row = GetParam();
  EXPECT_EQ(countingRate(row.nature, row.offerDate), row.expected);
}

constexpr CountingRate kTaeg{RateKind::Actuarial, false};
constexpr CountingRate kTeg{RateKind::Proportional, false};
constexpr CountingRate kTaegWithoutDate{RateKind::Actuarial, true};

INSTANTIATE_TEST_SUITE_P(
    Natures, CountingRateTest,
    ::testing::Values(
        CountingCase{"RealEstateFrom1October2016", LoanNature::Immobilier, QDate(2016, 10, 1),
                     kTaeg},
        CountingCase{"RealEstateTheDayBefore", LoanNature::Immobilier, QDate(2016, 9, 30), kTeg},
        CountingCase{"ConsumerFrom1July2002", LoanNature::Consommation, QDate(2002, 7, 1), kTaeg},
        CountingCase{"ConsumerTheDayBefore", LoanNature::Consommation, QDate(2002, 6, 30), kTeg},
        CountingCase{"ConsumerOf2015IsAfterTheDirective", LoanNature::Consommation,
                     QDate(2015, 1, 15), kTaeg},
        CountingCase{"ProfessionalAlwaysTheTeg", LoanNature::Professionnel, QDate(2026, 1, 15),
                     kTeg},
        CountingCase{"ProfessionalNeedsNoDate", LoanNature::Professionnel, std::nullopt, kTeg},
        CountingCase{"RealEstateWithoutADateTheTaegNoted", LoanNature::Immobilier, std::nullopt,
                     kTaegWithoutDate},
        CountingCase{"ConsumerWithoutADateTheTaegNoted", LoanNature::Consommation, std::nullopt,
                     kTaegWithoutDate},
        CountingCase{"NoNatureTheTaegUnnoted", LoanNature::None, std::nullopt, kTaeg}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CountingRate, NamesTheRateAndTheOther) {
  EXPECT_EQ(kTaeg.label(), QStringLiteral("TAEG (actuariel)"));
  EXPECT_EQ(otherRateLabel(kTaeg), QStringLiteral("TEG (proportionnel)"));
  EXPECT_EQ(kTeg.shortName(), QStringLiteral("TEG"));
  EXPECT_EQ(kTeg.dateNote(), QString());
  EXPECT_EQ(kTaegWithoutDate.dateNote(), QStringLiteral(" (date de l'offre non indiquée)"));
}

TEST(LoanNature, TheDropDownItemsNameTheNatures) {
  const QStringList items = loanNatureItems();
  EXPECT_EQ(items, (QStringList{QString(), QStringLiteral("Immobilier"),
                                QStringLiteral("Consommation"), QStringLiteral("Professionnel")}));
  EXPECT_EQ(loanNatureOf(items[0]), LoanNature::None);
  EXPECT_EQ(loanNatureOf(items[1]), LoanNature::Immobilier);
  EXPECT_EQ(loanNatureOf(items[2]), LoanNature::Consommation);
  EXPECT_EQ(loanNatureOf(items[3]), LoanNature::Professionnel);
  EXPECT_EQ(loanNatureOf(QStringLiteral("immobilier")), LoanNature::None);
}

}  // namespace
}  // namespace kalmoris
