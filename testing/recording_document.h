#pragma once

#include "core/report_document.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace kalmoris::testing {

// What a report did on its document, in order.
struct DocumentEvent {
  enum class Kind { Draw, NewPage, Finish };
  Kind kind = Kind::Draw;
  int page = 0;  // from 0
  int x = 0;
  int y = 0;
  QString text;
  PageFont font;
};

struct DocumentRecord {
  std::vector<DocumentEvent> events;
  bool finished = false;
  int pageCount() const;
  std::vector<DocumentEvent> draws() const;
  // The texts drawn at each (page, y), joined in drawing order: one entry per printed line.
  QStringList lines() const;
  QStringList linesOfPage(int page) const;
};

// A document with fixed metrics, for tests: the height of a text is the font's height in
// dots (points at 600 dots per inch, or the height set in dots) and every character is half
// that height wide.
class RecordingDocument : public ReportDocument {
 public:
  explicit RecordingDocument(std::shared_ptr<DocumentRecord> record,
                             PrintableArea area = defaultArea());

  static PrintableArea defaultArea() { return {4800, 6600, 203, 279}; }
  static int fontHeight(const PageFont& font);
  static int charWidth(const PageFont& font) { return fontHeight(font) / 2; }

  PrintableArea area() const override { return area_; }
  TextExtent measure(const QString& text, const PageFont& font) override;
  void draw(int x, int y, const QString& text, const PageFont& font) override;
  void newPage() override;
  void finish() override;

 private:
  std::shared_ptr<DocumentRecord> record_;
  PrintableArea area_;
  int page_ = 0;
};

}  // namespace kalmoris::testing
