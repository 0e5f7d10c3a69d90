#include "core/annex_calendar.h"

#include <QRegularExpression>

namespace kalmoris {

QDate ScheduleDay::date() const {
  const QDate first(year, month, 1);
  return first.addDays(std::min(day, first.daysInMonth()) - 1);
}

ScheduleDay ScheduleDay::addMonths(int months) const {
  const int index = year * 12 + (month - 1) + months;
  const int newYear = index >= 0 ? index / 12 : (index - 11) / 12;
  return {newYear, index - newYear * 12 + 1, day};
}

std::optional<int> monthsPerPeriod(int periodsPerYear) {
  if (periodsPerYear < 1 || periodsPerYear > 12 || 12 % periodsPerYear != 0) return std::nullopt;
  return 12 / periodsPerYear;
}

int daysOfYearEndingOn(QDate day) {
  // A year before 29 February is 28 February: that year holds the 29th and has 366 days.
  return static_cast<int>(day.addYears(-1).daysTo(day));
}

Real AnnexTime::years() const {
  return static_cast<Real>(wholePeriods) / periodsPerYear + static_cast<Real>(days) / yearDays;
}

Real AnnexTime::periods() const {
  return wholePeriods + static_cast<Real>(days) * periodsPerYear / yearDays;
}

AnnexTime annexTime(QDate origin, ScheduleDay flow, int periodsPerYear) {
  const int months = monthsPerPeriod(periodsPerYear).value_or(1);
  const auto back = [&](int periods) { return flow.addMonths(-periods * months).date(); };
  // The months between the two dates give the count to a period or so; the dates settle it.
  const ScheduleDay start = ScheduleDay::of(origin);
  const int monthsApart = (flow.year - start.year) * 12 + (flow.month - start.month);
  int periods = std::max(0, monthsApart / months);
  while (periods > 0 && back(periods) < origin) --periods;
  while (back(periods + 1) >= origin) ++periods;

  AnnexTime time;
  time.periodsPerYear = periodsPerYear;
  time.wholePeriods = periods;
  const QDate stretchEnd = back(periods);
  time.days = static_cast<int>(origin.daysTo(stretchEnd));
  time.yearDays = daysOfYearEndingOn(stretchEnd);
  return time;
}

QString periodName(int periodsPerYear, bool several) {
  QString name;
  switch (monthsPerPeriod(periodsPerYear).value_or(1)) {
    case 1:
      return QStringLiteral("mois");
    case 2:
      name = QStringLiteral("bimestre");
      break;
    case 3:
      name = QStringLiteral("trimestre");
      break;
    case 4:
      name = QStringLiteral("quadrimestre");
      break;
    case 6:
      name = QStringLiteral("semestre");
      break;
    default:
      name = QStringLiteral("an");
      break;
  }
  return several ? name + u's' : name;
}

QString annexTimeText(const AnnexTime& time) {
  return QStringLiteral("%1 %2 + %3 / %4")
      .arg(time.wholePeriods)
      .arg(periodName(time.periodsPerYear, time.wholePeriods >= 2))
      .arg(time.days)
      .arg(time.yearDays);
}

std::optional<QDate> readFrenchDate(const QString& text) {
  static const QRegularExpression pattern(
      QStringLiteral("^\\s*(\\d{1,2})[/.-](\\d{1,2})[/.-](\\d{4})\\s*$"));
  const QRegularExpressionMatch match = pattern.match(text);
  if (!match.hasMatch()) return std::nullopt;
  const QDate date(match.captured(3).toInt(), match.captured(2).toInt(), match.captured(1).toInt());
  if (!date.isValid()) return std::nullopt;
  return date;
}

QString frenchDateText(QDate date) {
  return date.toString(QStringLiteral("dd/MM/yyyy"));
}

}  // namespace kalmoris
