#pragma once

#include "core/page_font.h"
#include "testing/recording_document.h"

#include <QString>

#include <vector>

namespace kalmoris::testing {

// A printed line and the font of its first text.
struct PrintedLine {
  QString text;
  PageFont font;
};
std::vector<PrintedLine> printedLines(const DocumentRecord& record);

// What a previous report could have left: every attribute differs from the quick reports'.
PageFont unusualPageFont();

// The quick reports' Courier New, the other attributes as `unusualPageFont` left them.
PageFont courierAfterUnusual(int points, bool bold);

// The font every line of a quick report of `lineCount` lines is printed in, after a report
// that left `previous`: the two first lines in it, the title and the line after it in
// Courier New 16 bold, the body at 12, the closing line at 10.
PageFont quickReportLineFont(std::size_t line, std::size_t lineCount, const PageFont& previous);

}  // namespace kalmoris::testing
