#pragma once

#include "core/report_document.h"

#include <QPainter>

class QPrinter;

namespace kalmoris {

// A report document drawn with a QPainter on a QPrinter; finishing it sends it to print.
class QtReportDocument : public ReportDocument {
 public:
  explicit QtReportDocument(QPrinter& printer);  // starts the print job
  ~QtReportDocument() override;

  bool isActive() const { return painter_.isActive(); }

  PrintableArea area() const override;
  TextExtent measure(const QString& text, const PageFont& font) override;
  void draw(int x, int y, const QString& text, const PageFont& font) override;
  void newPage() override;
  void finish() override;

  static PrintableArea areaOf(const QPrinter& printer);

 private:
  void use(const PageFont& font);

  QPrinter& printer_;
  QPainter painter_;
  PageFont current_;
  bool hasFont_ = false;
  bool finished_ = false;
};

}  // namespace kalmoris
