#include "calculators/core/quick_report.h"

#include "calculators/core/result_texts.h"

namespace kalmoris {

namespace {
const QString kReportFontName = QStringLiteral("Courier New");
}  // namespace

void WriteQuickReport(PrinterTextStream& stream, const QString& title, const QStringList& body,
                      const QString& closing) {
  stream.writeLine(kReportLead);
  stream.writeLine(kReportLead);
  PageFont& font = stream.font();
  font.name = kReportFontName;
  font.setSizePoints(16);
  font.setStyle(true);
  stream.writeLine(title);
  stream.writeLine(kReportLead);
  font.name = kReportFontName;
  font.setSizePoints(12);
  font.setStyle(false);
  for (const QString& line : body) stream.writeLine(line);
  stream.writeLine(kReportBlank);
  font.setSizePoints(10);
  stream.writeLine(Led(closing));
}

QString Led(const QString& text) {
  return kReportLead + text;
}

QString AmountLine(const QString& label, const QString& typed, const QString& converted,
                   MoneyUnit unit) {
  return Led(label + typed + QLatin1Char(' ') + UnitName(unit) + QStringLiteral(" ou ") +
             converted + QLatin1Char(' ') + OtherUnitName(unit) + QLatin1Char('.'));
}

QString RateKindLine(RateKind kind) {
  return Led(kind == RateKind::Actuarial
                 ? QStringLiteral("...Le TAUX ANNUEL est exprimé en TAUX ACTUARIEL.")
                 : QStringLiteral("...Le TAUX ANNUEL est exprimé en TAUX PROPORTIONNEL."));
}

QStringList LoanTermsLines(RateKind kind, const QString& rate, const QString& perYear,
                           const QString& total) {
  return {RateKindLine(kind),
          Led(QStringLiteral("...TAUX du PRET: ") + rate + QStringLiteral(" %.")),
          Led(QStringLiteral("...Nb. Echéances par an: ") + perYear),
          Led(QStringLiteral("...Nb. Total Echéances : ") + total)};
}

QString PeriodRateLine(const QString& periodRate) {
  return Led(QStringLiteral(".....Le TAUX de Période est de          : ") + periodRate);
}

}  // namespace kalmoris
