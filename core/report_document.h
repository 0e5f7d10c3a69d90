#pragma once

#include "core/page_font.h"

#include <QString>

namespace kalmoris {

struct TextExtent {
  int width = 0;
  int height = 0;
};

// The printable area of the current printer's page.
struct PrintableArea {
  int widthDots = 0;
  int heightDots = 0;
  int widthMm = 0;
  int heightMm = 0;
};

// One print document on the current printer: measure a text, draw it with its top-left
// corner at a point (printer dots from the printable area's corner), start a new page, and
// finish, after which the document is printed.
class ReportDocument {
 public:
  virtual ~ReportDocument() = default;
  virtual PrintableArea area() const = 0;
  virtual TextExtent measure(const QString& text, const PageFont& font) = 0;
  virtual void draw(int x, int y, const QString& text, const PageFont& font) = 0;
  virtual void newPage() = 0;
  virtual void finish() = 0;
};

}  // namespace kalmoris
