#pragma once

#include "dossier/core/dossier_view.h"
#include "dossier/core/loan_dossier.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace kalmoris {

// The data "VOIR CALCUL" writes for one worked example: the header texts in the order of the
// fields, the group count, and the typed cells of each grid row (amount, count, insurance,
// fees; no value means the cell is left as it is).
struct WorkedExample {
  std::array<QString, kHeaderFieldCount> header;
  int groupCount = 0;
  std::vector<std::array<std::optional<QString>, 4>> rows;
};

// Example 1 "simple", example 2 "variante de 1" and example 3 "changement de périodicité".
const WorkedExample& workedExample(int number);

// Writes the example's header fields in order, sets the group count, then writes its cells
// row by row. It neither validates nor calculates nor resizes the grid.
void fillWorkedExample(const WorkedExample& example, LoanDossier& dossier, DossierView& view);

}  // namespace kalmoris
