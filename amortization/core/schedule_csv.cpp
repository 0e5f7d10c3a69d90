#include "amortization/core/schedule_csv.h"

#include "core/numbers.h"

#include <QStringList>

namespace kalmoris {

namespace {
const QString kHeader = QStringLiteral(
    "Num. Echéance;Date Echéance;Echéance;Part Intérêts;Part amortissmnt;Capital reste du");
const QString kLineEnd = QStringLiteral("\r\n");
constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

QString amountText(Real value) {
  return FormatPattern(value, QStringLiteral("#0.00"));
}
}  // namespace

QByteArray ScheduleCsv(const ScheduleInputs& inputs, MoneyUnit currency, ReportRange range) {
  const ReportAmounts amounts = AmountsIn(inputs, currency);
  const QString instalment = amountText(amounts.instalment);
  const bool datesShown = inputs.DatesShown();
  QString text = kHeader + kLineEnd;
  RunReportPass(inputs, amounts, range, [&](const ReportInstalment& row) {
    if (!row.written) return;
    const QStringList fields = {QString::number(row.number),
                                DateColumnText(row.date, datesShown),
                                instalment,
                                amountText(row.values.interest),
                                amountText(row.values.principal),
                                amountText(row.values.remaining)};
    text += fields.join(u';') + kLineEnd;
  });
  return QByteArray(kByteOrderMark) + text.toUtf8();
}

}  // namespace kalmoris
