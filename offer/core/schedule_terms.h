#pragma once

#include "core/arith.h"
#include "core/errors.h"

#include <QDate>
#include <QJsonObject>
#include <QString>

// The terms an offer may give instead of its table of instalments: a debit rate, a number of
// instalments, a deferral, the rule the lender rounds by and the borrower insurance. The
// schedule generator builds the instalments from them; the offer file names them by the keys
// quoted in the comments.

namespace kalmoris {

// How the instalments are worked out and rounded (regle).
enum class InstalmentRule {
  Contract,    // "contrat": the lender's table, interest rounded each period, last adjusted
  Commission,  // "commission": the Commission's equal instalments, none adjusted
};

// What a deferred instalment pays (differe.type).
enum class DeferralKind {
  None,
  Partial,  // "partiel": the period's interest
  Total,    // "total": nothing but the insurance; the interest is added to the capital
};

struct Deferral {
  DeferralKind kind = DeferralKind::None;
  int count = 0;  // differe.nombre: deferred instalments, counted in nombre_echeances
};

// On what the borrower insurance is charged (assurance.mode).
enum class InsuranceMode {
  None,              // "aucune"
  Fixed,             // "fixe": `amount` each instalment
  InitialCapital,    // "capital_initial": `annualRate` of the capital drawn
  RemainingCapital,  // "capital_restant": `annualRate` of the capital before each instalment
};

struct InsuranceTerms {
  InsuranceMode mode = InsuranceMode::None;
  Real amount = 0;      // euros per instalment, for Fixed
  Real annualRate = 0;  // percent a year, for the capital modes
};

// The days a year counts when the first period is broken (base_periode_brisee).
enum class BrokenPeriodBase { Days365, Days360 };

struct ScheduleTerms {
  // The loan, as the offer states it whether it types its steps or gives terms.
  Real capital = 0;         // the drawdown's amount, euros
  int drawdowns = 1;        // how many the offer has: a schedule is generated for one only
  QDate payout;             // the drawdown's date
  QDate firstInstalment;    // premiere_echeance
  int periodsPerYear = 12;  // periodicite: 12, 4, 2 or 1
  // The terms the instalments are generated from.
  Real debitRate = 0;       // taux_debiteur, percent a year; the period rate is rate / periods
  int instalmentCount = 0;  // nombre_echeances, the deferred ones included
  Deferral deferral;        // differe
  InstalmentRule rule = InstalmentRule::Contract;  // regle
  InsuranceTerms insurance;                        // assurance
  bool insuranceRequired = true;                   // assurance_obligatoire
  BrokenPeriodBase brokenPeriodBase = BrokenPeriodBase::Days365;
};

// Terms that cannot give a schedule. The message names the offer file's key at fault, and
// `key()` is that key, so a screen can point at the field that holds it.
class TermsFailure : public Failure {
 public:
  TermsFailure(QString key, QString message);
  const QString& key() const { return key_; }

 private:
  QString key_;
};

// Reads the generation terms of an offer file into `terms`: taux_debiteur and
// nombre_echeances (required), differe, regle, assurance, assurance_obligatoire and
// base_periode_brisee (absent: none, "contrat", "aucune", true, "365"). The loan's own keys
// (drawdowns, dates, periodicity) are left to the offer's reader. A value of the wrong form
// raises a TermsFailure naming its key; whether the terms make a loan is the generator's check.
void readGenerationTerms(const QJsonObject& offer, ScheduleTerms& terms);

// Writes the same keys, in the same forms, over those of `offer`.
void writeGenerationTerms(const ScheduleTerms& terms, QJsonObject& offer);

}  // namespace kalmoris
