#pragma once

#include "core/currency.h"
#include "core/printer_text_stream.h"

#include <QString>

namespace kalmoris {

// What the instalment screen shows, as the report prints it.
struct InstalmentReportTexts {
  MoneyUnit unit = MoneyUnit::None;  // the capital line is printed only with a currency
  RateKind kind = RateKind::Undetermined;
  QString capital;
  QString otherCapital;
  QString rate;
  QString perYear;
  QString total;
  QString periodRate;
  QString instalment;
  QString instalmentUnit;
  QString otherInstalment;
  QString otherInstalmentUnit;
  QString equivalentRate;
};

void WriteInstalmentReport(PrinterTextStream& stream, const InstalmentReportTexts& shown);

}  // namespace kalmoris
