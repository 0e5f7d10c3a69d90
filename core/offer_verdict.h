#pragma once

#include "core/arith.h"
#include "core/counting_rate.h"
#include "core/toned_line.h"

#include <optional>

// The announced rate A judged against the rate that counts, R: only an understated rate
// harms the borrower.

namespace kalmoris {

// lb_verdict: "TAEG (actuariel) : minoré de 0,0344 point, exact à la décimale", green when
// exact; when inexact, red and "…, au détriment de l'emprunteur" below R, orange and "…, en
// faveur de l'emprunteur" above it. "R : pas de taux annoncé, rien à comparer" without A.
// R's date note ends the line. `counted` is R's value in percent, judged on its four decimals.
TonedLine offerVerdictLine(const CountingRate& counting, std::optional<Real> announced,
                           Real counted);

// lb_information, never coloured: "pour information : TEG (proportionnel) 6,2521 %, majoré de
// 0,1479 point", the gap left out without A. `other` is the rate that does not count.
TonedLine offerInformationLine(const CountingRate& counting, std::optional<Real> announced,
                               Real other);

}  // namespace kalmoris
