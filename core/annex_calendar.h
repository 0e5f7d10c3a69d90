#pragma once

#include "core/arith.h"

#include <QDate>
#include <QString>

#include <optional>

// The calendar by which the European consumer and mortgage credit directives time a flow for
// the TAEG (Annex I, remark (c)): whole periods counted back from the flow's date towards the
// origin, then the days left, divided by the days (365 or 366) of the full year that ends on
// the last day of that stretch of days.

namespace kalmoris {

// A day of a schedule as the contract names it. Its day of the month may be one the month
// lacks (the 31st of a 30-day month, the 29th to 31st of February): the month's last day is
// meant, and periods are still counted from the day named.
struct ScheduleDay {
  int year = 0;
  int month = 1;  // 1 to 12
  int day = 1;    // 1 to 31

  static ScheduleDay of(QDate date) { return {date.year(), date.month(), date.day()}; }
  // The calendar date meant: the named day, or the month's last day when it lacks it.
  QDate date() const;
  // The same day of the month, `months` later (earlier when negative).
  ScheduleDay addMonths(int months) const;
  bool operator==(const ScheduleDay&) const = default;
};

// Months in one period: 12 for yearly payments, 1 for monthly ones; none when the periods
// per year do not divide the year into whole months (only 1, 2, 3, 4, 6 and 12 do).
std::optional<int> monthsPerPeriod(int periodsPerYear);

// The days of the full year that ends on `day`: 366 when it holds a 29 February, else 365.
int daysOfYearEndingOn(QDate day);

// A flow's time from the origin, as the calendar counts it.
struct AnnexTime {
  int wholePeriods = 0;     // whole periods back from the flow, not before the origin
  int days = 0;             // the days left between the origin and the last of those periods
  int yearDays = 365;       // the days of the full year ending on the last day of those days
  int periodsPerYear = 12;  // 1, 2, 3, 4, 6 or 12

  // wholePeriods / periodsPerYear + days / yearDays.
  Real years() const;
  // In periods: wholePeriods + days x periodsPerYear / yearDays.
  Real periods() const;
  bool operator==(const AnnexTime&) const = default;
};

// The time of a flow on `flow` from `origin`, in whole periods of 12 / periodsPerYear months
// and days. A flow before the origin counts negative days and no period. periodsPerYear must
// divide 12 (see monthsPerPeriod).
AnnexTime annexTime(QDate origin, ScheduleDay flow, int periodsPerYear);

// The name of a period of 12 / periodsPerYear months: "mois", "bimestre", "trimestre",
// "quadrimestre", "semestre" or "an", with an "s" for several (but "mois").
QString periodName(int periodsPerYear, bool several = false);

// The time as a proof writes it: "2 mois + 3 / 365", "1 trimestre + 10 / 366", "0 an + 5 /
// 365"; "mois", "trimestres", "semestres" or "ans" after the periods of 1, 3, 6 or 12 months.
QString annexTimeText(const AnnexTime& time);

// A date typed as jj/mm/aaaa (one or two digits for the day and the month; "." or "-" may
// separate the parts), or none.
std::optional<QDate> readFrenchDate(const QString& text);
// "15/02/2012".
QString frenchDateText(QDate date);

}  // namespace kalmoris
