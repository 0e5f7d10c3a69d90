#include "core/placed_page.h"

namespace kalmoris {

PageGeometry MeasurePrinter(const PrintableArea& area) {
  const int widthCm = area.widthMm / 10;
  const int heightCm = area.heightMm / 10;
  PageGeometry geometry;
  geometry.dotsPerCmAcross = widthCm > 0 ? area.widthDots / widthCm : 0;
  geometry.dotsPerCmDown = heightCm > 0 ? area.heightDots / heightCm : 0;
  return geometry;
}

PlacedPage::PlacedPage(ReportDocument& document, PageFont& font, PageGeometry geometry)
    : document_(document),
      font_(font),
      geometry_(geometry),
      leftMargin_(2 * geometry.dotsPerCmAcross),
      topMargin_(2 * geometry.dotsPerCmDown) {}

PlacedPage::~PlacedPage() {
  close();
}

void PlacedPage::textOut(int xMm, int yMm, const QString& text) {
  const int x = xMm * geometry_.dotsPerCmAcross / 10 + leftMargin_;
  const int y = yMm * geometry_.dotsPerCmDown / 10 + topMargin_;
  document_.draw(x, y, text, font_);
}

void PlacedPage::newPage() {
  document_.newPage();
}

void PlacedPage::close() {
  if (closed_) return;
  closed_ = true;
  document_.finish();
}

}  // namespace kalmoris
