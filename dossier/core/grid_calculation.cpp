#include "dossier/core/grid_calculation.h"

#include "core/errors.h"
#include "core/numbers.h"
#include "dossier/core/dossier_checks.h"
#include "dossier/core/insurance_rate.h"
#include "dossier/core/offer_check.h"
#include "dossier/core/spaced_number.h"

#include <array>
#include <cmath>
#include <optional>
#include <vector>

namespace kalmoris {

namespace {

QString cellOrDefault(const DossierView& view, int col, int row, const char* fallback) {
  const QString text = view.cellText(col, row);
  return text.isEmpty() ? QString::fromLatin1(fallback) : text;
}

Real readAmountCell(DossierView& view, int col, int row, const char* fallback) {
  const Real value = StrToFloat(PointToComma(cellOrDefault(view, col, row, fallback)));
  view.writeCell(col, row, amountCellText(value));
  return value;
}

enum class Schedule { Payments, AllIn };

std::vector<SchedulePoint> scheduleOf(const std::vector<RepaymentGroup>& groups, Schedule kind) {
  std::vector<SchedulePoint> points;
  points.reserve(groups.size());
  for (const RepaymentGroup& group : groups)
    points.push_back({kind == Schedule::Payments ? group.amount : group.cumul, group.count});
  return points;
}

// Solves one schedule and shows its three rates. A schedule that no rate balances leaves
// them empty and keeps its failure for the end of the calculation, so that the costs and the
// checks still say what is wrong with the grid.
bool solveAndShow(DossierView& view, const std::vector<SchedulePoint>& schedule,
                  Real periodsPerYear, int iterationLimit, Real& rate,
                  std::array<DossierText, 3> panels, std::optional<NoRateFailure>& noRate) {
  try {
    rate =
        PeriodRateSolver::solve(schedule, periodsPerYear, iterationLimit, StopOrder::UpdateFirst);
  } catch (const NoRateFailure& failure) {
    rate = 0;
    if (!noRate) noRate = failure;
    return false;
  }
  view.writeText(panels[0], periodRateText(rate));
  view.writeText(panels[1], proportionalRateText(rate, periodsPerYear));
  view.writeText(panels[2], actuarialRateText(rate, periodsPerYear));
  return true;
}

void showInsuranceRates(DossierView& view, const LoanDossier& dossier, Real periodsPerYear) {
  const auto rates = insuranceRatesOf(dossier.groups, dossier.tegRate, periodsPerYear);
  if (!rates) return;
  view.writeText(DossierText::InsuranceProportional, pointsText(rates->proportional));
  view.writeText(DossierText::InsuranceActuarial, pointsText(rates->actuarial));
}

void showDiscrepancy(DossierView& view, const Discrepancy& discrepancy) {
  view.writeText(DossierText::AnnouncedCaption, discrepancy.announcedCaption);
  view.writeText(DossierText::AnnouncedValue, discrepancy.announcedValue);
  view.writeText(DossierText::GridCaption, discrepancy.gridCaption);
  view.writeText(DossierText::GridValue, discrepancy.gridValue);
  view.setShown(DossierPanel::Discrepancy, true);
}

}  // namespace

QString amountCellText(Real amount) {
  return spaced(FormatFixed(amount, 8, 2));
}

QString countCellText(Real count, const QString& typed) {
  // A whole count is written without decimals; any other keeps them, so that the count read
  // again from its cell (by the next calculation, or from a saved file) is the one used.
  if (count >= 0 && count == std::floor(count)) return FormatFixed(count, 8, 0);
  const qsizetype point = typed.indexOf(QLatin1Char('.'));
  const int decimals = point < 0 ? 6 : static_cast<int>(typed.size() - point - 1);
  return FormatFixed(count, 8, decimals);
}

RepaymentGroup readGroupRow(int row, DossierView& view) {
  RepaymentGroup group;
  group.number = row;

  group.amount = readAmountCell(view, kAmountColumn, row, row == 1 ? "-1" : "1");
  if (group.amount == 0) view.setShown(DossierPanel::NotComputable, true);

  const QString countText = cellOrDefault(view, kCountColumn, row, "1");
  group.count = StrToFloat(PointToComma(countText));
  if (group.count <= 0) view.setShown(DossierPanel::NotComputable, true);
  view.writeCell(kCountColumn, row, spaced(countCellText(group.count, countText)));

  group.insurance = readAmountCell(view, kInsuranceColumn, row, "0");
  group.fees = readAmountCell(view, kFeesColumn, row, "0");
  group.cumul = checked(checked(group.amount + group.insurance) + group.fees);
  view.writeCell(kCumulColumn, row, amountCellText(group.cumul));
  return group;
}

QString periodRateText(Real rate) {
  return FormatFixed(rate, 10, 10);
}

QString proportionalRateText(Real rate, Real periodsPerYear) {
  return FormatFixed(checked(checked(rate * periodsPerYear) * 100), 8, 4) + QStringLiteral(" %");
}

QString actuarialRateText(Real rate, Real periodsPerYear) {
  const Real annual = checked(power(checked(1 + rate), periodsPerYear) - 1);
  return FormatFixed(checked(annual * 100), 8, 4) + QStringLiteral(" %");
}

void calculateDossier(LoanDossier& dossier, DossierView& view) {
  view.setShown(DossierPanel::Verdict, false);
  view.setShown(DossierPanel::Discrepancy, false);
  view.setShown(DossierPanel::GridNotice, false);
  const Real periodsPerYear = dossier.repaymentsPerYear;
  const int groupCount = dossier.blockCount;
  dossier.lastSolvedCount = dossier.blockCount;
  view.setShown(DossierPanel::GridHelp, false);

  dossier.groups.assign(groupCount, RepaymentGroup{});
  for (int row = 1; row <= groupCount; ++row) dossier.groups[row - 1] = readGroupRow(row, view);

  // All six rates go before either solve: a solve that fails leaves none of an earlier
  // calculation on show.
  const QString blank = QStringLiteral(" ");
  for (DossierText rate : kRateTexts) view.writeText(rate, blank);
  view.writeText(DossierText::InsuranceProportional, QString());
  view.writeText(DossierText::InsuranceActuarial, QString());

  std::optional<NoRateFailure> noRate;
  solveAndShow(
      view, scheduleOf(dossier.groups, Schedule::Payments), periodsPerYear, 1000,
      dossier.nominalRate,
      {DossierText::NominalPeriod, DossierText::NominalProportional, DossierText::NominalActuarial},
      noRate);
  const bool tegShown = solveAndShow(
      view, scheduleOf(dossier.groups, Schedule::AllIn), periodsPerYear, 200, dossier.tegRate,
      {DossierText::TegPeriod, DossierText::TegProportional, DossierText::TegActuarial}, noRate);
  if (tegShown) showInsuranceRates(view, dossier, periodsPerYear);

  dossier.totals = totalsOf(dossier.groups);
  view.writeText(DossierText::InsuranceCost,
                 FormatFixed(dossier.totals.insuranceCost.toReal(), 8, 2));
  view.writeText(DossierText::LoanCost, FormatFixed(dossier.totals.loanCost.toReal(), 8, 2));
  if (const auto discrepancy = lastDiscrepancy(dossier)) showDiscrepancy(view, *discrepancy);
  if (noRate) throw *noRate;
  showOfferControl(dossier, view);
}

}  // namespace kalmoris
