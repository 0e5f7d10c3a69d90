#pragma once

#include "core/arith.h"
#include "dossier/core/dossier_view.h"
#include "dossier/core/loan_dossier.h"

#include <QString>

#include <cstdint>

namespace kalmoris {

// A header number's text as it is converted: empty or one to four spaces count as "0",
// then the first "." becomes ",".
QString headerNumberText(const QString& text);
// The floating conversion of that text (capital, announced TEG, fees).
Real readHeaderReal(const QString& text);
// The integer conversion of that text (the three counts).
std::int32_t readHeaderInteger(const QString& text);

// Every letter a-z upper-cased; other characters, accented letters included, stay.
QString upperCaseAscii(const QString& text);

// The grid's first column: the group numbers 1 to `groupCount`.
void numberGroups(DossierView& view, int groupCount);

// The header's validation, in its sixteen steps: each field is read from the view, its value
// stored in the dossier, the field rewritten in normalised form and marked; the fees are
// totalled, the grid sized to one row per block and numbered, and rows left empty since the
// last calculation receive default values. A capital below 1, a count of 0, a count outside
// its width (repayments above 65535, per year above 255, or negative) and a block count
// above 360 or negative fail: the field turns red and is emptied, P92 shows, the caption
// reads "SAISIE NON VALIDEE". A block count of 0 or 1 only turns the field red. A text the
// conversion refuses raises its failure at its step; the steps before keep their effect.
// Returns whether no field failed.
bool validateHeader(LoanDossier& dossier, DossierView& view);

}  // namespace kalmoris
