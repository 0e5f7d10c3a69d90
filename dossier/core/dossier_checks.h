#pragma once

#include "core/solver.h"
#include "dossier/core/dossier_view.h"
#include "dossier/core/loan_dossier.h"

#include <optional>
#include <span>

namespace kalmoris {

// The six totals over the groups; each term is added in ten-thousandths to the running
// total, which is rounded after each addition.
DossierTotals totalsOf(std::span<const RepaymentGroup> groups);

// The four checks of the grid against the header, in order: negative amounts against the
// capital, positive counts against the repayment count, grid fees against the header's fee
// total, repayments against the capital. The last failing check is the one shown; none
// fails on a consistent dossier.
std::optional<Discrepancy> lastDiscrepancy(const LoanDossier& dossier);

}  // namespace kalmoris
