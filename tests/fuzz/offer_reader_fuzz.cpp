// Any bytes opened as an `.offre` file: the reader gives a whole offer or refuses with a French
// message; an offer it gives is written again and reads back as the same offer, unknown keys
// included; its results are computed or refused in French, every figure they hold is finite and
// the control's lines show no infinity; its proof balances to the cent and its report, JSON and
// spreadsheet file are written.
#include "offer/core/offer_file.h"
#include "offer/core/offer_json.h"
#include "offer/core/offer_proof.h"
#include "offer/core/offer_report.h"
#include "offer/core/offer_results.h"
#include "offer/core/proof_csv.h"
#include "tests/fuzz/fuzz_require.h"

#include <cmath>
#include <cstdint>

using namespace kalmoris;
using namespace kalmoris::fuzzing;

namespace {

void requireFinite(Real value) {
  require(std::isfinite(value));
}

void requireFiniteResults(const OfferResults& results) {
  requireFinite(results.taeg);
  requireFinite(results.periodRate);
  requireFinite(results.proportionalRate);
  if (results.taea) requireFinite(*results.taea);
  requireFinite(results.cost.interest);
  requireFinite(results.cost.insurance);
  requireFinite(results.cost.fees);
  requireFinite(results.cost.total);
  requireFinite(results.cost.optionalInsurance);
  for (const QString& line : results.control.reportLines()) requireShowable(line);
  for (const OfferFlow& flow : results.flows) {
    require(flow.date.isValid());
    requireFinite(flow.time.years());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  Offer offer;
  try {
    offer = readOfferFile(bytes);
  } catch (const Failure& failure) {
    requireFrenchMessage(failure);
    return 0;
  }
  // What was read is written whole and reads back the same; a failure here escapes and aborts.
  require(readOfferFile(writeOfferFile(offer)) == offer);
  try {
    const OfferResults results = computeOfferResults(offer);
    requireFiniteResults(results);
    // The rate is exact to the extended format: the sum is zero but for its last digits.
    const OfferProof proof = offerProof(results);
    Real scale = 0;
    for (const ProofRow& row : proof.rows) scale += fabsl(row.discounted);
    require(fabsl(proof.discountedSum) < 0.005L + scale * 1e-12L);
    for (const QString& line : offerReport(offer, results).lines()) requireShowable(line);
    require(!offerJson(offer, results).isEmpty());
    require(!proofCsv(proof).isEmpty());
  } catch (const Failure& failure) {
    requireFrenchMessage(failure);
  }
  return 0;
}
