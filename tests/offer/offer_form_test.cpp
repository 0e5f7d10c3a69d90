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
  form.steps = {{"240", "1432.86", ""}};
  form.insurance = QStringLiteral("obligatoire");
  return form;
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
// list's entries by their place, and the terms of a generated schedule.
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
                 "Périodicité : choisissez mensuelle, trimestrielle, semestrielle ou annuelle."}}),
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
