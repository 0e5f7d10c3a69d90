#pragma once

#include "core/arith.h"
#include "dossier/core/dossier_view.h"
#include "dossier/core/loan_dossier.h"

#include <QDate>
#include <QString>

namespace kalmoris {

// How days are turned into periods: a normalised month of a 365-day year, a 30-day month of a
// 360-day year, or the calendar of the credit directives (whole periods counted back from the
// first instalment, then the days left over the 365 or 366 days of the year ending there).
enum class DayCount { NormalisedMonth, ThirtyDayMonth, Calendar };

// A time-shift group to insert, as the user describes it: a number of days by which the
// groups that follow come later (negative: earlier) than one period, or the dates of the
// capital's payout and of the first instalment, whose distance beyond one period is the shift.
struct ShiftEntry {
  bool byDates = false;
  QString days;             // a whole number of days, when not by dates
  QString payout;           // jj/mm/aaaa
  QString firstInstalment;  // jj/mm/aaaa
  DayCount convention = DayCount::NormalisedMonth;
};

// The shift read from an entry: its days and the group's count (days x P / 365, or / 360; by
// the calendar, whole periods - 1 + days x P / 365 or 366), or the French reason why the entry
// cannot be used.
struct Shift {
  Real days = 0;  // by the calendar, the count in days of a 365-day year
  Real count = 0;
  QString calendarTime;  // by the calendar, the first instalment's time: "1 mois + 3 / 366"
  QString refusal;       // empty when the shift is usable
};

Shift readShift(const ShiftEntry& entry, int periodsPerYear);

// The days from one date to another under the convention: the calendar's days, or for 30-day
// months 30 per month with the 31st counted as the 30th.
int daysBetween(QDate from, QDate to, DayCount convention);

// "Décalage de -49 jours : -0,544444 période", or by the calendar "Première échéance à
// 1 mois + 3 / 366 du versement : 0,098361 période": what the insertion will write.
QString shiftSummary(const Shift& shift);

// Why no shift can be inserted before grid row `row` now, or nothing: the header must be
// validated (a count per year, and the grid sized to its block count) and the grid not full.
QString shiftInsertionRefusal(const LoanDossier& dossier, int gridRowCount, int row);

// Inserts a time-shift group (amount 0, no insurance nor fees) of `count` periods before grid
// row `row`: the rows from there move one down, the groups are numbered again, and the block
// count grows by one and is written back as the validation writes it.
void insertShiftGroup(LoanDossier& dossier, DossierView& view, int row, Real count);

}  // namespace kalmoris
