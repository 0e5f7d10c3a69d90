#include "testing/recording_document.h"

#include <map>
#include <utility>

namespace kalmoris::testing {

int DocumentRecord::pageCount() const {
  int pages = 1;
  for (const DocumentEvent& event : events)
    if (event.kind == DocumentEvent::Kind::NewPage) ++pages;
  return pages;
}

std::vector<DocumentEvent> DocumentRecord::draws() const {
  std::vector<DocumentEvent> drawn;
  for (const DocumentEvent& event : events)
    if (event.kind == DocumentEvent::Kind::Draw) drawn.push_back(event);
  return drawn;
}

namespace {
QStringList joinLines(const std::vector<DocumentEvent>& events, int onlyPage) {
  QStringList lines;
  std::map<std::pair<int, int>, int> lineAt;
  for (const DocumentEvent& event : events) {
    if (event.kind != DocumentEvent::Kind::Draw) continue;
    if (onlyPage >= 0 && event.page != onlyPage) continue;
    const auto key = std::make_pair(event.page, event.y);
    const auto found = lineAt.find(key);
    if (found == lineAt.end()) {
      lineAt.emplace(key, int(lines.size()));
      lines.append(event.text);
    } else {
      lines[found->second] += event.text;
    }
  }
  return lines;
}
}  // namespace

QStringList DocumentRecord::lines() const {
  return joinLines(events, -1);
}

QStringList DocumentRecord::linesOfPage(int page) const {
  return joinLines(events, page);
}

RecordingDocument::RecordingDocument(std::shared_ptr<DocumentRecord> record, PrintableArea area)
    : record_(std::move(record)), area_(area) {}

int RecordingDocument::fontHeight(const PageFont& font) {
  return font.unit == PageFont::SizeUnit::Dots ? font.size : font.size * 600 / 72;
}

TextExtent RecordingDocument::measure(const QString& text, const PageFont& font) {
  return {int(text.size()) * charWidth(font), fontHeight(font)};
}

void RecordingDocument::draw(int x, int y, const QString& text, const PageFont& font) {
  record_->events.push_back({DocumentEvent::Kind::Draw, page_, x, y, text, font});
}

void RecordingDocument::newPage() {
  record_->events.push_back({DocumentEvent::Kind::NewPage, page_, 0, 0, {}, {}});
  ++page_;
}

void RecordingDocument::finish() {
  if (record_->finished) return;
  record_->finished = true;
  record_->events.push_back({DocumentEvent::Kind::Finish, page_, 0, 0, {}, {}});
}

}  // namespace kalmoris::testing
