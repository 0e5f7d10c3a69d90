#pragma once

#include "amortization/core/report_pass.h"
#include "amortization/core/schedule.h"
#include "core/currency.h"

#include <QByteArray>

// The amortization table as a spreadsheet file, written the French way: ";" between fields,
// a decimal comma, UTF-8 with a byte-order mark and CR LF line ends, as spreadsheets in a
// French locale read a ".csv" file without being told its format.

namespace kalmoris {

// A header row, then one row per instalment of the range in `currency`, the columns of the
// screen's grids. Amounts have exactly two decimals and every digit, never a scientific form.
QByteArray ScheduleCsv(const ScheduleInputs& inputs, MoneyUnit currency, ReportRange range);

}  // namespace kalmoris
