#pragma once

#include "core/currency.h"
#include "core/printer_text_stream.h"

#include <QString>
#include <QStringList>

// What the four quick-calculator reports share: their skeleton and the lines they have in
// common. Body lines start with a lead of four spaces; blank lines hold spaces so that they
// take the height of the font.
namespace kalmoris {

inline const QString kReportLead = QStringLiteral("    ");
inline const QString kReportBlank = QStringLiteral("  ");
inline const QString kEuroClosing = QStringLiteral("Z.Q. .....1 Euro = 6.55957 Francs.");
inline const QString kPlainClosing = QStringLiteral("Z.Q. .");
inline const QString kIndications = QStringLiteral("Au vu des indications suivantes:");

// Two lead-only lines in the font the previous report left, the title in Courier New 16
// bold, a lead-only line, the body in Courier New 12 regular, a blank line, then the lead
// and the closing text at 10 points. Only the attributes named are set: the colour, and the
// name and style of the closing line, stay as they were.
void WriteQuickReport(PrinterTextStream& stream, const QString& title, const QStringList& body,
                      const QString& closing);

// The lead followed by the text.
QString Led(const QString& text);

// "<label><typed> Euros ou <converted> Francs." (or the other way round for Francs).
QString AmountLine(const QString& label, const QString& typed, const QString& converted,
                   MoneyUnit unit);

// How the typed annual rate is to be read: actuarial, or proportional for any other kind.
QString RateKindLine(RateKind kind);

// The rate and count lines of the instalment and capital reports: the rate kind, the rate,
// the two counts.
QStringList LoanTermsLines(RateKind kind, const QString& rate, const QString& perYear,
                           const QString& total);

QString PeriodRateLine(const QString& periodRate);

}  // namespace kalmoris
