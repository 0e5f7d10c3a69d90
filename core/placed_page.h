#pragma once

#include "core/page_font.h"
#include "core/report_document.h"

#include <QString>

namespace kalmoris {

// Dots per centimetre of the current printer, measured once per printer choice.
struct PageGeometry {
  int dotsPerCmAcross = 0;
  int dotsPerCmDown = 0;
};

// Dots per centimetre from the printable size: dots divided by whole centimetres.
// A printable size under one centimetre gives 0 dots per centimetre.
PageGeometry MeasurePrinter(const PrintableArea& area);

// A document on which the report places each text itself, in millimetres from the corner of
// the 2 cm margins: (x, y) mm is drawn at (x * across / 10 + left, y * down / 10 + top) dots.
class PlacedPage {
 public:
  PlacedPage(ReportDocument& document, PageFont& font, PageGeometry geometry);
  ~PlacedPage();
  PlacedPage(const PlacedPage&) = delete;
  PlacedPage& operator=(const PlacedPage&) = delete;

  void textOut(int xMm, int yMm, const QString& text);
  void newPage();
  void close();

  PageFont& font() { return font_; }

 private:
  ReportDocument& document_;
  PageFont& font_;
  PageGeometry geometry_;
  int leftMargin_;
  int topMargin_;
  bool closed_ = false;
};

}  // namespace kalmoris
