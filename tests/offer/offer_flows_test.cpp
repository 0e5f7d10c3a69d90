#include "offer/core/offer_flows.h"
#include "offer/core/offer_checks.h"
#include "tests/core/failure_expectations.h"
#include "tests/offer/offer_samples.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace kalmoris {
namespace {

using testing::FailsWith;

Offer OneDrawdown(QDate drawdown, QDate firstInstalment, std::vector<InstalmentStep> steps,
                  int periodsPerYear = 12) {
  Offer offer;
  offer.periodsPerYear = periodsPerYear;
  offer.drawdowns = {{drawdown, 1000, {}}};
  offer.firstInstalment = firstInstalment;
  offer.steps = std::move(steps);
  return offer;
}

std::vector<OfferFlow> Instalments(const std::vector<OfferFlow>& flows) {
  std::vector<OfferFlow> instalments;
  for (const OfferFlow& flow : flows) {
    if (flow.kind == FlowKind::Instalment) instalments.push_back(flow);
  }
  return instalments;
}

TEST(OfferFlows, AScheduleOfThe31stFallsOnEachMonthsLastDayInWholeMonths) {
  const auto flows = Instalments(offerFlows(
      OneDrawdown(QDate(2023, 12, 31), QDate(2024, 1, 31), {{2, 100, 0, {}}, {2, 200, 0, {}}})));
  ASSERT_EQ(flows.size(), 4u);
  const QDate dates[] = {{2024, 1, 31}, {2024, 2, 29}, {2024, 3, 31}, {2024, 4, 30}};
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(flows[k].number, k + 1);
    EXPECT_EQ(flows[k].date, dates[k]);
    EXPECT_EQ(flows[k].time, (AnnexTime{k + 1, 0, 365, 12}));
    EXPECT_EQ(flows[k].amount, k < 2 ? 100 : 200);
  }
}

TEST(OfferFlows, QuarterlyInstalmentsFallEveryThreeMonths) {
  const auto flows = Instalments(
      offerFlows(OneDrawdown(QDate(2026, 1, 15), QDate(2026, 5, 20), {{3, 100, 0, {}}}, 4)));
  ASSERT_EQ(flows.size(), 3u);
  EXPECT_EQ(flows[2].date, QDate(2026, 11, 20));
  EXPECT_EQ(flows[0].time, (AnnexTime{1, 36, 365, 4}));
  EXPECT_EQ(flows[2].time, (AnnexTime{3, 36, 365, 4}));
}

TEST(OfferFlows, ASingleRepaymentEighteenMonthsLaterIsEighteenWholeMonths) {
  const auto flows =
      offerFlows(OneDrawdown(QDate(2012, 1, 12), QDate(2013, 7, 12), {{1, 1100, 0, {}}}));
  ASSERT_EQ(flows.size(), 2u);
  EXPECT_EQ(flows[1].time, (AnnexTime{18, 0, 365, 12}));
  EXPECT_EQ(flows[1].time.years(), 1.5L);
}

// A house being built: the capital is paid out in three drawdowns, listed out of order, a fee
// on its own date and one on the first drawdown's; at one date drawdowns come first, then fees,
// then instalments.
TEST(OfferFlows, AreInDateOrderEachTimedFromTheFirstDrawdown) {
  Offer offer = OneDrawdown(QDate(2026, 3, 10), QDate(2026, 9, 10), {{2, 500, 12.5L, {}}});
  offer.drawdowns.push_back({QDate(2026, 9, 10), 2000, {}});
  offer.drawdowns.push_back({QDate(2026, 5, 25), 1500, {}});
  offer.fees = {{QStringLiteral("Garantie"), 300, QDate(2026, 4, 1), {}},
                {QStringLiteral("Dossier"), 800, std::nullopt, {}}};
  offer.insuranceRequired = false;
  const auto flows = offerFlows(offer);
  struct Expected {
    FlowKind kind;
    int number;
    QDate date;
    AnnexTime time;
  };
  const Expected expected[] = {
      {FlowKind::Drawdown, 1, {2026, 3, 10}, {0, 0, 365, 12}},
      {FlowKind::Fee, 2, {2026, 3, 10}, {0, 0, 365, 12}},
      {FlowKind::Fee, 1, {2026, 4, 1}, {0, 22, 365, 12}},
      {FlowKind::Drawdown, 3, {2026, 5, 25}, {2, 15, 365, 12}},
      {FlowKind::Drawdown, 2, {2026, 9, 10}, {6, 0, 365, 12}},
      {FlowKind::Instalment, 1, {2026, 9, 10}, {6, 0, 365, 12}},
      {FlowKind::Instalment, 2, {2026, 10, 10}, {7, 0, 365, 12}},
  };
  ASSERT_EQ(flows.size(), std::size(expected));
  for (std::size_t k = 0; k < flows.size(); ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(flows[k].kind, expected[k].kind);
    EXPECT_EQ(flows[k].number, expected[k].number);
    EXPECT_EQ(flows[k].date, expected[k].date);
    EXPECT_EQ(flows[k].time, expected[k].time);
  }
  EXPECT_EQ(flows[1].label, QStringLiteral("Dossier"));
  EXPECT_EQ(flows[6].insurance, 12.5L);
  EXPECT_FALSE(flows[6].insuranceRequired);
}

