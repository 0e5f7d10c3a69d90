#pragma once

#include "core/arith.h"
#include "core/currency.h"

#include <QString>

#include <cstdint>
#include <vector>

// The constant-instalment schedule of the amortization table: what the last display read,
// the date step, and the pass over the instalments that both the display and the printed
// table run.

namespace kalmoris {

// The largest total number of instalments a display accepts: far above any real loan, and
// small enough for the whole schedule to be computed and shown at once.
inline constexpr std::int32_t kMaxInstalments = 100000;

// What the last display read and derived; the printed table is recomputed from it.
struct ScheduleInputs {
  Real capital = 0;                  // C, in the currency of `unit`
  Real otherCapital = 0;             // C', the capital in the other currency
  Real annualRate = 0;               // a, percent
  std::uint8_t perYear = 0;          // n
  std::int32_t total = 0;            // N
  std::int32_t firstMonth = 0;       // m0, 0 when left empty
  std::int32_t firstYear = 0;        // y0, 0 when left empty
  Real periodRate = 0;               // i%, percent
  Real instalment = 0;               // E
  Real otherInstalment = 0;          // E', computed from C' (not converted from E)
  MoneyUnit unit = MoneyUnit::None;  // the choices the display was made with
  RateKind kind = RateKind::Undetermined;

  // Dates are shown when both the first month and the first year were given.
  bool DatesShown() const { return firstMonth != 0 && firstYear != 0; }
};

// The date of an instalment. The year is wide enough never to overflow, whatever year was
// typed, over the longest schedule.
struct ScheduleDate {
  std::int32_t month = 0;
  std::int64_t year = 0;
  bool operator==(const ScheduleDate&) const = default;
};

// The date of the next instalment for 12, 6, 4, 3, 2 or 1 instalments a year; for any other
// count the date does not move.
void AdvanceDate(ScheduleDate& date, unsigned perYear);

// "03 / 2002": the month on two digits, " / ", the year.
QString DateText(const ScheduleDate& date);

// The date column of the table: the date, or "******" when no first date was given.
QString DateColumnText(const ScheduleDate& date, bool datesShown);

// One instalment of the pass: the interest, the principal repaid and the capital left after it.
struct ScheduleRow {
  Real interest = 0;
  Real principal = 0;
  Real remaining = 0;
};

// The running values of one pass over the schedule in one currency. Nothing is rounded: the
// values are carried at extended precision and rounded only when written.
class SchedulePass {
 public:
  SchedulePass(Real capital, Real instalment, Real periodRate);

  // Instalment k + 1: I = (R * i%) * 0.01, P = E - I, R = R - P, and the sums.
  ScheduleRow next();

  Real instalment() const { return instalment_; }
  Real totalInterest() const { return totalInterest_; }
  Real totalPrincipal() const { return totalPrincipal_; }

 private:
  Real instalment_;
  Real periodRate_;
  Real remaining_;
  Real totalInterest_ = 0;
  Real totalPrincipal_ = 0;
};

// The whole schedule in one currency, as the display shows it.
struct CurrencySchedule {
  Real capital = 0;
  Real instalment = 0;
  std::vector<ScheduleRow> rows;  // instalment k in rows[k - 1]
  Real totalInterest = 0;
  Real totalPrincipal = 0;
};

// The display's schedule: both currencies and the date of every instalment.
struct DatedSchedule {
  std::int32_t total = 0;  // N
  bool datesShown = false;
  // Instalment k in dates[k - 1]; one date more than rows when the pass stopped on a failure.
  std::vector<ScheduleDate> dates;
  CurrencySchedule typed;  // in the currency the capital was typed in
  CurrencySchedule other;
};

// Runs the pass for k = 1 to N in both currencies. An arithmetic failure stops it at the
// instalment where it happens: the instalments computed before it stay in `schedule`, with
// the date of the one that failed.
void ComputeSchedule(const ScheduleInputs& inputs, DatedSchedule& schedule);

}  // namespace kalmoris
