#pragma once

#include "amortization/core/report_pass.h"
#include "amortization/core/schedule.h"
#include "core/placed_page.h"

#include <QString>

// The printed amortization table: a placed page, positions in millimetres, recomputed from
// the last display's inputs in the report's currency.

namespace kalmoris {

// The screen's texts the report quotes as they stand.
struct ReportTexts {
  QString annualRate;      // ch_le_taux
  QString perYear;         // ch_ech_an
  QString total;           // ch_tot_ech
  QString periodRate;      // taux_per
  QString equivalentRate;  // taux_equi
};

// A text of 4 to 11 characters is right-aligned on 11 characters and followed by " :"; any
// other text comes back unchanged.
QString PadColumn(const QString& text);

// Draws the whole report in `currency` (Francs or Euros) on the page; the caller closes it.
void DrawScheduleReport(PlacedPage& page, const ScheduleInputs& inputs, const ReportTexts& texts,
                        MoneyUnit currency, ReportRange range);

}  // namespace kalmoris
