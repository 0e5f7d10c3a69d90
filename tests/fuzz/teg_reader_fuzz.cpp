// Any bytes opened as a ".TEG" file: the reader puts back a whole dossier or refuses with a
// French message and shows nothing, never overruns the 360-group grid, and what it loaded is
// written again as the same file; the loaded dossier then validates and calculates without a
// crash.
#include "dossier/core/dossier_file.h"
#include "dossier/core/grid_calculation.h"
#include "dossier/core/header_validation.h"
#include "tests/fuzz/fuzz_checks.h"

#include <cstdint>

using namespace kalmoris;
using namespace kalmoris::fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  LoanDossier dossier;
  HeadlessDossierView view;
  try {
    loadDossierFile(bytes, dossier, view);
  } catch (const Failure& failure) {
    requireFrenchMessage(failure);
    // A refused file shows nothing of itself.
    const HeadlessDossierView fresh;
    require(view.fields() == fresh.fields() && view.cells == fresh.cells &&
            view.gridRowCount == fresh.gridRowCount);
    return 0;
  }
  require(view.gridRowCount <= kMaxGroups + 1);
  require(dossier.blockCount >= 1 && dossier.blockCount <= kMaxGroups);

  // Saved again, the loaded texts come back as they are.
  QByteArray saved;
  try {
    saved = encodeDossierFile(view, dossier.blockCount);
  } catch (const Failure& failure) {
    requireFrenchMessage(failure);  // a byte the code page leaves undefined, for instance
    return 0;
  }
  LoanDossier reopened;
  HeadlessDossierView again;
  loadDossierFile(saved, reopened, again);
  require(again.fields() == view.fields());
  for (int row = 1; row <= dossier.blockCount; ++row)
    for (int col = kAmountColumn; col <= kFeesColumn; ++col)
      require(again.cellText(col, row) == view.cellText(col, row));

  const HeadlessDossierView loaded = view;
  try {
    validateHeader(dossier, view);
    calculateDossier(dossier, view);
  } catch (const Failure& failure) {
    requireFrenchMessage(failure);
  }
  requireShowable(view, loaded);
  return 0;
}
