#pragma once

#include "core/arith.h"

#include <QDate>
#include <QString>

#include <optional>

// The entries of an offer's control, read at each calculation: the offer's date and the usury
// threshold it states. A refused entry counts as not made; its refusal names it, in French.

namespace kalmoris {

template <typename T>
struct OfferEntry {
  std::optional<T> value;  // none when the field is empty or refused
  QString refusal;         // why the field is refused; empty when it is not

  bool refused() const { return !refusal.isEmpty(); }
};

// jj/mm/aaaa (see readFrenchDate): "'31/02/2026' n'est pas une date (jj/mm/aaaa)."
OfferEntry<QDate> readOfferDate(const QString& text);

// A threshold in %, above 0 and below 100, with a decimal comma or point and an optional "%"
// after it: "'abc' n'est pas un seuil en % (par ex. 5,13)."
OfferEntry<Real> readUsuryThreshold(const QString& text);

}  // namespace kalmoris
