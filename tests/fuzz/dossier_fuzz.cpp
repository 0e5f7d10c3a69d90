// A whole dossier typed at random, header and grid: the input is cut at its NUL bytes into
// the twelve header texts and then the grid's cells, row by row. Validation and calculation
// either complete or stop on a French message, never crash, never overrun the grid, and
// never show an infinity or a NaN, and neither does a second calculation of the grid as the
// program rewrote it.
#include "dossier/core/grid_calculation.h"
#include "dossier/core/header_validation.h"
#include "tests/fuzz/fuzz_checks.h"

#include <QList>

#include <cstdint>

using namespace kalmoris;
using namespace kalmoris::fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 20000) return 0;
  const QList<QByteArray> texts =
      QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).split('\0');
  LoanDossier dossier;
  HeadlessDossierView view;
  qsizetype next = 0;
  for (HeaderField field : kHeaderFields)
    if (next < texts.size()) view.writeField(field, QString::fromLatin1(texts[next++]));
  for (int row = 1; next < texts.size() && row <= kMaxGroups; ++row)
    for (int col = kAmountColumn; col <= kFeesColumn && next < texts.size(); ++col)
      view.writeCell(col, row, QString::fromLatin1(texts[next++]));

  const HeadlessDossierView typed = view;
  try {
    validateHeader(dossier, view);
  } catch (const Failure& failure) {
    requireFrenchMessage(failure);
    require(view.gridRowCount <= kMaxGroups + 1);
    return 0;
  }
  require(view.gridRowCount <= kMaxGroups + 1);
  require(dossier.blockCount <= kMaxGroups);
  try {
    calculateDossier(dossier, view);
  } catch (const Failure& failure) {
    requireFrenchMessage(failure);
    requireShowable(view, typed);
    return 0;
  }
  requireShowable(view, typed);

  try {
    calculateDossier(dossier, view);
  } catch (const Failure& failure) {
    requireFrenchMessage(failure);
    return 0;
  }
  requireShowable(view, typed);
  return 0;
}
