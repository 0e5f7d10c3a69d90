// The texts of the offer's screen read into an offer, or refused at the entry that is wrong, and
// written back from an offer.
#include "offer/core/offer_form.h"
#include "offer/core/offer_file.h"
#include "offer/core/offer_result_texts.h"
#include "tests/offer/offer_samples.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace kalmoris {

inline void PrintTo(const FormRefusal& refusal, std::ostream* out) {
  *out << int(refusal.field) << " row " << refusal.row << " column " << refusal.column << ": "
       << refusal.message.toStdString();
}

namespace {

using testing::ExampleOne;

// Example 1 as a user types it on the screen.
OfferForm ExampleOneTyped() {
  OfferForm form;
  form.borrower = QStringLiteral("Exemple 1");
  form.nature = QStringLiteral("Immobilier");
  form.announcedTaeg = QStringLiteral("6.4");
  form.usuryThreshold = QStringLiteral("5,13");
  form.periodicity = QStringLiteral("mensuelle");
  form.drawdowns = {{"12/01/2012", "200 000"}};
  form.fees = {{"Frais de dossier", "4000", ""}};
  form.firstInstalment = QStringLiteral("12/02/2012");
  form.insurance = QStringLiteral("obligatoire");
  form.brokenPeriodBase = QStringLiteral("365");
  form.instalments = QStringLiteral("paliers saisis");
  form.steps = {{"240", "1432.86", ""}};
  form.rule = QStringLiteral("contrat");
  form.deferral = QStringLiteral("aucun");
  form.insuranceMode = QStringLiteral("aucune");
  return form;
}

// Example 1 given by its terms: 6 % a year, 240 instalments; the typed steps are not read.
void ByTheTerms(OfferForm& form) {
  form.instalments = QStringLiteral("conditions de l'offre");
  form.debitRate = QStringLiteral("6");
  form.instalmentCount = QStringLiteral("240");
  form.steps = {{"x", "y", "z"}};
}

TEST(OfferForm, ReadsTheTypedTextsWithPointsSpacesAndDefaults) {
  const FormReading reading = readOfferForm(ExampleOneTyped());
  ASSERT_TRUE(reading.offer) << reading.refusal.message.toStdString();
  Offer expected = ExampleOne();
  expected.borrower = QStringLiteral("Exemple 1");
  expected.announcedTaeg = 6.4L;
  expected.usuryThreshold = 5.13L;
  EXPECT_EQ(*reading.offer, expected);
}

// Offers of every shape read back the same from their texts.
class OfferFormRoundTrip : public ::testing::TestWithParam<std::pair<const char*, Offer>> {};

TEST_P(OfferFormRoundTrip, TextsOfAnOfferReadBackAsTheSameOffer) {
  const Offer& offer = GetParam().second;
  const FormReading reading = readOfferForm(offerFormOf(offer));
  ASSERT_TRUE(reading.offer) << reading.refusal.message.toStdString();
  EXPECT_EQ(*reading.offer, offer);
}

Offer SeveralDrawdownsQuarterly() {
  Offer offer = ExampleOne(16.67L, false);
  offer.nature = LoanNature::Professionnel;
  offer.offerDate = QDate(2026, 1, 5);
  offer.announcedTaeg = 6.123456L;
  offer.announcedTaea = 0.05L;
  offer.usuryThreshold = 9.5L;
  offer.periodsPerYear = 4;
  offer.drawdowns.push_back({QDate(2012, 6, 30), 50000.01L, {}});
  offer.fees.push_back({QString(), 0.99L, QDate(2012, 6, 30), {}});
  offer.steps = {{4, 0, 0, {}}, {36, 7777.77L, 12.5L, {}}};
  return offer;
}

INSTANTIATE_TEST_SUITE_P(
    Offers, OfferFormRoundTrip,
    ::testing::Values(std::pair{"example_one", ExampleOne()},
                      std::pair{"optional_insurance", ExampleOne(166.67L, false)},
                      std::pair{"several_drawdowns_dated_fees_quarterly_all_rates",
                                SeveralDrawdownsQuarterly()}),
    [](const auto& info) { return std::string(info.param.first); });

TEST(OfferForm, WritesTheTextsTheScreenShows) {
  const OfferForm form = offerFormOf(SeveralDrawdownsQuarterly());
  EXPECT_EQ(form.nature, QStringLiteral("Professionnel"));
  EXPECT_EQ(form.offerDate, QStringLiteral("05/01/2026"));
  EXPECT_EQ(form.announcedTaeg, QStringLiteral("6,123456"));
  EXPECT_EQ(form.announcedTaea, QStringLiteral("0,05"));
  EXPECT_EQ(form.usuryThreshold, QStringLiteral("9,5"));
  EXPECT_EQ(form.periodicity, QStringLiteral("trimestrielle"));
  EXPECT_EQ(form.drawdowns, (GridTexts{{"12/01/2012", "200000,00"}, {"30/06/2012", "50000,01"}}));
  EXPECT_EQ(form.fees,
            (GridTexts{{"Frais de dossier", "4000,00", ""}, {"", "0,99", "30/06/2012"}}));
  EXPECT_EQ(form.steps, (GridTexts{{"4", "0,00", "0,00"}, {"36", "7777,77", "12,50"}}));
  EXPECT_EQ(form.insurance, QStringLiteral("facultative"));
}

// What the screen does not show comes from the offer last opened: the unknown keys, those of a
// list's entries by their place; the debit rate beside typed steps reads back from its field.
TEST(OfferForm, KeepsWhatTheOpenedOfferHeldBeyondTheScreen) {
  const Offer opened = readOfferFile(R"({
    "format": "kalmoris-offre", "version": 1, "nature": "immobilier", "periodicite": 12,
    "deblocages": [{"date": "2012-01-12", "montant": "200000", "lot": "A"}],
    "premiere_echeance": "2012-02-12",
    "paliers": [{"nombre": 240, "montant": "1432.86"}],
    "taux_debiteur": "6", "note": {"auteur": "agence"}
  })");
  OfferForm form = offerFormOf(opened);
  form.borrower = QStringLiteral("Autre");
  form.drawdowns.push_back({"12/06/2012", "1000"});
  const FormReading reading = readOfferForm(form, opened);
  ASSERT_TRUE(reading.offer);
  EXPECT_EQ(reading.offer->unknownKeys, opened.unknownKeys);
  EXPECT_EQ(reading.offer->terms, opened.terms);
  EXPECT_EQ(reading.offer->drawdowns[0].unknownKeys, opened.drawdowns[0].unknownKeys);
  EXPECT_TRUE(reading.offer->drawdowns[1].unknownKeys.isEmpty());
}

