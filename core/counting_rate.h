#pragma once

#include "core/currency.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

// Which annual rate an offer must state: the actuarial TAEG of the consumer (from 01/07/2002)
// and real-estate (from 01/10/2016) credit directives, the proportional TEG before them and for
// professional loans.

namespace kalmoris {

enum class LoanNature { None, Immobilier, Consommation, Professionnel };

// The items of the nature drop-down, in order: "", "Immobilier", "Consommation",
// "Professionnel".
QStringList loanNatureItems();
// The nature an item names; None for the empty item or any other text.
LoanNature loanNatureOf(const QString& item);

// The rate that counts for an offer, R.
struct CountingRate {
  RateKind kind = RateKind::Actuarial;  // Actuarial or Proportional
  bool dateMissing = false;             // the nature's rate depends on a date not given

  // "TAEG (actuariel)" or "TEG (proportionnel)".
  QString label() const;
  // "TAEG" or "TEG".
  QString shortName() const;
  // " (date de l'offre non indiquée)" when the date is missing, else empty.
  QString dateNote() const;
  bool operator==(const CountingRate&) const = default;
};

// Without a date the TAEG counts, noted as such for the natures whose rate depends on it; with
// no nature the TAEG counts (the usury ceiling is a TAEG) and nothing is noted.
CountingRate countingRate(LoanNature nature, std::optional<QDate> offerDate);

// "TEG (proportionnel)" or "TAEG (actuariel)": the rate that does not count.
QString otherRateLabel(const CountingRate& counting);

}  // namespace kalmoris
