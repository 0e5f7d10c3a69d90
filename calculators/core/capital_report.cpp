#include "calculators/core/capital_report.h"

#include "calculators/core/quick_report.h"

namespace kalmoris {

void WriteCapitalReport(PrinterTextStream& stream, const CapitalReportTexts& shown) {
  QStringList body{Led(kIndications)};
  if (shown.unit != MoneyUnit::None) {
    body << AmountLine(QStringLiteral("...Montant d'une échéance  : "), shown.instalment,
                       shown.otherInstalment, shown.unit);
  }
  body << LoanTermsLines(shown.kind, shown.rate, shown.perYear, shown.total) << kReportBlank
       << PeriodRateLine(shown.periodRate)
       << Led(QStringLiteral(".....Le MONTANT DU CAPITAL est de: ") + shown.capital +
              QLatin1Char(' ') + shown.capitalUnit)
       << Led(QStringLiteral("................................ou de: ") + shown.otherCapital +
              QLatin1Char(' ') + shown.otherCapitalUnit)
       << Led(QStringLiteral("........."));
  WriteQuickReport(stream, QStringLiteral("  CALCUL D'UN CAPITAL."), body, kEuroClosing);
}

}  // namespace kalmoris
