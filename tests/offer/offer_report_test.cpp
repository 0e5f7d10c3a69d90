#include "offer/core/offer_report.h"

#include "core/numbers.h"
#include "offer/core/offer_json.h"
#include "testing/recording_document.h"
#include "tests/core/failure_expectations.h"
#include "tests/offer/offer_samples.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <memory>

namespace kalmoris {
namespace {

using testing::CommissionTerms;
using testing::ExampleOne;
using testing::PrintTo;

Offer AnnouncedExampleOne() {
  Offer offer = ExampleOne();
  offer.offerDate = QDate(2011, 12, 20);
  offer.announcedTaeg = 6.43L;
  offer.usuryThreshold = 7.1L;
  return offer;
}

OfferReport ReportOf(const Offer& offer) {
  return offerReport(offer, computeOfferResults(offer));
}

QJsonObject JsonOf(const Offer& offer) {
  return QJsonDocument::fromJson(offerJson(offer, computeOfferResults(offer))).object();
}

// 240 x 1 432,86 less the 200 000 drawn are 143 886,40 of interest.
TEST(OfferReport, ShowsEveryResultAndTheControlUnderItsHeading) {
  const Offer offer = AnnouncedExampleOne();
  const OfferResults results = computeOfferResults(offer);
  const QStringList lines = offerReport(offer, results).lines();
  for (const char* line : {"    CONTROLE D'UNE OFFRE DE PRET",
                           "    Palier 1 : 240 échéances de 1432,86 € + assurance 0,00 €",
                           "    TAEG (actuariel) : 6,434412 %", "    Taux annoncé : 6,43 %",
                           "    TAEA : 0,000000 point", "    Seuil de l'usure : 7,1 %",
                           "    Intérêts ------------------------- 143886,40 €",
                           "    Total ---------------------------- 147886,40 €"})
    EXPECT_TRUE(lines.contains(QString::fromUtf8(line))) << line;
  EXPECT_TRUE(lines.contains(QStringLiteral("    Taux de période : %1 % par mois")
                                 .arg(FormatFixed(results.periodRate, 18, 10))));
  const qsizetype heading = lines.indexOf(offerControlHeading().back());
  ASSERT_GT(heading, 0);
  EXPECT_EQ(lines.mid(heading + 1, 4), results.control.reportLines());
}

TEST(OfferReport, ShowsTheTermsAndTheStepsGeneratedFromThem) {
  const QStringList lines =
      ReportOf(CommissionTerms(QDate(2012, 1, 12), QDate(2012, 2, 12))).lines();
  const qsizetype steps = lines.indexOf(QStringLiteral("    Paliers calculés :"));
  ASSERT_GT(steps, 0);
  EXPECT_EQ(lines.mid(steps + 1, 2),
            (QStringList{"    Palier 1 : 239 échéances de 1432,86 € + assurance 0,00 €",
                         "    Palier 2 : 1 échéance de 1433,76 € + assurance 0,00 €"}));
  EXPECT_TRUE(lines.contains(
      QStringLiteral("    Taux débiteur : 6 %, 240 échéances, règle du contrat (dernière échéance "
                     "ajustée)")));
}

// The grid's lines are as long as each other, and the sum ends under the last column.
TEST(OfferReport, LinesUpTheProofsColumnsAndItsSum) {
  const OfferReport report = ReportOf(ExampleOne());
  const qsizetype header = report.proof.indexOf(QRegularExpression(QStringLiteral("    Date .*")));
  ASSERT_GT(header, 0);
  const QStringList grid = report.proof.mid(header, 243);
  for (const QString& line : grid)
    EXPECT_EQ(line.size(), grid.front().size()) << line.toStdString();
  EXPECT_TRUE(grid.front().endsWith(QStringLiteral("Actualisé")));
  EXPECT_TRUE(grid.back().endsWith(QStringLiteral("411,68")));
  EXPECT_EQ(report.proof.back().size(), grid.front().size());
  EXPECT_TRUE(report.proof.back().startsWith(QStringLiteral("    Somme des valeurs actualisées")));
  EXPECT_TRUE(report.proof.back().endsWith(QStringLiteral(" 0,00")));
}

struct PageCase {
  const char* name;
  int widthDots;
  int bodyPoints;
  int proofPoints;
  bool bodyFits;  // no line of the body is wrapped
};

class PrintedReport : public ::testing::TestWithParam<PageCase> {};

// On the recording document a character is half its height wide: 122 characters of proof need
// 4 514 dots at 9 points, 4 026 at 8, 3 538 at 7 and 3 050 at 6; the body's 112 characters of
// the usury category's line need 4 592 at 10, 4 144 at 9 and 3 696 at 8.
TEST_P(PrintedReport, SetsTheTitleBodyAndTheProofInCourierNew) {
  const OfferReport report = ReportOf(ExampleOne());
  auto record = std::make_shared<testing::DocumentRecord>();
  testing::RecordingDocument document(record, {GetParam().widthDots, 6600, 203, 279});
  PageFont font;
  PrinterTextStream stream(document, font);
  writeOfferReport(stream, report);
  stream.close();
  const auto draws = record->draws();
  const auto drawOf = [&](const QString& text) {
    return *std::find_if(draws.begin(), draws.end(),
                         [&](const testing::DocumentEvent& e) { return e.text == text; });
  };
  const PageFont title = drawOf(report.title).font;
  EXPECT_EQ(title.name, QStringLiteral("Courier New"));
  EXPECT_EQ(title.size, 14);
  EXPECT_TRUE(title.bold);
  EXPECT_EQ(drawOf(report.body.first()).font.size, GetParam().bodyPoints);
  EXPECT_EQ(drawOf(report.proof.back()).font.size, GetParam().proofPoints);
  const QStringList lines = record->lines();
  EXPECT_EQ(lines.mid(lines.size() - report.proof.size()), report.proof);
  if (GetParam().bodyFits) {
    EXPECT_EQ(lines, QStringList({"    ", "    "}) + report.lines());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PrintedReport,
    ::testing::Values(PageCase{"AWidePageTakesTheLargestSizes", 4800, 10, 9, true},
                      PageCase{"ANarrowerPageSmallerOnes", 4200, 9, 8, true},
                      PageCase{"ANarrowerStillSmallerStill", 3700, 8, 7, true},
                      PageCase{"ANarrowestPageTheSmallest", 3100, 8, 6, false}),
    [](const auto& info) { return std::string(info.param.name); });

// Every value of the object, at any depth, is a string; those that hold a number write it with
// a "." and no other mark.
void ExpectStringsOnly(const QJsonValue& value, const QString& key) {
  static const QRegularExpression number(QStringLiteral("^-?[0-9]+([.][0-9]+)?$"));
  static const QRegularExpression numberLike(QStringLiteral("^-?[0-9.,]+$"));
  if (value.isArray()) {
    for (const QJsonValue& item : value.toArray()) ExpectStringsOnly(item, key);
  } else if (value.isObject()) {
    const QJsonObject object = value.toObject();
    for (auto item = object.begin(); item != object.end(); ++item)
      ExpectStringsOnly(item.value(), item.key());
  } else {
    ASSERT_TRUE(value.isString()) << key.toStdString();
    if (numberLike.match(value.toString()).hasMatch()) {
      EXPECT_TRUE(number.match(value.toString()).hasMatch()) << key.toStdString();
    }
  }
}

// The second instalment, a month after the first drawdown, is worth 1 432,86 / 1,06434412^(1/12)
// = 1 425,43 at the origin.
TEST(OfferJson, WritesExampleOneWithStringsOnly) {
  const Offer offer = AnnouncedExampleOne();
  const OfferResults results = computeOfferResults(offer);
  const QJsonObject json = QJsonDocument::fromJson(offerJson(offer, results)).object();
  ExpectStringsOnly(json, {});
  EXPECT_EQ(json.value(QStringLiteral("taeg")).toString(), QStringLiteral("6.434412"));
  const QString period = json.value(QStringLiteral("taux_periode")).toString();
  EXPECT_EQ(period.size() - period.indexOf(u'.') - 1, 10);
  EXPECT_EQ(json.value(QStringLiteral("taux_annonce")).toString(), QStringLiteral("6.430000"));
  EXPECT_FALSE(json.contains(QStringLiteral("taea_annonce")));
  EXPECT_EQ(json.value(QStringLiteral("cout_total")).toString(), QStringLiteral("147886.40"));
  EXPECT_EQ(json.value(QStringLiteral("verdict")).toArray(),
            QJsonArray::fromStringList(results.control.texts()));
  const QJsonArray flows = json.value(QStringLiteral("flux")).toArray();
  ASSERT_EQ(flows.size(), 242);
  EXPECT_EQ(flows[0].toObject().value(QStringLiteral("montant")).toString(),
            QStringLiteral("-200000.00"));
  const QJsonObject first{{"date", "2012-02-12"},    {"type", "echeance"},
                          {"numero", "1"},           {"montant", "1432.86"},
                          {"assurance", "0.00"},     {"temps", "1 mois + 0 / 365"},
                          {"annees", "0.083333333"}, {"valeur_actualisee", "1425.43"}};
  EXPECT_EQ(flows[2].toObject(), first);
  EXPECT_EQ(json.value(QStringLiteral("somme_actualisee")).toString(), QStringLiteral("0.00"));
}

TEST(OfferJson, WritesTheGeneratedStepsAndEachInstalmentsSplit) {
  const QJsonObject json = JsonOf(CommissionTerms(QDate(2012, 1, 12), QDate(2012, 2, 12)));
  ExpectStringsOnly(json, {});
  const QJsonArray steps = json.value(QStringLiteral("paliers_calcules")).toArray();
  ASSERT_EQ(steps.size(), 2);
  EXPECT_EQ(steps[1].toObject(),
            (QJsonObject{{"nombre", "1"}, {"montant", "1433.76"}, {"assurance", "0.00"}}));
  const QJsonObject last = json.value(QStringLiteral("flux")).toArray().last().toObject();
  EXPECT_EQ(last.value(QStringLiteral("capital_restant")).toString(), QStringLiteral("0.00"));
  EXPECT_EQ(json.value(QStringLiteral("taeg")).toString(), QStringLiteral("6.434430"));
}

}  // namespace
}  // namespace kalmoris
