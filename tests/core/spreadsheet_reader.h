#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

// A ".csv" file as a spreadsheet in a French locale reads it: a byte-order mark, lines ended by
// CR LF, fields split on ";", a field between quotes taken whole with its doubled quotes single.
namespace kalmoris::testing {

struct Sheet {
  bool byteOrderMark = false;
  bool bareLineFeed = false;
  std::vector<QStringList> rows;
};

inline QStringList ReadFields(const QString& line) {
  QStringList fields{QString()};
  bool quoted = false;
  for (qsizetype k = 0; k < line.size(); ++k) {
    const QChar c = line[k];
    if (quoted && c == u'"' && k + 1 < line.size() && line[k + 1] == u'"') {
      fields.back() += c;
      ++k;
    } else if (c == u'"') {
      quoted = !quoted;
    } else if (c == u';' && !quoted) {
      fields << QString();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

inline Sheet ReadSheet(const QByteArray& bytes) {
  Sheet sheet;
  sheet.byteOrderMark = bytes.startsWith("\xEF\xBB\xBF");
  sheet.bareLineFeed = bytes.count("\n") != bytes.count("\r\n") || !bytes.endsWith("\r\n");
  QStringList lines = QString::fromUtf8(bytes.mid(sheet.byteOrderMark ? 3 : 0)).split("\r\n");
  lines.removeLast();  // after the last line end
  for (const QString& line : lines) sheet.rows.push_back(ReadFields(line));
  return sheet;
}

// A decimal-comma amount with exactly two decimals, as a French spreadsheet takes a number.
inline long double SheetAmount(const QString& field) {
  static const QRegularExpression kNumber(QStringLiteral("^-?[0-9]+,[0-9]{2}$"));
  EXPECT_TRUE(kNumber.match(field).hasMatch()) << field.toStdString();
  return std::stold(QString(field).replace(u',', u'.').toStdString());
}

}  // namespace kalmoris::testing
