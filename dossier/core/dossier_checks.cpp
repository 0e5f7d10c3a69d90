#include "dossier/core/dossier_checks.h"

#include "core/numbers.h"
#include "dossier/core/dossier_captions.h"

namespace kalmoris {

namespace {
QString shown(Real value) {
  return FormatFixed(value, 8, 2);
}
QString shown(Fixed4 value) {
  return shown(value.toReal());
}
}  // namespace

DossierTotals totalsOf(std::span<const RepaymentGroup> groups) {
  DossierTotals totals;
  for (const RepaymentGroup& group : groups) {
    if (group.amount < 0) totals.negativeTotal = totals.negativeTotal.plusScaled(group.amount);
    if (group.amount > 0 && group.count > 0) {
      totals.positiveCountTotal = totals.positiveCountTotal.plusScaled(group.count);
      totals.repaymentTotal = totals.repaymentTotal.plusScaled(checked(group.amount * group.count));
    }
    totals.insuranceCost = totals.insuranceCost.plusScaled(checked(group.insurance * group.count));
    totals.gridFeeTotal = totals.gridFeeTotal.plusScaled(group.fees);
  }
  totals.loanCost =
      totals.repaymentTotal + totals.insuranceCost + totals.gridFeeTotal + totals.negativeTotal;
  return totals;
}

std::optional<Discrepancy> lastDiscrepancy(const LoanDossier& dossier) {
  const DossierTotals& totals = dossier.totals;
  const Real capitalUnits = checked(dossier.capital * 10000);
  std::optional<Discrepancy> last;
  if (checked(capitalUnits + static_cast<Real>(totals.negativeTotal.units())) != 0) {
    last = Discrepancy{captions::kCapitalAnnounced, shown(dossier.capital), captions::kGridNegative,
                       shown(totals.negativeTotal)};
  }
  if (totals.positiveCountTotal.units() != std::int64_t{dossier.repaymentCount} * 10000) {
    last = Discrepancy{captions::kCountAnnounced, shown(Real(dossier.repaymentCount)),
                       captions::kGridPositiveCount, shown(totals.positiveCountTotal)};
  }
  if (dossier.feeTotal != totals.gridFeeTotal) {
    last = Discrepancy{captions::kFeesAnnounced, shown(dossier.feeTotal), captions::kGridFees,
                       shown(totals.gridFeeTotal)};
  }
  if (checked(capitalUnits - static_cast<Real>(totals.repaymentTotal.units())) > 0) {
    last = Discrepancy{captions::kCapitalAnnounced, shown(dossier.capital),
                       captions::kRepaymentsShort, shown(totals.repaymentTotal)};
  }
  return last;
}

}  // namespace kalmoris