// Offers given by their terms, and typed steps with a debit rate, read back the same from their
// texts with the offer they were opened from kept, as the screen keeps it.
class OfferTermsRoundTrip : public ::testing::TestWithParam<std::pair<const char*, Offer>> {};

TEST_P(OfferTermsRoundTrip, TermsOfAnOfferReadBackAsTheSameTerms) {
  const Offer& offer = GetParam().second;
  const FormReading reading = readOfferForm(offerFormOf(offer), offer);
  ASSERT_TRUE(reading.offer) << reading.refusal.message.toStdString();
  EXPECT_EQ(*reading.offer, offer);
}

Offer TermsWith(std::function<void(OfferTerms&)> change, bool insuranceRequired = true) {
  Offer offer = testing::CommissionTerms(QDate(2012, 1, 12), QDate(2012, 2, 12));
  offer.insuranceRequired = insuranceRequired;
  change(offer.terms);
  return offer;
}

INSTANTIATE_TEST_SUITE_P(
    Offers, OfferTermsRoundTrip,
    ::testing::Values(
        std::pair{"terms_stating_no_choice", TermsWith([](OfferTerms&) {})},
        std::pair{"commission_rule_fixed_premium", TermsWith([](OfferTerms& t) {
                    t.rule = InstalmentRule::Commission;
                    t.insurance = InsuranceTerms{InsuranceMode::Fixed, 16.67L, {}, {}};
                  })},
        std::pair{"defaults_stated_partial_deferral", TermsWith([](OfferTerms& t) {
                    t.rule = InstalmentRule::Contract;
                    t.brokenPeriodDays = 365;
                    t.insurance = InsuranceTerms{InsuranceMode::None, {}, {}, {}};
                    t.deferral = Deferral{DeferralKind::Partial, 12, {}};
                  })},
        std::pair{
            "total_deferral_remaining_capital_360_days_optional",
            TermsWith(
                [](OfferTerms& t) {
                  t.debitRate = 4.85L;
                  t.brokenPeriodDays = 360;
                  t.deferral = Deferral{DeferralKind::Total, 24, {}};
                  t.insurance = InsuranceTerms{InsuranceMode::RemainingCapital, {}, 0.36L, {}};
                },
                false)},
        std::pair{"typed_steps_split_at_a_debit_rate_on_360_days",
                  [] {
                    Offer offer = ExampleOne();
                    offer.terms.debitRate = 6;
                    offer.terms.brokenPeriodDays = 360;
                    return offer;
                  }()}),
    [](const auto& info) { return std::string(info.param.first); });

