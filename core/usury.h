#pragma once

#include "core/arith.h"
#include "core/counting_rate.h"
#include "core/toned_line.h"

#include <QDate>

#include <optional>

// The usury ceiling: the category of loan whose threshold applies, and the rate that counts
// against the threshold the offer states.

namespace kalmoris {

// What the category depends on besides the nature and the date.
struct LoanSize {
  Real capital = 0;           // in euros: the consumer categories part at 3 000 and 6 000 €
  int repayments = 0;         // the header's number of repayments
  int repaymentsPerYear = 1;  // at least 1: the duration is repayments / repaymentsPerYear
};

// lb_categorie, never coloured: "Catégorie de l'usure : immobilier à taux fixe, 20 ans et
// plus (taux variable et prêt relais : autres seuils)", "…consommation, plus de 6 000 €",
// "…prêt professionnel, hors usure sauf découvert en compte"; none without a nature. Without
// a date the categories in force now (those of 01/01/2017 and 01/04/2013) apply.
std::optional<TonedLine> usuryCategoryLine(LoanNature nature, std::optional<QDate> offerDate,
                                           const LoanSize& size);

// lb_usure: "TAEG 6,4344 % : au-dessus du seuil de l'usure (5,13 %) de 1,3044 point" in red
// when the rate that counts (its four decimals) exceeds the threshold (its two decimals, as
// written), else "TAEG 6,4344 % : ne dépasse pas le seuil de l'usure (7,00 %)", not coloured.
TonedLine usuryCeilingLine(const CountingRate& counting, Real counted, Real threshold);

}  // namespace kalmoris
