#include "dossier/core/grid_calculation.h"

#include "dossier/core/dossier_captions.h"
#include "dossier/core/header_validation.h"
#include "dossier/core/teg_verdict.h"
#include "dossier/core/worked_examples.h"
#include "tests/core/failure_expectations.h"
#include "tests/dossier/dossier_samples.h"

#include <gtest/gtest.h>

namespace kalmoris {
namespace {

using testing::FailsWith;
using testing::PrintTo;
using testing::typedLoanHeader;
using testing::typeLoanGrid;
using testing::typeRow;

QString text(const char* utf8) {
  return QString::fromUtf8(utf8);
}

// The typed loan, validated.
struct ValidatedLoan {
  HeadlessDossierView view = typedLoanHeader();
  LoanDossier dossier;
  ValidatedLoan() { validateHeader(dossier, view); }
  void calculate() { calculateDossier(dossier, view); }
};

TEST(GridCalculation, LoanOfTheFirstExampleGivesItsRatesCostsAndNoDiscrepancy) {
  ValidatedLoan loan;
  typeLoanGrid(loan.view);
  loan.calculate();
  const char* grid[3][6] = {{},
                            {"1", " -200000,00", " 1", " 0,00", " 9116,00", " -190884,00"},
                            {"2", " 2304,69", " 180", " 89,00", " 0,00", " 2393,69"}};
  for (int row = 1; row <= 2; ++row)
    for (int col = 0; col < 6; ++col) EXPECT_EQ(loan.view.cellText(col, row), grid[row][col]);
  EXPECT_EQ(loan.view.text(DossierText::NominalPeriod), "0,0093750052");
  EXPECT_EQ(loan.view.text(DossierText::NominalProportional), "11,2500 %");
  EXPECT_EQ(loan.view.text(DossierText::NominalActuarial), "11,8486 %");
  EXPECT_EQ(loan.view.text(DossierText::TegPeriod), "0,0106907204");
  EXPECT_EQ(loan.view.text(DossierText::TegProportional), "12,8289 %");
  EXPECT_EQ(loan.view.text(DossierText::TegActuarial), "13,6107 %");
  EXPECT_EQ(loan.view.text(DossierText::InsuranceCost), "16020,00");
  EXPECT_EQ(loan.view.text(DossierText::LoanCost), "239980,20");
  EXPECT_FALSE(loan.view.shown(DossierPanel::Discrepancy));
  EXPECT_FALSE(loan.view.shown(DossierPanel::NotComputable));
  EXPECT_EQ(loan.dossier.lastSolvedCount, 2);
  EXPECT_EQ(loan.dossier.groups[1].cumul, 2304.69L + 89);
}

// Worked example, validated then calculated as "VOIR CALCUL", "VALIDER", "ICI" would.
struct ExampleCase {
  const char* name;
  int example;
  const char* nominalProportional;  // empty when P216 covers it
  const char* nominalActuarial;
  const char* tegProportional;
  const char* tegActuarial;
  bool notComputable;
  // The verdict on the announced TEG (announced minus computed, in ten-thousandths of a
  // point; no announcement in example 3) and the insurance's own rate, from 50-digit
  // recomputations of the TEG with and without the insurance column.
  bool announced;
  std::int64_t proportionalDifference;
  std::int64_t actuarialDifference;
  const char* insuranceProportional;
  const char* insuranceActuarial;
};

class WorkedExampleRates : public ::testing::TestWithParam<ExampleCase> {};

TEST_P(WorkedExampleRates, AreTheRatesTheNoticesAnnounce) {
  const ExampleCase& row = GetParam();
  HeadlessDossierView view;
  LoanDossier dossier;
  fillWorkedExample(workedExample(row.example), dossier, view);
  ASSERT_TRUE(validateHeader(dossier, view));
  calculateDossier(dossier, view);
  if (!row.notComputable) {
    EXPECT_EQ(view.text(DossierText::NominalProportional), text(row.nominalProportional));
    EXPECT_EQ(view.text(DossierText::NominalActuarial), text(row.nominalActuarial));
  }
  EXPECT_EQ(view.text(DossierText::TegProportional), text(row.tegProportional));
  EXPECT_EQ(view.text(DossierText::TegActuarial), text(row.tegActuarial));
  EXPECT_EQ(view.shown(DossierPanel::NotComputable), row.notComputable);
  EXPECT_FALSE(view.shown(DossierPanel::Discrepancy))
      << view.discrepancy().gridCaption.toStdString();
  EXPECT_EQ(view.gridRowCount, workedExample(row.example).groupCount + 1);
  const std::optional<TegVerdict> verdict = shownVerdict(view);
  ASSERT_TRUE(verdict);
  EXPECT_EQ(verdict->announcement == TegVerdict::Announcement::Given, row.announced);
  if (row.announced) {
    EXPECT_EQ(verdict->proportional.difference, row.proportionalDifference);
    EXPECT_EQ(verdict->actuarial.difference, row.actuarialDifference);
    EXPECT_FALSE(verdict->proportional.exact() || verdict->actuarial.exact());
  }
  EXPECT_EQ(view.text(DossierText::InsuranceProportional), row.insuranceProportional);
  EXPECT_EQ(view.text(DossierText::InsuranceActuarial), row.insuranceActuarial);
}

INSTANTIATE_TEST_SUITE_P(
    Notices, WorkedExampleRates,
    ::testing::Values(ExampleCase{"Simple", 1, "11,2500 %", "11,8486 %", "12,8289 %", "13,6107 %",
                                  false, true, -8289, -16107, "0,7170 point", "0,8033 point"},
                      ExampleCase{"FeesWithTheFirstPayment", 2, "11,2500 %", "11,8486 %",
                                  "12,8267 %", "13,6083 %", false, true, -6967, -14783,
                                  "0,7168 point", "0,8031 point"},
                      ExampleCase{"TwoMonthlyAfterMonthly", 3, "", "", "10,3071 %", "10,8083 %",
                                  true, false, 0, 0, "0,5191 point", "0,5689 point"}),
    [](const auto& info) { return std::string(info.param.name); });

struct CellCase {
  const char* name;
  int col;
  const char* typed;
  const char* rewritten;
};

class RewrittenCell : public ::testing::TestWithParam<CellCase> {};

TEST_P(RewrittenCell, IsWrittenAfterOneSpace) {
  const CellCase& row = GetParam();
  ValidatedLoan loan;
  typeLoanGrid(loan.view);
  loan.view.writeCell(row.col, 2, text(row.typed));
  // Repayments counted 0 or backwards leave the loan without a rate; the cells are rewritten
  // before the solve says so.
  try {
    loan.calculate();
  } catch (const NoRateFailure&) {
  }
  EXPECT_EQ(loan.view.cellText(row.col, 2), text(row.rewritten));
}

INSTANTIATE_TEST_SUITE_P(
    Cells, RewrittenCell,
    ::testing::Values(
        CellCase{"EmptyAmountBelowRowOneIsOne", kAmountColumn, "", " 1,00"},
        CellCase{"AmountWithEightSignificantDigits", kAmountColumn, "1234567.891", " 1234567,90"},
        CellCase{"EmptyCountIsOne", kCountColumn, "", " 1"},
        CellCase{"FractionalCountKeepsSixDecimals", kCountColumn, "2,5", " 2,500000"},
        CellCase{"FractionalCountKeepsItsTypedDecimals", kCountColumn, "2.25", " 2,25"},
        CellCase{"NegativeCountKeepsItsTypedDecimals", kCountColumn, "-0.766667", " -0,766667"},
        CellCase{"NegativeCountWithOneTypedDecimal", kCountColumn, "-0.5", " -0,5"},
        CellCase{"NegativeCountWithCommaGetsSixDecimals", kCountColumn, "-0,5", " -0,500000"},
        CellCase{"ZeroCountHasNoDecimals", kCountColumn, "0", " 0"},
        CellCase{"EmptyInsuranceIsZero", kInsuranceColumn, "", " 0,00"},
        CellCase{"FeesWithPoint", kFeesColumn, "12.5", " 12,50"},
        CellCase{"TypedCumulIsOverwritten", kCumulColumn, "999", " 2393,69"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GridCalculation, FractionalCountIsUsedWithItsFraction) {
  ValidatedLoan loan;
  typeLoanGrid(loan.view);
  loan.view.writeCell(kCountColumn, 2, "2,5");
  loan.calculate();
  EXPECT_EQ(loan.dossier.groups[1].count, 2.5L);
  EXPECT_EQ(loan.dossier.totals.positiveCountTotal.units(), 25000);
  loan.calculate();
  EXPECT_EQ(loan.dossier.groups[1].count, 2.5L) << "the count read again from its cell";
}

TEST(GridCalculation, EmptyGridTakesDefaultsAndShowsTheLastFailingCheck) {
  HeadlessDossierView view = testing::typedHeader({{HeaderField::Capital, "200000"},
                                                   {HeaderField::RepaymentCount, "180"},
                                                   {HeaderField::RepaymentsPerYear, "12"}});
  LoanDossier dossier;
  validateHeader(dossier, view);
  calculateDossier(dossier, view);
  EXPECT_EQ(view.cellText(kAmountColumn, 1), " -1,00");
  EXPECT_EQ(view.cellText(kCountColumn, 1), " 1");
  EXPECT_EQ(view.cellText(kAmountColumn, 2), " 1,00");
  EXPECT_EQ(view.cellText(kCountColumn, 2), " 1");
  ASSERT_TRUE(view.shown(DossierPanel::Discrepancy));
  EXPECT_EQ(view.discrepancy(), (Discrepancy{captions::kCapitalAnnounced, "200000,00",
                                             captions::kRepaymentsShort, "1,00"}));
}

// The typed loan with one cell changed: which check is the last to fail.
struct DiscrepancyCase {
  const char* name;
  int col;
  int row;
  const char* typed;
  Discrepancy shown;
};

class FailedCheck : public ::testing::TestWithParam<DiscrepancyCase> {};

TEST_P(FailedCheck, IsShownWithBothValues) {
  const DiscrepancyCase& row = GetParam();
  ValidatedLoan loan;
  typeLoanGrid(loan.view);
  loan.view.writeCell(row.col, row.row, text(row.typed));
  loan.calculate();
  ASSERT_TRUE(loan.view.shown(DossierPanel::Discrepancy));
  EXPECT_EQ(loan.view.discrepancy(), row.shown);
  EXPECT_EQ(loan.view.text(DossierText::NominalPeriod).isEmpty(), false);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, FailedCheck,
    ::testing::Values(DiscrepancyCase{"CapitalAgainstNegativeAmounts",
                                      kAmountColumn,
                                      1,
                                      "-199000",
                                      {captions::kCapitalAnnounced, "200000,00",
                                       captions::kGridNegative, "-199000,00"}},
                      DiscrepancyCase{"RepaymentCountAgainstPositiveCounts",
                                      kCountColumn,
                                      2,
                                      "179",
                                      {captions::kCountAnnounced, "180,00",
                                       captions::kGridPositiveCount, "179,00"}},
                      DiscrepancyCase{
                          "FeesAgainstGridFees",
                          kFeesColumn,
                          1,
                          "9000",
                          {captions::kFeesAnnounced, "9116,00", captions::kGridFees, "9000,00"}},
                      DiscrepancyCase{"RepaymentsShortOfTheCapital",
                                      kAmountColumn,
                                      2,
                                      "1000",
                                      {captions::kCapitalAnnounced, "200000,00",
                                       captions::kRepaymentsShort, "180000,00"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Amounts that agree as the screen shows them are no discrepancy.
TEST(GridCalculation, ChecksCompareTheAmountsAsShown) {
  HeadlessDossierView view = typedLoanHeader();
  view.writeField(HeaderField::Capital, "180000,57");
  view.writeField(HeaderField::Fee1, "0,004");
  view.writeField(HeaderField::Fee2, "");
  LoanDossier dossier;
  validateHeader(dossier, view);
  typeRow(view, 1, "-180000.57", "1");
  typeRow(view, 2, "2074.54", "180.001");
  calculateDossier(dossier, view);
  EXPECT_FALSE(view.shown(DossierPanel::Discrepancy))
      << view.discrepancy().gridCaption.toStdString();
}

TEST(GridCalculation, TimeShiftCoversTheNominalRatesButNotTheTeg) {
  ValidatedLoan loan;
  loan.view.writeField(HeaderField::BlockCount, "3");
  validateHeader(loan.dossier, loan.view);
  typeRow(loan.view, 1, "-200000", "1", "0", "9116");
  typeRow(loan.view, 2, "0", "-0,544444");
  typeRow(loan.view, 3, "2304.69", "180", "89");
  loan.calculate();
  EXPECT_TRUE(loan.view.shown(DossierPanel::NotComputable));
  EXPECT_EQ(loan.view.cellText(kCountColumn, 2), " -0,544444");
  // Payments one half-period earlier cost more: the TEG rises above the example's.
  EXPECT_GT(loan.dossier.tegRate, 0.0106907204L);
  EXPECT_EQ(loan.view.text(DossierText::TegProportional).endsWith(" %"), true);
}

TEST(GridCalculation, FeesOfARunAreAddedToEachPaymentButCountedOnce) {
  ValidatedLoan loan;
  typeLoanGrid(loan.view);
  loan.view.writeCell(kFeesColumn, 1, "9016");
  loan.view.writeCell(kFeesColumn, 2, "100");
  loan.view.writeCell(kCountColumn, 2, "12");
  loan.view.writeCell(kAmountColumn, 2, "20000");
  loan.calculate();
  EXPECT_EQ(loan.dossier.groups[1].cumul, 20000 + 89 + 100);
  EXPECT_EQ(loan.dossier.totals.gridFeeTotal.units(), 91160000);
  EXPECT_EQ(loan.view.cellText(kCumulColumn, 2), " 20189,00");
}

TEST(GridCalculation, BadCellStopsTheCalculationWithEarlierCellsRewritten) {
  ValidatedLoan loan;
  typeLoanGrid(loan.view);
  loan.calculate();
  loan.view.writeCell(kAmountColumn, 1, "-150000");
  loan.view.writeCell(kInsuranceColumn, 2, "1,2,3");
  EXPECT_TRUE(FailsWith<ConversionFailure>([&] { loan.calculate(); },
                                           "'1,2,3' n'est pas une valeur flottante correcte"));
  EXPECT_EQ(loan.view.cellText(kAmountColumn, 1), " -150000,00");
  EXPECT_EQ(loan.view.cellText(kCountColumn, 2), " 180");
  EXPECT_EQ(loan.view.cellText(kInsuranceColumn, 2), "1,2,3");
  EXPECT_EQ(loan.view.text(DossierText::NominalProportional), "11,2500 %");
  EXPECT_EQ(loan.view.text(DossierText::LoanCost), "239980,20");
}

TEST(GridCalculation, NoRepaymentsPerYearStopsTheNominalSolveWithItsPanelsBlank) {
  ValidatedLoan loan;
  typeLoanGrid(loan.view);
  loan.view.writeField(HeaderField::RepaymentsPerYear, "0");
  validateHeader(loan.dossier, loan.view);
  EXPECT_TRUE(FailsWith<ArithmeticFailure>([&] { loan.calculate(); }, testing::DivisionByZero()));
  EXPECT_EQ(loan.view.cellText(kCumulColumn, 2), " 2393,69");
  EXPECT_EQ(loan.view.text(DossierText::NominalPeriod), " ");
  EXPECT_EQ(loan.view.text(DossierText::TegPeriod), " ");
}

TEST(GridCalculation, NoBlocksStopsBeforeAnyRate) {
  ValidatedLoan loan;
  loan.view.writeField(HeaderField::BlockCount, "0");
  validateHeader(loan.dossier, loan.view);
  EXPECT_TRUE(FailsWith<ArithmeticFailure>([&] { loan.calculate(); }, testing::InvalidOperation()));
  EXPECT_EQ(loan.view.text(DossierText::NominalProportional), " ");
  EXPECT_EQ(loan.dossier.lastSolvedCount, 0);
}

TEST(GridCalculation, FailedTegSolveLeavesNoTegOfTheLastCalculation) {
  ValidatedLoan loan;
  typeLoanGrid(loan.view);
  loan.calculate();
  // Fees and insurance that cancel every payment leave an all-in schedule of zeros.
  typeRow(loan.view, 1, "-200000", "1", "0", "200000");
  typeRow(loan.view, 2, "2304.69", "180", "-2304.69", "0");
  EXPECT_TRUE(FailsWith<ArithmeticFailure>([&] { loan.calculate(); }, testing::InvalidOperation()));
  EXPECT_EQ(loan.view.text(DossierText::NominalProportional), "11,2500 %");
  EXPECT_EQ(loan.view.text(DossierText::TegProportional), " ");
  EXPECT_EQ(loan.view.text(DossierText::InsuranceCost), "16020,00");
}

// The capital typed positive: nothing is borrowed, so no rate balances the schedule. No rate
// is shown, but the costs and the checks say what to look at (181 positive payments here).
TEST(GridCalculation, ScheduleWithoutRateShowsNoRateButItsChecks) {
  ValidatedLoan loan;
  typeLoanGrid(loan.view);
  loan.calculate();
  typeRow(loan.view, 1, "200000", "1");
  EXPECT_TRUE(FailsWith<NoRateFailure>([&] { loan.calculate(); }, testing::NoRate()));
  for (DossierText rate : kRateTexts) EXPECT_EQ(loan.view.text(rate), " ");
  EXPECT_EQ(loan.view.text(DossierText::InsuranceCost), "16020,00");
  ASSERT_TRUE(loan.view.shown(DossierPanel::Discrepancy));
  EXPECT_EQ(loan.view.discrepancy().gridCaption, captions::kGridPositiveCount);
  EXPECT_FALSE(shownVerdict(loan.view)) << "no verdict on a failed calculation";
  EXPECT_EQ(loan.view.text(DossierText::InsuranceProportional), "");
  EXPECT_EQ(loan.view.text(DossierText::InsuranceActuarial), "");
}

TEST(GridCalculation, LoanWithoutInsuranceHasNoInsuranceRate) {
  ValidatedLoan loan;
  typeLoanGrid(loan.view);
  loan.view.writeCell(kInsuranceColumn, 2, "0");
  loan.calculate();
  EXPECT_EQ(loan.view.text(DossierText::InsuranceProportional), "0,0000 point");
  EXPECT_EQ(loan.view.text(DossierText::InsuranceActuarial), "0,0000 point");
}

TEST(GridCalculation, HidesTheGridPanelsAndTheOldDiscrepancyFirst) {
  ValidatedLoan loan;
  typeLoanGrid(loan.view);
  loan.view.writeCell(kCountColumn, 2, "179");
  loan.calculate();
  ASSERT_TRUE(loan.view.shown(DossierPanel::Discrepancy));
  loan.view.setShown(DossierPanel::GridNotice, true);
  loan.view.writeCell(kCountColumn, 2, "180");
  loan.calculate();
  EXPECT_FALSE(loan.view.shown(DossierPanel::Discrepancy));
  EXPECT_FALSE(loan.view.shown(DossierPanel::GridNotice));
  EXPECT_FALSE(loan.view.shown(DossierPanel::GridHelp));
}

TEST(RateTexts, AreTheThreePanelsFormats) {
  EXPECT_EQ(periodRateText(0.0093750052L), "0,0093750052");
  EXPECT_EQ(proportionalRateText(0.005L, 12), "6,0000 %");
  EXPECT_EQ(actuarialRateText(0.005L, 12), "6,1678 %");
  EXPECT_TRUE(
      FailsWith<ArithmeticFailure>([] { actuarialRateText(-1, 12); }, testing::InvalidOperation()));
}

}  // namespace
}  // namespace kalmoris
