#pragma once

#include "core/solver.h"
#include "dossier/core/loan_dossier.h"

#include <QString>

#include <optional>
#include <span>

namespace kalmoris {

// What the discrepancy panel shows: the header's value and the grid's.
struct Discrepancy {
  QString announcedCaption;  // Label134
  QString announcedValue;    // Panel163
  QString gridCaption;       // Label136
  QString gridValue;         // Panel164
  bool operator==(const Discrepancy&) const = default;
};

// The six totals over the groups; each term is added in ten-thousandths to the running
// total, which is rounded after each addition.
DossierTotals totalsOf(std::span<const RepaymentGroup> groups);

// The four checks of the grid against the header, in order: negative amounts against the
// capital, positive counts against the repayment count, grid fees against the header's fee
// total, repayments against the capital. The last failing check is the one shown; none
// fails on a consistent dossier.
std::optional<Discrepancy> lastDiscrepancy(const LoanDossier& dossier);

}  // namespace kalmoris
