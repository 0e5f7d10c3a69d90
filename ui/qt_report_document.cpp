#include "ui/qt_report_document.h"

#include <QFontMetrics>
#include <QPrinter>

namespace kalmoris {

QtReportDocument::QtReportDocument(QPrinter& printer) : printer_(printer) {
  painter_.begin(&printer_);
}

QtReportDocument::~QtReportDocument() {
  finish();
}

PrintableArea QtReportDocument::areaOf(const QPrinter& printer) {
  const QRectF dots = printer.pageRect(QPrinter::DevicePixel);
  const QRectF mm = printer.pageRect(QPrinter::Millimeter);
  return {int(dots.width()), int(dots.height()), int(mm.width()), int(mm.height())};
}

PrintableArea QtReportDocument::area() const {
  return areaOf(printer_);
}

void QtReportDocument::use(const PageFont& font) {
  if (hasFont_ && font == current_) return;
  QFont realised(font.name);
  if (font.unit == PageFont::SizeUnit::Dots)
    realised.setPixelSize(qMax(1, font.size));
  else
    realised.setPointSize(qMax(1, font.size));
  realised.setBold(font.bold);
  realised.setItalic(font.italic);
  // Printer dots are the painter's pixels: no hinting towards the screen's resolution.
  realised.setHintingPreference(QFont::PreferNoHinting);
  painter_.setFont(realised);
  painter_.setPen(QColor::fromRgb(font.color));
  current_ = font;
  hasFont_ = true;
}

TextExtent QtReportDocument::measure(const QString& text, const PageFont& font) {
  use(font);
  const QFontMetrics metrics = painter_.fontMetrics();
  return {metrics.horizontalAdvance(text), metrics.height()};
}

void QtReportDocument::draw(int x, int y, const QString& text, const PageFont& font) {
  use(font);
  painter_.drawText(x, y + painter_.fontMetrics().ascent(), text);
}

void QtReportDocument::newPage() {
  printer_.newPage();
}

void QtReportDocument::finish() {
  if (finished_) return;
  finished_ = true;
  if (painter_.isActive()) painter_.end();
}

}  // namespace kalmoris
