#pragma once

#include "core/arith.h"

#include <QJsonObject>

#include <optional>

// The terms from which an offer's instalments are generated instead of typed as steps: a debit
// rate, a count of instalments, a deferral, a rule, an insurance and the base of a broken period.
// Each is held as the file states it, none when the file does not. The count of instalments is
// what makes an offer generated; typed steps may still state the debit rate and the base, which
// then split their instalments into interest and capital.

namespace kalmoris {

enum class DeferralKind {
  Partial,  // "partiel": each deferred instalment pays the period's interest
  Total,    // "total": only the insurance is paid, the interest is added to the capital
};

struct Deferral {
  DeferralKind kind = DeferralKind::Partial;
  int count = 0;  // deferred instalments, among all the instalments
  QJsonObject unknownKeys;
  bool operator==(const Deferral&) const = default;
};

enum class InstalmentRule {
  Commission,  // "commission": equal instalments, the first period's interest by the calendar
  Contract,    // "contrat": the lender's table, the last instalment adjusted
};

enum class InsuranceMode {
  None,              // "aucune"
  Fixed,             // "fixe": the same premium with each instalment
  InitialCapital,    // "capital_initial": an annual rate of the capital lent
  RemainingCapital,  // "capital_restant": an annual rate of the capital before each instalment
};

struct InsuranceTerms {
  InsuranceMode mode = InsuranceMode::None;
  std::optional<Real> premium;     // "montant", with the fixed mode
  std::optional<Real> annualRate;  // "taux_annuel", percent, with the capital modes
  QJsonObject unknownKeys;
  bool operator==(const InsuranceTerms&) const = default;
};

struct OfferTerms {
  std::optional<Real> debitRate;            // "taux_debiteur", annual, percent
  std::optional<int> instalmentCount;       // "nombre_echeances", the deferred ones included
  std::optional<Deferral> deferral;         // "differe"
  std::optional<InstalmentRule> rule;       // "regle"; the contract's when none is stated
  std::optional<InsuranceTerms> insurance;  // "assurance"
  std::optional<int> brokenPeriodDays;      // "base_periode_brisee": 365 or 360

  bool generated() const { return instalmentCount.has_value(); }
  bool stated() const {
    return debitRate || instalmentCount || deferral || rule || insurance || brokenPeriodDays;
  }
  bool operator==(const OfferTerms&) const = default;
};

}  // namespace kalmoris
