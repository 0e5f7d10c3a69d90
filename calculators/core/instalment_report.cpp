#include "calculators/core/instalment_report.h"

#include "calculators/core/quick_report.h"

namespace kalmoris {

void WriteInstalmentReport(PrinterTextStream& stream, const InstalmentReportTexts& shown) {
  QStringList body{Led(kIndications)};
  if (shown.unit != MoneyUnit::None) {
    body << AmountLine(QStringLiteral("...Montant du Capital  : "), shown.capital,
                       shown.otherCapital, shown.unit);
  }
  body << LoanTermsLines(shown.kind, shown.rate, shown.perYear, shown.total) << kReportBlank
       << PeriodRateLine(shown.periodRate)
       << Led(QStringLiteral(".....Le MONTANT D'UNE ECHEANCE est de: ") + shown.instalment +
              QLatin1Char(' ') + shown.instalmentUnit)
       << Led(QStringLiteral("................................ou de: ") + shown.otherInstalment +
              QLatin1Char(' ') + shown.otherInstalmentUnit)
       << Led(QStringLiteral("........."))
       << Led((shown.kind == RateKind::Actuarial
                   ? QStringLiteral(".....(Le TAUX ANNUEL PROPORTIONNEL équivalent est de    : ")
                   : QStringLiteral(".....(Le TAUX ANNUEL ACTUARIEL équivalent est de: ")) +
              shown.equivalentRate + QLatin1Char(')'));
  WriteQuickReport(stream, QStringLiteral("  CALCUL D'UNE ECHEANCE."), body, kEuroClosing);
}

}  // namespace kalmoris
