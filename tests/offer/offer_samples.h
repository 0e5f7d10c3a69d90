#pragma once

#include "core/annex_calendar.h"
#include "offer/core/offer.h"

#include <QDate>

#include <ostream>

// The offers of the Commission's examples (DG FISMA, January 2015): 200 000 € drawn at signature
// with 4 000 € of fees then, 240 monthly instalments.
namespace kalmoris {

// A time in GoogleTest messages: its text, as a proof writes it.
inline void PrintTo(const AnnexTime& time, std::ostream* out) {
  *out << annexTimeText(time).toStdString();
}

}  // namespace kalmoris

namespace kalmoris::testing {

inline Offer CommissionOffer(QDate signature, QDate firstInstalment, Real instalment,
                             Real insurance = 0, bool insuranceRequired = true) {
  Offer offer;
  offer.borrower = QStringLiteral("Exemple de la Commission");
  offer.nature = LoanNature::Immobilier;
  offer.periodsPerYear = 12;
  offer.drawdowns = {{signature, 200000, {}}};
  offer.fees = {{QStringLiteral("Frais de dossier"), 4000, std::nullopt, {}}};
  offer.firstInstalment = firstInstalment;
  offer.steps = {{240, instalment, insurance, {}}};
  offer.insuranceRequired = insuranceRequired;
  return offer;
}

// Example 1: signed 12/01/2012, 240 x 1 432,86 from 12/02/2012.
inline Offer ExampleOne(Real insurance = 0, bool insuranceRequired = true) {
  return CommissionOffer(QDate(2012, 1, 12), QDate(2012, 2, 12), 1432.86L, insurance,
                         insuranceRequired);
}

// The Commission's loan given by its terms instead of steps: 6 % a year, 240 monthly
// instalments, by `rule` (the contract's when none).
inline Offer CommissionTerms(QDate signature, QDate firstInstalment,
                             std::optional<InstalmentRule> rule = std::nullopt) {
  Offer offer = CommissionOffer(signature, firstInstalment, 0);
  offer.steps.clear();
  offer.terms.debitRate = 6;
  offer.terms.instalmentCount = 240;
  offer.terms.rule = rule;
  return offer;
}

}  // namespace kalmoris::testing
