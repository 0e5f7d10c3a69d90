#include "tests/calculators/printed_lines.h"

namespace kalmoris::testing {

std::vector<PrintedLine> printedLines(const DocumentRecord& record) {
  std::vector<PrintedLine> lines;
  int page = -1;
  int y = -1;
  for (const DocumentEvent& event : record.draws()) {
    if (event.page == page && event.y == y) {
      lines.back().text += event.text;
      continue;
    }
    page = event.page;
    y = event.y;
    lines.push_back({event.text, event.font});
  }
  return lines;
}

PageFont unusualPageFont() {
  PageFont font;
  font.name = QStringLiteral("ARIAL");
  font.setHeightDots(100);
  font.setStyle(true, true);
  font.color = 0x0000FF;
  return font;
}

namespace {
PageFont courier(PageFont font, int points, bool bold) {
  font.name = QStringLiteral("Courier New");
  font.setSizePoints(points);
  font.setStyle(bold);
  return font;
}
}  // namespace

PageFont courierAfterUnusual(int points, bool bold) {
  return courier(unusualPageFont(), points, bold);
}

PageFont quickReportLineFont(std::size_t line, std::size_t lineCount, const PageFont& previous) {
  if (line < 2) return previous;
  if (line < 4) return courier(previous, 16, true);
  return courier(previous, line + 1 == lineCount ? 10 : 12, false);
}

}  // namespace kalmoris::testing
