#include "core/printer_text_stream.h"

namespace kalmoris {

PrinterTextStream::PrinterTextStream(ReportDocument& document, PageFont& font)
    : document_(document),
      font_(font),
      width_(document.area().widthDots),
      height_(document.area().heightDots) {}

PrinterTextStream::~PrinterTextStream() {
  close();
}

void PrinterTextStream::close() {
  if (closed_) return;
  closed_ = true;
  document_.finish();
}

void PrinterTextStream::write(const QString& text) {
  QString segment;
  for (QChar c : text) {
    if (c == QLatin1Char('\r')) continue;
    if (c == QLatin1Char('\n')) {
      writeSegment(segment);
      segment.clear();
      newLine();
    } else {
      segment.append(c);
    }
  }
  writeSegment(segment);
}

void PrinterTextStream::writeLine(const QString& text) {
  write(text + QStringLiteral("\r\n"));
}

void PrinterTextStream::writeSegment(QString text) {
  if (text.isEmpty()) return;
  while (true) {
    QString fits = text;
    TextExtent extent = document_.measure(fits, font_);
    while (x_ + extent.width > width_ && !fits.isEmpty()) {
      fits.chop(1);
      extent = document_.measure(fits, font_);
    }
    // A character wider than the whole line at its start is drawn alone, cut by the edge,
    // so that the wrapping always makes progress.
    if (fits.isEmpty() && x_ == 0) {
      fits = text.left(1);
      extent = document_.measure(fits, font_);
    }
    if (extent.height > lineHeight_) lineHeight_ = extent.height + 2;
    if (!fits.isEmpty()) document_.draw(x_, y_, fits, font_);
    if (fits.size() == text.size()) {
      x_ += extent.width;
      return;
    }
    text = text.mid(fits.size());
    newLine();
  }
}

void PrinterTextStream::newLine() {
  x_ = 0;
  const int ended = lineHeight_;
  y_ += ended == 0 ? document_.measure(QStringLiteral("W"), font_).height : ended;
  if (y_ > height_ - 2 * ended) {
    document_.newPage();
    x_ = 0;
    y_ = 0;
  }
  lineHeight_ = 0;
}

}  // namespace kalmoris
