#pragma once

#include "core/page_font.h"
#include "core/report_document.h"

#include <QString>

namespace kalmoris {

// Lays text lines down a document from the top-left corner, wrapping a text that does not
// fit the width and breaking pages by itself. CR is ignored and LF starts a new line.
class PrinterTextStream {
 public:
  PrinterTextStream(ReportDocument& document, PageFont& font);
  ~PrinterTextStream();  // closes the stream when the report did not
  PrinterTextStream(const PrinterTextStream&) = delete;
  PrinterTextStream& operator=(const PrinterTextStream&) = delete;

  void write(const QString& text);
  void writeLine(const QString& text = QString());  // the text, then CR LF
  void close();                                     // ends the document, which is printed

  PageFont& font() { return font_; }
  // The page's width and a text's in the current font, in dots: a report fits its columns by them.
  int pageWidth() const { return width_; }
  int textWidth(const QString& text) const { return document_.measure(text, font_).width; }
  int x() const { return x_; }
  int y() const { return y_; }
  int lineHeight() const { return lineHeight_; }

 private:
  void writeSegment(QString text);
  void newLine();

  ReportDocument& document_;
  PageFont& font_;
  int width_;
  int height_;
  int x_ = 0;
  int y_ = 0;
  int lineHeight_ = 0;
  bool closed_ = false;
};

}  // namespace kalmoris
