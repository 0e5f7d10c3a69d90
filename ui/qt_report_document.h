#pragma once

#include "core/report_document.h"

#include <QPainter>
#include <QString>

#include <memory>

class QPrinter;
class QTemporaryFile;
class QWidget;

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

// A report written to a PDF file whole or not at all: the printer writes a temporary file,
// which replaces `target` once the report is finished. A report finishes while the failure
// that ended it goes to the error box, so a failure to replace the file is shown at once.
class PdfFileDocument : public QtReportDocument {
 public:
  // Raises a FileFailure when no temporary file can be made.
  PdfFileDocument(QPrinter& printer, const QString& target, QWidget* parent);
  ~PdfFileDocument() override;

  void finish() override;

 private:
  PdfFileDocument(QPrinter& printer, std::unique_ptr<QTemporaryFile> written, const QString& target,
                  QWidget* parent);

  QPrinter& printer_;
  std::unique_ptr<QTemporaryFile> written_;
  QString target_;
  QWidget* parent_;
  bool replaced_ = false;
};

}  // namespace kalmoris
