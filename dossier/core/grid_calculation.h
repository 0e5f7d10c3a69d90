#pragma once

#include "core/arith.h"
#include "core/solver.h"
#include "dossier/core/dossier_view.h"
#include "dossier/core/loan_dossier.h"

#include <QString>

namespace kalmoris {

// Reads the four typed cells of grid row `row` (from 1), each completely before the next:
// empty cells take their defaults (amount -1 in row 1 and 1 below, count 1, insurance and
// fees 0), each is converted and rewritten after one space, and column 6 receives the
// cumul. An amount of 0 or a count of 0 or below shows P216. A cell the floating conversion
// refuses raises its failure; the cells already rewritten stay.
RepaymentGroup readGroupRow(int row, DossierView& view);

// How an amount cell (amount, insurance, fees, cumul) is rewritten: after one space, with
// eight significant digits and two decimals.
QString amountCellText(Real amount);

// How the count cell is rewritten: a whole count of 0 or more without decimals, any other
// count with as many decimals as were typed after a ".", or 6.
QString countCellText(Real count, const QString& typed);

// The three panels of a period rate (a fraction): the rate itself with ten decimals, then
// the proportional and the actuarial annual rates in percent with four decimals.
QString periodRateText(Real rate);
QString proportionalRateText(Real rate, Real periodsPerYear);
QString actuarialRateText(Real rate, Real periodsPerYear);

// The calculation ("CALCULER"): reads and rewrites the blockCount grid rows, empties the six
// rates, solves for the nominal rate (payments alone, 1000 iterations) and the TEG (cumuls,
// 200 iterations), shows them and the two costs, then runs the four checks and shows the last
// failing one. A failure ends it at its step: a bad cell leaves the results as they were, an
// arithmetic failure of a solve leaves the rates not yet shown empty. A schedule that no rate
// balances leaves its three rates empty; the costs and the checks are shown all the same, and
// its NoRateFailure ends the calculation. Beside the TEG it shows the insurance's own rate,
// and a calculation that ends without failure shows the offer's control (offer_check.h).
void calculateDossier(LoanDossier& dossier, DossierView& view);

}  // namespace kalmoris
