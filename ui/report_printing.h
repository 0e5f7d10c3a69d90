#pragma once

#include "core/placed_page.h"
#include "core/printer_text_stream.h"

#include <functional>

class QWidget;

namespace kalmoris {

// Prints a line-stream report on the current printer, with the application's page font.
// The stream is closed whatever happens while the report writes, so that the lines written
// before a failure still print; the failure then goes on to the handler's error box.
void printLineReport(QWidget* screen, const std::function<void(PrinterTextStream&)>& write);

// The same after the standard print dialog: cancelling it prints nothing.
void printLineReportAfterDialog(QWidget* screen,
                                const std::function<void(PrinterTextStream&)>& write);

// A placed-page report on the current printer, laid out with the given page geometry.
void printPlacedReport(QWidget* screen, PageGeometry geometry,
                       const std::function<void(PlacedPage&)>& draw);

}  // namespace kalmoris
