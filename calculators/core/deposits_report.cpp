#include "calculators/core/deposits_report.h"

#include "calculators/core/quick_report.h"

namespace kalmoris {

void WriteDepositsReport(PrinterTextStream& stream, const DepositsReportTexts& shown) {
  const QStringList body{
      Led(QStringLiteral(" La valeur acquise par une série de:")),
      Led(QStringLiteral("... ") + shown.count +
          QStringLiteral(" versements d'un montant unitaire de ")),
      Led(QStringLiteral("... ") + shown.deposit + QStringLiteral(" Unités Monétaires,")),
      Led(QStringLiteral("... A raison de ") + shown.perYear +
          QStringLiteral(" versements par an,")),
      Led(QStringLiteral("... Et au TAUX de : ") + shown.rate + QLatin1Char('%')),
      kReportBlank,
      Led(QStringLiteral(".... Est de ") + shown.accumulated +
          QStringLiteral(" Unités Monétaires.")),
      kReportBlank,
      Led(QStringLiteral(" Le cumul des sommes versées est de ") + shown.deposited +
          QStringLiteral(" Unités Monétaires.")),
  };
  WriteQuickReport(stream, QStringLiteral("  VALEUR ACQUISE PAR UNE SERIE DE VERSEMENTS."), body,
                   kPlainClosing);
}

}  // namespace kalmoris
