#include "calculators/core/nominal_rate_report.h"

#include "calculators/core/quick_report.h"

namespace kalmoris {

void WriteNominalRateReport(PrinterTextStream& stream, const NominalRateReportTexts& shown) {
  QStringList body{Led(kIndications)};
  if (shown.unit != MoneyUnit::None) {
    body << AmountLine(QStringLiteral("...Montant du Capital    : "), shown.capital,
                       shown.otherCapital, shown.unit)
         << AmountLine(QStringLiteral("...Montant d'une Echéance: "), shown.instalment,
                       shown.otherInstalment, shown.unit);
  }
  body << Led(QStringLiteral("...Nb. d'Echéances par an: ") + shown.perYear)
       << Led(QStringLiteral("...Nb. Total d'Echéances : ") + shown.total) << kReportBlank
       << PeriodRateLine(shown.periodRate)
       << Led(QStringLiteral(".....Le TAUX ANNUEL PROPORTIONNEL est de: ") + shown.proportionalRate)
       << Led(QStringLiteral(".....Le TAUX ANNUEL ACTUARIEL est de    : ") + shown.actuarialRate);
  WriteQuickReport(stream, QStringLiteral("  CALCUL D'UN TAUX NOMINAL."), body, kEuroClosing);
}

}  // namespace kalmoris
