#pragma once

#include "offer/core/offer_results.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The proof of an offer's TAEG: every flow with its date, what it is made of, its time from the
// first drawdown as the credit directives count it, and its value discounted at the TAEG; the
// discounted values balance.

namespace kalmoris {

// Amounts are in euros, from the borrower's side, as the TAEG counts them: what the borrower
// receives (a drawdown) is negative, what the borrower pays (a fee, an instalment) positive.
struct ProofRow {
  FlowKind kind = FlowKind::Instalment;
  int number = 0;  // the drawdown's, the fee's or the instalment's, from 1
  QString label;   // a fee's
  QDate date;
  // The flow the TAEG counts: an instalment with the premium when the insurance is required.
  Real amount = 0;
  // An instalment's interest and capital repaid, and the capital owed after an instalment or a
  // drawdown: known for a generated schedule, and for typed steps at the debit rate the offer
  // states; none otherwise, and none for a fee.
  std::optional<Real> interest;
  std::optional<Real> capitalRepaid;
  std::optional<Real> capitalRemaining;
  Real insurance = 0;            // an instalment's premium, whether the TAEG counts it or not
  bool insuranceCounted = true;  // false: an optional premium, outside `amount`
  AnnexTime time;
  Real years = 0;       // time.years()
  Real discounted = 0;  // amount x (1 + TAEG)^-years
};

struct OfferProof {
  std::vector<ProofRow> rows;  // in date order
  // The sum of the discounted values, each unrounded: zero to the cent, as the TAEG balances the
  // flows. The rows rounded to the cent may add up to a few cents apart.
  Real discountedSum = 0;
};

OfferProof offerProof(const OfferResults& results);

// The proof's columns as the report and the spreadsheet file write them: "Date", "Flux",
// "Montant", "Intérêts", "Capital", "Assurance", "Restant dû", "Temps", "Années", "Actualisé".
QStringList proofHeaders();
// A row's cells under those headers: the date as jj/mm/aaaa, the flow ("Déblocage 1", "Frais 2",
// "Échéance 240"), amounts with a decimal comma and two decimals (an unknown one empty), the time
// as annexTimeText writes it, the years with nine decimals.
QStringList proofCells(const ProofRow& row);
// The sum of the discounted values to the cent, with a decimal comma.
QString proofSumText(const OfferProof& proof);

// "Déblocage", "Frais", "Échéance".
QString flowKindText(FlowKind kind);
// The same without capitals or accents, as the JSON output writes them: "deblocage", "frais",
// "echeance".
QString flowKindWord(FlowKind kind);

}  // namespace kalmoris
