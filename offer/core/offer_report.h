#pragma once

#include "core/printer_text_stream.h"
#include "offer/core/offer.h"
#include "offer/core/offer_results.h"

#include <QString>
#include <QStringList>

// The report of an offer's check: the offer as stated (and the steps generated from its terms),
// every result, the control of the announced TAEG and the proof of every flow. The same lines are
// printed, written to a PDF file, or written to standard output by `kalmoris --offre`.

namespace kalmoris {

// Every line starts with the lead of four spaces; blank lines hold only the lead. Amounts are in
// euros with a decimal comma and two decimals, the TAEG, the proportional rate and the TAEA with
// six decimals, the period rate with ten.
struct OfferReport {
  QString title;
  QStringList body;   // the offer, its results and the control of the announced TAEG
  QStringList proof;  // the proof's heading, its grid of columns lined up, and their sum
  // The report as plain text: the title, a blank line, the body, a blank line and the proof.
  QStringList lines() const;
};

// The report of an offer and its results (computeOfferResults). Raises the ArithmeticFailure of
// a discount beyond the extended range.
OfferReport offerReport(const Offer& offer, const OfferResults& results);

// The report on a line stream, as the other reports: two lead-only lines in the font the previous
// report left, the title in Courier New 14 bold, the body in the largest Courier New size from 10
// down to 8 points at which its lines fit the page's width, and the proof likewise from 9 down
// to 6 points.
void writeOfferReport(PrinterTextStream& out, const OfferReport& report);

}  // namespace kalmoris
