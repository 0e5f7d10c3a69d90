#include "ui/qt_report_document.h"

#include "core/file_errors.h"
#include "core/file_save.h"
#include "ui/handler.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QPrinter>
#include <QTemporaryFile>

#include <cerrno>

namespace kalmoris {

namespace {

std::unique_ptr<QTemporaryFile> temporaryPdf() {
  auto file = std::make_unique<QTemporaryFile>(
      QDir::temp().filePath(QStringLiteral("kalmoris-XXXXXX.pdf")));
  errno = 0;
  if (!file->open()) failFile(lastFileError());
  file->close();
  return file;
}

QPrinter& writingTo(QPrinter& printer, const QString& fileName) {
  printer.setOutputFileName(fileName);
  return printer;
}

}  // namespace

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

PdfFileDocument::PdfFileDocument(QPrinter& printer, const QString& target, QWidget* parent)
    : PdfFileDocument(printer, temporaryPdf(), target, parent) {}

PdfFileDocument::PdfFileDocument(QPrinter& printer, std::unique_ptr<QTemporaryFile> written,
                                 const QString& target, QWidget* parent)
    : QtReportDocument(writingTo(printer, written->fileName())),
      printer_(printer),
      written_(std::move(written)),
      target_(target),
      parent_(parent) {}

PdfFileDocument::~PdfFileDocument() {
  finish();
}

void PdfFileDocument::finish() {
  if (replaced_) return;
  replaced_ = true;
  const bool begun = isActive();  // a document that never began leaves the file alone
  QtReportDocument::finish();
  printer_.setOutputFileName(target_);  // the name the print dialog shows next time
  if (!begun) return;
  runHandler(parent_, [this] {
    QFile written(written_->fileName());
    errno = 0;
    if (!written.open(QIODevice::ReadOnly)) failFile(lastFileError());
    saveFileAtomically(target_, written.readAll());
  });
}

}  // namespace kalmoris
