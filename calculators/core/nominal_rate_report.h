#pragma once

#include "core/currency.h"
#include "core/printer_text_stream.h"

#include <QString>

namespace kalmoris {

// What the nominal-rate screen shows, as the report prints it.
struct NominalRateReportTexts {
  MoneyUnit unit = MoneyUnit::None;  // the amount lines are printed only with a currency
  QString capital;
  QString otherCapital;
  QString instalment;
  QString otherInstalment;
  QString perYear;
  QString total;
  QString periodRate;
  QString proportionalRate;
  QString actuarialRate;
};

void WriteNominalRateReport(PrinterTextStream& stream, const NominalRateReportTexts& shown);

}  // namespace kalmoris
