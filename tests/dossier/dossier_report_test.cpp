#include "dossier/core/dossier_report.h"

#include "dossier/core/grid_calculation.h"
#include "dossier/core/header_validation.h"
#include "dossier/core/worked_examples.h"
#include "testing/recording_document.h"
#include "tests/core/failure_expectations.h"
#include "tests/dossier/dossier_samples.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <memory>

namespace kalmoris {
namespace {

using testing::DocumentEvent;
using testing::DocumentRecord;
using testing::FailsWith;
using testing::PrintTo;
using testing::RecordingDocument;

QString text(const char* utf8) {
  return QString::fromUtf8(utf8);
}

// The report of a view, printed on a recording document with the given starting font.
struct PrintedReport {
  std::shared_ptr<DocumentRecord> record = std::make_shared<DocumentRecord>();
  PageFont font;

  void print(const DossierView& view, int groupCount) {
    RecordingDocument document(record);
    PrinterTextStream stream(document, font);
    writeDossierReport(stream, view, groupCount);
    stream.close();
  }
  QStringList lines() const { return record->lines(); }
  const DocumentEvent& drawOf(const QString& start) const {
    static const DocumentEvent none;
    for (const DocumentEvent& event : record->events)
      if (event.kind == DocumentEvent::Kind::Draw && event.text.startsWith(start)) return event;
    ADD_FAILURE() << "nothing drawn starting with " << start.toStdString();
    return none;
  }
};

HeadlessDossierView calculatedExample(int number, LoanDossier& dossier) {
  HeadlessDossierView view;
  fillWorkedExample(workedExample(number), dossier, view);
  validateHeader(dossier, view);
  calculateDossier(dossier, view);
  return view;
}

TEST(DossierReport, CalculatedExampleIsPrintedLineByLine) {
  LoanDossier dossier;
  const HeadlessDossierView view = calculatedExample(1, dossier);
  PrintedReport report;
  report.print(view, dossier.blockCount);
  const QStringList expected = {
      "            ",
      "            ",
      "    VERIFICATION DE PRET:",
      "    ",
      "            DOSSIER: G. RORAVOR_ORIDORER_EDARAZ",
      text("            Les sommes sont indiquées en Unités Monétaires, -Um.- (Francs ou Euros "
           "au choix)    "),
      "    ",
      "    ***** CARACTERISTIQUES *****",
      text("    Montant du Prêt:  200000,00 Um."),
      text("    Nombre total de REMBOURSEMENTS:  180, à raison de:  12 par AN."),
      text("    Taux Effectif Global annoncé:  12,00 %"),
      "    ",
      "    ***** DETAIL des FRAIS *****",
      "    frais notariaux---------------       7116,00 Um.",
      "    frais de dossier--------------       2000,00 Um.",
      text("         néant--------------------          0,00 Um."),
      "    TOTAL des FRAIS---------------       9116,00 Um.",
      "    ",
      "    NOMBRE de BLOCS DE SAISIE:  2",
      "    ",
      text("    ***** DETAIL DES MOUVEMENTS MONETAIRES: valeurs en Unités Monétaires. *****"),
      "      BLOC     VERSEMENTS        NB VERS. ASSURANCE       FRAIS     CUMUL 2+4+5",
      "        1      -200000,00              1       0,00     9116,00      -190884,00",
      "        2         2304,69            180      89,00        0,00         2393,69",
      "    ",
      "    ***** TAUX NOMINAL ou MOYEN *****",
      "         de PERIODE = 0,0093750052",
      "         ANNUEL: PROPORTIONNEL = 11,2500 %   ACTUARIEL = 11,8486 %",
      "    ",
      "    ***** TAUX EFFECTIF GLOBAL *****",
      "         de PERIODE = 0,0106907204",
      "         ANNUEL: PROPORTIONNEL = 12,8289 %   ACTUARIEL = 13,6107 %",
      "    ",
      "    ***** COUT ASSURANCE: 16020,00 Um.",
      "    ***** COUT DU PRET  : 239980,20 Um.",
      "    ",
      "    ***** CONTROLE DU TEG ANNONCE *****",
      text("    Taux Effectif Global annoncé: 12,00 %"),
      text("         PROPORTIONNEL: écart -0,8289 point, minoré, inexact à la décimale."),
      text("         ACTUARIEL: écart -1,6107 point, minoré, inexact à la décimale."),
      "    TAUX ANNUEL EFFECTIF DE L'ASSURANCE:",
      "         PROPORTIONNEL = 0,7170 point   ACTUARIEL = 0,8033 point"};
  EXPECT_EQ(report.lines(), expected);
  EXPECT_TRUE(report.record->finished);
  for (int line = 13; line <= 16; ++line)
    EXPECT_EQ(expected[line].indexOf(" Um."), 48) << "the amount of line " << line;
}

// The block after the costs carries the lines of the strip "CONTROLE DE L'OFFRE": with no
// nature, the verdict on each TEG as before, then a refused entry's reason; with one, the
// strip's four lines.
TEST(DossierReport, OfferControlBlockCarriesTheStripsLines) {
  const auto blockOf = [](const char* nature, const char* threshold) {
    HeadlessDossierView view = testing::typedCommissionExample();
    LoanDossier dossier;
    validateHeader(dossier, view);
    view.writeText(DossierText::Nature, text(nature));
    view.writeText(DossierText::OfferDate, "15/01/2026");
    view.writeText(DossierText::UsuryThreshold, text(threshold));
    calculateDossier(dossier, view);
    PrintedReport report;
    report.print(view, dossier.blockCount);
    const QStringList lines = report.lines();
    return lines.mid(lines.indexOf("    ***** CONTROLE DU TEG ANNONCE *****"));
  };
  const QStringList insurance = {
      "    TAUX ANNUEL EFFECTIF DE L'ASSURANCE:",
      "         PROPORTIONNEL = 0,0000 point   ACTUARIEL = 0,0000 point"};
  EXPECT_EQ(blockOf("", "cinq"),
            QStringList({"    ***** CONTROLE DU TEG ANNONCE *****",
                         text("    Taux Effectif Global annoncé: 6,40 %"),
                         text("         PROPORTIONNEL: écart +0,1479 point, majoré, inexact à la "
                              "décimale."),
                         text("         ACTUARIEL: écart -0,0344 point, minoré, exact à la "
                              "décimale."),
                         "    'cinq' n'est pas un seuil en % (par ex. 5,13)."}) +
                insurance);
  EXPECT_EQ(blockOf("Immobilier", "5,13"),
            QStringList({"    ***** CONTROLE DU TEG ANNONCE *****",
                         text("    TAEG (actuariel) : minoré de 0,0344 point, exact à la décimale"),
                         text("    pour information : TEG (proportionnel) 6,2521 %, majoré de "
                              "0,1479 point"),
                         text("    Catégorie de l'usure : immobilier à taux fixe, 20 ans et plus "
                              "(taux variable et prêt relais : autres seuils)"),
                         text("    TAEG 6,4344 % : au-dessus du seuil de l'usure (5,13 %) de "
                              "1,3044 point")}) +
                insurance);
}

TEST(DossierReport, FontsFollowTheReportTable) {
  LoanDossier dossier;
  const HeadlessDossierView view = calculatedExample(1, dossier);
  PrintedReport report;
  report.font.name = QStringLiteral("Courier New");
  report.font.setSizePoints(10);
  report.font.bold = true;
  report.print(view, dossier.blockCount);

  const DocumentEvent opening = report.record->draws().front();
  EXPECT_EQ(opening.font.name, "Courier New") << "the first lines keep the previous font";
  const PageFont title = report.drawOf("    VERIFICATION").font;
  EXPECT_EQ(title.name, "ARIAL");
  EXPECT_EQ(title.unit, PageFont::SizeUnit::Dots);
  EXPECT_EQ(title.size, 100);
  EXPECT_EQ(title.color, 0x000000u);
  EXPECT_TRUE(title.bold) << "the report leaves the style as it found it";
  const PageFont borrower = report.drawOf("G. RORAVOR").font;
  EXPECT_EQ(borrower.name, "ARIAL");
  EXPECT_EQ(borrower.unit, PageFont::SizeUnit::Points);
  EXPECT_EQ(borrower.size, 14);
  const PageFont sentence = report.drawOf("            Les sommes").font;
  EXPECT_EQ(sentence.name, "ARIAL");
  EXPECT_EQ(sentence.size, 10);
  for (const char* start : {"    ***** CARACTERISTIQUES", "    frais notariaux", "        2 ",
                            "    ***** COUT DU PRET"}) {
    EXPECT_EQ(report.drawOf(start).font.name, "COURIER NEW") << start;
    EXPECT_EQ(report.drawOf(start).font.size, 10) << start;
  }
  EXPECT_EQ(report.font.name, "COURIER NEW") << "the next report starts with this font";
}

TEST(DossierReport, ShiftedDossierPrintsTheNominalRateAsNotComputable) {
  LoanDossier dossier;
  const HeadlessDossierView view = calculatedExample(3, dossier);
  PrintedReport report;
  report.print(view, dossier.blockCount);
  const QStringList lines = report.lines();
  const qsizetype heading = lines.indexOf("    ***** TAUX NOMINAL ou MOYEN *****");
  ASSERT_GE(heading, 0);
  EXPECT_EQ(lines[heading + 1], "    TAUX NOMINAL NON CALCULABLE...");
  EXPECT_EQ(lines[heading + 2], "    ");
  EXPECT_EQ(lines[heading + 4], "         de PERIODE = " + view.text(DossierText::TegPeriod));
  EXPECT_EQ(lines.filter(QRegularExpression("^ {4}[ 0-9]{4}[0-9] ")).size(), 27);
}

TEST(DossierReport, NeverValidatedDossierStopsAfterTheFeesHeading) {
  const HeadlessDossierView fresh;
  PrintedReport report;
  EXPECT_TRUE(FailsWith<ConversionFailure>([&] { report.print(fresh, 2); },
                                           "'' n'est pas une valeur flottante correcte"));
  EXPECT_TRUE(report.record->finished) << "the lines written are printed";
  const QStringList lines = report.lines();
  ASSERT_EQ(lines.size(), 13);
  EXPECT_EQ(lines[4], "            DOSSIER: ");
  EXPECT_EQ(lines[8], text("    Montant du Prêt:  Um."));
  EXPECT_EQ(lines.last(), "    ***** DETAIL des FRAIS *****");
}

TEST(DossierReport, ValidatedButNotCalculatedPrintsEmptyPlaces) {
  HeadlessDossierView view = testing::typedLoanHeader();
  testing::typeLoanGrid(view);
  LoanDossier dossier;
  validateHeader(dossier, view);
  PrintedReport report;
  report.print(view, dossier.blockCount);
  const QStringList lines = report.lines();
  EXPECT_TRUE(lines.contains("         de PERIODE = "));
  EXPECT_TRUE(lines.contains("    ***** COUT DU PRET  :  Um."));
  EXPECT_TRUE(lines.contains(
      "        2         2304.69            180         89                            "));
}

TEST(DossierReport, LongDossierBreaksItsPages) {
  HeadlessDossierView view = testing::typedLoanHeader();
  view.writeField(HeaderField::BlockCount, "300");
  LoanDossier dossier;
  validateHeader(dossier, view);
  PrintedReport report;
  report.print(view, dossier.blockCount);
  EXPECT_EQ(report.lines().filter(QRegularExpression("^ {4}[ 0-9]{4}[0-9] {70}$")).size(), 300);
  EXPECT_GT(report.record->pageCount(), 1);
}

struct AmountCase {
  const char* name;
  const char* label;
  const char* text;
  int width;
  const char* line;
};

class AmountLineLayout : public ::testing::TestWithParam<AmountCase> {};

TEST_P(AmountLineLayout, FillsWithDashesAndSpaces) {
  const AmountCase& row = GetParam();
  EXPECT_EQ(AmountLine(text(row.label), text(row.text), row.width), text(row.line));
}

INSTANTIATE_TEST_SUITE_P(
    Fees, AmountLineLayout,
    ::testing::Values(
        AmountCase{"ValidatedFee", "frais notariaux", " 7116,00", 15,
                   "    frais notariaux---------------       7116,00 Um."},
        AmountCase{"TotalWithoutLeadingSpace", "TOTAL des FRAIS", "9116,00", 14,
                   "    TOTAL des FRAIS---------------       9116,00 Um."},
        AmountCase{"SpacesCountedFromTheShownText", "f", "  7", 15,
                   "    f-----------------------------            7,00 Um."},
        AmountCase{"LabelOfThirtyGetsNoDash", "123456789012345678901234567890", " 1,00", 15,
                   "    123456789012345678901234567890          1,00 Um."},
        AmountCase{"LabelCutToFifty", "12345678901234567890123456789012345678901234567890XYZ", " 1",
                   15,
                   "    12345678901234567890123456789012345678901234567890             1,00 Um."},
        AmountCase{"LongTextGetsNoSpace", "f", "        1234567,891", 15,
                   "    f-----------------------------1234567,89 Um."},
        AmountCase{"NegativeFee", "remise", " -50,00", 15,
                   "    remise------------------------        -50,00 Um."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AmountLine, TextsTheConversionRefusesStopTheLine) {
  EXPECT_TRUE(FailsWith<ConversionFailure>([] { AmountLine("f", "12.5", 15); },
                                           "'12.5' n'est pas une valeur flottante correcte"));
  EXPECT_TRUE(FailsWith<ConversionFailure>([] { AmountLine("f", "", 15); },
                                           "'' n'est pas une valeur flottante correcte"));
}

TEST(GridLine, CellsAreRightAlignedAndLongOnesPushTheRest) {
  EXPECT_EQ(gridLine({"1", " -200000,00", " 1", " 0,00", " 9116,00", " -190884,00"}),
            "        1      -200000,00              1       0,00     9116,00      -190884,00");
  EXPECT_EQ(gridLine({"123456", "", "", "", "", "x"}),
            "    123456                                                                     x");
}

}  // namespace
}  // namespace kalmoris
