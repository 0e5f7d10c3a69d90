#include "dossier/core/time_shift.h"

#include "core/annex_calendar.h"
#include "core/numbers.h"
#include "dossier/core/grid_calculation.h"
#include "dossier/core/header_validation.h"
#include "dossier/core/spaced_number.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace kalmoris {

namespace {

// A shift of more than ten years is no irregular first instalment but a mistyped entry.
constexpr Real kLongestShift = 3660;

int daysInYear(DayCount convention) {
  return convention == DayCount::ThirtyDayMonth ? 360 : 365;
}

Shift refused(const QString& reason) {
  Shift shift;
  shift.refusal = reason;
  return shift;
}

// A date typed as jj/mm/aaaa; points or dashes may separate its parts.
QDate readDate(const QString& text) {
  QString date = text.trimmed();
  date.replace(QLatin1Char('.'), QLatin1Char('/')).replace(QLatin1Char('-'), QLatin1Char('/'));
  return QDate::fromString(date, QStringLiteral("d/M/yyyy"));
}

// The payout and the first instalment of an entry, or the reason they cannot be used.
QString readDates(const ShiftEntry& entry, QDate& payout, QDate& first) {
  payout = readDate(entry.payout);
  first = readDate(entry.firstInstalment);
  const struct {
    const QDate& date;
    const QString& text;
    const char* missing;
  } dates[] = {
      {payout, entry.payout, "Indiquez la date du versement du capital."},
      {first, entry.firstInstalment, "Indiquez la date de la première échéance."},
  };
  for (const auto& [date, text, missing] : dates) {
    if (text.trimmed().isEmpty()) return QString::fromUtf8(missing);
    if (!date.isValid()) return QStringLiteral("'%1' n'est pas une date (jj/mm/aaaa).").arg(text);
  }
  if (first <= payout)
    return QStringLiteral("La première échéance doit venir après le versement du capital.");
  return QString();
}

// The days of an entry, or the reason they cannot be read.
Shift readDays(const ShiftEntry& entry, int periodsPerYear) {
  Shift shift;
  if (!entry.byDates) {
    if (entry.days.trimmed().isEmpty())
      return refused(QStringLiteral("Indiquez le nombre de jours du décalage."));
    static const QRegularExpression wholeDays(QStringLiteral("^\\s*[+-]?\\d{1,9}\\s*$"));
    if (!wholeDays.match(entry.days).hasMatch())
      return refused(QStringLiteral("'%1' n'est pas un nombre entier de jours.").arg(entry.days));
    shift.days = entry.days.trimmed().toLongLong();
    return shift;
  }
  QDate payout;
  QDate first;
  if (const QString refusal = readDates(entry, payout, first); !refusal.isEmpty())
    return refused(refusal);
  const Real period = static_cast<Real>(daysInYear(entry.convention)) / periodsPerYear;
  shift.days = daysBetween(payout, first, entry.convention) - period;
  return shift;
}

// By the calendar: the first instalment's time from the payout, one period of which is the
// schedule's own; the rest is the shift, negative when it comes less than a period after.
Shift readCalendarShift(const ShiftEntry& entry, int periodsPerYear) {
  if (!monthsPerPeriod(periodsPerYear))
    return refused(QStringLiteral(
        "Le calendrier compte des périodes d'un nombre entier de mois : il ne s'applique qu'à 1, "
        "2, 3, 4, 6 ou 12 remboursements par an."));
  if (!entry.byDates)
    return refused(QStringLiteral(
        "Le calendrier se compte d'après les deux dates : indiquez le versement du capital et "
        "la première échéance."));
  QDate payout;
  QDate first;
  if (const QString refusal = readDates(entry, payout, first); !refusal.isEmpty())
    return refused(refusal);
  const AnnexTime time = annexTime(payout, ScheduleDay::of(first), periodsPerYear);
  Shift shift;
  shift.count = time.periods() - 1;
  shift.days = shift.count * 365 / periodsPerYear;
  shift.calendarTime = annexTimeText(time);
  return shift;
}

}  // namespace

