#pragma once

#include "offer/core/offer_proof.h"

#include <QByteArray>

namespace kalmoris {

// The proof as a spreadsheet file, with the CSV conventions of the amortization table (core's
// CsvTable): a header row, one row per flow with the report's columns (dates as jj/mm/aaaa, which a
// spreadsheet reads as dates, amounts with a decimal comma), then the sum of the discounted values
// in the last column.
QByteArray proofCsv(const OfferProof& proof);

}  // namespace kalmoris
