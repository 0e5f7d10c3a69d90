#include "amortization/core/schedule_report.h"

#include "core/numbers.h"
#include "testing/recording_document.h"
#include "tests/amortization/loan_inputs.h"
#include "tests/core/failure_expectations.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace kalmoris {
namespace {

using testing::DocumentEvent;
using testing::DocumentRecord;
using testing::FrancsLoan;
using testing::LoanInputs;
using testing::PrintTo;
using testing::RecordingDocument;

const ReportTexts kFrancsTexts{QStringLiteral("6,0000"), QStringLiteral("12"),
                               QStringLiteral("240"), QStringLiteral("  0,50000000 %"),
                               QStringLiteral("6,1678 %")};

struct Report {
  DocumentRecord record;
  PageGeometry geometry;

  // Where a position in millimetres lands, in dots.
  int xDots(int mm) const {
    return mm * geometry.dotsPerCmAcross / 10 + 2 * geometry.dotsPerCmAcross;
  }
  int yDots(int mm) const { return mm * geometry.dotsPerCmDown / 10 + 2 * geometry.dotsPerCmDown; }

  const DocumentEvent* find(const QString& text) const {
    for (const DocumentEvent& event : record.events)
      if (event.kind == DocumentEvent::Kind::Draw && event.text == text) return &event;
    return nullptr;
  }
  // The instalment numbers drawn in the first column, page by page.
  std::vector<QStringList> numbersByPage() const {
    std::vector<QStringList> pages(record.pageCount());
    for (const DocumentEvent& event : record.draws())
      if (event.x == xDots(0) && event.text != QStringLiteral("NUM:"))
        pages[event.page].append(event.text.trimmed());
    return pages;
  }
};

Report Print(const ScheduleInputs& inputs, MoneyUnit currency, ReportRange range,
             const ReportTexts& texts = kFrancsTexts,
             PrintableArea area = RecordingDocument::defaultArea(), PageFont font = {}) {
  auto record = std::make_shared<DocumentRecord>();
  RecordingDocument document(record, area);
  const PageGeometry geometry = MeasurePrinter(area);
  PlacedPage page(document, font, geometry);
  DrawScheduleReport(page, inputs, texts, currency, range);
  page.close();
  return {*record, geometry};
}

ReportRange Whole(const ScheduleInputs& inputs) {
  return {1, inputs.total};
}

QStringList Numbers(int first, int last) {
  QStringList numbers;
  for (int k = first; k <= last; ++k) numbers.append(QString::number(k));
  return numbers;
}

TEST(PadColumn, AlignsFourToElevenCharactersAndLeavesTheOthers) {
  EXPECT_EQ(PadColumn(QStringLiteral("0,00")), QStringLiteral("       0,00 :"));
  EXPECT_EQ(PadColumn(QStringLiteral("716,43")), QStringLiteral("     716,43 :"));
  EXPECT_EQ(PadColumn(QStringLiteral("12345678,90")), QStringLiteral("12345678,90 :"));
  EXPECT_EQ(PadColumn(QStringLiteral("123456789,50")), QStringLiteral("123456789,50"));
  EXPECT_EQ(PadColumn(QStringLiteral("0,5")), QStringLiteral("0,5"));
  EXPECT_EQ(PadColumn(QString()), QString());
}

TEST(ScheduleReport, FrancsReportLinesOfTheFirstPage) {
  const Report report = Print(FrancsLoan(), MoneyUnit::Francs, Whole(FrancsLoan()));
  const QStringList expected = {
      " Edition du TABLEAU d'AMORTISSEMENT en FRANCS.",
      "Au vu des indications suivantes:",
      ":...Montant du CAPITAL  : 100000,00 Francs.",
      ":...TAUX ANNUEL exprimé en TAUX PROPORTIONNEL.",
      ":...TAUX du PRET: 6,0000 %.",
      ":...Nb. Echéances par an: 12",
      ":...Nb. Total Echéances : 240",
      "=>.....Le TAUX de Période est de          :   0,50000000 %",
      "=>.....(Le TAUX ANNUEL ACTUARIEL équivalent est de: 6,1678 %)",
      "=>.....Le MONTANT D'UNE ECHEANCE est de: 716,43",
      "     TABLEAU D'AMORTISSEMENT.",
      "NUM:   Date   :  Echéance  :  Interêts  : Amortissmnt: Capital du :",
      "  100000,00 :",
      "  1 03/2002 :     716,43 :     500,00 :     216,43 :   99783,57 :",
      "  2 04/2002 :     716,43 :     498,92 :     217,51 :   99566,06 :",
  };
  EXPECT_EQ(report.record.linesOfPage(0).mid(0, expected.size()), expected);
  EXPECT_TRUE(report.record.finished);
}

TEST(ScheduleReport, EurosReportOfAFrancsLoanTakesTheEuroCapitalAndInstalment) {
  const QStringList lines =
      Print(FrancsLoan(), MoneyUnit::Euros, Whole(FrancsLoan())).record.linesOfPage(0);
  EXPECT_EQ(lines[0], QStringLiteral(" Edition du TABLEAU d'AMORTISSEMENT en EUROS."));
  EXPECT_EQ(lines[2], QStringLiteral(":...Montant du CAPITAL  : 15244,90 Euros."));
  EXPECT_EQ(lines[9], QStringLiteral("=>.....Le MONTANT D'UNE ECHEANCE est de: 109,22"));
  EXPECT_EQ(lines[12], QStringLiteral("   15244,90 :"));
  EXPECT_EQ(lines[13],
            QStringLiteral("  1 03/2002 :     109,22 :      76,22 :      32,99 :   15211,91 :"));
}

struct AmountsCase {
  const char* name;
  MoneyUnit typed;
  MoneyUnit report;
  const char* capital;
  const char* instalment;
};

class ReportAmountsTable : public ::testing::TestWithParam<AmountsCase> {};

TEST_P(ReportAmountsTable, TakeTheTypedAmountsOnlyInTheirOwnCurrency) {
  const ScheduleInputs inputs =
      LoanInputs(GetParam().typed, RateKind::Proportional, 100000, 6, 12, 240);
  const ReportAmounts amounts = AmountsIn(inputs, GetParam().report);
  EXPECT_EQ(FormatFixed(amounts.capital, 10, 2), QString::fromUtf8(GetParam().capital));
  EXPECT_EQ(FormatFixed(amounts.instalment, 10, 2), QString::fromUtf8(GetParam().instalment));
}

INSTANTIATE_TEST_SUITE_P(Currencies, ReportAmountsTable,
                         ::testing::Values(AmountsCase{"FrancsLoanInFrancs", MoneyUnit::Francs,
                                                       MoneyUnit::Francs, "100000,00", "716,43"},
                                           AmountsCase{"FrancsLoanInEuros", MoneyUnit::Francs,
                                                       MoneyUnit::Euros, "15244,90", "109,22"},
                                           AmountsCase{"EurosLoanInEuros", MoneyUnit::Euros,
                                                       MoneyUnit::Euros, "100000,00", "716,43"},
                                           AmountsCase{"EurosLoanInFrancs", MoneyUnit::Euros,
                                                       MoneyUnit::Francs, "655957,00", "4699,48"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ScheduleReport, ActuarialKindNamesItsRateAndTheProportionalEquivalent) {
  const ScheduleInputs inputs =
      LoanInputs(MoneyUnit::Francs, RateKind::Actuarial, 100000, 6, 12, 240, 3, 2002);
  ReportTexts texts = kFrancsTexts;
  texts.periodRate = QStringLiteral("  0,48675506 %");
  texts.equivalentRate = QStringLiteral("5,8411 %");
  const QStringList lines = Print(inputs, MoneyUnit::Francs, Whole(inputs), texts).record.lines();
  EXPECT_EQ(lines[3], QStringLiteral(":...TAUX ANNUEL exprimé en TAUX ACTUARIEL."));
  EXPECT_EQ(
      lines[8],
      QStringLiteral(" =>.....(Le TAUX ANNUEL PROPORTIONNEL équivalent est de    : 5,8411 %)"));
  EXPECT_EQ(lines[9], QStringLiteral("=>.....Le MONTANT D'UNE ECHEANCE est de: 707,29"));
}

struct Placement {
  const char* text;
  int xMm;
  int yMm;
  int points;
  bool bold;
  bool italic;
};

class ReportPlacement : public ::testing::TestWithParam<Placement> {};

TEST_P(ReportPlacement, DrawsEachTextAtItsPositionInItsFont) {
  const Report report = Print(FrancsLoan(), MoneyUnit::Francs, Whole(FrancsLoan()));
  const Placement& row = GetParam();
  const DocumentEvent* drawn = report.find(QString::fromUtf8(row.text));
  ASSERT_TRUE(drawn);
  EXPECT_EQ(drawn->page, 0);
  EXPECT_EQ(drawn->x, report.xDots(row.xMm));
  EXPECT_EQ(drawn->y, report.yDots(row.yMm));
  EXPECT_EQ(drawn->font.name, QStringLiteral("Courier New"));
  EXPECT_EQ(drawn->font.unit, PageFont::SizeUnit::Points);
  EXPECT_EQ(drawn->font.size, row.points);
  EXPECT_EQ(drawn->font.bold, row.bold);
  EXPECT_EQ(drawn->font.italic, row.italic);
}

INSTANTIATE_TEST_SUITE_P(
    TitleBlockAndFirstRow, ReportPlacement,
    ::testing::Values(
        Placement{" Edition du TABLEAU d'AMORTISSEMENT en FRANCS.", 10, 10, 16, true, false},
        Placement{"Au vu des indications suivantes:", 20, 18, 12, false, true},
        Placement{":...Montant du CAPITAL  : 100000,00 Francs.", 20, 24, 10, false, false},
        Placement{":...TAUX ANNUEL exprimé en TAUX PROPORTIONNEL.", 20, 28, 10, false, false},
        Placement{":...TAUX du PRET: 6,0000 %.", 20, 32, 10, false, false},
        Placement{":...Nb. Echéances par an: 12", 20, 36, 10, false, false},
        Placement{":...Nb. Total Echéances : 240", 20, 40, 10, false, false},
        Placement{"=>.....Le TAUX de Période est de          :   0,50000000 %", 20, 44, 10, false,
                  false},
        Placement{"=>.....(Le TAUX ANNUEL ACTUARIEL équivalent est de: 6,1678 %)", 20, 48, 8, false,
                  false},
        Placement{"=>.....Le MONTANT D'UNE ECHEANCE est de: 716,43", 20, 52, 10, false, false},
        Placement{"     TABLEAU D'AMORTISSEMENT.", 20, 60, 12, false, false},
        Placement{"NUM:", 0, 68, 10, false, false},
        Placement{"   Date   :", 10, 68, 10, false, false},
        Placement{"  Echéance  :", 30, 68, 10, false, false},
        Placement{"  Interêts  :", 60, 68, 10, false, false},
        Placement{" Amortissmnt:", 90, 68, 10, false, false},
        Placement{" Capital du :", 120, 68, 10, false, false},
        Placement{"  100000,00 :", 120, 72, 10, false, false},
        Placement{"  1", 0, 76, 10, false, false},
        Placement{" 03/2002 :", 10, 76, 10, false, false},
        Placement{"   99783,57 :", 120, 76, 10, false, false}));

TEST(ScheduleReport, KeepsThePageFontAttributesItDoesNotSet) {
  PageFont previous;
  previous.color = 0x0000FF;
  const Report report = Print(FrancsLoan(), MoneyUnit::Francs, {1, 3}, kFrancsTexts,
                              RecordingDocument::defaultArea(), previous);
  for (const DocumentEvent& event : report.record.draws()) EXPECT_EQ(event.font.color, 0x0000FFu);
}

TEST(ScheduleReport, FullTableOf240RunsToFivePages) {
  const Report report = Print(FrancsLoan(), MoneyUnit::Francs, Whole(FrancsLoan()));
  const std::vector<QStringList> pages = report.numbersByPage();
  ASSERT_EQ(pages.size(), 5u);
  EXPECT_EQ(pages[0], Numbers(1, 44));
  EXPECT_EQ(pages[1], Numbers(45, 105));
  EXPECT_EQ(pages[2], Numbers(106, 166));
  EXPECT_EQ(pages[3], Numbers(167, 227));
  EXPECT_EQ(pages[4], Numbers(228, 240));

  // Rows at 76 to 248 on the first page; the header at 0 and rows at 8 to 248 on the others.
  EXPECT_EQ(report.find(QStringLiteral(" 44"))->y, report.yDots(248));
  for (const DocumentEvent& event : report.record.draws()) {
    if (event.page == 0 || event.text != QStringLiteral("NUM:")) continue;
    EXPECT_EQ(event.y, report.yDots(0));
  }
  EXPECT_EQ(report.find(QStringLiteral(" 45"))->y, report.yDots(8));
  EXPECT_EQ(report.find(QStringLiteral("105"))->y, report.yDots(248));

  const QStringList last = report.record.linesOfPage(4);
  EXPECT_EQ(last.front(),
            QStringLiteral("NUM:   Date   :  Echéance  :  Interêts  : Amortissmnt: Capital du :"));
  EXPECT_TRUE(
      last[13].startsWith(QStringLiteral("240 02/2022 :     716,43 :       3,56 :     712,87 :")))
      << last[13].toStdString();
  EXPECT_EQ(last[14], QStringLiteral("   71943,45 :  100000,00 :"));
  EXPECT_EQ(last[15], QStringLiteral("    Z.Q. .....1 Euro = 6.55957 Francs."));
  EXPECT_EQ(report.find(QStringLiteral("   71943,45 :"))->x, report.xDots(60));
  EXPECT_EQ(report.find(QStringLiteral("   71943,45 :"))->y, report.yDots(60));
  EXPECT_EQ(report.find(QStringLiteral("    Z.Q. .....1 Euro = 6.55957 Francs."))->y,
            report.yDots(68));
}

struct RangeCase {
  const char* name;
  ReportRange range;
  int firstPrinted;  // 0 when no row is printed
  int lastPrinted;
  int summedTo;  // the totals cover instalments 1 to this one
};

class ReportRangeTable : public ::testing::TestWithParam<RangeCase> {};

TEST_P(ReportRangeTable, PrintsTheRowsOfTheRangeAndSumsFromTheFirstInstalment) {
  const RangeCase& row = GetParam();
  const ScheduleInputs inputs = FrancsLoan();
  const Report report = Print(inputs, MoneyUnit::Francs, row.range);
  QStringList printed;
  for (const QStringList& page : report.numbersByPage()) printed += page;
  EXPECT_EQ(printed, row.firstPrinted ? Numbers(row.firstPrinted, row.lastPrinted) : QStringList());

  DatedSchedule schedule;
  ComputeSchedule(inputs, schedule);
  Real interest = 0;
  Real principal = 0;
  for (int k = 0; k < row.summedTo; ++k) {
    interest += schedule.typed.rows[k].interest;
    principal += schedule.typed.rows[k].principal;
  }
  const QStringList lines = report.record.lines();
  EXPECT_EQ(lines[lines.size() - 2],
            PadColumn(FormatFixed(interest, 10, 2)) + PadColumn(FormatFixed(principal, 10, 2)));
  EXPECT_EQ(lines.last(), QStringLiteral("    Z.Q. .....1 Euro = 6.55957 Francs."));
  EXPECT_EQ(lines[2], QStringLiteral(":...Montant du CAPITAL  : 100000,00 Francs."));
  EXPECT_EQ(lines[12], QStringLiteral("  100000,00 :"));
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, ReportRangeTable,
    ::testing::Values(RangeCase{"TwentyFiveToThirty", {25, 30}, 25, 30, 30},
                      RangeCase{
                          "StartAfterEndPrintsNoRowAndSumsBeforeTheStart", {30, 25}, 0, 0, 29},
                      RangeCase{"StartAfterTheLastSumsEveryInstalment", {300, 400}, 0, 0, 240},
                      RangeCase{"EndAfterTheLastRunsToTheLast", {230, 500}, 230, 240, 240},
                      RangeCase{"StartBeforeTheFirstPrintsFromTheFirst", {-5, 3}, 1, 3, 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScheduleReport, RangeRowsCarryTheirOwnDates) {
  const QStringList lines = Print(FrancsLoan(), MoneyUnit::Francs, {25, 30}).record.lines();
  EXPECT_TRUE(lines[13].startsWith(QStringLiteral(" 25 03/2004 :")));
  EXPECT_TRUE(lines[18].startsWith(QStringLiteral(" 30 08/2004 :")));
}

TEST(ScheduleReport, WithoutADateEveryRowReadsStars) {
  const Report report = Print(FrancsLoan(0, 2002), MoneyUnit::Francs, {1, 50});
  int dated = 0;
  for (const DocumentEvent& event : report.record.draws()) {
    // The date column, without the title, the header rows and the closing line.
    const QStringList others = {QStringLiteral(" Edition du TABLEAU d'AMORTISSEMENT en FRANCS."),
                                QStringLiteral("   Date   :"),
                                QStringLiteral("    Z.Q. .....1 Euro = 6.55957 Francs.")};
    if (event.x != report.xDots(10) || others.contains(event.text)) continue;
    EXPECT_EQ(event.text, QStringLiteral(" ****** :"));
    ++dated;
  }
  EXPECT_EQ(dated, 50);
}

// With 42 rows the totals end the first page at 244 mm and the closing line moves to the top
// of the next; with 44 the rows fill the first page and the totals follow the header row.
TEST(ScheduleReport, TotalsAndClosingLineBreakPagesLikeTheRows) {
  const ScheduleInputs fortyTwo =
      LoanInputs(MoneyUnit::Francs, RateKind::Proportional, 100000, 6, 12, 42, 3, 2002);
  const Report first = Print(fortyTwo, MoneyUnit::Francs, Whole(fortyTwo));
  ASSERT_EQ(first.record.pageCount(), 2);
  const DocumentEvent* closing =
      first.find(QStringLiteral("    Z.Q. .....1 Euro = 6.55957 Francs."));
  EXPECT_EQ(closing->page, 1);
  EXPECT_EQ(closing->y, first.yDots(0));
  EXPECT_EQ(first.record.linesOfPage(1).size(), 1);

  const ScheduleInputs fortyFour =
      LoanInputs(MoneyUnit::Francs, RateKind::Proportional, 100000, 6, 12, 44, 3, 2002);
  const QStringList second =
      Print(fortyFour, MoneyUnit::Francs, Whole(fortyFour)).record.linesOfPage(1);
  ASSERT_EQ(second.size(), 3);
  EXPECT_TRUE(second[0].startsWith(QStringLiteral("NUM:")));
  EXPECT_EQ(second[2], QStringLiteral("    Z.Q. .....1 Euro = 6.55957 Francs."));
}

class ReportGeometry : public ::testing::TestWithParam<PrintableArea> {};

// The same millimetres on printers of other resolutions: the dots follow the measured page.
TEST_P(ReportGeometry, PlacesTheMillimetresOnTheMeasuredPage) {
  const PrintableArea area = GetParam();
  const Report report = Print(FrancsLoan(), MoneyUnit::Francs, {1, 1}, kFrancsTexts, area);
  const int across = area.widthDots / (area.widthMm / 10);
  const int down = area.heightDots / (area.heightMm / 10);
  const DocumentEvent* title =
      report.find(QStringLiteral(" Edition du TABLEAU d'AMORTISSEMENT en FRANCS."));
  EXPECT_EQ(title->x, 10 * across / 10 + 2 * across);
  EXPECT_EQ(title->y, 10 * down / 10 + 2 * down);
  const DocumentEvent* remaining = report.find(QStringLiteral("   99783,57 :"));
  EXPECT_EQ(remaining->x, 120 * across / 10 + 2 * across);
  EXPECT_EQ(remaining->y, 76 * down / 10 + 2 * down);
}

INSTANTIATE_TEST_SUITE_P(Printers, ReportGeometry,
                         ::testing::Values(PrintableArea{4800, 6600, 203, 279},
                                           PrintableArea{2400, 3300, 203, 279},
                                           PrintableArea{4760, 6814, 201, 288}));

}  // namespace
}  // namespace kalmoris
