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
  // In whole cents, as the screen shows the amounts: a capital of 180000,57 and a grid total
  // of -180000,57 agree, and no check reads "0,00" against "0,00".
  const DossierTotals& totals = dossier.totals;
  const std::int64_t capital = Fixed4::fromReal(dossier.capital).cents();
  std::optional<Discrepancy> last;
  if (capital + totals.negativeTotal.cents() != 0) {
    last = Discrepancy{captions::kCapitalAnnounced, shown(dossier.capital), captions::kGridNegative,
                       shown(totals.negativeTotal)};
  }
  if (totals.positiveCountTotal.cents() != std::int64_t{dossier.repaymentCount} * 100) {
    last = Discrepancy{captions::kCountAnnounced, shown(Real(dossier.repaymentCount)),
                       captions::kGridPositiveCount, shown(totals.positiveCountTotal)};
  }
  if (dossier.feeTotal.cents() != totals.gridFeeTotal.cents()) {
    last = Discrepancy{captions::kFeesAnnounced, shown(dossier.feeTotal), captions::kGridFees,
                       shown(totals.gridFeeTotal)};
  }
  if (capital - totals.repaymentTotal.cents() > 0) {
    last = Discrepancy{captions::kCapitalAnnounced, shown(dossier.capital),
                       captions::kRepaymentsShort, shown(totals.repaymentTotal)};
  }
  return last;
}

}  // namespace kalmoris