int daysBetween(QDate from, QDate to, DayCount convention) {
  if (convention != DayCount::ThirtyDayMonth) return static_cast<int>(from.daysTo(to));
  const int fromDay = std::min(from.day(), 30);
  const int toDay = std::min(to.day(), 30);
  return 360 * (to.year() - from.year()) + 30 * (to.month() - from.month()) + (toDay - fromDay);
}

Shift readShift(const ShiftEntry& entry, int periodsPerYear) {
  const bool calendar = entry.convention == DayCount::Calendar;
  Shift shift =
      calendar ? readCalendarShift(entry, periodsPerYear) : readDays(entry, periodsPerYear);
  if (!shift.refusal.isEmpty()) return shift;
  if (std::fabs(shift.days) > kLongestShift)
    return refused(QStringLiteral("Un décalage ne peut dépasser 3660 jours, soit dix ans."));
  // Half a second of a day is below anything a date or a whole day can express.
  if (std::fabs(shift.days) < 1e-5L)
    return refused(QStringLiteral("Un décalage nul ne change rien : aucun bloc à insérer."));
  if (!calendar) shift.count = shift.days * periodsPerYear / daysInYear(entry.convention);
  return shift;
}

QString shiftSummary(const Shift& shift) {
  const bool manyPeriods = std::fabs(shift.count) >= 2;
  const QString periods = countCellText(shift.count, QString()) + QLatin1Char(' ') +
                          (manyPeriods ? QStringLiteral("périodes") : QStringLiteral("période"));
  if (!shift.calendarTime.isEmpty())
    return QStringLiteral("Première échéance à %1 du versement : %2")
        .arg(shift.calendarTime, periods);
  QString days = FormatFixed(shift.days, 10, 2);
  if (days.endsWith(QStringLiteral(",00"))) days.chop(3);
  const bool manyDays = std::fabs(shift.days) >= 2;
  return QStringLiteral("Décalage de %1 %2 : %3")
      .arg(days, manyDays ? QStringLiteral("jours") : QStringLiteral("jour"), periods);
}

QString shiftInsertionRefusal(const LoanDossier& dossier, int gridRowCount, int row) {
  if (dossier.repaymentsPerYear == 0 || gridRowCount != dossier.blockCount + 1)
    return QStringLiteral(
        "Validez d'abord la saisie (CLIQUER ICI pour VALIDER) : le décalage se compte en "
        "périodes de l'échéancier validé.");
  if (dossier.blockCount >= kMaxGroups)
    return QStringLiteral(
        "La grille compte déjà 360 blocs de saisie : un décalage de plus n'y tient pas.");
  if (row < 1 || row > dossier.blockCount)
    return QStringLiteral(
        "Choisissez dans la grille la ligne devant laquelle insérer le décalage.");
  return QString();
}

void insertShiftGroup(LoanDossier& dossier, DossierView& view, int row, Real count) {
  const int groups = dossier.blockCount;
  view.setGridRowCount(groups + 2);
  for (int from = groups; from >= row; --from)
    for (int col = kAmountColumn; col < kGridColumnCount; ++col)
      view.writeCell(col, from + 1, view.cellText(col, from));
  const QString zero = amountCellText(0);
  view.writeCell(kAmountColumn, row, zero);
  view.writeCell(kCountColumn, row, spaced(countCellText(count, QString())));
  view.writeCell(kInsuranceColumn, row, zero);
  view.writeCell(kFeesColumn, row, zero);
  view.writeCell(kCumulColumn, row, zero);
  dossier.blockCount = static_cast<std::uint16_t>(groups + 1);
  numberGroups(view, dossier.blockCount);
  view.writeField(HeaderField::BlockCount, spaced(QString::number(dossier.blockCount)));
}

}  // namespace kalmoris
