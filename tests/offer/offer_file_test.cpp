#include "offer/core/offer_file.h"
#include "offer/core/offer_checks.h"
#include "tests/core/failure_expectations.h"
#include "tests/offer/offer_samples.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <string>

namespace kalmoris {
namespace {

using testing::FailsWith;

// Example 4 of the Commission as a user writes it: the fee on the signature's date by default,
// the insurance required by default, nothing announced.
const char* const kExampleFour = R"({
  "format": "kalmoris-offre",
  "version": 1,
  "emprunteur": "Exemple 4",
  "nature": "immobilier",
  "periodicite": 12,
  "deblocages": [{"date": "2012-01-12", "montant": "200000"}],
  "frais": [{"libelle": "Frais de dossier", "montant": "4000.00"}],
  "premiere_echeance": "2012-02-12",
  "paliers": [{"nombre": 240, "montant": "1432.86", "assurance": "166.67"}]
})";

QJsonObject ExampleFourObject() {
  return QJsonDocument::fromJson(kExampleFour).object();
}

TEST(OfferFile, ReadsEveryKeyAndTheDefaultsOfTheAbsentOnes) {
  const Offer offer = readOfferFile(kExampleFour);
  EXPECT_EQ(offer.borrower, QStringLiteral("Exemple 4"));
  EXPECT_EQ(offer.nature, LoanNature::Immobilier);
  EXPECT_EQ(offer.periodsPerYear, 12);
  ASSERT_EQ(offer.drawdowns.size(), 1u);
  EXPECT_EQ(offer.drawdowns[0].date, QDate(2012, 1, 12));
  EXPECT_EQ(offer.drawdowns[0].amount, 200000);
  ASSERT_EQ(offer.fees.size(), 1u);
  EXPECT_EQ(offer.fees[0].label, QStringLiteral("Frais de dossier"));
  EXPECT_EQ(offer.fees[0].amount, 4000);
  EXPECT_FALSE(offer.fees[0].date.has_value());
  EXPECT_EQ(offer.firstInstalment, QDate(2012, 2, 12));
  ASSERT_EQ(offer.steps.size(), 1u);
  EXPECT_EQ(offer.steps[0].count, 240);
  // The nearest extended values of the decimals, as the literals give them.
  EXPECT_EQ(offer.steps[0].amount, 1432.86L);
  EXPECT_EQ(offer.steps[0].insurance, 166.67L);
  EXPECT_TRUE(offer.insuranceRequired);
  EXPECT_FALSE(offer.offerDate || offer.announcedTaeg || offer.announcedTaea ||
               offer.usuryThreshold);
  EXPECT_FALSE(offer.terms.stated());
  EXPECT_TRUE(offer.unknownKeys.isEmpty());
}

// Every key of typed steps stated, with the debit rate and base that split them, and keys the
// program does not know at the top and in every kind of entry.
Offer FullOffer() {
  Offer offer = testing::ExampleOne(16.67L, false);
  offer.borrower = QStringLiteral("Mme Élise Durand");
  offer.nature = LoanNature::Professionnel;
  offer.offerDate = QDate(2011, 12, 20);
  offer.announcedTaeg = 6.43L;
  offer.announcedTaea = 0.154142L;
  offer.usuryThreshold = 7.1L;
  offer.drawdowns.push_back({QDate(2012, 6, 1), 50000.5L, {{QStringLiteral("note"), 1}}});
  offer.fees.push_back({QStringLiteral("Garantie"),
                        1200.75L,
                        QDate(2012, 3, 1),
                        {{QStringLiteral("tiers"), QStringLiteral("caution")}}});
  offer.steps.push_back({12, 0, 0, {{QStringLiteral("commentaire"), QStringLiteral("fin")}}});
  offer.terms.debitRate = 6;
  offer.terms.brokenPeriodDays = 360;
  offer.unknownKeys = {{QStringLiteral("banque"), QStringLiteral("Crédit du Nord-Est")},
                       {QStringLiteral("ligne"), QJsonArray{1, 2}}};
  return offer;
}

