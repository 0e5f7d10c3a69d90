#pragma once

#include "core/printer_text_stream.h"

#include <QString>

namespace kalmoris {

// What the accumulated-value screen shows, as the report prints it.
struct DepositsReportTexts {
  QString deposit;
  QString perYear;
  QString rate;
  QString count;
  QString deposited;
  QString accumulated;
};

void WriteDepositsReport(PrinterTextStream& stream, const DepositsReportTexts& shown);

}  // namespace kalmoris
