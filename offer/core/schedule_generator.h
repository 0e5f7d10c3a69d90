#pragma once

#include "core/annex_calendar.h"
#include "core/arith.h"
#include "offer/core/offer.h"

#include <QDate>

#include <cstdint>
#include <vector>

// The schedule of instalments an offer's terms give, worked out as the lender's table
// ("contrat") or as the Commission's worked examples ("commission") do, the steps of equal
// instalments it makes, as an offer's table shows them, and the split of typed steps at the
// debit rate the offer states.

namespace kalmoris {

// Money as a schedule holds it: whole cents, so that the sums and the capital left are exact.
using Cents = std::int64_t;

// Euros to cents, half away from zero. The value is first read to the millionth of a cent, so
// that a half cent computed a few units of the last place short (a month at 6 % a year on 5
// euros is 0,025, computed 0,02499...) still counts as the half it stands for. Beyond 90 billion
// euros it raises the overflow.
Cents roundToCents(Real euros);
inline Real euros(Cents cents) {
  return static_cast<Real>(cents) / 100;
}

// What an instalment pays of interest and of capital, and the capital owed after it. A totally
// deferred instalment pays no interest: it adds it to the capital, which it "repays" as a
// negative amount.
struct InstalmentSplit {
  Cents interest = 0;
  Cents capitalRepaid = 0;
  Cents capitalRemaining = 0;
  bool operator==(const InstalmentSplit&) const = default;
};

// One instalment. Every row has payment = interest + capitalRepaid, and its capital remaining
// is the previous one less the capital repaid.
struct GeneratedInstalment {
  ScheduleDay day;      // as the schedule names it: the 31st stays the 31st in April
  QDate date;           // the day it falls on: the month's last day when it lacks the named one
  Cents payment = 0;    // without insurance
  Cents insurance = 0;  // added to the payment
  InstalmentSplit split;
};

// A run of instalments with the same payment and the same insurance premium, as a step
// ("palier") of an offer's table.
struct GeneratedStep {
  int count = 0;
  Cents payment = 0;  // without insurance
  Cents insurance = 0;
  bool operator==(const GeneratedStep&) const = default;
};

struct GeneratedSchedule {
  // The constant instalment of the amortising ones, before any adjustment of the last.
  Cents constantPayment = 0;
  std::vector<GeneratedInstalment> instalments;
  std::vector<GeneratedStep> steps;
};

// The schedule of an offer that gives its terms (`nombre_echeances`) instead of steps: one
// instalment per period from the first, on its day of the month. Raises the OfferFailure of
// checkOffer, naming the key at fault, or the ArithmeticFailure of a figure beyond the extended
// range.
//
// "contrat": the constant instalment A = C i / (1 - (1 + i)^-n) of the n amortising
// instalments, C being the capital when they start, rounded to the cent; each period's
// interest is rounded to the cent and the capital repaid is A less it; the last instalment
// repays what is left. A first instalment that does not fall one period after the payout pays
// the interest of its broken period, C x rate x days / 365 (or 360), and the capital part of a
// regular instalment. A deferred instalment pays the period's interest ("partiel") or adds it
// to the capital ("total").
//
// "commission": every instalment is C (1 + rate x t1) / (1 + a(N-1)) rounded to the cent, none
// adjusted, with a(n) = (1 - (1 + i)^-n) / i and t1 the first period in years by the credit
// directives' calendar. The rows split it as the contract does: the first period's interest is
// C x rate x t1, each later one the period rate on the capital left, all rounded to the cent;
// the capital left after the last instalment is what the equal instalments leave unpaid (or
// overpaid, negative), a few cents to a few euros.
//
// Premiums are rounded to the cent: a fixed amount, or annual rate / periods of the capital
// drawn ("capital_initial") or of the capital before the instalment ("capital_restant"),
// whatever the length of the first period.
GeneratedSchedule generateSchedule(const Offer& offer);

// The typed steps' instalments split at the debit rate the offer states, one per instalment in
// order, none without a debit rate; after checkOffer. The contract's rules: each instalment pays
// the interest since the one before (or since the first drawdown), on the capital owed over each
// stretch between drawdowns, a whole period at rate / periodicity and a broken one at rate x days
// / 365 (or 360), rounded to the cent once; the rest of the instalment repays capital. The
// capital left after the last instalment shows how far the steps are from the rate.
std::vector<InstalmentSplit> splitTypedInstalments(const Offer& offer);

}  // namespace kalmoris
