#include "ui/report_printing.h"

#include "ui/platform.h"

namespace kalmoris {

void printLineReport(QWidget* screen, const std::function<void(PrinterTextStream&)>& write) {
  const std::unique_ptr<ReportDocument> document = platform().beginDocument(screen);
  if (!document) return;
  PrinterTextStream stream(*document, platform().pageFont());
  write(stream);
  stream.close();
}

void printLineReportAfterDialog(QWidget* screen,
                                const std::function<void(PrinterTextStream&)>& write) {
  if (!platform().runPrintDialog(screen)) return;
  printLineReport(screen, write);
}

void printPlacedReport(QWidget* screen, PageGeometry geometry,
                       const std::function<void(PlacedPage&)>& draw) {
  const std::unique_ptr<ReportDocument> document = platform().beginDocument(screen);
  if (!document) return;
  PlacedPage page(*document, platform().pageFont(), geometry);
  draw(page);
  page.close();
}

}  // namespace kalmoris