TEST(OfferForm, WritesTheTermsTheScreenShows) {
  const OfferForm form = offerFormOf(TermsWith([](OfferTerms& t) {
    t.brokenPeriodDays = 360;
    t.deferral = Deferral{DeferralKind::Total, 12, {}};
    t.insurance = InsuranceTerms{InsuranceMode::InitialCapital, {}, 0.36L, {}};
  }));
  EXPECT_EQ(form.instalments, QStringLiteral("conditions de l'offre"));
  EXPECT_EQ(form.steps, GridTexts());
  EXPECT_EQ(form.debitRate, QStringLiteral("6"));
  EXPECT_EQ(form.brokenPeriodBase, QStringLiteral("360"));
  EXPECT_EQ(form.instalmentCount, QStringLiteral("240"));
  EXPECT_EQ(form.rule, QStringLiteral("contrat"));
  EXPECT_EQ(form.deferral, QStringLiteral("total"));
  EXPECT_EQ(form.deferralCount, QStringLiteral("12"));
  EXPECT_EQ(form.insuranceMode, QStringLiteral("capital initial"));
  EXPECT_EQ(form.insuranceRate, QStringLiteral("0,36"));
  EXPECT_EQ(form.insurancePremium, QString());
}

// The texts of the way not chosen are not read: the steps with the terms, the terms with the
// steps, the premium with an insurance on the capital.
TEST(OfferForm, ReadsOnlyTheInstalmentsChosen) {
  OfferForm form = ExampleOneTyped();
  form.instalmentCount = QStringLiteral("?");
  form.deferral = QStringLiteral("partiel");
  form.insuranceMode = QStringLiteral("fixe");
  FormReading reading = readOfferForm(form);
  ASSERT_TRUE(reading.offer) << reading.refusal.message.toStdString();
  EXPECT_FALSE(reading.offer->terms.stated());

  ByTheTerms(form);
  form.deferral = QStringLiteral("aucun");
  form.deferralCount = QStringLiteral("?");
  form.insuranceMode = QStringLiteral("capital restant");
  form.insuranceRate = QStringLiteral("0,36");
  form.insurancePremium = QStringLiteral("?");
  reading = readOfferForm(form);
  ASSERT_TRUE(reading.offer) << reading.refusal.message.toStdString();
  EXPECT_TRUE(reading.offer->steps.empty());
  EXPECT_EQ(reading.offer->terms.instalmentCount, 240);
  EXPECT_FALSE(reading.offer->terms.deferral);
  EXPECT_EQ(reading.offer->terms.insurance,
            (InsuranceTerms{InsuranceMode::RemainingCapital, {}, 0.36L, {}}));
}

struct Refused {
  const char* name;
  std::function<void(OfferForm&)> change;
  FormRefusal refusal;
};

class OfferFormRefusal : public ::testing::TestWithParam<Refused> {};

TEST_P(OfferFormRefusal, NamesTheEntryAndWhy) {
  OfferForm form = ExampleOneTyped();
  GetParam().change(form);
  const FormReading reading = readOfferForm(form);
  EXPECT_FALSE(reading.offer);
  EXPECT_EQ(reading.refusal, GetParam().refusal);
}

using F = OfferField;

