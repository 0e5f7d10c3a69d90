#include "core/csv_table.h"

#include "core/numbers.h"

namespace kalmoris {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");
constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

QString field(QString cell) {
  if (!cell.contains(u';') && !cell.contains(u'"') && !cell.contains(u'\n') &&
      !cell.contains(u'\r'))
    return cell;
  return u'"' + cell.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

}  // namespace

CsvTable::CsvTable(const QStringList& header) {
  addRow(header);
}

void CsvTable::addRow(const QStringList& cells) {
  QStringList fields;
  for (const QString& cell : cells) fields << field(cell);
  text_ += fields.join(u';') + kLineEnd;
}

QByteArray CsvTable::bytes() const {
  return QByteArray(kByteOrderMark) + text_.toUtf8();
}

QString csvAmount(Real value) {
  return FormatPattern(value, QStringLiteral("#0.00"));
}

}  // namespace kalmoris
