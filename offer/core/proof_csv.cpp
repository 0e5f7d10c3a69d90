#include "offer/core/proof_csv.h"

#include "core/csv_table.h"

namespace kalmoris {

QByteArray proofCsv(const OfferProof& proof) {
  const QStringList headers = proofHeaders();
  CsvTable table(headers);
  for (const ProofRow& row : proof.rows) table.addRow(proofCells(row));
  QStringList sum(headers.size());
  sum.front() = QStringLiteral("Somme des valeurs actualisées");
  sum.back() = proofSumText(proof);
  table.addRow(sum);
  return table.bytes();
}

}  // namespace kalmoris