// Every term of a generated schedule stated, with unknown keys in its objects.
Offer FullGeneratedOffer() {
  Offer offer = testing::CommissionTerms(QDate(2012, 1, 12), QDate(2012, 2, 15));
  offer.terms.debitRate = 5.13L;
  offer.terms.instalmentCount = 252;
  offer.terms.deferral = Deferral{DeferralKind::Total, 12, {{QStringLiteral("motif"), true}}};
  offer.terms.rule = InstalmentRule::Contract;
  offer.terms.insurance = InsuranceTerms{
      InsuranceMode::RemainingCapital, std::nullopt, 0.36L, {{QStringLiteral("assureur"), 7}}};
  offer.terms.brokenPeriodDays = 360;
  offer.insuranceRequired = false;
  return offer;
}

TEST(OfferFile, ReadsBackWhatItWrote) {
  for (const Offer& offer : {FullOffer(), FullGeneratedOffer(), readOfferFile(kExampleFour)}) {
    EXPECT_EQ(readOfferFile(writeOfferFile(offer)), offer);
  }
}

// The terms' values read back the same; a generated schedule writes no steps.
TEST(OfferFile, WritesNoStepsBesideTheTerms) {
  const QJsonObject file = QJsonDocument::fromJson(writeOfferFile(FullGeneratedOffer())).object();
  EXPECT_FALSE(file.contains(QStringLiteral("paliers")));
  EXPECT_EQ(file.value(QStringLiteral("regle")).toString(), QStringLiteral("contrat"));
}

// Qt's reader drops a leading U+FEFF from a text written as it is, but not from one written with
// escapes, which then loses it when saved and read again: the offer holds neither.
TEST(OfferFile, ReadsBackTextsBeginningWithAByteOrderMark) {
  QByteArray bytes = kExampleFour;
  bytes.replace(
      "\"assurance\"",
      "\"\xEF\xBB\xBFnote\": \"\xEF\xBB\xBFx\", \"\\ufeff\\ufeffremarque\": [\"\\ufeffy\"], "
      "\"\\ufeff\\u0061ssurance\"");
  const Offer offer = readOfferFile(bytes);
  EXPECT_EQ(offer.steps[0].insurance, 166.67L);
  const QJsonObject expected = {{QStringLiteral("note"), QStringLiteral("x")},
                                {QStringLiteral("remarque"), QJsonArray{QStringLiteral("y")}}};
  EXPECT_EQ(offer.steps[0].unknownKeys, expected);
  EXPECT_EQ(readOfferFile(writeOfferFile(offer)), offer);
}

TEST(OfferFile, WritesAmountsToTheCentRatesTrimmedAndKeepsUnknownKeys) {
  const QJsonObject file = QJsonDocument::fromJson(writeOfferFile(FullOffer())).object();
  EXPECT_EQ(file.value(QStringLiteral("format")).toString(), QStringLiteral("kalmoris-offre"));
  EXPECT_EQ(file.value(QStringLiteral("version")), QJsonValue(1));
  EXPECT_EQ(file.value(QStringLiteral("nature")).toString(), QStringLiteral("professionnel"));
  EXPECT_EQ(file.value(QStringLiteral("date_offre")).toString(), QStringLiteral("2011-12-20"));
  EXPECT_EQ(file.value(QStringLiteral("taux_annonce")).toString(), QStringLiteral("6.43"));
  EXPECT_EQ(file.value(QStringLiteral("taea_annonce")).toString(), QStringLiteral("0.154142"));
  EXPECT_EQ(file.value(QStringLiteral("taux_debiteur")).toString(), QStringLiteral("6"));
  EXPECT_EQ(file.value(QStringLiteral("base_periode_brisee")).toString(), QStringLiteral("360"));
  EXPECT_EQ(file.value(QStringLiteral("banque")).toString(), QStringLiteral("Crédit du Nord-Est"));
  const QJsonArray drawdowns = file.value(QStringLiteral("deblocages")).toArray();
  EXPECT_EQ(drawdowns[0].toObject().value(QStringLiteral("montant")).toString(),
            QStringLiteral("200000.00"));
  EXPECT_EQ(drawdowns[1].toObject().value(QStringLiteral("montant")).toString(),
            QStringLiteral("50000.50"));
  EXPECT_EQ(drawdowns[1].toObject().value(QStringLiteral("note")), QJsonValue(1));
  // A fee on the first drawdown's date by default says no date; a step without insurance none.
  const QJsonArray fees = file.value(QStringLiteral("frais")).toArray();
  EXPECT_FALSE(fees[0].toObject().contains(QStringLiteral("date")));
  const QJsonArray steps = file.value(QStringLiteral("paliers")).toArray();
  EXPECT_EQ(steps[0].toObject().value(QStringLiteral("assurance")).toString(),
            QStringLiteral("16.67"));
  EXPECT_FALSE(steps[1].toObject().contains(QStringLiteral("assurance")));
  EXPECT_EQ(file.value(QStringLiteral("assurance_obligatoire")), QJsonValue(false));
}

