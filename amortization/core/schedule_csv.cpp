#include "amortization/core/schedule_csv.h"

#include "core/csv_table.h"

namespace kalmoris {

QByteArray ScheduleCsv(const ScheduleInputs& inputs, MoneyUnit currency, ReportRange range) {
  const ReportAmounts amounts = AmountsIn(inputs, currency);
  const QString instalment = csvAmount(amounts.instalment);
  const bool datesShown = inputs.DatesShown();
  CsvTable table({QStringLiteral("Num. Echéance"), QStringLiteral("Date Echéance"),
                  QStringLiteral("Echéance"), QStringLiteral("Part Intérêts"),
                  QStringLiteral("Part amortissmnt"), QStringLiteral("Capital reste du")});
  RunReportPass(inputs, amounts, range, [&](const ReportInstalment& row) {
    if (!row.written) return;
    table.addRow({QString::number(row.number), DateColumnText(row.date, datesShown), instalment,
                  csvAmount(row.values.interest), csvAmount(row.values.principal),
                  csvAmount(row.values.remaining)});
  });
  return table.bytes();
}

}  // namespace kalmoris