INSTANTIATE_TEST_SUITE_P(
    Entries, OfferFormRefusal,
    ::testing::Values(
        Refused{"no_nature",
                [](OfferForm& f) { f.nature.clear(); },
                {F::Nature, 0, 0,
                 "Nature du prêt : choisissez Immobilier, Consommation ou Professionnel."}},
        Refused{"impossible_offer_date",
                [](OfferForm& f) { f.offerDate = "31/02/2026"; },
                {F::OfferDate, 0, 0,
                 "Date de l'offre : '31/02/2026' n'est pas une date (jj/mm/aaaa)."}},
        Refused{"rate_with_letters",
                [](OfferForm& f) { f.announcedTaea = "1,5x"; },
                {F::AnnouncedTaea, 0, 0, "TAEA annoncé : '1,5x' n'est pas un taux (par ex. 6,4)."}},
        Refused{"threshold_as_the_dossier_reads_it",
                [](OfferForm& f) { f.usuryThreshold = "100"; },
                {F::UsuryThreshold, 0, 0,
                 "Seuil de l'usure : '100' n'est pas un seuil en % (par ex. 5,13)."}},
        Refused{"amount_with_letters",
                [](OfferForm& f) { f.drawdowns[0][1] = "12a"; },
                {F::Drawdowns, 1, 1,
                 "Déblocage n° 1, montant : '12a' n'est pas un montant (par ex. 1432,86)."}},
        Refused{"amount_beyond_the_cent",
                [](OfferForm& f) { f.steps[0][1] = "1432,861"; },
                {F::Steps, 1, 1,
                 "Palier n° 1, montant hors assurance : '1432,861' n'est pas un montant (par ex. "
                 "1432,86)."}},
        Refused{"every_drawdown_row_empty",
                [](OfferForm& f) {
                  f.drawdowns = {{"", " "}};
                },
                {F::Drawdowns, 1, 0,
                 "Déblocages : au moins un déblocage (date et montant) est nécessaire."}},
        Refused{"drawdown_without_its_date",
                [](OfferForm& f) { f.drawdowns[0][0].clear(); },
                {F::Drawdowns, 1, 0, "Déblocage n° 1, date : la date est nécessaire."}},
        Refused{"fee_without_its_amount",
                [](OfferForm& f) { f.fees[0][1].clear(); },
                {F::Fees, 1, 1, "Frais n° 1, montant : le montant est nécessaire."}},
        // checkOffer's rules, at the grid row the entry came from, an empty row before it.
        Refused{"drawdown_before_the_first_after_an_empty_row",
                [](OfferForm& f) {
                  f.drawdowns = {{"", ""}, f.drawdowns[0], {"11/01/2012", "1"}};
                },
                {F::Drawdowns, 3, 0,
                 "Déblocage n° 3, date : le déblocage du 11/01/2012 précède le premier "
                 "(12/01/2012), origine des temps."}},
        Refused{"fee_before_the_first_drawdown",
                [](OfferForm& f) { f.fees[0][2] = "01/01/2012"; },
                {F::Fees, 1, 2,
                 "Frais n° 1, date : des frais ne peuvent précéder le premier déblocage "
                 "(12/01/2012)."}},
        Refused{"first_instalment_on_the_drawdown",
                [](OfferForm& f) { f.firstInstalment = "12/01/2012"; },
                {F::FirstInstalment, 0, 0,
                 "Première échéance : la première échéance (12/01/2012) doit suivre le premier "
                 "déblocage (12/01/2012)."}},
        Refused{"step_count_not_a_number",
                [](OfferForm& f) { f.steps[0][0] = "24O"; },
                {F::Steps, 1, 0,
                 "Palier n° 1, nombre : '24O' n'est pas un nombre d'échéances (par ex. 240)."}},
        Refused{"step_of_no_instalment",
                [](OfferForm& f) { f.steps[0][0] = "0"; },
                {F::Steps, 1, 0, "Palier n° 1, nombre : un palier compte au moins une échéance."}},
        Refused{"too_many_instalments_in_all",
                [](OfferForm& f) {
                  f.steps.push_back({"1000", "1"});
                },
                {F::Steps, 1, 0,
                 "Paliers : au plus 1200 échéances en tout, les paliers en "
                 "comptent 1240."}},
        Refused{"unknown_periodicity",
                [](OfferForm& f) { f.periodicity = "hebdomadaire"; },
                {F::Periodicity, 0, 0,
                 "Périodicité : choisissez mensuelle, trimestrielle, semestrielle ou annuelle."}},
        // The terms, refused by the reading or by checkOffer at their own field.
        Refused{"debit_rate_not_a_number",
                [](OfferForm& f) {
                  ByTheTerms(f);
                  f.debitRate = "6,x";
                },
                {F::DebitRate, 0, 0, "Taux débiteur : '6,x' n'est pas un taux (par ex. 6,4)."}},
        Refused{"terms_without_a_debit_rate",
                [](OfferForm& f) {
                  ByTheTerms(f);
                  f.debitRate.clear();
                },
                {F::DebitRate, 0, 0,
                 "Taux débiteur : le taux débiteur est nécessaire pour calculer les échéances."}},
        Refused{"terms_without_a_count",
                [](OfferForm& f) {
                  ByTheTerms(f);
                  f.instalmentCount.clear();
                },
                {F::InstalmentCount, 0, 0,
                 "Nombre d'échéances : le nombre d'échéances est nécessaire."}},
        Refused{"deferral_as_long_as_the_loan",
                [](OfferForm& f) {
                  ByTheTerms(f);
                  f.deferral = "partiel";
                  f.deferralCount = "240";
                },
                {F::DeferralCount, 0, 0,
                 "Échéances différées : un différé compte au moins une échéance et moins que le "
                 "prêt, qui en compte 240 : sinon aucune échéance ne rembourserait le capital."}},
        Refused{"commission_rule_with_a_deferral",
                [](OfferForm& f) {
                  ByTheTerms(f);
                  f.rule = "commission";
                  f.deferral = "total";
                  f.deferralCount = "12";
                },
                {F::Rule, 0, 0,
                 "Règle : la règle « commission » ne prévoit pas de différé : choisissez la "
                 "règle « contrat »."}},
        Refused{"fixed_insurance_without_its_premium",
                [](OfferForm& f) {
                  ByTheTerms(f);
                  f.insuranceMode = "fixe";
                },
                {F::InsurancePremium, 0, 0, "Prime par échéance : le montant est nécessaire."}},
        Refused{"insurance_on_the_capital_without_its_rate",
                [](OfferForm& f) {
                  ByTheTerms(f);
                  f.insuranceMode = "capital initial";
                },
                {F::InsuranceRate, 0, 0, "Taux annuel de l'assurance : le taux est nécessaire."}},
        Refused{"terms_with_several_drawdowns",
                [](OfferForm& f) {
                  ByTheTerms(f);
                  f.drawdowns.push_back({"12/06/2012", "1000"});
                },
                {F::Drawdowns, 1, 0,
                 "Déblocages : avec plusieurs déblocages, les échéances se saisissent en paliers : "
                 "les intérêts intercalaires payés entre les déblocages varient trop d'un contrat "
                 "à l'autre pour se déduire des conditions du prêt."}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OfferResultTexts, WritesRatesPointsAndAmountsWithADecimalComma) {
  OfferResults results;
  results.taeg = 6.434412L;
  results.periodRate = 0.5210091L;
  results.proportionalRate = 6.25211L;
  results.periodsPerYear = 4;
  results.taea = 1.51224L;
  results.cost = {143886.4L, 0, 4000, 147886.4L, 40000.8L};
  OfferResultTexts texts = offerResultTexts(results);
  EXPECT_EQ(textOf(texts, OfferResult::Taeg), QStringLiteral("6,4344 %"));
  EXPECT_EQ(textOf(texts, OfferResult::PeriodRate), QStringLiteral("0,521009 %"));
  EXPECT_EQ(textOf(texts, OfferResult::Period), QStringLiteral("trimestriel"));
  EXPECT_EQ(textOf(texts, OfferResult::ProportionalRate), QStringLiteral("6,2521 %"));
  EXPECT_EQ(textOf(texts, OfferResult::Taea), QStringLiteral("1,5122 point"));
  EXPECT_EQ(textOf(texts, OfferResult::AnnouncedTaea), QString());
  EXPECT_EQ(textOf(texts, OfferResult::Interest), QStringLiteral("143886,40"));
  EXPECT_EQ(textOf(texts, OfferResult::TotalCost), QStringLiteral("147886,40"));
  EXPECT_EQ(textOf(texts, OfferResult::OptionalInsurance), QStringLiteral("40000,80"));

  results.taea.reset();
  results.announcedTaea = 1.5L;
  texts = offerResultTexts(results);
  EXPECT_EQ(textOf(texts, OfferResult::Taea), QStringLiteral("non calculable"));
  EXPECT_EQ(textOf(texts, OfferResult::AnnouncedTaea), QStringLiteral("1,5000 point"));
}

}  // namespace
}  // namespace kalmoris
