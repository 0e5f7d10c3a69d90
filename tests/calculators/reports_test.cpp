// The four quick-calculator reports, line by line and font by font, on a recording page.
#include "calculators/core/capital_report.h"
#include "calculators/core/deposits_report.h"
#include "calculators/core/instalment_report.h"
#include "calculators/core/nominal_rate_report.h"
#include "core/printer_text_stream.h"
#include "testing/recording_document.h"
#include "tests/calculators/printed_lines.h"
#include "tests/core/failure_expectations.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kalmoris {
namespace {

using testing::courierAfterUnusual;
using testing::DocumentRecord;
using testing::PrintedLine;
using testing::printedLines;
using testing::PrintTo;
using testing::quickReportLineFont;
using testing::RecordingDocument;
using testing::unusualPageFont;

struct ReportCase {
  const char* name;
  std::function<void(PrinterTextStream&)> write;
  std::vector<const char*> lines;
};

class QuickReport : public ::testing::TestWithParam<ReportCase> {};

TEST_P(QuickReport, PrintsItsLinesInTheSkeletonFonts) {
  auto record = std::make_shared<DocumentRecord>();
  RecordingDocument document(record);
  PageFont font = unusualPageFont();
  {
    PrinterTextStream stream(document, font);
    GetParam().write(stream);
  }
  EXPECT_TRUE(record->finished);
  const std::vector<PrintedLine> printed = printedLines(*record);
  const std::vector<const char*>& expected = GetParam().lines;
  ASSERT_EQ(printed.size(), expected.size());
  for (std::size_t k = 0; k < expected.size(); ++k) {
    SCOPED_TRACE("line " + std::to_string(k + 1));
    EXPECT_EQ(printed[k].text, QString::fromUtf8(expected[k]));
    EXPECT_EQ(printed[k].font, quickReportLineFont(k, expected.size(), unusualPageFont()));
  }
  EXPECT_EQ(font, courierAfterUnusual(10, false)) << "the next report starts in this font";
}

NominalRateReportTexts nominalRateShown(MoneyUnit unit) {
  return {unit, "100000,00", "15244,90",    "716,43",   "109,22",
          "12", "240",       "0,4999985 %", "6,0000 %", "6,1678 %"};
}

InstalmentReportTexts instalmentShown(MoneyUnit unit, RateKind kind) {
  InstalmentReportTexts shown;
  shown.unit = unit;
  shown.kind = kind;
  shown.capital = "100000,00";
  shown.otherCapital = "15244,90";
  shown.rate = "6,0000";
  shown.perYear = "12";
  shown.total = "240";
  shown.periodRate = "  0,5000000 %";
  shown.instalment = "716,43";
  shown.instalmentUnit = "Francs";
  shown.otherInstalment = "109,22";
  shown.otherInstalmentUnit = "Euros";
  shown.equivalentRate = "6,1677812 %";
  return shown;
}

CapitalReportTexts capitalShown(MoneyUnit unit, RateKind kind) {
  CapitalReportTexts shown;
  shown.unit = unit;
  shown.kind = kind;
  shown.instalment = "716,43";
  shown.otherInstalment = "4699,47";
  shown.rate = "6,0000";
  shown.perYear = "12";
  shown.total = "240";
  shown.periodRate = "  0,4867551 %";
  shown.capital = "101291,96";
  shown.capitalUnit = "Euros";
  shown.otherCapital = "664431,71";
  shown.otherCapitalUnit = "Francs";
  return shown;
}

INSTANTIATE_TEST_SUITE_P(
    NominalRate, QuickReport,
    ::testing::Values(
        ReportCase{"FrancsPrintBothAmountLines",
                   [](PrinterTextStream& s) {
                     WriteNominalRateReport(s, nominalRateShown(MoneyUnit::Francs));
                   },
                   {"    ", "    ", "  CALCUL D'UN TAUX NOMINAL.", "    ",
                    "    Au vu des indications suivantes:",
                    "    ...Montant du Capital    : 100000,00 Francs ou 15244,90 Euros.",
                    "    ...Montant d'une Echéance: 716,43 Francs ou 109,22 Euros.",
                    "    ...Nb. d'Echéances par an: 12", "    ...Nb. Total d'Echéances : 240", "  ",
                    "    .....Le TAUX de Période est de          : 0,4999985 %",
                    "    .....Le TAUX ANNUEL PROPORTIONNEL est de: 6,0000 %",
                    "    .....Le TAUX ANNUEL ACTUARIEL est de    : 6,1678 %", "  ",
                    "    Z.Q. .....1 Euro = 6.55957 Francs."}},
        ReportCase{"EurosNameTheTypedAmountsInEuros",
                   [](PrinterTextStream& s) {
                     WriteNominalRateReport(s, nominalRateShown(MoneyUnit::Euros));
                   },
                   {"    ", "    ", "  CALCUL D'UN TAUX NOMINAL.", "    ",
                    "    Au vu des indications suivantes:",
                    "    ...Montant du Capital    : 100000,00 Euros ou 15244,90 Francs.",
                    "    ...Montant d'une Echéance: 716,43 Euros ou 109,22 Francs.",
                    "    ...Nb. d'Echéances par an: 12", "    ...Nb. Total d'Echéances : 240", "  ",
                    "    .....Le TAUX de Période est de          : 0,4999985 %",
                    "    .....Le TAUX ANNUEL PROPORTIONNEL est de: 6,0000 %",
                    "    .....Le TAUX ANNUEL ACTUARIEL est de    : 6,1678 %", "  ",
                    "    Z.Q. .....1 Euro = 6.55957 Francs."}},
        ReportCase{"NoCurrencyGoesFromTheIntroductionToTheCounts",
                   [](PrinterTextStream& s) {
                     WriteNominalRateReport(s, nominalRateShown(MoneyUnit::None));
                   },
                   {"    ", "    ", "  CALCUL D'UN TAUX NOMINAL.", "    ",
                    "    Au vu des indications suivantes:", "    ...Nb. d'Echéances par an: 12",
                    "    ...Nb. Total d'Echéances : 240", "  ",
                    "    .....Le TAUX de Période est de          : 0,4999985 %",
                    "    .....Le TAUX ANNUEL PROPORTIONNEL est de: 6,0000 %",
                    "    .....Le TAUX ANNUEL ACTUARIEL est de    : 6,1678 %", "  ",
                    "    Z.Q. .....1 Euro = 6.55957 Francs."}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Instalment, QuickReport,
    ::testing::Values(
        ReportCase{"ProportionalFrancs",
                   [](PrinterTextStream& s) {
                     WriteInstalmentReport(
                         s, instalmentShown(MoneyUnit::Francs, RateKind::Proportional));
                   },
                   {"    ", "    ", "  CALCUL D'UNE ECHEANCE.", "    ",
                    "    Au vu des indications suivantes:",
                    "    ...Montant du Capital  : 100000,00 Francs ou 15244,90 Euros.",
                    "    ...Le TAUX ANNUEL est exprimé en TAUX PROPORTIONNEL.",
                    "    ...TAUX du PRET: 6,0000 %.", "    ...Nb. Echéances par an: 12",
                    "    ...Nb. Total Echéances : 240", "  ",
                    "    .....Le TAUX de Période est de          :   0,5000000 %",
                    "    .....Le MONTANT D'UNE ECHEANCE est de: 716,43 Francs",
                    "    ................................ou de: 109,22 Euros", "    .........",
                    "    .....(Le TAUX ANNUEL ACTUARIEL équivalent est de: 6,1677812 %)", "  ",
                    "    Z.Q. .....1 Euro = 6.55957 Francs."}},
        ReportCase{"ActuarialEuros",
                   [](PrinterTextStream& s) {
                     WriteInstalmentReport(s,
                                           instalmentShown(MoneyUnit::Euros, RateKind::Actuarial));
                   },
                   {"    ", "    ", "  CALCUL D'UNE ECHEANCE.", "    ",
                    "    Au vu des indications suivantes:",
                    "    ...Montant du Capital  : 100000,00 Euros ou 15244,90 Francs.",
                    "    ...Le TAUX ANNUEL est exprimé en TAUX ACTUARIEL.",
                    "    ...TAUX du PRET: 6,0000 %.", "    ...Nb. Echéances par an: 12",
                    "    ...Nb. Total Echéances : 240", "  ",
                    "    .....Le TAUX de Période est de          :   0,5000000 %",
                    "    .....Le MONTANT D'UNE ECHEANCE est de: 716,43 Francs",
                    "    ................................ou de: 109,22 Euros", "    .........",
                    "    .....(Le TAUX ANNUEL PROPORTIONNEL équivalent est de    : 6,1677812 %)",
                    "  ", "    Z.Q. .....1 Euro = 6.55957 Francs."}},
        ReportCase{"NoChoicesUseTheProportionalWordingsWithoutTheCapitalLine",
                   [](PrinterTextStream& s) {
                     WriteInstalmentReport(
                         s, instalmentShown(MoneyUnit::None, RateKind::Undetermined));
                   },
                   {"    ", "    ", "  CALCUL D'UNE ECHEANCE.", "    ",
                    "    Au vu des indications suivantes:",
                    "    ...Le TAUX ANNUEL est exprimé en TAUX PROPORTIONNEL.",
                    "    ...TAUX du PRET: 6,0000 %.", "    ...Nb. Echéances par an: 12",
                    "    ...Nb. Total Echéances : 240", "  ",
                    "    .....Le TAUX de Période est de          :   0,5000000 %",
                    "    .....Le MONTANT D'UNE ECHEANCE est de: 716,43 Francs",
                    "    ................................ou de: 109,22 Euros", "    .........",
                    "    .....(Le TAUX ANNUEL ACTUARIEL équivalent est de: 6,1677812 %)", "  ",
                    "    Z.Q. .....1 Euro = 6.55957 Francs."}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Capital, QuickReport,
    ::testing::Values(
        ReportCase{"ActuarialEuros",
                   [](PrinterTextStream& s) {
                     WriteCapitalReport(s, capitalShown(MoneyUnit::Euros, RateKind::Actuarial));
                   },
                   {"    ", "    ", "  CALCUL D'UN CAPITAL.", "    ",
                    "    Au vu des indications suivantes:",
                    "    ...Montant d'une échéance  : 716,43 Euros ou 4699,47 Francs.",
                    "    ...Le TAUX ANNUEL est exprimé en TAUX ACTUARIEL.",
                    "    ...TAUX du PRET: 6,0000 %.", "    ...Nb. Echéances par an: 12",
                    "    ...Nb. Total Echéances : 240", "  ",
                    "    .....Le TAUX de Période est de          :   0,4867551 %",
                    "    .....Le MONTANT DU CAPITAL est de: 101291,96 Euros",
                    "    ................................ou de: 664431,71 Francs", "    .........",
                    "  ", "    Z.Q. .....1 Euro = 6.55957 Francs."}},
        ReportCase{"ProportionalFrancsWording",
                   [](PrinterTextStream& s) {
                     WriteCapitalReport(s, capitalShown(MoneyUnit::Francs, RateKind::Proportional));
                   },
                   {"    ", "    ", "  CALCUL D'UN CAPITAL.", "    ",
                    "    Au vu des indications suivantes:",
                    "    ...Montant d'une échéance  : 716,43 Francs ou 4699,47 Euros.",
                    "    ...Le TAUX ANNUEL est exprimé en TAUX PROPORTIONNEL.",
                    "    ...TAUX du PRET: 6,0000 %.", "    ...Nb. Echéances par an: 12",
                    "    ...Nb. Total Echéances : 240", "  ",
                    "    .....Le TAUX de Période est de          :   0,4867551 %",
                    "    .....Le MONTANT DU CAPITAL est de: 101291,96 Euros",
                    "    ................................ou de: 664431,71 Francs", "    .........",
                    "  ", "    Z.Q. .....1 Euro = 6.55957 Francs."}},
        ReportCase{"NoCurrencyHasNoInstalmentLine",
                   [](PrinterTextStream& s) {
                     WriteCapitalReport(s, capitalShown(MoneyUnit::None, RateKind::Actuarial));
                   },
                   {"    ", "    ", "  CALCUL D'UN CAPITAL.", "    ",
                    "    Au vu des indications suivantes:",
                    "    ...Le TAUX ANNUEL est exprimé en TAUX ACTUARIEL.",
                    "    ...TAUX du PRET: 6,0000 %.", "    ...Nb. Echéances par an: 12",
                    "    ...Nb. Total Echéances : 240", "  ",
                    "    .....Le TAUX de Période est de          :   0,4867551 %",
                    "    .....Le MONTANT DU CAPITAL est de: 101291,96 Euros",
                    "    ................................ou de: 664431,71 Francs", "    .........",
                    "  ", "    Z.Q. .....1 Euro = 6.55957 Francs."}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Deposits, QuickReport,
    ::testing::Values(
        ReportCase{
            "AfterACalculation",
            [](PrinterTextStream& s) {
              WriteDepositsReport(s, {"100,00", "12", "5,0000", "120", "12000,00", "15528,23"});
            },
            {"    ", "    ", "  VALEUR ACQUISE PAR UNE SERIE DE VERSEMENTS.", "    ",
             "     La valeur acquise par une série de:",
             "    ... 120 versements d'un montant unitaire de ",
             "    ... 100,00 Unités Monétaires,", "    ... A raison de 12 versements par an,",
             "    ... Et au TAUX de : 5,0000%", "  ", "    .... Est de 15528,23 Unités Monétaires.",
             "  ", "     Le cumul des sommes versées est de 12000,00 Unités Monétaires.", "  ",
             "    Z.Q. ."}},
        ReportCase{
            "EmptyScreenPrintsTheSkeleton",
            [](PrinterTextStream& s) { WriteDepositsReport(s, {}); },
            {"    ", "    ", "  VALEUR ACQUISE PAR UNE SERIE DE VERSEMENTS.", "    ",
             "     La valeur acquise par une série de:",
             "    ...  versements d'un montant unitaire de ", "    ...  Unités Monétaires,",
             "    ... A raison de  versements par an,", "    ... Et au TAUX de : %", "  ",
             "    .... Est de  Unités Monétaires.", "  ",
             "     Le cumul des sommes versées est de  Unités Monétaires.", "  ", "    Z.Q. ."}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kalmoris
