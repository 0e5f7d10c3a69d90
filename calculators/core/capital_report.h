#pragma once

#include "core/currency.h"
#include "core/printer_text_stream.h"

#include <QString>

namespace kalmoris {

// What the capital screen shows, as the report prints it.
struct CapitalReportTexts {
  MoneyUnit unit = MoneyUnit::None;  // the instalment line is printed only with a currency
  RateKind kind = RateKind::Undetermined;
  QString instalment;
  QString otherInstalment;
  QString rate;
  QString perYear;
  QString total;
  QString periodRate;
  QString capital;
  QString capitalUnit;
  QString otherCapital;
  QString otherCapitalUnit;
};

void WriteCapitalReport(PrinterTextStream& stream, const CapitalReportTexts& shown);

}  // namespace kalmoris
