#pragma once

#include "offer/core/offer.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The `.offre` file: one JSON object in UTF-8 (format "kalmoris-offre", version 1). Counts are
// JSON integers, dates "AAAA-MM-JJ" strings, amounts strings of digits with a "." and at most two
// decimals, rates and thresholds strings in percent with a "." and at most six decimals. An
// optional key that is absent (or null) is not stated; keys the program does not know are kept.

namespace kalmoris {

// The offer a file holds, whole, or an OfferFailure naming the first key it refuses (missing,
// of the wrong type, a bad value, a rule of checkOffer broken): never part of an offer.
Offer readOfferFile(QByteArrayView bytes);

// The offer of the file at `path`: its bytes read whole (a missing, unreadable or oversized file
// raises its FileFailure), then readOfferFile.
Offer openOfferFile(const QString& path);

// The file of an offer, with the unknown keys it was read with; what the offer does not state is
// left out. Raises the OfferFailure of checkOffer first, so that every file written reads again.
// Amounts are written to the cent, rates to the millionth of a point.
QByteArray writeOfferFile(const Offer& offer);

}  // namespace kalmoris