TEST(OfferFile, WritesNoOfferItWouldRefuseToRead) {
  Offer offer = testing::ExampleOne();
  offer.steps.clear();
  EXPECT_TRUE(FailsWith<OfferFailure>(
      [&] { writeOfferFile(offer); },
      QStringLiteral("Clé « paliers » : au moins un palier est nécessaire, ou les conditions du "
                     "prêt (« taux_debiteur », « nombre_echeances ») d'où les échéances se "
                     "calculent.")));
}

// One change to example 4, and the message that refuses it.
struct Refusal {
  const char* name;
  void (*change)(QJsonObject&);
  const char* message;
};

// The entry `index` of the list `key`, changed.
template <typename Change>
void changeEntry(QJsonObject& file, const char* key, int index, Change change) {
  QJsonArray list = file.value(QLatin1String(key)).toArray();
  QJsonObject entry = list[index].toObject();
  change(entry);
  list[index] = entry;
  file.insert(QLatin1String(key), list);
}

void setKey(QJsonObject& file, const char* key, const QJsonValue& value) {
  file.insert(QLatin1String(key), value);
}

class OfferFileRefusals : public ::testing::TestWithParam<Refusal> {};

TEST_P(OfferFileRefusals, NameTheKeyInFrench) {
  QJsonObject file = ExampleFourObject();
  GetParam().change(file);
  const QByteArray bytes = QJsonDocument(file).toJson();
  EXPECT_TRUE(FailsWith<OfferFailure>([&] { readOfferFile(bytes); },
                                      QString::fromUtf8(GetParam().message)));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, OfferFileRefusals,
    ::testing::Values(
        Refusal{"FormatMissing", [](QJsonObject& f) { f.remove("format"); },
                "Clé « format » : absente alors qu'elle est obligatoire."},
        Refusal{"FormatOfAnotherFile",
                [](QJsonObject& f) { setKey(f, "format", "kalmoris-dossier"); },
                "Clé « format » : « kalmoris-offre » est attendu : ce fichier n'est pas une "
                "offre."},
        Refusal{"VersionAsText", [](QJsonObject& f) { setKey(f, "version", "1"); },
                "Clé « version » : un nombre entier (sans guillemets) est attendu."},
        Refusal{"VersionToCome", [](QJsonObject& f) { setKey(f, "version", 2); },
                "Clé « version » : cette offre est de la version 2, le programme lit la version "
                "1."},
        Refusal{"BorrowerNotText", [](QJsonObject& f) { setKey(f, "emprunteur", 12); },
                "Clé « emprunteur » : un texte entre guillemets est attendu."},
        Refusal{"NatureMissing", [](QJsonObject& f) { f.remove("nature"); },
                "Clé « nature » : absente alors qu'elle est obligatoire."},
        Refusal{"NatureUnknown", [](QJsonObject& f) { setKey(f, "nature", "maison"); },
                "Clé « nature » : « maison » n'est pas reconnu : « immobilier », « consommation » "
                "ou « professionnel » est attendu."},
        Refusal{"OfferDateInFrench", [](QJsonObject& f) { setKey(f, "date_offre", "20/12/2011"); },
                "Clé « date_offre » : « 20/12/2011 » n'est pas une date écrite AAAA-MM-JJ "
                "(« 2026-01-31 »)."},
        Refusal{"AnnouncedRateAsNumber", [](QJsonObject& f) { setKey(f, "taux_annonce", 6.4); },
                "Clé « taux_annonce » : un texte entre guillemets est attendu."},
        Refusal{"AnnouncedTaeaWithComma", [](QJsonObject& f) { setKey(f, "taea_annonce", "1,51"); },
                "Clé « taea_annonce » : « 1,51 » n'est pas un taux en pourcentage écrit avec un "
                "point et au plus six décimales (« 6.4 »)."},
        Refusal{"ThresholdWithSevenDecimals",
                [](QJsonObject& f) { setKey(f, "seuil_usure", "5.1234567"); },
                "Clé « seuil_usure » : « 5.1234567 » n'est pas un taux en pourcentage écrit avec "
                "un point et au plus six décimales (« 6.4 »)."},
        Refusal{"PeriodicityMissing", [](QJsonObject& f) { f.remove("periodicite"); },
                "Clé « periodicite » : absente alors qu'elle est obligatoire."},
        Refusal{"PeriodicityFractional", [](QJsonObject& f) { setKey(f, "periodicite", 12.5); },
                "Clé « periodicite » : un nombre entier (sans guillemets) est attendu."},
        Refusal{"PeriodicityOfSixPeriods", [](QJsonObject& f) { setKey(f, "periodicite", 6); },
                "Clé « periodicite » : 12 (mensuelle), 4 (trimestrielle), 2 (semestrielle) ou 1 "
                "(annuelle) échéances par an sont attendues."},
        Refusal{"DrawdownsMissing", [](QJsonObject& f) { f.remove("deblocages"); },
                "Clé « deblocages » : absente alors qu'elle est obligatoire."},
        Refusal{"DrawdownsEmpty", [](QJsonObject& f) { setKey(f, "deblocages", QJsonArray()); },
                "Clé « deblocages » : au moins un déblocage est nécessaire."},
        Refusal{"DrawdownsNotAList", [](QJsonObject& f) { setKey(f, "deblocages", QJsonObject()); },
                "Clé « deblocages » : une liste [ … ] est attendue."},
        Refusal{"DrawdownNotAnObject",
                [](QJsonObject& f) { setKey(f, "deblocages", QJsonArray{"2012-01-12"}); },
                "Clé « deblocages » n° 1 : un objet { … } est attendu."},
        Refusal{"DrawdownDateMissing",
                [](QJsonObject& f) {
                  changeEntry(f, "deblocages", 0, [](QJsonObject& e) { e.remove("date"); });
                },
                "Clé « deblocages » n° 1, « date » : absente alors qu'elle est obligatoire."},
        Refusal{"DrawdownOn30February",
                [](QJsonObject& f) {
                  changeEntry(f, "deblocages", 0,
                              [](QJsonObject& e) { e.insert("date", "2012-02-30"); });
                },
                "Clé « deblocages » n° 1, « date » : « 2012-02-30 » n'est pas une date écrite "
                "AAAA-MM-JJ (« 2026-01-31 »)."},
        Refusal{"DrawdownWithComma",
                [](QJsonObject& f) {
                  changeEntry(f, "deblocages", 0,
                              [](QJsonObject& e) { e.insert("montant", "200000,00"); });
                },
                "Clé « deblocages » n° 1, « montant » : « 200000,00 » n'est pas un montant écrit "
                "avec un point et au plus deux décimales (« 1432.86 »)."},
        Refusal{"DrawdownOfNothing",
                [](QJsonObject& f) {
                  changeEntry(f, "deblocages", 0, [](QJsonObject& e) { e.insert("montant", "0"); });
                },
                "Clé « deblocages » n° 1, « montant » : un déblocage doit être positif."},
        Refusal{"FeesNotAList", [](QJsonObject& f) { setKey(f, "frais", "4000"); },
                "Clé « frais » : une liste [ … ] est attendue."},
        Refusal{"FeeWithoutAmount",
                [](QJsonObject& f) {
                  changeEntry(f, "frais", 0, [](QJsonObject& e) { e.remove("montant"); });
                },
                "Clé « frais » n° 1, « montant » : absente alors qu'elle est obligatoire."},
        Refusal{"FeeBeforeTheFirstDrawdown",
                [](QJsonObject& f) {
                  changeEntry(f, "frais", 0,
                              [](QJsonObject& e) { e.insert("date", "2012-01-11"); });
                },
                "Clé « frais » n° 1, « date » : des frais ne peuvent précéder le premier déblocage "
                "(12/01/2012)."},
        Refusal{"FirstInstalmentMissing", [](QJsonObject& f) { f.remove("premiere_echeance"); },
                "Clé « premiere_echeance » : absente alors qu'elle est obligatoire."},
        Refusal{"FirstInstalmentOnTheDrawdown",
                [](QJsonObject& f) { setKey(f, "premiere_echeance", "2012-01-12"); },
                "Clé « premiere_echeance » : la première échéance (12/01/2012) doit suivre le "
                "premier déblocage (12/01/2012)."},
        Refusal{"NeitherStepsNorTerms", [](QJsonObject& f) { f.remove("paliers"); },
                "Clé « paliers » : au moins un palier est nécessaire, ou les conditions du prêt "
                "(« taux_debiteur », « nombre_echeances ») d'où les échéances se calculent."},
        Refusal{"StepsEmptyAndNoTerms", [](QJsonObject& f) { setKey(f, "paliers", QJsonArray()); },
                "Clé « paliers » : au moins un palier est nécessaire, ou les conditions du prêt "
                "(« taux_debiteur », « nombre_echeances ») d'où les échéances se calculent."},
        Refusal{"StepsBesideTermsToGenerate",
                [](QJsonObject& f) {
                  setKey(f, "taux_debiteur", "6");
                  setKey(f, "nombre_echeances", 240);
                },
                "Clé « paliers » : les échéances se saisissent en paliers ou se calculent des "
                "conditions du prêt (« nombre_echeances »), pas les deux."},
        Refusal{"DeferralBesideSteps",
                [](QJsonObject& f) {
                  setKey(f, "differe", QJsonObject{{"type", "partiel"}, {"nombre", 12}});
                },
                "Clé « differe » : ne s'indique qu'avec « nombre_echeances », quand les échéances "
                "se calculent des conditions du prêt au lieu de paliers."},
        Refusal{"TermsWithoutDebitRate",
                [](QJsonObject& f) {
                  f.remove("paliers");
                  setKey(f, "nombre_echeances", 240);
                },
                "Clé « taux_debiteur » : le taux débiteur est nécessaire pour calculer les "
                "échéances."},
        Refusal{"DebitRateWithAComma", [](QJsonObject& f) { setKey(f, "taux_debiteur", "6,4"); },
                "Clé « taux_debiteur » : « 6,4 » n'est pas un taux en pourcentage écrit avec un "
                "point et au plus six décimales (« 6.4 »)."},
        Refusal{"DebitRateAsAJsonNumber", [](QJsonObject& f) { setKey(f, "taux_debiteur", 6); },
                "Clé « taux_debiteur » : un texte entre guillemets est attendu."},
        Refusal{"StepCountAsText",
                [](QJsonObject& f) {
                  changeEntry(f, "paliers", 0, [](QJsonObject& e) { e.insert("nombre", "240"); });
                },
                "Clé « paliers » n° 1, « nombre » : un nombre entier (sans guillemets) est "
                "attendu."},
        Refusal{"StepOfNoInstalment",
                [](QJsonObject& f) {
                  changeEntry(f, "paliers", 0, [](QJsonObject& e) { e.insert("nombre", 0); });
                },
                "Clé « paliers » n° 1, « nombre » : un palier compte au moins une échéance."},
        Refusal{"StepInTenthsOfACent",
                [](QJsonObject& f) {
                  changeEntry(f, "paliers", 0,
                              [](QJsonObject& e) { e.insert("montant", "1432.865"); });
                },
                "Clé « paliers » n° 1, « montant » : « 1432.865 » n'est pas un montant écrit avec "
                "un point et au plus deux décimales (« 1432.86 »)."},
        Refusal{"NegativePremium",
                [](QJsonObject& f) {
                  changeEntry(f, "paliers", 0,
                              [](QJsonObject& e) { e.insert("assurance", "-166.67"); });
                },
                "Clé « paliers » n° 1, « assurance » : « -166.67 » n'est pas un montant écrit "
                "avec un point et au plus deux décimales (« 1432.86 »)."},
        Refusal{"MoreThanACenturyOfInstalments",
                [](QJsonObject& f) {
                  changeEntry(f, "paliers", 0, [](QJsonObject& e) { e.insert("nombre", 1201); });
                },
                "Clé « paliers » : au plus 1200 échéances en tout, les paliers en comptent 1201."},
        Refusal{"InsuranceRequiredInWords",
                [](QJsonObject& f) { setKey(f, "assurance_obligatoire", "oui"); },
                "Clé « assurance_obligatoire » : true ou false est attendu."},
        Refusal{"DebitRateNegative", [](QJsonObject& f) { setKey(f, "taux_debiteur", "-6"); },
                "Clé « taux_debiteur » : « -6 » n'est pas un taux en pourcentage écrit avec un "
                "point et au plus six décimales (« 6.4 »)."},
        Refusal{"NoInstalmentToGenerate", [](QJsonObject& f) { setKey(f, "nombre_echeances", 0); },
                "Clé « nombre_echeances » : de 1 à 1200 échéances sont attendues."},
        Refusal{
            "DeferralOfAnUnknownKind",
            [](QJsonObject&
                   f) { setKey(f, "differe", QJsonObject{{"type", "partial"}, {"nombre", 12}}); },
            "Clé « differe », « type » : « partial » n'est pas reconnu : « partiel » ou "
            "« total » est attendu."},
        Refusal{"RuleUnknown", [](QJsonObject& f) { setKey(f, "regle", "banque"); },
                "Clé « regle » : « banque » n'est pas reconnu : « commission » ou « contrat » est "
                "attendu."},
        Refusal{"FixedInsuranceWithoutPremium",
                [](QJsonObject& f) { setKey(f, "assurance", QJsonObject{{"mode", "fixe"}}); },
                "Clé « assurance », « montant » : absente alors qu'elle est obligatoire."},
        Refusal{"BrokenPeriodOf366Days",
                [](QJsonObject& f) { setKey(f, "base_periode_brisee", "366"); },
                "Clé « base_periode_brisee » : « 366 » n'est pas reconnu : « 365 » ou « 360 » est "
                "attendu."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OfferFile, RefusesWhatIsNoOfferWithoutNamingAKey) {
  EXPECT_TRUE(FailsWith<OfferFailure>(
      [] { readOfferFile("{\"version\": 1 \"format\": \"kalmoris-offre\"}"); },
      QStringLiteral("Ce fichier n'est pas une offre : son texte JSON est illisible à partir de "
                     "l'octet 15.")));
  EXPECT_TRUE(FailsWith<OfferFailure>(
      [] { readOfferFile("[1, 2]"); },
      QStringLiteral("Ce fichier n'est pas une offre : un objet JSON { … } est attendu.")));
}

TEST(OfferFile, ReadsAFileWithAByteOrderMarkAndNullsAsNotStated) {
  QJsonObject file = ExampleFourObject();
  file.insert(QStringLiteral("taux_annonce"), QJsonValue::Null);
  const Offer offer = readOfferFile("\xEF\xBB\xBF" + QJsonDocument(file).toJson());
  EXPECT_FALSE(offer.announcedTaeg.has_value());
  EXPECT_EQ(offer.steps[0].amount, 1432.86L);
}

}  // namespace
}  // namespace kalmoris
