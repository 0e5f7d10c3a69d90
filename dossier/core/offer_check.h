#pragma once

#include "dossier/core/dossier_view.h"
#include "dossier/core/loan_dossier.h"

namespace kalmoris {

// The end of a calculation that ran through: the strip "CONTROLE DE L'OFFRE" reads its three
// entries (a refused one turns red, the strip says why, and it counts as not made), judges the
// announced TEG against the rates as their panels show them, and shows its lines with their
// tones. With a nature: the rate that counts, the other rate for information, the usury
// category; with no nature, the verdict on each annual TEG. With a threshold, but not for a
// professional loan, the usury ceiling. The category's size is the header's: its capital, its
// repayments over its repayments per year.
void showOfferControl(const LoanDossier& dossier, DossierView& view);

}  // namespace kalmoris
