#pragma once

#include "core/arith.h"
#include "core/counting_rate.h"
#include "offer/core/offer_terms.h"

#include <QDate>
#include <QJsonObject>
#include <QString>

#include <optional>
#include <vector>

// A loan offer as the lender dates it: drawdowns, fees, instalments typed as steps, insurance,
// and the rates it announces. Amounts are in euros; rates and thresholds in percent (6,4 means
// 6.4 %). What an `.offre` file holds that the program does not know is kept with the part it
// was found in, so that saving writes it back.

namespace kalmoris {

// A payment of the capital to the borrower; the first one is the origin of every time.
struct Drawdown {
  QDate date;
  Real amount = 0;
  QJsonObject unknownKeys;
  bool operator==(const Drawdown&) const = default;
};

struct OfferFee {
  QString label;
  Real amount = 0;
  std::optional<QDate> date;  // none: paid on the first drawdown's date
  QJsonObject unknownKeys;
  bool operator==(const OfferFee&) const = default;
};

// A run of equal instalments ("palier") as the offer's table shows it.
struct InstalmentStep {
  int count = 0;
  Real amount = 0;     // the instalment without insurance
  Real insurance = 0;  // the premium added to each instalment of the step
  QJsonObject unknownKeys;
  bool operator==(const InstalmentStep&) const = default;
};

struct Offer {
  QString borrower;
  LoanNature nature = LoanNature::Immobilier;  // never None in a checked offer
  std::optional<QDate> offerDate;
  std::optional<Real> announcedTaeg;
  std::optional<Real> announcedTaea;
  std::optional<Real> usuryThreshold;
  int periodsPerYear = 12;  // 12, 4, 2 or 1
  std::vector<Drawdown> drawdowns;
  std::vector<OfferFee> fees;
  QDate firstInstalment;
  std::vector<InstalmentStep> steps;
  // Required insurance counts in the TAEG; optional insurance only in the TAEA.
  bool insuranceRequired = true;
  OfferTerms terms;
  QJsonObject unknownKeys;
  bool operator==(const Offer&) const = default;
};

// The most instalments an offer may count: a century of monthly instalments.
inline constexpr int kMostInstalments = 1200;

}  // namespace kalmoris
