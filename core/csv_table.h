#pragma once

#include "core/arith.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// A table as a spreadsheet file, written the French way: ";" between fields, a decimal comma,
// UTF-8 with a byte-order mark and CR LF line ends, as spreadsheets in a French locale read a
// ".csv" file without being told its format.

namespace kalmoris {

class CsvTable {
 public:
  explicit CsvTable(const QStringList& header);
  // A cell holding ";", a quote or a line end is written between quotes, its quotes doubled.
  void addRow(const QStringList& cells);
  QByteArray bytes() const;

 private:
  QString text_;
};

// An amount with exactly two decimals and every digit, never a scientific form: "1432,86".
QString csvAmount(Real value);

}  // namespace kalmoris
