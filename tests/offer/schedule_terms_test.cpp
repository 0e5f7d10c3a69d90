#include "offer/core/schedule_terms.h"

#include "tests/core/failure_expectations.h"

#include <gtest/gtest.h>

#include <QJsonDocument>

#include <string>

namespace kalmoris {
namespace {

using testing::PrintTo;

QJsonObject offerOf(const char* json) {
  return QJsonDocument::fromJson(json).object();
}

TEST(GenerationTerms, AbsentKeysTakeTheirDefaults) {
  ScheduleTerms terms;
  terms.rule = InstalmentRule::Commission;
  terms.insuranceRequired = false;
  readGenerationTerms(offerOf(R"({"taux_debiteur": "6.4", "nombre_echeances": 240})"), terms);
  EXPECT_EQ(terms.debitRate, 6.4L);
  EXPECT_EQ(terms.instalmentCount, 240);
  EXPECT_EQ(terms.deferral.kind, DeferralKind::None);
  EXPECT_EQ(terms.rule, InstalmentRule::Contract);
  EXPECT_EQ(terms.insurance.mode, InsuranceMode::None);
  EXPECT_TRUE(terms.insuranceRequired);
  EXPECT_EQ(terms.brokenPeriodBase, BrokenPeriodBase::Days365);
}

TEST(GenerationTerms, WrittenTermsReadBackTheSame) {
  ScheduleTerms written;
  written.debitRate = 5.13L;
  written.instalmentCount = 300;
  written.deferral = {DeferralKind::Total, 24};
  written.rule = InstalmentRule::Commission;
  written.insurance = {InsuranceMode::RemainingCapital, 0, 0.36L};
  written.insuranceRequired = false;
  written.brokenPeriodBase = BrokenPeriodBase::Days360;
  QJsonObject offer{{QStringLiteral("emprunteur"), QStringLiteral("G. RORAVOR")}};
  writeGenerationTerms(written, offer);
  EXPECT_EQ(offer.value(QStringLiteral("taux_debiteur")).toString(), QStringLiteral("5.13"));
  ScheduleTerms read;
  readGenerationTerms(offer, read);
  EXPECT_EQ(read.debitRate, written.debitRate);
  EXPECT_EQ(read.instalmentCount, 300);
  EXPECT_EQ(read.deferral.kind, DeferralKind::Total);
  EXPECT_EQ(read.deferral.count, 24);
  EXPECT_EQ(read.rule, InstalmentRule::Commission);
  EXPECT_EQ(read.insurance.mode, InsuranceMode::RemainingCapital);
  EXPECT_EQ(read.insurance.annualRate, 0.36L);
  EXPECT_FALSE(read.insuranceRequired);
  EXPECT_EQ(read.brokenPeriodBase, BrokenPeriodBase::Days360);
  EXPECT_EQ(offer.value(QStringLiteral("emprunteur")).toString(), QStringLiteral("G. RORAVOR"));
}

TEST(GenerationTerms, ARateBeyondTheExtendedRangeIsNotANumber) {
  const QString digits(5000, u'9');
  const QJsonObject offer{{QStringLiteral("taux_debiteur"), digits},
                          {QStringLiteral("nombre_echeances"), 240}};
  ScheduleTerms terms;
  EXPECT_TRUE(testing::FailsWith<TermsFailure>(
      [&] { readGenerationTerms(offer, terms); },
      QStringLiteral("Le taux débiteur (taux_debiteur) « %1 » n'est pas un nombre positif écrit "
                     "avec un point, comme « 6.4 ».")
          .arg(digits)));
}

struct BadKeyCase {
  const char* name;
  const char* json;
  const char* key;
};

class BadKey : public ::testing::TestWithParam<BadKeyCase> {};

TEST_P(BadKey, IsRefusedByName) {
  ScheduleTerms terms;
  try {
    readGenerationTerms(offerOf(GetParam().json), terms);
    ADD_FAILURE() << "no refusal";
  } catch (const TermsFailure& failure) {
    EXPECT_EQ(failure.key(), GetParam().key);
    EXPECT_TRUE(failure.message().contains(QStringLiteral("(%1)").arg(GetParam().key)))
        << failure.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, BadKey,
    ::testing::Values(
        BadKeyCase{"ARateWithAComma", R"({"taux_debiteur": "6,4", "nombre_echeances": 240})",
                   "taux_debiteur"},
        BadKeyCase{"ARateThatIsNotANumber", R"({"taux_debiteur": "six", "nombre_echeances": 1})",
                   "taux_debiteur"},
        BadKeyCase{"ARateAsAJsonNumber", R"({"taux_debiteur": 6, "nombre_echeances": 240})",
                   "taux_debiteur"},
        BadKeyCase{"NoCount", R"({"taux_debiteur": "6"})", "nombre_echeances"},
        BadKeyCase{"AnUnknownDeferral",
                   R"({"taux_debiteur": "6", "nombre_echeances": 240,
                       "differe": {"type": "long", "nombre": 12}})",
                   "differe"},
        BadKeyCase{"AFixedInsuranceWithoutItsAmount",
                   R"({"taux_debiteur": "6", "nombre_echeances": 240,
                       "assurance": {"mode": "fixe"}})",
                   "assurance"},
        BadKeyCase{"AYearOf366Days",
                   R"({"taux_debiteur": "6", "nombre_echeances": 240,
                       "base_periode_brisee": "366"})",
                   "base_periode_brisee"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kalmoris