TEST(OfferFlows, TheRateCountsThePremiumsAsAsked) {
  const auto flows = offerFlows(testing::ExampleOne(16.67L, false));
  const auto amountsOf = [&](InsuranceCounted counted) {
    const auto amounts = ratedAmounts(flows, counted);
    return std::vector<Real>{amounts[0].amount, amounts[1].amount, amounts[2].amount};
  };
  EXPECT_EQ(amountsOf(InsuranceCounted::None), (std::vector<Real>{-200000, 4000, 1432.86L}));
  EXPECT_EQ(amountsOf(InsuranceCounted::Required), (std::vector<Real>{-200000, 4000, 1432.86L}));
  EXPECT_EQ(amountsOf(InsuranceCounted::All),
            (std::vector<Real>{-200000, 4000, 1432.86L + 16.67L}));
}

Offer Generated() {
  return testing::CommissionTerms(QDate(2012, 1, 12), QDate(2012, 2, 12));
}

// The rules of an offer made on a screen, refused with the key of the file that holds the value.
struct RuleRefusal {
  const char* name;
  void (*change)(Offer&);
  const char* message;
};

class OfferRuleRefusals : public ::testing::TestWithParam<RuleRefusal> {};

TEST_P(OfferRuleRefusals, NameTheKeyInFrench) {
  Offer offer = testing::ExampleOne();
  GetParam().change(offer);
  EXPECT_TRUE(
      FailsWith<OfferFailure>([&] { offerFlows(offer); }, QString::fromUtf8(GetParam().message)));
}

INSTANTIATE_TEST_SUITE_P(
    Rules, OfferRuleRefusals,
    ::testing::Values(
        RuleRefusal{"NatureNotChosen", [](Offer& o) { o.nature = LoanNature::None; },
                    "Clé « nature » : la nature du prêt (immobilier, consommation ou "
                    "professionnel) est nécessaire."},
        RuleRefusal{"FirstInstalmentBeforeTheDrawdown",
                    [](Offer& o) { o.firstInstalment = QDate(2012, 1, 2); },
                    "Clé « premiere_echeance » : la première échéance (02/01/2012) doit suivre le "
                    "premier déblocage (12/01/2012)."},
        RuleRefusal{"FirstInstalmentNotTyped", [](Offer& o) { o.firstInstalment = QDate(); },
                    "Clé « premiere_echeance » : la date est nécessaire."},
        RuleRefusal{"DrawdownBeforeTheFirst",
                    [](Offer& o) {
                      o.drawdowns.push_back({QDate(2012, 1, 11), 10, {}});
                    },
                    "Clé « deblocages » n° 2, « date » : le déblocage du 11/01/2012 précède le "
                    "premier (12/01/2012), origine des temps."},
        RuleRefusal{"FeeBeforeTheFirstDrawdown",
                    [](Offer& o) {
                      o.fees.push_back({{}, 10, QDate(2011, 12, 31), {}});
                    },
                    "Clé « frais » n° 2, « date » : des frais ne peuvent précéder le premier "
                    "déblocage (12/01/2012)."},
        RuleRefusal{"NegativeFeeFromAScreen", [](Offer& o) { o.fees[0].amount = -1; },
                    "Clé « frais » n° 1, « montant » : un montant entre 0 et 999999999999.99 est "
                    "attendu."},
        RuleRefusal{"TermsWithSeveralDrawdownsAskForSteps",
                    [](Offer& o) {
                      o = Generated();
                      o.drawdowns.push_back({QDate(2012, 6, 1), 10, {}});
                    },
                    "Clé « deblocages » : avec plusieurs déblocages, les échéances se saisissent "
                    "en paliers : les intérêts intercalaires payés entre les déblocages varient "
                    "trop d'un contrat à l'autre pour se déduire des conditions du prêt."},
        RuleRefusal{"ADebitRateThatIsNotANumber",
                    [](Offer& o) {
                      o = Generated();
                      o.terms.debitRate = std::nanl("");
                    },
                    "Clé « taux_debiteur » : un taux entre 0 et 9999.999999 % est attendu."},
        RuleRefusal{"NoInstalmentToGenerate",
                    [](Offer& o) {
                      o = Generated();
                      o.terms.instalmentCount = 0;
                    },
                    "Clé « nombre_echeances » : de 1 à 1200 échéances sont attendues."},
        RuleRefusal{"TheCommissionRuleWithADeferral",
                    [](Offer& o) {
                      o = Generated();
                      o.terms.rule = InstalmentRule::Commission;
                      o.terms.deferral = Deferral{DeferralKind::Partial, 1, {}};
                    },
                    "Clé « regle » : la règle « commission » ne prévoit pas de différé : "
                    "choisissez la règle « contrat »."},
        RuleRefusal{"ADeferralAsLongAsTheLoan",
                    [](Offer& o) {
                      o = Generated();
                      o.terms.deferral = Deferral{DeferralKind::Total, 240, {}};
                    },
                    "Clé « differe », « nombre » : un différé compte au moins une échéance et "
                    "moins que le prêt, qui en compte 240 : sinon aucune échéance ne "
                    "rembourserait le capital."},
        RuleRefusal{"AFixedInsuranceWithoutItsPremium",
                    [](Offer& o) {
                      o = Generated();
                      o.terms.insurance = InsuranceTerms{InsuranceMode::Fixed, {}, {}, {}};
                    },
                    "Clé « assurance », « montant » : une prime s'indique avec le mode « fixe », "
                    "et seulement avec lui."},
        RuleRefusal{"ANegativeInsurancePremium",
                    [](Offer& o) {
                      o = Generated();
                      o.terms.insurance = InsuranceTerms{InsuranceMode::Fixed, -1, {}, {}};
                    },
                    "Clé « assurance », « montant » : un montant entre 0 et 999999999999.99 est "
                    "attendu."},
        RuleRefusal{"ABrokenPeriodOf366Days", [](Offer& o) { o.terms.brokenPeriodDays = 366; },
                    "Clé « base_periode_brisee » : une année de 365 ou de 360 jours est "
                    "attendue."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kalmoris
