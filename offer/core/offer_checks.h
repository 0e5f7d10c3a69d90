#pragma once

#include "core/errors.h"
#include "offer/core/offer.h"

#include <QString>

namespace kalmoris {

// A value of an offer the program refuses. It names the key of the `.offre` file that holds the
// value, the entry of a list (from 1) and the key inside that entry, so that a screen can put the
// focus on its field: "Clé « deblocages » n° 2, « montant » : un déblocage doit être positif."
class OfferFailure : public Failure {
 public:
  OfferFailure(QString key, int entry, QString field, QString reason);
  // A refusal of the document as a whole, which no key holds.
  explicit OfferFailure(QString reason);

  const QString& key() const { return key_; }
  int entry() const { return entry_; }  // 0: not in a list
  const QString& field() const { return field_; }
  const QString& reason() const { return reason_; }

 private:
  QString key_;
  int entry_ = 0;
  QString field_;
  QString reason_;
};

// The largest amount and rate an offer may state: an amount to the cent below a thousand billion,
// a rate to the millionth of a point below ten thousand percent.
inline constexpr Real kLargestAmount = 999999999999.99L;
inline constexpr Real kLargestRate = 9999.999999L;

// Raises an OfferFailure for the first rule the offer breaks, in the order of the file's keys:
// no nature; a periodicity other than 12, 4, 2 or 1; no drawdown, a drawdown without a date, not
// positive or before the first one; a fee negative or before the first drawdown; a first instalment
// not after the first drawdown; an amount or a rate beyond the largest. Then the instalments, typed
// as steps or generated from the terms (`nombre_echeances`), exactly one of the two: no step, a
// step of no instalment, a negative amount or premium, more than kMostInstalments instalments in
// all, a deferral, a rule or an insurance of the terms beside steps; terms with several drawdowns,
// without a debit rate, of no instalment or too many, the Commission's rule with a deferral, a
// deferral as long as the loan, an insurance mode without its premium or rate (or with the
// other's); a broken period's base other than 365 or 360.
void checkOffer(const Offer& offer);

}  // namespace kalmoris
